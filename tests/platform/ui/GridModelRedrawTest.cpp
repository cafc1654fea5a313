#include <gtest/gtest.h>

#include "platform/ui/GridModel.h"

namespace qxmxz {
namespace {

// Watches a grid the way a view does: it only knows the rows announced to it
// and checks that every announcement fits what it knows. `events` is what it
// was told, `problems` every announcement a view could not have followed.
class ViewMirror {
public:
    explicit ViewMirror(GridModel &grid)
        : m_grid(grid), rows(grid.rowCount()), columns(grid.columnCount())
    {
        QObject::connect(&grid, &QAbstractItemModel::rowsAboutToBeInserted, [this](const QModelIndex &, int first, int) {
            expect(m_grid.rowCount() == rows, "row count moved before rowsAboutToBeInserted");
            expect(first >= 0 && first <= rows, "rows inserted outside the known rows");
        });
        QObject::connect(&grid, &QAbstractItemModel::rowsInserted, [this](const QModelIndex &, int first, int last) {
            rows += last - first + 1;
            expect(m_grid.rowCount() == rows, "row count does not match rowsInserted");
            events << QStringLiteral("insert %1..%2").arg(first).arg(last);
        });
        QObject::connect(&grid, &QAbstractItemModel::rowsAboutToBeRemoved, [this](const QModelIndex &, int first, int last) {
            expect(m_grid.rowCount() == rows, "row count moved before rowsAboutToBeRemoved");
            expect(first >= 0 && last < rows, "rows removed outside the known rows");
        });
        QObject::connect(&grid, &QAbstractItemModel::rowsRemoved, [this](const QModelIndex &, int first, int last) {
            rows -= last - first + 1;
            expect(m_grid.rowCount() == rows, "row count does not match rowsRemoved");
            events << QStringLiteral("remove %1..%2").arg(first).arg(last);
        });
        QObject::connect(&grid, &QAbstractItemModel::columnsInserted, [this](const QModelIndex &, int first, int last) {
            columns += last - first + 1;
            expect(m_grid.columnCount() == columns, "column count does not match columnsInserted");
            events << QStringLiteral("insert columns %1..%2").arg(first).arg(last);
        });
        QObject::connect(&grid, &QAbstractItemModel::columnsRemoved, [this](const QModelIndex &, int first, int last) {
            columns -= last - first + 1;
            expect(m_grid.columnCount() == columns, "column count does not match columnsRemoved");
            events << QStringLiteral("remove columns %1..%2").arg(first).arg(last);
        });
        QObject::connect(&grid, &QAbstractItemModel::dataChanged,
                         [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                             expect(topLeft.isValid() && bottomRight.isValid(), "dataChanged with an invalid index");
                             expect(bottomRight.row() < rows && bottomRight.column() < columns,
                                    "dataChanged outside the known rows");
                             QStringList names;
                             for (int role : roles)
                                 names << (role == Qt::DisplayRole         ? QStringLiteral("text")
                                               : role == Qt::TextAlignmentRole ? QStringLiteral("alignment")
                                               : role == GridModel::BackgroundRgbRole ? QStringLiteral("colour")
                                                                                      : QString::number(role));
                             events << QStringLiteral("data %1..%2 x %3..%4 %5")
                                           .arg(topLeft.row())
                                           .arg(bottomRight.row())
                                           .arg(topLeft.column())
                                           .arg(bottomRight.column())
                                           .arg(names.join(u','));
                         });
        QObject::connect(&grid, &QAbstractItemModel::headerDataChanged, [this](Qt::Orientation orientation, int first, int last) {
            if (orientation == Qt::Vertical)
                expect(last < rows, "row heights announced for rows a view does not have");
            events << QStringLiteral("%1 header %2..%3")
                          .arg(orientation == Qt::Vertical ? QStringLiteral("row") : QStringLiteral("column"))
                          .arg(first)
                          .arg(last);
        });
        QObject::connect(&grid, &QAbstractItemModel::modelReset, [this] {
            rows = m_grid.rowCount();
            columns = m_grid.columnCount();
            events << QStringLiteral("reset");
        });
    }

