#include "GridModel.h"

#include "platform/Failure.h"

namespace qxmxz {

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

GridModel::~GridModel() = default;

// ---- shape -----------------------------------------------------------------

void GridModel::setRows(int rows)
{
    if (rows < 0)
        throw Failure(QStringLiteral("A grid cannot have %1 rows").arg(rows));
    if (rows > Rows())
        insertRowsAt(Rows(), rows - Rows());
    else if (rows < Rows())
        removeRowsFrom(rows);
    if (m_fixedRows > rows) {
        m_fixedRows = rows;
        emit fixedCellsChanged();
    }
    m_row = qMin(m_row, qMax(rows - 1, 0));
}

void GridModel::setCols(int columns)
{
    if (columns < 0 || columns > maximumColumns)
        throw Failure(QStringLiteral("A grid cannot have %1 columns").arg(columns));
    const int old = Cols();
    if (columns > old) {
        beginInsertColumns({}, old, columns - 1);
        m_text.setColumnCount(columns);
        m_columnAlignments.resize(std::size_t(columns), quint8(GridAlignment::leftCentre));
        m_columnWidths.resize(std::size_t(columns), defaultColumnWidth);
        endInsertColumns();
    } else if (columns < old) {
        beginRemoveColumns({}, columns, old - 1);
        m_text.setColumnCount(columns);
        m_columnAlignments.resize(std::size_t(columns));
        m_columnWidths.resize(std::size_t(columns));
        // Cut the row patterns too, so that columns added later start plain.
        std::unordered_map<quint32, quint32> cutAlignments, cutColors;
        for (RowFormat &format : m_rowFormats) {
            auto cut = [columns](CellPatternTable &table, std::unordered_map<quint32, quint32> &done, quint32 pattern) {
                const auto known = done.find(pattern);
                if (known != done.end())
                    return known->second;
                return done.emplace(pattern, table.truncated(pattern, columns)).first->second;
            };
            format.alignments = cut(m_alignmentPatterns, cutAlignments, format.alignments);
            format.colors = cut(m_colorPatterns, cutColors, format.colors);
        }
        m_heldLastColumn = qMin(m_heldLastColumn, columns - 1);
        endRemoveColumns();
    }
    if (m_fixedCols > columns) {
        m_fixedCols = columns;
        emit fixedCellsChanged();
    }
    m_col = qMin(m_col, qMax(columns - 1, 0));
    if (m_leftCol > qMax(columns - 1, 0)) {
        m_leftCol = qMax(columns - 1, 0);
        emit scrollPositionChanged(m_leftCol);
    }
}

void GridModel::setFixedRows(int rows)
{
    if (rows < 0)
        throw Failure(QStringLiteral("A grid cannot have %1 fixed rows").arg(rows));
    if (rows > Rows())
        setRows(rows);
    if (rows != m_fixedRows) {
        m_fixedRows = rows;
        emit fixedCellsChanged();
    }
}

void GridModel::setFixedCols(int columns)
{
    if (columns < 0)
        throw Failure(QStringLiteral("A grid cannot have %1 fixed columns").arg(columns));
    if (columns > Cols())
        setCols(columns);
    if (columns != m_fixedCols) {
        m_fixedCols = columns;
        emit fixedCellsChanged();
    }
}

// ---- rows and texts --------------------------------------------------------

void GridModel::AddItem(const QString &text, int index)
{
    if (index == -1)
        index = Rows();
    if (index < 0 || index > Rows())
        throw Failure(QStringLiteral("Grid row %1 cannot be added: the grid has %2 rows").arg(index).arg(Rows()));
    insertRowsAt(index, 1, [&] { m_text.insertTabbedRow(index, text); });
}

void GridModel::addRow(const QStringView *cells, int count)
{
    const int at = Rows();
    insertRowsAt(at, 1, [&] { m_text.insertRow(at, cells, count); });
}

QString GridModel::TextMatrix(int row, int column) const
{
    checkCell(row, column);
    return m_text.cell(row, column);
}

void GridModel::setTextMatrix(int row, int column, const QString &text)
{
    checkCell(row, column);
    m_text.setCell(row, column, text);
    cellsChanged(row, row, column, column, TextChanged);
}

void GridModel::Clear()
{
    m_text.clearText();
    for (RowFormat &format : m_rowFormats) {
        format.alignments = CellPatternTable::plainPattern;
        format.colors = CellPatternTable::plainPattern;
    }
    m_alignmentPatterns.clear();
    m_colorPatterns.clear();
    m_palette.clear();
    m_paletteCodes.clear();
    cellsChanged(0, Rows() - 1, 0, Cols() - 1, TextChanged | AlignmentChanged | ColorChanged);
}

void GridModel::insertRowsAt(int at, int count, const std::function<void()> &storeText)
{
    if (count <= 0)
        return;
    // With Redraw on every row is announced, so `at` is at most the announced
    // count; with Redraw off only rows among the announced ones go out now.
    const bool announceNow = m_redraw || at < m_announcedRows;
    if (announceNow)
        beginInsertRows({}, at, at + count - 1);
    if (storeText)
        storeText();
    else
        m_text.insertEmptyRows(at, count);
    m_rowFormats.insert(m_rowFormats.begin() + at, std::size_t(count), RowFormat{});
    if (m_heldLastRow >= at)
        m_heldLastRow += count;
    if (m_heldFirstRow >= at)
        m_heldFirstRow += count;
    if (m_heldLastHeight >= at)
        m_heldLastHeight += count;
    if (m_heldFirstHeight >= at)
        m_heldFirstHeight += count;
    if (announceNow) {
        m_announcedRows += count;
        endInsertRows();
    }
}

void GridModel::removeRowsFrom(int from)
{
    const bool announced = from < m_announcedRows;
    if (announced)
        beginRemoveRows({}, from, m_announcedRows - 1);
    m_text.removeRows(from, Rows() - from);
    m_rowFormats.resize(std::size_t(from));
    m_heldLastRow = qMin(m_heldLastRow, from - 1);
    m_heldLastHeight = qMin(m_heldLastHeight, from - 1);
    if (announced) {
        m_announcedRows = from;
        endRemoveRows();
    }
}

// ---- current cell, alignment, colour ---------------------------------------

void GridModel::setRow(int row)
{
    checkRow(row);
    m_row = row;
}

void GridModel::setCol(int column)
{
    checkColumn(column);
    m_col = column;
}

int GridModel::CellAlignment(int row, int column) const
{
    checkCell(row, column);
    const quint16 own = m_alignmentPatterns.code(m_rowFormats[std::size_t(row)].alignments, column);
    return own ? own - 1 : m_columnAlignments[std::size_t(column)];
}

void GridModel::setCellAlignment(int row, int column, int code)
{
    checkCell(row, column);
    checkAlignment(code);
    const bool likeColumn = code == m_columnAlignments[std::size_t(column)];
    quint32 &pattern = m_rowFormats[std::size_t(row)].alignments;
    const quint32 changed = m_alignmentPatterns.withCode(pattern, column, likeColumn ? 0 : quint16(code + 1));
    if (changed == pattern)
        return;
    pattern = changed;
    cellsChanged(row, row, column, column, AlignmentChanged);
}

void GridModel::copyCellAlignments(int fromRow, int toRow)
{
    checkRow(fromRow);
    checkRow(toRow);
    const quint32 pattern = m_rowFormats[std::size_t(fromRow)].alignments;
    quint32 &target = m_rowFormats[std::size_t(toRow)].alignments;
    if (target == pattern)
        return;
    target = pattern;
    cellsChanged(toRow, toRow, 0, Cols() - 1, AlignmentChanged);
}

int GridModel::CellBackColor(int row, int column) const
{
    checkCell(row, column);
    const quint16 code = m_colorPatterns.code(m_rowFormats[std::size_t(row)].colors, column);
    return code ? m_palette[code - 1u] : noColor;
}

void GridModel::setCellBackColor(int row, int column, int rgb)
{
    checkCell(row, column);
    const quint16 code = colorCode(rgb);
    quint32 &pattern = m_rowFormats[std::size_t(row)].colors;
    const quint32 changed = m_colorPatterns.withCode(pattern, column, code);
    if (changed == pattern)
        return;
    pattern = changed;
    cellsChanged(row, row, column, column, ColorChanged);
}

void GridModel::setRowBackColor(int row, int rgb)
{
    checkRow(row);
    const quint16 code = colorCode(rgb);
    quint32 &pattern = m_rowFormats[std::size_t(row)].colors;
    const quint32 changed = m_colorPatterns.uniform(Cols(), code);
    if (changed == pattern)
        return;
    pattern = changed;
    cellsChanged(row, row, 0, Cols() - 1, ColorChanged);
}

quint16 GridModel::colorCode(int rgb)
{
    if (rgb == noColor)
        return 0;
    if (!isValidRgb(rgb))
        throw Failure(QStringLiteral("%1 is not a grid colour").arg(rgb));
    const auto known = m_paletteCodes.find(rgb);
    if (known != m_paletteCodes.end())
        return known->second;
    if (m_palette.size() >= 0xFFFF)
        throw Failure(QStringLiteral("The grid cannot hold more than 65535 different cell colours"));
    m_palette.push_back(rgb);
    const auto code = quint16(m_palette.size());
    m_paletteCodes.emplace(rgb, code);
    return code;
}

// ---- columns and rows as a whole -------------------------------------------

int GridModel::ColAlignment(int column) const
{
    checkColumn(column);
    return m_columnAlignments[std::size_t(column)];
}

void GridModel::setColAlignment(int column, int code)
{
    checkColumn(column);
    checkAlignment(code);
    if (m_columnAlignments[std::size_t(column)] == code)
        return;
    m_columnAlignments[std::size_t(column)] = quint8(code);
    cellsChanged(0, Rows() - 1, column, column, AlignmentChanged);
}

int GridModel::ColWidth(int column) const
{
    checkColumn(column);
    return m_columnWidths[std::size_t(column)];
}

void GridModel::setColWidth(int column, int twips)
{
    checkColumn(column);
    if (twips < -1)
        throw Failure(QStringLiteral("A grid column cannot be %1 twips wide").arg(twips));
    if (twips == -1)
        twips = defaultColumnWidth;
    if (m_columnWidths[std::size_t(column)] == twips)
        return;
    m_columnWidths[std::size_t(column)] = twips;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int GridModel::RowHeight(int row) const
{
    checkRow(row);
    const qint16 height = m_rowFormats[std::size_t(row)].height;
    return height < 0 ? defaultRowHeight : height;
}

void GridModel::setRowHeight(int row, int twips)
{
    checkRow(row);
    if (twips < -1 || twips > 0x7FFF)
        throw Failure(QStringLiteral("A grid row cannot be %1 twips high").arg(twips));
    qint16 &height = m_rowFormats[std::size_t(row)].height;
    if (height == twips)
        return;
    height = qint16(twips);
    rowHeightsChanged(row, row);
}

void GridModel::setLeftCol(int column)
{
    if (column != 0)
        checkColumn(column);
    if (column == m_leftCol)
        return;
    m_leftCol = column;
    emit scrollPositionChanged(column);
}

void GridModel::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    emit visibleChanged(visible);
}

void GridModel::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged(enabled);
}

