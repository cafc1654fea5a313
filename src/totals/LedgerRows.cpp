#include "LedgerRows.h"

#include <QVariant>

#include "AccSumRec.h"
#include "AmountFormats.h"
#include "BalanceDirection.h"
#include "NumberPattern.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/LocalRecordSet.h"

namespace qxmxz {

namespace {

QString twoDigitsOrEmpty(int value)
{
    return value > 0 ? formatNumber(value, QStringLiteral("00")) : QString();
}

// Balance amount, quantity and foreign amount as magnitudes beside the
// direction, with the unit price and the rate of the balance.
void setBalanceColumns(const GlPublic &pub, DynasetRecordSet &rs, const AccSumRec &record,
                       const AccountRecord &account, const CurrencyRecord &currency)
{
    const int sign = SignOf(record.me);
    rs.setField(QStringLiteral("Smend"), FormatAmt(record.me * sign));
    rs.setField(QStringLiteral("Sne_s"), FormatQty(pub, record.ne_s * sign));
    rs.setField(QStringLiteral("Sme_f"), FormatCy(record.me_f * sign, true));
    rs.setField(QStringLiteral("aPrice"),
                FormatPrice(pub, record.ne_s, account.hasForeignCurrency() ? record.me_f : record.me));
    rs.setField(QStringLiteral("aFrat"), CalcRate(record.me_f, record.me, currency));
}

void save(DynasetRecordSet &rs, const RowSaved &rowSaved)
{
    rs.update();
    if (rowSaved)
        rowSaved();
}

} // namespace

bool WriteBalanceRow(const GlPublic &pub, const QString &summary, DynasetRecordSet &rs, const AccSumRec &record,
                     const AccountRecord &account, ZeroBalanceRow whenZero, const RowSaved &rowSaved)
{
    if (whenZero == ZeroBalanceRow::Skip && IsZeroTotals(record, true))
        return false;
    rs.addNew();
    rs.setField(QStringLiteral("cDigest"), summary);
    rs.setField(QStringLiteral("cCode"), account.code);
    // The name in the login's language; an account the chart does not know keeps the name it carries.
    const QString shownName = pub.accountName(account.code);
    rs.setField(QStringLiteral("CodeName"), shownName.isEmpty() ? account.name : shownName);
    rs.setField(QStringLiteral("Scendd_c"), record.cDirection);
    setBalanceColumns(pub, rs, record, account, pub.currency(account.currencyName));
    rs.setField(QStringLiteral("iBook"), 1);
    save(rs, rowSaved);
    return true;
}

void WriteTotalsRow(const GlPublic &pub, int period, int day, const RowSaved &rowSaved, TotalsRowMode mode,
                    const AccSumRec &record, DynasetRecordSet &rs, const QString &summary,
                    const AccountRecord &account, double rate)
{
    QString digest = summary;
    if (mode == TotalsRowMode::Day)
        digest = pub.text(QStringLiteral("R7.GL.QXMXZ.yujmod.day"));
    else if (digest.isEmpty())
        digest = mode == TotalsRowMode::Period ? pub.periodTotalText(period) : pub.cumulativeText(period);
    const CurrencyRecord currency = pub.currency(account.currencyName);

    rs.addNew();
    rs.setField(QStringLiteral("cDigest"), digest);
    // Totals rows carry their account like every other row, so a ledger of
    // several accounts keeps each account's rows recognisable.
    rs.setField(QStringLiteral("ccode"), account.code);
    rs.setField(QStringLiteral("CodeName"), pub.accountName(account.code));
    rs.setField(QStringLiteral("Yue"), twoDigitsOrEmpty(period));
    rs.setField(QStringLiteral("Ri"), twoDigitsOrEmpty(day));
    rs.setField(QStringLiteral("Smd"), FormatAmt(record.md));
    rs.setField(QStringLiteral("Smc"), FormatAmt(record.mc));
    rs.setField(QStringLiteral("Snd_s"), FormatQty(pub, record.nd_s));
    rs.setField(QStringLiteral("Snc_s"), FormatQty(pub, record.nc_s));
    rs.setField(QStringLiteral("Smd_f"), FormatCy(record.md_f, true));
    rs.setField(QStringLiteral("Smc_f"), FormatCy(record.mc_f, true));
    rs.setField(QStringLiteral("Scendd_c"), directionOf(pub, record.me).text);
    setBalanceColumns(pub, rs, record, account, currency);
    if (rate != 0)
        rs.setField(QStringLiteral("aFrat"), FormatRate(rate, currency));
    rs.setField(QStringLiteral("iBook"), 1);
    save(rs, rowSaved);
}

} // namespace qxmxz
