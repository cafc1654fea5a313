#include <gtest/gtest.h>

#include "platform/ui/GridModel.h"
#include "support/Printers.h"

namespace qxmxz {
namespace {

constexpr int unpostedColor = 14085870;

// Watches a grid the way a view does: it only knows the rows announced to it.
// `events` is what it was told, `problems` every row announcement that does
// not fit the rows it knows or the model's row count at the time.
struct ViewMirror {
    explicit ViewMirror(GridModel &model) : grid(model), rows(model.rowCount())
    {
        using Model = QAbstractItemModel;
        const auto before = [this](bool inserting) {
            return [this, inserting](const QModelIndex &, int first, int last) {
                if (grid.rowCount() != rows || first < 0 || (inserting ? first > rows : last >= rows))
                    problems << QStringLiteral("rows changed outside the known rows");
            };
        };
        const auto after = [this](int sign, const char *what) {
            return [this, sign, what](const QModelIndex &, int first, int last) {
                rows += sign * (last - first + 1);
                if (grid.rowCount() != rows)
                    problems << QStringLiteral("row count does not match the announcement");
                events << QStringLiteral("%1 %2..%3").arg(QLatin1String(what)).arg(first).arg(last);
            };
        };
        QObject::connect(&grid, &Model::rowsAboutToBeInserted, before(true));
        QObject::connect(&grid, &Model::rowsAboutToBeRemoved, before(false));
        QObject::connect(&grid, &Model::rowsInserted, after(1, "insert"));
        QObject::connect(&grid, &Model::rowsRemoved, after(-1, "remove"));
        QObject::connect(&grid, &Model::columnsInserted, after(0, "insert columns"));
        QObject::connect(&grid, &Model::columnsRemoved, after(0, "remove columns"));
        QObject::connect(&grid, &Model::dataChanged, [this](const QModelIndex &from, const QModelIndex &to, const QList<int> &roles) {
            QStringList names;
            for (int role : roles)
                names << (role == Qt::DisplayRole ? "text" : role == Qt::TextAlignmentRole ? "alignment"
                          : role == GridModel::BackgroundRgbRole ? "colour" : "other");
            events << QStringLiteral("data %1..%2 x %3..%4 %5").arg(from.row()).arg(to.row()).arg(from.column())
                          .arg(to.column()).arg(names.join(u','));
        });
        QObject::connect(&grid, &Model::headerDataChanged, [this](Qt::Orientation orientation, int first, int last) {
            events << QStringLiteral("%1 header %2..%3").arg(orientation == Qt::Vertical ? "row" : "column").arg(first).arg(last);
        });
    }

    // What a view painting every row it knows would show in one column.
    QStringList shownColumn(int column) const
    {
        QStringList cells;
        for (int row = 0; row < rows; ++row)
            cells << grid.data(grid.index(row, column)).toString();
        return cells;
    }

