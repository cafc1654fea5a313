#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace qxmxz {

// What a display method of the public class hands to the windows once the
// rights are checked.
struct DetailLedgerRequest {
    // One entry per account, "code name", in the order of the request; the
    // window opens on the first.
    QStringList accountEntries;
    int period = 0;
    bool includeUnposted = false;
    QString qualifier;          // the engine's sBookText
    bool voucherCommandEnabled = false;
    QString styleText;          // empty: the window's own choice
};

struct GeneralLedgerRequest {
    QString account;
    bool includeUnposted = false;
    QString styleText;
};

// Where the display methods open their windows: the windows of the
// component register one. Each call returns when the user has closed the
// window.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual void showDetailLedger(const DetailLedgerRequest &request) = 0;
    virtual void showGeneralLedger(const GeneralLedgerRequest &request) = 0;
};

} // namespace qxmxz
