#include "AccountingDatabase.h"

#include "platform/Failure.h"

namespace qxmxz::db {

namespace {

const char *const Periods =
    "(select 1 as iperiod union all select 2 union all select 3 union all select 4 union all select 5"
    " union all select 6 union all select 7 union all select 8 union all select 9 union all select 10"
    " union all select 11 union all select 12)";

QString withYear(const char *sql, int year)
{
    return QString::fromUtf8(sql).replace(QLatin1String("{year}"), QString::number(year))
        .replace(QLatin1String("{periods}"), QLatin1String(Periods));
}

// Work tables live in the transaction of the rebuild: a failed rebuild rolls
// their creation back with everything else.
void dropWorkTables(Connection &connection)
{
    for (const char *table : {"accsum_opening", "accsum_movement", "accsum_end"})
        connection.execute(QStringLiteral("DROP TABLE ") + QLatin1String(table));
}

// Year openings of the end accounts, signed debit-positive.
const char *const OpeningsSql = R"(
CREATE TEMPORARY TABLE accsum_opening AS
select s.ccode as ccode,
       sum(case when s.cbegind_c = '贷' then -s.mb else s.mb end) as ob,
       sum(case when s.cbegind_c = '贷' then -s.mb_f else s.mb_f end) as ob_f,
       sum(case when s.cbegind_c = '贷' then -s.nb_s else s.nb_s end) as ob_s
  from GL_accsum s
  join code c on c.iyear = s.iyear and c.ccode = s.ccode
 where s.iyear = {year} and s.iperiod = 1 and c.bend = 1
 group by s.ccode)";

// Posted, valid movements per account and period.
const char *const MovementsSql = R"(
CREATE TEMPORARY TABLE accsum_movement AS
select ccode, iperiod,
       sum(md) as md, sum(mc) as mc, sum(md_f) as md_f, sum(mc_f) as mc_f, sum(nd_s) as nd_s, sum(nc_s) as nc_s
  from GL_accvouch
 where iyear = {year} and ibook = 1 and (iflag is null or iflag = 2) and iperiod >= 1 and iperiod <= 12
 group by ccode, iperiod)";

// Every end account and period: the signed balance at the start of the
// period and the period's movements. Money sums exactly on every backend
// (numeric on the servers, ten-thousandths on SQLite), so no residue can
// decide a direction.
const char *const EndAccountsSql = R"(
CREATE TEMPORARY TABLE accsum_end AS
select c.ccode as ccode, p.iperiod as iperiod,
       coalesce(max(o.ob), 0) + coalesce(sum(case when m.iperiod < p.iperiod then m.md - m.mc else 0 end), 0) as ob,
       coalesce(sum(case when m.iperiod = p.iperiod then m.md else 0 end), 0) as od,
       coalesce(sum(case when m.iperiod = p.iperiod then m.mc else 0 end), 0) as oc,
       coalesce(max(o.ob_f), 0) + coalesce(sum(case when m.iperiod < p.iperiod then m.md_f - m.mc_f else 0 end), 0) as ob_f,
       coalesce(sum(case when m.iperiod = p.iperiod then m.md_f else 0 end), 0) as od_f,
       coalesce(sum(case when m.iperiod = p.iperiod then m.mc_f else 0 end), 0) as oc_f,
       coalesce(max(o.ob_s), 0) + coalesce(sum(case when m.iperiod < p.iperiod then m.nd_s - m.nc_s else 0 end), 0) as ob_s,
       coalesce(sum(case when m.iperiod = p.iperiod then m.nd_s else 0 end), 0) as od_s,
       coalesce(sum(case when m.iperiod = p.iperiod then m.nc_s else 0 end), 0) as oc_s
  from code c
 cross join {periods} p
  left join accsum_opening o on o.ccode = c.ccode
  left join accsum_movement m on m.ccode = c.ccode and m.iperiod <= p.iperiod
 where c.iyear = {year} and c.bend = 1
 group by c.ccode, p.iperiod)";

// The rows of GL_accsum: end accounts from their own sums, non-end accounts
// from the sums of their direct end-account children only (see the schema).
// Balances become magnitudes beside the direction of the amount.
const char *const InsertSql = R"(
INSERT INTO GL_accsum (iyear, ccode, iperiod, cbegind_c, mb, md, mc, cendd_c, me,
                       mb_f, md_f, mc_f, me_f, nb_s, nd_s, nc_s, ne_s)
select {year}, x.ccode, x.iperiod,
       case when x.ob > 0 then '借' when x.ob < 0 then '贷' else '平' end,
       abs(x.ob),
       x.od,
       x.oc,
       case when x.ob + x.od - x.oc > 0 then '借' when x.ob + x.od - x.oc < 0 then '贷' else '平' end,
       abs(x.ob + x.od - x.oc),
       case when x.ob < 0 then -x.ob_f else x.ob_f end,
       x.od_f,
       x.oc_f,
       case when x.ob + x.od - x.oc < 0 then x.oc_f - x.od_f - x.ob_f else x.ob_f + x.od_f - x.oc_f end,
       cast(round(cast(case when x.ob < 0 then -x.ob_s else x.ob_s end as numeric), 6) as double precision),
       cast(round(cast(x.od_s as numeric), 6) as double precision),
       cast(round(cast(x.oc_s as numeric), 6) as double precision),
       cast(round(cast(case when x.ob + x.od - x.oc < 0 then x.oc_s - x.od_s - x.ob_s
                            else x.ob_s + x.od_s - x.oc_s end as numeric), 6) as double precision)
  from (select ccode, iperiod, ob, od, oc, ob_f, od_f, oc_f, ob_s, od_s, oc_s
          from accsum_end
        union all
        select n.ccode, p.iperiod,
               coalesce(sum(e.ob), 0), coalesce(sum(e.od), 0), coalesce(sum(e.oc), 0),
               coalesce(sum(e.ob_f), 0), coalesce(sum(e.od_f), 0), coalesce(sum(e.oc_f), 0),
               coalesce(sum(e.ob_s), 0), coalesce(sum(e.od_s), 0), coalesce(sum(e.oc_s), 0)
          from code n
         cross join {periods} p
          left join code k on k.iyear = n.iyear and k.bend = 1 and k.igrade = n.igrade + 1
                          and k.ccode like (n.ccode || '%')
          left join accsum_end e on e.ccode = k.ccode and e.iperiod = p.iperiod
         where n.iyear = {year} and n.bend = 0
         group by n.ccode, p.iperiod) x)";

} // namespace

void rebuildAccountSums(Connection &connection, int year)
{
    connection.beginTransaction();
    try {
        connection.execute(withYear(OpeningsSql, year));
        connection.execute(withYear(MovementsSql, year));
        connection.execute(withYear(EndAccountsSql, year));
        connection.execute(QStringLiteral("DELETE FROM GL_accsum WHERE iyear = ") + QString::number(year));
        connection.execute(withYear(InsertSql, year));
        dropWorkTables(connection);
        connection.commit();
    } catch (const Failure &failure) {
        connection.rollback();
        throw Failure(QStringLiteral("Cannot rebuild the account sums of %1").arg(year), failure.describe());
    }
}

} // namespace qxmxz::db
