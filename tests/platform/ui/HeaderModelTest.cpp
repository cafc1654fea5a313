#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/ui/HeaderModel.h"

namespace qxmxz {
namespace {

TEST(HeaderModel, columnsCarryCaptionWidthAndHiddenFlag)
{
    HeaderModel header;
    QList<int> changedColumns;
    QObject::connect(&header, &HeaderModel::columnChanged, [&](int column) { changedColumns << column; });

    header.setColumnCount(49);
    EXPECT_EQ(header.columnCount(), 49);
    EXPECT_EQ(header.width(48), HeaderModel::defaultWidth);
    EXPECT_FALSE(header.isHidden(48));

    header.setCaption(3, QStringLiteral("凭证号"));
    header.setWidth(3, 93);
    header.setHidden(8, true);
    header.setHidden(8, true); // no change, no signal
    EXPECT_EQ(header.caption(3), QStringLiteral("凭证号"));
    EXPECT_EQ(header.width(3), 93);
    EXPECT_TRUE(header.isHidden(8));
    EXPECT_EQ(changedColumns, (QList<int>{3, 3, 8}));

    header.showAllColumns();
    EXPECT_FALSE(header.isHidden(8));
    EXPECT_EQ(header.width(3), 93);

    header.setColumnCount(22);
    EXPECT_EQ(header.caption(3), QStringLiteral("凭证号"));
    EXPECT_THROW(header.caption(22), Failure);
    EXPECT_THROW(header.setWidth(0, -1), Failure);
}

TEST(HeaderModel, bandsSitInPositionsOverColumnRuns)
{
    HeaderModel header;
    header.setColumnCount(49);
    int bandSignals = 0;
    QObject::connect(&header, &HeaderModel::bandsChanged, [&] { ++bandSignals; });

    header.setBand({12, 17, 21, QStringLiteral("余额")});
    header.setBand({1, 1, 2, QStringLiteral("2026年")});
    header.setBand({9, 10, 12, QStringLiteral("借方")});
    header.setBand({10, 13, 15, QStringLiteral("贷方")});
    header.setBand({10, 13, 15, QStringLiteral("贷方")}); // the same again: no signal
    EXPECT_EQ(bandSignals, 4);

    const QList<HeaderBand> bands = header.bands();
    ASSERT_EQ(bands.size(), 4);
    EXPECT_EQ(bands[0], (HeaderBand{1, 1, 2, QStringLiteral("2026年")}));
    EXPECT_EQ(bands[3].position, 12);
    EXPECT_EQ(header.band(9).caption, QStringLiteral("借方"));

    header.setBand({9, 12, 12, QStringLiteral("借方")}); // replaces the band in slot 9
    EXPECT_EQ(header.band(9).firstColumn, 12);
    EXPECT_EQ(header.bands().size(), 4);

    header.removeBand(10);
    EXPECT_FALSE(header.hasBand(10));
    EXPECT_THROW(header.band(10), Failure);
    EXPECT_THROW(header.setBand({2, 5, 4, QString()}), Failure);
    header.clearBands();
    EXPECT_TRUE(header.bands().isEmpty());
}

TEST(HeaderModel, fixedColumnsScrollPositionAndStateFollowTheGrid)
{
    HeaderModel header;
    header.setColumnCount(49);
    QStringList seen;
    QObject::connect(&header, &HeaderModel::enabledChanged, [&](bool on) { seen << QStringLiteral("enabled %1").arg(on); });
    QObject::connect(&header, &HeaderModel::visibleChanged, [&](bool on) { seen << QStringLiteral("visible %1").arg(on); });
    QObject::connect(&header, &HeaderModel::scrollPositionChanged, [&](int c) { seen << QStringLiteral("scroll %1").arg(c); });
    QObject::connect(&header, &HeaderModel::fixedColumnCountChanged, [&](int c) { seen << QStringLiteral("fixed %1").arg(c); });

    EXPECT_TRUE(header.isEnabled());
    EXPECT_TRUE(header.isVisible());
    header.setVisible(false);
    header.setFixedColumnCount(4);
    header.setScrollPosition(9);
    header.setEnabled(false);
    header.setEnabled(false);
    header.setVisible(true);
    EXPECT_EQ(seen, (QStringList{"visible 0", "fixed 4", "scroll 9", "enabled 0", "visible 1"}));
    EXPECT_EQ(header.fixedColumnCount(), 4);
    EXPECT_EQ(header.scrollPosition(), 9);

    header.setColumnCount(3);
    EXPECT_EQ(header.fixedColumnCount(), 3);
    EXPECT_EQ(header.scrollPosition(), 2);
    EXPECT_THROW(header.setFixedColumnCount(4), Failure);
}

} // namespace
} // namespace qxmxz
