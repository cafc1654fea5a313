#include "GlPublic.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include "Login.h"
#include "ResourceTexts.h"
#include "UserSettings.h"
#include "platform/Failure.h"
#include "platform/sql/Connection.h"
#include "platform/sql/LocalDatabase.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

namespace {

const char *const BookStyles[] = {"金额式", "数量金额式", "外币金额式", "数量外币式"};
const char *const BookStyleKeys[] = {"R7.GL.VSZZPUB.JeType", "R7.GL.VSZZPUB.SlJeType", "R7.GL.VSZZPUB.WbJeType",
                                     "R7.GL.VSZZPUB.SlWbType"};

} // namespace

GlPublic::GlPublic()
{
    m_sessionTag = QString::number(QRandomGenerator::global()->generate() & 0xffffff, 16).rightJustified(6, u'0');
}

GlPublic::~GlPublic()
{
    // Server-side working tables do not outlive the session that made them.
    if (m_login)
        for (const QString &table : std::as_const(m_serverTables))
            m_login->connection().executeIgnoringErrors(QStringLiteral("Drop Table ") + table);
}

void GlPublic::requireLogin() const
{
    if (!m_login)
        throw Failure(QStringLiteral("The general-ledger object has no login"));
}

void GlPublic::setLogin(std::shared_ptr<Login> login)
{
    m_login = std::move(login);
    if (!m_login)
        return;
    m_options = GlOptions::load(m_login->connection());
    loadYear(m_login->yearNumber());
}

void GlPublic::loadYear(int year)
{
    Connection &db = m_login->connection();
    FiscalCalendar calendar = FiscalCalendar::load(db, year);
    m_chart = ChartOfAccounts::load(db, year);
    m_calendar = std::move(calendar);
}

void GlPublic::reinitialise(int year)
{
    requireLogin();
    loadYear(year);
}

// ---------------------------------------------------------------- texts

QString GlPublic::language() const
{
    return m_login ? m_login->language() : QString();
}

const ResourceTexts &GlPublic::texts() const
{
    // Looked up once per language: the ledgers ask for texts on every row.
    const QString current = language();
    if (!m_texts || current != m_textsLanguage) {
        m_texts = &ResourceTexts::forLanguage(current);
        m_textsLanguage = current;
        m_directionWords.clear();
    }
    return *m_texts;
}

QString GlPublic::text(const QString &key, const QStringList &arguments) const
{
    return texts().text(key, arguments);
}

int GlPublic::showMessage(const QString &prompt, int buttons, const QString &title, const QString &helpFile,
                          int helpContext)
{
    const MessageBoxRequest request{prompt, buttons, title, helpFile, helpContext};
    m_recorder.show(request);
    return m_sink ? m_sink->show(request) : 1;
}

QString GlPublic::directionText(const QString &word) const
{
    const ResourceTexts &t = texts();
    if (m_directionWords.isEmpty())
        m_directionWords = {t.text(QStringLiteral("R7.GL.VSZZPUB.Dir.Debit")),
                            t.text(QStringLiteral("R7.GL.VSZZPUB.Dir.Credit")),
                            t.text(QStringLiteral("R7.GL.VSZZPUB.Dir.Balanced"))};
    if (word == u"借")
        return m_directionWords[0];
    if (word == u"贷")
        return m_directionWords[1];
    if (word == u"平")
        return m_directionWords[2];
    return word;
}

QString GlPublic::rightDisplayName(const QString &rightId) const
{
    const QString key = QStringLiteral("R7.GL.VSZZPUB.Right.") + rightId;
    if (texts().contains(key))
        return text(key);
    return text(QStringLiteral("R7.GL.VSZZPUB.Right.Unknown"), {rightId});
}

QString GlPublic::monthTotalText(int) const
{
    return text(QStringLiteral("R7.GL.VSZZPUB.MonthTotal"));
}

QString GlPublic::yearToDateText(int) const
{
    return text(QStringLiteral("R7.GL.VSZZPUB.YearToDate"));
}

