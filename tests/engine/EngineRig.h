#pragma once

#include <QStringList>
#include <memory>

#include "engine/LedgerHost.h"
#include "engine/kmmx.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "support/LedgerCells.h"
#include "support/TestSession.h"

namespace qxmxz::test {

// An engine with its grid, header, labels and stop button, on a demo session.
struct EngineRig {
    explicit EngineRig(std::unique_ptr<TestSession> s);

    std::unique_ptr<TestSession> session;
    GridModel grid;
    HeaderModel header;
    HintState hint, quantityLabel, currencyLabel;
    StopButtonState stop;
    HeadlessLedgerHost host;
    kmmx engine;
    QList<int> pages; // rows each page brought to the grid

    GlPublic &pub() { return session->pub; }
    QString cell(int row, int column) const { return grid.TextMatrix(row, column); }
    int rows() const { return grid.Rows(); }
    // The rows of the working table the last run wrote, in table order.
    QList<QStringList> tableRows();
};

} // namespace qxmxz::test
