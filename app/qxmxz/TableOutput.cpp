#include "TableOutput.h"
#include "platform/print/CsvField.h"

#include <QJsonDocument>
#include <QLocale>
#include <QJsonObject>
#include <QJsonValue>

namespace qxmxz::cli {

namespace {

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF)
           || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF)
           || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F)
           || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

bool isZeroWidth(char32_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || c == 0x200B || c == 0x200C || c == 0x200D || c == 0xFEFF;
}

QString padded(const QString &text, int width, bool right)
{
    const QString fill(std::max(0, width - displayWidth(text)), u' ');
    return right ? fill + text : text + fill;
}

// A typed value as CSV text: null empty, numbers in their shortest exact form without grouping.
QString plainText(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.toString();
}


} // namespace

int displayWidth(const QString &text)
{
    int width = 0;
    for (char32_t c : text.toUcs4())
        width += isZeroWidth(c) ? 0 : (isWide(c) ? 2 : 1);
    return width;
}

void writeTable(const TableSource &table, TableFormat format, QIODevice &out)
{
    // Typed output may carry keys beyond the displayed columns (such as the kind of a row).
    const int columns = format == TableFormat::Table || !table.typedCell ? int(table.headings.size()) : int(table.keys.size());
    switch (format) {
    case TableFormat::Table: {
        QList<int> widths(columns, 0);
        for (int c = 0; c < columns; ++c)
            widths[c] = displayWidth(table.headings.value(c));
        for (qsizetype r = 0; r < table.rowCount; ++r)
            for (int c = 0; c < columns; ++c)
                widths[c] = std::max(widths[c], displayWidth(table.cell(r, c)));
        auto line = [&](const std::function<QString(int)> &text, bool headings) {
            QStringList cells;
            for (int c = 0; c < columns; ++c)
                cells << padded(text(c), widths[c], !headings && table.rightAligned.value(c));
            QString joined = cells.join(QStringLiteral("  "));
            while (joined.endsWith(u' '))
                joined.chop(1);
            out.write((joined + u'\n').toUtf8());
        };
        line([&](int c) { return table.headings.value(c); }, true);
        QStringList rules;
        for (int c = 0; c < columns; ++c)
            rules << QString(widths[c], u'-');
        out.write((rules.join(QStringLiteral("  ")) + u'\n').toUtf8());
        for (qsizetype r = 0; r < table.rowCount; ++r)
            line([&](int c) { return table.cell(r, c); }, false);
        break;
    }
    case TableFormat::Csv: {
        // A byte-order mark lets spreadsheet programs read the Chinese text as UTF-8.
        out.write("\xEF\xBB\xBF");
        const bool typed = bool(table.typedCell);
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << csvField(typed ? table.keys.value(c) : table.headings.value(c));
        out.write((cells.join(u',') + QStringLiteral("\r\n")).toUtf8());
        for (qsizetype r = 0; r < table.rowCount; ++r) {
            cells.clear();
            for (int c = 0; c < columns; ++c)
                cells << csvField(typed ? plainText(table.typedCell(r, c)) : table.cell(r, c));
            out.write((cells.join(u',') + QStringLiteral("\r\n")).toUtf8());
        }
        break;
    }
    case TableFormat::Json: {
        const bool wrapped = !table.header.isEmpty();
        if (wrapped)
            out.write("{\"header\":" + QJsonDocument(table.header).toJson(QJsonDocument::Compact) + ",\n\"rows\":");
        out.write("[");
        for (qsizetype r = 0; r < table.rowCount; ++r) {
            QJsonObject row;
            for (int c = 0; c < columns; ++c)
                row.insert(table.keys[c], table.typedCell ? table.typedCell(r, c) : QJsonValue(table.cell(r, c)));
            out.write(r == 0 ? "\n" : ",\n");
            out.write(QJsonDocument(row).toJson(QJsonDocument::Compact));
        }
        out.write(wrapped ? "\n]}\n" : "\n]\n");
        break;
    }
    }
}

} // namespace qxmxz::cli
