#pragma once

#include "CellPatternTable.h"
#include "CellTextStore.h"
#include "GridAlignment.h"
#include "GridColor.h"

#include <QAbstractTableModel>
#include <functional>
#include <unordered_map>
#include <vector>

namespace qxmxz {

// The ledger grid without a window: the grid operations the engine, the
// merged ledger, the general-ledger rows and the find dialog drive, under the
// grid's own names (AddItem, TextMatrix, Rows, Cols, Row, Col, CellAlignment,
// CellBackColor, ColAlignment, ColWidth, RowHeight, Redraw, Clear), on top of
// a table model that windows put views on.
//
// Rows and columns count from 0 and include the fixed ones. A fresh grid has
// no rows, no columns and nothing fixed; the layout code gives it its shape.
// A row or column outside the grid is a Failure, as is an alignment code
// outside 0..8 or a colour outside 0..0xFFFFFF (noColor aside).
//
// Colours are in the numbering of GridColor.h (red + green*256 + blue*65536).
// Widths and heights are in twips; a column of width 0 and a row of height 0
// are hidden. Alignment codes are those of GridAlignment.h.
//
// Redraw: while it is off, rows appended at the end and changes to cells of
// rows the views already have are held back; switching it on announces them
// in one batch (dataChanged over the changed area, then one
// beginInsertRows/endInsertRows for the new rows, then headerDataChanged for
// changed row heights), so a view never shows a half-built page. rowCount()
// is the number of rows announced to views; Rows() is the real number.
// Changes that move rows the views already have (a row inserted among them,
// rows removed) and column changes are announced at once even while Redraw
// is off: a view must never hold rows whose contents shifted under it.
//
// Storage is compact: cell texts in CellTextStore, cell alignments and colours
// as shared row patterns in CellPatternTable, and per row only a pattern
// number for each plus its height. byteSize() tells what a grid holds.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
    Q_PROPERTY(int Rows READ Rows WRITE setRows)
    Q_PROPERTY(int Cols READ Cols WRITE setCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE setFixedRows)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE setFixedCols)
    Q_PROPERTY(int Row READ Row WRITE setRow)
    Q_PROPERTY(int Col READ Col WRITE setCol)
    Q_PROPERTY(int CellAlignment READ CellAlignment WRITE setCellAlignment)
    Q_PROPERTY(int CellBackColor READ CellBackColor WRITE setCellBackColor)
    Q_PROPERTY(bool Redraw READ Redraw WRITE setRedraw)
    Q_PROPERTY(int LeftCol READ LeftCol WRITE setLeftCol NOTIFY scrollPositionChanged)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible NOTIFY visibleChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY enabledChanged)

