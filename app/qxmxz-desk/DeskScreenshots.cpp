#include "DeskScreenshots.h"

#include <QApplication>
#include <QTimer>

#include "DeskHostWindow.h"
#include "platform/outside/GlPublic.h"
#include "presentation/RowVoucher.h"
#include "windows/VoucherWindow.h"
#include "windows/AccountTree.h"
#include "windows/ReferenceWindow.h"
#include "windows/SheetPrinting.h"
#include "windows/frmKJYL.h"
#include "windows/frmZYX_Yj.h"
#include "windows/mxfind.h"
#include "services/ReferenceFilters.h"
#include "windows/mxz.h"
#include "windows/mxzCond.h"
#include "windows/zzCond.h"
#include "windows/zzmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace qxmxz {

namespace {

// The detail ledger of the account, shown in the style at the size of the pictures.
std::unique_ptr<mxz> shownLedger(GlPublic &pub, const QString &account, BookStyle style,
                                 clsMxzHb::mxzHbType merging = clsMxzHb::enuNotHb)
{
    MxzRequest request;
    request.accountEntries << account + u' ' + pub.accountName(account);
    request.style = style;
    request.merging = merging;
    auto window = std::make_unique<mxz>(pub, request);
    window->resize(1400, 700);
    window->show();
    window->selectAccount(0);
    return window;
}

bool save(QWidget &window, const QString &path, QTextStream &err)
{
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(path)) {
        err << "qxmxz-desk: cannot write " << path << "\n";
        return false;
    }
    err << path << "\n";
    return true;
}

// The condition dialogs as a user fills them, the account reference, and the
// monthly comprehensive ledger the detail dialog opens.
int takeDialogScreenshots(GlPublic &pub, const QString &account, const QDir &folder, const QString &language,
                          QTextStream &err)
{
    std::unique_ptr<mxz> shown = shownLedger(pub, account, BookStyle::Je);
    mxz &window = *shown;

    mxzCond detail(pub, &window);
    detail.setFrmmxz(&window);
    detail.txtKm1->setText(account);
    detail.chkOpen->click();
    detail.TreeView1->expandToGrade(2);
    if (QTreeWidgetItem *item = detail.TreeView1->itemOf(account))
        detail.TreeView1->setCurrentItem(item);
    if (!save(detail, folder.filePath(QStringLiteral("mxzcond-%1.png").arg(language)), err))
        return 1;

    const QString firstGrade = account.left(pub.codeLength(1));
    detail.Option1(1)->click();
    detail.CboYjKm->setCurrentIndex(detail.CboYjKm->findText(firstGrade + u' ', Qt::MatchStartsWith));
    if (!save(detail, folder.filePath(QStringLiteral("mxzcond-monthly-%1.png").arg(language)), err))
        return 1;
    if (detail.commit() && !save(window, folder.filePath(QStringLiteral("mxz-monthly-%1-%2.png").arg(firstGrade, language)), err))
        return 1;

    // The detail ledger asked for with its counterpart column; the dialog
    // sends a journal account (cash, bank) to its journal instead.
    if (!pub.account(account).isJournal) {
        std::unique_ptr<mxz> withCounterparts = shownLedger(pub, account, BookStyle::Je);
        mxzCond counterparts(pub, withCounterparts.get());
        counterparts.setFrmmxz(withCounterparts.get());
        counterparts.txtKm1->setText(account);
        counterparts.txtKm2->setText(account);
        counterparts.chkOpen->click();
        if (!counterparts.commit()
            || !save(*withCounterparts,
                     folder.filePath(QStringLiteral("mxz-counterpart-%1-%2.png").arg(account, language)), err))
            return 1;
    }

    zzCond general(pub);
    general.txtKmStart->setText(firstGrade);
    general.txtGradeEnd->setText(QStringLiteral("2"));
    if (!save(general, folder.filePath(QStringLiteral("zzcond-%1.png").arg(language)), err))
        return 1;

    // The find dialog with a date range and a maker, the ledger filtered behind it.
    std::unique_ptr<mxz> filteredLedger = shownLedger(pub, account, BookStyle::Je);
    mxz &filtered = *filteredLedger;
    mxfind find(pub, &filtered, &filtered);
    find.txtBeginDate->setText(QStringLiteral("2026-03-01"));
    find.txtEndDate->setText(QStringLiteral("2026-06-30"));
    if (!save(find, folder.filePath(QStringLiteral("mxfind-%1.png").arg(language)), err))
        return 1;
    find.commit();
    find.hide();
    if (!save(filtered, folder.filePath(QStringLiteral("mxz-filtered-%1-%2.png").arg(account, language)), err))
        return 1;
    frmZYX_Yj picker(pub);
    if (const QList<QStringList> values = picker.referenceValues(1); !values.isEmpty())
        picker.Text1(0)->setText(values.front().front());
    picker.Text1(4)->setText(QStringLiteral("12"));
    if (!save(picker, folder.filePath(QStringLiteral("frmzyx_yj-%1.png").arg(language)), err))
        return 1;
    std::unique_ptr<ReferenceWindow> persons(ReferenceWindow::forType(pub, ReferenceTypes::Person, QString(), nullptr));
    if (!save(*persons, folder.filePath(QStringLiteral("reference-persons-%1.png").arg(language)), err))
        return 1;

    // The page setup ("设置") is modal: it is taken as it opens, then left.
    bool setupSaved = false;
    QTimer::singleShot(300, [&] {
        if (QWidget *setup = QApplication::activeModalWidget()) {
            setupSaved = save(*setup, folder.filePath(QStringLiteral("page-setup-%1.png").arg(language)), err);
            setup->close();
        }
    });
    rSetUp(&filtered, pub, QStringLiteral("GLMxzJe"));
    if (!setupSaved)
        return 1;

    DeskHostWindow host(pub);
    if (!save(host, folder.filePath(QStringLiteral("desk-%1.png").arg(language)), err))
        return 1;

    std::unique_ptr<ReferenceWindow> reference(ReferenceWindow::forAccounts(pub, nullptr));
    reference->setFilterText(firstGrade);
    return save(*reference, folder.filePath(QStringLiteral("reference-accounts-%1.png").arg(language)), err) ? 0 : 1;
}

} // namespace

