#include "frmKJYL.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/outside/GlPublic.h"
#include "totals/NumberPattern.h"

namespace qxmxz {

frmKJYL::frmKJYL(GlPublic &pub, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(pub.text(QStringLiteral("R7.GL.QXMXZ.frmkjyl.periad")));
    m_grid = new QTableWidget(12, 3, this);
    const int twips[] = {500, 1080, 1080};
    const QString headings[] = {pub.text(QStringLiteral("R7.GL.QXMXZ.frmkjyl.periad")),
                                pub.text(QStringLiteral("R7.GL.QXMXZ.frmkjyl.startdate")),
                                pub.text(QStringLiteral("R7.GL.QXMXZ.frmkjyl.enddate"))};
    for (int column = 0; column < 3; ++column) {
        m_grid->setHorizontalHeaderItem(column, new QTableWidgetItem(headings[column]));
        // Twips at 15 a pixel, widened to the font in use so no date is cut.
        m_grid->setColumnWidth(column, std::max(twips[column] / 15, fontMetrics().horizontalAdvance(
                                                                          QStringLiteral("0000.00.00")) + 16));
    }
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const FiscalCalendar &calendar = pub.calendar();
    for (int period = 1; period <= 12; ++period) {
        const QString texts[] = {QString::number(period),
                                 formatDate(calendar.begin(period), QStringLiteral("yyyy.mm.dd")),
                                 formatDate(calendar.end(period), QStringLiteral("yyyy.mm.dd"))};
        for (int column = 0; column < 3; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(Qt::AlignCenter);
            m_grid->setItem(period - 1, column, item);
        }
    }
    auto *close = new QPushButton(pub.text(QStringLiteral("QXMXZ.window.close")), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addWidget(close, 0, Qt::AlignRight);
    int width = 0;
    for (int column = 0; column < 3; ++column)
        width += m_grid->columnWidth(column);
    resize(width + 40, m_grid->horizontalHeader()->sizeHint().height() + 12 * m_grid->rowHeight(0) + 80);
}

} // namespace qxmxz
