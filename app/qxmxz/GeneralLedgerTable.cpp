#include "GeneralLedgerTable.h"

#include "general_ledger/basGrwl.h"
#include "platform/ui/GridModel.h"

namespace qxmxz::cli {

namespace {

} // namespace

const QStringList &generalLedgerColumns()
{
    static const QStringList keys{QStringLiteral("Yue"),    QStringLiteral("Ri"),    QStringLiteral("PzId"),
                                  QStringLiteral("cDigest"), QStringLiteral("Snd_s"), QStringLiteral("Smd_f"),
                                  QStringLiteral("Smd"),    QStringLiteral("Snc_s"), QStringLiteral("Smc_f"),
                                  QStringLiteral("Smc"),    QStringLiteral("Scendd_c"), QStringLiteral("Sne_s"),
                                  QStringLiteral("Sme_f"),  QStringLiteral("Smend")};
    return keys;
}

namespace {

bool isNumberColumn(int column)
{
    return column >= basGrwl::DebitQuantity && column <= basGrwl::BalanceAmount && column != basGrwl::Direction;
}

} // namespace

TableSource generalLedgerTable(const GridModel &grid, bool allColumns)
{
    QList<int> columns;
    for (int j = 0; j < basGrwl::ColumnCount && j < grid.Cols(); ++j)
        if (allColumns || grid.ColWidth(j) > 0)
            columns << j;
    TableSource table;
    const bool headed = grid.Rows() >= basGrwl::HeadingRows;
    for (int j : columns) {
        table.keys << generalLedgerColumns().value(j);
        const QString top = headed ? grid.TextMatrix(0, j) : QString();
        const QString bottom = headed ? grid.TextMatrix(1, j) : QString();
        table.headings << (top == bottom ? top : top + QLatin1Char(' ') + bottom).trimmed();
        table.rightAligned << isNumberColumn(j);
    }
    const int firstRow = grid.FixedRows();
    table.rowCount = grid.Rows() - firstRow;
    table.cell = [&grid, columns, firstRow](qsizetype row, int column) {
        return grid.TextMatrix(int(row) + firstRow, columns[column]);
    };
    return table;
}

} // namespace qxmxz::cli
