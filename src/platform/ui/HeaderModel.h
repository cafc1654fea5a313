#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <map>
#include <vector>

namespace qxmxz {

// A caption over a run of header columns: the second header level.
struct HeaderBand {
    int position = 0;    // the band's slot; a header has at most one band per slot
    int firstColumn = 0;
    int lastColumn = 0;
    QString caption;

    friend bool operator==(const HeaderBand &, const HeaderBand &) = default;
};

// The two-level header over a ledger grid, without a window: per column a
// caption, a width in pixels and a hidden flag, and above them the bands.
// The layout code fills it; a header view paints it and follows its signals.
// The header scrolls with its grid: the scroll position is the first
// scrollable column shown, as GridModel::LeftCol.
class HeaderModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible NOTIFY visibleChanged)

public:
    // The pixels of a grid column of default width at 15 twips per pixel.
    static constexpr int defaultWidth = 64;

    explicit HeaderModel(QObject *parent = nullptr);

    // New columns are defaultWidth pixels wide, shown, without caption; fewer
    // columns drop the last ones. Bands are kept as they are.
    int columnCount() const { return int(m_columns.size()); }
    void setColumnCount(int columns);

    QString caption(int column) const;
    void setCaption(int column, const QString &caption);
    int width(int column) const;
    void setWidth(int column, int pixels);
    bool isHidden(int column) const;
    void setHidden(int column, bool hidden);
    // Every column shown again (their widths stay as they are).
    void showAllColumns();

    // Adds the band at `position` or replaces the one there. A band may reach
    // past the last column; a view clips it.
    void setBand(const HeaderBand &band);
    void removeBand(int position);
    void clearBands();
    bool hasBand(int position) const;
    HeaderBand band(int position) const;
    // Every band, by position.
    QList<HeaderBand> bands() const;

    int fixedColumnCount() const { return m_fixedColumns; }
    void setFixedColumnCount(int columns);
    int scrollPosition() const { return m_scrollPosition; }
    void setScrollPosition(int column);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

signals:
    void columnCountChanged(int columns);
    // Caption, width or hidden flag of one column.
    void columnChanged(int column);
    void bandsChanged();
    void fixedColumnCountChanged(int columns);
    void scrollPositionChanged(int column);
    void enabledChanged(bool enabled);
    void visibleChanged(bool visible);

private:
    struct Column {
        QString caption;
        int width = defaultWidth;
        bool hidden = false;
    };
    void checkColumn(int column) const;

    std::vector<Column> m_columns;
    std::map<int, HeaderBand> m_bands;
    int m_fixedColumns = 0;
    int m_scrollPosition = 0;
    bool m_enabled = true;
    bool m_visible = true;
};

} // namespace qxmxz
