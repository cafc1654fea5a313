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

// A typed value as CSV text: null empty, numbers without grouping in their
// decimals (or their shortest exact form).
QString plainText(const TypedCell &cell)
{
    const QJsonValue &value = cell.value;
    if (value.isDouble())
        return cell.decimals >= 0 ? QString::number(value.toDouble(), 'f', cell.decimals)
                                  : QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.toString();
}

void appendJsonString(QByteArray &out, const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped += u'"';
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            escaped += u'\\';
            escaped += c;
        } else if (u < 0x20) {
            escaped += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        } else {
            escaped += c;
        }
    }
    escaped += u'"';
    out += escaped.toUtf8();
}

// JSON of a typed cell: the same text as CSV for numbers, so both agree digit for digit.
void appendJsonValue(QByteArray &out, const TypedCell &cell)
{
    const QJsonValue &value = cell.value;
    if (value.isNull() || value.isUndefined())
        out += "null";
    else if (value.isDouble())
        out += plainText(cell).toLatin1();
    else if (value.isBool())
        out += value.toBool() ? "true" : "false";
    else
        appendJsonString(out, value.toString());
}


} // namespace

int displayWidth(const QString &text)
{
    int width = 0;
    for (char32_t c : text.toUcs4())
        width += isZeroWidth(c) ? 0 : (isWide(c) ? 2 : 1);
    return width;
}

void writeTable(const TableSource &table, TableFormat format, QIODevice &out, bool continuation)
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
        const bool typed = bool(table.typedCell);
        QStringList cells;
        if (!continuation) {
            // A byte-order mark lets spreadsheet programs read the Chinese text as UTF-8.
            out.write("\xEF\xBB\xBF");
            for (int c = 0; c < columns; ++c)
                cells << csvField(typed ? table.keys.value(c) : table.headings.value(c));
            out.write((cells.join(u',') + QStringLiteral("\r\n")).toUtf8());
        }
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
        QByteArray row;
        for (qsizetype r = 0; r < table.rowCount; ++r) {
            row = r == 0 ? "\n{" : ",\n{";
            for (int c = 0; c < columns; ++c) {
                if (c > 0)
                    row += ',';
                appendJsonString(row, table.keys[c]);
                row += ':';
                appendJsonValue(row, table.typedCell ? table.typedCell(r, c) : TypedCell(table.cell(r, c)));
            }
            row += '}';
            out.write(row);
        }
        out.write(wrapped ? "\n]}\n" : "\n]\n");
        break;
    }
    }
}

} // namespace qxmxz::cli
