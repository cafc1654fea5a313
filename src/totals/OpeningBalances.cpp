#include "OpeningBalances.h"

#include "BalanceDirection.h"
#include "CurrencyList.h"
#include "LedgerMeasures.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

namespace {

// Book styles from this index on show foreign amounts.
constexpr int FirstForeignCurrencyStyle = 2;

void assignFigures(const RecordSet &rs, AccSumRec &rec)
{
    rec.nd_s = rs.field(QStringLiteral("nd_s")).toDouble();
    rec.md_f = rs.money(QStringLiteral("md_f"));
    rec.md = rs.money(QStringLiteral("md"));
    rec.nc_s = rs.field(QStringLiteral("nc_s")).toDouble();
    rec.mc_f = rs.money(QStringLiteral("mc_f"));
    rec.mc = rs.money(QStringLiteral("mc"));
    rec.ne_s = rs.field(QStringLiteral("ne_s")).toDouble();
    rec.me_f = rs.money(QStringLiteral("me_f"));
    rec.me = rs.money(QStringLiteral("Me"));
}

bool listsCurrencies(const AccountRecord &account, int accountType)
{
    if (accountType < FirstForeignCurrencyStyle)
        return false;
    const bool parentWithoutCurrency = !account.hasForeignCurrency() && !account.isEnd;
    // An account kept in a foreign currency also carries home-currency lines
    // (exchange differences); its currency row shows the foreign holding apart.
    const bool keepsForeignCurrency = account.hasForeignCurrency();
    return parentWithoutCurrency || keepsForeignCurrency;
}

} // namespace

void LoadOpeningBalances(const GlPublic &pub, QVector<AccSumRec> &records, const QString &code, int firstPeriod,
                         bool includeUnposted)
{
    if (records.isEmpty())
        throw Failure(QStringLiteral("Opening balances need a totals array with the account total"));
    const QString home = pub.options().homeCurrencyName;
    RecordSet rs = pub.database()
                       .procedure(QStringLiteral("GL_CodeExchBegin"))
                       .set(QStringLiteral("KmCode"), likePrefixParameter(code) + QLatin1Char('%'))
                       .set(QStringLiteral("iPeriod"), firstPeriod)
                       .set(QStringLiteral("bVouch"), includeUnposted ? 1 : 0)
                       .set(QStringLiteral("iyear"), pub.year())
                       .execute();
    for (; !rs.eof(); rs.moveNext()) {
        const QString key = rs.isNull(QStringLiteral("cexch_name")) ? home : rs.text(QStringLiteral("cexch_name"));
        AccSumRec *target = nullptr;
        for (qsizetype i = 1; i < records.size() && !target; ++i)
            if (records[i].cName == key)
                target = &records[i];
        AccSumRec unlisted;
        AccSumRec &rec = target ? *target : unlisted;
        assignFigures(rs, rec);
        applyDirectionRule(pub, rec);
        AddTotals(pub, rec, records[0]);
    }
    rs.close();
    applyDirectionRule(pub, records[0]);
}

int WriteOpeningRows(const GlPublic &pub, const AccountRecord &account, int firstPeriod, bool includeUnposted,
                     int accountType, DynasetRecordSet &rs, QVector<AccSumRec> &records, const RowSaved &rowSaved,
                     bool writeZeroOpening)
{
    records = InitCurrencyTotals(pub);
    LoadOpeningBalances(pub, records, account.code, firstPeriod, includeUnposted);

    int written = 0;
    const LedgerMeasures measures = measuresUnder(pub, account.code);
    const AccSumRec total = summableFigures(records[0], measures);
    if (!total.me.isZero() || !total.me_f.isZero() || writeZeroOpening) {
        const QString summary = pub.text(firstPeriod == 1 ? QStringLiteral("R7.GL.QXMXZ.yujmod.00811")
                                                           : QStringLiteral("R7.GL.QXMXZ.yujmod.00812"));
        if (WriteBalanceRow(pub, summary, rs, total, account,
                            writeZeroOpening ? ZeroBalanceRow::Write : ZeroBalanceRow::Skip, rowSaved))
            ++written;
    }
    if (listsCurrencies(account, accountType)) {
        for (qsizetype i = 1; i < records.size(); ++i) {
            if (records[i].me_f.isZero())
                continue;
            if (WriteBalanceRow(pub, QStringLiteral("  ") + records[i].cName, rs,
                                summableFigures(records[i], {true, measures.oneUnit}), account,
                                ZeroBalanceRow::Skip, rowSaved))
                ++written;
        }
    }
    return written;
}

} // namespace qxmxz
