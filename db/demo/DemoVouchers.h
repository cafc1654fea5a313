#pragma once

#include <QList>

#include "install/VoucherBook.h"

namespace qxmxz::db::demo {

// The demo company's vouchers of one year, period by period in date order:
// the business of a small manufacturer of electric motors (sales on credit
// and their collection, purchases of materials and their payment, payroll,
// production, cost of sales, VAT, foreign-currency business with month-end
// revaluation), a busy RMB bank account, a customer whose balance turns to
// credit and back, a few unposted vouchers at the end of the year, two voided
// vouchers and one voucher that came from the receivables system.
QList<Voucher> vouchers(int year);

// What a year's business leaves to be done at the end of the year before it
// is closed: the VAT sub-accounts cleared into unpaid VAT and the surplus
// cash of the year paid into the bank.
QList<Voucher> yearEndClearing(int year, const QList<Voucher> &business);

} // namespace qxmxz::db::demo