QString GlPublic::periodTotalText(int period) const
{
    return text(QStringLiteral("R7.GL.VSZZPUB.PeriodTotal"), {periodText(period)});
}

QString GlPublic::cumulativeText(int) const
{
    return text(QStringLiteral("R7.GL.VSZZPUB.Cumulative"));
}

// ---------------------------------------------------------------- databases

const GlOptions &GlPublic::options() const
{
    return m_options;
}

Connection &GlPublic::database() const
{
    requireLogin();
    return m_login->connection();
}

LocalDatabase &GlPublic::localDatabase()
{
    if (!m_local)
        m_local = std::make_unique<LocalDatabase>();
    return *m_local;
}

QString GlPublic::workingTableName(const QString &baseName)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    if (!identifier.match(baseName).hasMatch())
        throw Failure(QStringLiteral("A working table cannot be called %1").arg(baseName));
    if (baseName.compare(QLatin1String("mxzmonth"), Qt::CaseInsensitive) == 0) {
        // The server table of the month-by-month ledger keeps one name per
        // session: each run replaces the previous one's, the session drops it.
        const QString name = baseName + QLatin1Char('_') + m_sessionTag;
        if (!m_serverTables.contains(name))
            m_serverTables << name;
        return name;
    }
    return QStringLiteral("%1_%2_%3").arg(baseName, m_sessionTag).arg(++m_tableCounter);
}

QString GlPublic::settingsKeyPath() const
{
    return m_options.settingsKey;
}

// ---------------------------------------------------------------- accounts

const ChartOfAccounts &GlPublic::chart() const
{
    return m_chart;
}

QString GlPublic::accountName(const QString &code) const
{
    const AccountRecord *a = m_chart.find(code);
    if (!a)
        return {};
    if (language().startsWith(QLatin1String("en"), Qt::CaseInsensitive) && !a->englishName.isEmpty())
        return a->englishName;
    return a->name;
}

AccountRecord GlPublic::account(const QString &code) const
{
    const AccountRecord *a = m_chart.find(code);
    return a ? *a : AccountRecord{};
}

CurrencyRecord GlPublic::currency(const QString &name) const
{
    return m_chart.currency(name);
}

int GlPublic::gradeCount() const
{
    return m_chart.gradeCount();
}

int GlPublic::codeLength(int grade) const
{
    return m_chart.codeLength(grade);
}

int GlPublic::gradeOf(const QString &code) const
{
    return m_chart.gradeOf(code);
}

QStringList GlPublic::ancestorCodes(const QString &code) const
{
    return m_chart.ancestorCodes(code);
}

QString GlPublic::codeOfEntry(const QString &entry) const
{
    const QString trimmed = entry.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QString firstWord = trimmed.section(u' ', 0, 0);
    if (m_chart.find(firstWord))
        return firstWord;
    for (const AccountRecord &a : m_chart.accounts())
        if (a.name == trimmed || (!a.englishName.isEmpty() && a.englishName.compare(trimmed, Qt::CaseInsensitive) == 0))
            return a.code;
    return {};
}

SignedBalance GlPublic::openingBalance(const QString &code, int period, bool includeUnposted) const
{
    SignedBalance balance;
    RecordSet rs = database()
                       .procedure(QStringLiteral("GL_CodeExchBegin"))
                       .set(QStringLiteral("KmCode"), likePrefixParameter(code) + QLatin1Char('%'))
                       .set(QStringLiteral("iPeriod"), period)
                       .set(QStringLiteral("bVouch"), includeUnposted ? 1 : 0)
                       .set(QStringLiteral("iyear"), year())
                       .execute();
    for (; !rs.eof(); rs.moveNext()) {
        balance.amount += rs.money(QStringLiteral("Me"));
        balance.foreign += rs.money(QStringLiteral("me_f"));
        balance.quantity += rs.field(QStringLiteral("ne_s")).toDouble();
    }
    return balance;
}

