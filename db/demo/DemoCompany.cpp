#include "install/AccountingDatabase.h"

#include "DemoChart.h"
#include "DemoVouchers.h"
#include "ReferenceData.h"
#include "install/CompanyParts.h"
#include "install/VoucherBook.h"
#include "platform/Failure.h"

namespace qxmxz::db {

namespace {
constexpr int DemoYear = 2026;
}

void loadDemoCompany(Connection &connection)
{
    connection.beginTransaction();
    try {
        loadReferenceData(connection, DemoYear, QStringLiteral("演示公司 Demo Trading Co."));
        writeChart(connection, DemoYear, demo::chart());
        writeOpenings(connection, DemoYear, demo::openings());
        VoucherBook book(connection, DemoYear);
        for (const Voucher &voucher : demo::vouchers(DemoYear))
            book.add(voucher);
        book.finish();
        connection.commit();
    } catch (const Failure &failure) {
        connection.rollback();
        throw Failure(QStringLiteral("Cannot load the demo company"), failure.describe());
    }
    rebuildAccountSums(connection, DemoYear);
}

} // namespace qxmxz::db
