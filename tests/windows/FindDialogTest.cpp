// Filtering the detail ledger on the demo company: each criterion narrows
// the rows to the lines a query of the voucher table finds, the total row
// sums what stays, undo brings every row back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QLineEdit>

#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/print/PrintSetup.h"
#include "platform/print/PrintTemplate.h"
#include "presentation/ShownAmount.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"
#include "services/ReferenceFilters.h"
#include "windows/ReferenceWindow.h"
#include "windows/frmZYX_Yj.h"
#include "windows/mxfind.h"
#include "windows/mxz.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class FindDialog : public ::testing::Test {
protected:
    void SetUp() override { session = openDemoSession(Backend::Sqlite); }

    std::unique_ptr<mxz> open(const QString &code)
    {
        MxzRequest request;
        request.accountEntries << code + u' ' + session->pub.accountName(code);
        auto window = std::make_unique<mxz>(session->pub, request);
        window->show();
        window->selectAccount(0);
        return window;
    }

    // The posted, valid lines of the year under the account that meet the condition.
    int linesWhere(const QString &code, const QString &condition)
    {
        RecordSet rs = session->pub.database().query(
            QStringLiteral("select count(*) as n from GL_accvouch where iyear = 2026 and ccode like N'") + code
            + QStringLiteral("%' and ibook = 1 and (iflag is null or iflag = 0) and (") + condition + QStringLiteral(")"));
        return rs.field(QStringLiteral("n")).toInt();
    }

    static int visibleLedgerRows(mxz &window)
    {
        GridModel &grid = window.grid();
        int count = 0;
        for (int row = grid.FixedRows(); row < grid.Rows(); ++row)
            if (row != window.rowFilter().totalRow() && grid.RowHeight(row) > 0)
                ++count;
        return count;
    }

    void expectNarrows(const QString &code, const LedgerFindCriteria &criteria, const QString &condition)
    {
        auto window = open(code);
        const int expected = linesWhere(code, condition);
        ASSERT_GT(expected, 0) << condition.toStdString();
        ASSERT_LT(expected, linesWhere(code, QStringLiteral("1 = 1"))) << "the criterion must narrow something";
        EXPECT_EQ(window->filterRows(criteria), expected) << condition.toStdString();
        EXPECT_EQ(visibleLedgerRows(*window), expected) << condition.toStdString();
    }

    std::unique_ptr<TestSession> session;
    ScratchSettings settings;
};

} // namespace

TEST_F(FindDialog, EachCriterionAloneNarrowsToTheLinesOfTheSameQuery)
{
    LedgerFindCriteria c;
    c.customer = QStringLiteral("001");
    expectNarrows(QStringLiteral("1122"), c, QStringLiteral("ccus_id = N'001'"));
    c = {};
    c.summary = QStringLiteral("上海明华");
    expectNarrows(QStringLiteral("1122"), c, QStringLiteral("cdigest like N'%上海明华%'"));
    c = {};
    c.person = QStringLiteral("004");
    expectNarrows(QStringLiteral("6602"), c, QStringLiteral("cperson_id = N'004'"));
    c = {};
    c.department = QStringLiteral("0301");
    expectNarrows(QStringLiteral("6602"), c, QStringLiteral("cdept_id = N'0301'"));
    c = {};
    c.supplier = QStringLiteral("002");
    expectNarrows(QStringLiteral("2202"), c, QStringLiteral("csup_id = N'002'"));
    c = {};
    c.settlementMethod = QStringLiteral("2");
    expectNarrows(QStringLiteral("1002"), c, QStringLiteral("csettle = N'2'"));
    c = {};
    c.voucherType = QStringLiteral("收");
    c.voucherFrom = 1;
    c.voucherTo = 20;
    expectNarrows(QStringLiteral("1122"), c, QStringLiteral("csign = N'收' and ino_id between 1 and 20"));
    c = {};
    c.dateFrom = QDate(2026, 3, 1);
    c.dateTo = QDate(2026, 4, 15);
    expectNarrows(QStringLiteral("1122"), c, QStringLiteral("dbill_date between '2026-03-01' and '2026-04-15'"));
    c = {};
    c.maker = QStringLiteral("李娜");
    expectNarrows(QStringLiteral("6602"), c, QStringLiteral("cbill = N'李娜'"));
    c = {};
    c.counterpart = QStringLiteral("100201");
    expectNarrows(QStringLiteral("1122"), c, QStringLiteral("ccode_equal like N'%100201%'"));
    c = {};
    c.sourceSystem = QStringLiteral("AR");
    expectNarrows(QStringLiteral("1122"), c, QStringLiteral("coutsysname = N'AR'"));
    c = {};
    c.sourceSystem = QStringLiteral("GL");
    expectNarrows(QStringLiteral("1122"), c, QStringLiteral("coutsysname is null or coutsysname = N''"));
    c = {};
    c.amountFrom = Currency::fromInteger(50000);
    c.amountTo = Currency::fromInteger(100000);
    const QString low = session->pub.database().moneyLiteral(*c.amountFrom);
    const QString high = session->pub.database().moneyLiteral(*c.amountTo);
    expectNarrows(QStringLiteral("1122"), c,
                  QStringLiteral("(md <> 0 and md between %1 and %2) or (md = 0 and mc between %1 and %2)").arg(low, high));
}

