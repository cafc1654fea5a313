#pragma once

#include <QObject>

namespace qxmxz {

// The stop button of a ledger window without the window. A run enables it
// (and shows it where the window keeps it hidden); a press reaches whoever
// listens to pressed() — the window, which keeps the stop flag the run polls.
// A disabled or hidden button cannot be pressed.
class StopButtonState : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY visibleChanged)

public:
    // Starts disabled and visible: nothing runs yet.
    explicit StopButtonState(QObject *parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

public slots:
    // The user's click (or the command line's interrupt); emits pressed()
    // when the button can be pressed.
    void press();

signals:
    void pressed();
    void enabledChanged(bool enabled);
    void visibleChanged(bool visible);

private:
    bool m_enabled = false;
    bool m_visible = true;
};

} // namespace qxmxz
