#include "SheetOutput.h"

#include "CommandOutput.h"
#include "StopOnSignals.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "platform/Failure.h"
#include "platform/outside/GlOptions.h"
#include "platform/outside/GlPublic.h"
#include "platform/print/LedgerSheet.h"
#include "platform/outside/Login.h"
#include "platform/print/PrintResultCodes.h"
#include "platform/print/PrintSetup.h"
#include "platform/print/PrintTemplate.h"
#include "platform/print/SheetExport.h"
#include "services/CheckRight.h"
#include "services/PrintResult.h"

namespace qxmxz::cli {

SheetFormat sheetFormat(const CliArguments &args)
{
    const QString format = CommandOutput::formatName(args);
    if (format == u"xlsx")
        return SheetFormat::Xlsx;
    if (format == u"pdf")
        return SheetFormat::Pdf;
    return SheetFormat::None;
}

bool maySheetOutput(GlPublic &pub, LedgerCommand command, SheetFormat format)
{
    const bool exporting = format == SheetFormat::Xlsx;
    QString right;
    switch (command) {
    case LedgerCommand::Detail:
    case LedgerCommand::Merged:
        right = exporting ? QStringLiteral("GL03050103") : QStringLiteral("GL03050102");
        break;
    case LedgerCommand::Monthly:
        right = exporting ? QStringLiteral("GL03050105") : QStringLiteral("GL03050104");
        break;
    case LedgerCommand::General:
        right = exporting ? QStringLiteral("GL030103") : QStringLiteral("GL030102");
        break;
    }
    return CheckRight(pub, right, true);
}

void writeSheetOutput(GlPublic &pub, const CliArguments &args, SheetFormat format, const LedgerSheet &sheet,
                      const QString &printName)
{
    if (!args.has(QStringLiteral("out")))
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.missingargument"), {QStringLiteral("--out")},
                               QStringLiteral("Missing argument: --out"));
    const QString path = args.value(QStringLiteral("out"));
    auto fail = [&](int code) {
        ReportPrintResult(pub, code, format == SheetFormat::Pdf ? 1 : 3);
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.cannotwrite"), {path, QString::number(code)},
                               QStringLiteral("Cannot write %1").arg(path));
    };
    PrintTemplate layout;
    if (format == SheetFormat::Pdf) {
        const int loaded = loadPrintTemplate(printName, pub.language(), layout);
        if (loaded != print::Done) {
            ReportPrintResult(pub, loaded, 1);
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.notemplate"), {printName},
                                   QStringLiteral("No print template %1").arg(printName));
        }
        if (pub.login())
            applyPrintSetup(printName, pub.login()->userId(), layout);
    }
    // The partial file lives beside the target, so that putting it in place is a rename.
    QTemporaryFile partial(QFileInfo(path).absoluteDir().filePath(QStringLiteral(".qxmxz-XXXXXX.part")));
    if (!partial.open())
        fail(print::TemporaryFileFailed);
    partial.close();
    StopOnSignals stopSignals;
    const StopRequested stop = [] { return StopOnSignals::requested(); };
    const int result = format == SheetFormat::Xlsx ? writeSheetXlsx(sheet, partial.fileName(), stop)
                                                   : writeSheetPdf(sheet, layout, partial.fileName(), stop);
    // The partial file goes with `partial`; the command ends saying it was stopped.
    if (result == print::StoppedByUser)
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.stopped"), {}, QStringLiteral("Stopped."));
    if (result != print::Done)
        fail(result);
    QFile::setPermissions(partial.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                                  | QFileDevice::ReadOther);
    QFile::remove(path);
    if (!QFile::rename(partial.fileName(), path))
        fail(print::ExportWriteFailed);
    partial.setAutoRemove(false);
}

} // namespace qxmxz::cli
