// The detail-ledger window on the demo company, driven as a user drives it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QFileInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/outside/GlPublic.h"
#include "platform/print/PageHeadingTables.h"
#include "platform/sql/Connection.h"
#include "platform/ui/GridAlignment.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "presentation/LedgerGridLayout.h"
#include "support/LedgerCells.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"
#include "windows/BandHeaderView.h"
#include "windows/LedgerGridView.h"
#include "windows/LedgerToolbar.h"
#include "windows/ToolWindow.h"
#include "windows/frmKJYL.h"
#include "windows/mxz.h"
#include "windows/zzmain.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class MxzWindow : public ::testing::Test {
protected:
    void SetUp() override { session = openDemoSession(Backend::Sqlite); }

    std::unique_ptr<mxz> open(const QString &code, BookStyle style = BookStyle::Je)
    {
        MxzRequest request;
        request.accountEntries << code + u' ' + session->pub.accountName(code);
        request.style = style;
        auto window = std::make_unique<mxz>(session->pub, request);
        window->show();
        return window;
    }

    // Runs `during` once from inside the window's run, as a click the user
    // makes while the ledger is being computed.
    void whileRunning(mxz &window, std::function<void()> during)
    {
        bool done = false;
        QTimer::singleShot(0, &window, [&] {
            during();
            done = true;
        });
        window.selectAccount(0);
        ASSERT_TRUE(done) << "the window did not let events through during the run";
    }

    ScratchSettings settings;
    std::unique_ptr<TestSession> session;
};

TEST_F(MxzWindow, ShowsTheLedgerUnderBandsWithAmountsRightAligned)
{
    auto window = open(QStringLiteral("100202"), BookStyle::Wb);
    window->selectAccount(0);
    GridModel &grid = window->grid();
    ASSERT_GT(grid.Rows(), 10);
    EXPECT_EQ(grid.TextMatrix(0, Code), QStringLiteral("100202"));
    // Debit amount, foreign amount and balance each sit under a band.
    BandHeaderView *header = window->gridView()->bandHeader();
    for (const int column : {int(Debit), int(Credit), int(Balance)}) {
        EXPECT_GE(header->bandPositionOver(column), 0) << column;
        EXPECT_FALSE(header->isSectionHidden(column)) << column;
    }
    int voucherRow = -1;
    for (int row = 0; row < grid.Rows() && voucherRow < 0; ++row)
        if (!grid.TextMatrix(row, Voucher).isEmpty())
            voucherRow = row;
    ASSERT_GE(voucherRow, 0);
    const int alignment = grid.data(grid.index(voucherRow, Balance), Qt::TextAlignmentRole).toInt();
    EXPECT_TRUE(alignment & Qt::AlignRight);
    // No amount is cut: each shown column is as wide as its texts need.
    for (int column = 0; column < grid.Cols(); ++column) {
        if (!header->isSectionHidden(column)) {
            EXPECT_GE(header->sectionSize(column), window->gridView()->contentWidth(column)) << column;
        }
    }
}

// Every cell of the grid, row by row.
QList<QStringList> cellsOf(const GridModel &grid)
{
    QList<QStringList> rows;
    for (int row = 0; row < grid.Rows(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid.Cols(); ++column)
            cells << grid.TextMatrix(row, column);
        rows << cells;
    }
    return rows;
}

// The merged ledger as a host without a window has it filled: its own grid
// under the window's layout.
QList<QStringList> headlessMerged(GlPublic &pub, const QString &code, clsMxzHb::mxzHbType type, int first, int last)
{
    GridModel grid;
    HeaderModel header;
    HintState hint, quantity, currency;
    StopButtonState stop;
    qint16 columnOption = 1; // by code: the account columns show
    LayOutLedgerGrid(pub, grid, header, BookStyles::text(BookStyle::Je), columnOption, 4, LedgerLayoutFlags{});
    clsMxzHb hb(pub);
    hb.Grd1 = &grid;
    hb.mxHeader = &header;
    hb.lblHint = &hint;
    hb.lblSl = &quantity;
    hb.lblWb = &currency;
    hb.cmdStop = &stop;
    hb.iStart = quint8(first);
    hb.iEnd = quint8(last);
    hb.setHbType(type);
    hb.setKmCode(code);
    hb.mxzCodeHbQuery(0);
    return cellsOf(grid);
}

