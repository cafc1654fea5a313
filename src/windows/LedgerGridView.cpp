#include "LedgerGridView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QPainter>
#include <QStyledItemDelegate>

#include "BandHeaderView.h"
#include "platform/ui/GridColor.h"
#include "platform/ui/GridModel.h"

namespace qxmxz {

namespace {

// Cell backgrounds in the component's colour numbering.
class LedgerCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        // A grid that carries its own heading rows (the fixed rows) shows
        // them as a header: button colour, bold, centred.
        const auto *grid = qobject_cast<const GridModel *>(index.model());
        if (grid && index.row() < grid->FixedRows()) {
            QStyleOptionViewItem heading = option;
            heading.font.setBold(true);
            heading.displayAlignment = Qt::AlignCenter;
            heading.state &= ~QStyle::State_Selected;
            painter->fillRect(option.rect, option.palette.button());
            QStyledItemDelegate::paint(painter, heading, index);
            return;
        }
        const QVariant rgb = index.data(GridModel::BackgroundRgbRole);
        if (rgb.isValid() && !(option.state & QStyle::State_Selected)) {
            const int value = rgb.toInt();
            painter->fillRect(option.rect, QColor(redOf(value), greenOf(value), blueOf(value)));
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

} // namespace

LedgerGridView::LedgerGridView(QWidget *parent) : QTableView(parent)
{
    m_bandHeader = new BandHeaderView(this);
    setHorizontalHeader(m_bandHeader);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setItemDelegate(new LedgerCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void LedgerGridView::setLedger(GridModel *grid, HeaderModel *header)
{
    m_grid = grid;
    setModel(grid);
    m_bandHeader->setHeaderModel(header);
    if (!grid)
        return;
    if (!header) {
        // Headings live in the grid's fixed rows; widths and hidden columns
        // come from the grid itself.
        m_bandHeader->hide();
        applyGridWidths();
        connect(grid, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation o) {
            if (o == Qt::Horizontal)
                applyGridWidths();
        });
    }
    // The engine and the voucher drill-down read the grid's current row.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid() && m_grid)
            m_grid->setRow(current.row());
    });
    connect(grid, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { applyRowHeights(first, last); });
    connect(grid, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation o, int first, int last) {
        if (o == Qt::Vertical)
            applyRowHeights(first, last);
    });
}

void LedgerGridView::applyGridWidths()
{
    // Measured on the grid's texts, not on the rows the view has been told
    // of: a grid filled with its redraw off announces its rows only later.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics plain(font()), heading(bold);
    const int rows = std::min(m_grid->Rows(), 1000);
    for (int column = 0; column < m_grid->Cols(); ++column) {
        const int pixels = m_grid->ColWidth(column) / 15;
        setColumnHidden(column, pixels == 0);
        if (pixels == 0)
            continue;
        int needed = 0;
        for (int row = 0; row < rows; ++row)
            needed = std::max(needed, (row < m_grid->FixedRows() ? heading : plain)
                                          .horizontalAdvance(m_grid->TextMatrix(row, column)));
        setColumnWidth(column, std::max(pixels, needed + 12));
    }
}

void LedgerGridView::applyRowHeights(int first, int last)
{
    // Only a hidden row (height 0) differs from the default height: the view
    // keeps one row height for everything else, so scrolling stays cheap.
    for (int row = first; row <= last; ++row)
        if (const bool hide = m_grid->RowHeight(row) == 0; hide != isRowHidden(row))
            setRowHidden(row, hide);
}

void LedgerGridView::setLocked(bool locked, int leadingColumns)
{
    m_locked = locked && leadingColumns > 0;
    m_lockedColumns = m_locked ? leadingColumns : 0;
    if (!m_locked) {
        delete m_frozen;
        m_frozen = nullptr;
        return;
    }
    if (!m_frozen) {
        // A second view on the same rows in front of the grid, showing only
        // the leading columns and following the grid's vertical scrolling.
        m_frozen = new QTableView(this);
        auto *header = new BandHeaderView(m_frozen);
        m_frozen->setHorizontalHeader(header);
        header->setHeaderModel(m_bandHeader->headerModel());
        m_frozen->verticalHeader()->hide();
        m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
        m_frozen->setItemDelegate(itemDelegate());
        m_frozen->setModel(model());
        m_frozen->setSelectionModel(selectionModel());
        m_frozen->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_frozen->setFocusPolicy(Qt::NoFocus);
        m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_frozen->setVerticalScrollMode(verticalScrollMode());
        m_frozen->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
        connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
                &QAbstractSlider::setValue);
        connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
                &QAbstractSlider::setValue);
    }
    for (int column = 0; column < model()->columnCount(); ++column)
        m_frozen->setColumnHidden(column, column >= m_lockedColumns || isColumnHidden(column));
    for (int row = 0; row < model()->rowCount(); ++row)
        m_frozen->setRowHidden(row, isRowHidden(row));
    m_frozen->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_frozen->verticalScrollBar()->setValue(verticalScrollBar()->value());
    placeFrozenView();
    m_frozen->show();
}

void LedgerGridView::placeFrozenView()
{
    if (!m_frozen)
        return;
    int width = 0;
    for (int column = 0; column < m_lockedColumns && column < model()->columnCount(); ++column)
        if (!isColumnHidden(column))
            width += columnWidth(column);
    m_frozen->setGeometry(frameWidth(), frameWidth(), width,
                          viewport()->height() + horizontalHeader()->height());
}

void LedgerGridView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeFrozenView();
}

} // namespace qxmxz
