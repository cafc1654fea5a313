#include <gtest/gtest.h>

#include "platform/ui/GridModel.h"

namespace qxmxz {
namespace {

constexpr int unpostedColor = 14085870;

// Watches a grid the way a view does: it only knows the rows announced to it
// and checks that every announcement fits what it knows. `events` is what it
// was told, `problems` every announcement a view could not have followed.
class ViewMirror {
public:
    explicit ViewMirror(GridModel &grid) : m_grid(grid), m_rows(grid.rowCount()), m_columns(grid.columnCount())
    {
        using Model = QAbstractItemModel;
        QObject::connect(&grid, &Model::rowsAboutToBeInserted, [this](const QModelIndex &, int first, int) {
            expect(m_grid.rowCount() == m_rows && first >= 0 && first <= m_rows, "rows inserted outside the known rows");
        });
        QObject::connect(&grid, &Model::rowsAboutToBeRemoved, [this](const QModelIndex &, int first, int last) {
            expect(m_grid.rowCount() == m_rows && first >= 0 && last < m_rows, "rows removed outside the known rows");
        });
        QObject::connect(&grid, &Model::rowsInserted, [this](const QModelIndex &, int first, int last) {
            rowsChanged(QStringLiteral("insert"), first, last, last - first + 1);
        });
        QObject::connect(&grid, &Model::rowsRemoved, [this](const QModelIndex &, int first, int last) {
            rowsChanged(QStringLiteral("remove"), first, last, first - last - 1);
        });
        QObject::connect(&grid, &Model::columnsInserted, [this](const QModelIndex &, int first, int last) {
            m_columns += last - first + 1;
            events << QStringLiteral("insert columns %1..%2").arg(first).arg(last);
        });
        QObject::connect(&grid, &Model::columnsRemoved, [this](const QModelIndex &, int first, int last) {
            m_columns -= last - first + 1;
            events << QStringLiteral("remove columns %1..%2").arg(first).arg(last);
        });
        QObject::connect(&grid, &Model::dataChanged, [this](const QModelIndex &from, const QModelIndex &to, const QList<int> &roles) {
            expect(from.isValid() && to.row() < m_rows && to.column() < m_columns, "dataChanged outside the known cells");
            QStringList names;
            for (int role : roles)
                names << (role == Qt::DisplayRole ? "text" : role == Qt::TextAlignmentRole ? "alignment"
                          : role == GridModel::BackgroundRgbRole ? "colour" : "other");
            events << QStringLiteral("data %1..%2 x %3..%4 %5").arg(from.row()).arg(to.row()).arg(from.column())
                          .arg(to.column()).arg(names.join(u','));
        });
        QObject::connect(&grid, &Model::headerDataChanged, [this](Qt::Orientation orientation, int first, int last) {
            const bool vertical = orientation == Qt::Vertical;
            expect(!vertical || last < m_rows, "row heights announced for rows a view does not have");
            events << QStringLiteral("%1 header %2..%3").arg(vertical ? "row" : "column").arg(first).arg(last);
        });
    }

    int shownRows() const { return m_rows; }

    // What a view painting every row it knows would show in one column.
    QStringList shownColumn(int column) const
    {
        QStringList cells;
        for (int row = 0; row < m_rows; ++row)
            cells << m_grid.data(m_grid.index(row, column)).toString();
        return cells;
    }

    std::string problemText() const { return problems.join(u'\n').toStdString(); }

    QStringList events;
    QStringList problems;

private:
    void rowsChanged(const QString &what, int first, int last, int change)
    {
        m_rows += change;
        expect(m_grid.rowCount() == m_rows, "row count does not match the announcement");
        events << QStringLiteral("%1 %2..%3").arg(what).arg(first).arg(last);
    }

    void expect(bool ok, const char *problem)
    {
        if (!ok)
            problems << QString::fromLatin1(problem);
    }

