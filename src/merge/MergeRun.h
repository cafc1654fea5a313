#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

#include "HostControls.h"
#include "MergeStatements.h"
#include "platform/outside/ChartOfAccounts.h"
#include "totals/AccSumRec.h"
#include "totals/LedgerMeasures.h"

namespace qxmxz {

class DynasetRecordSet;
class GlPublic;
class GridTransfer;
class RecordSet;
struct MergedVoucher;
class VoucherFeed;
class clsMxzHb;

// One merged ledger of one code (mxzEndKmQuery): reads the members of its
// clsMxzHb, writes the ledger into a fresh working table, copies the rows
// into the host's grid in batches and leaves lngStartRecord, lngEndRecord,
// iMaxFsMonth and iLinesEachPage on the object.
//
// Totals: `current` starts at the opening balances and holds the running
// balance and the movements of the period being written (cleared at each
// period end); `cumulative` starts at the same balances and receives every
// finished period, so it holds the movements from the first period of the
// query beside the same balance. Element 0 of both is the account total,
// element i the i-th currency of `currencyNames` counted from 1.
class MergeRun {
public:
    MergeRun(clsMxzHb &hb, GlPublic &pub, const QString &code, int accountType);
    ~MergeRun();

    void run();
    bool stoppedByUser() const { return m_stopped; }
    QString tableName() const { return m_table; }

private:
    void begin();
    void writeOpening();
    void mergeVouchers(VoucherFeed &vouchers, bool byDigest);
    void mergeVoucher(const MergedVoucher &voucher, bool byDigest);
    void writeGroupRow(const MergedVoucher &voucher, const AccSumRec &movement, const QString &summary);
    void showProgress(const MergedVoucher &voucher);
    void periodSubtotal(int period);
    void writeCurrencyTotals(int period, const QVector<AccSumRec> &records, bool cumulative);
    void finish();
    bool inQueryState() const;
    bool inPrintState() const;
    bool perCurrencyTotals() const;

    clsMxzHb &m_hb;
    GlPublic &m_pub;
    QString m_code;
    int m_accountType;
    HostControls m_controls;
    AccountRecord m_account;
    LedgerMeasures m_measures; // what the account's totals may add up
    QString m_table;
    std::unique_ptr<DynasetRecordSet> m_rows;
    QList<int> m_at; // m_rows' position of every DisplayColumn
    std::unique_ptr<GridTransfer> m_transfer;
    QStringList m_currencyNames;
    QVector<AccSumRec> m_current;
    QVector<AccSumRec> m_cumulative;
    // The voucher date and account the hint names.
    QDate m_hintDate;
    QString m_hintCode;
    bool m_stopped = false;
};

} // namespace qxmxz
