// The month-by-month ledger of a range of accounts: for every end account of
// the range and every period, the opening row, the voucher lines, the month
// total and the year to date, with summary rows for the ancestor accounts
// from the chosen first grade down to the end account's parent.
#include "kmmx.h"

#include <QHash>
#include <QSet>

#include "LedgerHost.h"
#include "LineFeed.h"
#include "LineTotals.h"
#include "MonthGridRows.h"
#include "MonthTableCopy.h"
#include "VoucherLine.h"
#include "WorkingTables.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"
#include "platform/sql/SqlText.h"
#include "platform/values/MoneyEncoding.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "services/MessageTitles.h"
#include "totals/AmountFormats.h"
#include "totals/CurrencyList.h"
#include "totals/LedgerMeasures.h"
#include "totals/NumberPattern.h"
#include "totals/OpeningBalances.h"

namespace qxmxz {

namespace {

enum RowKind { OpeningRow = 0, VoucherRow = 1, MonthTotalRow = 2, YearToDateRow = 3 };

constexpr int UnpostedBook = 100;

// One row of yjmxz before it is written: numbers unformatted, the balance
// as its magnitude beside the direction.
struct MonthRow {
    QString code, name, nian, yue, ri, voucher, digest, price, rate, balancePrice, balanceRate, counterparts;
    AccSumRec figures; // movements and the signed balance
    const VoucherLine *line = nullptr;
    int book = 1;
    int kind = OpeningRow;
    qint32 listCount = 0;
};

// Sets the fields of the row being written by their positions in yj, `at`
// holding the table position of every YjmxzColumn.
void setRowFields(const GlPublic &pub, TableRecordSet &yj, const QList<int> &at, const MonthRow &row)
{
    namespace Y = WorkingTables;
    auto set = [&](Y::YjmxzColumn column, const QVariant &value) { yj.setField(at[column], value); };
    const AccSumRec &f = row.figures;
    const int sign = SignOf(f.me);
    set(Y::nian, row.nian);
    set(Y::yue, row.yue);
    set(Y::ri, row.ri);
    set(Y::PzId, row.voucher);
    set(Y::ccode, row.code);
    set(Y::ccode_name, row.name);
    set(Y::cdigest, row.digest);
    set(Y::Price, row.price);
    set(Y::Frate, row.rate);
    set(Y::nd_s, f.nd_s);
    set(Y::md_f, QVariant::fromValue(f.md_f));
    set(Y::md, QVariant::fromValue(f.md));
    set(Y::nc_s, f.nc_s);
    set(Y::mc_f, QVariant::fromValue(f.mc_f));
    set(Y::mc, QVariant::fromValue(f.mc));
    set(Y::cendd_c, f.cDirection);
    set(Y::ne_s, f.ne_s * sign);
    set(Y::aPrice, FormatPrice(pub, f.ne_s, f.me_f.isZero() ? f.me : f.me_f));
    set(Y::me_f, QVariant::fromValue(f.me_f * sign));
    set(Y::aFrat, row.balanceRate);
    set(Y::mend, QVariant::fromValue(f.me * sign));
    const VoucherLine *l = row.line;
    const QString none;
    set(Y::cperson_id, l ? l->person : none);
    set(Y::ccus_id, l ? l->customer : none);
    set(Y::cDept_id, l ? l->department : none);
    set(Y::citem_id, l ? l->item : none);
    set(Y::cn_m, l ? l->settlement : none);
    set(Y::cn_id, l ? l->settlementNumber : none);
    set(Y::cbill, l ? l->maker : none);
    set(Y::ccheck, l ? l->checker : none);
    set(Y::csup_id, l ? l->supplier : none);
    for (int i = 0; i < 16; ++i)
        set(Y::YjmxzColumn(Y::cdef1 + i), l ? l->defines[i] : none);
    if (l) {
        set(Y::ccode_equal, row.counterparts);
        set(Y::coutsysname, l->outsideSystem);
    }
    set(Y::ibook, row.book);
    set(Y::Flag, row.kind);
    set(Y::iListCount, row.listCount);
}

bool hasBalance(const AccSumRec &r)
{
    return !r.me.isZero() || !r.me_f.isZero() || r.ne_s != 0;
}

} // namespace

bool kmmx::mxAllMonth()
{
    validatePeriods();
    m_stopped = false;
    objAccount = AccountRecord{};
    if (objHeader)
        objHeader->setEnabled(false);
    if (objHint) {
        objHint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.kmmx.wait")));
        objHint->refresh();
    }
    if (bPageLines == 0)
        bPageLines = 60;
    Connection &server = m_pub.database();
    const QString year = QString::number(m_pub.year());

    // The range: as given, or the first to the last account under the code shown.
    QString begin = sBeginCode.trimmed();
    QString end = sEndCode.trimmed();
    if (begin.isEmpty() || end.isEmpty()) {
        // The code of the entry shown: the text before its first blank.
        QString selected = frmLedger ? frmLedger->accountText().trimmed().section(u' ', 0, 0) : QString();
        if (selected.isEmpty())
            selected = sKmCode;
        RecordSet accounts = server.query(QStringLiteral("select * from code where ccode like N'") + sqlLikePrefix(selected)
                                          + QStringLiteral("%' and iyear=") + year + QStringLiteral(" order by ccode"));
        if (accounts.eof()) {
            raiseMessage(m_pub, Module::kmmx, QStringLiteral("R7.GL.QXMXZ.kmmx.00704"), {}, 64);
            return false;
        }
        if (begin.isEmpty())
            begin = accounts.text(QStringLiteral("ccode")).trimmed();
        accounts.moveLast();
        if (end.isEmpty())
            end = accounts.text(QStringLiteral("ccode")).trimmed();
    }
    if (!sBeginCode.trimmed().isEmpty() && !sEndCode.trimmed().isEmpty() && begin > end) {
        raiseMessage(m_pub, Module::mxzCond, QStringLiteral("R7.GL.QXMXZ.mxzcond.00604"), {}, 64);
        return false;
    }
    const QString rangeClause = QStringLiteral("((ccode >= N'") + sqlQuoted(begin) + QStringLiteral("' and ccode <= N'")
                                + sqlQuoted(end) + QStringLiteral("') or (ccode like N'") + sqlLikePrefix(end)
                                + QStringLiteral("%'))");
    QStringList leaves;
    {
        RecordSet rs = server.query(QStringLiteral("select ccode from code where ") + rangeClause
                                    + QStringLiteral(" and bend =1 and iyear=") + year + QStringLiteral(" order by ccode"));
        for (; !rs.eof(); rs.moveNext())
            leaves << rs.text(QStringLiteral("cCode")).trimmed();
    }
    if (leaves.isEmpty()) {
        raiseMessage(m_pub, Module::kmmx, QStringLiteral("R7.GL.QXMXZ.kmmx.00704"), {}, 64);
        return false;
    }

    LocalDatabase &local = m_pub.localDatabase();
    const QString yjName = WorkingTables::createYjmxz(m_pub);
    m_tableName = yjName;
    // The periods, books and year of the run's lines.
    const QString linesFilter =
        QStringLiteral(" and iperiod >= ") + QString::number(bBeginPeriod) + QStringLiteral(" and iperiod<= ")
        + QString::number(bEndPeriod)
        + (bIncludeUnposted == 1 ? QStringLiteral(" and (iflag=2 or iflag is NULL) and iyear=")
                                 : QStringLiteral(" and ibook=1 and (iflag=2 or iflag is NULL) and iyear="))
        + year;
    const QString condition = QStringLiteral("GL_accvouch where ") + rangeClause + QStringLiteral(" ") + linesFilter
                              + QStringLiteral(" order by ccode,dbill_date,isignseq,ino_id,inid");
    if (inQueryMode() && frmLedger)
        frmLedger->refreshWindow();
    MonthTableCopy monthTable(server, m_pub.workingTableName(QStringLiteral("mxzmonth")), condition);
    // The lines are read account by account in the order of the leaf list,
    // each account's by period and date in the order of the voucher lines'
    // index: the same lines as the month table's, and none sorted before the
    // first row. A reading moving forward meets the lines of each account and
    // period in turn, and none is held in memory longer than its row takes to
    // write. They are read ahead on a thread of their own while this one
    // writes the rows. (A line on a code under a leaf that the chart does not
    // hold comes after the leaf's and is passed over.)
    QList<LineFeed::Query> leafQueries;
    leafQueries.reserve(leaves.size());
    for (const QString &leaf : std::as_const(leaves)) {
        const QString sql = QStringLiteral("select * from GL_accvouch where ccode like N'") + sqlLikePrefix(leaf)
                            + QStringLiteral("%'") + linesFilter
                            + QStringLiteral(" order by ccode,iperiod,dbill_date,isignseq,ino_id,inid");
        leafQueries << [sql](Connection &own) { return own.query(sql, RecordSet::Cursor::Forward); };
    }
    LineFeed source(server, std::move(leafQueries));
    QHash<QString, qsizetype> leafOrder;
    for (qsizetype i = 0; i < leaves.size(); ++i)
        leafOrder.insert(leaves[i], i);
    TableRecordSet yj = local.openTable(yjName);
    yj.setIndex(QStringLiteral("ccode"));
    // The row being written, read by the grid before it goes to the table.
    const QList<int> yjAt = yj.fieldPositions(WorkingTables::yjmxzColumns());
    const MonthGridRows::Values pendingValue = [&](int position) -> const QVariant & {
        return yj.rowValues()[yjAt[position]];
    };
    const MonthGridRows::Money pendingMoney = [&](int position) {
        return decodeMoney(yj.rowValues()[yjAt[position]], MoneyEncoding::TenThousandths);
    };
    MonthGridRows shown(m_pub, objGrid, bPageLines);
    QHash<QString, int> ancestorGridRows; // ancestor|period|kind → its grid row
    // The window is usable as soon as its first page is on the grid.
    bool windowEnabled = false;
    auto enableOnce = [&] {
        if (!windowEnabled && inQueryMode() && frmLedger)
            frmLedger->enableWindow();
        windowEnabled = true;
    };

    if (objStop)
        objStop->setEnabled(true);
    lRowCount = 0;
    lPageStart = 1;
    qint32 lSerial = 0;
    QDate hintDate; // the voucher date the hint names
    LocalRun transaction(local);

    const int firstGrade = std::max(1, frmLedger ? frmLedger->iMxzFirstGrade() : 1);
    const int groupLength = m_pub.codeLength(firstGrade);
    const QString carriedOver = m_pub.text(QStringLiteral("R7.GL.QXMXZ.kmmx.snjz"));
    const QString opening = m_pub.text(QStringLiteral("R7.GL.QXMXZ.kmmx.qcye"));
    QString groupCode;
    QHash<QString, AccSumRec> ancestorFigures;
    // An ancestor whose end accounts are not all in the range shows the sum of
    // the ones listed, and its name says so: its figures are not the account's own.
    const QSet<QString> listed(leaves.cbegin(), leaves.cend());
    QHash<QString, QString> ancestorNames;
    auto ancestorName = [&](const QString &ancestor) {
        auto it = ancestorNames.constFind(ancestor);
        if (it != ancestorNames.cend())
            return *it;
        bool whole = true;
        for (const AccountRecord *under : m_pub.chart().accountsUnder(ancestor))
            whole = whole && (!under->isEnd || listed.contains(under->code));
        const QString name = m_pub.accountName(ancestor)
                             + (whole ? QString() : m_pub.text(QStringLiteral("QXMXZ.engine.partialsum")));
        return *ancestorNames.insert(ancestor, name);
    };
    QHash<QString, LedgerMeasures> ancestorMeasures;
    auto measuresOf = [&](const QString &ancestor) {
        auto it = ancestorMeasures.constFind(ancestor);
        if (it == ancestorMeasures.cend())
            it = ancestorMeasures.insert(ancestor, measuresUnder(m_pub, ancestor));
        return *it;
    };

    auto periodTexts = [&](int p, MonthRow &row, bool closing) {
        const QDate date = closing ? m_pub.calendar().end(p) : m_pub.calendar().begin(p);
        row.nian = formatNumber(p, QStringLiteral("00")); // the accounting period, as on voucher lines
        row.yue = formatNumber(p, QStringLiteral("00"));
        row.ri = formatNumber(date.day(), QStringLiteral("00"));
    };
    auto addRow = [&](MonthRow &row) {
        row.listCount = row.listCount ? row.listCount : lSerial + 1;
        ++lSerial;
        yj.addNew();
        setRowFields(m_pub, yj, yjAt, row);
        const int gridRow = shown.append(pendingValue, pendingMoney);
        yj.update();
        ++lRowCount;
        if (lRowCount == bPageLines)
            enableOnce();
        return gridRow;
    };
    auto summaryOf = [&](int kind, int p) {
        switch (kind) {
        case OpeningRow:
            return p == 1 ? carriedOver : opening;
        case MonthTotalRow:
            return m_pub.periodText(p) + m_pub.text(QStringLiteral("R7.GL.QXMXZ.kmmx.yje"));
        default:
            return m_pub.yearToDateText(p);
        }
    };
    // An ancestor's row of a kind in a period gathers its end accounts' figures.
    // Its rows are numbered by period and kind, so that they read in period
    // order whichever end account created them.
    auto ancestorRow = [&](const QString &ancestor, int p, int kind, const AccSumRec &sum) {
        MonthRow row;
        row.code = ancestor;
        row.name = ancestorName(ancestor);
        periodTexts(p, row, kind != OpeningRow);
        row.digest = summaryOf(kind, p);
        row.figures = summableFigures(sum, measuresOf(ancestor));
        row.kind = kind;
        row.listCount = p * 4 + kind;
        return row;
    };
    auto ancestorKey = [](const QString &ancestor, int p, int kind) {
        return ancestor + u'|' + QString::number(p) + u'|' + QString::number(kind);
    };
    // The rows of an end account's ancestors precede its own: they go to the
    // grid when the first end account under them starts, every period and
    // kind at once, and are rewritten as the end accounts add to them.
    auto placeAncestors = [&](const QString &code) {
        const QStringList ancestors = m_pub.ancestorCodes(code);
        for (int g = firstGrade; g <= int(ancestors.size()); ++g) {
            const QString ancestor = ancestors[g - 1];
            for (int p = bBeginPeriod; p <= bEndPeriod; ++p)
                for (const int kind : {OpeningRow, MonthTotalRow, YearToDateRow}) {
                    const QString key = ancestorKey(ancestor, p, kind);
                    if (ancestorGridRows.contains(key))
                        continue;
                    MonthRow row = ancestorRow(ancestor, p, kind, AccSumRec{});
                    ancestorGridRows.insert(key, addRow(row));
                }
        }
    };
    auto addToAncestors = [&](const QString &code, int p, int kind, const AccSumRec &figures) {
        const QStringList ancestors = m_pub.ancestorCodes(code);
        for (int g = firstGrade; g <= int(ancestors.size()); ++g) {
            const QString ancestor = ancestors[g - 1];
            const QString key = ancestorKey(ancestor, p, kind);
            AccSumRec &sum = ancestorFigures[key];
            AddTotals(m_pub, figures, sum);
            MonthRow row = ancestorRow(ancestor, p, kind, sum);
            if (yj.seek({ancestor, row.yue, kind})) {
                yj.edit();
                setRowFields(m_pub, yj, yjAt, row);
                shown.rewrite(ancestorGridRows.value(key, -1), pendingValue, pendingMoney);
                yj.update();
            } else {
                ancestorGridRows.insert(key, addRow(row));
            }
        }
    };
    const VoucherLine *line = nullptr; // the line the reading stands on
    auto currentLine = [&] {
        line = source.current();
        return line != nullptr;
    };
    auto nextLine = [&] { source.moveNext(); };
    // Lines of accounts outside the leaf list belong to no row and are passed over.
    auto seekLines = [&](qsizetype leaf, int p) {
        while (currentLine()) {
            const qsizetype at = leafOrder.value(line->code, -1);
            if (at > leaf || (at == leaf && line->period >= p))
                return at == leaf && line->period == p;
            nextLine();
        }
        return false;
    };
    for (qsizetype leafIndex = 0; leafIndex < leaves.size(); ++leafIndex) {
        const QString &a = leaves[leafIndex];
        const QString group = groupLength > 0 ? a.left(groupLength) : a;
        if (group != groupCode) {
            // The rows so far belong to complete groups.
            shown.startGroup();
            lPageStart = lRowCount + 1;
        }
        groupCode = group;
        placeAncestors(a);
        const AccountRecord account = m_pub.account(a);
        const CurrencyRecord currency = m_pub.currency(account.currencyName);
        objAccount = account;
        objCurrency = currency;
        QVector<AccSumRec> openingRecords = InitCurrencyTotals(m_pub);
        LoadOpeningBalances(m_pub, openingRecords, a, bBeginPeriod, bIncludeUnposted == 1);
        AccSumRec balance = openingRecords[0]; // the year's movements so far and the balance

        for (int p = bBeginPeriod; p <= bEndPeriod; ++p) {
            if (inQueryMode() && userStop())
                break;
            {
                // The opening row of an account at zero is left out; its
                // ancestors' opening rows are written all the same.
                MonthRow row;
                row.code = a;
                row.name = m_pub.accountName(a);
                periodTexts(p, row, false);
                row.digest = summaryOf(OpeningRow, p);
                row.figures = balance;
                ClearMovement(row.figures);
                row.balanceRate = CalcRate(balance.me_f, balance.me, currency);
                if (hasBalance(balance))
                    addRow(row);
                addToAncestors(a, p, OpeningRow, row.figures);
            }
            AccSumRec month;
            ClearTotals(month);
            if (seekLines(leafIndex, p)) {
                while (currentLine() && line->code == a && line->period == p) {
                    if (inQueryMode() && userStop())
                        break;
                    const AccSumRec movement = movementOf(*line);
                    PostTotals(m_pub, movement, month);
                    PostTotals(m_pub, movement, balance);
                    MonthRow row;
                    row.code = a;
                    row.name = m_pub.accountName(a);
                    row.nian = formatNumber(m_pub.periodOfDate(line->date), QStringLiteral("00"));
                    row.yue = formatNumber(p, QStringLiteral("00"));
                    row.ri = formatNumber(line->date.day(), QStringLiteral("00"));
                    row.voucher = line->sign + u'-' + formatNumber(line->number, QStringLiteral("0000"));
                    row.digest = line->book == 1 ? line->digest : QStringLiteral("*") + line->digest;
                    row.book = line->book == 1 ? 1 : UnpostedBook;
                    row.figures = movement;
                    copyBalance(balance, row.figures);
                    const double quantity = line->nd_s != 0 ? line->nd_s : line->nc_s;
                    row.price = FormatPrice(m_pub, quantity, account.hasForeignCurrency()
                                                                 ? (line->md_f.isZero() ? line->mc_f : line->md_f)
                                                                 : (line->md.isZero() ? line->mc : line->md));
                    row.rate = FormatRate(line->rate, m_pub.currency(line->currencyName));
                    row.balanceRate = CalcRate(balance.me_f, balance.me, currency);
                    row.counterparts = line->counterparts;
                    row.line = line;
                    row.kind = VoucherRow;
                    addRow(row);
                    // As in the ledger by code: the first line of each new
                    // voucher date is named, so the hint does not flicker.
                    if (objHint && line->date != hintDate) {
                        hintDate = line->date;
                        objHint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.kmmx.curproccpz1"),
                                                    {formatDate(line->date, QStringLiteral("yyyy-mm-dd")), row.voucher}));
                        objHint->refresh();
                    }
                    nextLine();
                }
                if (m_stopped)
                    break;
            }
            // Every account closes every period with its month total and year to date.
            {
                MonthRow total;
                total.code = a;
                total.name = m_pub.accountName(a);
                periodTexts(p, total, true);
                total.digest = summaryOf(MonthTotalRow, p);
                total.figures = month;
                copyBalance(balance, total.figures);
                total.balanceRate = CalcRate(balance.me_f, balance.me, currency);
                total.kind = MonthTotalRow;
                addRow(total);
                addToAncestors(a, p, MonthTotalRow, total.figures);
                MonthRow yearToDate = total;
                yearToDate.listCount = 0;
                yearToDate.digest = summaryOf(YearToDateRow, p);
                yearToDate.figures = balance;
                yearToDate.kind = YearToDateRow;
                addRow(yearToDate);
                addToAncestors(a, p, YearToDateRow, balance);
            }
        }
        if (m_stopped)
            break;
    }

    if (m_stopped)
        shown.dropGroup();
    shown.finish();
    if (!m_stopped) {
        enableOnce();
        yj.close();
        local.executeIgnoringErrors(QStringLiteral("Drop Table ") + yjName);
    }
    source.close();
    monthTable.finish();
    if (frmLedger && !frmLedger->bMxzUnloaded() && objHeader)
        objHeader->setEnabled(true);
    transaction.commit();
    return true;
}

} // namespace qxmxz
