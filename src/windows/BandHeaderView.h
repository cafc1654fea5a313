#pragma once

#include <QHeaderView>
#include <QPointer>

#include "platform/ui/HeaderModel.h"

namespace qxmxz {


// The two-level header over a ledger grid: the column captions of the
// HeaderModel in the lower half and its bands, each spanning its columns, in
// the upper half; a column without a band over it takes the full height.
// Widths and hidden flags follow the HeaderModel.
class BandHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit BandHeaderView(QWidget *parent = nullptr);
    void setHeaderModel(HeaderModel *header);
    HeaderModel *headerModel() const { return m_header; }

    // The band over a column, or -1 when none covers it.
    int bandPositionOver(int column) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    void applyColumns();
    int bandHeight() const;
    void paintCell(QPainter &painter, const QRect &rect, const QString &text) const;

    QPointer<HeaderModel> m_header;
};

} // namespace qxmxz
