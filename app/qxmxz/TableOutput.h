#pragma once

#include <QIODevice>
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
};

enum class TableFormat { Table, Csv, Json };

// Columns a terminal shows a text in: CJK and other wide characters count two.
int displayWidth(const QString &text);

void writeTable(const TableSource &table, TableFormat format, QIODevice &out);

} // namespace qxmxz::cli
