#include "ToolbarStyle.h"

#include "platform/outside/UserSettings.h"

namespace qxmxz {

int ReadToolbarStyle(const QString &settingsKeyPath)
{
    const QVariant value = UserSettings::readMachine(settingsKeyPath, QStringLiteral("Toolbar Style"));
    if (!value.isValid())
        return 1;
    const QString text = value.toString().left(128);
    return !text.isEmpty() && text.startsWith(u'T') ? 1 : 2;
}

int toolbarStyleFlag(int toolbarStyle)
{
    return toolbarStyle == 1 ? 1 : 0;
}

} // namespace qxmxz
