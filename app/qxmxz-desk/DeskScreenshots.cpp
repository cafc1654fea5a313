#include "DeskScreenshots.h"

#include <QApplication>

#include "platform/outside/GlPublic.h"
#include "presentation/RowVoucher.h"
#include "windows/VoucherWindow.h"
#include "windows/frmKJYL.h"
#include "windows/mxz.h"

namespace qxmxz {

namespace {

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

} // namespace

int takeScreenshots(GlPublic &pub, const QString &account, const QDir &folder, const QString &language,
                    QTextStream &err)
{
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        err << "qxmxz-desk: cannot create " << folder.path() << "\n";
        return 1;
    }
    for (const BookStyle style : {BookStyle::Je, BookStyle::Sl, BookStyle::Wb, BookStyle::SlWb}) {
        MxzRequest request;
        request.accountEntries << account + u' ' + pub.accountName(account);
        request.style = style;
        mxz window(pub, request);
        window.resize(1400, 700);
        window.show();
        window.selectAccount(0);
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
    frmKJYL calendar(pub);
    return save(calendar, folder.filePath(QStringLiteral("calendar-%1.png").arg(language)), err) ? 0 : 1;
}

} // namespace qxmxz
