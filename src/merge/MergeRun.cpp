#include "MergeRun.h"

#include <QDate>

#include "GridTransfer.h"
#include "MergeTable.h"
#include "VoucherFeed.h"
#include "clsMxzHb.h"
#include "platform/outside/LedgerRequestChecks.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"
#include "platform/sql/ReadAhead.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "services/DisplayTableColumns.h"
#include "totals/AmountFormats.h"
#include "totals/CurrencyList.h"
#include "totals/LedgerMeasures.h"
#include "totals/LedgerRows.h"
#include "totals/NumberPattern.h"
#include "totals/OpeningBalances.h"

namespace qxmxz {

namespace {

constexpr int DefaultLinesEachPage = 60;

} // namespace

MergeRun::MergeRun(clsMxzHb &hb, GlPublic &pub, const QString &code, int accountType)
    : m_hb(hb), m_pub(pub), m_code(code), m_accountType(accountType)
{
}

MergeRun::~MergeRun() = default;

bool MergeRun::inQueryState() const
{
    return m_hb.sCallState == m_pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.query"));
}

bool MergeRun::inPrintState() const
{
    return m_hb.sCallState == m_pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.00786"));
}

bool MergeRun::perCurrencyTotals() const
{
    return m_accountType > 1 && !m_account.hasForeignCurrency() && !m_account.isEnd;
}

void MergeRun::run()
{
    m_controls = HostControls::of(m_hb);
    try {
        begin();
        LocalDatabase &local = m_pub.localDatabase();
        m_table = MergeTable::create(m_pub);
        m_rows = std::make_unique<DynasetRecordSet>(local.openDynaset(m_table));
        m_at = m_rows->fieldPositions(displayTableColumns());
        // The rows are numbered 1, 2, … in the order they are written.
        m_rows->numberAddedRows(QStringLiteral("iListCount"), 1);
        const qint32 batchSize = m_hb.iOnePageNum > 0 ? m_hb.iOnePageNum : m_hb.iLinesEachPage;
        m_transfer = std::make_unique<GridTransfer>(m_controls.grid, *m_rows, m_hb.lngStartRecord,
                                                    m_hb.lngEndRecord, batchSize);
        LocalRun transaction(local);
        if (m_controls.hint) {
            m_controls.hint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.wait")));
            m_controls.hint->refresh();
        }
        // The reader sorts its voucher list while the opening rows are written.
        const GroupReading reading{m_pub.year(), m_code, m_hb.Include(), m_hb.HbType() == clsMxzHb::enuCodeDigest,
                                   m_pub.options().homeCurrencyName};
        VoucherFeed vouchers(m_pub.database(), reading, m_hb.iStart, m_hb.iEnd, m_hb.readsEachVoucher());
        // The account's last period with postings reads every line of the
        // account too: it is asked beside the ledger, not in the window's way.
        ReadAhead<int> lastPosted(m_pub.database(), [reading](Connection &own, ReadAhead<int>::Sink &sink) {
            sink.put(GlPublic::lastPeriodWithPostings(own, reading.year, reading.code));
        });
        writeOpening();
        mergeVouchers(vouchers, reading.byDigest);
        // Waiting for it, the window still answers.
        const int *last = lastPosted.current([this] {
            m_controls.userStop();
            return true;
        });
        m_hb.iMaxFsMonth = quint8(last ? *last : 0);
        m_transfer->final();
        m_rows->close();
        transaction.commit();
    } catch (...) {
        finish();
        throw;
    }
    finish();
    if (m_controls.hint && inQueryState()) {
        m_controls.hint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.00799")));
        m_controls.hint->refresh();
    }
}

// The account and the checks of the request, the header switched off, the
// counters reset, the stop button and header on for an interactive query.
void MergeRun::begin()
{
    requirePeriodRange(m_pub.calendar(), m_hb.iStart, m_hb.iEnd);
    m_account = m_pub.account(m_code);
    if (!m_account.exists) {
        // A code prefix that is no account of its own still merges the accounts under it.
        if (m_pub.chart().accountsUnder(m_code).isEmpty())
            throw unknownAccount(m_code);
        m_account.code = m_code;
    }

    if (m_controls.header)
        m_controls.header->setEnabled(false);
    m_hb.lngStartRecord = 0;
    m_hb.lngEndRecord = 0;
    if (m_hb.iLinesEachPage == 0)
        m_hb.iLinesEachPage = DefaultLinesEachPage;
    if (inQueryState()) {
        if (m_controls.stop) {
            m_controls.stop->setVisible(true);
            m_controls.stop->setEnabled(true);
        }
        if (m_controls.header)
            m_controls.header->setEnabled(true);
    }
}

void MergeRun::writeOpening()
{
    m_currencyNames = LoadCurrencyNames(m_pub);
    m_measures = measuresUnder(m_pub, m_account.code);
    WriteOpeningRows(m_pub, m_account, m_hb.iStart, m_hb.Include(), m_accountType, *m_rows, m_current,
                     [this] { m_transfer->rowWritten(); });
    // The opening records carry the year's movements before the first period;
    // the ledger's totals count from the first period on.
    for (AccSumRec &record : m_current)
        ClearMovement(record);
    m_cumulative = m_current;
}

void MergeRun::mergeVouchers(VoucherFeed &vouchers, bool byDigest)
{
    if (inPrintState() && m_controls.hint) {
        m_controls.hint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.00778")));
        m_controls.hint->refresh();
    }
    // While the reader is behind, the window still answers and may be stopped.
    auto keepWaiting = [this] {
        m_stopped = m_stopped || m_controls.userStop();
        return !m_stopped;
    };
    int lastPeriod = 0;
    for (const MergedVoucher *voucher; (voucher = vouchers.current(keepWaiting)); vouchers.moveNext()) {
        if (lastPeriod != 0 && voucher->key.period != lastPeriod) {
            periodSubtotal(lastPeriod);
            for (AccSumRec &record : m_current)
                ClearMovement(record);
        }
        if (m_controls.userStop()) {
            m_stopped = true;
            break;
        }
        mergeVoucher(*voucher, byDigest);
        lastPeriod = voucher->key.period;
    }
    vouchers.close();
    if (!m_stopped && lastPeriod != 0)
        periodSubtotal(lastPeriod);
}

void MergeRun::mergeVoucher(const MergedVoucher &voucher, bool byDigest)
{
    for (const MergeGroup &group : voucher.groups) {
        const AccSumRec movement = group.movement();
        const qsizetype index = m_currencyNames.indexOf(group.currencyName);
        if (index >= 0 && index + 1 < m_current.size())
            PostTotals(m_pub, movement, m_current[index + 1]);
        PostTotals(m_pub, movement, m_current[0]);
        writeGroupRow(voucher, movement,
                      byDigest ? group.digest : (group.isDebit() ? voucher.debitSummary : voucher.creditSummary));
        m_transfer->rowWritten();
    }
    if (!voucher.groups.isEmpty())
        showProgress(voucher);
}

void MergeRun::writeGroupRow(const MergedVoucher &voucher, const AccSumRec &m, const QString &summary)
{
    DynasetRecordSet &rs = *m_rows;
    auto set = [&](DisplayColumn column, const QVariant &value) { rs.setField(m_at[int(column)], value); };
    rs.addNew();
    set(DisplayColumn::Nian, formatNumber(m_pub.periodOfDate(voucher.date), QStringLiteral("00")));
    set(DisplayColumn::Yue, formatNumber(voucher.date.month(), QStringLiteral("00")));
    set(DisplayColumn::Ri, formatNumber(voucher.date.day(), QStringLiteral("00")));
    set(DisplayColumn::PzId,
        voucher.sign + QLatin1Char('-') + formatNumber(voucher.key.number, QStringLiteral("0000")));
    set(DisplayColumn::iBook, voucher.book);
    set(DisplayColumn::cDigest, voucher.book == 0 ? QStringLiteral("*") + summary : summary);
    set(DisplayColumn::ccode_equal, QString());
    set(DisplayColumn::ccode, voucher.key.code);
    const QString name = m_pub.accountName(m_account.code);
    set(DisplayColumn::CodeName, name.isEmpty() ? m_account.name : name);
    // A group merged by summary may span accounts of different units; its
    // quantity then has no sum. A group merged by account is one account.
    const bool quantityOfOneUnit = m_measures.oneUnit || m_hb.HbType() != clsMxzHb::enuCodeDigest;
    if (quantityOfOneUnit) {
        set(DisplayColumn::Price, FormatPrice(m_pub, m.nd_s + m.nc_s,
                                              m_account.hasForeignCurrency() ? m.md_f + m.mc_f : m.md + m.mc));
        set(DisplayColumn::Snd_s, FormatQty(m_pub, m.nd_s));
        set(DisplayColumn::Snc_s, FormatQty(m_pub, m.nc_s));
    }
    set(DisplayColumn::Smd, FormatAmt(m.md));
    set(DisplayColumn::Smc, FormatAmt(m.mc));
    set(DisplayColumn::Smd_f, FormatCy(m.md_f, true));
    set(DisplayColumn::Smc_f, FormatCy(m.mc_f, true));

    const AccSumRec &total = m_current[0];
    const int sign = SignOf(total.me);
    set(DisplayColumn::Scendd_c, total.cDirection);
    if (m_measures.oneUnit)
        set(DisplayColumn::Sne_s, FormatQty(m_pub, total.ne_s * sign));
    if (m_account.hasForeignCurrency())
        set(DisplayColumn::Sme_f, FormatCy(total.me_f * sign, true));
    set(DisplayColumn::Smend, FormatAmt(total.me * sign));
    rs.update();
}

// As in the detail ledger, the hint changes with the voucher date (or the
// account), not with every voucher, so that it does not flicker.
void MergeRun::showProgress(const MergedVoucher &voucher)
{
    if (!m_controls.hint || inPrintState() || (voucher.date == m_hintDate && voucher.key.code == m_hintCode))
        return;
    m_hintDate = voucher.date;
    m_hintCode = voucher.key.code;
    m_controls.hint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.curproccpz"),
                                        {formatDate(voucher.date, QStringLiteral("yyyy-mm-dd")), voucher.key.code}));
    m_controls.hint->refresh();
}

// The header is usable again and the stop button off, also after a failure.
void MergeRun::finish()
{
    if (m_controls.header)
        m_controls.header->setEnabled(true);
    if (m_controls.stop && inQueryState())
        m_controls.stop->setEnabled(false);
}

} // namespace qxmxz
