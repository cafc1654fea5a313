#include "LedgerPages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "LedgerSheet.h"
#include "PrintResultCodes.h"
#include "PrintTemplate.h"
#include "platform/ui/GridAlignment.h"
#include "platform/ui/GridColor.h"
#include "platform/ui/GridModel.h"

namespace qxmxz {

struct LedgerPages::Metrics {
    QRectF page;       // paintable area in device pixels
    QFont font, bold, title;
    double lineHeight = 0;
    double titleHeight = 0;
    double top = 0;    // height of title and heading lines
    double bottom = 0; // height of footing lines and the page number
    double heading = 0;
    double scale = 1;  // twips to device pixels, shrunk when the columns are wider than the page
    int rowsPerPage = 1;
    qsizetype rows = 0;
    int pages = 1;
};

namespace {

QColor colourOf(int rgb)
{
    return QColor(redOf(rgb), greenOf(rgb), blueOf(rgb));
}

} // namespace

LedgerPages::LedgerPages(const LedgerSheet &sheet, const PrintTemplate &layout) : m_sheet(sheet), m_layout(layout) {}

LedgerPages::Metrics LedgerPages::measure(QPagedPaintDevice &device) const
{
    Metrics m;
    const int dpi = device.logicalDpiY();
    m.page = QRectF(device.pageLayout().paintRectPixels(device.logicalDpiX()));
    m.page.moveTo(0, 0);
    auto makeFont = [&](const QString &family, double points, bool bold) {
        QFont f(family);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    };
    m.font = makeFont(m_layout.fontFamily, m_layout.fontSize, false);
    m.bold = makeFont(m_layout.fontFamily, m_layout.fontSize, true);
    m.title = makeFont(m_layout.titleFontFamily, m_layout.titleFontSize, true);
    const QFontMetricsF fm(m.font, &device);
    m.lineHeight = fm.height() * 1.35;
    m.titleHeight = QFontMetricsF(m.title, &device).height() * 1.5;
    m.top = (m_layout.title.isEmpty() ? 0 : m.titleHeight) + m_layout.headingLines.size() * m.lineHeight;
    m.bottom = (m_layout.footingLines.size() + 1) * m.lineHeight;
    m.heading = (m_sheet.bands.isEmpty() ? 1 : 2) * m.lineHeight;
    const double twipsToPixels = dpi / 1440.0;
    const double width = std::max(1, m_sheet.totalWidthTwips()) * twipsToPixels;
    m.scale = twipsToPixels * std::min(1.0, m.page.width() / width);
    m.rowsPerPage = std::max(1, int((m.page.height() - m.top - m.bottom - m.heading) / m.lineHeight));
    m.rows = m_sheet.shownRowCount();
    m.pages = int(std::max<qsizetype>(1, (m.rows + m.rowsPerPage - 1) / m.rowsPerPage));
    return m;
}

int LedgerPages::pageCount(QPagedPaintDevice &device) const
{
    return measure(device).pages;
}

int LedgerPages::paint(QPagedPaintDevice &device, const StopRequested &stop, int firstPage, int lastPage) const
{
    if (m_sheet.columns.isEmpty())
        return print::NothingToPrint;
    const Metrics m = measure(device);
    if (lastPage <= 0 || lastPage > m.pages)
        lastPage = m.pages;
    QPainter painter;
    if (!painter.begin(&device))
        return print::PrintingFailed;
    QList<double> lefts, widths;
    double x = m.page.left();
    for (const SheetColumn &c : m_sheet.columns) {
        lefts << x;
        widths << c.widthTwips * m.scale;
        x += widths.back();
    }
    const double tableWidth = x - m.page.left();
    const double pad = m.lineHeight * 0.15;
    const QPen grid(QColor(120, 120, 120), 0);

    auto fieldText = [this](const TemplateField &f) { return m_sheet.heading.field(f.footingTable, f.number); };
    auto drawFieldLine = [&](const QList<TemplateField> &fields, double y) {
        const int n = int(fields.size());
        for (int i = 0; i < n; ++i) {
            const double w = m.page.width() / n;
            const Qt::Alignment a = i == 0 ? Qt::AlignLeft : (i == n - 1 && n > 1 ? Qt::AlignRight : Qt::AlignHCenter);
            painter.drawText(QRectF(m.page.left() + i * w, y, w, m.lineHeight), a | Qt::AlignVCenter, fieldText(fields[i]));
        }
    };
    auto drawCell = [&](const QRectF &r, const QString &text, Qt::Alignment a) {
        const QPen rule = painter.pen();
        painter.setPen(QColor(0, 0, 0));
        painter.drawText(r.adjusted(pad, 0, -pad, 0), a | Qt::TextSingleLine, text);
        painter.setPen(rule);
    };
    // A caption wider than its column is set smaller rather than cut off.
    auto drawCaption = [&](const QRectF &r, const QString &text) {
        const double room = r.width() - 2 * pad;
        const double needed = QFontMetricsF(painter.font(), &device).horizontalAdvance(text);
        if (needed <= room || needed <= 0) {
            drawCell(r, text, Qt::AlignCenter);
            return;
        }
        const QFont normal = painter.font();
        QFont smaller = normal;
        smaller.setPointSizeF(std::max(3.0, normal.pointSizeF() * room / needed));
        painter.setFont(smaller);
        drawCell(r, text, Qt::AlignCenter);
        painter.setFont(normal);
    };
    auto drawPageFrame = [&](int page) {
        double y = m.page.top();
        painter.setPen(QColor(0, 0, 0));
        if (!m_layout.title.isEmpty()) {
            painter.setFont(m.title);
            QStringList parts;
            for (const TemplateField &f : m_layout.title)
                parts << fieldText(f);
            painter.drawText(QRectF(m.page.left(), y, m.page.width(), m.titleHeight), Qt::AlignCenter, parts.join(u' '));
            y += m.titleHeight;
        }
        painter.setFont(m.font);
        for (const QList<TemplateField> &line : m_layout.headingLines) {
            drawFieldLine(line, y);
            y += m.lineHeight;
        }
        painter.setFont(m.bold);
        painter.setPen(grid);
        const double h = m.lineHeight;
        const bool two = !m_sheet.bands.isEmpty();
        for (int c = 0; c < m_sheet.columns.size(); ++c) {
            const SheetColumn &col = m_sheet.columns[c];
            if (col.band < 0 || !two) {
                const QRectF r(lefts[c], y, widths[c], m.heading);
                painter.drawRect(r);
                drawCaption(r, col.caption);
            } else {
                const QRectF r(lefts[c], y + h, widths[c], h);
                painter.drawRect(r);
                drawCaption(r, col.caption);
            }
        }
        for (const SheetBand &band : m_sheet.bands) {
            const QRectF r(lefts[band.firstColumn], y, lefts[band.lastColumn] + widths[band.lastColumn] - lefts[band.firstColumn], h);
            painter.drawRect(r);
            drawCaption(r, band.caption);
        }
        painter.setFont(m.font);
        painter.setPen(QColor(0, 0, 0));
        double fy = m.page.bottom() - m.bottom;
        for (const QList<TemplateField> &line : m_layout.footingLines) {
            drawFieldLine(line, fy);
            fy += m.lineHeight;
        }
        painter.drawText(QRectF(m.page.left(), fy, m.page.width(), m.lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         m_layout.pageNumberText.arg(page).arg(m.pages));
        return y + m.heading;
    };

    int result = print::Done;
    int page = 1;
    int onPage = 0;
    double y = 0;
    bool started = false;
    auto startPage = [&](int number) {
        if (started && !device.newPage())
            return false;
        started = true;
        y = drawPageFrame(number);
        return true;
    };
    auto skipping = [&] { return page < firstPage; };
    if (!skipping() && !startPage(page))
        result = print::PrintingFailed;
    m_sheet.forEachShownRow([&](int row) {
        if (result != print::Done)
            return false;
        if (onPage == m.rowsPerPage) {
            ++page;
            onPage = 0;
            if (page > lastPage)
                return false;
            if (!skipping() && !startPage(page)) {
                result = print::PrintingFailed;
                return false;
            }
        }
        ++onPage;
        if (skipping())
            return true;
        if (stop && stop()) {
            result = print::StoppedByUser;
            return false;
        }
        const int colour = m_sheet.rowColour(row);
        if (isValidRgb(colour) && colour != rgbValue(255, 255, 255))
            painter.fillRect(QRectF(m.page.left(), y, tableWidth, m.lineHeight), colourOf(colour));
        painter.setPen(QColor(0, 0, 0));
        for (int c = 0; c < m_sheet.columns.size(); ++c) {
            const QRectF r(lefts[c], y, widths[c], m.lineHeight);
            drawCell(r, m_sheet.text(row, c), toQtAlignment(m_sheet.grid().CellAlignment(row, m_sheet.columns[c].gridColumn)));
        }
        painter.setPen(grid);
        painter.drawLine(QPointF(m.page.left(), y + m.lineHeight), QPointF(m.page.left() + tableWidth, y + m.lineHeight));
        y += m.lineHeight;
        return true;
    });
    painter.end();
    return result;
}

int writeSheetPdf(const LedgerSheet &sheet, const PrintTemplate &layout, const QString &path, const StopRequested &stop)
{
    if (path.isEmpty())
        return print::ExportNameInvalid;
    if (sheet.columns.isEmpty())
        return print::NothingToPrint;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return print::ExportWriteFailed;
    int result = print::Done;
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("QxMxz"));
        writer.setTitle(sheet.heading.field(false, 1));
        if (!writer.setPageLayout(layout.pageLayout()))
            return print::PageLayoutInvalid;
        result = LedgerPages(sheet, layout).paint(writer, stop);
    }
    if (result != print::Done)
        return result;
    return file.commit() ? print::Done : print::ExportWriteFailed;
}

} // namespace qxmxz
