#include "LedgerWindowHost.h"

#include <QTimer>

#include "GlPublicObject.h"
#include "LoginContext.h"
#include "windows/mxz.h"

namespace qxmxz {

void LedgerWindowHost::showDetailLedger(const DetailLedgerRequest &request)
{
    GlPublic &pub = LoginContext::publicObject().pub();
    MxzRequest window;
    window.accountEntries = request.accountEntries;
    if (request.period > 0)
        window.firstPeriod = window.lastPeriod = request.period;
    window.includeUnposted = request.includeUnposted;
    window.voucherCommandEnabled = request.voucherCommandEnabled;
    BookStyle style = BookStyle::Je;
    if (BookStyles::fromText(request.styleText, style))
        window.style = style;
    mxz ledger(pub, window);
    QTimer::singleShot(0, &ledger, [&ledger] { ledger.selectAccount(0); });
    ledger.exec();
    // A closed window lets the login and the general-ledger object go: a
    // host that displays again sets ObjLogin again.
    LoginContext::release();
}

// The general-ledger and report windows are not part of this host yet: the
// request returns at once, as a closed window would.
void LedgerWindowHost::showGeneralLedger(const GeneralLedgerRequest &) {}

void LedgerWindowHost::queryReport(const ReportRequest &) {}

} // namespace qxmxz