TEST_F(MxzWindow, TheMergeChosenInTheWindowShowsTheMergeObjectsLedger)
{
    const QString code = QStringLiteral("1122");
    auto window = open(code);
    window->selectAccount(0);
    const QList<QStringList> lines = cellsOf(window->grid());
    ASSERT_GT(lines.size(), 10);

    auto *merge = window->findChild<QComboBox *>(QStringLiteral("cboHb"));
    ASSERT_NE(merge, nullptr);
    for (const clsMxzHb::mxzHbType type : {clsMxzHb::enuCodeDigest, clsMxzHb::enuKmCode}) {
        const int index = merge->findData(int(type));
        ASSERT_GE(index, 0) << type;
        merge->setCurrentIndex(index);
        emit merge->activated(index);
        EXPECT_EQ(window->mergeObject().HbType(), type);
        EXPECT_EQ(window->mergeObject().KmCode(), code);
        const QList<QStringList> merged = cellsOf(window->grid());
        const QList<QStringList> expected = headlessMerged(session->pub, code, type, 1, 12);
        ASSERT_GT(expected.size(), 3) << type;
        EXPECT_EQ(merged, expected) << type;
        EXPECT_NE(merged, lines) << type;
    }

    // The conditions of the dialog reach the merge object as well.
    MxzConditions conditions;
    conditions.m1 = conditions.m2 = 3;
    conditions.accountEntries = window->accountEntries();
    window->applyConditions(conditions);
    EXPECT_EQ(window->mergeObject().iStart, 3);
    EXPECT_EQ(window->mergeObject().iEnd, 3);
    EXPECT_EQ(cellsOf(window->grid()), headlessMerged(session->pub, code, clsMxzHb::enuKmCode, 3, 3));

    // Not merged again: one row per voucher line, as before.
    window->selectMerging(clsMxzHb::enuNotHb);
    conditions.m1 = 1;
    conditions.m2 = 12;
    window->applyConditions(conditions);
    EXPECT_EQ(cellsOf(window->grid()), lines);
}

TEST_F(MxzWindow, CommandsAndCloseDuringARunAreRefused)
{
    auto window = open(QStringLiteral("100201"));
    bool readyDuringRun = true;
    whileRunning(*window, [&] {
        readyDuringRun = window->isReady();
        window->runCommand(QStringLiteral("锁定"));
        window->close();
    });
    EXPECT_FALSE(readyDuringRun);
    EXPECT_FALSE(window->gridView()->isLocked());
    EXPECT_TRUE(window->isVisible());
    EXPECT_GT(window->grid().Rows(), 0);
    // Ready again: the same commands now act.
    window->runCommand(QStringLiteral("锁定"));
    EXPECT_TRUE(window->gridView()->isLocked());
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MxzWindow, StopEndsTheRunWithTheRowsSoFarAndAUsableWindow)
{
    auto full = open(QStringLiteral("100201"));
    full->selectAccount(0);
    const int allRows = full->grid().Rows();
    full->close();

    auto window = open(QStringLiteral("100201"));
    window->engine().bPageLines = 5;
    whileRunning(*window, [&] { window->pressStop(); });
    EXPECT_TRUE(window->engine().stoppedByUser());
    EXPECT_LT(window->grid().Rows(), allRows);
    EXPECT_TRUE(window->isReady());
    window->selectAccount(0);
    EXPECT_EQ(window->grid().Rows(), allRows);
}

