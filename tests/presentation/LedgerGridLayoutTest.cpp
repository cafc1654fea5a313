// The detail grid and its header laid out for each book style: widths,
// captions, bands, the columns each style and rules A and B hide, and the
// saved widths of a layout.

#include "presentation/LedgerGridLayout.h"

#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "presentation/ColumnWidthStore.h"
#include "support/Printers.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

const QString Je = QStringLiteral("金额式");
const QString SlWb = QStringLiteral("数量外币式");

class LedgerGridLayout : public ::testing::Test {
protected:
    void SetUp() override { s = test::openDemoSession(Backend::Sqlite); }

    void layOut(const QString &style, qint16 option = 0, LedgerLayoutFlags flags = {}, bool defaults = false)
    {
        LayOutLedgerGrid(s->pub, grid, header, style, option, 4, flags, defaults);
    }
    // The ledger columns 1 … 21 a reader sees.
    QList<int> shownLedgerColumns() const
    {
        QList<int> shown;
        for (int j = 1; j <= 21; ++j) {
            const bool inGrid = grid.ColWidth(j) > 0;
            EXPECT_EQ(inGrid, !header.isHidden(j) && header.width(j) > 0) << "grid and header disagree on column " << j;
            if (inGrid)
                shown << j;
        }
        return shown;
    }
    QString text(const char *item, const QStringList &arguments = {}) const
    {
        return s->pub.text(QStringLiteral("R7.GL.QXMXZ.mmxz.") + QLatin1String(item), arguments);
    }

    test::ScratchSettings settings;
    std::unique_ptr<test::TestSession> s;
    GridModel grid;
    HeaderModel header;
};

TEST_F(LedgerGridLayout, AnEmptyStyleChangesNothingAndWithoutSavedWidthsTheDefaultsOfTheOptionsApply)
{
    grid.setCols(3);
    grid.setColWidth(1, 777);
    grid.setVisible(false);
    for (const QString &style : {QString(), QStringLiteral("   ")})
        layOut(style, 1);
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_EQ(grid.ColWidth(1), 777);

    layOut(SlWb, 1, {false, false, true});
    ASSERT_EQ(grid.Cols(), 49);
    ASSERT_EQ(header.columnCount(), 49);
    EXPECT_FALSE(grid.Visible()) << "a layout keeps the grid's visibility";
    // Demo options: summary 20, amount 14, quantity 10, price 10, foreign 12, rate 8 characters.
    const QList<int> expected{0,    340,  340,  1400, 1400, 2200, 3600, 1440, 900,  720,  900,
                              1080, 1260, 900,  1080, 1260, 300,  900,  900,  1080, 720,  1260};
    for (int j = 0; j < 49; ++j) {
        EXPECT_EQ(grid.ColWidth(j), expected.value(j)) << "column " << j;
        EXPECT_EQ(header.width(j), expected.value(j) / 15) << "header column " << j;
    }
    EXPECT_EQ(grid.FixedCols(), 4);
    EXPECT_EQ(header.fixedColumnCount(), 4);
}

TEST_F(LedgerGridLayout, SavedWidthsOfTheLayoutAndStyleWin)
{
    GridModel saved;
    saved.setCols(49);
    for (int j = 0; j < 49; ++j)
        saved.setColWidth(j, j < 22 ? 500 + j : 0);
    SaveColumnWidths(s->pub, saved, QStringLiteral("GL03053"), 3);

    layOut(SlWb, 1);
    EXPECT_EQ(grid.ColWidth(6), 506);
    EXPECT_EQ(grid.ColWidth(21), 521);
    EXPECT_EQ(header.width(6), 506 / 15);
    EXPECT_EQ(grid.ColWidth(7), 0) << "the counterpart column follows rule B, not the saved width";
    // Another style, another layout code, or the defaults flag: the defaults.
    layOut(QStringLiteral("数量金额式"), 1);
    EXPECT_EQ(grid.ColWidth(6), 3600);
    layOut(SlWb, 1, {false, true, false});
    EXPECT_EQ(grid.ColWidth(6), 3600);
    layOut(SlWb, 1, {}, true);
    EXPECT_EQ(grid.ColWidth(6), 3600);

    // Nothing is saved for one column; a width beyond 16 bits is a failure.
    saved.setColWidth(2, 40000);
    EXPECT_THROW(SaveColumnWidths(s->pub, saved, QStringLiteral("GL0301"), 0), Failure);
    saved.setCols(1);
    SaveColumnWidths(s->pub, saved, QStringLiteral("GL0301"), 0);
    EXPECT_FALSE(s->pub.savedColumnWidths(QStringLiteral("GL0301"), 0).has_value());
}

TEST_F(LedgerGridLayout, EachStyleHidesItsColumnsWithItsOwnCaptionsAndBands)
{
    layOut(Je);
    EXPECT_EQ(shownLedgerColumns(), (QList<int>{1, 2, 3, 6, 12, 15, 16, 21}));
    EXPECT_EQ(header.caption(12), text("jf"));
    const HeaderBand yearBand{1, 1, 2, text("numyear", {QStringLiteral("2026")})};
    EXPECT_EQ(header.bands(), QList<HeaderBand>{yearBand});
    // Rules A and B let the account and counterpart columns in; the first layout keeps them out.
    layOut(Je, 1, {false, false, true});
    EXPECT_EQ(shownLedgerColumns(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 12, 15, 16, 21}));
    layOut(Je, 1, {true, false, true});
    EXPECT_EQ(shownLedgerColumns(), (QList<int>{1, 2, 3, 6, 12, 15, 16, 21}));

    layOut(SlWb, 1);
    // Only the counterpart column is hidden without rule B.
    EXPECT_EQ(shownLedgerColumns(), (QList<int>{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}));
    const QList<HeaderBand> bands{
        yearBand, {9, 10, 12, text("jf")}, {10, 13, 15, text("df")}, {12, 17, 21, text("ye")}};
    EXPECT_EQ(header.bands(), bands);
    EXPECT_EQ(header.caption(12), text("cashamount"));
    layOut(QStringLiteral("数量金额式"), 1);
    EXPECT_EQ(shownLedgerColumns(), (QList<int>{1, 2, 3, 4, 5, 6, 8, 10, 12, 13, 15, 16, 17, 18, 21}));
    EXPECT_EQ(header.bands(), bands);
    layOut(QStringLiteral("外币金额式"), 1);
    EXPECT_EQ(shownLedgerColumns(), (QList<int>{1, 2, 3, 4, 5, 6, 9, 11, 12, 14, 15, 16, 19, 20, 21}));
    // Back to the amount style: the bands over the amount columns go.
    layOut(QStringLiteral(" 金额式 "));
    EXPECT_EQ(header.bands(), QList<HeaderBand>{yearBand});
    EXPECT_EQ(shownLedgerColumns(), (QList<int>{1, 2, 3, 6, 12, 15, 16, 21}));
}

} // namespace
} // namespace qxmxz
