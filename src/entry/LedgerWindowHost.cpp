#include "LedgerWindowHost.h"

#include <QTimer>

#include "GlPublicObject.h"
#include "platform/outside/GlPublic.h"
#include "LoginContext.h"
#include "platform/outside/ReportFacade.h"
#include "windows/ReportWindow.h"
#include "windows/mxz.h"
#include "windows/zzmain.h"

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

void LedgerWindowHost::showGeneralLedger(const GeneralLedgerRequest &request)
{
    GlPublic &pub = LoginContext::publicObject().pub();
    BookStyle style = BookStyle::Je;
    BookStyles::fromText(request.styleText, style);
    const QString entry = request.account.contains(u' ') ? request.account
                                                         : request.account + u' ' + pub.accountName(request.account);
    zzmain general(pub, QStringList{entry}, style, request.includeUnposted);
    general.selectAccount(0);
    general.exec();
}

void installReportWindow()
{
    ReportFacade::setReportWindow([](const ReportQuery &query) {
        auto *pub = qobject_cast<GlPublicObject *>(query.zzPub.data());
        if (!pub)
            return;
        auto *window = new ReportWindow(pub->pub(), query);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (query.modal)
            window->exec();
        else
            window->show();
    });
}

} // namespace qxmxz
