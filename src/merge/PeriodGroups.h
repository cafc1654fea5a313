#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

#include "MergeGroup.h"
#include "MergeStatements.h"
#include "platform/sql/ReadAhead.h"
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

// The groups and the side summaries of every voucher of the accounts under
// a code in one period, from two ordered statements (the summaries merged by
// account only). A period of the busiest account of a large company is some
// ten thousand groups, so one period at a time keeps memory small while the
// statements per voucher, which cost more than the rows they bring, are gone.
class PeriodGroups {
public:
    PeriodGroups() = default;
    static PeriodGroups read(Connection &database, const GroupReading &reading,
                             const MergeStatements::PeriodAccounts &accounts, int period, SharedTexts &texts);
    int period() const { return m_period; }
    QList<MergeGroup> groupsOf(const MergeStatements::VoucherKey &voucher) const;
    QString summaryOf(const MergeStatements::VoucherKey &voucher, bool debitSide) const;

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
    // One voucher's groups and, merged by account, its sides' summaries:
    // one entry a voucher keeps a period small beside the grid.
    struct VoucherSums {
        QList<MergeGroup> groups;
        QString debitSummary, creditSummary;
        bool debitFound = false, creditFound = false; // a side's first line seen
    };
    static Key keyOf(const MergeStatements::VoucherKey &voucher);
    void readGroups(Connection &database, const GroupReading &reading, const MergeStatements::PeriodAccounts &accounts,
                    SharedTexts &texts);
    void readSummaries(Connection &database, const GroupReading &reading,
                       const MergeStatements::PeriodAccounts &accounts, SharedTexts &texts);

    int m_period = -1; // none read
    QHash<Key, VoucherSums> m_vouchers;
};

// The period groups of a range of periods, each read when its first voucher
// asks for it. From a server they are read one period ahead, on a thread and
// a connection of their own: the server sums the next period while the
// vouchers of this one are listed and written. An SQLite file reads a period
// as fast from the spot, where it holds one period less. A voucher outside
// the period read ahead (a list out of period order) has its period read on
// the spot.
class PeriodsAhead : public VoucherGroupSource {
public:
    PeriodsAhead(Connection &database, GroupReading reading, MergeStatements::PeriodAccounts accounts,
                 int firstPeriod, int lastPeriod);
    QList<MergeGroup> groupsOf(const MergeStatements::VoucherKey &voucher) override;
    QString summaryOf(const MergeStatements::VoucherKey &voucher, bool debitSide) override;
    // Whether the periods of `database` are read ahead.
    static bool readsAhead(const Connection &database);

private:
    const PeriodGroups &periodOf(const MergeStatements::VoucherKey &voucher);

    Connection &m_database;
    GroupReading m_reading;
    MergeStatements::PeriodAccounts m_accounts;
    SharedTexts m_texts;
    std::optional<ReadAhead<PeriodGroups>> m_ahead;
    PeriodGroups m_onTheSpot;
};

} // namespace qxmxz
