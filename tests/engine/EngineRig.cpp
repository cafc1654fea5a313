#include "EngineRig.h"

#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"

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
    QList<QStringList> rows;
    DynasetRecordSet rs = session->pub.localDatabase().openDynaset(engine.lastTableName());
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList row;
        for (int j = 0; j < rs.fieldCount(); ++j)
            row << rs.field(j).toString();
        rows << row;
    }
    return rows;
}

} // namespace qxmxz::test
