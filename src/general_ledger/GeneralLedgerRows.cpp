// The per-period computation of the general ledger and its rows.
#include "basGrwl.h"

#include <QStringList>

#include "CurrencyMovements.h"
#include "PeriodSums.h"
#include "platform/outside/LedgerRequestChecks.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HintState.h"
#include "totals/AccSumRec.h"
#include "totals/AmountFormats.h"
#include "totals/CurrencyList.h"
#include "totals/NumberPattern.h"
#include "totals/OpeningBalances.h"

namespace qxmxz::basGrwl {

namespace {

// The direction word of a balance: the general ledger's own words, chosen by
// the direction setting of the options, decided by the sign of the amount,
// in the language of the session as the other ledgers show them.
QString directionWord(const GlPublic &pub, int directionStyle, Currency balance)
{
    if (directionStyle == 1)
        return balance.sign() > 0 ? QStringLiteral("Dr") : balance.sign() < 0 ? QStringLiteral("Cr") : QStringLiteral("-");
    return pub.directionText(balance.sign() > 0 ? QStringLiteral("借") : balance.sign() < 0 ? QStringLiteral("贷") : QStringLiteral("平"));
}

AccSumRec movementOf(const PeriodSums &sums)
{
    AccSumRec r;
    r.md = sums.debit;
    r.mc = sums.credit;
    r.md_f = sums.debitForeign;
    r.mc_f = sums.creditForeign;
    r.nd_s = sums.debitQuantity;
    r.nc_s = sums.creditQuantity;
    return r;
}

AccSumRec balanceOf(const PeriodSums &sums)
{
    AccSumRec r;
    r.me = sums.opening;
    r.me_f = sums.openingForeign;
    r.ne_s = sums.openingQuantity;
    return r;
}

void addMovement(const AccSumRec &from, AccSumRec &to)
{
    to.md += from.md;
    to.mc += from.mc;
    to.md_f += from.md_f;
    to.mc_f += from.mc_f;
    to.nd_s += from.nd_s;
    to.nc_s += from.nc_s;
}

void addBalance(const AccSumRec &from, AccSumRec &to)
{
    to.me += from.me;
    to.me_f += from.me_f;
    to.ne_s += from.ne_s;
}

// Movements from one record and the balance from another: a month row shows
// the month's debit and credit beside the balance after it.
AccSumRec rowRecord(const AccSumRec &movements, const AccSumRec &balance)
{
    AccSumRec r = movements;
    r.me = balance.me;
    r.me_f = balance.me_f;
    r.ne_s = balance.ne_s;
    return r;
}

class RowWriter {
public:
    RowWriter(GlPublic &pub, GridModel &grid) : m_pub(pub), m_grid(grid), m_style(pub.options().directionStyle) {}

