#pragma once

#include <QIODevice>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace qxmxz::cli {

// A cell for machine readers: null, a text, a number or a truth value; a
// number carries the digits after the decimal point it is written with (-1:
// its shortest exact form), so that 60000.00 stays 60000.00 in CSV and JSON
// alike. Plain members rather than a JSON value: a ledger of a million rows
// writes some fifty million of these.
struct TypedCell {
    enum class Kind : quint8 { Null, Text, Number, Truth };
    Kind kind = Kind::Null;
    bool truth = false;
    int decimals = -1;
    double number = 0;
    QString text;

    TypedCell() = default;
    TypedCell(const QString &t) : kind(Kind::Text), text(t) {}
    TypedCell(double n, int places) : kind(Kind::Number), decimals(places), number(n) {}
    static TypedCell whole(qint64 n) { return TypedCell(double(n), -1); }
    static TypedCell boolean(bool b)
    {
        TypedCell cell;
        cell.kind = Kind::Truth;
        cell.truth = b;
        return cell;
    }
    // An empty or blank text is no value.
    static TypedCell textOrNull(const QString &t)
    {
        const QString trimmed = t.trimmed();
        return trimmed.isEmpty() ? TypedCell() : TypedCell(trimmed);
    }
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
