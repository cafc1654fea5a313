#pragma once

#include <QList>
#include <memory>

#include "entry/LoginObject.h"
#include "entry/WindowHost.h"
#include "platform/sql/SqlDialect.h"

namespace qxmxz::test {

// A window host that keeps what it was asked to show.
class RecordingWindowHost : public WindowHost {
public:
    void showDetailLedger(const DetailLedgerRequest &request) override { detail.append(request); }
    void showGeneralLedger(const GeneralLedgerRequest &request) override { general.append(request); }

    QList<DetailLedgerRequest> detail;
    QList<GeneralLedgerRequest> general;
};

// A login object of a demo user, as a host makes one.
std::unique_ptr<LoginObject> demoLoginObject(Backend backend, const QString &user);
// The same on a fresh copy of the demo company the test may change.
std::unique_ptr<LoginObject> scratchLoginObject(Backend backend, const QString &user);

// Back to a freshly loaded component: no login, no general-ledger object, no
// window host, no year, the voucher drill-down flag clear.
void resetComponent();

} // namespace qxmxz::test
