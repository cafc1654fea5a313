#include "ReportWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "LedgerGridView.h"
#include "engine/LedgerHost.h"
#include "engine/kmmx.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/ReportFacade.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "presentation/BookStyle.h"
#include "presentation/LedgerGridLayout.h"

namespace qxmxz {

ReportWindow::ReportWindow(GlPublic &pub, const ReportQuery &query, QWidget *parent) : QDialog(parent)
{
    m_account = query.value(QStringLiteral("code")).toString().section(u';', 0, 0).trimmed();
    const QString month = query.value(QStringLiteral("month")).toString();
    const int period = pub.periodOfText(month);
    setWindowTitle(query.reportId + QStringLiteral(" — ") + m_account + u' ' + pub.accountName(m_account));

    qint16 columnOption = 1;
    LayOutLedgerGrid(pub, m_grid, m_header, BookStyles::text(BookStyle::Je), columnOption, 4, LedgerLayoutFlags{});
    HintState hint, quantity, currency;
    StopButtonState stop;
    HeadlessLedgerHost host;
    host.account = m_account;
    host.option = 1;
    kmmx engine(pub);
    engine.sMode = QString::fromUtf8(kmmx::QueryMode);
    engine.objHeader = &m_header;
    engine.frmLedger = &host;
    engine.objGrid = &m_grid;
    engine.objQtyLabel = &quantity;
    engine.objCurLabel = &currency;
    engine.objHint = &hint;
    engine.objStop = &stop;
    engine.bBeginPeriod = engine.bEndPeriod = quint8(period > 0 ? period : 1);
    engine.bIncludeUnposted = query.value(QStringLiteral("isinclude")).toInt() != 0 ? 1 : 0;
    engine.sKmCode = m_account;
    engine.mxbyCode(0);

    auto *caption = new QLabel(pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.mxz")) + QStringLiteral("  ") + month, this);
    m_view = new LedgerGridView(this);
    m_view->setLedger(&m_grid, &m_header);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_view, 1);
    resize(1000, 560);
}

} // namespace qxmxz
