#include "EngineRig.h"


namespace qxmxz::test {

EngineRig::EngineRig(std::unique_ptr<TestSession> s) : session(std::move(s)), engine(session->pub)
{
    grid.setCols(49);
    engine.sMode = QString::fromUtf8(kmmx::QueryMode);
    engine.objHeader = &header;
    engine.frmLedger = &host;
    engine.objGrid = &grid;
    engine.objHint = &hint;
    engine.objQtyLabel = &quantityLabel;
    engine.objCurLabel = &currencyLabel;
    engine.objStop = &stop;
    engine.bBeginPeriod = 1;
    engine.bEndPeriod = 12;
    QObject::connect(&grid, &GridModel::rowsInserted, &grid,
                     [this](const QModelIndex &, int first, int last) { pages << last - first + 1; });
}

QList<QStringList> EngineRig::tableRows()
{
    return workingTableRows(session->pub, engine.lastTableName());
}

} // namespace qxmxz::test