TEST_F(FindDialog, WithoutCriteriaOnlyRowsWithoutARowKeyAreHiddenAndTheTotalIsOfWhatStays)
{
    auto window = open(QStringLiteral("1122"));
    const int all = linesWhere(QStringLiteral("1122"), QStringLiteral("1 = 1"));
    const int before = window->grid().Rows();
    EXPECT_EQ(window->filterRows({}), all);
    const int total = window->rowFilter().totalRow();
    ASSERT_EQ(total, before);
    GridModel &grid = window->grid();
    EXPECT_EQ(grid.TextMatrix(total, LedgerRowFilter::Summary), session->pub.text(QStringLiteral("R7.GL.QXMXZ.mxfind.sum")));
    Currency debit, credit;
    for (int row = grid.FixedRows(); row < total; ++row) {
        EXPECT_EQ(grid.RowHeight(row) > 0, !grid.TextMatrix(row, LedgerRowFilter::Year).isEmpty()) << row;
        if (grid.RowHeight(row) > 0) {
            debit += *shownAmount(grid.TextMatrix(row, LedgerRowFilter::DebitAmount));
            credit += *shownAmount(grid.TextMatrix(row, LedgerRowFilter::CreditAmount));
        }
    }
    EXPECT_EQ(*shownAmount(grid.TextMatrix(total, LedgerRowFilter::DebitAmount)), debit);
    EXPECT_EQ(*shownAmount(grid.TextMatrix(total, LedgerRowFilter::CreditAmount)), credit);
    RecordSet sums = session->pub.database().query(QStringLiteral(
        "select sum(md) as d, sum(mc) as c from GL_accvouch where iyear = 2026 and ccode like N'1122%' and ibook = 1 and (iflag is null or iflag = 0)"));
    EXPECT_EQ(debit, sums.money(QStringLiteral("d")));
    EXPECT_EQ(credit, sums.money(QStringLiteral("c")));
    // The customer account's lines are in dollars and yuan: no foreign total.
    EXPECT_TRUE(grid.TextMatrix(total, LedgerRowFilter::DebitForeign).isEmpty());

    window->undoFilter();
    EXPECT_EQ(grid.Rows(), before);
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row)
        EXPECT_GT(grid.RowHeight(row), 0) << row;
}

TEST_F(FindDialog, AReversedDateRangeHidesEveryDatedRowAndAZeroDebitIsTestedByItsCredit)
{
    auto window = open(QStringLiteral("1122"));
    LedgerFindCriteria reversed;
    reversed.dateFrom = QDate(2026, 6, 30);
    reversed.dateTo = QDate(2026, 6, 1);
    EXPECT_EQ(window->filterRows(reversed), 0);

    // Receipts are credits of the customer account: their debit shows 0.
    RecordSet credit = session->pub.database().query(QStringLiteral(
        "select mc from GL_accvouch where iyear = 2026 and ccode like N'1122%' and md = 0 and mc > 0 and ibook = 1 order by mc desc"));
    ASSERT_FALSE(credit.eof());
    const Currency amount = credit.money(QStringLiteral("mc"));
    LedgerFindCriteria byAmount;
    byAmount.amountFrom = amount;
    byAmount.amountTo = amount;
    const QString literal = session->pub.database().moneyLiteral(amount);
    const int expected = linesWhere(QStringLiteral("1122"), QStringLiteral("(md = 0 and mc = %1) or md = %1").arg(literal));
    ASSERT_GT(expected, 0);
    EXPECT_EQ(window->filterRows(byAmount), expected);
}

TEST_F(FindDialog, TheDialogRefusesBadEntriesInOrderAndFiltersTheWindow)
{
    auto window = open(QStringLiteral("1122"));
    mxfind dialog(session->pub, window.get());
    dialog.txtBeginDate->setText(QStringLiteral("2026-13-01"));
    dialog.txtKm2->setText(QStringLiteral("no such account"));
    EXPECT_FALSE(dialog.commit());
    ASSERT_EQ(session->messages.messages().size(), 1);
    EXPECT_EQ(session->messages.messages().back().prompt, session->pub.text(QStringLiteral("R7.GL.QXMXZ.mxfind.dateerror")));
    dialog.txtBeginDate->setText(QStringLiteral("2026-03-01"));
    EXPECT_FALSE(dialog.commit());
    EXPECT_EQ(session->messages.messages().back().prompt, session->pub.text(QStringLiteral("R7.GL.QXMXZ.mxfind.00626")));
    dialog.txtKm2->setText(QStringLiteral("100201"));
    dialog.txtNo->setText(QStringLiteral("10000"));
    EXPECT_FALSE(dialog.commit());
    EXPECT_EQ(session->messages.messages().back().prompt, session->pub.text(QStringLiteral("R7.GL.QXMXZ.mxfind.pzhtoobig")));
    EXPECT_EQ(session->messages.messages().back().title, session->pub.text(QStringLiteral("R7.GL.QXMXZ.mxfind.pz")));
    EXPECT_FALSE(window->rowFilter().isFiltered()) << "nothing filtered while an entry is refused";

    dialog.txtNo->clear();
    dialog.cboZD->setCurrentIndex(dialog.cboZD->findText(QStringLiteral("李娜")));
    ASSERT_GT(dialog.cboZD->currentIndex(), 0) << "makers come from the rights of the account set";
    EXPECT_TRUE(dialog.commit());
    EXPECT_EQ(visibleLedgerRows(*window),
              linesWhere(QStringLiteral("1122"), QStringLiteral("dbill_date >= '2026-03-01' and ccode_equal like N'%100201%' and cbill = N'李娜'")));
    dialog.cmdUndo_Click();
    EXPECT_FALSE(window->rowFilter().isFiltered());
}

