#include "CliSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "install/AccountingDatabase.h"
#include "platform/Failure.h"
#include "platform/outside/ResourceTexts.h"

namespace qxmxz::cli {

QString demoDatabaseUrl(QTextStream &err, const QString &language)
{
    QString path = qEnvironmentVariable("QXMXZ_DEMO_DB");
    if (path.isEmpty()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/qxmxz");
        QDir().mkpath(folder);
        // The file name carries the demo's version, so a newer demo never reads an older file.
        path = folder + QStringLiteral("/demo-2026-v2.db");
    }
    if (!QFileInfo::exists(path)) {
        const QString partial = path + QStringLiteral(".part");
        QFile::remove(partial);
        {
            auto connection = db::createAccountingDatabase(QStringLiteral("sqlite:") + partial);
            db::loadDemoCompany(*connection);
        }
        if (!QFile::rename(partial, path))
            throw Failure(QStringLiteral("Cannot create the demo database %1").arg(path));
        err << ResourceTexts::forLanguage(language).text(QStringLiteral("QXMXZ.cli.demo.created"), {path}) << Qt::endl;
    }
    return QStringLiteral("sqlite:") + path;
}

CliSession::CliSession(QTextStream &err)
    : m_sink([&err](const MessageBoxRequest &box) {
          err << (box.title.isEmpty() ? box.prompt : box.title + QStringLiteral(": ") + box.prompt) << Qt::endl;
      })
{
    m_pub.setMessageSink(&m_sink);
}

QString databaseUrlOf(const QString &target)
{
    for (const char *scheme : {"sqlite:", "postgresql:", "postgres:", "odbc:"})
        if (target.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) {
            if (qstrcmp(scheme, "sqlite:") == 0)
                checkSqliteFile(target.mid(7));
            return target;
        }
    // A plain path is an SQLite file, as make-demo writes it.
    checkSqliteFile(target);
    return QStringLiteral("sqlite:") + target;
}

void checkSqliteFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.dbisfolder"), {path}, QStringLiteral("%1 is a folder").arg(path));
    // SQLite would create an empty file for a mistyped name and then miss every table.
    if (!info.exists())
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.nodbfile"), {path}, QStringLiteral("No file %1").arg(path));
    QFile file(path);
    const QByteArray magic("SQLite format 3", 16);
    if (!file.open(QIODevice::ReadOnly) || (info.size() > 0 && file.read(16) != magic))
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.notadatabase"), {path}, QStringLiteral("%1 is not SQLite").arg(path));
}

std::unique_ptr<CliSession> CliSession::open(const CliArguments &args, QTextStream &err)
{
    std::unique_ptr<CliSession> session(new CliSession(err));
    LoginRequest request;
    request.databaseUrl = args.has(QStringLiteral("db")) ? databaseUrlOf(args.value(QStringLiteral("db"))) : demoDatabaseUrl(err, args.language());
    request.userId = args.value(QStringLiteral("user"), QStringLiteral("demo"));
    request.year = integerOption(args, QStringLiteral("year"), 0, 1900, 9999);
    request.language = args.language();
    session->m_login = Login::logIn(request);
    session->m_pub.setLogin(session->m_login);
    return session;
}

} // namespace qxmxz::cli
