#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "platform/values/Currency.h"

namespace qxmxz {
class Connection;
}

// Vouchers a test adds to a scratch company, written straight into
// GL_accvouch; the test then rebuilds the account sums.
namespace qxmxz::test {

struct ScratchLine {
    QString code;
    QString digest;
    Currency debit;
    Currency credit;
    QString currency; // empty: home currency
    Currency foreignDebit;
    Currency foreignCredit;
    double debitQuantity = 0;
    double creditQuantity = 0;
    QString person;
};

struct ScratchVoucher {
    int period = 1;
    QDate date;
    QString sign = QStringLiteral("转");
    int signSequence = 3;
    int number = 9001; // above the numbers the demo gives
    bool posted = true;
    QList<ScratchLine> lines;
};

// Writes the voucher's lines (numbered 1, 2, … in the order given) for the year.
void addScratchVoucher(Connection &connection, int year, const ScratchVoucher &voucher);

} // namespace qxmxz::test