// ---- redraw ------------------------------------------------------------------

void GridModel::setRedraw(bool on)
{
    if (on == m_redraw)
        return;
    m_redraw = on;
    if (!on)
        return;

    const int lastCellRow = qMin(m_heldLastRow, m_announcedRows - 1);
    if (m_heldFirstRow <= lastCellRow && m_heldFirstColumn <= m_heldLastColumn)
        emit dataChanged(index(m_heldFirstRow, m_heldFirstColumn), index(lastCellRow, m_heldLastColumn),
                         rolesOf(m_heldRoles));
    m_heldFirstRow = 0;
    m_heldLastRow = -1;
    m_heldRoles = 0;

    if (Rows() > m_announcedRows) {
        beginInsertRows({}, m_announcedRows, Rows() - 1);
        m_announcedRows = Rows();
        endInsertRows();
    }

    const int lastHeightRow = qMin(m_heldLastHeight, m_announcedRows - 1);
    if (m_heldFirstHeight <= lastHeightRow)
        emit headerDataChanged(Qt::Vertical, m_heldFirstHeight, lastHeightRow);
    m_heldFirstHeight = 0;
    m_heldLastHeight = -1;
}

void GridModel::cellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn, unsigned roles)
{
    // Rows not announced yet reach the views with their contents when they are.
    lastRow = qMin(lastRow, m_announcedRows - 1);
    if (firstRow > lastRow || firstColumn > lastColumn)
        return;
    if (m_redraw) {
        emit dataChanged(index(firstRow, firstColumn), index(lastRow, lastColumn), rolesOf(roles));
        return;
    }
    if (m_heldFirstRow > m_heldLastRow || m_heldFirstColumn > m_heldLastColumn) {
        m_heldFirstRow = firstRow;
        m_heldLastRow = lastRow;
        m_heldFirstColumn = firstColumn;
        m_heldLastColumn = lastColumn;
    } else {
        m_heldFirstRow = qMin(m_heldFirstRow, firstRow);
        m_heldLastRow = qMax(m_heldLastRow, lastRow);
        m_heldFirstColumn = qMin(m_heldFirstColumn, firstColumn);
        m_heldLastColumn = qMax(m_heldLastColumn, lastColumn);
    }
    m_heldRoles |= roles;
}

