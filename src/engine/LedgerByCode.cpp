// The ledger by account code and the ledger by period: one display row per
// voucher line with its running balance, written into mxfirst and shown in
// the grid page by page while the run goes on.
#include "kmmx.h"

#include <QHash>

#include "LedgerHost.h"
#include "LineFeed.h"
#include "LineTotals.h"
#include "RunState.h"
#include "VoucherLine.h"
#include "WorkingTables.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/LocalDatabase.h"
#include "platform/sql/SqlText.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "services/DisplayTableColumns.h"
#include "services/LedgerGridRows.h"
#include "totals/AmountFormats.h"
#include "totals/CounterpartWalk.h"
#include "totals/CurrencyList.h"
#include "totals/NumberPattern.h"
#include "totals/OpeningBalances.h"

namespace qxmxz {

namespace {

Failure unplacedLine(const VoucherLine &line, const QString &ledger)
{
    const QString voucher = line.sign + QLatin1Char('-') + formatNumber(line.number, QStringLiteral("0000"));
    return Failure::withKey(QStringLiteral("QXMXZ.engine.unplacedline"),
                            {line.code, voucher, QString::number(line.lineNumber), ledger},
                            QStringLiteral("Line %1 of voucher %2 of account %3 has no place in the ledger of %4")
                                .arg(line.lineNumber).arg(voucher, line.code, ledger));
}

} // namespace

bool kmmx::mxbyCode(int accountType)
{
    return runLedger(false, accountType);
}

bool kmmx::mxbyPeriod(std::optional<int> first, int accountType)
{
    m_firstArgument = first.value_or(0);
    return runLedger(true, accountType);
}

bool kmmx::runLedger(bool byPeriod, int accountType)
{
    startRun(inQueryMode());
    objAccount = m_pub.account(sKmCode);
    objCurrency = m_pub.currency(objAccount.currencyName);
    if (objStop) {
        objStop->setEnabled(true);
        if (!inQueryMode())
            objStop->setVisible(true);
    }
    if (inQueryMode() && objHeader)
        objHeader->setEnabled(true);

    Run run;
    run.accountType = accountType;
    run.currencyNames = LoadCurrencyNames(m_pub);
    iPageRows = 0;
    lPageStart = 0;
    lRowCount = 0;

    LocalDatabase &local = m_pub.localDatabase();
    run.table = WorkingTables::createMxfirst(m_pub);
    m_tableName = run.table;
    run.rows = std::make_unique<DynasetRecordSet>(local.openDynaset(run.table));
    run.at = run.rows->fieldPositions(displayTableColumns());
    run.rowSaved = [this, &run] { pageStep(run); };
    LocalRun transaction(local);

    if (objHint) {
        objHint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.kmmx.waityeardata")));
        objHint->refresh();
    }
    const QString codePattern = likePrefixParameter(sKmCode) + QLatin1Char('%');
    const int beginPeriod = bBeginPeriod, endPeriod = bEndPeriod, unposted = bIncludeUnposted, year = m_pub.year();
    // In period order the period leads the sort: asked a period at a time,
    // the database sorts one period's lines before the first row instead of
    // the whole range's, and the results read one after the other are the
    // range's in its order. When every line is the account's own, period
    // order is code order, which the code index gives without any sort.
    const bool periodAtATime = byPeriod && linesUnderLongerCodes(sKmCode);
    auto linesOf = [=](int first, int last) -> LineFeed::Query {
        return [=](Connection &database) {
            return database.procedure(QStringLiteral("GL_SubsLedger"))
                .set(QStringLiteral("KmCode"), codePattern)
                .set(QStringLiteral("beginPeriod"), first)
                .set(QStringLiteral("endPeriod"), last)
                .set(QStringLiteral("bVouch"), unposted)
                .set(QStringLiteral("byPeriod"), periodAtATime ? 1 : 0)
                .set(QStringLiteral("iyear"), year)
                .execute(RecordSet::Cursor::Forward);
        };
    };
    QList<LineFeed::Query> queries;
    if (periodAtATime)
        for (int p = beginPeriod; p <= endPeriod; ++p)
            queries << linesOf(p, p);
    else
        queries << linesOf(beginPeriod, endPeriod);
    // The counterpart column's walk follows the ledger's lines on the reading thread.
    LineFeed::LineWorkMaker counterparts;
    if (iShowEqual)
        counterparts = [codePattern, unposted, beginPeriod, year](Connection &own) -> LineFeed::LineWork {
            auto walk = std::make_shared<CounterpartWalk>(own, year, codePattern, unposted == 1, beginPeriod);
            return [walk](VoucherLine &line) {
                line.counterpartLines = walk->linesFor(line.code, line.period, line.date, line.sign, line.number);
            };
        };
    LineFeed source(m_pub.database(), std::move(queries), std::move(counterparts));
    m_pub.database().execute(QStringLiteral("SET NOCOUNT OFF "));

    auto beginAccount = [&](const AccountRecord &account) {
        run.account = account;
        run.accountCurrency = m_pub.currency(account.currencyName);
        run.measures = measuresUnder(m_pub, account.code);
        WriteOpeningRows(m_pub, account, bBeginPeriod, bIncludeUnposted == 1, accountType, *run.rows, run.balances,
                         run.rowSaved);
        run.movements = InitCurrencyTotals(m_pub);
        run.lastPeriod = 0;
        run.anyMovement = false;
    };
    auto takeLine = [&](const VoucherLine &line) {
        if (run.lastPeriod != 0 && line.period != run.lastPeriod) {
            writePeriodTotals(run, run.lastPeriod, false, accountType);
            for (AccSumRec &r : run.movements)
                ClearMovement(r);
        }
        writeVoucherLine(run, line);
        run.lastPeriod = line.period;
    };

    if (!byPeriod) {
        QStringList leaves;
        if (!loadLeafAccounts(sKmCode, leaves, "R7.GL.QXMXZ.kmmx.00666"))
            return false;
        QHash<QString, qsizetype> leafOrder;
        for (qsizetype i = 0; i < leaves.size(); ++i)
            leafOrder.insert(leaves[i], i);
        for (qsizetype leafIndex = 0; leafIndex < leaves.size(); ++leafIndex) {
            const QString &leaf = leaves[leafIndex];
            beginAccount(m_pub.account(leaf));
            while (const VoucherLine *line = source.current()) {
                // The lines come account by account in the order of the list; a
                // line that belongs to no account of the list, or to one already
                // written, would be lost from the ledger.
                const qsizetype at = line->code == leaf ? leafIndex : leafOrder.value(line->code, -1);
                if (at < leafIndex)
                    throw unplacedLine(*line, sKmCode);
                if (at > leafIndex)
                    break;
                takeLine(*line);
                if (inQueryMode() && userStop())
                    break;
                source.moveNext();
            }
            if (m_stopped)
                break;
            writePeriodTotals(run, run.lastPeriod, true, accountType);
        }
        if (!m_stopped)
            if (const VoucherLine *line = source.current())
                throw unplacedLine(*line, sKmCode);
    } else {
        beginAccount(objAccount);
        for (; const VoucherLine *line = source.current(); source.moveNext()) {
            takeLine(*line);
            if (inQueryMode() && userStop())
                break;
        }
        if (!m_stopped && run.anyMovement)
            writePeriodTotals(run, run.lastPeriod, true, accountType);
    }
    source.close();

    pageStep(run, true);
    if (byPeriod && objGrid)
        for (int column = 7; column <= 21 && column < objGrid->Cols(); ++column)
            objGrid->setColAlignment(column, 1);
    if (byPeriod && objHeader)
        objHeader->setEnabled(true);
    transaction.commit();
    return true;
}

// The row writer: one voucher line of the source, or, with the counterpart
// column shown, one row per counterpart line of the voucher when the line
// stands alone on its side.
void kmmx::writeVoucherLine(Run &run, const VoucherLine &line)
{
    const QList<CounterpartLine> &parts = line.counterpartLines;
    if (!iShowEqual || parts.size() <= 1) {
        // One counterpart takes the whole line.
        writeLineRow(run, line, parts.isEmpty() ? line.counterparts : parts.front().code);
        return;
    }
    const bool debit = line.isDebit();
    // Each counterpart row carries the counterpart's share of the line; the
    // last takes what remains, so the rows add up to the line exactly.
    const Currency whole = debit ? line.md : line.mc;
    const Currency wholeForeign = debit ? line.md_f : line.mc_f;
    const double wholeQuantity = debit ? line.nd_s : line.nc_s;
    Currency amountLeft = whole, foreignLeft = wholeForeign;
    double quantityLeft = wholeQuantity;
    VoucherLine part = line;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const Currency amount = last ? amountLeft : (debit ? parts[i].mc : parts[i].md);
        const Currency foreign = last ? foreignLeft : wholeForeign.prorated(amount, whole);
        const double quantity =
            last ? quantityLeft : (whole.isZero() ? 0 : wholeQuantity * amount.toDouble() / whole.toDouble());
        amountLeft -= amount;
        foreignLeft -= foreign;
        quantityLeft -= quantity;
        (debit ? part.md : part.mc) = amount;
        (debit ? part.md_f : part.mc_f) = foreign;
        (debit ? part.nd_s : part.nc_s) = quantity;
        writeLineRow(run, part, parts[i].code);
    }
}

