#pragma once

#include <QIODevice>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace qxmxz::cli {

// A cell for machine readers: a JSON value, and for a number the digits after
// the decimal point it is written with (-1: its shortest exact form), so that
// 60000.00 stays 60000.00 in CSV and JSON alike.
struct TypedCell {
    QJsonValue value;
    int decimals = -1;

    TypedCell() = default;
    TypedCell(const QJsonValue &v) : value(v) {}
    TypedCell(const QString &text) : value(text) {}
    TypedCell(double number, int places) : value(number), decimals(places) {}
};

// A table to write out: keys (for JSON), headings (for the terminal table and
// CSV), which columns are right-aligned, and the cells, read on demand so that
// a ledger held in the grid model is not copied.
struct TableSource {
    QStringList keys;
    QStringList headings;
    QList<bool> rightAligned;
    qsizetype rowCount = 0;
    std::function<QString(qsizetype row, int column)> cell;
    // For machine readers: a cell as a typed value (a number as a number, an
    // empty value as null). When set, JSON and CSV carry these under `keys`
    // instead of the display texts under `headings`, in the order of `keys`.
    std::function<TypedCell(qsizetype row, int column)> typedCell;
    // What the rows are of (account, year, periods ...); when not empty the
    // JSON is an object {"header": ..., "rows": [...]} instead of a bare array.
    QJsonObject header;
};

enum class TableFormat { Table, Csv, Json };

// Columns a terminal shows a text in: CJK and other wide characters count two.
int displayWidth(const QString &text);

// With `continuation` a CSV goes on from the table before it: no byte-order
// mark and no heading line.
void writeTable(const TableSource &table, TableFormat format, QIODevice &out, bool continuation = false);

} // namespace qxmxz::cli
