#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <optional>

#include "platform/outside/ChartOfAccounts.h"
#include "totals/AccSumRec.h"

namespace qxmxz {

class DynasetRecordSet;
class GlPublic;
class GridModel;
class HeaderModel;
class HintState;
class LedgerHost;
class RecordSet;
class StopButtonState;
struct VoucherLine;

// The detail-ledger engine. A window (or the command line) sets the
// properties, then asks for the ledger of an account by code (mxbyCode), of
// one account over the periods (mxbyPeriod), or month by month over a range
// of accounts (mxAllMonth). The engine writes the ledger rows into working
// tables of the local database and hands them to the grid page by page while
// it computes.
class kmmx {
public:
    explicit kmmx(GlPublic &pub);
    ~kmmx();
    kmmx(const kmmx &) = delete;
    kmmx &operator=(const kmmx &) = delete;

    // ---- properties, in their order of declaration
    QString sMode;                        // "查询" when the ledger is shown interactively
    QString sKmCode;                      // the account whose ledger is computed
    HeaderModel *objHeader = nullptr;     // the window's header
    LedgerHost *frmLedger = nullptr;      // the window
    GridModel *objGrid = nullptr;         // the grid that receives the rows
    quint8 bBeginPeriod = 1;
    quint8 bEndPeriod = 1;
    quint8 bIncludeUnposted = 0;          // 1: vouchers not yet posted are included
    quint8 bPageLines = 0;                // rows per page; 0 means 60
    QString sBookText;                    // kept for the window; the engine does not read it
    qint32 lPageStart = 0;
    qint32 lRowCount = 0;
    qint16 iPageRows = 0;
    HintState *objQtyLabel = nullptr;
    HintState *objCurLabel = nullptr;
    HintState *objHint = nullptr;
    StopButtonState *objStop = nullptr;
    QString sBeginCode;                   // range of the month-by-month ledger; empty: from the selected code
    QString sEndCode;
    int iShowEqual = 0;                   // fill the counterpart-account column
    int iEqualWithName = 0;               // … with the counterpart's name in parentheses

    // ---- the runs; each returns whether the ledger was computed
    bool mxbyCode(int accountType = 0);
    bool mxbyPeriod(std::optional<int> first = std::nullopt, int accountType = 0);
    bool mxAllMonth();

    // The Format pattern for a number of decimals: "##0", "##0.00", "##,##0.000" …
    static QString FormatStr(int decimals, std::optional<QVariant> separators = std::nullopt);

    // The grid colours shared by the ledger windows: white, RGB(205,208,215),
    // RGB(247,237,236) and RGB(238,238,214), the last for unposted voucher lines.
    static const int Colours[4];
    static constexpr const char *QueryMode = "查询";

    // The name of the working table the last run wrote (mxfirst or yjmxz).
    QString lastTableName() const { return m_tableName; }
    // Whether the last run was ended by the user's stop request.
    bool stoppedByUser() const { return m_stopped; }

private:
    struct Run;

    bool inQueryMode() const;
    bool userStop();
    void startRun(bool showWait);
    bool loadLeafAccounts(const QString &code, QStringList &codes, const char *emptyKey);
    bool linesUnderLongerCodes(const QString &code);
    void validatePeriods() const;

    // by code / by period
    void writeVoucherLine(Run &run, const VoucherLine &line);
    // `counterparts`: the codes of the counterpart column, comma-separated.
    void writeLineRow(Run &run, const VoucherLine &line, const QString &counterparts);
    void writePeriodTotals(Run &run, int period, bool closing, int accountType);
    void pageStep(Run &run, bool force = false);
    void updateLineHint(Run &run, const VoucherLine &line);
    bool runLedger(bool byPeriod, int accountType);


    GlPublic &m_pub;
    AccountRecord objAccount;
    CurrencyRecord objCurrency;
    QString m_tableName;
    bool m_stopped = false;
    std::optional<int> m_firstArgument;
};

} // namespace qxmxz