TEST_F(MxzWindow, BothToolbarsRunTheSameCommandForEveryKey)
{
    QStringList classicKeys, enhancedKeys;
    for (const bool enhanced : {false, true}) {
        LedgerToolbar toolbar(session->pub, enhanced);
        QStringList &seen = enhanced ? enhancedKeys : classicKeys;
        QObject::connect(&toolbar, &LedgerToolbar::commandRequested, [&](const QString &key) { seen << key; });
        for (const QString &key : LedgerToolbar::keys())
            if (!key.isEmpty()) {
                ASSERT_NE(toolbar.button(key), nullptr) << key.toStdString();
                EXPECT_FALSE(toolbar.button(key)->icon().isNull()) << key.toStdString();
                toolbar.click(key);
            }
    }
    EXPECT_EQ(classicKeys.size(), 12);
    EXPECT_EQ(classicKeys, enhancedKeys);
    // The lock button toggles the lock of the grid.
    auto window = open(QStringLiteral("100201"));
    window->selectAccount(0);
    window->toolbar()->click(QStringLiteral("锁定"));
    EXPECT_TRUE(window->gridView()->isLocked());
    window->toolbar()->click(QStringLiteral("锁定"));
    EXPECT_FALSE(window->gridView()->isLocked());
}

TEST_F(MxzWindow, EachStyleKeepsItsOwnColumnWidths)
{
    auto window = open(QStringLiteral("100201"));
    window->selectAccount(0);
    window->header().setWidth(Digest, 333);
    window->selectStyle(BookStyle::Sl);
    window->header().setWidth(Digest, 222);
    window->selectStyle(BookStyle::Je);
    EXPECT_EQ(window->header().width(Digest), 333);
    window->selectStyle(BookStyle::Sl);
    EXPECT_EQ(window->header().width(Digest), 222);
    // The lock survives a style switch.
    window->runCommand(QStringLiteral("锁定"));
    window->selectStyle(BookStyle::Je);
    EXPECT_TRUE(window->gridView()->isLocked());
}

TEST_F(MxzWindow, ADoubleClickOnAVoucherRowShowsThatVouchersLines)
{
    auto window = open(QStringLiteral("100201"));
    window->selectAccount(0);
    GridModel &grid = window->grid();
    int row = 0;
    while (row < grid.Rows() && grid.TextMatrix(row, Voucher).isEmpty())
        ++row;
    ASSERT_LT(row, grid.Rows());
    const QString voucher = grid.TextMatrix(row, Voucher); // "付-0005"
    const int period = grid.TextMatrix(row, Year).toInt();
    RecordSet lines = session->pub.database().query(
        QStringLiteral("select count(*) as n from gl_accvouch where iyear=2026 and iperiod=%1 and csign=N'%2' and ino_id=%3 "
                       "and (iflag is null or iflag=2)")
            .arg(period)
            .arg(voucher.section(u'-', 0, 0))
            .arg(voucher.section(u'-', 1).toInt()));
    const int expected = lines.field(QStringLiteral("n")).toInt();
    lines.close();
    ASSERT_GT(expected, 1);

    int shownLines = -1;
    QString shownCodes;
    QTimer::singleShot(50, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto *table = dialog->findChild<QTableWidget *>();
        ASSERT_NE(table, nullptr);
        shownLines = table->rowCount();
        for (int r = 0; r < table->rowCount(); ++r)
            shownCodes += table->item(r, 0)->text() + u' ';
        dialog->close();
    });
    const QModelIndex cell = grid.index(row, Digest);
    // A first click makes the row current (and the grid's current row), the
    // double click on it opens its voucher.
    QSignalSpy clicks(window->gridView(), &QAbstractItemView::doubleClicked);
    QTest::mouseClick(window->gridView()->viewport(), Qt::LeftButton, {},
                      window->gridView()->visualRect(cell).center());
    QTest::mouseDClick(window->gridView()->viewport(), Qt::LeftButton, {},
                       window->gridView()->visualRect(cell).center());
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_EQ(shownLines, expected);
    EXPECT_TRUE(shownCodes.contains(QStringLiteral("100201")));
}