public:
    enum Role {
        // int in the numbering of GridColor.h; no value when the cell has no colour.
        BackgroundRgbRole = Qt::UserRole + 1,
        // headerData(column, Qt::Horizontal): the column width in twips.
        ColumnWidthRole,
        // headerData(row, Qt::Vertical): the row height in twips (0 = hidden).
        RowHeightRole,
    };

    static constexpr int defaultColumnWidth = 960;
    static constexpr int defaultRowHeight = 240;
    static constexpr int maximumColumns = 0xFFFF;

    explicit GridModel(QObject *parent = nullptr);
    ~GridModel() override;

    // Rows and columns. Fewer rows drop the last ones; more add empty rows.
    // FixedRows/FixedCols never exceed Rows/Cols: setting them extends the
    // grid, shrinking the grid lowers them.
    int Rows() const { return int(m_text.rowCount()); }
    void setRows(int rows);
    int Cols() const { return m_text.columnCount(); }
    void setCols(int columns);
    int FixedRows() const { return m_fixedRows; }
    void setFixedRows(int rows);
    int FixedCols() const { return m_fixedCols; }
    void setFixedCols(int columns);

    // Adds a row whose cells are the pieces of `text` between tab characters
    // (fewer pieces leave the rest empty, more than Cols are dropped), at
    // `index` (0..Rows) or after the last row when `index` is -1.
    Q_INVOKABLE void AddItem(const QString &text, int index = -1);
    // Adds a row after the last one from its cells, as they are (a tab is
    // not a separator here): for a writer of many rows, which need not join
    // them to have them split again.
    void addRow(const QStringView *cells, int count);
    Q_INVOKABLE QString TextMatrix(int row, int column) const;
    Q_INVOKABLE void setTextMatrix(int row, int column, const QString &text);
    // Every cell empty, without colour or alignment of its own; the numbers of
    // rows and columns, widths, heights and column alignments stay.
    Q_INVOKABLE void Clear();

    // The current cell, which CellAlignment and CellBackColor act on. The
    // window writes the user's current cell here; the model does not move a
    // view's selection.
    int Row() const { return m_row; }
    void setRow(int row);
    int Col() const { return m_col; }
    void setCol(int column);
    int CellAlignment() const { return CellAlignment(m_row, m_col); }
    void setCellAlignment(int code) { setCellAlignment(m_row, m_col, code); }
    int CellBackColor() const { return CellBackColor(m_row, m_col); }
    void setCellBackColor(int rgb) { setCellBackColor(m_row, m_col, rgb); }

    // The same on a given cell, without moving the current cell. A cell's own
    // alignment is kept only where it differs from its column's, so a cell
    // given its column's alignment follows later changes of the column.
    Q_INVOKABLE int CellAlignment(int row, int column) const;
    Q_INVOKABLE void setCellAlignment(int row, int column, int code);
    Q_INVOKABLE int CellBackColor(int row, int column) const;
    Q_INVOKABLE void setCellBackColor(int row, int column, int rgb);
    // Every cell of the row (columns 0..Cols-1) takes the colour.
    Q_INVOKABLE void setRowBackColor(int row, int rgb);
    // Every cell of `toRow` takes the alignment of the same cell of `fromRow`:
    // for a writer of many rows aligned alike.
    void copyCellAlignments(int fromRow, int toRow);

    // Columns start left aligned (code 1).
    Q_INVOKABLE int ColAlignment(int column) const;
    Q_INVOKABLE void setColAlignment(int column, int code);
    // -1 gives back the default width/height.
    Q_INVOKABLE int ColWidth(int column) const;
    Q_INVOKABLE void setColWidth(int column, int twips);
    Q_INVOKABLE int RowHeight(int row) const;
    Q_INVOKABLE void setRowHeight(int row, int twips);

    bool Redraw() const { return m_redraw; }
    void setRedraw(bool on);

    // The first scrollable column shown, which the header follows.
    int LeftCol() const { return m_leftCol; }
    void setLeftCol(int column);

    // The layout hides the grid while it works; a run disables it until its
    // first page is shown. The window's view follows both.
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Bytes the grid holds for its cells and rows (allocated sizes).
    qsizetype byteSize() const;

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void fixedCellsChanged();
    void scrollPositionChanged(int leftColumn);
    void visibleChanged(bool visible);
    void enabledChanged(bool enabled);

private:
    // Per-row formatting; the texts live in m_text.
    struct RowFormat {
        quint32 alignments = CellPatternTable::plainPattern;
        quint32 colors = CellPatternTable::plainPattern;
        qint16 height = -1; // -1: defaultRowHeight
    };
    enum ChangedRole : unsigned { TextChanged = 1, AlignmentChanged = 2, ColorChanged = 4 };

    void checkRow(int row) const;
    void checkColumn(int column) const;
    void checkCell(int row, int column) const;
    static void checkAlignment(int code);
    quint16 colorCode(int rgb);
    // `storeText` stores the text of the one row inserted; without it the
    // rows are empty.
    void insertRowsAt(int at, int count, const std::function<void()> &storeText = {});
    void removeRowsFrom(int from);
    void cellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn, unsigned roles);
    void rowHeightsChanged(int firstRow, int lastRow);
    QList<int> rolesOf(unsigned changed) const;

    CellTextStore m_text;
    std::vector<RowFormat> m_rowFormats;
    CellPatternTable m_alignmentPatterns; // code + 1, 0 = the column's
    CellPatternTable m_colorPatterns;     // palette index + 1, 0 = none
    std::vector<int> m_palette;
    std::unordered_map<int, quint16> m_paletteCodes;
    std::vector<quint8> m_columnAlignments;
    std::vector<int> m_columnWidths;

    int m_fixedRows = 0;
    int m_fixedCols = 0;
    int m_row = 0;
    int m_col = 0;
    int m_leftCol = 0;
    bool m_visible = true;
    bool m_enabled = true;

    bool m_redraw = true;
    int m_announcedRows = 0;
    // Held back while Redraw is off: the area of changed cells of announced
    // rows and the range of rows whose height changed.
    int m_heldFirstRow = 0, m_heldLastRow = -1, m_heldFirstColumn = 0, m_heldLastColumn = -1;
    unsigned m_heldRoles = 0;
    int m_heldFirstHeight = 0, m_heldLastHeight = -1;
};

} // namespace qxmxz
