#include "CounterpartWalk.h"

#include "platform/outside/FiscalCalendar.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

#include <algorithm>

namespace qxmxz {

namespace {

// Walking back over days restarts the statement; a ledger that keeps doing
// so is not read in the walk's order and is better served voucher by voucher.
constexpr int MostRestartsBack = 8;

} // namespace

CounterpartWalk::CounterpartWalk(Connection &database, int year, QString accountPattern, bool includeUnposted,
                                 int firstPeriod)
    : m_database(database), m_year(year), m_pattern(std::move(accountPattern)), m_includeUnposted(includeUnposted),
      m_firstPeriod(firstPeriod),
      m_streams(!database.throughOdbc()), // ODBC would hold the whole walk in memory
      m_chosenOnServer(database.backend() == Backend::Postgres)
{
}

CounterpartWalk::~CounterpartWalk() = default;

QList<CounterpartLine> CounterpartWalk::linesFor(const QString &code, int period, const QDate &date,
                                                 const QString &voucherType, int voucherNumber)
{
    if (m_streams) {
        const Day day{period, date};
        if (!m_rows || (!m_code.isEmpty() && code != m_code)) {
            if (m_rows)
                m_left << m_code;
            m_code = m_left.contains(code) ? QString() : code;
            restart();
        } else if (m_dayRead && day < m_day) {
            if (++m_restartsBack > MostRestartsBack) {
                m_streams = false;
                m_rows.reset();
                m_vouchers.clear();
            } else {
                restart();
            }
        }
        if (m_streams) {
            while ((!m_dayRead || m_day < day) && !m_rows->eof())
                readDay();
            if (m_dayRead && !(m_day < day) && !(day < m_day)) {
                const auto found = m_vouchers.constFind({code, voucherType, voucherNumber});
                if (found != m_vouchers.cend())
                    return *found;
            }
        }
    }
    return CounterpartLines(m_database, m_year, code, period, voucherType, voucherNumber, m_includeUnposted, m_firstPeriod);
}

void CounterpartWalk::restart()
{
    m_rows.reset();
    m_vouchers.clear();
    m_dayRead = false;
    const QString year = QString::number(m_year);
    // Plain literals: PostgreSQL compares a national one as a padded
    // character value, which the index on the code cannot serve. Which
    // vouchers the walk holds does not change an answer, only how many lines
    // find theirs.
    const QString accounts = m_code.isEmpty() ? QStringLiteral(" and a.ccode like '") + sqlQuoted(m_pattern) + u'\''
                                              : QStringLiteral(" and a.ccode ='") + sqlQuoted(m_code) + u'\'';
    const QString ofVoucher = QStringLiteral("v.iyear=") + year
                              + QStringLiteral(" and v.iperiod=a.iperiod and v.csign=a.csign and v.ino_id=a.ino_id")
                              + CounterpartConditions(QStringLiteral("v."), m_includeUnposted, m_firstPeriod);
    // The lines of the accounts, each joined to the lines of its voucher, in
    // the ledger's order: one code's come straight from the index on the
    // code, with no sort before the first row. A voucher holding several lines
    // of a code comes once for each; it has no counterparts either way. A
    // voucher's lines come in the order of the index on the voucher, which the
    // walk puts in line order.
    QString voucherLines;
    if (m_chosenOnServer) {
        // PostgreSQL would hash the lines of the whole year to join them; as a
        // lateral subquery each voucher's lines come from the index on the
        // voucher, and the server keeps only the counterparts, so that far
        // fewer rows cross to the walk. The rule of CounterpartsAmong is one
        // count: the line itself is both of its code and on its side, so it is
        // the voucher's only line of the code and the only one on its side
        // when no other line is either. A line with no counterparts still
        // brings its voucher, as one row without a line.
        voucherLines =
            QStringLiteral(" left join lateral (select ccode,inid,md,mc from (select ccode,inid,md,mc,"
                           "sum(case when ccode=a.ccode or case when a.md<>0 then md<>0 else mc<>0 end"
                           " then 1 else 0 end) over () as own_side"
                           " from gl_accvouch v where ")
            + ofVoucher
            + QStringLiteral(") w where own_side=1 and case when a.md<>0 then mc<>0"
                             " when a.mc<>0 then md<>0 else false end) v on true");
    } else {
        voucherLines = QStringLiteral(" join gl_accvouch v on ") + ofVoucher;
    }
    const QString sql =
        QStringLiteral("select a.iperiod as walk_period,a.dbill_date as walk_date,a.ccode as walk_code,"
                       "a.csign as walk_sign,a.ino_id as walk_number,")
        + (m_chosenOnServer ? QStringLiteral("v.ccode,v.inid,v.md,v.mc")
                            : VoucherSideColumns(QStringLiteral("v."), QStringLiteral("a.ccode")))
        + QStringLiteral(" from gl_accvouch a") + voucherLines + QStringLiteral(" where a.iyear=") + year
        + accounts + CounterpartConditions(QStringLiteral("a."), m_includeUnposted, m_firstPeriod)
        + QStringLiteral(" order by a.iperiod,a.dbill_date,a.isignseq,a.ino_id,a.inid");
    m_rows = std::make_unique<RecordSet>(m_database.streamInIndexOrder(sql));
    const QList<int> at = m_rows->fieldPositions(
        {QStringLiteral("walk_period"), QStringLiteral("walk_date"), QStringLiteral("walk_code"),
         QStringLiteral("walk_sign"), QStringLiteral("walk_number"), QStringLiteral("ccode"), QStringLiteral("inid"),
         QStringLiteral("md"), QStringLiteral("mc")});
    m_at = {.period = at[0], .date = at[1], .code = at[2], .sign = at[3], .number = at[4],
            .lineCode = at[5], .lineNumber = at[6], .md = at[7], .mc = at[8]};
    if (!m_chosenOnServer)
        m_sideReader.emplace(*m_rows);
}

CounterpartWalk::Day CounterpartWalk::dayOfCurrentRow() const
{
    return {m_rows->field(m_at.period).toInt(), toDate(m_rows->field(m_at.date))};
}

void CounterpartWalk::readDay()
{
    m_vouchers.clear();
    m_day = dayOfCurrentRow();
    m_dayRead = true;
    // A voucher's lines come one after the other: its key and its day are
    // looked at once, on its first line.
    int lastPeriod = 0;
    VoucherKey last;
    QList<CounterpartLine> *lines = nullptr;
    QList<VoucherSideLine> voucher; // the lines of `last`, when the walk applies the rule itself
    auto endVoucher = [&] {
        if (lines && !m_chosenOnServer) {
            *lines = CounterpartsAmong(voucher);
            voucher.clear();
        }
    };
    for (; !m_rows->eof(); m_rows->moveNext()) {
        const int period = m_rows->field(m_at.period).toInt();
        VoucherKey key{m_code.isEmpty() ? m_rows->field(m_at.code).toString() : m_code,
                       m_rows->field(m_at.sign).toString(), m_rows->field(m_at.number).toInt()};
        if (!lines || period != lastPeriod || !(key == last)) {
            const Day day = dayOfCurrentRow();
            if (day < m_day || m_day < day)
                break;
            endVoucher();
            lastPeriod = period;
            last = std::move(key);
            lines = &m_vouchers[last];
        }
        if (!m_chosenOnServer)
            voucher << m_sideReader->read(*m_rows);
        else if (!m_rows->field(m_at.lineCode).isNull())
            *lines << CounterpartLine{.code = m_rows->field(m_at.lineCode).toString(),
                                      .lineNumber = m_rows->field(m_at.lineNumber).toInt(),
                                      .md = m_rows->money(m_at.md),
                                      .mc = m_rows->money(m_at.mc)};
    }
    endVoucher();
    for (QList<CounterpartLine> &lines : m_vouchers) {
        auto byLineNumber = [](const CounterpartLine &l, const CounterpartLine &r) {
            return l.lineNumber < r.lineNumber;
        };
        if (!std::is_sorted(lines.cbegin(), lines.cend(), byLineNumber))
            std::stable_sort(lines.begin(), lines.end(), byLineNumber);
    }
}

} // namespace qxmxz
