#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace qxmxz {

class GlPublic;

// The query of the counterpart lines of an account's line in a voucher, or an
// empty text when they are not unambiguous. When the account has exactly one
// valid line in the voucher and that line is the only one on its side (the
// voucher's only debit line, or its only credit line), the result selects
// every valid line of the other side, ordered by isignseq, ino_id and inid.
// With several lines of the account, several lines on its side, or no line,
// the result is empty. Unposted vouchers count with includeUnposted; `date`
// (a QDate or a date text, Null for none) and `lastPeriod` narrow the lines
// further.
QString CounterpartQuery(const GlPublic &pub, const QString &code, int period, const QString &voucherType,
                         int voucherNumber, bool includeUnposted, int firstPeriod, const QVariant &date = {},
                         std::optional<int> lastPeriod = std::nullopt);

} // namespace qxmxz
