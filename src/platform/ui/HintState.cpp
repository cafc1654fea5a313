#include "HintState.h"

namespace qxmxz {

HintState::HintState(QObject *parent)
    : QObject(parent)
{
}

void HintState::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    emit textChanged(text);
}

void HintState::refresh()
{
    ++m_refreshCount;
    emit refreshed(m_text);
}

} // namespace qxmxz
