#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "generator/SeededRandom.h"
#include "install/CompanyParts.h"

namespace qxmxz::db::generated {

// The chart of a generated company: about 200 end accounts in three grades,
// with the accounts its vouchers draw from grouped by role.
struct Chart {
    QList<Account> accounts;
    // Accounts opened in the current year: stored after the others, as a
    // chart that grew over the years is, and unknown to the years before.
    QList<Account> addedLater;
    QStringList customers;      // 1122NN, one per customer
    QStringList customerCodes;  // the customer of each, same order
    QStringList suppliers;      // 2202NN
    QStringList supplierCodes;
    QStringList materials;      // 1403NN, with quantities
    QStringList goods;          // 1405NN, with quantities
    QStringList revenues;       // 6001NN, with quantities
    QStringList sellingExpenses; // 6601NN
    QStringList adminExpenses;  // 6602CCDD, grade 3, one per category and department
    QStringList adminDepartments; // the department of each, same order
};

// Grade-1 accounts and their fixed sub-accounts (cash, bank, taxes …) plus
// the generated groups above.
Chart chart();

// Year openings that balance (retained earnings take the difference), drawn
// from `random`.
QList<Opening> openings(const Chart &chart, SeededRandom &random);

// The bank account opened in the current year.
inline constexpr const char *NewBankAccount = "100204";

// Unit cost of an account with quantities (material or goods), from its code.
double unitCost(const QString &code);

} // namespace qxmxz::db::generated
