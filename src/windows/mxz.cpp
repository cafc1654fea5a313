#include "mxz.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "LedgerGridView.h"
#include "LedgerToolbar.h"
#include "SheetPrinting.h"
#include "ToolWindow.h"
#include "WindowHelp.h"
#include "VoucherWindow.h"
#include "frmKJYL.h"
#include "mxfind.h"
#include "mxzCond.h"
#include "zzmain.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "presentation/ColumnWidthStore.h"
#include "presentation/LedgerAccess.h"
#include "presentation/RowVoucher.h"
#include "presentation/ToolbarStyle.h"

namespace qxmxz {

namespace {

// Leading columns the lock keeps in place: date, voucher and summary.
constexpr int LockedColumns = 7;
constexpr int FixedColumns = 4;

} // namespace

mxz::mxz(GlPublic &pub, const MxzRequest &request, QWidget *parent)
    : QDialog(parent), m_pub(pub), m_request(request), m_engine(pub), m_hb(pub), m_rowFilter(pub, m_grid), m_style(request.style)
{
    m_ready = false;
    setWindowTitle(m_pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.mxz")));
    m_flags.secondLayout = request.monthByMonth;
    m_columnOption = request.byPeriod ? 0 : 1;
    buildControls();

    m_engine.sMode = QString::fromUtf8(kmmx::QueryMode);
    m_engine.objHeader = &m_header;
    m_engine.frmLedger = this;
    m_engine.objGrid = &m_grid;
    m_engine.objQtyLabel = &m_quantityLabel;
    m_engine.objCurLabel = &m_currencyLabel;
    m_engine.objHint = &m_hint;
    m_engine.objStop = &m_stop;
    m_engine.bBeginPeriod = quint8(request.firstPeriod);
    m_engine.bEndPeriod = quint8(request.lastPeriod);
    m_engine.bIncludeUnposted = request.includeUnposted ? 1 : 0;

    // The merge object fills the same grid under the same header, polls
    // the same stop flag and writes the same hint line as the engine.
    m_hb.mxForm = this;
    m_hb.Grd1 = &m_grid;
    m_hb.mxHeader = &m_header;
    m_hb.lblSl = &m_quantityLabel;
    m_hb.lblWb = &m_currencyLabel;
    m_hb.lblHint = &m_hint;
    m_hb.cmdStop = &m_stop;
    m_hb.iStart = quint8(request.firstPeriod);
    m_hb.iEnd = quint8(request.lastPeriod);
    m_hb.sCallState = m_pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.query"));
    m_hb.setInclude(request.includeUnposted);
    m_hb.setHbType(request.merging);

    for (const QString &entry : request.accountEntries)
        cboKm->addItem(entry);
    LayOutLedgerGrid(m_pub, m_grid, m_header, BookStyles::text(m_style), m_columnOption, FixedColumns, m_flags);
    m_ready = true;
    resize(1180, 640);
}

mxz::~mxz() = default;

void mxz::buildControls()
{
    lblHeader2 = new QLabel(m_pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.mxz")), this);
    QFont title = lblHeader2->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    lblHeader2->setFont(title);
    lblHeader2->setAlignment(Qt::AlignCenter);

    lblKm = new QLabel(m_pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.km")), this);
    cboKm = new QComboBox(this);
    cboKm->setMinimumContentsLength(24);
    cboKm->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lblmonth2 = new QLabel(this);
    lblmonth2->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.yf")) + m_pub.periodText(m_request.firstPeriod)
                       + QStringLiteral(" - ") + m_pub.periodText(m_request.lastPeriod));
    cbostyle = new QComboBox(this);
    for (const BookStyle s : {BookStyle::Je, BookStyle::Sl, BookStyle::Wb, BookStyle::SlWb})
        cbostyle->addItem(m_pub.bookStyleDisplayName(BookStyles::index(s)), BookStyles::index(s));
    cbostyle->setCurrentIndex(BookStyles::index(m_style));
    cboHb = new QComboBox(this);
    cboHb->setObjectName(QStringLiteral("cboHb"));
    for (const clsMxzHb::mxzHbType type : {clsMxzHb::enuNotHb, clsMxzHb::enuCodeDigest, clsMxzHb::enuKmCode})
        cboHb->addItem(m_pub.text(QStringLiteral("QXMXZ.window.merge%1").arg(int(type))), int(type));
    cboHb->setCurrentIndex(cboHb->findData(int(m_request.merging)));
    chkUnit = new QCheckBox(m_pub.text(QStringLiteral("QXMXZ.window.unit")), this);
    lblSl = new QLabel(this);
    lblWb = new QLabel(this);
    lblHint = new QLabel(this);
    cmdStop = new QPushButton(m_pub.text(QStringLiteral("QXMXZ.window.stop")), this);
    // The controls answer to their names, as a host or a test finds them.
    const std::pair<QWidget *, const char *> names[] = {
        {lblHeader2, "lblHeader2"}, {lblKm, "lblKm"}, {cboKm, "cboKm"}, {lblmonth2, "lblmonth2"}, {cbostyle, "cbostyle"},
        {chkUnit, "chkUnit"},       {lblSl, "lblSl"}, {lblWb, "lblWb"}, {lblHint, "lblHint"},     {cmdStop, "cmdStop"}};
    for (const auto &[control, name] : names)
        control->setObjectName(QString::fromLatin1(name));
    cmdStop->setVisible(false);

    m_toolbar = new LedgerToolbar(m_pub, toolbarStyleFlag(ReadToolbarStyle(QString())) == 0, this);
    m_view = new LedgerGridView(this);
    m_view->setLedger(&m_grid, &m_header);

    auto *top = new QHBoxLayout;
    top->addWidget(lblKm);
    top->addWidget(cboKm);
    top->addSpacing(12);
    top->addWidget(lblmonth2);
    top->addStretch();
    top->addWidget(lblSl);
    top->addWidget(lblWb);
    top->addWidget(chkUnit);
    top->addWidget(new QLabel(m_pub.text(QStringLiteral("QXMXZ.window.merge")), this));
    top->addWidget(cboHb);
    top->addWidget(new QLabel(m_pub.text(QStringLiteral("QXMXZ.window.style")), this));
    top->addWidget(cbostyle);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblHint, 1);
    bottom->addWidget(cmdStop);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 6);
    layout->setMenuBar(m_toolbar);
    layout->addWidget(lblHeader2);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    layout->addLayout(bottom);

    connect(m_toolbar, &LedgerToolbar::commandRequested, this, &mxz::runCommand);
    connect(cboKm, &QComboBox::activated, this, [this](int) {
        if (m_ready && !m_fillingAccounts)
            cbokm_Click();
    });
    connect(cbostyle, &QComboBox::activated, this, [this](int index) {
        if (!m_ready) {
            cbostyle->setCurrentIndex(BookStyles::index(m_style));
            return;
        }
        selectStyle(BookStyle(cbostyle->itemData(index).toInt()));
    });
    connect(cboHb, &QComboBox::activated, this, [this](int index) {
        if (!m_ready) {
            cboHb->setCurrentIndex(cboHb->findData(int(m_request.merging)));
            return;
        }
        selectMerging(clsMxzHb::mxzHbType(cboHb->itemData(index).toInt()));
    });
    connect(cmdStop, &QPushButton::clicked, this, &mxz::pressStop);
    connect(&m_stop, &StopButtonState::pressed, this, [this] { m_stopRequested = true; });
    connect(&m_hint, &HintState::textChanged, lblHint, &QLabel::setText);
    connect(&m_quantityLabel, &HintState::textChanged, lblSl, &QLabel::setText);
    connect(&m_currencyLabel, &HintState::textChanged, lblWb, &QLabel::setText);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this] {
        if (m_ready)
            openVoucher();
    });
    if (QAction *voucher = m_toolbar->button(QStringLiteral("凭证")))
        voucher->setEnabled(m_request.voucherCommandEnabled);
}

