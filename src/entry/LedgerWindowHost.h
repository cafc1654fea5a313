#pragma once

#include "WindowHost.h"

namespace qxmxz {

// The window host the component's own windows give the display methods: a
// detail-ledger request opens the detail-ledger window modally on the
// component-wide general-ledger object, for the periods of the request; a
// general-ledger request opens the general-ledger window.
class LedgerWindowHost : public WindowHost {
public:
    void showDetailLedger(const DetailLedgerRequest &request) override;
    void showGeneralLedger(const GeneralLedgerRequest &request) override;
};

// Lets the report facade show its queries in its own window, on the
// general-ledger object it was given; a host that runs widgets installs it.
void installReportWindow();

} // namespace qxmxz
