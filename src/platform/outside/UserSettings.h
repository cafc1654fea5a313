#pragma once

#include <QString>
#include <QVariant>

namespace qxmxz {

// Settings kept outside the database, as INI files under the user's (or the
// machine's) configuration folder: organisation "QxMxz", application "GL".
// Sections and value names are those the component reads ("GLOption" /
// "IsUseNewReport", the settings key path / "Toolbar Style", saved widths).
namespace UserSettings {

// A per-user value; an invalid QVariant when it was never written.
QVariant read(const QString &section, const QString &name);
void write(const QString &section, const QString &name, const QVariant &value);
// A machine-wide value under a key path such as "Software/QxMxz/GL".
QVariant readMachine(const QString &keyPath, const QString &name);

} // namespace UserSettings
} // namespace qxmxz