QString mxz::accountText() const
{
    return cboKm->currentText();
}

QString mxz::hintText() const
{
    return lblHint->text();
}

bool mxz::bUserStop()
{
    // The engine asks at every line: the window paints, scrolls and takes the
    // stop button here, while every other command waits for the ready flag.
    letEventsThrough();
    return m_stopRequested;
}

// Events are let through every 30 ms, not at every call, so that a long
// ledger spends its time on its rows.
void mxz::letEventsThrough()
{
    if (!m_eventClock.isValid() || m_eventClock.hasExpired(30)) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        m_eventClock.start();
    }
}

void mxz::enableWindow()
{
    m_view->setEnabled(true);
    fitColumns();
}

// A column at least as wide as the texts on screen: saved widths are in
// twips of another font, and a cut amount is worse than a wide column.
void mxz::fitColumns()
{
    for (int column = 0; column < m_header.columnCount() && column < m_grid.Cols(); ++column) {
        if (m_header.isHidden(column))
            continue;
        // Measuring a column reads many rows: a run's last fit still answers events.
        if (!m_ready)
            letEventsThrough();
        const int needed = m_view->contentWidth(column);
        if (needed > m_header.width(column))
            m_header.setWidth(column, needed);
    }
}

void mxz::refreshWindow()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void mxz::pressStop()
{
    m_stopRequested = true;
}