    // What a view painting every row it knows would show in one column.
    QStringList shownColumn(int column) const
    {
        QStringList cells;
        for (int row = 0; row < rows; ++row)
            cells << m_grid.data(m_grid.index(row, column)).toString();
        return cells;
    }

    QStringList events;
    QStringList problems;

private:
    void expect(bool ok, const char *problem)
    {
        if (!ok)
            problems << QString::fromLatin1(problem);
    }

    GridModel &m_grid;

public:
    int rows;
    int columns;
};

TEST(GridModelRedraw, withRedrawOnEveryChangeIsAnnouncedAtOnce)
{
    GridModel grid;
    ViewMirror view(grid);
    grid.setCols(3);
    grid.AddItem(QStringLiteral("a\tb\tc"));
    grid.AddItem(QStringLiteral("d\te\tf"));
    grid.setTextMatrix(0, 1, QStringLiteral("B"));
    grid.setCellAlignment(1, 2, GridAlignment::rightCentre);
    grid.setCellBackColor(1, 0, rgbValue(238, 238, 214));
    grid.setRowHeight(0, 0);
    grid.setColWidth(2, 1400);

    EXPECT_EQ(view.events, (QStringList{
                               "insert columns 0..2",
                               "insert 0..0",
                               "insert 1..1",
                               "data 0..0 x 1..1 text",
                               "data 1..1 x 2..2 alignment",
                               "data 1..1 x 0..0 colour",
                               "row header 0..0",
                               "column header 2..2",
                           }));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problems.join(u'\n').toStdString();
}

TEST(GridModelRedraw, rowsAddedWhileRedrawIsOffArriveInOneBatch)
{
    GridModel grid;
    grid.setCols(49);
    ViewMirror view(grid);

    // The page rule of the ledger: 59 rows, then 58.
    int written = 0;
    for (int page : {59, 58}) {
        grid.setRedraw(false);
        for (int i = 0; i < page; ++i) {
            grid.AddItem(QString());
            const int row = grid.Rows() - 1;
            grid.setTextMatrix(row, 3, QStringLiteral("记-%1").arg(++written, 4, 10, QLatin1Char('0')));
            grid.setCellAlignment(row, 16, GridAlignment::centreCentre);
            grid.setRowBackColor(row, rgbValue(238, 238, 214));
            // Nothing of the page is visible while it is built.
            EXPECT_EQ(grid.rowCount(), written - i - 1);
            EXPECT_EQ(grid.Rows(), written);
        }
        EXPECT_EQ(view.rows, written - page);
        grid.setRedraw(true);
        EXPECT_EQ(view.rows, written);
    }

    EXPECT_EQ(view.events, (QStringList{"insert 0..58", "insert 59..116"}));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problems.join(u'\n').toStdString();
    const QStringList shown = view.shownColumn(3);
    ASSERT_EQ(shown.size(), 117);
    EXPECT_EQ(shown.first(), QStringLiteral("记-0001"));
    EXPECT_EQ(shown.last(), QStringLiteral("记-0117"));
}

TEST(GridModelRedraw, changesToShownRowsWhileRedrawIsOffArriveAsOneDataChange)
{
    GridModel grid;
    grid.setCols(22);
    for (int i = 0; i < 10; ++i)
        grid.AddItem(QStringLiteral("26\t03\t%1").arg(i));
    ViewMirror view(grid);

    grid.setRedraw(false);
    grid.setTextMatrix(2, 6, QStringLiteral("改"));
    grid.setCellAlignment(7, 12, GridAlignment::rightCentre);
    grid.setCellBackColor(4, 3, rgbValue(238, 238, 214));
    grid.AddItem(QStringLiteral("26\t04\t01"));
    grid.setTextMatrix(10, 6, QStringLiteral("new row, announced with its insert"));
    grid.setRowHeight(3, 0);
    grid.setRowHeight(5, 0);
    EXPECT_TRUE(view.events.isEmpty());
    EXPECT_EQ(view.shownColumn(6).at(2), QStringLiteral("改")); // a view repainting early sees the new text

    grid.setRedraw(true);
    EXPECT_EQ(view.events, (QStringList{
                               "data 2..7 x 3..12 text,alignment,colour",
                               "insert 10..10",
                               "row header 3..5",
                           }));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problems.join(u'\n').toStdString();

    // Switching it on again with nothing held announces nothing.
    view.events.clear();
    grid.setRedraw(true);
    grid.setRedraw(false);
    grid.setRedraw(true);
    EXPECT_TRUE(view.events.isEmpty());
}

TEST(GridModelRedraw, heightsOfRowsNotYetShownArriveAfterTheirInsert)
{
    GridModel grid;
    grid.setCols(2);
    grid.AddItem(QStringLiteral("shown"));
    ViewMirror view(grid);
    grid.setRedraw(false);
    grid.AddItem(QStringLiteral("pending"));
    grid.setRowHeight(1, 0);
    grid.setRedraw(true);
    EXPECT_EQ(view.events, (QStringList{"insert 1..1", "row header 1..1"}));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problems.join(u'\n').toStdString();
}

TEST(GridModelRedraw, rowsThatWouldShiftShownRowsAreAnnouncedAtOnce)
{
    GridModel grid;
    grid.setCols(1);
    for (const char *text : {"a", "b", "c"})
        grid.AddItem(QString::fromLatin1(text));
    ViewMirror view(grid);

    grid.setRedraw(false);
    grid.AddItem(QStringLiteral("d"));                 // appended: held
    grid.setTextMatrix(2, 0, QStringLiteral("C"));     // a shown row: held
    grid.AddItem(QStringLiteral("a2"), 1);             // among shown rows: at once
    EXPECT_EQ(view.events, (QStringList{"insert 1..1"}));
    EXPECT_EQ(view.shownColumn(0), (QStringList{"a", "a2", "b", "C"}));

    grid.setRedraw(true);
    // The held change followed its row from 2 to 3.
    EXPECT_EQ(view.events, (QStringList{"insert 1..1", "data 3..3 x 0..0 text", "insert 4..4"}));
    EXPECT_EQ(view.shownColumn(0), (QStringList{"a", "a2", "b", "C", "d"}));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problems.join(u'\n').toStdString();
}

TEST(GridModelRedraw, removingRowsWhileRedrawIsOffIsAnnouncedAtOnceAndDropsHeldRows)
{
    GridModel grid;
    grid.setCols(1);
    for (int i = 0; i < 5; ++i)
        grid.AddItem(QString::number(i));
    ViewMirror view(grid);

    grid.setRedraw(false);
    grid.AddItem(QStringLiteral("held 1"));
    grid.AddItem(QStringLiteral("held 2"));
    grid.setTextMatrix(4, 0, QStringLiteral("changed, then removed"));
    grid.setTextMatrix(1, 0, QStringLiteral("changed"));
    grid.setRows(3);
    EXPECT_EQ(view.events, (QStringList{"remove 3..4"}));
    EXPECT_EQ(grid.Rows(), 3);

    grid.setRedraw(true);
    // The held area is the box around the changes that survived: rows 1 to 2.
    EXPECT_EQ(view.events, (QStringList{"remove 3..4", "data 1..2 x 0..0 text"}));
    EXPECT_EQ(view.shownColumn(0), (QStringList{"0", "changed", "2"}));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problems.join(u'\n').toStdString();
}

TEST(GridModelRedraw, emptyingTheGridForANewLedger)
{
    // Clear, then no rows: what the merged ledger does before a new account.
    GridModel grid;
    grid.setCols(3);
    for (int i = 0; i < 4; ++i)
        grid.AddItem(QStringLiteral("x\ty\tz"));
    ViewMirror view(grid);
    grid.Clear();
    grid.setRows(0);
    EXPECT_EQ(view.events, (QStringList{"data 0..3 x 0..2 text,alignment,colour", "remove 0..3"}));
    EXPECT_EQ(grid.rowCount(), 0);

    grid.setRedraw(false);
    grid.Clear(); // nothing shown, nothing to announce
    grid.setCols(5);
    grid.setCols(4);
    grid.setRedraw(true);
    EXPECT_EQ(view.events.mid(2), (QStringList{"insert columns 3..4", "remove columns 4..4"}));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problems.join(u'\n').toStdString();
}

} // namespace
} // namespace qxmxz