void GridModel::rowHeightsChanged(int firstRow, int lastRow)
{
    if (m_redraw) {
        emit headerDataChanged(Qt::Vertical, firstRow, lastRow);
        return;
    }
    if (m_heldFirstHeight > m_heldLastHeight) {
        m_heldFirstHeight = firstRow;
        m_heldLastHeight = lastRow;
    } else {
        m_heldFirstHeight = qMin(m_heldFirstHeight, firstRow);
        m_heldLastHeight = qMax(m_heldLastHeight, lastRow);
    }
}

QList<int> GridModel::rolesOf(unsigned changed) const
{
    QList<int> roles;
    if (changed & TextChanged)
        roles << Qt::DisplayRole;
    if (changed & AlignmentChanged)
        roles << Qt::TextAlignmentRole;
    if (changed & ColorChanged)
        roles << BackgroundRgbRole;
    return roles;
}

// ---- checks --------------------------------------------------------------------

void GridModel::checkRow(int row) const
{
    if (row < 0 || row >= Rows())
        throw Failure(QStringLiteral("Grid row %1 does not exist: the grid has %2 rows").arg(row).arg(Rows()));
}

void GridModel::checkColumn(int column) const
{
    if (column < 0 || column >= Cols())
        throw Failure(
            QStringLiteral("Grid column %1 does not exist: the grid has %2 columns").arg(column).arg(Cols()));
}

