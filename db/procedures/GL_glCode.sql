-- The movements of the accounts like KmCode per period and currency
-- (cexch_name Null: home currency, listed first), for the periods that have
-- movements; posted lines only unless bVouch is 1.
--
-- The posted movements come from the account sums of the end accounts, in
-- the currency of their account (a voucher line is kept in the currency of
-- its account); only the unposted lines (cbook Null) are read one by one,
-- through their own index. A parent with a hundred thousand posted lines
-- thus costs a few hundred summary rows.
-- procedure: GL_glCode
-- parameters: KmCode text, beginPeriod integer, endPeriod integer, bVouch integer, iyear integer
-- returns: iPeriod integer, cexch_name text, nd_s quantity, md_f money, nc_s quantity, mc_f money, md money, mc money
select cast(m.iperiod as integer) as iPeriod,
       cast(m.cexch_name as text) as cexch_name,
       cast(sum(m.nd_s) as double precision) as nd_s,
       cast(sum(m.md_f) as numeric(19,4)) as md_f,
       cast(sum(m.nc_s) as double precision) as nc_s,
       cast(sum(m.mc_f) as numeric(19,4)) as mc_f,
       cast(sum(m.md) as numeric(19,4)) as md,
       cast(sum(m.mc) as numeric(19,4)) as mc
  from (select s.iperiod as iperiod, nullif(c.cexch_name, '') as cexch_name,
               s.nd_s as nd_s, s.md_f as md_f, s.nc_s as nc_s, s.mc_f as mc_f, s.md as md, s.mc as mc
          from GL_accsum s
          join code c on c.iyear = s.iyear and c.ccode = s.ccode
         where s.iyear = cast(:iyear as integer)
           and s.ccode like :KmCode
           and c.bend = 1
           and s.iperiod >= cast(:beginPeriod as integer)
           and s.iperiod <= cast(:endPeriod as integer)
           and (s.md <> 0 or s.mc <> 0 or s.md_f <> 0 or s.mc_f <> 0 or s.nd_s <> 0 or s.nc_s <> 0)
        union all
        select v.iperiod, v.cexch_name, v.nd_s, v.md_f, v.nc_s, v.mc_f, v.md, v.mc
          from GL_accvouch v
         where v.iyear = cast(:iyear as integer)
           and v.ccode like :KmCode
           and v.iperiod >= cast(:beginPeriod as integer)
           and v.iperiod <= cast(:endPeriod as integer)
           and v.cbook is null
           and v.ibook <> 1
           and (v.iflag is null or v.iflag = 2)
           and cast(:bVouch as integer) = 1) m
 group by m.iperiod, m.cexch_name
 order by m.iperiod, case when m.cexch_name is null then 0 else 1 end, m.cexch_name
