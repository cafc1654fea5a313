#include "BandHeaderView.h"

#include <QPainter>
#include <QPaintEvent>

#include "platform/ui/HeaderModel.h"

namespace qxmxz {

BandHeaderView::BandHeaderView(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setDefaultAlignment(Qt::AlignCenter);
    // A width the user drags is the header's own, so that it is saved with the layout.
    connect(this, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (m_header && column < m_header->columnCount() && m_header->width(column) != size)
            m_header->setWidth(column, size);
    });
}

void BandHeaderView::setHeaderModel(HeaderModel *header)
{
    if (m_header)
        disconnect(m_header, nullptr, this, nullptr);
    m_header = header;
    if (m_header) {
        connect(m_header, &HeaderModel::columnChanged, this, [this] { applyColumns(); });
        connect(m_header, &HeaderModel::columnCountChanged, this, [this] { applyColumns(); });
        connect(m_header, &HeaderModel::bandsChanged, this, [this] { viewport()->update(); });
        connect(m_header, &HeaderModel::enabledChanged, this, [this](bool on) { setEnabled(on); });
    }
    applyColumns();
}

void BandHeaderView::applyColumns()
{
    if (!m_header)
        return;
    const int columns = std::min(count(), m_header->columnCount());
    for (int column = 0; column < columns; ++column) {
        setSectionHidden(column, m_header->isHidden(column));
        if (sectionSize(column) != m_header->width(column))
            resizeSection(column, m_header->width(column));
    }
    viewport()->update();
}

int BandHeaderView::bandHeight() const
{
    return fontMetrics().height() + 8;
}

int BandHeaderView::bandPositionOver(int column) const
{
    if (!m_header)
        return -1;
    for (const HeaderBand &band : m_header->bands())
        if (column >= band.firstColumn && column <= band.lastColumn && !band.caption.isEmpty())
            return band.position;
    return -1;
}

QSize BandHeaderView::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    // A band line above two caption lines ("Foreign currency" and the like wrap).
    size.setHeight(bandHeight() + 2 * fontMetrics().height() + 8);
    return size;
}

void BandHeaderView::paintCell(QPainter &painter, const QRect &rect, const QString &text) const
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().button());
    painter.drawRect(rect);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}

// Sections are painted whole by paintEvent; this keeps the base class from
// drawing its own one-level captions.
void BandHeaderView::paintSection(QPainter *, const QRect &, int) const {}

void BandHeaderView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setClipRect(event->rect());
    const int half = bandHeight();
    const int full = viewport()->height();
    const int columns = count();
    auto columnRect = [&](int column) {
        return QRect(sectionViewportPosition(column), 0, sectionSize(column), full);
    };
    for (int column = 0; column < columns; ++column) {
        if (isSectionHidden(column))
            continue;
        const QRect rect = columnRect(column);
        if (rect.right() < event->rect().left() || rect.left() > event->rect().right())
            continue;
        const QString caption = m_header && column < m_header->columnCount() ? m_header->caption(column) : QString();
        if (bandPositionOver(column) >= 0)
            paintCell(painter, rect.adjusted(0, half, 0, 0), caption);
        else
            paintCell(painter, rect, caption);
    }
    if (!m_header)
        return;
    // A band spans the shown columns under it, whatever scrolled out of sight.
    for (const HeaderBand &band : m_header->bands()) {
        if (band.caption.isEmpty())
            continue;
        int left = -1, right = -1;
        for (int column = band.firstColumn; column <= std::min(band.lastColumn, columns - 1); ++column) {
            if (isSectionHidden(column))
                continue;
            const QRect rect = columnRect(column);
            if (left < 0)
                left = rect.left();
            right = rect.right();
        }
        if (left >= 0)
            paintCell(painter, QRect(QPoint(left, 0), QPoint(right, half - 1)), band.caption);
    }
}

} // namespace qxmxz
