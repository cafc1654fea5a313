#include "ScratchSettings.h"

#include <QSettings>

#include "platform/Failure.h"

namespace qxmxz::test {

ScratchSettings::ScratchSettings()
{
    if (!m_folder.isValid())
        throw Failure(QStringLiteral("No temporary folder for the settings"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.filePath(QStringLiteral("user")));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, m_folder.filePath(QStringLiteral("machine")));
}

void ScratchSettings::writeMachine(const QString &keyPath, const QString &name, const QVariant &value)
{
    QSettings settings(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("QxMxz"), QStringLiteral("GL"));
    QString group = keyPath;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    settings.beginGroup(group);
    settings.setValue(name, value);
}

} // namespace qxmxz::test
