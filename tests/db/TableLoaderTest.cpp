#include <QDate>
#include <gtest/gtest.h>

#include "install/TableLoader.h"
#include "platform/Failure.h"
#include "platform/values/Currency.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

class TableLoaderTest : public test::BackendTest {};

TEST_P(TableLoaderTest, writesTextMoneyQuantitiesDatesAndNullsExactly)
{
    auto db = test::createScratchDatabase(GetParam());
    const QStringList texts{QStringLiteral("it's"), QStringLiteral("say \"hi\""), QStringLiteral("back\\slash"),
                            QStringLiteral("{braces},comma\ttab"), QStringLiteral("NULL"), QString(""),
                            QStringLiteral("合同 HT-001"), QStringLiteral("two\nlines")};
    // More rows than one statement takes, to cross a batch boundary.
    const int rows = 2503;
    db->beginTransaction();
    {
        db::TableLoader loader(*db, QStringLiteral("GL_accvouch"),
                               {QStringLiteral("iyear"), QStringLiteral("iperiod"), QStringLiteral("csign"), QStringLiteral("isignseq"),
                                QStringLiteral("ino_id"), QStringLiteral("inid"),
                                QStringLiteral("ccode"), QStringLiteral("cdigest"), QStringLiteral("md"), QStringLiteral("nd_s"),
                                QStringLiteral("dbill_date"), QStringLiteral("cbook")});
        for (int i = 0; i < rows; ++i)
            loader.add({2026, 1, QStringLiteral("记"), 1, i, 1, QStringLiteral("C%1").arg(i, 5, 10, QLatin1Char('0')), texts[i % texts.size()],
                        QVariant::fromValue(Currency::fromUnits(i == 7 ? -1 : 123456789012345 + i)), 0.1 * i,
                        QDate(2026, 1, 1 + i % 31), i % 2 ? QVariant() : QVariant(texts[i % texts.size()])});
        loader.finish();
        EXPECT_EQ(loader.rowsWritten(), rows);
    }
    db->commit();
    EXPECT_EQ(db->query(QStringLiteral("select count(*) from GL_accvouch")).field(0).toInt(), rows);
    RecordSet rs = db->query(QStringLiteral("select ccode, cdigest, md, nd_s, dbill_date, cbook from GL_accvouch order by ino_id"));
    for (int i = 0; i < rows; ++i, rs.moveNext()) {
        ASSERT_FALSE(rs.eof());
        if (i >= 2 * texts.size() && i != 2500 && i != 7)
            continue;
        SCOPED_TRACE(i);
        EXPECT_EQ(rs.text(QStringLiteral("cdigest")), texts[i % texts.size()]);
        EXPECT_EQ(rs.isNull(QStringLiteral("cbook")), i % 2 == 1);
        EXPECT_EQ(rs.money(QStringLiteral("md")), Currency::fromUnits(i == 7 ? -1 : 123456789012345 + i));
        EXPECT_DOUBLE_EQ(rs.field(QStringLiteral("nd_s")).toDouble(), 0.1 * i);
        EXPECT_EQ(rs.field(QStringLiteral("dbill_date")).toDate(), QDate(2026, 1, 1 + i % 31));
    }

    // Rows that do not fit the columns are refused.
    db::TableLoader loader(*db, QStringLiteral("dsign"), {QStringLiteral("csign"), QStringLiteral("isignseq")});
    EXPECT_THROW(loader.add({QStringLiteral("收")}), Failure);
    EXPECT_THROW(db::TableLoader(*db, QStringLiteral("dsign"), {QStringLiteral("nosuchcolumn")}).add({1}), Failure);
}

INSTANTIATE_TEST_SUITE_P(Backends, TableLoaderTest, test::allBackends(), test::backendTestName);

} // namespace
