// The trial balance on the command line: per account the opening balance, the
// debits and credits of the period range and the closing balance.
#include <QJsonObject>
#include <algorithm>

#include "CliSession.h"
#include "CommandOutput.h"
#include "CommandRights.h"
#include "Commands.h"
#include "LedgerOptions.h"
#include "SheetOutput.h"
#include "TableSheet.h"
#include "platform/ui/GridModel.h"
#include "general_ledger/PeriodSums.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/ResourceTexts.h"
#include "services/DataRightChecks.h"
#include "totals/AmountFormats.h"
#include "totals/BalanceDirection.h"

namespace qxmxz::cli {

namespace {

struct BalanceLine {
    QString code;
    QString name;
    int grade = 0;
    Currency opening, debit, credit, closing; // balances signed, debit positive
};

// Accounts to the grade asked for, or every account with "end"; parents are
// read through their own code, so their figures are their sub-accounts' sum.
int lastGradeOf(const CliArguments &args, const GlPublic &pub)
{
    const QString grade = args.value(QStringLiteral("grade"), QStringLiteral("1"));
    if (grade == u"end")
        return 99;
    bool ok = false;
    const int value = grade.toInt(&ok);
    if (!ok || value < 1 || value > std::max(1, pub.gradeCount()))
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badchoice"),
                               {QStringLiteral("--grade"), grade, QStringLiteral("1-%1, end").arg(std::max(1, pub.gradeCount()))},
                               QStringLiteral("Bad grade"));
    return value;
}

BalanceLine lineOf(GlPublic &pub, const AccountRecord &account, const LedgerOptions &options)
{
    BalanceLine line{account.code, pub.accountName(account.code), account.grade, {}, {}, {}, {}};
    line.opening = pub.openingBalance(account.code, options.fromPeriod, options.includeUnposted).amount;
    auto addMovements = [&](const PeriodSumsByPeriod &sums) {
        for (auto it = sums.cbegin(); it != sums.cend(); ++it)
            if (it.key() >= options.fromPeriod && it.key() <= options.toPeriod) {
                line.debit += it.value().debit;
                line.credit += it.value().credit;
            }
    };
    addMovements(PeriodSumsQuery::read(pub.database(), PeriodSumsQuery::posted(account.code, account.isEnd, pub.year())));
    if (options.includeUnposted)
        addMovements(PeriodSumsQuery::read(pub.database(),
                                           PeriodSumsQuery::unposted(account.code, account.isEnd, pub.year(), QString())));
    line.closing = line.opening + line.debit - line.credit;
    return line;
}

bool isZero(const BalanceLine &line)
{
    return line.opening.sign() == 0 && line.debit.sign() == 0 && line.credit.sign() == 0 && line.closing.sign() == 0;
}

} // namespace

