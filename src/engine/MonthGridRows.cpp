#include "MonthGridRows.h"

#include "services/GridColours.h"
#include "services/LedgerGridRows.h"
#include "platform/ui/GridModel.h"
#include "totals/AmountFormats.h"
#include "WorkingTables.h"

namespace qxmxz {

namespace {

namespace Y = WorkingTables;

constexpr int UnpostedBook = 100;

} // namespace

MonthGridRows::MonthGridRows(const GlPublic &pub, GridModel *grid, int pageLines)
    : m_pub(pub), m_grid(grid), m_pageLines(std::max(1, pageLines))
{
    if (m_grid) {
        m_groupStart = m_grid->Rows();
        m_grid->setRedraw(false);
    }
}

const MonthGridRows::Cells &MonthGridRows::cellsOf(const Values &value, const Money &money)
{
    const int columns = m_grid->Cols();
    m_cells.resize(columns);
    for (int k = 0; k < columns; ++k) {
        QString &cell = m_cells[k];
        cell.resize(0);
        if (k == 7) {
            cell = value(Y::ccode_equal).toString();
        } else if (k <= 6) {
            cell = value(k).toString();
        } else if (k <= 46) {
            // Grid columns 8 to 46 show the table's Price to cdef16, one
            // column further left in the table.
            const int position = k - 1;
            if (position == Y::nd_s || position == Y::nc_s || position == Y::ne_s)
                cell = FormatQty(m_pub, value(position));
            else if (position == Y::md_f || position == Y::md || position == Y::mc_f || position == Y::mc
                     || position == Y::me_f || position == Y::mend)
                cell = FormatAmt(money(position));
            else
                cell = value(position).toString();
        } else if (k == 47) {
            cell = value(Y::coutsysname).toString();
        } else if (k == 48) {
            cell = value(Y::ibook).toInt() == UnpostedBook ? QStringLiteral("0") : QStringLiteral("1");
        }
        cell.replace(u'\t', u' ');
    }
    return m_cells;
}

void MonthGridRows::format(int row, const Values &value)
{
    if (value(Y::ibook).toInt() == UnpostedBook)
        m_grid->setRowBackColor(row, UnpostedRowColour);
    const int columns = m_grid->Cols();
    for (int column = 1; column <= 21 && column < columns; ++column)
        m_grid->setCellAlignment(row, column, ledgerCellAlignment(column));
}

int MonthGridRows::append(const Values &value, const Money &money)
{
    if (!m_grid)
        return -1;
    const Cells &cells = cellsOf(value, money);
    QVarLengthArray<QStringView, 64> views(cells.begin(), cells.end());
    m_grid->addRow(views.data(), int(views.size()));
    const int row = m_grid->Rows() - 1;
    format(row, value);
    if (++m_heldRows >= m_pageLines)
        showPage();
    return row;
}

void MonthGridRows::rewrite(int row, const Values &value, const Money &money)
{
    if (!m_grid || row < 0)
        return;
    const Cells &cells = cellsOf(value, money);
    for (int column = 0; column < cells.size(); ++column)
        if (m_grid->TextMatrix(row, column) != cells[column])
            m_grid->setTextMatrix(row, column, cells[column]);
}

void MonthGridRows::startGroup()
{
    if (m_grid)
        m_groupStart = m_grid->Rows();
}

void MonthGridRows::dropGroup()
{
    if (m_grid)
        m_grid->setRows(m_groupStart);
}

bool MonthGridRows::showPage()
{
    if (!m_grid)
        return false;
    m_heldRows = 0;
    m_grid->setRedraw(true);
    m_grid->setRedraw(false);
    const bool first = !m_firstPageShown;
    m_firstPageShown = true;
    return first;
}

void MonthGridRows::finish()
{
    if (m_grid)
        m_grid->setRedraw(true);
}

} // namespace qxmxz
