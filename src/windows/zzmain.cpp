#include "zzmain.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "BalanceChart.h"
#include "LedgerGridView.h"
#include "LedgerToolbar.h"
#include "SheetPrinting.h"
#include "ToolWindow.h"
#include "WindowHelp.h"
#include "frmKJYL.h"
#include "general_ledger/basGrwl.h"
#include "mxz.h"
#include "zzCond.h"
#include "platform/outside/GlPublic.h"
#include "presentation/ColumnWidthStore.h"
#include "presentation/GeneralLedgerSeries.h"
#include "presentation/ToolbarStyle.h"
#include "services/CheckRight.h"
#include "presentation/LedgerAccess.h"

namespace qxmxz {

namespace {

const QString GeneralLedgerRight = QStringLiteral("GL0301");

} // namespace

zzmain::zzmain(GlPublic &pub, const QStringList &accountEntries, BookStyle style, bool includeUnposted, QWidget *parent)
    : QDialog(parent), m_pub(pub), m_style(style), m_includeUnposted(includeUnposted)
{
    setWindowTitle(pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.zz")));
    Label4 = new QLabel(this);
    QFont title = Label4->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    Label4->setFont(title);
    Label4->setAlignment(Qt::AlignCenter);
    cboKm = new QComboBox(this);
    cboKm->addItems(accountEntries);
    cboKm->setMinimumContentsLength(24);
    cbostyle = new QComboBox(this);
    for (const BookStyle s : {BookStyle::Je, BookStyle::Sl, BookStyle::Wb, BookStyle::SlWb})
        cbostyle->addItem(pub.bookStyleDisplayName(BookStyles::index(s)), BookStyles::index(s));
    cbostyle->setCurrentIndex(BookStyles::index(style));
    lblSldw = new QLabel(this);
    lblWbname = new QLabel(this);
    lblHint = new QLabel(this);
    m_toolbar = new LedgerToolbar(pub, LedgerToolbar::generalLedgerKeys(),
                                  toolbarStyleFlag(ReadToolbarStyle(QString())) == 0, this);
    m_view = new LedgerGridView(this);
    m_view->setLedger(&m_grid, nullptr);
    m_chart = new BalanceChart(pub, this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.km")), this));
    top->addWidget(cboKm);
    top->addStretch();
    top->addWidget(lblSldw);
    top->addWidget(lblWbname);
    top->addWidget(new QLabel(pub.text(QStringLiteral("QXMXZ.window.style")), this));
    top->addWidget(cbostyle);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 6);
    layout->setMenuBar(m_toolbar);
    layout->addWidget(Label4);
    layout->addLayout(top);
    layout->addWidget(m_view, 3);
    layout->addWidget(m_chart, 2);
    layout->addWidget(lblHint);
    if (QAction *chartButton = m_toolbar->button(QStringLiteral("图表")))
        chartButton->setChecked(true);

    connect(m_toolbar, &LedgerToolbar::commandRequested, this, &zzmain::runCommand);
    connect(cboKm, &QComboBox::activated, this, [this] { cboKm_Click(); });
    connect(cbostyle, &QComboBox::activated, this,
            [this](int index) { selectStyle(BookStyle(cbostyle->itemData(index).toInt())); });
    connect(&m_unitLabel, &HintState::textChanged, lblSldw, &QLabel::setText);
    connect(&m_currencyLabel, &HintState::textChanged, lblWbname, &QLabel::setText);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this] { DrillMxz(); });
    resize(1100, 560);
}

QString zzmain::SeparateCode() const
{
    const QString text = cboKm->currentText();
    const qsizetype blank = text.indexOf(u' ');
    return blank < 0 ? QString() : text.left(blank);
}

QString zzmain::hintText() const
{
    return lblHint->text();
}

void zzmain::selectAccount(int index)
{
    if (index < 0 || index >= cboKm->count())
        return;
    cboKm->setCurrentIndex(index);
    cboKm_Click();
}