int runBalance(const CliArguments &args, QTextStream &out, QTextStream &err)
{
    const auto session = CliSession::open(args, err);
    GlPublic &pub = session->pub();
    if (!mayRunCommand(pub, LedgerCommand::General))
        return 1;
    const LedgerOptions options = readLedgerOptions(args, pub);
    const int lastGrade = lastGradeOf(args, pub);
    const SheetFormat sheet = sheetFormat(args);
    if (sheet != SheetFormat::None && !maySheetOutput(pub, LedgerCommand::General, sheet))
        return 1;
    const TableFormat format = sheet == SheetFormat::None ? CommandOutput::tableFormat(args) : TableFormat::Table;
    const bool rightsApply = pub.options().accountRightsControlled && pub.login() && !pub.login()->exemptFromAccountRights();

    QList<BalanceLine> lines;
    QStringList leftOut;
    BalanceLine total;
    total.name = pub.texts().text(QStringLiteral("QXMXZ.cli.balance.total"));
    for (const AccountRecord &account : pub.chart().accounts()) {
        if (account.grade > lastGrade)
            continue;
        // An account the user may not read in full is left out, as the ledgers refuse it.
        QString message;
        if (rightsApply && !CheckCodeRight(pub, DataRightKind::Accounts, account.code, message)) {
            leftOut << account.code;
            continue;
        }
        const BalanceLine line = lineOf(pub, account, options);
        if (account.grade == 1) {
            total.opening += line.opening;
            total.debit += line.debit;
            total.credit += line.credit;
            total.closing += line.closing;
        }
        if (!isZero(line))
            lines.append(line);
    }
    lines.append(total);

    const ResourceTexts &texts = pub.texts();
    auto heading = [&](const char *item) { return texts.text(QStringLiteral("QXMXZ.cli.balance.") + QLatin1String(item)); };
    auto amount = [](Currency value) { return value.sign() == 0 ? QString() : FormatAmt(QVariant::fromValue(value.abs())); };
    TableSource table;
    table.keys = {QStringLiteral("code"),  QStringLiteral("name"),   QStringLiteral("grade"),
                  QStringLiteral("openingDirection"), QStringLiteral("opening"), QStringLiteral("debit"),
                  QStringLiteral("credit"), QStringLiteral("closingDirection"), QStringLiteral("closing")};
    table.headings = {heading("code"),  heading("name"),   heading("grade"),
                      heading("direction"), heading("opening"), heading("debit"),
                      heading("credit"), heading("direction"), heading("closing")};
    table.rightAligned = {false, false, true, false, true, true, true, false, true};
    table.rowCount = lines.size();
    table.cell = [&](qsizetype row, int column) -> QString {
        const BalanceLine &l = lines[row];
        switch (column) {
        case 0: return l.code;
        case 1: return l.name;
        case 2: return l.grade ? QString::number(l.grade) : QString();
        case 3: return directionOf(pub, l.opening).text;
        case 4: return amount(l.opening);
        case 5: return amount(l.debit);
        case 6: return amount(l.credit);
        case 7: return directionOf(pub, l.closing).text;
        case 8: return amount(l.closing);
        }
        return {};
    };
    // Machine readers get signed numbers (debit positive) with an English direction word.
    auto number = [](Currency value) { return TypedCell(value.toDouble(), 2); };
    auto word = [](Currency value) {
        return TypedCell(value.sign() > 0 ? QStringLiteral("debit") : value.sign() < 0 ? QStringLiteral("credit") : QStringLiteral("balanced"));
    };
    table.typedCell = [&](qsizetype row, int column) -> TypedCell {
            const BalanceLine &l = lines[row];
            switch (column) {
            case 0: return l.code.isEmpty() ? TypedCell() : TypedCell(l.code);
            case 1: return l.name;
            case 2: return l.grade ? TypedCell::whole(l.grade) : TypedCell();
            case 3: return word(l.opening);
            case 4: return number(l.opening);
            case 5: return number(l.debit);
            case 6: return number(l.credit);
            case 7: return word(l.closing);
            case 8: return number(l.closing);
            case 9: return l.code.isEmpty() ? QStringLiteral("total") : QStringLiteral("account");
            }
            return {};
        };
    table.keys << QStringLiteral("kind");
    table.header = QJsonObject{{QStringLiteral("report"), QStringLiteral("balance")},
                               {QStringLiteral("year"), pub.year()},
                               {QStringLiteral("fromPeriod"), options.fromPeriod},
                               {QStringLiteral("toPeriod"), options.toPeriod},
                               {QStringLiteral("grade"), lastGrade == 99 ? QJsonValue(QStringLiteral("end")) : QJsonValue(lastGrade)},
                               {QStringLiteral("unposted"), options.includeUnposted}};
    if (sheet != SheetFormat::None) {
        // Amounts as numbers, the grade as a whole number, the rest as texts.
        const QList<ExportClass> classes{ExportClass::Text,  ExportClass::Text,  ExportClass::Measure,
                                         ExportClass::Text,  ExportClass::Money, ExportClass::Money,
                                         ExportClass::Money, ExportClass::Text,  ExportClass::Money};
        GridModel grid;
        LedgerSheet printed = tableSheet(grid, table, classes);
        printed.heading.heading = {heading("title"),
                                   pub.periodText(options.fromPeriod) + QStringLiteral(" - ") + pub.periodText(options.toPeriod),
                                   pub.options().accountSetName};
        writeSheetOutput(pub, args, sheet, printed, QStringLiteral("GLZzJe"));
    } else {
        CommandOutput output(args, out);
        writeTable(table, format, output.device());
        output.commit();
    }
    // Without some accounts the total cannot balance; say which are missing rather than call the books wrong.
    if (!leftOut.isEmpty()) {
        err << texts.text(QStringLiteral("QXMXZ.cli.balance.partial"), {leftOut.join(QStringLiteral(", "))}) << Qt::endl;
        return 0;
    }
    // Debits equal credits in any set of balanced vouchers; a difference is a fault of the books, said aloud.
    if (total.debit != total.credit || total.opening.sign() != 0 || total.closing.sign() != 0) {
        err << texts.text(QStringLiteral("QXMXZ.cli.balance.unbalanced"),
                          {FormatAmt(QVariant::fromValue(total.debit)), FormatAmt(QVariant::fromValue(total.credit))})
            << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace qxmxz::cli