void GridModel::checkCell(int row, int column) const
{
    checkRow(row);
    checkColumn(column);
}

void GridModel::checkAlignment(int code)
{
    if (!isValidGridAlignment(code))
        throw Failure(QStringLiteral("%1 is not a grid alignment code").arg(code));
}

// ---- size ------------------------------------------------------------------------

qsizetype GridModel::byteSize() const
{
    return m_text.byteSize() + qsizetype(m_rowFormats.capacity() * sizeof(RowFormat))
        + m_alignmentPatterns.byteSize() + m_colorPatterns.byteSize()
        + qsizetype(m_palette.capacity() * sizeof(int) + m_paletteCodes.size() * 32
                    + m_columnAlignments.capacity() + m_columnWidths.capacity() * sizeof(int));
}

// ---- table model -------------------------------------------------------------------

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_announcedRows;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Cols();
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return TextMatrix(index.row(), index.column());
    case Qt::TextAlignmentRole:
        // An int, which every view and delegate of Qt 6 reads.
        return toQtAlignment(CellAlignment(index.row(), index.column())).toInt();
    case BackgroundRgbRole: {
        const int rgb = CellBackColor(index.row(), index.column());
        return rgb == noColor ? QVariant() : QVariant(rgb);
    }
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == ColumnWidthRole)
        return section >= 0 && section < Cols() ? QVariant(ColWidth(section)) : QVariant();
    if (orientation == Qt::Vertical && role == RowHeightRole)
        return section >= 0 && section < m_announcedRows ? QVariant(RowHeight(section)) : QVariant();
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace qxmxz
