#include "install/AccountingDatabase.h"

#include "DemoChart.h"
#include "DemoVouchers.h"
#include "ReferenceData.h"
#include "install/CompanyParts.h"
#include "install/EarlierYear.h"
#include "install/VoucherBook.h"
#include "platform/Failure.h"

namespace qxmxz::db {

namespace {

void bookVouchers(Connection &connection, int year, const QList<Voucher> &vouchers)
{
    VoucherBook book(connection, year);
    for (const Voucher &voucher : vouchers)
        book.add(voucher);
    book.finish();
}

// The closed year before: the same chart without the accounts opened since,
// a year of business closed into retained earnings, and openings that lead
// to the current year's.
void loadPriorYear(Connection &connection)
{
    const int year = demo::PriorYear;
    loadEarlierYear(connection, year);
    writeChart(connection, year, demo::chart());
    QList<Voucher> vouchers = demo::vouchers(year);
    vouchers += demo::yearEndClearing(year, vouchers);
    vouchers += yearEndClosing(year, demo::chart(), vouchers, QStringLiteral("4103"), QStringLiteral("410401"), people::Wang);
    writeOpenings(connection, year, openingsLeadingTo(demo::priorYearClosing(), vouchers));
    bookVouchers(connection, year, vouchers);
}

} // namespace

void loadDemoCompany(Connection &connection)
{
    connection.beginTransaction();
    try {
        loadReferenceData(connection, demo::CurrentYear, QStringLiteral("演示公司 Demo Trading Co."));
        writeChart(connection, demo::CurrentYear, demo::chart(), demo::chartAddedLater());
        writeOpenings(connection, demo::CurrentYear, demo::openings());
        bookVouchers(connection, demo::CurrentYear, demo::vouchers(demo::CurrentYear));
        loadPriorYear(connection);
        connection.commit();
    } catch (const Failure &failure) {
        connection.rollback();
        throw Failure(QStringLiteral("Cannot load the demo company"), failure.describe());
    }
    rebuildAccountSums(connection, demo::CurrentYear);
    rebuildAccountSums(connection, demo::PriorYear);
}

} // namespace qxmxz::db