void mxz::selectAccount(int index)
{
    if (!m_ready || index < 0 || index >= cboKm->count())
        return;
    cboKm->setCurrentIndex(index);
    cbokm_Click();
}

void mxz::cbokm_Click()
{
    const QString code = cboKm->currentText().section(u' ', 0, 0);
    if (code.isEmpty())
        return;
    // The account switch shows figures only of what the user may read.
    QString refusal;
    if (!mayReadAccountTree(m_pub, code, refusal) || !mayReadLineDepartments(m_pub, code, QString(), refusal)) {
        m_grid.setRows(0);
        m_pub.showMessage(refusal, 64, m_pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.mxz")));
        showHint(refusal);
        return;
    }
    m_engine.sKmCode = code;
    m_hb.setKmCode(code);
    if (m_request.monthByMonth) {
        m_engine.sBeginCode = code;
        m_engine.sEndCode = code;
    }
    LayOutLedgerGrid(m_pub, m_grid, m_header, BookStyles::text(m_style), m_columnOption, FixedColumns, m_flags);
    runLedger();
    lblHeader2->setText(m_request.monthByMonth && !m_monthlyCaption.isEmpty()
                            ? m_monthlyCaption
                            : m_pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.mxz")));
}

void mxz::applyConditions(const MxzConditions &conditions)
{
    m_request.monthByMonth = conditions.bIsYfzhMxz;
    m_request.firstPeriod = conditions.m1;
    m_request.lastPeriod = conditions.m2;
    m_request.includeUnposted = conditions.Include;
    m_flags.secondLayout = conditions.bIsYfzhMxz;
    m_flags.counterpartShown = !conditions.bIsYfzhMxz && conditions.bOptOpen;
    m_firstGrade = conditions.bIsYfzhMxz ? conditions.firstGrade : 1;
    m_monthlyCaption = conditions.bIsYfzhMxz ? conditions.headerCaption : QString();

    m_engine.bBeginPeriod = conditions.m1;
    m_engine.bEndPeriod = conditions.m2;
    m_engine.bIncludeUnposted = conditions.Include ? 1 : 0;
    m_engine.iShowEqual = m_flags.counterpartShown ? 1 : 0;
    m_engine.iEqualWithName = m_flags.counterpartShown && !conditions.bFirst ? 1 : 0;
    m_engine.sBeginCode.clear();
    m_engine.sEndCode.clear();
    m_hb.iStart = conditions.m1;
    m_hb.iEnd = conditions.m2;
    m_hb.setInclude(conditions.Include);
    m_hb.setIsOrder(conditions.bKmOrder);

    m_fillingAccounts = true;
    cboKm->clear();
    cboKm->addItems(conditions.accountEntries);
    m_fillingAccounts = false;
    if (m_flags.counterpartShown) {
        // Counterparts take the place of the unit display.
        chkUnit->setChecked(false);
        chkUnit->setEnabled(false);
    } else {
        chkUnit->setEnabled(true);
    }
    lblmonth2->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.yf")) + m_pub.periodText(conditions.m1)
                       + QStringLiteral(" - ") + m_pub.periodText(conditions.m2));
    selectAccount(0);
}

void mxz::showConditions()
{
    if (!m_ready)
        return;
    mxzCond dialog(m_pub, this);
    dialog.setFrmmxz(this);
    const QString code = cboKm->currentText().section(u' ', 0, 0);
    if (!m_request.monthByMonth)
        dialog.txtKm1->setText(code);
    dialog.exec();
}

void mxz::mnufilter_Click()
{
    if (!m_ready)
        return;
    mxfind dialog(m_pub, this, this);
    dialog.exec();
}

int mxz::filterRows(const LedgerFindCriteria &criteria)
{
    // A counterpart is found in its column: the ledger is shown with it
    // first when it was not.
    if (!criteria.counterpart.isEmpty() && m_engine.iShowEqual == 0) {
        m_flags.counterpartShown = true;
        m_engine.iShowEqual = 1;
        chkUnit->setChecked(false);
        chkUnit->setEnabled(false);
        cbokm_Click();
    }
    const int visible = m_rowFilter.apply(criteria);
    showHint(visible == 0 ? m_pub.text(QStringLiteral("R7.GL.QXMXZ.mxfind.00639"))
                          : m_pub.text(QStringLiteral("QXMXZ.window.filtered"), {QString::number(visible)}));
    return visible;
}

void mxz::undoFilter()
{
    m_rowFilter.undo();
    showHint(m_pub.text(QStringLiteral("QXMXZ.window.rows"), {QString::number(m_grid.Rows())}));
}

QStringList mxz::accountEntries() const
{
    QStringList entries;
    for (int i = 0; i < cboKm->count(); ++i)
        entries << cboKm->itemText(i);
    return entries;
}

QString mxz::headerCaption() const
{
    return lblHeader2->text();
}

bool mxz::unitCheckEnabled() const
{
    return chkUnit->isEnabled();
}

void mxz::runLedger()
{
    m_ready = false;
    m_stopRequested = false;
    m_eventClock.invalidate();
    m_toolbar->setEnabled(false);
    cmdStop->setVisible(true);
    cmdStop->setEnabled(true);
    m_rowFilter.forget();
    m_grid.setRows(0);
    try {
        const int styleIndex = BookStyles::index(m_style);
        if (m_request.monthByMonth) {
            m_engine.mxAllMonth();
        } else if (m_request.merging != clsMxzHb::enuNotHb) {
            m_hb.ClsGridRows();
            m_hb.mxzCodeHbQuery(qint16(styleIndex));
        } else if (m_request.byPeriod) {
            m_engine.mxbyPeriod(std::nullopt, styleIndex);
        } else {
            m_engine.mxbyCode(styleIndex);
        }
        showHint(m_stopRequested ? QString() : m_pub.text(QStringLiteral("QXMXZ.window.rows"), {QString::number(m_grid.Rows())}));
    } catch (const Failure &failure) {
        showHint(failure.key().isEmpty() ? failure.describe() : m_pub.text(failure.key(), failure.arguments()));
    }
    fitColumns();
    cmdStop->setVisible(false);
    m_toolbar->setEnabled(true);
    m_ready = true;
}

void mxz::selectStyle(BookStyle style)
{
    if (!m_ready)
        return;
    saveWidths();
    const bool locked = m_view->isLocked();
    m_style = style;
    cbostyle->setCurrentIndex(BookStyles::index(style));
    cbokm_Click();
    m_view->setLocked(locked, LockedColumns);
}

void mxz::selectMerging(clsMxzHb::mxzHbType merging)
{
    if (!m_ready)
        return;
    m_request.merging = merging;
    m_hb.setHbType(merging);
    cboHb->setCurrentIndex(cboHb->findData(int(merging)));
    cbokm_Click();
}

void mxz::saveWidths()
{
    // The widths the user dragged live in the header; the store reads the grid's.
    for (int column = 0; column < m_header.columnCount() && column < m_grid.Cols(); ++column)
        if (!m_header.isHidden(column))
            m_grid.setColWidth(column, m_header.width(column) * 15);
    SaveColumnWidths(m_pub, m_grid, ledgerLayoutCode(m_flags), BookStyles::index(m_style));
}

void mxz::showHint(const QString &text)
{
    m_hint.setText(text);
    lblHint->setText(text);
}

void mxz::runCommand(const QString &key)
{
    if (!m_ready)
        return;
    if (key == QStringLiteral("锁定")) {
        const bool lock = !m_view->isLocked();
        m_view->setLocked(lock, LockedColumns);
        if (QAction *button = m_toolbar->button(key))
            button->setChecked(lock);
    } else if (key == QStringLiteral("还原")) {
        LayOutLedgerGrid(m_pub, m_grid, m_header, BookStyles::text(m_style), m_columnOption, FixedColumns, m_flags,
                         true);
    } else if (key == QStringLiteral("设置")) {
        rSetUp(this, m_pub, printName());
    } else if (key == QStringLiteral("查询")) {
        showConditions();
    } else if (key == QStringLiteral("过滤")) {
        mnufilter_Click();
    } else if (key == QStringLiteral("凭证")) {
        if (m_request.voucherCommandEnabled)
            openVoucher();
    } else if (key == QStringLiteral("打印")) {
        PrintThisPage(1);
    } else if (key == QStringLiteral("预览")) {
        PrintThisPage(0);
    } else if (key == QStringLiteral("输出")) {
        PrintThisPage(2);
    } else if (key == QStringLiteral("总账")) {
        openGeneralLedger();
    } else if (key == QStringLiteral("帮助")) {
        help();
    } else if (key == QStringLiteral("退出")) {
        close();
    } else {
        const int position = int(LedgerToolbar::keys().indexOf(key)) + 1;
        showHint(m_pub.text(QStringLiteral("QXMXZ.window.notyet"),
                            {m_pub.text(QStringLiteral("QXMXZ.window.tool%1").arg(position))}));
    }
}

void mxz::help()
{
    // The detail ledger's page of the help.
    if (const QString note = helpNote(m_pub, 90200111); !note.isEmpty())
        showHint(note);
}

void mxz::openVoucher()
{
    VoucherWindow viewer(m_pub, this);
    ShowRowVoucher(m_pub, m_grid, m_pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.mxz")), viewer);
}

// The general ledger of the account shown; closing it comes back here.
void mxz::openGeneralLedger()
{
    zzmain general(m_pub, {cboKm->currentText()}, m_style, m_request.includeUnposted, this);
    general.selectAccount(0);
    general.exec();
}

void mxz::showCalendar()
{
    frmKJYL calendar(m_pub, this);
    calendar.exec();
}

void mxz::keyPressEvent(QKeyEvent *event)
{
    const bool ready = m_ready;
    if (event->key() == Qt::Key_F3 && ready)
        runCommand(QStringLiteral("查询"));
    else if (event->key() == Qt::Key_F7)
        showCalendar();
    else if (event->key() == Qt::Key_F9)
        ShowToolWindow(m_pub, this);
    else if (event->key() == Qt::Key_P && event->modifiers() == Qt::ControlModifier && ready)
        runCommand(QStringLiteral("打印"));
    else if (event->key() == Qt::Key_Escape && !ready)
        event->ignore();
    else
        QDialog::keyPressEvent(event);
}

void mxz::closeEvent(QCloseEvent *event)
{
    if (!m_ready) {
        // A run is going on: closing now would take the grid from under it.
        showHint(m_pub.text(QStringLiteral("QXMXZ.window.busy")));
        event->ignore();
        return;
    }
    m_unloaded = true;
    saveWidths();
    event->accept();
}

} // namespace qxmxz
