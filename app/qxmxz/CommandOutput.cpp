#include "CommandOutput.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/Failure.h"

namespace qxmxz::cli {

CommandOutput::CommandOutput(const CliArguments &args, QTextStream &out) : m_out(out)
{
    // "-" is the standard output, as for most command-line tools.
    if (args.has(QStringLiteral("out")) && args.value(QStringLiteral("out")) != u"-") {
        const QString path = args.value(QStringLiteral("out"));
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly))
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.cannotwrite"), {path, file->errorString()},
                                   QStringLiteral("Cannot write %1").arg(path));
        m_device = std::move(file);
        m_toFile = true;
        return;
    }
    if (QIODevice *stream = m_out.device()) {
        // Straight to the standard output: a long ledger is not held twice.
        m_out.flush();
        m_direct = stream;
        return;
    }
    auto buffer = std::make_unique<QBuffer>();
    buffer->open(QIODevice::WriteOnly);
    m_device = std::move(buffer);
}

CommandOutput::~CommandOutput()
{
    if (m_toFile)
        static_cast<QSaveFile *>(m_device.get())->cancelWriting();
}

QIODevice &CommandOutput::device()
{
    return m_direct ? *m_direct : *m_device;
}

QString CommandOutput::formatName(const CliArguments &args)
{
    if (args.has(QStringLiteral("format")))
        return args.value(QStringLiteral("format")).toLower();
    // Without --format the file name says it: bank.csv is CSV.
    const QString suffix = QFileInfo(args.value(QStringLiteral("out"))).suffix().toLower();
    if (args.has(QStringLiteral("out")) && fileFormats().contains(suffix))
        return suffix;
    return QStringLiteral("table");
}

const QStringList &CommandOutput::fileFormats()
{
    static const QStringList names{QStringLiteral("csv"), QStringLiteral("json"), QStringLiteral("xlsx"), QStringLiteral("pdf")};
    return names;
}

TableFormat CommandOutput::tableFormat(const CliArguments &args)
{
    const QString format = formatName(args);
    if (format == u"table")
        return TableFormat::Table;
    if (format == u"csv")
        return TableFormat::Csv;
    if (format == u"json")
        return TableFormat::Json;
    throw Failure::withKey(QStringLiteral("QXMXZ.cli.badchoice"),
                           {QStringLiteral("--format"), format, QStringLiteral("table, csv, json")},
                           QStringLiteral("Unknown format %1").arg(format));
}

void CommandOutput::commit()
{
    if (m_toFile) {
        auto *file = static_cast<QSaveFile *>(m_device.get());
        const QString path = file->fileName();
        if (!file->commit())
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.cannotwrite"), {path, file->errorString()},
                                   QStringLiteral("Cannot write %1").arg(path));
        m_toFile = false;
        return;
    }
    if (m_direct)
        return;
    auto *buffer = static_cast<QBuffer *>(m_device.get());
    m_out << QString::fromUtf8(buffer->data());
    m_out.flush();
    buffer->buffer().clear();
}

} // namespace qxmxz::cli
