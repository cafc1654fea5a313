#include "LedgerRowFilter.h"

#include "ShownAmount.h"
#include "platform/outside/GlPublic.h"
#include "platform/ui/GridModel.h"
#include "totals/AmountFormats.h"

namespace qxmxz {

namespace {

// A total shows its zero: the rows left sum to nothing, not to a blank.
QString totalText(Currency value)
{
    return value.isZero() ? QStringLiteral("0.00") : FormatAmt(value);
}

bool equalsWhenGiven(const QString &wanted, const QString &cell)
{
    return wanted.isEmpty() || cell.trimmed() == wanted;
}

} // namespace

LedgerRowFilter::LedgerRowFilter(const GlPublic &pub, GridModel &grid) : m_pub(pub), m_grid(grid)
{
}

std::optional<QDate> LedgerRowFilter::rowDate(int row) const
{
    bool ok = false;
    const int period = m_grid.TextMatrix(row, Year).toInt(&ok);
    const int month = m_grid.TextMatrix(row, Month).toInt();
    const int day = m_grid.TextMatrix(row, Day).toInt();
    if (!ok || !m_pub.calendar().isPeriod(period))
        return std::nullopt;
    // The cells hold the fiscal period, not the calendar year: the date is
    // the one of that month and day that lies in the period.
    const QDate begin = m_pub.calendar().begin(period);
    const QDate end = m_pub.calendar().end(period);
    for (const int year : {begin.year(), end.year()}) {
        const QDate date(year, month, day);
        if (date.isValid() && date >= begin && date <= end)
            return date;
    }
    return std::nullopt;
}

bool LedgerRowFilter::passes(int row, const LedgerFindCriteria &c) const
{
    auto cell = [this, row](int column) { return m_grid.TextMatrix(row, column); };
    if (cell(Year).trimmed().isEmpty())
        return false;
    if (!c.counterpart.isEmpty() && !cell(Counterpart).contains(c.counterpart))
        return false;
    if (!c.sourceSystem.isEmpty()) {
        const QString system = cell(SourceSystem).trimmed();
        if (c.sourceSystem == u"GL" ? !system.isEmpty() : system != c.sourceSystem)
            return false;
    }
    if (!c.summary.isEmpty() && !cell(Summary).contains(c.summary))
        return false;
    if (!equalsWhenGiven(c.person, cell(Person)) || !equalsWhenGiven(c.customer, cell(Customer))
        || !equalsWhenGiven(c.supplier, cell(Supplier)) || !equalsWhenGiven(c.department, cell(Department))
        || !equalsWhenGiven(c.item, cell(Item)))
        return false;
    const QString voucher = cell(Voucher);
    if (c.voucherFrom || c.voucherTo) {
        bool ok = false;
        const int number = voucher.section(u'-', 1).trimmed().toInt(&ok);
        if (!ok || (c.voucherFrom && number < *c.voucherFrom) || (c.voucherTo && number > *c.voucherTo))
            return false;
    }
    if (c.dateFrom || c.dateTo) {
        const std::optional<QDate> date = rowDate(row);
        if (!date || (c.dateFrom && *date < *c.dateFrom) || (c.dateTo && *date > *c.dateTo))
            return false;
    }
    if (!c.voucherType.isEmpty() && voucher.section(u'-', 0, 0).trimmed() != c.voucherType)
        return false;
    if (!equalsWhenGiven(c.settlementMethod, cell(SettlementMethod))
        || !equalsWhenGiven(c.settlementNumber, cell(SettlementNumber)) || !equalsWhenGiven(c.maker, cell(Maker))
        || !equalsWhenGiven(c.checker, cell(Checker)))
        return false;
    if (c.amountFrom || c.amountTo) {
        const Currency debit = shownAmount(cell(DebitAmount)).value_or(Currency());
        const Currency amount = debit != Currency() ? debit : shownAmount(cell(CreditAmount)).value_or(Currency());
        if ((c.amountFrom && amount < *c.amountFrom) || (c.amountTo && amount > *c.amountTo))
            return false;
    }
    for (int i = 0; i < 16; ++i)
        if (!equalsWhenGiven(c.userDefined[size_t(i)], cell(FirstUserDefined + i)))
            return false;
    return true;
}

int LedgerRowFilter::apply(const LedgerFindCriteria &criteria)
{
    undo();
    const int first = m_grid.FixedRows();
    const int rows = m_grid.Rows();
    m_heights.clear();
    int visible = 0;
    m_grid.setRedraw(false);
    for (int row = first; row < rows; ++row) {
        m_heights << m_grid.RowHeight(row);
        if (passes(row, criteria))
            ++visible;
        else
            m_grid.setRowHeight(row, 0);
    }
    m_filtered = true;
    m_totalRow = rows;
    writeTotals();
    m_grid.setRedraw(true);
    return visible;
}

void LedgerRowFilter::writeTotals()
{
    Currency debit, credit, debitForeign, creditForeign;
    double debitQuantity = 0, creditQuantity = 0;
    QString unit, currency;
    bool oneUnit = true, oneCurrency = true, anyRow = false;
    for (int row = m_grid.FixedRows(); row < m_totalRow; ++row) {
        if (m_grid.RowHeight(row) == 0)
            continue;
        // Looked up, not copied: a filter may total a hundred thousand rows.
        const AccountRecord *account = m_pub.chart().find(m_grid.TextMatrix(row, Account).trimmed());
        const QString rowUnit = account ? account->measureUnit : QString();
        const QString rowCurrency = account ? account->currencyName : QString();
        if (!anyRow) {
            unit = rowUnit;
            currency = rowCurrency;
            anyRow = true;
        }
        oneUnit = oneUnit && rowUnit == unit;
        oneCurrency = oneCurrency && rowCurrency == currency;
        debit += shownAmount(m_grid.TextMatrix(row, DebitAmount)).value_or(Currency());
        credit += shownAmount(m_grid.TextMatrix(row, CreditAmount)).value_or(Currency());
        debitForeign += shownAmount(m_grid.TextMatrix(row, DebitForeign)).value_or(Currency());
        creditForeign += shownAmount(m_grid.TextMatrix(row, CreditForeign)).value_or(Currency());
        debitQuantity += m_grid.TextMatrix(row, DebitQuantity).remove(u',').toDouble();
        creditQuantity += m_grid.TextMatrix(row, CreditQuantity).remove(u',').toDouble();
    }
    m_grid.setRows(m_totalRow + 1);
    // The total row is aligned as the ledger's rows are.
    if (m_totalRow > m_grid.FixedRows())
        for (int column = 0; column < m_grid.Cols(); ++column)
            m_grid.setCellAlignment(m_totalRow, column, m_grid.CellAlignment(m_grid.FixedRows(), column));
    m_grid.setTextMatrix(m_totalRow, Summary, m_pub.text(QStringLiteral("R7.GL.QXMXZ.mxfind.sum")));
    m_grid.setTextMatrix(m_totalRow, DebitAmount, totalText(debit));
    m_grid.setTextMatrix(m_totalRow, CreditAmount, totalText(credit));
    if (oneCurrency && !currency.isEmpty()) {
        m_grid.setTextMatrix(m_totalRow, DebitForeign, FormatAmt(debitForeign));
        m_grid.setTextMatrix(m_totalRow, CreditForeign, FormatAmt(creditForeign));
    }
    if (oneUnit && !unit.isEmpty()) {
        m_grid.setTextMatrix(m_totalRow, DebitQuantity, FormatQty(m_pub, debitQuantity));
        m_grid.setTextMatrix(m_totalRow, CreditQuantity, FormatQty(m_pub, creditQuantity));
    }
}

void LedgerRowFilter::undo()
{
    if (!m_filtered)
        return;
    m_grid.setRedraw(false);
    if (m_grid.Rows() > m_totalRow)
        m_grid.setRows(m_totalRow);
    const int first = m_grid.FixedRows();
    for (int i = 0; i < m_heights.size() && first + i < m_grid.Rows(); ++i)
        if (m_grid.RowHeight(first + i) != m_heights[i])
            m_grid.setRowHeight(first + i, m_heights[i]);
    m_grid.setRedraw(true);
    forget();
}

void LedgerRowFilter::forget()
{
    m_filtered = false;
    m_totalRow = -1;
    m_heights.clear();
}

} // namespace qxmxz
