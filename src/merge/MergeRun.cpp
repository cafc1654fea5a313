#include "MergeRun.h"

#include <QDate>

#include "GridTransfer.h"
#include "MergeTable.h"
#include "PeriodGroups.h"
#include "clsMxzHb.h"
#include "platform/outside/LedgerRequestChecks.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
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

// One row of the voucher list: one voucher of one account code.
struct MergeRun::VoucherRow {
    MergeStatements::VoucherKey key;
    QString sign;
    QDate date;
    int book = 0;
};

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
        const qint32 batchSize = m_hb.iOnePageNum > 0 ? m_hb.iOnePageNum : m_hb.iLinesEachPage;
        m_transfer = std::make_unique<GridTransfer>(m_controls.grid, *m_rows, m_hb.lngStartRecord,
                                                    m_hb.lngEndRecord, batchSize);
        LocalRun transaction(local);
        if (m_controls.hint) {
            m_controls.hint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.wait")));
            m_controls.hint->refresh();
        }
        writeOpening();
        mergeVouchers();
        m_transfer->final();
        m_rows->close();
        MergeTable::numberRows(m_pub, m_table);
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
    m_hb.iMaxFsMonth = quint8(m_pub.lastPeriodWithPostings(m_code));
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

void MergeRun::mergeVouchers()
{
    const bool include = m_hb.Include();
    const bool byDigest = m_hb.HbType() == clsMxzHb::enuCodeDigest;
    if (m_hb.readsEachVoucher())
        m_groups = std::make_unique<EachVoucherGroups>(m_pub, include, byDigest);
    else
        m_groups = std::make_unique<PeriodGroups>(m_pub, m_code, include, byDigest);
    if (inPrintState() && m_controls.hint) {
        m_controls.hint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.00778")));
        m_controls.hint->refresh();
    }
    RecordSet list = m_pub.database().query(
        MergeStatements::voucherList(m_pub.year(), m_code, m_hb.iStart, m_hb.iEnd, include), RecordSet::Cursor::Forward);
    const int codeField = list.fieldIndex(QStringLiteral("ccode"));
    const int periodField = list.fieldIndex(QStringLiteral("iperiod"));
    const int signField = list.fieldIndex(QStringLiteral("csign"));
    const int sequenceField = list.fieldIndex(QStringLiteral("isignseq"));
    const int numberField = list.fieldIndex(QStringLiteral("ino_id"));
    const int dateField = list.fieldIndex(QStringLiteral("dbill_date"));
    const int bookField = list.fieldIndex(QStringLiteral("ibook"));

    int lastPeriod = 0;
    VoucherRow voucher;
    for (; !list.eof(); list.moveNext()) {
        voucher.key.code = list.field(codeField).toString().trimmed();
        voucher.key.period = list.field(periodField).toInt();
        voucher.key.signSequence = list.field(sequenceField).toInt();
        voucher.key.number = list.field(numberField).toInt();
        voucher.sign = list.field(signField).toString().trimmed();
        voucher.date = toDate(list.field(dateField));
        voucher.book = list.field(bookField).toInt();

        if (lastPeriod != 0 && voucher.key.period != lastPeriod) {
            periodSubtotal(lastPeriod);
            for (AccSumRec &record : m_current)
                ClearMovement(record);
        }
        if (m_controls.userStop()) {
            m_stopped = true;
            break;
        }
        mergeVoucher(voucher);
        lastPeriod = voucher.key.period;
    }
    list.close();
    if (!m_stopped && lastPeriod != 0)
        periodSubtotal(lastPeriod);
}

