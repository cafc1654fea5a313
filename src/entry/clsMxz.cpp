#include "clsMxz.h"

#include <memory>

#include "LoginContext.h"
#include "QueryRightCheck.h"
#include "presentation/LedgerAccess.h"
#include "WindowHost.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/OutsideObjects.h"
#include "presentation/AccountEntryText.h"
#include "services/AccountingYear.h"
#include "services/CheckRight.h"
#include "services/MessageTitles.h"
#include "services/NewReportOption.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

namespace {

constexpr int StopStyle = 16;
constexpr int InformationStyle = 64;

// Cuts KmStr before its first blank; the rest is the qualifier.
QString splitQualifier(QString &KmStr)
{
    const qsizetype blank = KmStr.indexOf(u' ');
    if (blank < 0)
        return {};
    const QString qualifier = KmStr.mid(blank + 1);
    KmStr.truncate(blank);
    return qualifier;
}

// "code|text/code|text" → "code/code".
QString normalisedAccountList(const QString &list)
{
    QStringList codes;
    for (const QString &entry : list.split(u'/'))
        codes << entry.section(u'|', 0, 0);
    return codes.join(u'/');
}

} // namespace

clsMxz::clsMxz(QObject *parent) : QObject(parent)
{
    LoginContext::resetGridColours();
    LoginContext::setSettingsKeyPath(LoginContext::publicObject().pub().settingsKeyPath());
}

clsMxz::~clsMxz() = default;

GlPublic &clsMxz::pub() const
{
    return MyZwPub()->pub();
}

LoginObject *clsMxz::ObjLogin() const
{
    return LoginContext::login();
}

void clsMxz::setObjLogin(LoginObject *login)
{
    LoginContext::setLogin(login);
    MyZwPub()->setProperty("oLogin", QVariant::fromValue(login));
}

GlPublicObject *clsMxz::MyZwPub() const
{
    return &LoginContext::publicObject();
}

void clsMxz::setMyZwPub(GlPublicObject *pub)
{
    LoginContext::setPublicObject(pub);
}

qint16 clsMxz::iYear() const
{
    const LoginObject *login = LoginContext::login();
    return AccountingYear(login ? login->login().get() : nullptr);
}

void clsMxz::setIYear(qint16 year)
{
    setAccountingYear(year);
}

void clsMxz::refreshWidthsPassingOver()
{
    try {
        LoginContext::refreshColumnWidths();
    } catch (const Failure &) {
        // A display goes on with the widths it had.
    }
}

bool clsMxz::refuseFailure(const Failure &failure)
{
    GlPublic &p = LoginContext::publicObject().pub();
    const QString text = failure.key().isEmpty() ? failure.describe() : p.text(failure.key(), failure.arguments());
    ShowMsg(p, text, StopStyle, GetResString(p, titleKey(Module::clsMxz)));
    return false;
}

bool clsMxz::noWindowHost()
{
    raiseMessage(pub(), Module::clsMxz, QStringLiteral("QXMXZ.entry.nowindowhost"), {}, StopStyle);
    return false;
}

// The window shows the accounts and every account under them: the user must
// read them all, as the command line asks.
bool clsMxz::mayShowAccounts(const QStringList &codes)
{
    GlPublic &p = pub();
    for (const QString &code : codes) {
        QString message;
        if (!mayReadAccountTree(p, CodeOfEntry(code), message) || !mayReadLineDepartments(p, CodeOfEntry(code), {}, message)) {
            ShowMsg(p, message, InformationStyle, GetResString(p, titleKey(Module::clsMxz)));
            return false;
        }
    }
    return true;
}

// The report facade is an outside component: it is created by its program
// identifier and talked to by name only, as any host would.
bool clsMxz::runReport(const QString &KmStr, int period, bool bIbook)
{
    const QString programId = QStringLiteral("GLNewReportFacade.clsNewReport");
    std::unique_ptr<QObject> facade(createOutsideObject(programId));
    if (!facade)
        throw Failure(QStringLiteral("The report facade %1 is not installed").arg(programId));
    facade->setProperty("Business", QVariant::fromValue<QObject *>(m_business.data()));
    facade->setProperty("ZzPub", QVariant::fromValue<QObject *>(MyZwPub()));
    facade->setProperty("Login", QVariant::fromValue<QObject *>(ObjLogin()));
    QObject *filter = nullptr;
    QMetaObject::invokeMethod(facade.get(), "InitProject", Q_RETURN_ARG(QObject *, filter),
                              Q_ARG(QString, QStringLiteral("gl_mxz")));
    if (!filter)
        throw Failure(QStringLiteral("The report facade gave no filter for gl_mxz"));
    const QString accountText = QString(KmStr).replace(u'/', u';');
    const QString code = accountText.trimmed().section(u' ', 0, 0);
    QObject *values = filter->property("Filter").value<QObject *>();
    if (values) {
        QMetaObject::invokeMethod(values, "SetValue", Q_ARG(QString, QStringLiteral("month")),
                                  Q_ARG(QVariant, pub().periodText(period)));
        QMetaObject::invokeMethod(values, "SetValue", Q_ARG(QString, QStringLiteral("code")), Q_ARG(QVariant, code));
        QMetaObject::invokeMethod(values, "SetValue", Q_ARG(QString, QStringLiteral("isinclude")),
                                  Q_ARG(QVariant, bIbook ? 1 : 0));
    }
    const QString info = filter->property("FilterInfo").toString();
    QMetaObject::invokeMethod(facade.get(), "QueryReportEx", Q_ARG(QObject *, filter), Q_ARG(int, 0),
                              Q_ARG(QString, info), Q_ARG(bool, m_isModal));
    return true;
}

