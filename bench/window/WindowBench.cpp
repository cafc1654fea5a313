// The detail-ledger window on a generated company, measured through its real
// view: the time until the grid's viewport first paints with rows, the time
// until the whole ledger is in and the window ready again, and the longest
// gap between two ticks of a 10 ms timer during the run (how long the window
// went without answering events).
//
//   qxmxz-window-bench --db URL [--account CODE] [--merged digest|code]
//
// Prints one line: first_page_ms whole_ms longest_gap_ms rows gap_end_ms
// (when the longest gap ended).
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

#include "platform/Failure.h"
#include "qxmxz/CliArguments.h"
#include "qxmxz/CliSession.h"
#include "windows/LedgerGridView.h"
#include "windows/mxz.h"

using namespace qxmxz;

namespace {

// Notes the first paint of the viewport that has ledger rows to show.
class FirstPaint : public QObject {
public:
    FirstPaint(const GridModel &grid, const QElapsedTimer &clock) : m_grid(grid), m_clock(clock) {}
    qint64 at = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (at < 0 && event->type() == QEvent::Paint && m_grid.Rows() > 0)
            at = m_clock.elapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    const GridModel &m_grid;
    const QElapsedTimer &m_clock;
};

} // namespace

int main(int argc, char **argv)
{
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    int appArgc = 1;
    QApplication app(appArgc, argv);
    QTextStream out(stdout), err(stderr);
    cli::CliArguments args;
    QString account = QStringLiteral("100201");
    clsMxzHb::mxzHbType merging = clsMxzHb::enuNotHb;
    for (qsizetype i = 0; i + 1 < list.size(); i += 2) {
        if (list[i] == u"--db" || list[i] == u"--user" || list[i] == u"--year")
            args.options.insert(list[i].mid(2), list[i + 1]);
        else if (list[i] == u"--account")
            account = list[i + 1];
        else if (list[i] == u"--merged")
            merging = list[i + 1] == u"code" ? clsMxzHb::enuKmCode : clsMxzHb::enuCodeDigest;
    }
    try {
        std::unique_ptr<cli::CliSession> session = cli::CliSession::open(args, err);
        if (!session)
            return 1;
        GlPublic &pub = session->pub();
        MxzRequest request;
        request.accountEntries << account + u' ' + pub.accountName(account);
        request.merging = merging;
        mxz window(pub, request);
        window.show();
        QApplication::processEvents(); // the empty window is on screen before the clock starts

        QElapsedTimer clock;
        FirstPaint firstPaint(window.grid(), clock);
        window.gridView()->viewport()->installEventFilter(&firstPaint);
        qint64 lastTick = 0, longestGap = 0, gapEnd = 0, whole = -1;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            if (now - lastTick > longestGap) {
                longestGap = now - lastTick;
                gapEnd = now;
            }
            lastTick = now;
        });
        QTimer::singleShot(0, &window, [&] {
            clock.start();
            lastTick = 0;
            ticks.start(10);
            window.selectAccount(0);
            whole = clock.elapsed();
            if (whole - lastTick > longestGap) {
                longestGap = whole - lastTick;
                gapEnd = whole;
            }
            ticks.stop();
            app.quit();
        });
        app.exec();
        out << firstPaint.at << ' ' << whole << ' ' << longestGap << ' ' << window.grid().Rows() << ' ' << gapEnd << '\n';
        return window.isReady() ? 0 : 1;
    } catch (const Failure &failure) {
        err << failure.describe() << "\n";
        return 1;
    }
}
