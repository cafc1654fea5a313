#pragma once

#include <QChartView>
#include <QList>

#include "presentation/GeneralLedgerSeries.h"

namespace qxmxz {

class GlPublic;

// Under the general-ledger grid: each period's debit and credit as bars and
// the period-end balance as a line, from the rows the grid shows; in the
// foreign-currency styles the foreign balance as a second line on an axis of
// its own.
class BalanceChart : public QChartView {
    Q_OBJECT
public:
    explicit BalanceChart(const GlPublic &pub, QWidget *parent = nullptr);

    void showPoints(const QList<GeneralLedgerPoint> &points, bool foreignShown, const QString &currencyName);
    const QList<GeneralLedgerPoint> &points() const { return m_points; }

private:
    const GlPublic &m_pub;
    QList<GeneralLedgerPoint> m_points;
};

} // namespace qxmxz
