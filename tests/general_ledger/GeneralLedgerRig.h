#pragma once

#include <QList>
#include <QString>
#include <memory>

#include "general_ledger/basGrwl.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HintState.h"
#include "platform/values/Currency.h"
#include "support/TestSession.h"

namespace qxmxz::test {

// One ledger row of the general ledger as read back from the grid, the
// balance signed (debit positive) by its direction word.
struct GeneralLedgerRow {
    int period = 0; // 0: the opening row
    QString summary;
    Currency debit, credit, balance;
    Currency debitForeign, creditForeign, balanceForeign;
    double debitQuantity = 0, creditQuantity = 0, balanceQuantity = 0;
    QString direction;
};

// The general-ledger grid of a session with its unit and currency labels.
struct GeneralLedgerRig {
    explicit GeneralLedgerRig(std::unique_ptr<TestSession> s);

    std::unique_ptr<TestSession> session;
    GridModel grid;
    HintState unitLabel, currencyLabel;

    GlPublic &pub() { return session->pub; }
    // Lays out the heading for the style and fills the rows; returns the rows written.
    int fill(const QString &code, int style = 0, bool includeUnposted = false, int first = 1, int last = 0);
    QList<GeneralLedgerRow> rows() const;
    // The rows whose summary is the month total / the year to date, by period.
    QList<GeneralLedgerRow> monthRows() const { return rowsTitled(&GlPublic::monthTotalText); }
    QList<GeneralLedgerRow> yearToDateRows() const { return rowsTitled(&GlPublic::yearToDateText); }
    QList<GeneralLedgerRow> rowsTitled(QString (GlPublic::*title)(int) const) const;
};

} // namespace qxmxz::test
