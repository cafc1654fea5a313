#include "MergeRig.h"

#include "platform/outside/GlPublic.h"

namespace qxmxz::test {

MergeRig::MergeRig(std::unique_ptr<TestSession> s) : session(std::move(s)), hb(session->pub)
{
    grid.setCols(49);
    form.setProperty("bUserStop", false);
    form.setProperty("MxzGrid2", QVariant::fromValue<QObject *>(&grid));
    hb.mxForm = &form;
    hb.Grd1 = &grid;
    hb.mxHeader = &header;
    hb.lblSl = &quantityLabel;
    hb.lblWb = &currencyLabel;
    hb.lblHint = &hint;
    hb.cmdStop = &stop;
    hb.iStart = 1;
    hb.iEnd = 12;
    hb.sCallState = session->pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.query"));
    QObject::connect(&grid, &GridModel::rowsInserted, &grid,
                     [this](const QModelIndex &, int first, int last) { batches << last - first + 1; });
}

void MergeRig::query(const QString &code, clsMxzHb::mxzHbType type, qint16 accountType)
{
    hb.ClsGridRows();
    batches.clear();
    hb.setKmCode(code);
    hb.setHbType(type);
    hb.mxzCodeHbQuery(accountType);
}

QList<QStringList> MergeRig::tableRows()
{
    return workingTableRows(session->pub, hb.lastTableName());
}

MergedRow kindOf(MergeRig &r, int row)
{
    if (!r.cell(row, Voucher).isEmpty())
        return MergedRow::Voucher;
    const QString digest = r.cell(row, Digest);
    const int period = r.cell(row, Month).toInt();
    if (digest.startsWith(QStringLiteral("\u3000\u3000")))
        return MergedRow::CurrencyTotal;
    if (period > 0 && digest == r.pub().cumulativeText(period))
        return MergedRow::Cumulative;
    if (period > 0 && digest == r.pub().periodTotalText(period))
        return MergedRow::PeriodTotal;
    if (digest == r.pub().text(QStringLiteral("R7.GL.QXMXZ.yujmod.00811"))
        || digest == r.pub().text(QStringLiteral("R7.GL.QXMXZ.yujmod.00812")) || digest.startsWith(QStringLiteral("  ")))
        return MergedRow::Opening;
    return MergedRow::Other;
}

} // namespace qxmxz::test
