#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/values/Currency.h"

namespace qxmxz {
class Connection;
}

namespace qxmxz::db {

class TableLoader;

struct VoucherLine {
    QString code;
    QString digest; // empty: the voucher's summary
    Currency debit;
    Currency credit;
    QString currency; // empty: home currency
    Currency foreignDebit;
    Currency foreignCredit;
    double rate = 0;
    double debitQuantity = 0;
    double creditQuantity = 0;
    QString department;
    QString person;
    QString customer;
    QString supplier;
    QString item;
    QString itemClass;
    QString settlement;
    QString settlementNumber;
    QStringList defines; // cDefine1, cDefine2, …; empty texts stay Null
    // A line struck out inside a valid voucher (iflag 1): it stays in the
    // voucher but counts for nothing, neither in its balance nor as a
    // counterpart.
    bool invalid = false;
};

struct Voucher {
    int period = 0;
    QDate date;
    QString sign; // a voucher type of table dsign
    QString digest;
    QString maker;
    QString checker;
    QString poster; // empty: not posted
    bool voided = false;
    QString sourceSystem; // empty: made in the general ledger
    QList<VoucherLine> lines;
};

// Writes vouchers into GL_accvouch: numbers each one within its period and
// type in the order they are added, numbers its lines, fills every line's
// counterpart codes (the accounts on the other side) and refuses a voucher
// whose debits and credits differ. Voucher types and their order come from
// table dsign, which must be filled first. The caller owns the transaction.
class VoucherBook {
public:
    // `defineColumns`: how many of cDefine1 … cDefine16 are written (the
    // others stay Null); fewer columns load faster.
    VoucherBook(Connection &connection, int year, int defineColumns = 16);
    ~VoucherBook();

    int add(const Voucher &voucher); // returns the voucher's number
    void finish();

    qint64 lineCount() const { return m_lines; }

private:
    int m_year;
    int m_defineColumns;
    QHash<QString, int> m_signOrder;
    QHash<QString, int> m_lastNumber; // "period/sign" → last number given
    std::unique_ptr<TableLoader> m_loader;
    qint64 m_lines = 0;
};

} // namespace qxmxz::db
