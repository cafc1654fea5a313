// The voucher of the grid's current row and its call on the voucher viewer.

#include "presentation/RowVoucher.h"

#include <gtest/gtest.h>

#include "platform/ui/GridModel.h"
#include "services/AccountingYear.h"
#include "support/Printers.h"
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
    void setRow(int row, const QString &key, const QString &reference, const QString &journalReference, const QString &summary)
    {
        for (const auto &[column, text] : {std::pair{0, key}, {3, reference}, {2, journalReference}, {6, summary}})
            grid.setTextMatrix(row, column, text);
    }
    QString caption(const char *item) const { return s->pub.text(QStringLiteral("R7.GL.QXMXZ.mmxz.") + QLatin1String(item)); }

    std::unique_ptr<test::TestSession> s;
    GridModel grid;
};

TEST_F(RowVoucherTest, TheReferenceIsParsedFromTheColumnOfTheCaption)
{
    const auto voucher = [](const char *right, int period, const char *type, int number, int posted) {
        return VoucherRequest{QString::fromLatin1(right), period, QString::fromUtf8(type), number, posted, 2026,
                              QStringLiteral("GL"), QStringLiteral("CN")};
    };
    // Row 2: five digits without a four-digit number, and a star for a voucher not yet posted.
    const std::tuple<int, const char *, VoucherRequest> cases[] = {{1, "00136", voucher("GL0403", 3, "转", 12, 1)},
                                                                   {1, "00137", voucher("GL0308", 3, "收", 7, 1)},
                                                                   {2, "00134", voucher("GL0312", 11, "付", 12345, 0)}};
    for (const auto &[row, item, expected] : cases) {
        grid.setRow(row);
        EXPECT_EQ(rowVoucher(s->pub, grid, caption(item), 2026), expected) << item;
    }
}

TEST_F(RowVoucherTest, ShowRowVoucherHandsTheViewerThePublicObjectTheLoginAndTheVoucher)
{
    VoucherViewer viewer;
    setAccountingYear(2025);
    ASSERT_TRUE(ShowRowVoucher(s->pub, grid, caption("00133"), viewer));
    setAccountingYear(0);
    EXPECT_EQ(viewer.publicObject(), &s->pub);
    EXPECT_EQ(viewer.login(), s->login);
    ASSERT_EQ(viewer.shown().size(), 1);
    const VoucherRequest expected{QStringLiteral("GL0305"), 3, QStringLiteral("转"), 12, 1, 2025,
                                  QStringLiteral("GL"), QStringLiteral("CN")};
    EXPECT_EQ(viewer.shown().front(), expected) << "in the component's fiscal year";

    // Nothing for another window, the header row or a blank row key.
    EXPECT_FALSE(ShowRowVoucher(s->pub, grid, QStringLiteral("总账"), viewer));
    grid.setRow(0);
    EXPECT_FALSE(ShowRowVoucher(s->pub, grid, caption("00133"), viewer));
    grid.setRow(1);
    grid.setTextMatrix(1, 0, QStringLiteral("   "));
    EXPECT_FALSE(ShowRowVoucher(s->pub, grid, caption("00133"), viewer));
    EXPECT_EQ(viewer.shown().size(), 1);
}

} // namespace
} // namespace qxmxz
