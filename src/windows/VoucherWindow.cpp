#include "VoucherWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"
#include "totals/AmountFormats.h"
#include "totals/NumberPattern.h"

namespace qxmxz {

VoucherWindow::VoucherWindow(GlPublic &pub, QWidget *parent) : m_pub(pub), m_parent(parent) {}

void VoucherWindow::showVoucher(const VoucherRequest &request)
{
    const int year = request.year > 0 ? request.year : m_pub.year();
    RecordSet rs = m_pub.database().query(
        QStringLiteral("select ccode,cdigest,md,mc,cexch_name,md_f,mc_f,nd_s,nc_s,ibook,cbill from gl_accvouch where iyear=")
        + QString::number(year) + QStringLiteral(" and iperiod=") + QString::number(request.period)
        + QStringLiteral(" and csign=N'") + sqlQuoted(request.voucherType) + QStringLiteral("' and ino_id=")
        + QString::number(request.voucherNumber) + QStringLiteral(" and (iflag is null or iflag=2) order by inid"));

    QDialog dialog(m_parent);
    dialog.setWindowTitle(m_pub.text(QStringLiteral("QXMXZ.window.voucher"),
                                     {request.voucherType, formatNumber(request.voucherNumber, QStringLiteral("0000")),
                                      QString::number(request.period)}));
    const QStringList headings = m_pub.text(QStringLiteral("QXMXZ.window.voucherheads")).split(u'\t');
    auto *table = new QTableWidget(0, int(headings.size()), &dialog);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    int row = 0;
    for (; !rs.eof(); rs.moveNext(), ++row) {
        const QString code = rs.text(QStringLiteral("ccode")).trimmed();
        const Currency foreign = rs.money(QStringLiteral("md_f")) + rs.money(QStringLiteral("mc_f"));
        const double quantity = rs.field(QStringLiteral("nd_s")).toDouble() + rs.field(QStringLiteral("nc_s")).toDouble();
        const QString cells[] = {code,
                                 m_pub.accountName(code),
                                 rs.text(QStringLiteral("cdigest")),
                                 FormatAmt(rs.money(QStringLiteral("md"))),
                                 FormatAmt(rs.money(QStringLiteral("mc"))),
                                 rs.text(QStringLiteral("cexch_name")).trimmed(),
                                 foreign.isZero() ? QString() : FormatCy(foreign, true),
                                 quantity == 0 ? QString() : FormatQty(m_pub, quantity),
                                 rs.field(QStringLiteral("ibook")).toInt() == 1 ? QStringLiteral("✓") : QString(),
                                 rs.text(QStringLiteral("cbill"))};
        table->insertRow(row);
        for (int column = 0; column < int(std::size(cells)); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column == 3 || column == 4 || column == 6 || column == 7)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    rs.close();
    m_lastLines = row;
    table->resizeColumnsToContents();
    auto *close = new QPushButton(m_pub.text(QStringLiteral("QXMXZ.window.close")), &dialog);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    auto *title = new QLabel(dialog.windowTitle(), &dialog);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    layout->addWidget(table);
    layout->addWidget(close, 0, Qt::AlignRight);
    dialog.resize(900, 320);
    if (!m_snapshot.isEmpty()) {
        dialog.show();
        dialog.grab().save(m_snapshot);
    } else if (m_modal) {
        dialog.exec();
    }
}

} // namespace qxmxz
