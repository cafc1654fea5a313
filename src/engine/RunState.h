#pragma once

#include <QDate>
#include <QStringList>
#include <QVector>
#include <memory>

#include "kmmx.h"
#include "platform/outside/ChartOfAccounts.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/LocalRecordSet.h"
#include "totals/AccSumRec.h"
#include "totals/LedgerMeasures.h"
#include "totals/LedgerRows.h"

namespace qxmxz {

// What one by-code or by-period run holds while it writes: its working
// table, the per-currency totals of the account being written (element 0 the
// account total: `balances` runs from the opening balance and so holds the
// year's movements and the balance; `movements` holds the current period's)
// and the page step the row writers call after each row.
struct kmmx::Run {
    QString table;
    std::unique_ptr<DynasetRecordSet> rows;
    QList<int> at; // the rows' position of every DisplayColumn
    QStringList currencyNames;
    QVector<AccSumRec> balances;
    QVector<AccSumRec> movements;
    AccountRecord account;
    CurrencyRecord accountCurrency;
    LedgerMeasures measures; // what the account total of the ledger being written may add up
    int accountType = 0;
    int lastPeriod = 0;
    bool anyMovement = false;
    QDate hintDate;
    bool shownFirstPage = false;
    RowSaved rowSaved;
    // The lines come account by account: the name of the last line's account
    // is looked up once for all its lines.
    QString namedCode;
    QString accountName;
    const QString &accountNameOf(const GlPublic &pub, const QString &code)
    {
        if (code != namedCode || namedCode.isNull()) {
            namedCode = code;
            accountName = pub.accountName(code);
        }
        return accountName;
    }
};

} // namespace qxmxz
