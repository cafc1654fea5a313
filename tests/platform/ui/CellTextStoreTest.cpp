#include <gtest/gtest.h>

#include <QList>
#include <QRandomGenerator>
#include <QStringList>

#include "platform/ui/CellTextStore.h"

namespace qxmxz {
namespace {

QStringList storedRow(const CellTextStore &store, qsizetype row)
{
    QStringList cells;
    for (int column = 0; column < store.columnCount(); ++column)
        cells << store.cell(row, column);
    return cells;
}

// A row of mostly empty cells as the ledgers leave them, with texts at
// random places: Latin-1, Chinese, and now and then long ones.
QStringList sparseRow(QRandomGenerator &random, int columns)
{
    const QString texts[] = {QStringLiteral("100201"), QStringLiteral("收到货款"), QStringLiteral("5,622,422.14"),
                             QStringLiteral("记-0089"), QStringLiteral("Café"), QString(200, QChar(u'x')),
                             QString(70, QChar(u'长'))};
    QStringList cells(columns);
    for (int column = 0; column < columns; ++column)
        if (random.bounded(4) == 0)
            cells[column] = texts[random.bounded(int(std::size(texts)))];
    return cells;
}

void insertRow(CellTextStore &store, qsizetype at, const QStringList &cells)
{
    QList<QStringView> views(cells.begin(), cells.end());
    store.insertRow(at, views.data(), int(views.size()));
}

// Runs of empty cells of every length, between texts, at the start and
// before the last cell, read back cell by cell and through each change.
TEST(CellTextStore, emptyCellsOfAnyRunReadBackBetweenTheirTexts)
{
    CellTextStore store;
    store.setColumnCount(400);
    QList<QStringList> rows;
    for (int run : {1, 2, 3, 127, 128, 129, 300, 398}) {
        QStringList cells(400);
        cells[0] = QStringLiteral("first");
        cells[1 + run] = QStringLiteral("after %1").arg(run);
        cells[399] = QStringLiteral("last");
        rows << cells;
        QStringList leading(400);
        leading[run] = QStringLiteral("lead");
        rows << leading;
    }
    for (const QStringList &cells : std::as_const(rows))
        insertRow(store, store.rowCount(), cells);
    for (qsizetype row = 0; row < rows.size(); ++row)
        EXPECT_EQ(storedRow(store, row), rows[row]) << "row " << row;

    // A text written into a run splits it; emptying a text joins two runs.
    store.setCell(4, 60, QStringLiteral("inside"));
    rows[4][60] = QStringLiteral("inside");
    store.setCell(0, 3, QString()); // "after 2" ends in column 3
    rows[0][3] = QString();
    store.setCell(1, 0, QStringLiteral("ahead"));
    rows[1][0] = QStringLiteral("ahead");
    for (qsizetype row = 0; row < rows.size(); ++row)
        EXPECT_EQ(storedRow(store, row), rows[row]) << "row " << row;

    // Dropping columns cuts runs and texts alike.
    store.setColumnCount(100);
    for (qsizetype row = 0; row < rows.size(); ++row)
        EXPECT_EQ(storedRow(store, row), rows[row].mid(0, 100)) << "row " << row;
}

// Many rows rewritten at random against a plain list of the same texts:
// reading, rewriting and reclaiming old records never mix up a cell.
TEST(CellTextStore, rowsRewrittenAtRandomMatchAPlainListOfTheirTexts)
{
    QRandomGenerator random(20261210);
    constexpr int columns = 53;
    CellTextStore store;
    store.setColumnCount(columns);
    QList<QStringList> rows;
    for (int i = 0; i < 3000; ++i) {
        const QStringList cells = sparseRow(random, columns);
        const qsizetype at = random.bounded(int(rows.size()) + 1);
        insertRow(store, at, cells);
        rows.insert(at, cells);
    }
    for (int change = 0; change < 30000; ++change) {
        const qsizetype row = random.bounded(int(rows.size()));
        const int column = random.bounded(columns);
        const QString text = random.bounded(2) ? QString() : sparseRow(random, 8).join(QString());
        store.setCell(row, column, text);
        rows[row][column] = text;
        if (change % 5000 == 0) {
            const qsizetype from = random.bounded(int(rows.size()) - 10);
            store.removeRows(from, 10);
            rows.remove(from, 10);
        }
    }
    ASSERT_EQ(store.rowCount(), rows.size());
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (storedRow(store, row) != rows[row]) {
            ADD_FAILURE() << "row " << row << ": " << storedRow(store, row).join(u'|').toStdString() << " instead of "
                          << rows[row].join(u'|').toStdString();
            break;
        }
    }
}

// A ledger row of fifty-odd columns, forty of them empty, takes little
// more than its texts.
TEST(CellTextStore, aSparseLedgerRowTakesLittleMoreThanItsTexts)
{
    QStringList cells(52);
    cells[0] = QStringLiteral("01");
    cells[1] = QStringLiteral("02");
    cells[2] = QStringLiteral("100201");
    cells[3] = QStringLiteral("ICBC basic account");
    cells[4] = QStringLiteral("5,622,422.14");
    cells[18] = QStringLiteral("Dr");
    cells[51] = QStringLiteral("1");
    const qsizetype texts = cells.join(QString()).size(); // all Latin-1: a byte each
    CellTextStore store;
    store.setColumnCount(52);
    const qsizetype empty = store.byteSize();
    constexpr int rows = 100000;
    for (int row = 0; row < rows; ++row)
        insertRow(store, row, cells);
    const double perRow = double(store.byteSize() - empty) / rows;
    // The texts, a length byte each, the count, two runs of two bytes, and
    // the row's place in the index with the slack of its growth (8 + 8).
    EXPECT_LT(perRow, double(texts + 7 + 1 + 4 + 16 + 4)) << "bytes per row";
    EXPECT_EQ(storedRow(store, rows - 1), cells);
}

} // namespace
} // namespace qxmxz
