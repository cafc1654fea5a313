-- The movements of the accounts like KmCode per period and currency
-- (cexch_name Null: home currency, listed first), for the periods that have
-- valid lines; posted lines only unless bVouch is 1.
-- procedure: GL_glCode
-- parameters: KmCode text, beginPeriod integer, endPeriod integer, bVouch integer, iyear integer
-- returns: iPeriod integer, cexch_name text, nd_s quantity, md_f money, nc_s quantity, mc_f money, md money, mc money
select cast(v.iperiod as integer) as iPeriod,
       cast(v.cexch_name as text) as cexch_name,
       cast(sum(v.nd_s) as double precision) as nd_s,
       cast(sum(v.md_f) as numeric(19,4)) as md_f,
       cast(sum(v.nc_s) as double precision) as nc_s,
       cast(sum(v.mc_f) as numeric(19,4)) as mc_f,
       cast(sum(v.md) as numeric(19,4)) as md,
       cast(sum(v.mc) as numeric(19,4)) as mc
  from GL_accvouch v
 where v.iyear = cast(:iyear as integer)
   and v.ccode like :KmCode
   and v.iperiod >= cast(:beginPeriod as integer)
   and v.iperiod <= cast(:endPeriod as integer)
   and (v.iflag is null or v.iflag = 2)
   and (v.ibook = 1 or cast(:bVouch as integer) = 1)
 group by v.iperiod, v.cexch_name
 order by v.iperiod, case when v.cexch_name is null then 0 else 1 end, v.cexch_name
