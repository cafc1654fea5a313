#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CommandRun.h"
#include "support/Printers.h"

using namespace qxmxz;
using test::CommandRun;

namespace {

class LedgerCommands : public test::BackendTest {
protected:
    CommandRun run(const QStringList &arguments) { return test::runOnDemo(GetParam(), arguments); }
};

} // namespace

TEST_P(LedgerCommands, TheRawDetailLedgerAsJsonCarriesTheWorkingTableColumns)
{
    const CommandRun r = run({QStringLiteral("detail"), QStringLiteral("1001"), QStringLiteral("--format"), QStringLiteral("json"),
                       QStringLiteral("--to"), QStringLiteral("3"), QStringLiteral("--raw")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_GT(rows.size(), 5);
    const QJsonObject first = rows.first().toObject();
    for (const char *key : {"Yue", "Ri", "PzId", "cDigest", "Smd", "Smc", "Scendd_c", "Smend"})
        EXPECT_TRUE(first.contains(QString::fromLatin1(key))) << key;
    EXPECT_EQ(first.value(QStringLiteral("ccode")).toString(), QStringLiteral("1001"));
    EXPECT_EQ(rows.last().toObject().value(QStringLiteral("Yue")).toString(), QStringLiteral("03"));
}

TEST_P(LedgerCommands, TheTableShowsTheColumnsOfTheBookStyleInTheChosenLanguage)
{
    const CommandRun amount = run({QStringLiteral("--lang"), QStringLiteral("en-US"), QStringLiteral("detail"),
                            QStringLiteral("100202"), QStringLiteral("--to"), QStringLiteral("1")});
    ASSERT_EQ(amount.code, 0) << amount.err.toStdString();
    const QString headings = amount.out.section(u'\n', 0, 0);
    EXPECT_TRUE(headings.contains(QStringLiteral("Description"))) << headings.toStdString();
    const CommandRun foreign = run({QStringLiteral("--lang"), QStringLiteral("en-US"), QStringLiteral("detail"),
                             QStringLiteral("100202"), QStringLiteral("--to"), QStringLiteral("1"), QStringLiteral("--style"),
                             QStringLiteral("wb")});
    ASSERT_EQ(foreign.code, 0) << foreign.err.toStdString();
    // The foreign-currency style adds the rate and the foreign amounts to the amount style.
    EXPECT_GT(foreign.out.section(u'\n', 0, 0).size(), headings.size());
    EXPECT_TRUE(foreign.out.contains(QStringLiteral("Dr")) || foreign.out.contains(QStringLiteral("Cr")));
}

TEST_P(LedgerCommands, TheMonthlyLedgerListsTheRangeWithItsAncestors)
{
    const CommandRun r = run({QStringLiteral("monthly"), QStringLiteral("222101"), QStringLiteral("--grade"), QStringLiteral("2"),
                       QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("--to"), QStringLiteral("2")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral(",222101,"))) << "the ancestor of grade 2";
    EXPECT_TRUE(r.out.contains(QStringLiteral(",22210101,")));
    EXPECT_FALSE(r.out.contains(QStringLiteral(",2221,"))) << "grade 1 lies above the chosen first grade";
}

TEST_P(LedgerCommands, BadInputIsRefusedWithAClearMessageAndNoFile)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("ledger.csv"));
    struct Case {
        QStringList arguments;
        int code;
    };
    const QList<Case> cases{
        {{QStringLiteral("detail"), QStringLiteral("9999")}, 1},
        {{QStringLiteral("detail"), QStringLiteral("1001' or '1'='1")}, 1},
        {{QStringLiteral("detail"), QStringLiteral("10%")}, 1},
        {{QStringLiteral("detail"), QStringLiteral("1001"), QStringLiteral("--from"), QStringLiteral("5"), QStringLiteral("--to"), QStringLiteral("3")}, 1},
        {{QStringLiteral("detail"), QStringLiteral("1001"), QStringLiteral("--from"), QStringLiteral("13")}, 1},
        {{QStringLiteral("detail"), QStringLiteral("1001"), QStringLiteral("--from"), QStringLiteral("2026-13-01")}, 1},
        {{QStringLiteral("detail"), QStringLiteral("1001"), QStringLiteral("--style"), QStringLiteral("xx")}, 2},
        {{QStringLiteral("--year"), QStringLiteral("2019"), QStringLiteral("detail"), QStringLiteral("1001")}, 1},
        {{QStringLiteral("detail"), QStringLiteral("1001"), QStringLiteral("--nosuch")}, 2},
        {{QStringLiteral("nosuch")}, 2},
    };
    for (const Case &c : cases) {
        const CommandRun r = run(c.arguments + QStringList{QStringLiteral("--out"), file});
        EXPECT_EQ(r.code, c.code) << c.arguments.join(u' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_FALSE(r.err.trimmed().isEmpty()) << c.arguments.join(u' ').toStdString();
        EXPECT_FALSE(QFile::exists(file)) << c.arguments.join(u' ').toStdString();
    }
    const CommandRun good = run({QStringLiteral("detail"), QStringLiteral("1001"), QStringLiteral("--out"), file});
    EXPECT_EQ(good.code, 0) << good.err.toStdString();
    EXPECT_TRUE(QFile::exists(file));
}

TEST_P(LedgerCommands, TimingsReportTheFirstPageTheWholeLedgerAndTheRows)
{
    const CommandRun r = run({QStringLiteral("--lang"), QStringLiteral("en-US"), QStringLiteral("detail"), QStringLiteral("100201"),
                       QStringLiteral("--timings"), QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const int dataRows = int(r.out.count(QStringLiteral("\r\n"))) - 1;
    EXPECT_TRUE(r.err.contains(QStringLiteral("%1 rows").arg(dataRows))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("First page in"))) << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Backends, LedgerCommands, test::allBackends(), test::backendTestName);