int takeScreenshots(GlPublic &pub, const QString &account, const QDir &folder, const QString &language,
                    QTextStream &err)
{
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        err << "qxmxz-desk: cannot create " << folder.path() << "\n";
        return 1;
    }
    for (const BookStyle style : {BookStyle::Je, BookStyle::Sl, BookStyle::Wb, BookStyle::SlWb}) {
        std::unique_ptr<mxz> shown = shownLedger(pub, account, style);
        mxz &window = *shown;
        const QString name = QStringLiteral("mxz-%1-%2-%3.png").arg(account, language, BookStyles::code(style).toLower());
        if (!save(window, folder.filePath(name), err))
            return 1;
        if (style == BookStyle::Je) {
            // The voucher of the first voucher row.
            for (int row = 0; row < window.grid().Rows(); ++row)
                if (!window.grid().TextMatrix(row, 3).isEmpty()) {
                    window.grid().setRow(row);
                    VoucherWindow viewer(pub, &window);
                    viewer.setSnapshotFile(folder.filePath(QStringLiteral("voucher-%1.png").arg(language)));
                    ShowRowVoucher(pub, window.grid(), pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.mxz")), viewer);
                    err << folder.filePath(QStringLiteral("voucher-%1.png").arg(language)) << "\n";
                    break;
                }
        }
    }
    // The merged ledgers, as the window's merge combo chooses them.
    const std::pair<clsMxzHb::mxzHbType, const char *> mergings[] = {{clsMxzHb::enuCodeDigest, "digest"},
                                                                    {clsMxzHb::enuKmCode, "code"}};
    for (const auto &[merging, by] : mergings) {
        std::unique_ptr<mxz> merged = shownLedger(pub, account, BookStyle::Je, merging);
        const QString name = QStringLiteral("mxz-merged-%1-%2-%3.png").arg(account, language, QLatin1String(by));
        if (!save(*merged, folder.filePath(name), err))
            return 1;
    }
    for (const BookStyle style : {BookStyle::Je, BookStyle::Sl, BookStyle::Wb, BookStyle::SlWb}) {
        zzmain general(pub, QStringList{account + u' ' + pub.accountName(account)}, style, false);
        general.resize(1100, 720);
        general.show();
        general.selectAccount(0);
        const QString name =
            QStringLiteral("zzmain-%1-%2-%3.png").arg(account, language, BookStyles::code(style).toLower());
        if (!save(general, folder.filePath(name), err))
            return 1;
    }
    if (takeDialogScreenshots(pub, account, folder, language, err) != 0)
        return 1;
    frmKJYL calendar(pub);
    return save(calendar, folder.filePath(QStringLiteral("calendar-%1.png").arg(language)), err) ? 0 : 1;
}

} // namespace qxmxz
