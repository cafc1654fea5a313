#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>

#include "CounterpartLines.h"

namespace qxmxz {

class Connection;
class RecordSet;

// The counterparts of a ledger's lines, read beside the ledger: one ordered
// statement brings the valid lines of every voucher holding a line of the
// account (on PostgreSQL only those that are counterparts), day by day in the
// ledger's order, and each line of the ledger finds its voucher among the
// day's. Only one day of vouchers is held. A line
// whose voucher the walk does not hold (read in another order, or on a
// backend that cannot stream a second result beside the ledger's) is asked
// for on its own with CounterpartLines, so the answer is the same either way.
//
// The walk follows one account code; when the ledger comes back to a code it
// has left (the ledger by period mixes the accounts of `accountPattern`), it
// follows every code of the pattern at once.
class CounterpartWalk {
public:
    // The lines of `year` on `database`, which the walk uses alone while it
    // lives (its thread's own connection).
    CounterpartWalk(Connection &database, int year, QString accountPattern, bool includeUnposted, int firstPeriod);
    ~CounterpartWalk();

    QList<CounterpartLine> linesFor(const QString &code, int period, const QDate &date, const QString &voucherType,
                                    int voucherNumber);

private:
    struct Day {
        int period = 0;
        QDate date;
        bool operator<(const Day &other) const
        {
            return period != other.period ? period < other.period : date < other.date;
        }
    };
    void restart();
    void readDay();
    Day dayOfCurrentRow() const;

    Connection &m_database;
    const int m_year;
    const QString m_pattern;
    const bool m_includeUnposted;
    const int m_firstPeriod;
    bool m_streams;
    const bool m_chosenOnServer; // the statement brings only the counterparts
    QString m_code;        // the one code followed; empty: every code of the pattern
    QSet<QString> m_left;  // codes the walk has followed and left
    std::unique_ptr<RecordSet> m_rows;
    struct Positions {
        int period, date, code, sign, number, lineCode, lineNumber, md, mc;
    } m_at{};
    std::optional<VoucherSideReader> m_sideReader;
    bool m_dayRead = false;
    int m_restartsBack = 0;
    Day m_day;
    // Codes and voucher types as stored: a line finds its voucher only when
    // the ledger read them alike, so that a.ccode and a.csign stand for the
    // literals the single-voucher query would compare with.
    struct VoucherKey {
        QString code, voucherType;
        int number = 0;
        bool operator==(const VoucherKey &) const = default;
        friend size_t qHash(const VoucherKey &key, size_t seed)
        {
            return qHashMulti(seed, key.code, key.voucherType, key.number);
        }
    };
    QHash<VoucherKey, QList<CounterpartLine>> m_vouchers; // the counterparts of m_day's vouchers
};

} // namespace qxmxz
