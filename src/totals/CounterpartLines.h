#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "platform/values/Currency.h"

namespace qxmxz {

class Connection;

// A valid line of a voucher as the counterpart column reads it.
struct CounterpartLine {
    QString code; // as stored
    int lineNumber = 0;
    Currency md, mc;
};

// A voucher line with what the database said of it: whether it is a line of
// the account asked about (ccode = N'…') and whether it stands on the debit
// side (md<>0) and on the credit side (mc<>0). The database decides these,
// so that codes and amounts compare as the server compares them.
struct VoucherSideLine {
    CounterpartLine line;
    bool ownLine = false;
    bool debitSide = false;
    bool creditSide = false;
};

// The conditions every line of a voucher meets to count, after those naming
// the voucher: valid (iflag Null or 2), posted unless includeUnposted, in the
// periods from firstPeriod to 12 (and to lastPeriod), dated up to
// `dateLiteral` (an SQL date literal, empty for none). `column` qualifies
// each column name ("v." in a join, empty otherwise).
QString CounterpartConditions(const QString &column, bool includeUnposted, int firstPeriod,
                              const QString &dateLiteral = {}, std::optional<int> lastPeriod = std::nullopt);

// The columns a query of voucher lines selects for CounterpartsAmong, `code`
// being the SQL the account code compares with (a literal or a column).
QString VoucherSideColumns(const QString &column, const QString &code);

// Reads those columns from a result, finding their positions once.
class VoucherSideReader {
public:
    explicit VoucherSideReader(const class RecordSet &rs);
    VoucherSideLine read(const RecordSet &rs) const;

private:
    int m_code, m_lineNumber, m_md, m_mc, m_ownLine, m_debitSide, m_creditSide;
};

// The counterparts of the account's line among the valid lines of its
// voucher, in the voucher's order. When the account has exactly one line in
// the voucher and that line is the only one on its side (the voucher's only
// debit line, or its only credit line), they are every line of the other
// side; with several lines of the account, several lines on its side, or no
// line, there are none.
QList<CounterpartLine> CounterpartsAmong(const QList<VoucherSideLine> &voucher);

// The counterparts of the account's line in one voucher of `year`, read with
// one query of the voucher's valid lines ordered by isignseq, ino_id and inid.
QList<CounterpartLine> CounterpartLines(Connection &database, int year, const QString &code, int period,
                                        const QString &voucherType, int voucherNumber, bool includeUnposted,
                                        int firstPeriod, const QString &dateLiteral = {},
                                        std::optional<int> lastPeriod = std::nullopt);

} // namespace qxmxz
