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

PeriodGroups PeriodGroups::read(Connection &database, const GroupReading &reading,
                                const MergeStatements::PeriodAccounts &accounts, int period, SharedTexts &texts)
{
    PeriodGroups read;
    read.m_period = period;
    read.readGroups(database, reading, accounts, texts);
    // Merged by summary, a group's summary is its own.
    if (!reading.byDigest)
        read.readSummaries(database, reading, accounts, texts);
    return read;
}

PeriodGroups::Key PeriodGroups::keyOf(const MergeStatements::VoucherKey &voucher)
{
    return {voucher.signSequence, voucher.number, voucher.code};
}

QList<MergeGroup> PeriodGroups::groupsOf(const MergeStatements::VoucherKey &voucher) const
{
    const auto found = m_vouchers.constFind(keyOf(voucher));
    return found == m_vouchers.cend() ? QList<MergeGroup>() : found->groups;
}

QString PeriodGroups::summaryOf(const MergeStatements::VoucherKey &voucher, bool debitSide) const
{
    const auto found = m_vouchers.constFind(keyOf(voucher));
    if (found == m_vouchers.cend())
        return QString();
    return debitSide ? found->debitSummary : found->creditSummary;
}

// Each row holds both sides of a group; a voucher's debit groups come before
// its credit groups, each side in the statement's order.
void PeriodGroups::readGroups(Connection &database, const GroupReading &reading,
                              const MergeStatements::PeriodAccounts &accounts, SharedTexts &texts)
{
    const bool byDigest = reading.byDigest;
    RecordSet rs = database.query(MergeStatements::groupedLinesOfPeriod(reading.year, accounts, m_period,
                                                                        reading.includeUnposted, byDigest),
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
                texts.share(rs.field(codeField).toString().trimmed())};
        if (!groups || key != lastKey) {
            groups = &m_vouchers[key].groups;
            debitEnd = groups->size();
            lastKey = std::move(key);
        }
        MergeGroup group;
        if (byDigest)
            group.digest = rs.field(digestField).toString();
        const QVariant currency = rs.field(currencyField);
        group.currencyName = currency.isNull() ? reading.homeCurrency : texts.share(currency.toString().trimmed());
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
void PeriodGroups::readSummaries(Connection &database, const GroupReading &reading,
                                 const MergeStatements::PeriodAccounts &accounts, SharedTexts &texts)
{
    RecordSet rs = database.query(MergeStatements::summariesOfPeriod(reading.year, accounts, m_period),
                                  RecordSet::Cursor::Forward);
    const int sequenceField = rs.fieldIndex(QStringLiteral("isignseq"));
    const int numberField = rs.fieldIndex(QStringLiteral("ino_id"));
    const int codeField = rs.fieldIndex(QStringLiteral("ccode"));
    for (; !rs.eof(); rs.moveNext()) {
        VoucherSums &found = m_vouchers[Key{rs.field(sequenceField).toInt(), rs.field(numberField).toInt(),
                                            texts.share(rs.field(codeField).toString().trimmed())}];
        if (!found.debitFound && !rs.money(QStringLiteral("md")).isZero()) {
            found.debitSummary = rs.text(QStringLiteral("cdigest"));
            found.debitFound = true;
        }
        if (!found.creditFound && !rs.money(QStringLiteral("mc")).isZero()) {
            found.creditSummary = rs.text(QStringLiteral("cdigest"));
            found.creditFound = true;
        }
    }
    rs.close();
}

namespace {

// The period being listed and the next one, read or waiting: enough for the
// database to sum a period while the previous one is listed.
constexpr std::size_t PeriodsQueued = 1;

} // namespace

PeriodsAhead::PeriodsAhead(Connection &database, GroupReading reading, MergeStatements::PeriodAccounts accounts,
                           int firstPeriod, int lastPeriod)
    : m_database(database), m_reading(std::move(reading)), m_accounts(std::move(accounts))
{
    if (!readsAhead(database))
        return;
    m_ahead.emplace(
        database,
        [reading = m_reading, accounts = m_accounts, firstPeriod, lastPeriod](Connection &own,
                                                                               ReadAhead<PeriodGroups>::Sink &sink) {
            SharedTexts texts;
            for (int period = firstPeriod; period <= lastPeriod; ++period)
                if (!sink.waitForRoom() || !sink.put(PeriodGroups::read(own, reading, accounts, period, texts)))
                    return;
        },
        Connection::Streams::OnItself, 1, PeriodsQueued);
}

bool PeriodsAhead::readsAhead(const Connection &database)
{
    return database.backend() != Backend::Sqlite;
}

const PeriodGroups &PeriodsAhead::periodOf(const MergeStatements::VoucherKey &voucher)
{
    if (m_onTheSpot.period() == voucher.period)
        return m_onTheSpot;
    while (const PeriodGroups *ahead = m_ahead ? m_ahead->current() : nullptr) {
        if (ahead->period() == voucher.period)
            return *ahead;
        if (ahead->period() > voucher.period)
            break;
        m_ahead->moveNext();
    }
    m_onTheSpot = PeriodGroups(); // one period held, not two, while the next is read
    m_onTheSpot = PeriodGroups::read(m_database, m_reading, m_accounts, voucher.period, m_texts);
    return m_onTheSpot;
}

QList<MergeGroup> PeriodsAhead::groupsOf(const MergeStatements::VoucherKey &voucher)
{
    return periodOf(voucher).groupsOf(voucher);
}

QString PeriodsAhead::summaryOf(const MergeStatements::VoucherKey &voucher, bool debitSide)
{
    return periodOf(voucher).summaryOf(voucher, debitSide);
}

} // namespace qxmxz