void kmmx::writeLineRow(Run &run, const VoucherLine &line, const QString &counterparts)
{
    DynasetRecordSet &rs = *run.rows;
    auto set = [&](DisplayColumn column, QVariant value) { rs.setField(run.at[int(column)], std::move(value)); };
    rs.addNew();
    // The first column holds the accounting period of the voucher date: the
    // voucher drill-down reads the period from there.
    set(DisplayColumn::Nian, formatNumber(m_pub.periodOfDate(line.date), QStringLiteral("00")));
    set(DisplayColumn::Yue, formatNumber(line.date.month(), QStringLiteral("00")));
    set(DisplayColumn::Ri, formatNumber(line.date.day(), QStringLiteral("00")));
    set(DisplayColumn::PzId, line.sign + QLatin1Char('-') + formatNumber(line.number, QStringLiteral("0000")));
    set(DisplayColumn::ccode, line.code);
    set(DisplayColumn::CodeName, run.accountNameOf(m_pub, line.code));
    set(DisplayColumn::cDigest, line.book == 0 ? QStringLiteral("*") + line.digest : line.digest);
    if (iShowEqual) {
        if (!iEqualWithName && !counterparts.contains(u',')) {
            set(DisplayColumn::ccode_equal, counterparts.trimmed());
        } else {
            QStringList entries;
            for (const QString &code : counterparts.split(u',', Qt::SkipEmptyParts)) {
                const QString c = code.trimmed();
                entries << (iEqualWithName ? c + u'(' + m_pub.accountName(c) + u')' : c);
            }
            set(DisplayColumn::ccode_equal, entries.join(u','));
        }
    }
    set(DisplayColumn::Smd, FormatAmt(line.md));
    set(DisplayColumn::Smc, FormatAmt(line.mc));
    const bool foreignLine = !line.currencyName.isEmpty();
    if (foreignLine) {
        set(DisplayColumn::Smd_f, FormatCy(line.md_f, true));
        set(DisplayColumn::Smc_f, FormatCy(line.mc_f, true));
    }
    set(DisplayColumn::Snd_s, FormatQty(m_pub, line.nd_s));
    set(DisplayColumn::Snc_s, FormatQty(m_pub, line.nc_s));
    // The unit price follows the account's book: of the foreign amount for a
    // foreign-currency account, of the amount otherwise.
    const double quantity = line.nd_s != 0 ? line.nd_s : line.nc_s;
    const Currency priced = run.account.hasForeignCurrency() ? (line.md_f.isZero() ? line.mc_f : line.md_f)
                                                             : (line.md.isZero() ? line.mc : line.md);
    set(DisplayColumn::Price, FormatPrice(m_pub, quantity, priced));
    set(DisplayColumn::Frate, FormatRate(line.rate, m_pub.currency(line.currencyName)));

    const AccSumRec movement = movementOf(line);
    PostTotals(m_pub, movement, run.balances[0]);
    PostTotals(m_pub, movement, run.movements[0]);
    const QString currencyName = foreignLine ? line.currencyName : m_pub.options().homeCurrencyName;
    const AccSumRec *lineCurrency = nullptr;
    if (const qsizetype index = run.currencyNames.indexOf(currencyName); index >= 0
        && index + 1 < run.balances.size()) {
        PostTotals(m_pub, movement, run.balances[index + 1]);
        PostTotals(m_pub, movement, run.movements[index + 1]);
        lineCurrency = &run.balances[index + 1];
    }
    run.anyMovement = true;

    // The balance after the line: the account total's amount; the foreign
    // balance of the line's own currency (a ledger over accounts of several
    // currencies has no foreign total); the quantity where the accounts count
    // in one unit.
    const AccSumRec &balance = run.balances[0];
    const AccSumRec *own = lineCurrency ? lineCurrency : &balance;
    const int sign = SignOf(balance.me);
    set(DisplayColumn::Scendd_c, balance.cDirection);
    if (run.measures.oneUnit)
        set(DisplayColumn::Sne_s, FormatQty(m_pub, balance.ne_s * sign));
    if (foreignLine)
        set(DisplayColumn::Sme_f, FormatCy(own->me_f * sign, true));
    set(DisplayColumn::Smend, FormatAmt(balance.me * sign));

    set(DisplayColumn::cPerson_id, line.person);
    set(DisplayColumn::cCus_id, line.customer);
    set(DisplayColumn::cDept_id, line.department);
    set(DisplayColumn::cItem_id, line.item);
    set(DisplayColumn::cn_m, line.settlement);
    set(DisplayColumn::cn_id, line.settlementNumber);
    set(DisplayColumn::cbill, line.maker);
    set(DisplayColumn::cCheck, line.checker);
    set(DisplayColumn::cSup_id, line.supplier);
    for (int i = 0; i < 16; ++i)
        set(DisplayColumn(int(DisplayColumn::cdef1) + i), line.defines[i]);
    set(DisplayColumn::coutsysname, line.outsideSystem);
    set(DisplayColumn::iBook, line.book);
    rs.update();
    updateLineHint(run, line);
    pageStep(run);
}

