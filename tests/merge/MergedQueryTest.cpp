// Which ledgers mxzCodeHbQuery writes: nothing without a merge mode, an end
// account as one ledger, a parent as one or, with IsOrder, one per end
// account; and the refusals.
#include <gtest/gtest.h>

#include "MergeRig.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class MergedQuery : public test::BackendTest {
protected:
    std::unique_ptr<MergeRig> rig() { return std::make_unique<MergeRig>(openDemoSession(GetParam())); }
};

} // namespace

TEST_P(MergedQuery, WithoutAMergeModeNothingHappens)
{
    auto r = rig();
    r->grid.AddItem(QStringLiteral("kept"));
    r->hb.setKmCode(QStringLiteral("100201"));
    r->hb.setHbType(clsMxzHb::enuNotHb);
    r->hb.mxzCodeHbQuery();
    EXPECT_EQ(r->rows(), 1);
    EXPECT_EQ(r->hint.refreshCount(), 0);
    EXPECT_EQ(r->hb.ledgersWritten(), 0);

    // Nor does it need the general-ledger object, which a merge does.
    clsMxzHb bare;
    bare.setKmCode(QStringLiteral("100201"));
    EXPECT_NO_THROW(bare.mxzCodeHbQuery());
    bare.setHbType(clsMxzHb::enuKmCode);
    EXPECT_THROW(bare.mxzCodeHbQuery(), Failure);
}

TEST_P(MergedQuery, IsOrderWritesOneLedgerPerEndAccountInCodeOrder)
{
    auto r = rig();
    r->hb.setIsOrder(true);
    r->query(QStringLiteral("1002"), clsMxzHb::enuCodeDigest);
    EXPECT_EQ(r->hb.ledgersWritten(), 4);
    QStringList order;
    for (int row = 0; row < r->rows(); ++row)
        if (kindOf(*r, row) == MergedRow::Voucher && (order.isEmpty() || order.last() != r->cell(row, Code)))
            order << r->cell(row, Code);
    // 100200 was added to the chart after the others: the ledgers still come in code order.
    EXPECT_EQ(order, (QStringList{QStringLiteral("100200"), QStringLiteral("100201"), QStringLiteral("100202"),
                                  QStringLiteral("100203")}));

    r->query(QStringLiteral("100201"), clsMxzHb::enuCodeDigest);
    EXPECT_EQ(r->hb.ledgersWritten(), 1) << "an end account is one ledger";
    r->hb.setIsOrder(false);
    r->query(QStringLiteral("1002"), clsMxzHb::enuCodeDigest);
    EXPECT_EQ(r->hb.ledgersWritten(), 1) << "without IsOrder a parent is one ledger";
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
    const QList<std::tuple<const char *, int, int, const char *>> cases{
        {"9999", 1, 12, "QXMXZ.cli.unknownaccount"},
        {"1001' or '1'='1", 1, 12, "QXMXZ.cli.unknownaccount"},
        {"10%", 1, 12, nullptr},
        {"100201", 5, 3, "QXMXZ.cli.reversedperiods"},
        {"100201", 0, 12, "QXMXZ.cli.badperiod"},
        {"100201", 1, 13, "QXMXZ.cli.badperiod"},
    };
    for (const auto &[code, first, last, key] : cases) {
        r->hb.iStart = quint8(first);
        r->hb.iEnd = quint8(last);
        try {
            r->query(QString::fromLatin1(code), clsMxzHb::enuCodeDigest);
            ADD_FAILURE() << code << " " << first << "-" << last << " was accepted";
        } catch (const Failure &failure) {
            if (key) {
                EXPECT_EQ(failure.key(), QString::fromLatin1(key)) << code;
            }
        }
        EXPECT_TRUE(r->header.isEnabled()) << "a refused query leaves the header usable";
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, MergedQuery, allBackends(), backendTestName);