void MergeRun::mergeVoucher(const VoucherRow &voucher)
{
    const bool byDigest = m_hb.HbType() == clsMxzHb::enuCodeDigest;
    m_debitSummary.reset();
    m_creditSummary.reset();
    const QList<MergeGroup> groups = m_groups->groupsOf(voucher.key);
    for (const MergeGroup &group : groups) {
        const qsizetype index = m_currencyNames.indexOf(group.currencyName);
        if (index >= 0 && index + 1 < m_current.size())
            PostTotals(m_pub, group.movement, m_current[index + 1]);
        PostTotals(m_pub, group.movement, m_current[0]);
        writeGroupRow(voucher, group, byDigest ? group.digest : summaryOf(voucher, group));
        showProgress(voucher);
        m_transfer->rowWritten();
    }
}

// The summary of a group merged by account: that of the voucher's first line
// of the account on the group's side. Both sides give the same answer for
// every group of a voucher, so each is looked up once per voucher.
QString MergeRun::summaryOf(const VoucherRow &voucher, const MergeGroup &group)
{
    std::optional<QString> &cached = group.isDebit() ? m_debitSummary : m_creditSummary;
    if (!cached)
        cached = m_groups->summaryOf(voucher.key, group.isDebit());
    return *cached;
}

void MergeRun::writeGroupRow(const VoucherRow &voucher, const MergeGroup &group, const QString &summary)
{
    DynasetRecordSet &rs = *m_rows;
    const AccSumRec &m = group.movement;
    rs.addNew();
    rs.setField(QStringLiteral("Nian"), formatNumber(m_pub.periodOfDate(voucher.date), QStringLiteral("00")));
    rs.setField(QStringLiteral("Yue"), formatNumber(voucher.date.month(), QStringLiteral("00")));
    rs.setField(QStringLiteral("Ri"), formatNumber(voucher.date.day(), QStringLiteral("00")));
    rs.setField(QStringLiteral("PzId"),
                voucher.sign + QLatin1Char('-') + formatNumber(voucher.key.number, QStringLiteral("0000")));
    rs.setField(QStringLiteral("iBook"), voucher.book);
    rs.setField(QStringLiteral("cDigest"), voucher.book == 0 ? QStringLiteral("*") + summary : summary);
    rs.setField(QStringLiteral("ccode_equal"), QString());
    rs.setField(QStringLiteral("ccode"), voucher.key.code);
    const QString name = m_pub.accountName(m_account.code);
    rs.setField(QStringLiteral("CodeName"), name.isEmpty() ? m_account.name : name);
    // A group merged by summary may span accounts of different units; its
    // quantity then has no sum. A group merged by account is one account.
    const bool quantityOfOneUnit = m_measures.oneUnit || m_hb.HbType() != clsMxzHb::enuCodeDigest;
    if (quantityOfOneUnit) {
        rs.setField(QStringLiteral("Price"), FormatPrice(m_pub, m.nd_s + m.nc_s,
                                                         m_account.hasForeignCurrency() ? m.md_f + m.mc_f : m.md + m.mc));
        rs.setField(QStringLiteral("Snd_s"), FormatQty(m_pub, m.nd_s));
        rs.setField(QStringLiteral("Snc_s"), FormatQty(m_pub, m.nc_s));
    }
    rs.setField(QStringLiteral("Smd"), FormatAmt(m.md));
    rs.setField(QStringLiteral("Smc"), FormatAmt(m.mc));
    rs.setField(QStringLiteral("Smd_f"), FormatCy(m.md_f, true));
    rs.setField(QStringLiteral("Smc_f"), FormatCy(m.mc_f, true));

    const AccSumRec &total = m_current[0];
    const int sign = SignOf(total.me);
    rs.setField(QStringLiteral("Scendd_c"), total.cDirection);
    if (m_measures.oneUnit)
        rs.setField(QStringLiteral("Sne_s"), FormatQty(m_pub, total.ne_s * sign));
    if (m_account.hasForeignCurrency())
        rs.setField(QStringLiteral("Sme_f"), FormatCy(total.me_f * sign, true));
    rs.setField(QStringLiteral("Smend"), FormatAmt(total.me * sign));
    rs.update();
}

void MergeRun::showProgress(const VoucherRow &voucher)
{
    if (!m_controls.hint || inPrintState())
        return;
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