// The progress text names the first line of each new voucher date; lines of
// the same date leave it as it is, so the hint does not flicker.
void kmmx::updateLineHint(Run &run, const VoucherLine &line)
{
    if (!objHint || line.date == run.hintDate)
        return;
    run.hintDate = line.date;
    objHint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.kmmx.curproccpzfl"),
                                {line.code, formatDate(line.date, QStringLiteral("yyyy-mm-dd")),
                                 line.sign + QLatin1Char('-') + formatNumber(line.number, QStringLiteral("0000")),
                                 QString::number(line.lineNumber)}));
    objHint->refresh();
}

// The totals rows of a finished period: the month total (the period's
// movements and the balance after it) and the year to date (the year's
// movements and the same balance). A period without movements gets none;
// an account without any line in the run gets the closing rows of the last
// period when it has a balance or earlier movements.
void kmmx::writePeriodTotals(Run &run, int period, bool closing, int accountType)
{
    if (period == 0) {
        if (!closing || IsZeroTotals(run.balances[0], true))
            return;
        period = bEndPeriod;
    } else if (!run.movements[0].bPosted) {
        return;
    }
    const int day = m_pub.calendar().end(period).day();
    auto writePair = [&](const AccSumRec &movementOfPeriod, const AccSumRec &balanceAfter, const QString &prefix,
                         const LedgerMeasures &measures) {
        const AccSumRec movement = summableFigures(movementOfPeriod, measures);
        const AccSumRec balance = summableFigures(balanceAfter, measures);
        AccSumRec month = movement;
        copyBalance(balance, month);
        WriteTotalsRow(m_pub, period, day, run.rowSaved, TotalsRowMode::Period, month, *run.rows,
                       prefix + m_pub.monthTotalText(period), run.account);
        WriteTotalsRow(m_pub, period, day, run.rowSaved, TotalsRowMode::Cumulative, balance, *run.rows,
                       prefix + m_pub.yearToDateText(period), run.account);
    };
    writePair(run.movements[0], run.balances[0], QString(), run.measures);
    if (accountType > 1 && !run.account.hasForeignCurrency() && !run.account.isEnd)
        for (qsizetype i = 1; i < run.movements.size(); ++i)
            if (run.movements[i].bPosted && !IsZeroTotals(run.movements[i], false))
                writePair(run.movements[i], run.balances[i], QStringLiteral("　　") + run.currencyNames.value(i - 1),
                          {true, run.measures.oneUnit});
}

// The page step: after each row written (and once forced at the end), show
// the rows of a full page. With 60 lines a page the first page holds 59 rows
// and every later one 58; a cursor moves on through the table, so no row is
// read twice.
void kmmx::pageStep(Run &run, bool force)
{
    if (!force)
        ++lRowCount;
    if (!(force || lRowCount >= bPageLines + lPageStart - 1))
        return;
    const qint32 rowsToShow = lPageStart == 0 ? lRowCount : lRowCount - lPageStart - 1;
    if (objGrid && rowsToShow > 0) {
        DynasetRecordSet &rs = *run.rows;
        rs.moveFirst();
        if (lPageStart != 0)
            rs.move(lPageStart + 1);
        appendLedgerRows(*objGrid, rs, rowsToShow);
        if (!run.shownFirstPage) {
            run.shownFirstPage = true;
            if (inQueryMode() && frmLedger)
                frmLedger->enableWindow();
        }
    }
    lPageStart = lRowCount - 1;
}

} // namespace qxmxz
