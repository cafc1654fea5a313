-- The valid voucher lines (iflag Null or 2) of the accounts like KmCode in
-- the period range; posted lines only unless bVouch is 1. By account
-- (byPeriod 0) the lines come grouped by account code; by period (byPeriod 1)
-- in date order across the accounts. Price is the unit price in home
-- currency.
--
-- One body serves both orders: the lines are selected twice, once for each
-- order, and the branch of the other order selects nothing. sortKey is the
-- account code in the by-account branch and empty in the by-period branch.
-- The by-account order streams straight from the index on (iyear, ccode,
-- iperiod, dbill_date, isignseq, ino_id, inid): the first lines of a long
-- ledger arrive before the last are read. The sort columns are therefore
-- selected as they are stored, without casts (PostgreSQL converts them to
-- the declared result types).
--
-- SQLite merges the two branches under the one ORDER BY and reads each from
-- the index. PostgreSQL sorts a set operation as a whole, so there each
-- branch is ordered on its own inside a subquery the planner keeps apart:
-- the by-account branch then reads the index in order and the by-period
-- branch sorts the account's lines alone; the branch that selects nothing
-- adds no row, so the one that does gives the order of the whole.
-- procedure: GL_SubsLedger
-- parameters: KmCode text, beginPeriod integer, endPeriod integer, bVouch integer, byPeriod integer, iyear integer
-- returns: cCode text, iPeriod integer, cSign text, isignseq integer, ino_id integer, iNid integer, dbill_date date, cDigest text, iBook integer, ccode_equal text, md money, mc money, md_f money, mc_f money, nd_s quantity, nc_s quantity, cexch_name text, nfrat quantity, frate quantity, Price quantity, cPerson_id text, ccus_id text, cDept_id text, cItem_id text, csettle text, cn_id text, cBill text, ccheck text, csup_id text, cDefine1 text, cDefine2 text, cDefine3 text, cDefine4 text, cDefine5 text, cDefine6 text, cDefine7 text, cDefine8 text, cDefine9 text, cDefine10 text, cDefine11 text, cDefine12 text, cDefine13 text, cDefine14 text, cDefine15 text, cDefine16 text, cOutSysName text, sortKey text
with lines as not materialized (
  select v.ccode as cCode,
         v.iperiod as iPeriod,
         cast(v.csign as text) as cSign,
         v.isignseq as isignseq,
         v.ino_id as ino_id,
         v.inid as iNid,
         v.dbill_date as dbill_date,
         cast(v.cdigest as text) as cDigest,
         cast(v.ibook as integer) as iBook,
         cast(v.ccode_equal as text) as ccode_equal,
         cast(v.md as numeric(19,4)) as md,
         cast(v.mc as numeric(19,4)) as mc,
         cast(v.md_f as numeric(19,4)) as md_f,
         cast(v.mc_f as numeric(19,4)) as mc_f,
         cast(v.nd_s as double precision) as nd_s,
         cast(v.nc_s as double precision) as nc_s,
         cast(v.cexch_name as text) as cexch_name,
         cast(v.nfrat as double precision) as nfrat,
         cast(v.nfrat as double precision) as frate,
         cast(case when v.nd_s + v.nc_s <> 0
                   then money_value(v.md + v.mc) / (v.nd_s + v.nc_s)
                   else 0 end as double precision) as Price,
         cast(v.cperson_id as text) as cPerson_id,
         cast(v.ccus_id as text) as ccus_id,
         cast(v.cdept_id as text) as cDept_id,
         cast(v.citem_id as text) as cItem_id,
         cast(v.csettle as text) as csettle,
         cast(v.cn_id as text) as cn_id,
         cast(v.cbill as text) as cBill,
         cast(v.ccheck as text) as ccheck,
         cast(v.csup_id as text) as csup_id,
         cast(v.cDefine1 as text) as cDefine1,
         cast(v.cDefine2 as text) as cDefine2,
         cast(v.cDefine3 as text) as cDefine3,
         cast(v.cDefine4 as text) as cDefine4,
         cast(v.cDefine5 as text) as cDefine5,
         cast(v.cDefine6 as text) as cDefine6,
         cast(v.cDefine7 as text) as cDefine7,
         cast(v.cDefine8 as text) as cDefine8,
         cast(v.cDefine9 as text) as cDefine9,
         cast(v.cDefine10 as text) as cDefine10,
         cast(v.cDefine11 as text) as cDefine11,
         cast(v.cDefine12 as text) as cDefine12,
         cast(v.cDefine13 as text) as cDefine13,
         cast(v.cDefine14 as text) as cDefine14,
         cast(v.cDefine15 as text) as cDefine15,
         cast(v.cDefine16 as text) as cDefine16,
         cast(v.coutsysname as text) as cOutSysName
    from GL_accvouch v
   where v.iyear = cast(:iyear as integer)
     and v.ccode like :KmCode
     and v.iperiod >= cast(:beginPeriod as integer)
     and v.iperiod <= cast(:endPeriod as integer)
     and (v.iflag is null or v.iflag = 2)
     and (v.ibook = 1 or cast(:bVouch as integer) = 1)
)
-- on sqlite:
select lines.*, lines.cCode as sortKey from lines where cast(:byPeriod as integer) <> 1
union all
select lines.*, cast('' as text) as sortKey from lines where cast(:byPeriod as integer) = 1
order by sortKey, iPeriod, dbill_date, isignseq, ino_id, iNid
-- on postgresql:
select * from (select lines.*, lines.cCode as sortKey from lines where cast(:byPeriod as integer) <> 1
               order by cCode, iPeriod, dbill_date, isignseq, ino_id, iNid) byAccount
union all
select * from (select lines.*, cast('' as text) as sortKey from lines where cast(:byPeriod as integer) = 1
               order by iPeriod, dbill_date, isignseq, ino_id, iNid) byPeriod