TEST_F(MxzWindow, ExportWritesWhatTheGridShowsAndNeedsTheExportRight)
{
    QTemporaryDir folder;
    auto window = open(QStringLiteral("100201"));
    window->selectAccount(0);
    for (const QString &name : {QStringLiteral("ledger.xlsx"), QStringLiteral("ledger.csv"), QStringLiteral("ledger.pdf")}) {
        EXPECT_EQ(window->exportTo(folder.filePath(name)), 1000) << name.toStdString();
        EXPECT_GT(QFileInfo(folder.filePath(name)).size(), 1000) << name.toStdString();
    }
    // The CSV holds one line per grid row under the two heading lines.
    QFile csv(folder.filePath(QStringLiteral("ledger.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count('\n'), window->grid().Rows() + 2);

    // The page heading went through two new page-header tables of the local working database.
    const QStringList tables = window->printTables();
    ASSERT_EQ(tables.size(), 2);
    EXPECT_TRUE(tables[0].startsWith(QStringLiteral("mxzprn")) && tables[1].startsWith(QStringLiteral("mxzprn")));
    EXPECT_NE(tables[0], tables[1]);
    const PageHeading heading = readPageHeadingTables(session->pub.localDatabase(), tables[0], tables[1]);
    EXPECT_EQ(heading.field(false, 1), session->pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.mxz")));
    EXPECT_TRUE(heading.field(false, 2).endsWith(QStringLiteral("(") + window->findChild<QComboBox *>(QStringLiteral("cboKm"))->currentText() + u')'))
        << heading.field(false, 2).toStdString();
    EXPECT_EQ(heading.field(false, 3), window->findChild<QLabel *>(QStringLiteral("lblmonth2"))->text());
    EXPECT_TRUE(heading.field(true, 3).endsWith(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    const QList<QStringList> top = readTextTable(session->pub.localDatabase(), tables[0], 6);
    EXPECT_EQ(top.size(), 1);

    // zhou may print but not export: nothing is written.
    session = openDemoSession(Backend::Sqlite, QStringLiteral("zhou"));
    auto refused = open(QStringLiteral("100201"));
    refused->selectAccount(0);
    ASSERT_GT(refused->grid().Rows(), 0);
    EXPECT_NE(refused->exportTo(folder.filePath(QStringLiteral("refused.xlsx"))), 1000);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("refused.xlsx"))));
    EXPECT_FALSE(session->messages.messages().isEmpty());
}

TEST_F(MxzWindow, AnAccountTheUserMayNotReadShowsNoFigures)
{
    // li may not read 1122: neither window shows a figure of it.
    session = openDemoSession(Backend::Sqlite, QStringLiteral("li"));
    auto window = open(QStringLiteral("1122"));
    window->selectAccount(0);
    EXPECT_EQ(window->grid().Rows(), 0);
    ASSERT_FALSE(session->messages.messages().isEmpty());
    EXPECT_TRUE(session->messages.messages().last().prompt.contains(QStringLiteral("1122")));

    zzmain general(session->pub, QStringList{QStringLiteral("1122 ") + session->pub.accountName(QStringLiteral("1122"))},
                   BookStyle::Je, false);
    general.selectAccount(0);
    EXPECT_EQ(general.grid().Rows(), 2) << "the heading rows only";
}

TEST_F(MxzWindow, TheCalendarListsTwelvePeriodsWithTheirDates)
{
    frmKJYL calendar(session->pub);
    QTableWidget *grid = calendar.MsGrid1();
    ASSERT_EQ(grid->rowCount(), 12);
    for (int period = 1; period <= 12; ++period) {
        EXPECT_EQ(grid->item(period - 1, 1)->text(), session->pub.calendar().begin(period).toString(QStringLiteral("yyyy.MM.dd")));
        EXPECT_EQ(grid->item(period - 1, 2)->text(), session->pub.calendar().end(period).toString(QStringLiteral("yyyy.MM.dd")));
    }
}

} // namespace

TEST(ToolWindowKey, F9OpensTheToolWindowAtTheLedger)
{
    ScratchSettings settings;
    auto session = openDemoSession(Backend::Sqlite);
    MxzRequest request;
    request.accountEntries << QStringLiteral("1403 ") + session->pub.accountName(QStringLiteral("1403"));
    mxz window(session->pub, request);
    window.show();
    QTest::keyClick(&window, Qt::Key_F9);
    auto *tool = window.findChild<ToolWindow *>();
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(tool->isVisible());
    EXPECT_EQ(tool->windowTitle(), session->pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.00323")));
    tool->setExpression(QStringLiteral("1,200.50*3-88"));
    EXPECT_EQ(tool->resultText(), QStringLiteral("3,513.50"));
    tool->close();
}
