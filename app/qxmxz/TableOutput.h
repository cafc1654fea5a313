#pragma once

#include <QIODevice>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace qxmxz::cli {

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
    // instead of the display texts under `headings`.
    std::function<QJsonValue(qsizetype row, int column)> typedCell;
    // What the rows are of (account, year, periods ...); when not empty the
    // JSON is an object {"header": ..., "rows": [...]} instead of a bare array.
    QJsonObject header;
};

enum class TableFormat { Table, Csv, Json };

// Columns a terminal shows a text in: CJK and other wide characters count two.
int displayWidth(const QString &text);

void writeTable(const TableSource &table, TableFormat format, QIODevice &out);

} // namespace qxmxz::cli
