#include "BalanceChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include "platform/outside/GlPublic.h"

namespace qxmxz {

namespace {

// An axis from zero (or below it) to a little past the largest figure, with
// round steps, so that bars and lines sharing it start at the same base.
QValueAxis *valueAxis(double low, double high, const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setRange(qMin(0.0, low * 1.1), qMax(high * 1.1, 1.0));
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setTitleText(title);
    return axis;
}

} // namespace

BalanceChart::BalanceChart(const GlPublic &pub, QWidget *parent) : QChartView(parent), m_pub(pub)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

void BalanceChart::showPoints(const QList<GeneralLedgerPoint> &points, bool foreignShown, const QString &currencyName)
{
    m_points = points;
    QChart *c = chart();
    c->removeAllSeries();
    for (QAbstractAxis *axis : c->axes())
        c->removeAxis(axis);

    auto *debit = new QBarSet(m_pub.text(QStringLiteral("QXMXZ.chart.debit")));
    auto *credit = new QBarSet(m_pub.text(QStringLiteral("QXMXZ.chart.credit")));
    debit->setColor(QColor(0x3a, 0x8f, 0x5a));
    credit->setColor(QColor(0xc0, 0x5a, 0x3a));
    auto *balance = new QLineSeries;
    balance->setName(m_pub.text(QStringLiteral("QXMXZ.chart.balance")));
    balance->setPen(QPen(QColor(0x2f, 0x6f, 0xb0), 2.5));
    balance->setPointsVisible(true);
    QLineSeries *foreign = nullptr;
    QStringList months;
    double low = 0, high = 0, foreignLow = 0, foreignHigh = 0;
    for (int i = 0; i < points.size(); ++i) {
        const GeneralLedgerPoint &p = points[i];
        months << m_pub.monthText(p.period);
        *debit << p.debit.toDouble();
        *credit << p.credit.toDouble();
        balance->append(i, p.balance.toDouble());
        for (const double v : {p.debit.toDouble(), p.credit.toDouble(), p.balance.toDouble()}) {
            low = qMin(low, v);
            high = qMax(high, v);
        }
        if (foreignShown && p.foreignBalance) {
            if (!foreign) {
                foreign = new QLineSeries;
                foreign->setName(m_pub.text(QStringLiteral("QXMXZ.chart.foreign"), {currencyName}));
                foreign->setPen(QPen(QColor(0x7a, 0x4f, 0xa8), 2, Qt::DashLine));
                foreign->setPointsVisible(true);
            }
            foreign->append(i, p.foreignBalance->toDouble());
            foreignLow = qMin(foreignLow, p.foreignBalance->toDouble());
            foreignHigh = qMax(foreignHigh, p.foreignBalance->toDouble());
        }
    }
    auto *bars = new QBarSeries;
    bars->append(debit);
    bars->append(credit);
    c->addSeries(bars);
    c->addSeries(balance);

    auto *categories = new QBarCategoryAxis;
    categories->append(months);
    c->addAxis(categories, Qt::AlignBottom);
    QValueAxis *amounts = valueAxis(low, high, m_pub.text(QStringLiteral("QXMXZ.chart.amount")));
    c->addAxis(amounts, Qt::AlignLeft);
    for (QAbstractSeries *series : std::initializer_list<QAbstractSeries *>{bars, balance}) {
        series->attachAxis(categories);
        series->attachAxis(amounts);
    }
    if (foreign) {
        c->addSeries(foreign);
        QValueAxis *foreignAxis = valueAxis(foreignLow, foreignHigh, currencyName);
        c->addAxis(foreignAxis, Qt::AlignRight);
        foreign->attachAxis(categories);
        foreign->attachAxis(foreignAxis);
    }
}

} // namespace qxmxz
