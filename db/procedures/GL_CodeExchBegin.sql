-- Per currency (cexch_name Null: home currency) of the accounts like KmCode:
-- the movements of periods 1 … iPeriod-1 and the balance at the start of
-- iPeriod, signed debit-positive. The year opening comes from the period-1
-- sums of the end accounts only, so that a parent's sums (which repeat its
-- children's) are not counted twice; an opening belongs to the currency of
-- its account.
-- procedure: GL_CodeExchBegin
-- parameters: KmCode text, iPeriod integer, bVouch integer, iyear integer
-- returns: cexch_name text, nd_s quantity, md_f money, md money, nc_s quantity, mc_f money, mc money, ne_s quantity, me_f money, Me money
select cast(t.cexch_name as text) as cexch_name,
       cast(sum(t.nd_s) as double precision) as nd_s,
       cast(sum(t.md_f) as numeric(19,4)) as md_f,
       cast(sum(t.md) as numeric(19,4)) as md,
       cast(sum(t.nc_s) as double precision) as nc_s,
       cast(sum(t.mc_f) as numeric(19,4)) as mc_f,
       cast(sum(t.mc) as numeric(19,4)) as mc,
       cast(sum(t.ne_s) as double precision) as ne_s,
       cast(sum(t.me_f) as numeric(19,4)) as me_f,
       cast(sum(t.me) as numeric(19,4)) as Me
  from (select c.cexch_name as cexch_name,
               0 as nd_s, 0 as md_f, 0 as md, 0 as nc_s, 0 as mc_f, 0 as mc,
               case when s.cbegind_c = '贷' then -s.nb_s else s.nb_s end as ne_s,
               case when s.cbegind_c = '贷' then -s.mb_f else s.mb_f end as me_f,
               case when s.cbegind_c = '贷' then -s.mb else s.mb end as me
          from GL_accsum s
          join code c on c.iyear = s.iyear and c.ccode = s.ccode
         where s.iyear = cast(:iyear as integer)
           and s.iperiod = 1
           and c.bend = 1
           and s.ccode like :KmCode
        union all
        select v.cexch_name,
               v.nd_s, v.md_f, v.md, v.nc_s, v.mc_f, v.mc,
               v.nd_s - v.nc_s, v.md_f - v.mc_f, v.md - v.mc
          from GL_accvouch v
         where v.iyear = cast(:iyear as integer)
           and v.ccode like :KmCode
           and v.iperiod >= 1
           and v.iperiod < cast(:iPeriod as integer)
           and (v.iflag is null or v.iflag = 2)
           and (v.ibook = 1 or cast(:bVouch as integer) = 1)) t
 group by t.cexch_name
 order by case when t.cexch_name is null then 0 else 1 end, t.cexch_name
