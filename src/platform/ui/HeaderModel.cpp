#include "HeaderModel.h"

#include "platform/Failure.h"

namespace qxmxz {

HeaderModel::HeaderModel(QObject *parent)
    : QObject(parent)
{
}

void HeaderModel::setColumnCount(int columns)
{
    if (columns < 0)
        throw Failure(QStringLiteral("A header cannot have %1 columns").arg(columns));
    if (columns == columnCount())
        return;
    m_columns.resize(std::size_t(columns));
    emit columnCountChanged(columns);
    if (m_fixedColumns > columns)
        setFixedColumnCount(columns);
    if (m_scrollPosition > qMax(columns - 1, 0))
        setScrollPosition(qMax(columns - 1, 0));
}

QString HeaderModel::caption(int column) const
{
    checkColumn(column);
    return m_columns[std::size_t(column)].caption;
}

void HeaderModel::setCaption(int column, const QString &caption)
{
    checkColumn(column);
    QString &current = m_columns[std::size_t(column)].caption;
    if (current == caption)
        return;
    current = caption;
    emit columnChanged(column);
}

int HeaderModel::width(int column) const
{
    checkColumn(column);
    return m_columns[std::size_t(column)].width;
}

void HeaderModel::setWidth(int column, int pixels)
{
    checkColumn(column);
    if (pixels < 0)
        throw Failure(QStringLiteral("A header column cannot be %1 pixels wide").arg(pixels));
    int &current = m_columns[std::size_t(column)].width;
    if (current == pixels)
        return;
    current = pixels;
    emit columnChanged(column);
}

bool HeaderModel::isHidden(int column) const
{
    checkColumn(column);
    return m_columns[std::size_t(column)].hidden;
}

void HeaderModel::setHidden(int column, bool hidden)
{
    checkColumn(column);
    bool &current = m_columns[std::size_t(column)].hidden;
    if (current == hidden)
        return;
    current = hidden;
    emit columnChanged(column);
}

void HeaderModel::showAllColumns()
{
    for (int column = 0; column < columnCount(); ++column)
        setHidden(column, false);
}

void HeaderModel::setBand(const HeaderBand &band)
{
    if (band.firstColumn < 0 || band.lastColumn < band.firstColumn)
        throw Failure(QStringLiteral("A header band cannot span columns %1 to %2")
                          .arg(band.firstColumn)
                          .arg(band.lastColumn));
    const auto existing = m_bands.find(band.position);
    if (existing != m_bands.end() && existing->second == band)
        return;
    m_bands[band.position] = band;
    emit bandsChanged();
}

void HeaderModel::removeBand(int position)
{
    if (m_bands.erase(position))
        emit bandsChanged();
}

void HeaderModel::clearBands()
{
    if (m_bands.empty())
        return;
    m_bands.clear();
    emit bandsChanged();
}

bool HeaderModel::hasBand(int position) const
{
    return m_bands.count(position) != 0;
}

HeaderBand HeaderModel::band(int position) const
{
    const auto found = m_bands.find(position);
    if (found == m_bands.end())
        throw Failure(QStringLiteral("The header has no band at position %1").arg(position));
    return found->second;
}

QList<HeaderBand> HeaderModel::bands() const
{
    QList<HeaderBand> all;
    all.reserve(qsizetype(m_bands.size()));
    for (const auto &[position, band] : m_bands)
        all.append(band);
    return all;
}

void HeaderModel::setFixedColumnCount(int columns)
{
    if (columns < 0 || columns > columnCount())
        throw Failure(QStringLiteral("A header of %1 columns cannot fix %2 of them").arg(columnCount()).arg(columns));
    if (columns == m_fixedColumns)
        return;
    m_fixedColumns = columns;
    emit fixedColumnCountChanged(columns);
}

void HeaderModel::setScrollPosition(int column)
{
    if (column != 0)
        checkColumn(column);
    if (column == m_scrollPosition)
        return;
    m_scrollPosition = column;
    emit scrollPositionChanged(column);
}

void HeaderModel::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged(enabled);
}

void HeaderModel::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    emit visibleChanged(visible);
}

void HeaderModel::checkColumn(int column) const
{
    if (column < 0 || column >= columnCount())
        throw Failure(
            QStringLiteral("Header column %1 does not exist: the header has %2 columns").arg(column).arg(columnCount()));
}

} // namespace qxmxz