// Steps 2 to 10 of a detail-ledger display, after the qualifier is split off.
bool clsMxz::displayDetail(QString &KmStr, int period, bool bIbook, bool fromList)
{
    GlPublic &p = pub();
    const QString qualifier = splitQualifier(KmStr);
    const QStringList codes = fromList ? KmStr.split(u'/') : QStringList{KmStr};
    const bool isList = codes.size() > 1;

    if (IsUseNewReport(p)) {
        if (!CheckQueryRight(p, isList, KmStr, codes))
            return false;
        if (fromList)
            m_isModal = true;
        return runReport(KmStr, period, bIbook);
    }

    refreshWidthsPassingOver();
    QString right = QStringLiteral("GL0305");
    if (!CheckRight(p, right, true))
        return false;
    if (!CheckQueryRight(p, isList, KmStr, codes)) {
        QString again = QStringLiteral("GL0305");
        CheckRight(p, again, false);
        return false;
    }

    if (!mayShowAccounts(codes))
        return false;

    WindowHost *host = LoginContext::windowHost();
    if (!host)
        return noWindowHost();
    DetailLedgerRequest request;
    request.period = period;
    request.includeUnposted = bIbook;
    request.qualifier = qualifier;
    request.voucherCommandEnabled = LoginContext::voucherDrillDown();
    for (const QString &code : codes)
        request.accountEntries << code + u' ' + p.accountName(code);
    if (fromList)
        request.styleText = GetResString(p, QStringLiteral("R7.GL.QXMXZ.clsmxz.cashstyle"));
    else
        KmStr = request.accountEntries.front();
    host->showDetailLedger(request);
    return true;
}

bool clsMxz::mxzDisplay(QString &KmStr, quint8 &iPeriod, bool &bIbook)
{
    try {
        return displayDetail(KmStr, iPeriod, bIbook, false);
    } catch (const Failure &failure) {
        return refuseFailure(failure);
    }
}

bool clsMxz::mxzDisplay1(QString &KmStr, QString &cPeriod, bool &bIbook)
{
    try {
        LoginContext::setVoucherDrillDown(true);
        GlPublic &p = pub();
        const qint16 year = iYear();
        if (year != 0 && p.year() != year)
            p.reinitialise(year);

        int period = 0;
        if (cPeriod.size() < 3) {
            period = cPeriod.trimmed().toInt();
        } else if (const std::optional<QDate> date = p.dateOfText(cPeriod)) {
            period = p.periodOfDate(*date);
        } else {
            period = p.periodOfText(cPeriod);
        }

        refreshWidthsPassingOver();
        KmStr = normalisedAccountList(KmStr);
        for (const QString &code : KmStr.split(u'/'))
            if (p.accountName(code).isEmpty()) {
                raiseMessage(p, Module::clsMxz, QStringLiteral("R7.GL.QXMXZ.clsmxz.kminputwrong"), {},
                             InformationStyle);
                return false;
            }
        return displayDetail(KmStr, period, bIbook, true);
    } catch (const Failure &failure) {
        return refuseFailure(failure);
    }
}

bool clsMxz::ZzDisplay(QString &KmStr, bool &bIbook)
{
    try {
        refreshWidthsPassingOver();
        GlPublic &p = pub();
        const std::shared_ptr<Login> login = p.login();
        if (!login)
            throw Failure(QStringLiteral("The general ledger was asked for before ObjLogin was set"));
        bool held = false;
        login->checkRight(QStringLiteral("GL030101"), false, 0, held);
        // Error 22 lets the operation go on, as with every function right.
        held = held || login->errorNumber() == Login::RightsNotKept;
        login->clearError();
        if (!held) {
            raiseMessage(p, Module::clsMxz, QStringLiteral("R7.GL.QXMXZ.clsmxz.00247"), {}, StopStyle);
            return false;
        }
        if (!mayShowAccounts({CodeOfEntry(KmStr)}))
            return false;
        WindowHost *host = LoginContext::windowHost();
        if (!host)
            return noWindowHost();
        GeneralLedgerRequest request;
        request.account = KmStr;
        request.includeUnposted = bIbook;
        request.styleText = GetResString(p, QStringLiteral("R7.GL.QXMXZ.clsmxz.cashstyle"));
        host->showGeneralLedger(request);
        return true;
    } catch (const Failure &failure) {
        return refuseFailure(failure);
    }
}

} // namespace qxmxz
