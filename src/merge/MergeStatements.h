#pragma once

#include <QString>
#include <QStringList>

namespace qxmxz {

// The statements of a merged ledger on the accounting database. Codes go
// through sqlQuoted / sqlLikePrefix; years, periods and numbers are written
// as plain numbers.
namespace MergeStatements {

// One voucher of one account code, as the voucher list gives it.
struct VoucherKey {
    QString code;
    int period = 0;
    int signSequence = 0; // isignseq
    int number = 0;       // ino_id
};

// The distinct vouchers of the accounts under `code` in the periods, in
// period, date and voucher order: one row per voucher and account code, as
// the plain reading lists them.
QString voucherList(int year, const QString &code, int firstPeriod, int lastPeriod, bool includeUnposted);

// " where iyear=… and ccode = N'…' and iperiod = … and isignseq = … and ino_id = …"
// with " and ibook = 1" unless unposted vouchers are included.
QString voucherCondition(int year, const VoucherKey &voucher, bool includeUnposted);

// The voucher's lines summed per summary text and currency (`byDigest`) or
// per account code and currency, debit groups before credit groups.
QString groupedLines(const QString &condition, bool byDigest);

// The summary of the voucher's first line of the account on one side.
QString summaryLookup(int year, const VoucherKey &voucher, bool debitSide);

// The account codes under `code` that have lines in the year, as stored,
// in code order.
QString codesWithLines(int year, const QString &code);

// The accounts of a statement over one period: the codes under `code` one
// by one where they are known (`codes`, from codesWithLines), so that the
// database finds each code's period in the account's index; the code prefix
// otherwise, which has it walk all the accounts' lines of the year.
struct PeriodAccounts {
    QString code;
    QStringList codes;
};

// The distinct vouchers of the accounts in one period, in date and voucher
// order: one row per voucher and account code.
QString voucherListOfPeriod(int year, const PeriodAccounts &accounts, int period, bool includeUnposted);

// The same groups for every voucher of the accounts in one period, in one
// statement that reads the lines once: each row names its voucher (isignseq,
// ino_id, ccode) and holds both sides of a group, in voucher and group order.
// Merged by summary, the sums are those of all the group's lines, and a side
// is a group where its amount sums to other than 0; merged by account, each
// side sums its own lines, counted in iDebitLines and iCreditLines, and is a
// group where it has any.
QString groupedLinesOfPeriod(int year, const PeriodAccounts &accounts, int period, bool includeUnposted, bool byDigest);

// The valid lines of every voucher of the accounts in one period with their
// summaries, in voucher and line order: the first of a side is that side's
// summary.
QString summariesOfPeriod(int year, const PeriodAccounts &accounts, int period);

// The end accounts under a code in the year, in code order.
QString endAccounts(int year, const QString &code);

} // namespace MergeStatements
} // namespace qxmxz
