// The desktop host: logs a user in as the command line does (--db, --user,
// --year, --lang; the demo company by default) and opens its own window with
// a button for each ledger; with --account it opens the detail ledger of that
// account at once. With --screenshots DIR it renders the windows and dialogs
// to PNG files and exits.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTranslator>
#include <QTimer>

#include "qxmxz/CliArguments.h"
#include "qxmxz/CliSession.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "DeskHostWindow.h"
#include "entry/LedgerWindowHost.h"
#include "DeskScreenshots.h"
#include "windows/WindowMessageSink.h"
#include "windows/mxz.h"

using namespace qxmxz;

int main(int argc, char **argv)
{
    // The application takes the options it knows (--style among them) out of
    // argv; the host's own arguments are read before it sees them.
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    int appArgc = 1;
    QApplication app(appArgc, argv);
    QTextStream err(stderr);
    cli::CliArguments args;
    QString account;
    QString screenshots;
    int period = 0;
    BookStyle style = BookStyle::Je;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString option = list[i];
        const QString value = i + 1 < list.size() ? list[i + 1] : QString();
        if (option == u"--db" || option == u"--user" || option == u"--year" || option == u"--lang") {
            args.options.insert(option.mid(2), value);
            ++i;
        } else if (option == u"--account") {
            account = value;
            ++i;
        } else if (option == u"--period") {
            period = value.toInt();
            ++i;
        } else if (option == u"--style" && BookStyles::fromCode(value, style)) {
            ++i;
        } else if (option == u"--screenshots") {
            screenshots = value;
            ++i;
        } else {
            err << "qxmxz-desk: unknown or incomplete option " << option << "\n"
                << "usage: qxmxz-desk [--db URL] [--user ID] [--year Y] [--lang zh-CN|en-US] [--account CODE]"
                   " [--period P] [--style je|sl|wb|slwb] [--screenshots DIR]\n";
            return 2;
        }
    }
    // Qt's own dialogs (page setup, file choice, print) in the login's language.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(args.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    try {
        std::unique_ptr<cli::CliSession> session = cli::CliSession::open(args, err);
        if (!session)
            return 1;
        GlPublic &pub = session->pub();
        WindowMessageSink messages;
        if (!screenshots.isEmpty() && account.isEmpty())
            account = QStringLiteral("100201");
        if (account.isEmpty()) {
            pub.setMessageSink(&messages);
            installReportWindow();
            DeskHostWindow host(pub);
            host.show();
            return app.exec();
        }
        if (!pub.account(account).exists) {
            err << pub.text(QStringLiteral("QXMXZ.cli.unknownaccount"), {account}) << "\n";
            return 1;
        }
        if (!screenshots.isEmpty())
            return takeScreenshots(pub, account, QDir(screenshots), args.language(), err);
        MxzRequest request;
        request.accountEntries << account + u' ' + pub.accountName(account);
        if (period > 0)
            request.firstPeriod = request.lastPeriod = period;
        request.style = style;
        pub.setMessageSink(&messages);
        mxz window(pub, request);
        window.show();
        QTimer::singleShot(0, &window, [&window] { window.selectAccount(0); });
        return window.exec() == QDialog::Accepted ? 0 : 0;
    } catch (const Failure &failure) {
        err << failure.describe() << "\n";
        return 1;
    }
}
