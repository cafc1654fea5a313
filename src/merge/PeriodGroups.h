#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

#include "MergeGroup.h"
#include "MergeStatements.h"

namespace qxmxz {

class GlPublic;

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
    EachVoucherGroups(GlPublic &pub, bool includeUnposted, bool byDigest);
    QList<MergeGroup> groupsOf(const MergeStatements::VoucherKey &voucher) override;
    QString summaryOf(const MergeStatements::VoucherKey &voucher, bool debitSide) override;

private:
    GlPublic &m_pub;
    bool m_includeUnposted;
    bool m_byDigest;
};

// Two ordered statements per period for all vouchers of the accounts under
// a code, held until the ledger moves on to the next period. A period of the
// busiest account of a large company is some ten thousand groups, so one
// period at a time keeps memory small while the statements per voucher,
// which cost more than the rows they bring, are gone.
class PeriodGroups : public VoucherGroupSource {
public:
    PeriodGroups(GlPublic &pub, const QString &code, bool includeUnposted, bool byDigest);
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

    GlPublic &m_pub;
    QString m_code;
    bool m_includeUnposted;
    bool m_byDigest;
    int m_groupsPeriod = 0;
    int m_summariesPeriod = 0;
    QHash<Key, QList<MergeGroup>> m_groups;
    QHash<Key, Summaries> m_summaries;
};

} // namespace qxmxz
