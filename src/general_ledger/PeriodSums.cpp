#include "PeriodSums.h"

#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz::PeriodSumsQuery {

namespace {

// S1: posted sums, signed by the direction of the opening balance.
const QString PostedSums = QStringLiteral("Sum(case when cbegind_c<>'贷' then mb else -mb end) as mbb,")
                           + QStringLiteral("Sum(md) as mdd, Sum(mc) as mcc,")
                           + QStringLiteral("Sum(case when code.cexch_name is null then 0 else (case when cbegind_c<>'贷' then mb_f else -mb_f end) end) as mbb_f,")
                           + QStringLiteral("Sum(case when code.cexch_name is null then 0 else md_f end) as mdd_f,")
                           + QStringLiteral("Sum(case when code.cexch_name is Null then 0 else mc_f end) as mcc_f,")
                           + QStringLiteral("Sum(case when code.cmeasure is null then 0 else (case when cbegind_c<>'贷' then nb_s else -nb_s end) end) as nbb_s,")
                           + QStringLiteral("Sum(case when code.cmeasure is null then 0 else nd_s end) as ndd_s,")
                           + QStringLiteral("Sum(case when code.cmeasure is Null then 0 else nc_s end) as ncc_s");

// S2: unposted sums.
const QString UnpostedSums = QStringLiteral("Sum(md-mc) as mbb,") + QStringLiteral("Sum(md) as mdd,Sum(mc) as mcc,")
                             + QStringLiteral("Sum(case when code.cexch_name is null then 0 else md_f-mc_f end) as mbb_f,")
                             + QStringLiteral("Sum(case when code.cexch_name is Null then 0 else md_f end) as mdd_f,")
                             + QStringLiteral("Sum(case when code.cexch_name is Null then 0 else mc_f end) as mcc_f,")
                             + QStringLiteral("Sum(case when code.cmeasure is null then 0 else nd_s-nc_s end) as nbb_s,")
                             + QStringLiteral("Sum(case when code.cmeasure is Null then 0 else nd_s end) as ndd_s,")
                             + QStringLiteral("Sum(case when code.cmeasure is Null then 0 else nc_s end) as ncc_s");

} // namespace

QString posted(const QString &code, bool isEndAccount, int year)
{
    const QString condition = isEndAccount
                                  ? QStringLiteral(" where GL_accsum.ccode=N'") + sqlQuoted(code) + QStringLiteral("'")
                                  : QStringLiteral(" where GL_accsum.ccode like N'") + sqlLikePrefix(code)
                                        + QStringLiteral("%' and code.bend=0 ");
    return QStringLiteral("SELECT iPeriod,") + PostedSums
           + QStringLiteral(" FROM GL_accsum Inner Join code On gl_accsum.iyear=code.iyear and  ")
           + QStringLiteral("GL_accsum.ccode = code.ccode ") + condition + QStringLiteral(" and code.iyear=")
           + QString::number(year) + QStringLiteral(" GROUP BY iperiod ORDER BY iperiod");
}

QString unposted(const QString &code, bool isEndAccount, int year, const QString &personCode)
{
    QString condition = isEndAccount
                            ? QStringLiteral(" where GL_accvouch.ccode=N'") + sqlQuoted(code) + QStringLiteral("'")
                            : QStringLiteral(" where GL_accvouch.ccode like N'") + sqlLikePrefix(code) + QStringLiteral("%'");
    if (!personCode.isEmpty())
        condition += QStringLiteral(" and GL_accvouch.cperson_id=N'") + sqlQuoted(personCode) + QStringLiteral("'");
    return QStringLiteral("SELECT iperiod,") + UnpostedSums
           + QStringLiteral(" FROM GL_accvouch Inner Join code On gl_accvouch.iyear=code.iyear and ")
           + QStringLiteral("GL_accvouch.ccode = code.ccode ") + condition + QStringLiteral(" AND GL_accvouch.iperiod<=12 ")
           + QStringLiteral(" AND cbook IS NULL AND (iflag IS Null Or iflag=2) AND iperiod>=1 and code.iyear=")
           + QString::number(year) + QStringLiteral(" ") + QStringLiteral(" GROUP BY iperiod ORDER BY iperiod");
}

PeriodSumsByPeriod read(Connection &connection, const QString &sql)
{
    PeriodSumsByPeriod sums;
    RecordSet rs = connection.query(sql);
    for (; !rs.eof(); rs.moveNext()) {
        PeriodSums s;
        s.opening = rs.money(QStringLiteral("mbb"));
        s.debit = rs.money(QStringLiteral("mdd"));
        s.credit = rs.money(QStringLiteral("mcc"));
        s.openingForeign = rs.money(QStringLiteral("mbb_f"));
        s.debitForeign = rs.money(QStringLiteral("mdd_f"));
        s.creditForeign = rs.money(QStringLiteral("mcc_f"));
        s.openingQuantity = rs.field(QStringLiteral("nbb_s")).toDouble();
        s.debitQuantity = rs.field(QStringLiteral("ndd_s")).toDouble();
        s.creditQuantity = rs.field(QStringLiteral("ncc_s")).toDouble();
        sums.insert(rs.field(QStringLiteral("iPeriod")).toInt(), s);
    }
    rs.close();
    return sums;
}

} // namespace qxmxz::PeriodSumsQuery
