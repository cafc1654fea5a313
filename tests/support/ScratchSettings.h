#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

namespace qxmxz::test {

// Points the user's and the machine's settings (QSettings, INI format) at a
// fresh, empty folder for as long as it lives, so that a test neither reads
// nor changes the settings of the person running it. One at a time.
class ScratchSettings {
public:
    ScratchSettings();
    ScratchSettings(const ScratchSettings &) = delete;
    ScratchSettings &operator=(const ScratchSettings &) = delete;

    // Writes a machine-wide value, as an administrator would.
    void writeMachine(const QString &keyPath, const QString &name, const QVariant &value);

private:
    QTemporaryDir m_folder;
};

} // namespace qxmxz::test
