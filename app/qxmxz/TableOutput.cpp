#include "TableOutput.h"
#include "platform/print/CsvField.h"

#include <QJsonDocument>
#include <QLocale>
#include <QJsonObject>

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
    switch (cell.kind) {
    case TypedCell::Kind::Number:
        return cell.decimals >= 0 ? QString::number(cell.number, 'f', cell.decimals)
                                  : QString::number(cell.number, 'g', QLocale::FloatingPointShortest);
    case TypedCell::Kind::Truth:
        return cell.truth ? QStringLiteral("true") : QStringLiteral("false");
    case TypedCell::Kind::Text:
        return cell.text;
    case TypedCell::Kind::Null:
        break;
    }
    return {};
}

void appendJsonString(QString &out, QStringView text)
{
    out += u'"';
    // Runs without a character to escape are appended whole.
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u != u'"' && u != u'\\' && u >= 0x20)
            continue;
        out += text.sliced(runStart, i - runStart);
        if (u < 0x20)
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else {
            out += u'\\';
            out += QChar(u);
        }
        runStart = i + 1;
    }
    out += text.sliced(runStart);
    out += u'"';
}

// JSON of a typed cell: the same text as CSV for numbers, so both agree digit for digit.
void appendJsonValue(QString &out, const TypedCell &cell)
{
    switch (cell.kind) {
    case TypedCell::Kind::Null:
        out += QLatin1StringView("null");
        break;
    case TypedCell::Kind::Number:
        out += plainText(cell);
        break;
    case TypedCell::Kind::Truth:
        out += cell.truth ? QLatin1StringView("true") : QLatin1StringView("false");
        break;
    case TypedCell::Kind::Text:
        appendJsonString(out, cell.text);
        break;
    }
}

// Rows are gathered as text and written in pieces of a few dozen kilobytes:
// one conversion to UTF-8 and one write per piece instead of per row.
class PiecewiseWriter {
public:
    explicit PiecewiseWriter(QIODevice &out) : m_out(out) { m_text.reserve(pieceSize + pieceSize / 4); }
    ~PiecewiseWriter() { flush(); }
    QString &text() { return m_text; }
    // Called between rows, so that a piece never ends inside a character.
    void rowDone()
    {
        if (m_text.size() >= pieceSize)
            flush();
    }
    void flush()
    {
        if (m_text.isEmpty())
            return;
        m_out.write(m_text.toUtf8());
        m_text.clear();
    }

private:
    static constexpr qsizetype pieceSize = 32 * 1024;
    QIODevice &m_out;
    QString m_text;
};

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
        PiecewiseWriter writer(out);
        QString &line = writer.text();
        auto endLine = [&] {
            line += QLatin1StringView("\r\n");
            writer.rowDone();
        };
        if (!continuation) {
            // A byte-order mark lets spreadsheet programs read the Chinese text as UTF-8.
            line += QChar(0xFEFF);
            for (int c = 0; c < columns; ++c) {
                if (c > 0)
                    line += u',';
                appendCsvField(line, typed ? table.keys.value(c) : table.headings.value(c));
            }
            endLine();
        }
        for (qsizetype r = 0; r < table.rowCount; ++r) {
            for (int c = 0; c < columns; ++c) {
                if (c > 0)
                    line += u',';
                appendCsvField(line, typed ? plainText(table.typedCell(r, c)) : table.cell(r, c));
            }
            endLine();
        }
        break;
    }
    case TableFormat::Json: {
        const bool wrapped = !table.header.isEmpty();
        if (wrapped)
            out.write("{\"header\":" + QJsonDocument(table.header).toJson(QJsonDocument::Compact) + ",\n\"rows\":");
        // Every row repeats the keys: they are quoted once.
        QStringList quotedKeys;
        for (int c = 0; c < columns; ++c) {
            QString key;
            appendJsonString(key, table.keys[c]);
            quotedKeys << key + u':';
        }
        PiecewiseWriter writer(out);
        QString &row = writer.text();
        row += u'[';
        for (qsizetype r = 0; r < table.rowCount; ++r) {
            row += r == 0 ? QLatin1StringView("\n{") : QLatin1StringView(",\n{");
            for (int c = 0; c < columns; ++c) {
                if (c > 0)
                    row += u',';
                row += quotedKeys[c];
                appendJsonValue(row, table.typedCell ? table.typedCell(r, c) : TypedCell(table.cell(r, c)));
            }
            row += u'}';
            writer.rowDone();
        }
        row += wrapped ? QLatin1StringView("\n]}\n") : QLatin1StringView("\n]\n");
        break;
    }
    }
}

} // namespace qxmxz::cli
