// The grid heading of the general ledger for a book style.
#include "basGrwl.h"

#include <array>

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/ui/GridAlignment.h"
#include "platform/ui/GridModel.h"
#include "services/ColumnWidths.h"

namespace qxmxz::basGrwl {

namespace {

constexpr int DateColumnWidth = 400;
constexpr int VoucherColumnWidth = 900;
constexpr int DirectionColumnWidth = 450;

bool showsQuantity(int styleIndex)
{
    return styleIndex == 1 || styleIndex == 3;
}

bool showsForeign(int styleIndex)
{
    return styleIndex == 2 || styleIndex == 3;
}

int alignmentOf(int column)
{
    if (column == Summary)
        return GridAlignment::leftCentre;
    if (column <= VoucherNumbers || column == Direction)
        return GridAlignment::centreCentre;
    return GridAlignment::rightCentre;
}

} // namespace

void LayOutHeading(GlPublic &pub, GridModel &grid, const QString &rightId, int styleIndex)
{
    if (GlPublic::bookStyleName(styleIndex).isEmpty())
        throw Failure(QStringLiteral("There is no book style %1").arg(styleIndex));
    const StandardColumnWidths widths = LoadColumnWidths(pub);

    grid.setRedraw(false);
    grid.setRows(0);
    grid.setCols(ColumnCount);
    grid.setRows(HeadingRows);
    grid.setFixedRows(HeadingRows);
    grid.setFixedCols(0);

    // Band captions repeat over the cells of their band, so a view that joins
    // equal neighbours shows one caption over the band.
    auto text = [&pub](const char *key) { return pub.text(QString::fromLatin1(key)); };
    const QString debit = text("R7.GL.QXMXZ.basgrwl.jf");
    const QString credit = text("R7.GL.QXMXZ.basgrwl.df");
    const QString balance = text("R7.GL.QXMXZ.basgrwl.ye");
    const QString quantity = text("R7.GL.QXMXZ.basgrwl.amount");
    const QString foreign = text("R7.GL.QXMXZ.basgrwl.wb");
    const QString amount = text("R7.GL.QXMXZ.basgrwl.cashamount");
    const QString year = text("R7.GL.QXMXZ.basgrwl.year");
    const QString voucherNumbers = text("R7.GL.QXMXZ.basgrwl.pzhs");
    const QString summary = text("R7.GL.QXMXZ.basgrwl.zy");
    const QString direction = text("R7.GL.QXMXZ.basgrwl.fx");
    const std::array<QString, ColumnCount> top{year,   year,   voucherNumbers, summary,   debit,   debit,   debit,
                                               credit, credit, credit,         direction, balance, balance, balance};
    const std::array<QString, ColumnCount> bottom{text("R7.GL.QXMXZ.basgrwl.month"), text("R7.GL.QXMXZ.basgrwl.day"),
                                                  voucherNumbers, summary,  quantity, foreign,   amount,
                                                  quantity,       foreign,  amount,   direction, quantity,
                                                  foreign,        amount};

    std::array<int, ColumnCount> columnWidths{DateColumnWidth, DateColumnWidth, VoucherColumnWidth, widths.summary,
                                              widths.quantity, widths.foreign,  widths.amount,      widths.quantity,
                                              widths.foreign,  widths.amount,   DirectionColumnWidth, widths.quantity,
                                              widths.foreign,  widths.amount};
    if (const auto saved = pub.savedColumnWidths(rightId, styleIndex); saved && saved->size() == ColumnCount)
        for (int j = 0; j < ColumnCount; ++j)
            if (saved->at(j) > 0)
                columnWidths[j] = saved->at(j);

    for (int j = 0; j < ColumnCount; ++j) {
        grid.setTextMatrix(0, j, top[j]);
        grid.setTextMatrix(1, j, bottom[j]);
        grid.setColAlignment(j, alignmentOf(j));
        grid.setCellAlignment(0, j, GridAlignment::centreCentre);
        grid.setCellAlignment(1, j, GridAlignment::centreCentre);
        const bool quantityColumn = j == DebitQuantity || j == CreditQuantity || j == BalanceQuantity;
        const bool foreignColumn = j == DebitForeign || j == CreditForeign || j == BalanceForeign;
        const bool hidden = (quantityColumn && !showsQuantity(styleIndex)) || (foreignColumn && !showsForeign(styleIndex));
        grid.setColWidth(j, hidden ? 0 : columnWidths[j]);
    }
    grid.setRedraw(true);
}

} // namespace qxmxz::basGrwl