    // One row: month, day, summary, the debit and credit groups of `record`
    // and its balance as a magnitude beside the direction word.
    void write(int period, const QString &summary, const AccSumRec &record)
    {
        const int sign = SignOf(record.me);
        const QString month = period > 0 ? formatNumber(period, QStringLiteral("00")) : QString();
        const QString day = period > 0 ? formatNumber(m_pub.calendar().end(period).day(), QStringLiteral("00")) : QString();
        const QStringList cells{month,
                                day,
                                QString(),
                                summary,
                                FormatQty(m_pub, record.nd_s),
                                FormatCy(record.md_f, true),
                                FormatAmt(record.md),
                                FormatQty(m_pub, record.nc_s),
                                FormatCy(record.mc_f, true),
                                FormatAmt(record.mc),
                                directionWord(m_pub, m_style, record.me),
                                FormatQty(m_pub, record.ne_s * sign),
                                FormatCy(record.me_f * sign, true),
                                FormatAmt(record.me * sign)};
        m_grid.AddItem(cells.join(QLatin1Char('\t')));
        ++m_rows;
    }
    int rows() const { return m_rows; }

private:
    GlPublic &m_pub;
    GridModel &m_grid;
    int m_style;
    int m_rows = 0;
};

// The per-currency figures of a parent account in a foreign-currency style:
// running balance and year-to-date record per currency.
struct CurrencyColumns {
    QStringList names;
    QVector<AccSumRec> balance;    // the balance so far
    QVector<AccSumRec> yearToDate; // movements from period 1 and the balance
    CurrencyMovementsByPeriod movements;
};

void writeCurrencyRows(RowWriter &writer, const CurrencyColumns &currencies, int period,
                       const QVector<AccSumRec> &rows)
{
    for (qsizetype i = 1; i < rows.size(); ++i)
        if (!IsZeroTotals(rows[i], false))
            writer.write(period, QStringLiteral("  ") + currencies.names.value(i - 1), rows[i]);
}

} // namespace

int FillRows(GlPublic &pub, GridModel &grid, const Request &request)
{
    if (request.kind != AccountKind)
        throw Failure(QStringLiteral("The general ledger computes accounts only (kind %1), not kind %2")
                          .arg(AccountKind)
                          .arg(request.kind));
    const AccountRecord account = pub.account(request.code);
    if (!account.exists)
        throw unknownAccount(request.code);
    const int first = request.firstPeriod;
    const int last = request.lastPeriod == 0 ? pub.calendar().periodCount() : request.lastPeriod;
    requirePeriodRange(pub.calendar(), first, last);

    const bool quantityStyle = request.styleIndex == 1 || request.styleIndex == 3;
    const bool foreignStyle = request.styleIndex == 2 || request.styleIndex == 3;
    if (request.unitLabel)
        request.unitLabel->setText(quantityStyle ? account.measureUnit : QString());
    if (request.currencyLabel)
        request.currencyLabel->setText(foreignStyle ? account.currencyName : QString());

    const PeriodSumsByPeriod posted =
        PeriodSumsQuery::read(pub.database(), PeriodSumsQuery::posted(account.code, account.isEnd, pub.year()));
    PeriodSumsByPeriod unposted;
    if (request.includeUnposted)
        unposted = PeriodSumsQuery::read(
            pub.database(), PeriodSumsQuery::unposted(account.code, account.isEnd, pub.year(), request.personCode));

    // The opening: the posted balance at the start of the first period, with
    // the unposted lines of the periods before it when they count. The year to
    // date starts with the movements of those periods.
    AccSumRec balance = posted.contains(first) ? balanceOf(posted[first]) : AccSumRec{};
    AccSumRec yearToDate;
    for (auto it = posted.cbegin(); it != posted.cend() && it.key() < first; ++it)
        addMovement(movementOf(it.value()), yearToDate);
    for (auto it = unposted.cbegin(); it != unposted.cend() && it.key() < first; ++it) {
        addMovement(movementOf(it.value()), yearToDate);
        addBalance(balanceOf(it.value()), balance);
    }

    CurrencyColumns currencies;
    const bool byCurrency = foreignStyle && !account.hasForeignCurrency() && !account.isEnd;
    if (byCurrency) {
        currencies.names = LoadCurrencyNames(pub);
        currencies.yearToDate = InitCurrencyTotals(pub);
        LoadOpeningBalances(pub, currencies.yearToDate, account.code, first, request.includeUnposted);
        currencies.balance = currencies.yearToDate;
        for (AccSumRec &r : currencies.balance)
            ClearMovement(r);
        currencies.movements =
            CurrencyMovements::read(pub, currencies.names, account.code, first, request.includeUnposted);
    }

    RowWriter writer(pub, grid);
    const QString openingSummary = pub.text(first == 1 ? QStringLiteral("R7.GL.QXMXZ.basgrwl.qcye")
                                                       : QStringLiteral("R7.GL.QXMXZ.basgrwl.00393"));
    writer.write(0, openingSummary, balance);
    if (byCurrency)
        writeCurrencyRows(writer, currencies, 0, currencies.balance);

    for (int period = first; period <= last; ++period) {
        if (!posted.contains(period) && !unposted.contains(period))
            continue;
        AccSumRec month;
        if (posted.contains(period))
            addMovement(movementOf(posted[period]), month);
        if (unposted.contains(period))
            addMovement(movementOf(unposted[period]), month);
        balance.me += month.md - month.mc;
        balance.me_f += month.md_f - month.mc_f;
        balance.ne_s += month.nd_s - month.nc_s;
        addMovement(month, yearToDate);

        writer.write(period, pub.monthTotalText(period), rowRecord(month, balance));
        QVector<AccSumRec> currencyMonth;
        if (byCurrency) {
            currencyMonth = currencies.movements.value(period, QVector<AccSumRec>(currencies.balance.size()));
            for (qsizetype i = 1; i < currencyMonth.size(); ++i) {
                PostTotals(pub, currencyMonth[i], currencies.balance[i]);
                addMovement(currencyMonth[i], currencies.yearToDate[i]);
                currencyMonth[i] = rowRecord(currencyMonth[i], currencies.balance[i]);
            }
            writeCurrencyRows(writer, currencies, period, currencyMonth);
        }

        writer.write(period, pub.yearToDateText(period), rowRecord(yearToDate, balance));
        if (byCurrency) {
            QVector<AccSumRec> currencyYear(currencies.balance.size());
            for (qsizetype i = 1; i < currencyYear.size(); ++i)
                currencyYear[i] = rowRecord(currencies.yearToDate[i], currencies.balance[i]);
            writeCurrencyRows(writer, currencies, period, currencyYear);
        }
    }
    return writer.rows();
}

} // namespace qxmxz::basGrwl
