#include "CellReading.h"
#include "LedgerSheet.h"
#include "PrintResultCodes.h"
#include "SheetExport.h"

#include <QFile>
#include <map>
#include <xlsxwriter.h>

#include "platform/ui/GridAlignment.h"

namespace qxmxz {

namespace {

// Formats are made once per shape and shared by every cell of that shape.
class Formats {
public:
    explicit Formats(lxw_workbook *book) : m_book(book) {}

    lxw_format *number(int decimals, bool thousands)
    {
        const int key = decimals * 2 + (thousands ? 1 : 0);
        auto it = m_numbers.find(key);
        if (it != m_numbers.end())
            return it->second;
        QString pattern = thousands ? QStringLiteral("#,##0") : QStringLiteral("0");
        if (decimals > 0)
            pattern += u'.' + QString(decimals, u'0');
        lxw_format *f = workbook_add_format(m_book);
        format_set_num_format(f, pattern.toUtf8().constData());
        return m_numbers[key] = f;
    }
    lxw_format *date()
    {
        if (!m_date) {
            m_date = workbook_add_format(m_book);
            format_set_num_format(m_date, "yyyy-mm-dd");
        }
        return m_date;
    }
    lxw_format *heading()
    {
        if (!m_heading) {
            m_heading = workbook_add_format(m_book);
            format_set_bold(m_heading);
            format_set_align(m_heading, LXW_ALIGN_CENTER);
            format_set_align(m_heading, LXW_ALIGN_VERTICAL_CENTER);
            format_set_border(m_heading, LXW_BORDER_THIN);
            format_set_bg_color(m_heading, 0xE8E8E8);
        }
        return m_heading;
    }
    lxw_format *title()
    {
        if (!m_title) {
            m_title = workbook_add_format(m_book);
            format_set_bold(m_title);
            format_set_font_size(m_title, 14);
            format_set_align(m_title, LXW_ALIGN_CENTER);
        }
        return m_title;
    }

private:
    lxw_workbook *m_book;
    std::map<int, lxw_format *> m_numbers;
    lxw_format *m_date = nullptr;
    lxw_format *m_heading = nullptr;
    lxw_format *m_title = nullptr;
};

double excelWidth(int twips)
{
    // 15 twips to the pixel; a character of the default font is 7 pixels plus 5 of padding.
    return std::max(1.0, (twips / 15.0 - 5.0) / 7.0);
}

// Adds a worksheet and writes its top: the title, the heading fields and the
// column captions, frozen above the rows. Returns the first row for the ledger.
lxw_row_t startWorksheet(lxw_workbook *book, Formats &formats, const LedgerSheet &sheet, lxw_worksheet *&ws)
{
    ws = workbook_add_worksheet(book, nullptr);
    const int columns = int(sheet.columns.size());
    const lxw_col_t lastColumn = lxw_col_t(std::max(0, columns - 1));
    for (int c = 0; c < columns; ++c)
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), excelWidth(sheet.columns[c].widthTwips), nullptr);

    // Rows go out strictly in order: constant-memory sheets cannot return to a written row.
    lxw_row_t row = 0;
    const QString title = sheet.heading.field(false, 1);
    if (!title.isEmpty()) {
        if (columns > 1)
            worksheet_merge_range(ws, row, 0, row, lastColumn, title.toUtf8().constData(), formats.title());
        else
            worksheet_write_string(ws, row, 0, title.toUtf8().constData(), formats.title());
        ++row;
    }
    QStringList fields;
    for (int n = 2; n <= 6; ++n)
        if (const QString f = sheet.heading.field(false, n); !f.isEmpty())
            fields << f;
    for (int i = 0; i < fields.size(); ++i)
        worksheet_write_string(ws, row, lxw_col_t(std::min(i * 3, int(lastColumn))), fields[i].toUtf8().constData(), nullptr);
    if (!fields.isEmpty())
        ++row;

    const bool twoRows = !sheet.bands.isEmpty();
    const lxw_row_t top = row;
    if (twoRows) {
        for (int c = 0; c < columns; ++c)
            if (sheet.columns[c].band < 0)
                worksheet_write_string(ws, top, lxw_col_t(c), sheet.columns[c].caption.toUtf8().constData(), formats.heading());
        for (const SheetBand &band : sheet.bands) {
            const QByteArray caption = band.caption.toUtf8();
            if (band.lastColumn > band.firstColumn)
                worksheet_merge_range(ws, top, lxw_col_t(band.firstColumn), top, lxw_col_t(band.lastColumn), caption.constData(),
                                      formats.heading());
            else
                worksheet_write_string(ws, top, lxw_col_t(band.firstColumn), caption.constData(), formats.heading());
        }
        for (int c = 0; c < columns; ++c) {
            const QByteArray caption = sheet.columns[c].caption.toUtf8();
            if (sheet.columns[c].band < 0)
                worksheet_merge_range(ws, top, lxw_col_t(c), top + 1, lxw_col_t(c), caption.constData(), formats.heading());
            else
                worksheet_write_string(ws, top + 1, lxw_col_t(c), caption.constData(), formats.heading());
        }
        row = top + 2;
    } else {
        for (int c = 0; c < columns; ++c)
            worksheet_write_string(ws, top, lxw_col_t(c), sheet.columns[c].caption.toUtf8().constData(), formats.heading());
        row = top + 1;
    }
    worksheet_freeze_panes(ws, row, 0);

    return row;
}

} // namespace

int writeSheetXlsx(const LedgerSheet &sheet, const QString &path, const StopRequested &stop)
{
    if (path.isEmpty())
        return print::ExportNameInvalid;
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook *book = workbook_new_opt(file.constData(), &options);
    if (!book)
        return print::ExportWriteFailed;
    Formats formats(book);
    const int columns = int(sheet.columns.size());
    lxw_worksheet *ws = nullptr;
    lxw_row_t row = startWorksheet(book, formats, sheet, ws);

    int result = print::Done;
    sheet.forEachShownRow([&](int gridRow) {
        if (stop && stop()) {
            result = print::StoppedByUser;
            return false;
        }
        for (int c = 0; c < columns; ++c) {
            const QString text = sheet.text(gridRow, c);
            const ExportClass kind = sheet.columns[c].exportClass;
            const CellReading reading = readCell(text, kind == ExportClass::Text);
            switch (reading.kind) {
            case CellReading::Blank:
                break;
            case CellReading::Number:
                worksheet_write_number(ws, row, lxw_col_t(c), reading.number,
                                       formats.number(reading.decimals, reading.thousands || kind == ExportClass::Money));
                break;
            case CellReading::Date: {
                lxw_datetime when{reading.date.year(), reading.date.month(), reading.date.day(), 0, 0, 0};
                worksheet_write_datetime(ws, row, lxw_col_t(c), &when, formats.date());
                break;
            }
            case CellReading::Text:
                worksheet_write_string(ws, row, lxw_col_t(c), text.toUtf8().constData(), nullptr);
                break;
            }
        }
        // A ledger longer than a worksheet goes on in the next one, under the same top.
        if (++row == LXW_ROW_MAX)
            row = startWorksheet(book, formats, sheet, ws);
        return true;
    });
    const lxw_error closed = workbook_close(book);
    if (result == print::Done && closed != LXW_NO_ERROR)
        result = print::ExportWriteFailed;
    return result;
}

} // namespace qxmxz
