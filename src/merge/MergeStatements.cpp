#include "MergeStatements.h"

#include "platform/sql/SqlText.h"

namespace qxmxz::MergeStatements {

namespace {

QString postedOnly(bool includeUnposted)
{
    return includeUnposted ? QStringLiteral(" ") : QStringLiteral(" and ibook = 1");
}

// A line struck out inside a valid voucher (iflag 1) counts for nothing,
// in the groups as in the summaries.
QString validLines()
{
    return QStringLiteral(" and (iflag Is Null or iflag=2)");
}

// " ccode in ('…',…)" or " ccode like N'…%'". The codes are plain literals:
// a national one is fixed-width text to PostgreSQL, which then compares
// every line's code as such and cannot use the code's index; a plain one
// takes the column's type, and the codes are those the column holds.
QString accountsOf(const PeriodAccounts &accounts)
{
    if (accounts.codes.isEmpty())
        return QStringLiteral(" ccode like N'") + sqlLikePrefix(accounts.code) + QStringLiteral("%'");
    QStringList literals;
    literals.reserve(accounts.codes.size());
    for (const QString &c : accounts.codes)
        literals << u'\'' + sqlQuoted(c) + u'\'';
    return QStringLiteral(" ccode in (") + literals.join(u',') + u')';
}

// The distinct vouchers of the lines that `accountsAndPeriods` selects, in
// period, date and voucher order.
QString distinctVouchers(int year, const QString &accountsAndPeriods, bool includeUnposted)
{
    return QStringLiteral("select distinct ccode,iperiod,csign,isignseq,ino_id,dbill_date,ibook  from gl_accvouch where iyear=")
           + QString::number(year) + QStringLiteral(" and") + accountsAndPeriods
           + QStringLiteral(" and (iflag Is Null or iflag=2) ") + postedOnly(includeUnposted)
           + QStringLiteral(" order by iperiod,dbill_date,isignseq,ino_id");
}

} // namespace

QString codesWithLines(int year, const QString &code)
{
    return QStringLiteral("select distinct ccode from gl_accvouch where iyear=") + QString::number(year)
           + QStringLiteral(" and ccode like N'") + sqlLikePrefix(code) + QStringLiteral("%' order by ccode");
}

QString voucherList(int year, const QString &code, int firstPeriod, int lastPeriod, bool includeUnposted)
{
    return distinctVouchers(year,
                            QStringLiteral(" ccode like N'") + sqlLikePrefix(code) + QStringLiteral("%'")
                                + QStringLiteral(" and iperiod >= ") + QString::number(firstPeriod)
                                + QStringLiteral(" and iperiod <= ") + QString::number(lastPeriod),
                            includeUnposted);
}

QString voucherListOfPeriod(int year, const PeriodAccounts &accounts, int period, bool includeUnposted)
{
    return distinctVouchers(year, accountsOf(accounts) + QStringLiteral(" and iperiod = ") + QString::number(period),
                            includeUnposted);
}

QString voucherCondition(int year, const VoucherKey &voucher, bool includeUnposted)
{
    return QStringLiteral(" where iyear=") + QString::number(year) + QStringLiteral(" and ccode = N'")
           + sqlQuoted(voucher.code) + QStringLiteral("' and iperiod = ") + QString::number(voucher.period)
           + QStringLiteral(" and isignseq = ") + QString::number(voucher.signSequence)
           + QStringLiteral(" and ino_id = ") + QString::number(voucher.number) + validLines() + postedOnly(includeUnposted)
           + QStringLiteral(" ");
}

QString groupedLines(const QString &condition, bool byDigest)
{
    if (byDigest)
        return QStringLiteral("(select cdigest,cexch_name,Sum(Md) as Md,0 as Mc,Sum(Md_f) as Md_f,0 as Mc_f,Sum(Nd_s) as Nd_s,")
               + QStringLiteral("0 as Nc_s from gl_accvouch ") + condition
               + QStringLiteral(" group by cdigest,cexch_name having(Sum(Md) <> 0)) ")
               + QStringLiteral(" union all (select cdigest,Cexch_name,0 as Md, Sum(Mc) as Mc,0 as Md_f,Sum(Mc_f) as Mc_f,0 as Nd_s,")
               + QStringLiteral("Sum(Nc_s) as Nc_s from gl_accvouch ") + condition
               + QStringLiteral(" group by cdigest,cexch_name having(Sum(Mc) <> 0))");
    return QStringLiteral("(select Cexch_name, Sum(Md) as Md,0 as Mc,Sum(Md_f) as Md_f,0 as Mc_f,Sum(Nd_s) as Nd_s,")
           + QStringLiteral("0 as Nc_s from gl_accvouch ") + condition
           + QStringLiteral(" and md <> 0 group by ccode,cexch_name)")
           + QStringLiteral(" union all (select cexch_name, 0 as Md, Sum(Mc) as Mc,0 as Md_f,Sum(Mc_f) as Mc_f,0 as Nd_s,")
           + QStringLiteral("Sum(Nc_s) as Nc_s from gl_accvouch ") + condition
           + QStringLiteral(" and mc <> 0 group by ccode,cexch_name)");
}

QString groupedLinesOfPeriod(int year, const PeriodAccounts &accounts, int period, bool includeUnposted, bool byDigest)
{
    const QString where = QStringLiteral(" where iyear=") + QString::number(year) + QStringLiteral(" and")
                          + accountsOf(accounts) + QStringLiteral(" and iperiod = ") + QString::number(period)
                          + validLines() + postedOnly(includeUnposted);
    if (byDigest)
        return QStringLiteral("select isignseq,ino_id,ccode,cdigest,cexch_name,Sum(Md) as Md,Sum(Mc) as Mc,")
               + QStringLiteral("Sum(Md_f) as Md_f,Sum(Mc_f) as Mc_f,Sum(Nd_s) as Nd_s,Sum(Nc_s) as Nc_s from gl_accvouch")
               + where + QStringLiteral(" group by isignseq,ino_id,ccode,cdigest,cexch_name")
               + QStringLiteral(" order by isignseq,ino_id,ccode,cdigest,cexch_name");
    return QStringLiteral("select isignseq,ino_id,ccode,cexch_name,")
           + QStringLiteral("Count(case when md <> 0 then 1 end) as iDebitLines,Sum(case when md <> 0 then Md end) as Md,")
           + QStringLiteral("Sum(case when md <> 0 then Md_f end) as Md_f,Sum(case when md <> 0 then Nd_s end) as Nd_s,")
           + QStringLiteral("Count(case when mc <> 0 then 1 end) as iCreditLines,Sum(case when mc <> 0 then Mc end) as Mc,")
           + QStringLiteral("Sum(case when mc <> 0 then Mc_f end) as Mc_f,Sum(case when mc <> 0 then Nc_s end) as Nc_s")
           + QStringLiteral(" from gl_accvouch") + where + QStringLiteral(" and (md <> 0 or mc <> 0)")
           + QStringLiteral(" group by isignseq,ino_id,ccode,cexch_name order by isignseq,ino_id,ccode,cexch_name");
}

QString summariesOfPeriod(int year, const PeriodAccounts &accounts, int period)
{
    return QStringLiteral("select isignseq,ino_id,ccode,md,mc,cdigest from gl_accvouch where iyear=")
           + QString::number(year) + QStringLiteral(" and") + accountsOf(accounts)
           + QStringLiteral(" and iperiod = ") + QString::number(period) + validLines()
           + QStringLiteral(" and (md <> 0 or mc <> 0) order by isignseq,ino_id,ccode,inid");
}

QString summaryLookup(int year, const VoucherKey &voucher, bool debitSide)
{
    // "First" is the first line of the voucher in line order, not whatever
    // order the database happens to return.
    return QStringLiteral("select cdigest from gl_accvouch where iyear=") + QString::number(year)
           + QStringLiteral(" and ccode = N'") + sqlQuoted(voucher.code) + QStringLiteral("' and iperiod = ")
           + QString::number(voucher.period) + QStringLiteral(" and isignseq = ")
           + QString::number(voucher.signSequence) + QStringLiteral(" and ino_id = ") + QString::number(voucher.number)
           + validLines() + (debitSide ? QStringLiteral(" and md <> 0 ") : QStringLiteral(" and mc <> 0 "))
           + QStringLiteral("order by inid");
}

QString endAccounts(int year, const QString &code)
{
    // The year and the order keep a chart of several years from listing an
    // account twice and make every database list the accounts alike.
    return QStringLiteral("select ccode from code where ccode like N'") + sqlLikePrefix(code)
           + QStringLiteral("%' and bend = 1 and iyear=") + QString::number(year) + QStringLiteral(" order by ccode");
}

} // namespace qxmxz::MergeStatements
