// The chart of accounts and the accounting calendar on the command line.
#include "CliSession.h"
#include "CommandOutput.h"
#include "Commands.h"
#include "platform/outside/ResourceTexts.h"
#include "presentation/LedgerAccess.h"
#include "totals/AmountFormats.h"
#include "totals/BalanceDirection.h"
#include "totals/NumberPattern.h"

namespace qxmxz::cli {

int runAccounts(const CliArguments &args, QTextStream &out, QTextStream &err)
{
    const auto session = CliSession::open(args, err);
    GlPublic &pub = session->pub();
    const TableFormat format = CommandOutput::tableFormat(args);
    CommandOutput output(args, out);
    const ResourceTexts &texts = pub.texts();
    auto heading = [&](const char *item) { return texts.text(QStringLiteral("QXMXZ.cli.accounts.") + QLatin1String(item)); };

    struct Line {
        QStringList cells;
    };
    QList<Line> lines;
    for (const AccountRecord &a : pub.chart().accounts()) {
        QStringList cells{a.code, pub.accountName(a.code), QString::number(a.grade),
                          texts.text(a.isEnd ? QStringLiteral("QXMXZ.cli.yes") : QStringLiteral("QXMXZ.cli.no")),
                          a.currencyName, a.measureUnit};
        // An account's figure holds those of the accounts under it: it is shown
        // only to a user who may read them all, as its ledger would be.
        QString refusal;
        if (mayReadAccountTree(pub, a.code, refusal)) {
            const SignedBalance opening = pub.openingBalance(a.code, 1, false);
            cells << directionOf(pub, opening.amount).text << FormatAmt(QVariant::fromValue(opening.amount.abs()));
        } else {
            cells << QString() << QString();
        }
        lines.append({cells});
    }
    TableSource table;
    table.keys = QStringList{QStringLiteral("ccode"), QStringLiteral("ccode_name"), QStringLiteral("igrade"),
                             QStringLiteral("bend"), QStringLiteral("cexch_name"), QStringLiteral("cmeasure"),
                             QStringLiteral("cbegind_c"), QStringLiteral("mb")};
    table.headings = QStringList{heading("code"), heading("name"), heading("grade"), heading("end"),
                                 heading("currency"), heading("unit"), heading("direction"), heading("opening")};
    table.rightAligned = {false, false, true, false, false, false, false, true};
    table.rowCount = lines.size();
    table.cell = [&lines](qsizetype row, int column) { return lines[row].cells.value(column); };
    writeTable(table, format, output.device());
    output.commit();
    return 0;
}

int runCalendar(const CliArguments &args, QTextStream &out, QTextStream &err)
{
    const auto session = CliSession::open(args, err);
    GlPublic &pub = session->pub();
    const TableFormat format = CommandOutput::tableFormat(args);
    CommandOutput output(args, out);
    const QList<FiscalCalendar::Period> &periods = pub.calendar().periods();
    TableSource table;
    table.keys = QStringList{QStringLiteral("iperiod"), QStringLiteral("period"), QStringLiteral("dbegin"),
                             QStringLiteral("dend")};
    table.headings = QStringList{pub.text(QStringLiteral("R7.GL.QXMXZ.frmkjyl.periad")), QString(),
                                 pub.text(QStringLiteral("R7.GL.QXMXZ.frmkjyl.startdate")),
                                 pub.text(QStringLiteral("R7.GL.QXMXZ.frmkjyl.enddate"))};
    table.rightAligned = {true, false, false, false};
    table.rowCount = periods.size();
    table.cell = [&](qsizetype row, int column) {
        const FiscalCalendar::Period &p = periods[row];
        switch (column) {
        case 0: return QString::number(p.number);
        case 1: return pub.periodText(p.number);
        case 2: return formatDate(p.begin, QStringLiteral("yyyy.mm.dd"));
        default: return formatDate(p.end, QStringLiteral("yyyy.mm.dd"));
        }
    };
    writeTable(table, format, output.device());
    output.commit();
    return 0;
}

} // namespace qxmxz::cli
