#include "StopButtonState.h"

namespace qxmxz {

StopButtonState::StopButtonState(QObject *parent)
    : QObject(parent)
{
}

void StopButtonState::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged(enabled);
}

void StopButtonState::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    emit visibleChanged(visible);
}

void StopButtonState::press()
{
    if (m_enabled && m_visible)
        emit pressed();
}

} // namespace qxmxz
