#include "MakeDemoCommand.h"
#include "platform/outside/ResourceTexts.h"

#include <QElapsedTimer>

#include "install/AccountingDatabase.h"
#include "platform/Failure.h"

namespace qxmxz::cli {

namespace {

constexpr qint64 MostLines = 100'000'000;

struct MakeDemoRequest {
    QString url;
    bool generated = false;
    db::CompanyOptions options;
};

QString databaseUrl(const QString &target)
{
    for (const char *scheme : {"sqlite:", "postgresql:", "postgres:", "odbc:"})
        if (target.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return target;
    return QStringLiteral("sqlite:") + target;
}

// Throws a Failure with the reason when the command line is wrong.
MakeDemoRequest parse(const QStringList &arguments)
{
    MakeDemoRequest request;
    bool seedGiven = false;
    bool oneAccount = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--lines" || argument == u"--seed") {
            if (i + 1 >= arguments.size())
                throw Failure(QStringLiteral("%1 needs a number").arg(argument));
            const QString value = arguments[++i];
            bool ok = false;
            if (argument == u"--lines") {
                request.options.voucherLines = value.toLongLong(&ok);
                if (!ok || request.options.voucherLines < 2 || request.options.voucherLines > MostLines)
                    throw Failure(QStringLiteral("--lines takes a number of voucher lines from 2 to %1, not %2").arg(MostLines).arg(value));
                request.generated = true;
            } else {
                request.options.seed = value.toULongLong(&ok);
                if (!ok)
                    throw Failure(QStringLiteral("--seed takes a whole number, not %1").arg(value));
                seedGiven = true;
            }
        } else if (argument == u"--one-account") {
            request.options.oneBusyAccount = true;
            oneAccount = true;
        } else if (argument.startsWith(QLatin1String("--"))) {
            throw Failure(QStringLiteral("Unknown option %1").arg(argument));
        } else if (request.url.isEmpty()) {
            request.url = databaseUrl(argument);
        } else {
            throw Failure(QStringLiteral("make-demo takes one database, not also %1").arg(argument));
        }
    }
    if (request.url.isEmpty())
        throw Failure(QStringLiteral("make-demo needs the file or URL of the new database"));
    if (seedGiven && !request.generated)
        throw Failure(QStringLiteral("--seed goes with --lines"));
    if (oneAccount && !request.generated)
        throw Failure(QStringLiteral("--one-account goes with --lines"));
    return request;
}

} // namespace

int runMakeDemo(const QStringList &arguments, QTextStream &out, QTextStream &err, const QString &language)
{
    const ResourceTexts &texts = ResourceTexts::forLanguage(language);
    MakeDemoRequest request;
    try {
        request = parse(arguments);
    } catch (const Failure &failure) {
        err << failure.describe() << Qt::endl
            << texts.text(QStringLiteral("QXMXZ.cli.help.make-demo")).section(u'\n', 0, 0) << Qt::endl;
        return 2;
    }
    try {
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<Connection> connection = db::createAccountingDatabase(request.url);
        if (request.generated)
            db::generateCompany(*connection, request.options);
        else
            db::loadDemoCompany(*connection);
        const double seconds = double(timer.elapsed()) / 1000.0;
        if (request.generated)
            out << texts.text(QStringLiteral("QXMXZ.cli.demo.generated"),
                              {QString::number(request.options.voucherLines), QString::number(request.options.seed),
                               QString::number(seconds, 'f', 1), connection->connectionText()})
                << Qt::endl;
        else
            out << texts.text(QStringLiteral("QXMXZ.cli.demo.made"), {QString::number(seconds, 'f', 1), connection->connectionText()})
                << Qt::endl;
        return 0;
    } catch (const Failure &failure) {
        err << failure.describe() << Qt::endl;
        return 1;
    }
}

} // namespace qxmxz::cli
