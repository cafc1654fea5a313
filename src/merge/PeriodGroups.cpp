#include "PeriodGroups.h"

#include "platform/sql/Connection.h"
#include "platform/sql/RecordSet.h"

namespace qxmxz {

namespace {

// Beyond this many codes the prefix is named instead: the statement would
// grow long, and an account with that many codes has its lines spread over
// most of its range anyway.
constexpr qsizetype MostNamedCodes = 500;

} // namespace

MergeStatements::PeriodAccounts readPeriodAccounts(Connection &database, const GroupReading &reading)
{
    MergeStatements::PeriodAccounts accounts{reading.code, {}};
    RecordSet rs = database.query(MergeStatements::codesWithLines(reading.year, reading.code), RecordSet::Cursor::Forward);
    for (; !rs.eof() && accounts.codes.size() <= MostNamedCodes; rs.moveNext())
        accounts.codes << rs.field(0).toString();
    rs.close();
    if (accounts.codes.size() > MostNamedCodes)
        accounts.codes.clear();
    return accounts;
}

EachVoucherGroups::EachVoucherGroups(Connection &database, GroupReading reading)
    : m_database(database), m_reading(std::move(reading))
{
}

QList<MergeGroup> EachVoucherGroups::groupsOf(const MergeStatements::VoucherKey &voucher)
{
    const QString condition = MergeStatements::voucherCondition(m_reading.year, voucher, m_reading.includeUnposted);
    QList<MergeGroup> groups;
    RecordSet rs = m_database.query(MergeStatements::groupedLines(condition, m_reading.byDigest));
    for (; !rs.eof(); rs.moveNext())
        groups.append(readMergeGroup(rs, m_reading.byDigest, m_reading.homeCurrency, m_texts));
    rs.close();
    return groups;
}

QString EachVoucherGroups::summaryOf(const MergeStatements::VoucherKey &voucher, bool debitSide)
{
    RecordSet rs = m_database.query(MergeStatements::summaryLookup(m_reading.year, voucher, debitSide));
    const QString summary = rs.eof() ? QString() : rs.text(QStringLiteral("cdigest"));
    rs.close();
    return summary;
}

PeriodGroups::PeriodGroups(Connection &database, GroupReading reading, MergeStatements::PeriodAccounts accounts)
    : m_database(database), m_reading(std::move(reading)), m_accounts(std::move(accounts))
{
}

PeriodGroups::Key PeriodGroups::keyOf(const MergeStatements::VoucherKey &voucher)
{
    return {voucher.signSequence, voucher.number, voucher.code};
}

QList<MergeGroup> PeriodGroups::groupsOf(const MergeStatements::VoucherKey &voucher)
{
    if (voucher.period != m_groupsPeriod)
        loadGroups(voucher.period);
    return m_groups.value(keyOf(voucher));
}

QString PeriodGroups::summaryOf(const MergeStatements::VoucherKey &voucher, bool debitSide)
{
    if (voucher.period != m_summariesPeriod)
        loadSummaries(voucher.period);
    const Summaries found = m_summaries.value(keyOf(voucher));
    return (debitSide ? found.debit : found.credit).value_or(QString());
}

// Each row holds both sides of a group; a voucher's debit groups come before
// its credit groups, each side in the statement's order.
void PeriodGroups::loadGroups(int period)
{
    m_groups.clear();
    m_groupsPeriod = period;
    const bool byDigest = m_reading.byDigest;
    RecordSet rs = m_database.query(MergeStatements::groupedLinesOfPeriod(m_reading.year, m_accounts, period,
                                                                          m_reading.includeUnposted, byDigest),
                                    RecordSet::Cursor::Forward);
    const int sequenceField = rs.fieldIndex(QStringLiteral("isignseq"));
    const int numberField = rs.fieldIndex(QStringLiteral("ino_id"));
    const int codeField = rs.fieldIndex(QStringLiteral("ccode"));
    const int digestField = byDigest ? rs.fieldIndex(QStringLiteral("cdigest")) : -1;
    const int currencyField = rs.fieldIndex(QStringLiteral("cexch_name"));
    const int debitField = rs.fieldIndex(QStringLiteral("Md"));
    const int creditField = rs.fieldIndex(QStringLiteral("Mc"));
    const int debitForeignField = rs.fieldIndex(QStringLiteral("Md_f"));
    const int creditForeignField = rs.fieldIndex(QStringLiteral("Mc_f"));
    const int debitQuantityField = rs.fieldIndex(QStringLiteral("Nd_s"));
    const int creditQuantityField = rs.fieldIndex(QStringLiteral("Nc_s"));
    const int debitLinesField = byDigest ? -1 : rs.fieldIndex(QStringLiteral("iDebitLines"));
    const int creditLinesField = byDigest ? -1 : rs.fieldIndex(QStringLiteral("iCreditLines"));
    QList<MergeGroup> *groups = nullptr;
    Key lastKey{0, 0, QString()};
    qsizetype debitEnd = 0; // where the voucher's next debit group goes
    for (; !rs.eof(); rs.moveNext()) {
        // As the database compares a sum with 0, before the amount is read.
        const bool debit = byDigest ? rs.field(debitField).toDouble() != 0 : rs.field(debitLinesField).toInt() > 0;
        const bool credit = byDigest ? rs.field(creditField).toDouble() != 0 : rs.field(creditLinesField).toInt() > 0;
        if (!debit && !credit)
            continue;
        Key key{rs.field(sequenceField).toInt(), rs.field(numberField).toInt(),
                m_texts.share(rs.field(codeField).toString().trimmed())};
        if (!groups || key != lastKey) {
            groups = &m_groups[key];
            debitEnd = groups->size();
            lastKey = std::move(key);
        }
        MergeGroup group;
        if (byDigest)
            group.digest = rs.field(digestField).toString();
        const QVariant currency = rs.field(currencyField);
        group.currencyName = currency.isNull() ? m_reading.homeCurrency : m_texts.share(currency.toString().trimmed());
        if (debit) {
            MergeGroup side = group;
            side.md = rs.money(debitField);
            side.md_f = rs.money(debitForeignField);
            side.nd_s = rs.field(debitQuantityField).toDouble();
            groups->insert(debitEnd++, side);
        }
        if (credit) {
            group.mc = rs.money(creditField);
            group.mc_f = rs.money(creditForeignField);
            group.nc_s = rs.field(creditQuantityField).toDouble();
            groups->append(group);
        }
    }
    rs.close();
}

// The first line of each side in line order is that side's summary; a line
// with both sides filled is the first of both.
void PeriodGroups::loadSummaries(int period)
{
    m_summaries.clear();
    m_summariesPeriod = period;
    RecordSet rs = m_database.query(MergeStatements::summariesOfPeriod(m_reading.year, m_accounts, period),
                                    RecordSet::Cursor::Forward);
    const int sequenceField = rs.fieldIndex(QStringLiteral("isignseq"));
    const int numberField = rs.fieldIndex(QStringLiteral("ino_id"));
    const int codeField = rs.fieldIndex(QStringLiteral("ccode"));
    for (; !rs.eof(); rs.moveNext()) {
        Summaries &found = m_summaries[Key{rs.field(sequenceField).toInt(), rs.field(numberField).toInt(),
                                           m_texts.share(rs.field(codeField).toString().trimmed())}];
        if (!found.debit && !rs.money(QStringLiteral("md")).isZero())
            found.debit = rs.text(QStringLiteral("cdigest"));
        if (!found.credit && !rs.money(QStringLiteral("mc")).isZero())
            found.credit = rs.text(QStringLiteral("cdigest"));
    }
    rs.close();
}

} // namespace qxmxz
