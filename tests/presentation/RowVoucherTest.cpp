// The voucher of the grid's current row and its call on the voucher viewer.

#include "presentation/RowVoucher.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "support/Printers.h"
#include "platform/ui/GridModel.h"
#include "services/AccountingYear.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class RowVoucherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setAccountingYear(0);
        s = test::openDemoSession(Backend::Sqlite);
        grid.setCols(22);
        grid.setRows(3);
        setRow(1, QStringLiteral("03"), QStringLiteral("转-0012"), QStringLiteral("收-0007"), QStringLiteral("购入钢材"));
        setRow(2, QStringLiteral("11"), QStringLiteral("付-12345"), QString(), QStringLiteral("*未记账"));
        grid.setRow(1);
    }
    void setRow(int row, const QString &key, const QString &reference, const QString &journalReference,
                const QString &summary)
    {
        grid.setTextMatrix(row, 0, key);
        grid.setTextMatrix(row, 3, reference);
        grid.setTextMatrix(row, 2, journalReference);
        grid.setTextMatrix(row, 6, summary);
    }
    QString caption(const char *item) const
    {
        return s->pub.text(QStringLiteral("R7.GL.QXMXZ.mmxz.") + QString::fromLatin1(item));
    }

    std::unique_ptr<test::TestSession> s;
    GridModel grid;
};

TEST_F(RowVoucherTest, EachCaptionHasItsRightAndReferenceColumn)
{
    const QList<std::tuple<const char *, const char *, const char *, int>> captions{
        {"00133", "GL0305", "转", 12}, {"00134", "GL0312", "转", 12}, {"00135", "GL0401", "转", 12},
        {"00136", "GL0403", "转", 12}, {"00137", "GL0308", "收", 7}};
    for (const auto &[item, right, type, number] : captions) {
        const auto voucher = rowVoucher(s->pub, grid, caption(item), 2026);
        ASSERT_TRUE(voucher.has_value()) << item;
        EXPECT_EQ(voucher->rightCode, QString::fromLatin1(right));
        EXPECT_EQ(voucher->voucherType, QString::fromUtf8(type)) << item;
        EXPECT_EQ(voucher->voucherNumber, number) << item;
        EXPECT_EQ(voucher->period, 3) << item;
        EXPECT_EQ(voucher->posted, 1) << item;
    }
}

TEST_F(RowVoucherTest, FiveDigitsWithoutAFourDigitNumberAndAStarMeansNotPosted)
{
    grid.setRow(2);
    const auto voucher = rowVoucher(s->pub, grid, caption("00134"), 2026);
    ASSERT_TRUE(voucher.has_value());
    EXPECT_EQ(voucher->period, 11);
    EXPECT_EQ(voucher->voucherType, QStringLiteral("付"));
    EXPECT_EQ(voucher->voucherNumber, 12345);
    EXPECT_EQ(voucher->posted, 0);
}

TEST_F(RowVoucherTest, ShowRowVoucherHandsTheViewerThePublicObjectTheLoginAndTheVoucher)
{
    VoucherViewer viewer;
    ASSERT_TRUE(ShowRowVoucher(s->pub, grid, caption("00133"), viewer));
    EXPECT_EQ(viewer.publicObject(), &s->pub);
    EXPECT_EQ(viewer.login(), s->login);
    ASSERT_EQ(viewer.shown().size(), 1);
    const VoucherRequest expected{QStringLiteral("GL0305"), 3, QStringLiteral("转"), 12, 1, 2026,
                                  QStringLiteral("GL"), QStringLiteral("CN")};
    EXPECT_EQ(viewer.shown().front(), expected);

    setAccountingYear(2025);
    ShowRowVoucher(s->pub, grid, caption("00133"), viewer);
    EXPECT_EQ(viewer.shown().back().year, 2025) << "the component's fiscal year";
    setAccountingYear(0);

    // Nothing for another window, the header row or a blank row key.
    EXPECT_FALSE(ShowRowVoucher(s->pub, grid, QStringLiteral("总账"), viewer));
    grid.setRow(0);
    EXPECT_FALSE(ShowRowVoucher(s->pub, grid, caption("00133"), viewer));
    grid.setRow(1);
    grid.setTextMatrix(1, 0, QStringLiteral("   "));
    EXPECT_FALSE(ShowRowVoucher(s->pub, grid, caption("00133"), viewer));
    EXPECT_EQ(viewer.shown().size(), 2);
}

} // namespace
} // namespace qxmxz