    GridModel &m_grid;
    int m_rows;
    int m_columns;
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
    grid.setCellBackColor(1, 0, unpostedColor);
    grid.setRowHeight(0, 0);
    grid.setColWidth(2, 1400);
    EXPECT_EQ(view.events, (QStringList{"insert columns 0..2", "insert 0..0", "insert 1..1", "data 0..0 x 1..1 text",
                                        "data 1..1 x 2..2 alignment", "data 1..1 x 0..0 colour", "row header 0..0",
                                        "column header 2..2"}));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problemText();
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
            grid.setRowBackColor(row, unpostedColor);
            grid.setRowHeight(row, 0);
        }
        // Nothing of the page is visible while it is built.
        EXPECT_EQ(grid.rowCount(), written - page);
        EXPECT_EQ(grid.Rows(), written);
        grid.setRedraw(true);
        EXPECT_EQ(view.shownRows(), written);
    }
    // Heights of rows a view did not have yet follow their insert.
    EXPECT_EQ(view.events, (QStringList{"insert 0..58", "row header 0..58", "insert 59..116", "row header 59..116"}));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problemText();
    const QStringList shown = view.shownColumn(3);
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
    grid.setCellBackColor(4, 3, unpostedColor);
    grid.AddItem(QStringLiteral("26\t04\t01"));
    grid.setTextMatrix(10, 6, QStringLiteral("new row, announced with its insert"));
    grid.setRowHeight(3, 0);
    grid.setRowHeight(5, 0);
    EXPECT_TRUE(view.events.isEmpty());
    EXPECT_EQ(view.shownColumn(6).at(2), QStringLiteral("改")); // a view repainting early sees the new text

    grid.setRedraw(true);
    EXPECT_EQ(view.events,
              (QStringList{"data 2..7 x 3..12 text,alignment,colour", "insert 10..10", "row header 3..5"}));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problemText();

    // Switching it on again with nothing held announces nothing.
    view.events.clear();
    grid.setRedraw(true);
    grid.setRedraw(false);
    grid.setRedraw(true);
    EXPECT_TRUE(view.events.isEmpty());
}

TEST(GridModelRedraw, rowsInsertedAmongOrRemovedFromShownRowsAreAnnouncedAtOnce)
{
    GridModel grid;
    grid.setCols(1);
    for (const char *text : {"a", "b", "c", "d", "e"})
        grid.AddItem(QString::fromLatin1(text));
    ViewMirror view(grid);

    grid.setRedraw(false);
    grid.AddItem(QStringLiteral("held"));           // appended: held
    grid.setTextMatrix(2, 0, QStringLiteral("C"));  // a shown row: held
    grid.setTextMatrix(4, 0, QStringLiteral("E"));  // held, then removed
    grid.AddItem(QStringLiteral("a2"), 1);          // among shown rows: at once
    EXPECT_EQ(view.events, (QStringList{"insert 1..1"}));
    grid.setRows(4);                                // drops shown rows at once, and the held one
    EXPECT_EQ(view.events, (QStringList{"insert 1..1", "remove 4..5"}));

    grid.setRedraw(true);
    // The held change followed its row from 2 to 3; the removed ones left nothing behind.
    EXPECT_EQ(view.events, (QStringList{"insert 1..1", "remove 4..5", "data 3..3 x 0..0 text"}));
    EXPECT_EQ(view.shownColumn(0), (QStringList{"a", "a2", "b", "C"}));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problemText();
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
    grid.setRedraw(false);
    grid.Clear(); // nothing shown, nothing to announce
    grid.setCols(5);
    grid.setCols(4);
    grid.setRedraw(true);
    EXPECT_EQ(view.events, (QStringList{"data 0..3 x 0..2 text,alignment,colour", "remove 0..3", "insert columns 3..4",
                                        "remove columns 4..4"}));
    EXPECT_TRUE(view.problems.isEmpty()) << view.problemText();
}

} // namespace
} // namespace qxmxz
