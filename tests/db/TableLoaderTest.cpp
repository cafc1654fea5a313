#include <QDate>
#include <gtest/gtest.h>

#include "install/TableLoader.h"
#include "platform/Failure.h"
#include "platform/values/Currency.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

class TableLoaderTest : public ::testing::TestWithParam<Backend> {};

TEST_P(TableLoaderTest, writesTextExactlyWhateverItHolds)
{
    auto db = test::createScratchDatabase(GetParam());
    const QStringList texts{QStringLiteral("plain"), QStringLiteral("it's"), QStringLiteral("say \"hi\""),
                            QStringLiteral("back\\slash"), QStringLiteral("{braces},comma"), QStringLiteral("NULL"),
                            QString(""), QStringLiteral("合同 HT-001"), QStringLiteral("two\nlines")};
    {
        db::TableLoader loader(*db, QStringLiteral("userdefine"),
                               {QStringLiteral("cid"), QStringLiteral("cValue"), QStringLiteral("cAlias")});
        for (int i = 0; i < texts.size(); ++i)
            loader.add({QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), texts[i], i % 2 ? QVariant() : QVariant(texts[i])});
        loader.finish();
        EXPECT_EQ(loader.rowsWritten(), texts.size());
    }
    RecordSet rs = db->query(QStringLiteral("select cid, cValue, cAlias from userdefine order by cid"));
    for (int i = 0; i < texts.size(); ++i, rs.moveNext()) {
        ASSERT_FALSE(rs.eof());
        EXPECT_EQ(rs.text(QStringLiteral("cValue")), texts[i]) << i;
        EXPECT_EQ(rs.isNull(QStringLiteral("cAlias")), i % 2 == 1) << i;
    }
}

TEST_P(TableLoaderTest, writesMoneyQuantitiesDatesAndNullsExactly)
{
    auto db = test::createScratchDatabase(GetParam());
    {
        db::TableLoader loader(*db, QStringLiteral("gl_calendar"),
                               {QStringLiteral("iyear"), QStringLiteral("iperiod"), QStringLiteral("dbegin"), QStringLiteral("dend")});
        loader.add({2026, 1, QDate(2026, 1, 1), QDate(2026, 1, 31)});
        loader.finish();
    }
    // More rows than one statement takes, to cross a batch boundary.
    const int rows = 2503;
    db->beginTransaction();
    {
        db::TableLoader loader(*db, QStringLiteral("GL_accsum"),
                               {QStringLiteral("iyear"), QStringLiteral("ccode"), QStringLiteral("iperiod"), QStringLiteral("mb"),
                                QStringLiteral("mb_f"), QStringLiteral("nb_s")});
        for (int i = 0; i < rows; ++i)
            loader.add({2026, QStringLiteral("C%1").arg(i, 5, 10, QLatin1Char('0')), 1,
                        QVariant::fromValue(Currency::fromUnits(123456789012345 + i)),
                        i == 7 ? QVariant::fromValue(Currency::fromUnits(-1)) : QVariant::fromValue(Currency()), 0.1 * i});
        loader.finish();
        EXPECT_EQ(loader.rowsWritten(), rows);
    }
    db->commit();
    RecordSet count = db->query(QStringLiteral("select count(*) from GL_accsum"));
    EXPECT_EQ(count.field(0).toInt(), rows);
    RecordSet rs = db->query(QStringLiteral("select mb, mb_f, nb_s from GL_accsum where ccode = 'C00007'"));
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(Currency::fromVariant(rs.field(QStringLiteral("mb"))), Currency::fromUnits(123456789012352));
    EXPECT_EQ(Currency::fromVariant(rs.field(QStringLiteral("mb_f"))), Currency::fromUnits(-1));
    EXPECT_DOUBLE_EQ(rs.field(QStringLiteral("nb_s")).toDouble(), 0.7);
    RecordSet dates = db->query(QStringLiteral("select dbegin, dend from gl_calendar"));
    EXPECT_EQ(dates.field(QStringLiteral("dend")).toDate(), QDate(2026, 1, 31));
}

TEST_P(TableLoaderTest, refusesRowsThatDoNotFitTheColumns)
{
    auto db = test::createScratchDatabase(GetParam());
    db::TableLoader loader(*db, QStringLiteral("dsign"), {QStringLiteral("csign"), QStringLiteral("isignseq")});
    EXPECT_THROW(loader.add({QStringLiteral("收")}), Failure);
    EXPECT_THROW(db::TableLoader(*db, QStringLiteral("dsign"), {QStringLiteral("nosuchcolumn")}).add({1}), Failure);
}

INSTANTIATE_TEST_SUITE_P(Backends, TableLoaderTest, test::bothBackends(), test::backendTestName);

} // namespace
