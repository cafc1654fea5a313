#include "UserSettings.h"

#include <QSettings>

namespace qxmxz::UserSettings {

namespace {

QString groupPath(QString section)
{
    // QSettings treats "\\" and "/" as group separators; registry-style paths use "\\".
    section.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return section;
}

} // namespace

QVariant read(const QString &section, const QString &name)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QxMxz"), QStringLiteral("GL"));
    settings.beginGroup(groupPath(section));
    return settings.value(name);
}

void write(const QString &section, const QString &name, const QVariant &value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QxMxz"), QStringLiteral("GL"));
    settings.beginGroup(groupPath(section));
    settings.setValue(name, value);
}

QVariant readMachine(const QString &keyPath, const QString &name)
{
    QSettings settings(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("QxMxz"), QStringLiteral("GL"));
    settings.beginGroup(groupPath(keyPath));
    return settings.value(name);
}

} // namespace qxmxz::UserSettings
