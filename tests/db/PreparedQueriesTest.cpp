#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/values/Currency.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

// Queries that differ only in their compared values share one prepared
// statement; their answers must be those of the statement run as written.
class PreparedQueriesTest : public test::BackendTest {};

QStringList rowsOf(RecordSet rs)
{
    QStringList rows;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList cells;
        for (int i = 0; i < rs.fieldCount(); ++i)
            cells << (rs.field(i).isNull() ? QStringLiteral("<null>") : rs.field(i).toString());
        rows << cells.join(u'|');
    }
    return rows;
}

QString voucherQuery(const QString &code, int period)
{
    return QStringLiteral("(select ccode,cexch_name,Sum(md) as md from gl_accvouch where iyear=2026 and ccode = N'") + code
           + QStringLiteral("' and iperiod = ") + QString::number(period)
           + QStringLiteral(" group by ccode,cexch_name having(Sum(md) <> 0)) union all (select ccode,cexch_name,Sum(mc) as md "
                            "from gl_accvouch where iyear=2026 and ccode = N'")
           + code + QStringLiteral("' and iperiod = ") + QString::number(period)
           + QStringLiteral(" group by ccode,cexch_name having(Sum(mc) <> 0))");
}

} // namespace

TEST_P(PreparedQueriesTest, aRepeatedShapeAnswersAsEachStatementWritten)
{
    auto db = test::openDemo(GetParam());
    int nonEmpty = 0;
    for (const QString &code : {QStringLiteral("100201"), QStringLiteral("100202"), QStringLiteral("1122"), QStringLiteral("6001")})
        for (int period = 1; period <= 4; ++period) {
            const QString sql = voucherQuery(code, period);
            // A forward cursor runs the text as written.
            const QStringList written = rowsOf(db->query(sql, RecordSet::Cursor::Forward));
            EXPECT_EQ(rowsOf(db->query(sql)), written) << sql.toStdString();
            nonEmpty += written.isEmpty() ? 0 : 1;
        }
    EXPECT_GT(nonEmpty, 4); // the comparison saw real figures
}

TEST_P(PreparedQueriesTest, aCraftedValueStaysOneValue)
{
    auto db = test::openDemo(GetParam());
    EXPECT_TRUE(db->query(QStringLiteral("select ccode from code where ccode = N'1001'' or ''1''=''1' and iyear = 2026")).eof());
    EXPECT_FALSE(db->query(QStringLiteral("select ccode from code where ccode = N'1001' and iyear = 2026")).eof());
    // The same shape with a date the dialect rewrites, and a value with a quote.
    RecordSet dated = db->query(
        QStringLiteral("select count(*) as n from gl_accvouch where iyear = 2026 and dbill_date <= N'1-31-2026' and iperiod = 1"));
    EXPECT_GT(dated.field(QStringLiteral("n")).toInt(), 0);
    EXPECT_TRUE(db->query(QStringLiteral("select ccode from code where ccode_name = N'O''Neil' and iyear = 2026")).eof());
}

TEST_P(PreparedQueriesTest, aRefusedStatementNamesItselfAndTheConnectionGoesOn)
{
    auto db = test::openDemo(GetParam());
    try {
        db->query(QStringLiteral("select nosuch from gl_accvouch where iyear = 2026"));
        FAIL() << "a query of an unknown column ran";
    } catch (const Failure &failure) {
        EXPECT_TRUE(failure.detail().contains(QStringLiteral("nosuch"))) << failure.detail().toStdString();
    }
    EXPECT_FALSE(db->query(QStringLiteral("select ccode from code where iyear = 2026 and bend = 1")).eof());
}

INSTANTIATE_TEST_SUITE_P(Backends, PreparedQueriesTest, test::allBackends(), test::backendTestName);
