// Which ledgers mxzCodeHbQuery writes: nothing without a merge mode, an end
// account as one ledger, a parent as one or, with IsOrder, one per end
// account; the refusals; and emptying the host's grid.
#include <gtest/gtest.h>

#include "MergeRig.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class MergedQuery : public ::testing::TestWithParam<Backend> {
protected:
    std::unique_ptr<MergeRig> rig() { return std::make_unique<MergeRig>(openDemoSession(GetParam())); }
};

} // namespace

TEST_P(MergedQuery, WithoutAMergeModeNothingHappens)
{
    auto r = rig();
    r->grid.AddItem(QStringLiteral("kept"));
    r->hint.setText(QStringLiteral("before"));
    r->hb.setKmCode(QStringLiteral("100201"));
    r->hb.setHbType(clsMxzHb::enuNotHb);
    r->hb.mxzCodeHbQuery();
    EXPECT_EQ(r->rows(), 1);
    EXPECT_EQ(r->cell(0, 0), QStringLiteral("kept"));
    EXPECT_EQ(r->hint.text(), QStringLiteral("before"));
    EXPECT_EQ(r->hint.refreshCount(), 0);
    EXPECT_TRUE(r->hb.lastTableName().isEmpty());
    EXPECT_EQ(r->hb.ledgersWritten(), 0);
    EXPECT_EQ(r->hb.lngEndRecord, 0);

    // Nor does it need the general-ledger object.
    clsMxzHb bare;
    bare.setKmCode(QStringLiteral("100201"));
    EXPECT_NO_THROW(bare.mxzCodeHbQuery());
    bare.setHbType(clsMxzHb::enuKmCode);
    EXPECT_THROW(bare.mxzCodeHbQuery(), Failure);
    EXPECT_THROW(bare.mxzEndKmQuery(QStringLiteral("100201")), Failure);
}

TEST_P(MergedQuery, AnEndAccountIsOneLedgerWhateverIsOrderSays)
{
    auto r = rig();
    r->hb.setIsOrder(true);
    r->query(QStringLiteral("100201"), clsMxzHb::enuCodeDigest, 3);
    EXPECT_EQ(r->hb.ledgersWritten(), 1);
    EXPECT_EQ(r->hb.KmCode(), QStringLiteral("100201"));
    for (int row = 0; row < r->rows(); ++row)
        EXPECT_NE(kindOf(*r, row), MergedRow::CurrencyTotal) << "an end account merges with account type 0";
}

TEST_P(MergedQuery, IsOrderWritesOneLedgerPerEndAccountInCodeOrder)
{
    auto r = rig();
    r->hb.setIsOrder(true);
    r->query(QStringLiteral("1002"), clsMxzHb::enuCodeDigest);
    EXPECT_EQ(r->hb.ledgersWritten(), 3);
    EXPECT_EQ(r->hb.KmCode(), QStringLiteral("100203"));
    QStringList order;
    for (int row = 0; row < r->rows(); ++row)
        if (kindOf(*r, row) == MergedRow::Voucher && (order.isEmpty() || order.last() != r->cell(row, Code)))
            order << r->cell(row, Code);
    EXPECT_EQ(order, (QStringList{QStringLiteral("100201"), QStringLiteral("100202"), QStringLiteral("100203")}));

    // Without IsOrder the parent is one ledger of all its lines.
    r->hb.setIsOrder(false);
    r->query(QStringLiteral("1002"), clsMxzHb::enuCodeDigest);
    EXPECT_EQ(r->hb.ledgersWritten(), 1);
    EXPECT_EQ(r->hb.KmCode(), QStringLiteral("1002"));
}

TEST_P(MergedQuery, IsOrderOnAParentWithoutEndAccountsRaisesItsMessage)
{
    auto session = openScratchDemoSession(GetParam());
    session->login->connection().execute(
        QStringLiteral("insert into code (iyear,ccode,ccode_name,igrade,bend) values (2026,'1999','待清理资产',1,0)"));
    session->pub.reinitialise(2026);
    MergeRig r(std::move(session));
    r.hb.setIsOrder(true);
    r.query(QStringLiteral("1999"), clsMxzHb::enuKmCode);
    EXPECT_EQ(r.hb.ledgersWritten(), 0);
    EXPECT_EQ(r.rows(), 0);
    const QList<MessageBoxRequest> &boxes = r.session->messages.messages();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].prompt, r.pub().text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.00775")));
    EXPECT_EQ(boxes[0].title, r.pub().text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.notesinfo")));
    EXPECT_EQ(boxes[0].buttons, 64);
}

TEST_P(MergedQuery, RefusesUnknownAccountsBadPeriodsAndCraftedCodes)
{
    auto r = rig();
    auto keyOf = [&](const QString &code) {
        try {
            r->query(code, clsMxzHb::enuCodeDigest);
        } catch (const Failure &failure) {
            return failure.key().isEmpty() ? QStringLiteral("failure") : failure.key();
        }
        return QString();
    };
    EXPECT_EQ(keyOf(QStringLiteral("9999")), QStringLiteral("QXMXZ.cli.unknownaccount"));
    EXPECT_FALSE(keyOf(QStringLiteral("10%")).isEmpty());
    EXPECT_EQ(keyOf(QStringLiteral("1001' or '1'='1")), QStringLiteral("QXMXZ.cli.unknownaccount"));
    EXPECT_TRUE(r->header.isEnabled()) << "a refused query leaves the header usable";
    r->hb.iStart = 5;
    r->hb.iEnd = 3;
    EXPECT_EQ(keyOf(QStringLiteral("100201")), QStringLiteral("QXMXZ.cli.reversedperiods"));
    r->hb.iStart = 0;
    EXPECT_EQ(keyOf(QStringLiteral("100201")), QStringLiteral("QXMXZ.cli.badperiod"));
    r->hb.iStart = 1;
    r->hb.iEnd = 13;
    EXPECT_EQ(keyOf(QStringLiteral("100201")), QStringLiteral("QXMXZ.cli.badperiod"));

    // A grid of another kind is refused by name.
    QObject notAGrid;
    r->hb.iEnd = 12;
    r->hb.Grd1 = &notAGrid;
    EXPECT_EQ(keyOf(QStringLiteral("100201")), QStringLiteral("failure"));
}

TEST_P(MergedQuery, ClsGridRowsEmptiesTheWindowsGridAndNeverFails)
{
    auto r = rig();
    r->query(QStringLiteral("1001"), clsMxzHb::enuCodeDigest);
    ASSERT_GT(r->rows(), 0);
    r->hb.ClsGridRows();
    EXPECT_EQ(r->rows(), 0);

    r->form.setProperty("MxzGrid2", QVariant());
    EXPECT_NO_THROW(r->hb.ClsGridRows());
    r->hb.mxForm = nullptr;
    EXPECT_NO_THROW(r->hb.ClsGridRows());
}

INSTANTIATE_TEST_SUITE_P(Backends, MergedQuery, bothBackends(), backendTestName);
