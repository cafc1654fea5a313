// The period subtotal of the merged ledger: the period total and the
// cumulative total, with their currencies where the book shows them.
#include "MergeRun.h"

#include "GridTransfer.h"
#include "platform/outside/GlPublic.h"
#include "totals/LedgerMeasures.h"
#include "totals/LedgerRows.h"

namespace qxmxz {

namespace {

// Summaries of the per-currency totals rows: two ideographic spaces, then the currency.
const QString CurrencyIndent = QStringLiteral("\u3000\u3000");

} // namespace

// The totals rows of a finished period: the period total, then the
// cumulative total, each followed by its currencies where the book shows them.
void MergeRun::periodSubtotal(int period)
{
    for (qsizetype i = 1; i < m_current.size(); ++i)
        if (m_current[i].bPosted)
            PostTotals(m_pub, m_current[i], m_cumulative[i]);
    // The account total is posted whole, so that a line in a currency the
    // currency table does not list still counts.
    PostTotals(m_pub, m_current[0], m_cumulative[0]);

    const int day = m_pub.calendar().end(period).day();
    const RowSaved saved = [this] { m_transfer->rowWritten(); };
    // Foreign amounts of several currencies and quantities of several units
    // have no total; their own rows follow where the book shows currencies.
    WriteTotalsRow(m_pub, period, day, saved, TotalsRowMode::Period, summableFigures(m_current[0], m_measures), *m_rows,
                   m_pub.periodTotalText(period), m_account);
    writeCurrencyTotals(period, m_current, false);
    WriteTotalsRow(m_pub, period, day, saved, TotalsRowMode::Cumulative, summableFigures(m_cumulative[0], m_measures), *m_rows,
                   m_pub.cumulativeText(period), m_account);
    writeCurrencyTotals(period, m_cumulative, true);
}

void MergeRun::writeCurrencyTotals(int period, const QVector<AccSumRec> &records, bool cumulative)
{
    if (!perCurrencyTotals())
        return;
    const int day = m_pub.calendar().end(period).day();
    for (qsizetype i = 1; i < records.size(); ++i) {
        if (!records[i].bPosted || IsZeroTotals(records[i], false))
            continue;
        WriteTotalsRow(m_pub, period, day, [this] { m_transfer->rowWritten(); },
                       cumulative ? TotalsRowMode::Cumulative : TotalsRowMode::Period,
                       summableFigures(records[i], {true, m_measures.oneUnit}), *m_rows,
                       CurrencyIndent + m_currencyNames.value(i - 1), m_account);
    }
}

} // namespace qxmxz
