#include "CellReading.h"
#include "CsvField.h"
#include "LedgerSheet.h"
#include "PrintResultCodes.h"
#include "SheetExport.h"

#include <QStringList>

namespace qxmxz {

namespace {

QString plainNumber(const QString &text, ExportClass kind)
{
    if (kind == ExportClass::Text)
        return text;
    const CellReading reading = readCell(text, false);
    if (reading.kind != CellReading::Number)
        return text.trimmed();
    QString t = text.trimmed();
    t.remove(u',');
    return t;
}

} // namespace

int writeSheetCsv(const LedgerSheet &sheet, QIODevice &out, const StopRequested &stop)
{
    const int columns = int(sheet.columns.size());
    auto writeLine = [&out](const QStringList &cells) {
        QStringList quoted;
        for (const QString &c : cells)
            quoted << csvField(c);
        return out.write((quoted.join(u',') + QStringLiteral("\r\n")).toUtf8()) >= 0;
    };
    if (out.write("\xEF\xBB\xBF") < 0)
        return print::ExportWriteFailed;
    QStringList bands, captions;
    for (const SheetColumn &c : sheet.columns) {
        bands << (c.band >= 0 ? sheet.bands[c.band].caption : c.caption);
        captions << c.caption;
    }
    if (!sheet.bands.isEmpty() && !writeLine(bands))
        return print::ExportWriteFailed;
    if (!writeLine(captions))
        return print::ExportWriteFailed;
    int result = print::Done;
    QStringList cells;
    sheet.forEachShownRow([&](int row) {
        if (stop && stop()) {
            result = print::StoppedByUser;
            return false;
        }
        cells.clear();
        for (int c = 0; c < columns; ++c)
            cells << plainNumber(sheet.text(row, c), sheet.columns[c].exportClass);
        if (!writeLine(cells)) {
            result = print::ExportWriteFailed;
            return false;
        }
        return true;
    });
    return result;
}

} // namespace qxmxz