int GlPublic::lastPeriodWithPostings(const QString &code) const
{
    return lastPeriodWithPostings(database(), year(), code);
}

int GlPublic::lastPeriodWithPostings(Connection &database, int year, const QString &code)
{
    RecordSet rs = database.query(QStringLiteral("select max(iperiod) as last from GL_accvouch where iyear=")
                                    + QString::number(year) + QStringLiteral(" and ccode like N'")
                                    + sqlLikePrefix(code) + QStringLiteral("%' and ibook=1 and (iflag is null or iflag=2)"));
    return rs.eof() ? 0 : rs.field(QStringLiteral("last")).toInt();
}

// ---------------------------------------------------------------- calendar

int GlPublic::year() const
{
    return m_calendar.year();
}

const FiscalCalendar &GlPublic::calendar() const
{
    return m_calendar;
}

QStringList GlPublic::periodTexts() const
{
    QStringList list;
    for (const auto &p : m_calendar.periods())
        list << periodText(p.number);
    return list;
}

QString GlPublic::periodText(int period) const
{
    return text(QStringLiteral("R7.GL.VSZZPUB.PeriodText"),
                {QString::number(year()), QStringLiteral("%1").arg(period, 2, 10, QLatin1Char('0'))});
}

int GlPublic::periodOfText(const QString &text) const
{
    const QString t = text.trimmed();
    for (const auto &p : m_calendar.periods())
        if (periodText(p.number) == t || monthText(p.number) == t)
            return p.number;
    bool ok = false;
    const int number = t.toInt(&ok);
    return ok && m_calendar.isPeriod(number) ? number : 0;
}

int GlPublic::periodOfDate(const QDate &date) const
{
    return m_calendar.periodOfDate(date);
}

QString GlPublic::monthText(int period) const
{
    return text(QStringLiteral("R7.GL.VSZZPUB.MonthText"), {QString::number(period)});
}

std::optional<QDate> GlPublic::dateOfText(const QString &input) const
{
    const QString t = input.trimmed();
    static const QRegularExpression separated(QStringLiteral(R"(^(\d{4})[-./](\d{1,2})[-./](\d{1,2})$)"));
    static const QRegularExpression compact(QStringLiteral(R"(^(\d{4})(\d{2})(\d{2})$)"));
    QRegularExpressionMatch m = separated.match(t);
    if (!m.hasMatch())
        m = compact.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

// ---------------------------------------------------------------- book styles

QString GlPublic::bookStyleName(int index)
{
    return index >= 0 && index < 4 ? QString::fromUtf8(BookStyles[index]) : QString();
}

int GlPublic::bookStyleIndex(const QString &name)
{
    const QString t = name.trimmed();
    for (int i = 0; i < 4; ++i)
        if (t == QString::fromUtf8(BookStyles[i]))
            return i;
    return -1;
}

QString GlPublic::bookStyleDisplayName(int index) const
{
    return index >= 0 && index < 4 ? text(QString::fromLatin1(BookStyleKeys[index])) : QString();
}

// ---------------------------------------------------------------- column widths

std::optional<QList<int>> GlPublic::savedColumnWidths(const QString &layoutCode, int styleIndex) const
{
    const QVariant value = UserSettings::read(QStringLiteral("ColumnWidths"),
                                              QStringLiteral("%1_%2").arg(layoutCode).arg(styleIndex));
    if (!value.isValid())
        return std::nullopt;
    QList<int> widths;
    for (const QString &w : value.toString().split(u',', Qt::SkipEmptyParts))
        widths << w.toInt();
    if (widths.isEmpty())
        return std::nullopt;
    return widths;
}

void GlPublic::saveColumnWidths(const QString &layoutCode, int styleIndex, const QList<int> &widths, const QString &)
{
    QStringList parts;
    for (int w : widths)
        parts << QString::number(w);
    UserSettings::write(QStringLiteral("ColumnWidths"), QStringLiteral("%1_%2").arg(layoutCode).arg(styleIndex),
                        parts.join(u','));
}

} // namespace qxmxz
