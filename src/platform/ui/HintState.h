#pragma once

#include <QObject>
#include <QString>

namespace qxmxz {

// The hint line of a ledger window without the window: the text a run shows
// ("please wait", the voucher being processed). A run sets the text and then
// asks for an immediate refresh; a window repaints its label on refreshed(),
// the command line prints the text as progress.
class HintState : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)

public:
    explicit HintState(QObject *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    // How often refresh() was called since creation.
    qint64 refreshCount() const { return m_refreshCount; }

public slots:
    void refresh();

signals:
    void textChanged(const QString &text);
    void refreshed(const QString &text);

private:
    QString m_text;
    qint64 m_refreshCount = 0;
};

} // namespace qxmxz
