#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

#include "MergeGroup.h"
#include "MergeStatements.h"
#include "platform/values/SharedTexts.h"

namespace qxmxz {

class Connection;

// What a merged ledger reads: the accounts under `code` in the year, posted
// vouchers only unless unposted ones are included, grouped by summary or by
// account; a line without a currency is in the home currency.
struct GroupReading {
    int year = 0;
    QString code;
    bool includeUnposted = false;
    bool byDigest = false;
    QString homeCurrency;
};

// The codes under the reading's code that have lines in the year, named one
// by one in the statements of a period; none (the prefix instead) when there
// are too many to name.
MergeStatements::PeriodAccounts readPeriodAccounts(Connection &database, const GroupReading &reading);

// Where a merged ledger gets the summed groups of each voucher and the
// summaries of its sides.
class VoucherGroupSource {
public:
    virtual ~VoucherGroupSource() = default;
    // The voucher's groups, debit groups before credit groups.
    virtual QList<MergeGroup> groupsOf(const MergeStatements::VoucherKey &voucher) = 0;
    // The summary of the voucher's first valid line of the account on a side.
    virtual QString summaryOf(const MergeStatements::VoucherKey &voucher, bool debitSide) = 0;
};

// One or two statements per voucher: the plain reading, kept as the
// reference the period reading is compared with.
class EachVoucherGroups : public VoucherGroupSource {
public:
    EachVoucherGroups(Connection &database, GroupReading reading);
    QList<MergeGroup> groupsOf(const MergeStatements::VoucherKey &voucher) override;
    QString summaryOf(const MergeStatements::VoucherKey &voucher, bool debitSide) override;

private:
    Connection &m_database;
    GroupReading m_reading;
    SharedTexts m_texts;
};

// Two ordered statements per period for all vouchers of the accounts under
// a code, held until the ledger moves on to the next period. A period of the
// busiest account of a large company is some ten thousand groups, so one
// period at a time keeps memory small while the statements per voucher,
// which cost more than the rows they bring, are gone.
class PeriodGroups : public VoucherGroupSource {
public:
    PeriodGroups(Connection &database, GroupReading reading, MergeStatements::PeriodAccounts accounts);
    QList<MergeGroup> groupsOf(const MergeStatements::VoucherKey &voucher) override;
    QString summaryOf(const MergeStatements::VoucherKey &voucher, bool debitSide) override;

private:
    struct Key {
        int signSequence; // isignseq
        int number;       // ino_id
        QString code;
        bool operator==(const Key &) const = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.signSequence, key.number, key.code);
        }
    };
    struct Summaries {
        std::optional<QString> debit, credit;
    };
    static Key keyOf(const MergeStatements::VoucherKey &voucher);
    void loadGroups(int period);
    void loadSummaries(int period);

    Connection &m_database;
    GroupReading m_reading;
    SharedTexts m_texts;
    MergeStatements::PeriodAccounts m_accounts;
    int m_groupsPeriod = 0;
    int m_summariesPeriod = 0;
    QHash<Key, QList<MergeGroup>> m_groups;
    QHash<Key, Summaries> m_summaries;
};

} // namespace qxmxz