    GridModel &grid;
    int rows;
    QStringList events, problems;
};

TEST(GridModelRedraw, withRedrawOnEveryChangeIsAnnouncedAtOnceAndEmptyingTheGridToo)
{
    GridModel grid;
    ViewMirror view(grid);
    grid.setCols(3);
    grid.AddItem(QStringLiteral("a\tb\tc"));
    grid.AddItem(QStringLiteral("d\te\tf"));
    grid.setTextMatrix(0, 1, QStringLiteral("B"));
    grid.setCellAlignment(1, 2, GridAlignment::rightCentre);
    grid.setCellBackColor(1, 0, unpostedColor);
    grid.setRowHeight(0, 0);
    grid.setColWidth(2, 1400);
    EXPECT_EQ(view.events, (QStringList{"insert columns 0..2", "insert 0..0", "insert 1..1", "data 0..0 x 1..1 text",
                                        "data 1..1 x 2..2 alignment", "data 1..1 x 0..0 colour", "row header 0..0",
                                        "column header 2..2"}));

    // Clear, then no rows, as the merged ledger empties the grid for a new account.
    view.events.clear();
    grid.Clear();
    grid.setRows(0);
    grid.setRedraw(false);
    grid.Clear(); // nothing shown, nothing to announce
    grid.setCols(5);
    grid.setCols(4);
    grid.setRedraw(true);
    EXPECT_EQ(view.events, (QStringList{"data 0..1 x 0..2 text,alignment,colour", "remove 0..1", "insert columns 3..4",
                                        "remove columns 4..4"}));
    EXPECT_EQ(view.problems, QStringList());
}

TEST(GridModelRedraw, rowsAddedWhileRedrawIsOffArriveInOneBatch)
{
    GridModel grid;
    grid.setCols(49);
    ViewMirror view(grid);
    int written = 0;
    for (int page : {59, 58}) { // the page rule of the ledger
        grid.setRedraw(false);
        for (int i = 0; i < page; ++i) {
            grid.AddItem(QString());
            const int row = grid.Rows() - 1;
            grid.setTextMatrix(row, 3, QStringLiteral("记-%1").arg(++written, 4, 10, QLatin1Char('0')));
            grid.setCellAlignment(row, 16, GridAlignment::centreCentre);
            grid.setRowBackColor(row, unpostedColor);
            grid.setRowHeight(row, 0);
        }
        EXPECT_EQ(grid.rowCount(), written - page); // nothing of the page is visible while it is built
        grid.setRedraw(true);
    }
    // Heights of rows a view did not have yet follow their insert.
    EXPECT_EQ(view.events, (QStringList{"insert 0..58", "row header 0..58", "insert 59..116", "row header 59..116"}));
    EXPECT_EQ(view.problems, QStringList());
    EXPECT_EQ(view.shownColumn(3).last(), QStringLiteral("记-0117"));
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
    grid.setCellBackColor(4, 3, unpostedColor);
    grid.AddItem(QStringLiteral("26\t04\t01"));
    grid.setTextMatrix(10, 6, QStringLiteral("new row, announced with its insert"));
    grid.setRowHeight(3, 0);
    grid.setRowHeight(5, 0);
    EXPECT_TRUE(view.events.isEmpty());
    EXPECT_EQ(view.shownColumn(6).at(2), QStringLiteral("改")); // a view repainting early sees the new text

    grid.setRedraw(true);
    grid.setRedraw(false);
    grid.setRedraw(true); // nothing held the second time, nothing announced
    EXPECT_EQ(view.events,
              (QStringList{"data 2..7 x 3..12 text,alignment,colour", "insert 10..10", "row header 3..5"}));
    EXPECT_EQ(view.problems, QStringList());
}

TEST(GridModelRedraw, rowsInsertedAmongOrRemovedFromShownRowsAreAnnouncedAtOnce)
{
    GridModel grid;
    grid.setCols(1);
    for (const char *text : {"a", "b", "c", "d", "e"})
        grid.AddItem(QString::fromLatin1(text));
    ViewMirror view(grid);

    grid.setRedraw(false);
    grid.AddItem(QStringLiteral("held"));          // appended: held
    grid.setTextMatrix(2, 0, QStringLiteral("C")); // a shown row: held
    grid.setTextMatrix(4, 0, QStringLiteral("E")); // held, then removed
    grid.AddItem(QStringLiteral("a2"), 1);         // among shown rows: at once
    grid.setRows(4);                               // drops shown rows at once, and the held one
    EXPECT_EQ(view.events, (QStringList{"insert 1..1", "remove 4..5"}));

    grid.setRedraw(true);
    // The held change followed its row from 2 to 3; the removed ones left nothing behind.
    EXPECT_EQ(view.events, (QStringList{"insert 1..1", "remove 4..5", "data 3..3 x 0..0 text"}));
    EXPECT_EQ(view.shownColumn(0), (QStringList{"a", "a2", "b", "C"}));
    EXPECT_EQ(view.problems, QStringList());
}

} // namespace
} // namespace qxmxz