TEST_F(FindDialog, UserDefinedItemsAreCheckedByTypeAndFilterTheirColumn)
{
    frmZYX_Yj picker(session->pub);
    // Item 5 is an integer, item 1 a text, item 3 a date.
    picker.Text1(4)->setText(QStringLiteral("12a"));
    EXPECT_FALSE(picker.confirm());
    ASSERT_EQ(session->messages.messages().size(), 1);
    EXPECT_EQ(session->messages.messages().back().prompt, session->pub.text(QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.00658")));
    EXPECT_EQ(session->messages.messages().back().buttons, 16);
    picker.Text1(4)->setText(QStringLiteral("12"));
    picker.Text1(2)->setText(QStringLiteral("2026-02-30"));
    EXPECT_FALSE(picker.confirm());
    EXPECT_EQ(session->messages.messages().back().prompt, session->pub.text(QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.00655")));
    picker.Text1(2)->clear();
    picker.Text1(0)->setText(QStringLiteral("12a"));
    EXPECT_TRUE(picker.confirm()) << "any text fits a text item";

    const QList<QStringList> values = picker.referenceValues(1);
    ASSERT_FALSE(values.isEmpty());
    LedgerFindCriteria c;
    c.userDefined[0] = values.front().front();
    expectNarrows(QStringLiteral("1122"), c, QStringLiteral("cDefine1 = N'") + values.front().front() + QStringLiteral("'"));
}

TEST_F(FindDialog, ReferenceListsSearchByCodeOrNameAndPersonsKeepToTheDepartment)
{
    std::unique_ptr<ReferenceWindow> persons(
        ReferenceWindow::forType(session->pub, ReferenceTypes::Person, QStringLiteral("0301"), nullptr));
    RecordSet inDepartment = session->pub.database().query(
        QStringLiteral("select count(*) as n from person where cdepcode like N'%0301%'"));
    EXPECT_EQ(persons->visibleRowCount(), inDepartment.field(QStringLiteral("n")).toInt());
    ASSERT_GT(persons->visibleRowCount(), 0);

    std::unique_ptr<ReferenceWindow> customers(
        ReferenceWindow::forType(session->pub, ReferenceTypes::Customer, QString(), nullptr));
    const int all = customers->visibleRowCount();
    customers->setFilterText(QStringLiteral("上海"));
    EXPECT_GT(customers->visibleRowCount(), 0);
    EXPECT_LT(customers->visibleRowCount(), all);
    customers->setFilterText(QStringLiteral("00"));
    EXPECT_EQ(customers->visibleRowCount(), all) << "every customer code begins with 00";
    customers->choose();
    EXPECT_EQ(customers->chosenCode(), QStringLiteral("001"));
}

TEST_F(FindDialog, ExportsExactlyTheRowsLeftInThePageSetupTheUserChose)
{
    auto window = open(QStringLiteral("1122"));
    LedgerFindCriteria c;
    c.customer = QStringLiteral("001");
    const int left = window->filterRows(c);
    ASSERT_GT(left, 0);
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("filtered.csv"));
    ASSERT_EQ(window->exportTo(csv), 1000);
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    // Two heading rows, the lines left and their total.
    EXPECT_EQ(lines.size(), 2 + left + 1);
    EXPECT_TRUE(lines.back().contains(session->pub.text(QStringLiteral("R7.GL.QXMXZ.mxfind.sum"))));

    PrintTemplate portrait;
    ASSERT_EQ(loadPrintTemplate(QStringLiteral("GLMxzJe"), session->pub.language(), portrait), 1000);
    ASSERT_EQ(portrait.orientation, QPageLayout::Landscape) << "the template's own page is landscape";
    portrait.orientation = QPageLayout::Portrait;
    savePrintSetup(QStringLiteral("GLMxzJe"), QStringLiteral("demo"), portrait);
    const QString pdf = folder.filePath(QStringLiteral("filtered.pdf"));
    ASSERT_EQ(window->exportTo(pdf), 1000);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(60000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(text);
    ASSERT_TRUE(size.hasMatch()) << text.toStdString();
    EXPECT_LT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "portrait, as set up";
}
