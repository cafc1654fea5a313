#include "LedgerRuns.h"

#include <gtest/gtest.h>

#include "engine/LedgerHost.h"
#include "engine/kmmx.h"

namespace qxmxz::test {

namespace {

void prepare(GridModel &grid)
{
    grid.setRows(0);
    grid.setCols(49);
}

} // namespace

void runDetailLedger(GlPublic &pub, GridModel &grid, const QString &code, bool includeUnposted, int first, int last,
                     bool byPeriod)
{
    prepare(grid);
    HeadlessLedgerHost host;
    kmmx engine(pub);
    engine.frmLedger = &host;
    engine.objGrid = &grid;
    engine.bBeginPeriod = quint8(first);
    engine.bEndPeriod = quint8(last);
    engine.bIncludeUnposted = includeUnposted ? 1 : 0;
    engine.sKmCode = code;
    EXPECT_TRUE(byPeriod ? engine.mxbyPeriod() : engine.mxbyCode()) << code.toStdString();
}

void runMonthlyLedger(GlPublic &pub, GridModel &grid, const QString &begin, const QString &end, bool includeUnposted)
{
    prepare(grid);
    HeadlessLedgerHost host;
    host.account = begin;
    kmmx engine(pub);
    engine.frmLedger = &host;
    engine.objGrid = &grid;
    engine.bBeginPeriod = 1;
    engine.bEndPeriod = 12;
    engine.bIncludeUnposted = includeUnposted ? 1 : 0;
    engine.sKmCode = begin;
    engine.sBeginCode = begin;
    engine.sEndCode = end;
    EXPECT_TRUE(engine.mxAllMonth()) << begin.toStdString();
}

void runMergedLedger(GlPublic &pub, GridModel &grid, const QString &code, bool includeUnposted, clsMxzHb::mxzHbType type)
{
    prepare(grid);
    clsMxzHb hb(pub);
    hb.Grd1 = &grid;
    hb.iStart = 1;
    hb.iEnd = 12;
    hb.setInclude(includeUnposted);
    hb.setKmCode(code);
    hb.setHbType(type);
    hb.mxzCodeHbQuery();
}

} // namespace qxmxz::test
