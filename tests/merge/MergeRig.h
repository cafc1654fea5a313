#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "merge/clsMxzHb.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "support/LedgerCells.h"
#include "support/TestSession.h"

namespace qxmxz::test {

// A merged ledger bound to a grid, header, labels, stop button and a host
// window object (with the properties "bUserStop" and "MxzGrid2"), as the
// detail-ledger window binds it, for periods 1 to 12 in the query state.
struct MergeRig {
    explicit MergeRig(std::unique_ptr<TestSession> s);

    std::unique_ptr<TestSession> session;
    GridModel grid;
    HeaderModel header;
    HintState hint, quantityLabel, currencyLabel;
    StopButtonState stop;
    QObject form;
    clsMxzHb hb;
    QList<int> batches; // rows each transfer brought to the grid

    GlPublic &pub() { return session->pub; }
    QString cell(int row, int column) const { return grid.TextMatrix(row, column); }
    int rows() const { return grid.Rows(); }
    // Empties the grid, then runs mxzCodeHbQuery for the code.
    void query(const QString &code, clsMxzHb::mxzHbType type, qint16 accountType = 0);
    // The rows of the working table of the last ledger, in table order.
    QList<QStringList> tableRows();
};

// What a row of a merged ledger is.
enum class MergedRow { Opening, Voucher, PeriodTotal, Cumulative, CurrencyTotal, Other };
MergedRow kindOf(MergeRig &r, int row);

} // namespace qxmxz::test
