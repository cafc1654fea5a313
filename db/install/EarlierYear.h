#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include "CompanyParts.h"
#include "VoucherBook.h"

namespace qxmxz::db {

// A closed year before a company's current one, made so that it leads into
// the current year: its business ends with the closing of the profit and
// loss accounts, and its openings are the current year's openings less the
// closed year's movements, so that what the closed year ends with is what
// the current year starts from.

// The year-end vouchers of `vouchers` (the year's business, all posted):
// every profit and loss account of the chart (class "损益") is closed into
// `profitAccount`, and that one into `retainedAccount`. Quantities go with
// their amounts, so the closed accounts end at zero in both.
QList<Voucher> yearEndClosing(int year, const QList<Account> &chart, const QList<Voucher> &vouchers,
                              const QString &profitAccount, const QString &retainedAccount, const QString &clerk);

// The movement of each account over the valid lines of `vouchers`, debit
// positive.
QMap<QString, Currency> netAmounts(const QList<Voucher> &vouchers);

// The openings of a year whose valid lines are `vouchers` and whose
// successor opens with `nextOpenings`.
QList<Opening> openingsLeadingTo(const QList<Opening> &nextOpenings, const QList<Voucher> &vouchers);

} // namespace qxmxz::db