void zzmain::cboKm_Click()
{
    const QString code = SeparateCode();
    const int style = BookStyles::index(m_style);
    basGrwl::LayOutHeading(m_pub, m_grid, GeneralLedgerRight, style);
    // The chart follows the grid: nothing shown, nothing charted.
    m_chart->showPoints({}, false, QString());
    if (code.isEmpty())
        return;
    // An account the user may not read keeps its figures hidden: the grid
    // stays at its two heading rows.
    QString refusal;
    if (!mayReadAccountTree(m_pub, code, refusal) || !mayReadLineDepartments(m_pub, code, QString(), refusal)) {
        m_pub.showMessage(refusal, 64, m_pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.notesinfo")));
        return;
    }
    basGrwl::Request request;
    request.code = code;
    request.includeUnposted = m_includeUnposted;
    request.styleIndex = style;
    request.unitLabel = &m_unitLabel;
    request.currencyLabel = &m_currencyLabel;
    basGrwl::FillRows(m_pub, m_grid, request);
    lblSldw->setVisible(BookStyles::showsQuantity(m_style));
    lblWbname->setVisible(BookStyles::showsForeignCurrency(m_style));
    Label4->setText(m_pub.text(QStringLiteral("QXMXZ.window.zztitle"), {cboKm->currentText()}));
    m_view->fitToGrid();
    m_chart->showPoints(generalLedgerSeries(m_pub, m_grid, code), BookStyles::showsForeignCurrency(m_style),
                        lblWbname->text());
}

void zzmain::selectStyle(BookStyle style)
{
    SaveColumnWidths(m_pub, m_grid, GeneralLedgerRight, BookStyles::index(m_style));
    m_style = style;
    cbostyle->setCurrentIndex(BookStyles::index(style));
    cboKm_Click();
}

int zzmain::drillPeriod(int row) const
{
    if (row < basGrwl::HeadingRows || row >= m_grid.Rows())
        return 0;
    bool number = false;
    const int period = m_grid.TextMatrix(row, basGrwl::Month).trimmed().toInt(&number);
    return number ? period : 0;
}

void zzmain::DrillMxz()
{
    const int period = drillPeriod(m_grid.Row());
    if (period <= 0 || SeparateCode().isEmpty())
        return;
    MxzRequest request;
    request.accountEntries << cboKm->currentText();
    request.firstPeriod = request.lastPeriod = period;
    request.includeUnposted = m_includeUnposted;
    request.style = m_style;
    mxz detail(m_pub, request, this);
    QTimer::singleShot(0, &detail, [&detail] { detail.selectAccount(0); });
    detail.exec();
}

bool zzmain::setAccounts(const QStringList &accountEntries, bool includeUnposted)
{
    if (accountEntries.isEmpty())
        return false;
    m_includeUnposted = includeUnposted;
    cboKm->clear();
    cboKm->addItems(accountEntries);
    selectAccount(0);
    return true;
}

void zzmain::showConditions()
{
    zzCond dialog(m_pub, this);
    dialog.setWindow(this);
    dialog.setStyle(m_style);
    dialog.txtKmStart->setText(SeparateCode());
    dialog.exec();
}

bool zzmain::isChartShown() const
{
    return !m_chart->isHidden();
}

void zzmain::toggleChart()
{
    m_chart->setVisible(m_chart->isHidden());
    if (QAction *button = m_toolbar->button(QStringLiteral("图表")))
        button->setChecked(isChartShown());
}

void zzmain::runCommand(const QString &key)
{
    if (key == QStringLiteral("查询"))
        showConditions();
    else if (key == QStringLiteral("设置"))
        rSetUp(this, m_pub, printName());
    else if (key == QStringLiteral("帮助"))
        lblHint->setText(helpNote(m_pub));
    else if (key == QStringLiteral("打印"))
        PrintProcess(0);
    else if (key == QStringLiteral("预览"))
        PrintProcess(1);
    else if (key == QStringLiteral("输出"))
        PrintProcess(2);
    else if (key == QStringLiteral("还原"))
        cboKm_Click();
    else if (key == QStringLiteral("明细"))
        DrillMxz();
    else if (key == QStringLiteral("图表"))
        toggleChart();
    else if (key == QStringLiteral("退出"))
        close();
    else
        lblHint->setText(m_pub.text(QStringLiteral("QXMXZ.window.notyet"), {key}));
}

void zzmain::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F7) {
        frmKJYL calendar(m_pub, this);
        calendar.exec();
        return;
    }
    if (event->key() == Qt::Key_F9) {
        ShowToolWindow(m_pub, this);
        return;
    }
    if (event->key() == Qt::Key_F3) {
        showConditions();
        return;
    }
    QDialog::keyPressEvent(event);
}

void zzmain::closeEvent(QCloseEvent *event)
{
    SaveColumnWidths(m_pub, m_grid, GeneralLedgerRight, BookStyles::index(m_style));
    QString right = QStringLiteral("GL030101");
    CheckRight(m_pub, right, false);
    event->accept();
}

} // namespace qxmxz
