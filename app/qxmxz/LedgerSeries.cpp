#include "LedgerSeries.h"

#include <QHash>
#include <memory>

#include "platform/outside/GlPublic.h"
#include "platform/outside/ResourceTexts.h"
#include "platform/ui/GridModel.h"
#include "platform/values/Currency.h"
#include "totals/AmountFormats.h"
#include "totals/BalanceDirection.h"

namespace qxmxz::cli {

LedgerSeries::LedgerSeries(const GlPublic &pub, QIODevice &out, TableFormat format, qsizetype count)
    : m_pub(pub), m_out(out), m_format(format), m_count(count)
{
}

void LedgerSeries::write(const TableSource &table, const QString &account)
{
    const bool several = m_count > 1;
    const bool first = m_written == 0;
    ++m_written;
    switch (m_format) {
    case TableFormat::Table:
        if (several) {
            if (!first)
                m_out.write("\n");
            m_out.write((m_pub.texts().text(QStringLiteral("QXMXZ.cli.ledgertitle"), {account, m_pub.accountName(account)})
                         + u'\n')
                            .toUtf8());
        }
        writeTable(table, m_format, m_out);
        break;
    case TableFormat::Csv:
        writeTable(table, m_format, m_out, !first);
        break;
    case TableFormat::Json:
        if (several)
            m_out.write(first ? "[\n" : ",\n");
        writeTable(table, m_format, m_out);
        break;
    }
}

void LedgerSeries::finish()
{
    if (m_format == TableFormat::Json && m_count > 1 && m_written > 0)
        m_out.write("]\n");
}

namespace {

Currency amountOf(const QString &text)
{
    QString plain = text.trimmed();
    plain.remove(u',');
    return Currency::fromText(plain).value_or(Currency());
}

} // namespace

TableSource withAccountTotal(const GlPublic &pub, const GridModel &grid, const QStringList &columns,
                             const QString &account, TableSource table, bool typed)
{
    const int voucher = int(columns.indexOf(QStringLiteral("PzId")));
    const int code = int(columns.indexOf(QStringLiteral("ccode")));
    const int summary = int(columns.indexOf(QStringLiteral("cDigest")));
    const int debitColumn = int(columns.indexOf(QStringLiteral("Smd")));
    const int creditColumn = int(columns.indexOf(QStringLiteral("Smc")));
    const int direction = int(columns.indexOf(QStringLiteral("Scendd_c")));
    const int balanceColumn = int(columns.indexOf(QStringLiteral("Smend")));
    const QString creditWord = DirectionText(pub, QStringLiteral("贷"));

    Currency debit, credit;
    QHash<QString, Currency> closing; // each sub-account's last balance, signed
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r) {
        if (!grid.TextMatrix(r, voucher).trimmed().isEmpty()) {
            debit += amountOf(grid.TextMatrix(r, debitColumn));
            credit += amountOf(grid.TextMatrix(r, creditColumn));
        }
        const QString digest = grid.TextMatrix(r, summary);
        if (!digest.isEmpty() && (digest.front() == u' ' || digest.front() == u'\u3000'))
            continue; // a currency's own row
        const Currency balance = amountOf(grid.TextMatrix(r, balanceColumn));
        closing[grid.TextMatrix(r, code).trimmed()] = grid.TextMatrix(r, direction).trimmed() == creditWord ? -balance : balance;
    }
    if (closing.size() < 2)
        return table;
    Currency balance;
    for (const Currency &value : std::as_const(closing))
        balance += value;

    // The total row, by the keys of the table's columns (working-table names or typed names).
    const BalanceDirection shownDirection = directionOf(pub, balance);
    const QString totalText = pub.texts().text(QStringLiteral("QXMXZ.cli.ledger.total"));
    auto shown = std::make_shared<QHash<QString, QString>>(QHash<QString, QString>{
        {QStringLiteral("ccode"), account},
        {QStringLiteral("CodeName"), pub.accountName(account)},
        {QStringLiteral("cDigest"), totalText},
        {QStringLiteral("Smd"), FormatAmt(debit)},
        {QStringLiteral("Smc"), FormatAmt(credit)},
        {QStringLiteral("Scendd_c"), shownDirection.text},
        {QStringLiteral("Smend"), FormatAmt(balance.abs(), false)},
    });
    auto number = [](Currency value) { return TypedCell(value.toDouble(), 2); };
    auto typedValues = std::make_shared<QHash<QString, TypedCell>>(QHash<QString, TypedCell>{
        {QStringLiteral("kind"), QStringLiteral("total")},
        {QStringLiteral("ledger"), account},
        {QStringLiteral("account"), account},
        {QStringLiteral("accountName"), pub.accountName(account)},
        {QStringLiteral("summary"), totalText},
        {QStringLiteral("debit"), number(debit)},
        {QStringLiteral("credit"), number(credit)},
        {QStringLiteral("direction"), QString(balance.sign() > 0 ? QStringLiteral("debit")
                                              : balance.sign() < 0 ? QStringLiteral("credit")
                                                                   : QStringLiteral("balanced"))},
        {QStringLiteral("balance"), number(balance)},
    });
    const qsizetype last = table.rowCount;
    const QStringList keys = table.keys;
    auto cell = table.cell;
    table.cell = [cell, last, keys, shown](qsizetype row, int column) {
        return row == last ? shown->value(keys.value(column)) : cell(row, column);
    };
    if (typed) {
        auto typedCell = table.typedCell;
        table.typedCell = [typedCell, last, keys, typedValues](qsizetype row, int column) {
            if (row != last)
                return typedCell(row, column);
            const auto it = typedValues->constFind(keys.value(column));
            return it == typedValues->cend() ? TypedCell() : *it;
        };
    }
    ++table.rowCount;
    return table;
}

} // namespace qxmxz::cli
