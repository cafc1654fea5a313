-- The accounting database of one company account set: chart of accounts,
-- voucher lines, account period sums, reference tables, users and rights,
-- and the general-ledger options the ledgers read.
--
-- One file for SQLite and PostgreSQL: statements end with ";" at the end of a
-- line, and only types both accept are used. Money is numeric(19,4);
-- quantities and rates are double precision; flags are smallint 0/1 (never
-- boolean, because the ledgers write "bend = 1"). On SQLite a date column
-- holds 'YYYY-MM-DD' text, which sorts and compares like a date.

-- Chart of accounts. Codes are hierarchical by grade, lengths 4-2-2.
-- bproperty: 1 debit-natured, 0 credit-natured. cexch_name Null: home
-- currency only. cmeasure Null: no quantity. The b… flags name the
-- auxiliary items a line of the account carries (person, customer,
-- supplier, department, project item) and the account's kind (day book,
-- cash, bank).
CREATE TABLE code (
    iyear smallint NOT NULL,
    ccode varchar(40) NOT NULL,
    ccode_name varchar(100) NOT NULL,
    ccode_engl varchar(200),
    igrade smallint NOT NULL,
    bend smallint NOT NULL DEFAULT 0,
    bproperty smallint NOT NULL DEFAULT 1,
    cexch_name varchar(30),
    cmeasure varchar(20),
    bperson smallint NOT NULL DEFAULT 0,
    bcus smallint NOT NULL DEFAULT 0,
    bsup smallint NOT NULL DEFAULT 0,
    bdept smallint NOT NULL DEFAULT 0,
    bitem smallint NOT NULL DEFAULT 0,
    citem_class varchar(10),
    bday smallint NOT NULL DEFAULT 0,
    bcash smallint NOT NULL DEFAULT 0,
    bbank smallint NOT NULL DEFAULT 0,
    cclass varchar(20),
    CONSTRAINT code_year_code UNIQUE (iyear, ccode)
);

-- Voucher lines. ibook 1: posted (cbook names the poster); iflag Null or 2:
-- valid, 1: voided. ccode_equal lists the counterpart accounts of the line,
-- comma separated. coutsysname is the source system (Null for vouchers made
-- in the general ledger itself).
CREATE TABLE GL_accvouch (
    iyear smallint NOT NULL,
    iperiod smallint NOT NULL,
    csign varchar(10) NOT NULL,
    isignseq smallint NOT NULL,
    ino_id integer NOT NULL,
    inid integer NOT NULL,
    dbill_date date NOT NULL,
    cdigest varchar(200),
    ccode varchar(40) NOT NULL,
    cexch_name varchar(30),
    md numeric(19,4) NOT NULL DEFAULT 0,
    mc numeric(19,4) NOT NULL DEFAULT 0,
    md_f numeric(19,4) NOT NULL DEFAULT 0,
    mc_f numeric(19,4) NOT NULL DEFAULT 0,
    nfrat double precision NOT NULL DEFAULT 0,
    nd_s double precision NOT NULL DEFAULT 0,
    nc_s double precision NOT NULL DEFAULT 0,
    ibook smallint NOT NULL DEFAULT 0,
    cbook varchar(30),
    iflag smallint,
    cbill varchar(30),
    ccheck varchar(30),
    csettle varchar(10),
    cn_id varchar(40),
    cdept_id varchar(20),
    cperson_id varchar(20),
    ccus_id varchar(20),
    csup_id varchar(20),
    citem_id varchar(20),
    citem_class varchar(10),
    ccode_equal varchar(400),
    cDefine1 varchar(120),
    cDefine2 varchar(120),
    cDefine3 varchar(120),
    cDefine4 varchar(120),
    cDefine5 varchar(120),
    cDefine6 varchar(120),
    cDefine7 varchar(120),
    cDefine8 varchar(120),
    cDefine9 varchar(120),
    cDefine10 varchar(120),
    cDefine11 varchar(120),
    cDefine12 varchar(120),
    cDefine13 varchar(120),
    cDefine14 varchar(120),
    cDefine15 varchar(120),
    cDefine16 varchar(120),
    coutsysname varchar(30)
);
CREATE INDEX code_period ON GL_accvouch (iyear, ccode, iperiod, dbill_date, isignseq, ino_id, inid);
-- The lines of one voucher, and of one account in it: the merged ledger asks
-- for them voucher by voucher.
CREATE INDEX voucher ON GL_accvouch (iyear, iperiod, isignseq, ino_id, ccode);
-- A voucher by its type and number: the counterpart column asks for the lines
-- of the voucher of every line it shows.
CREATE INDEX voucher_sign ON GL_accvouch (iyear, iperiod, csign, ino_id);
-- The lines not yet posted: few, and read on their own by the general ledger.
CREATE INDEX unposted ON GL_accvouch (iyear, ccode, iperiod) WHERE cbook IS NULL;

-- Account period sums, one row per account and period 1 to 12. Balances are
-- magnitudes beside their direction word ('借' debit, '贷' credit, '平'
-- balanced); foreign and quantity balances take the direction of the amount.
-- Movements count posted lines only. An end account's rows hold its own sums;
-- a non-end account's rows hold the sums of its direct end-account children
-- only, so that the non-end rows under any code add up to that code's total
-- without counting a line twice. Period 1 mb of an end account is its
-- year-opening balance.
CREATE TABLE GL_accsum (
    iyear smallint NOT NULL,
    ccode varchar(40) NOT NULL,
    iperiod smallint NOT NULL,
    cbegind_c varchar(4) NOT NULL DEFAULT '平',
    mb numeric(19,4) NOT NULL DEFAULT 0,
    md numeric(19,4) NOT NULL DEFAULT 0,
    mc numeric(19,4) NOT NULL DEFAULT 0,
    cendd_c varchar(4) NOT NULL DEFAULT '平',
    me numeric(19,4) NOT NULL DEFAULT 0,
    mb_f numeric(19,4) NOT NULL DEFAULT 0,
    md_f numeric(19,4) NOT NULL DEFAULT 0,
    mc_f numeric(19,4) NOT NULL DEFAULT 0,
    me_f numeric(19,4) NOT NULL DEFAULT 0,
    nb_s double precision NOT NULL DEFAULT 0,
    nd_s double precision NOT NULL DEFAULT 0,
    nc_s double precision NOT NULL DEFAULT 0,
    ne_s double precision NOT NULL DEFAULT 0,
    CONSTRAINT gl_accsum_year_code_period UNIQUE (iyear, ccode, iperiod)
);

-- Currencies in display order (i_id); the home currency is listed too, so
-- that per-currency totals have a place for it. bcal 1: amount = foreign
-- amount × rate, 0: amount = foreign amount ÷ rate. idec: rate decimals.
CREATE TABLE foreigncurrency (
    i_id integer NOT NULL PRIMARY KEY,
    cexch_name varchar(30),
    cexch_code varchar(10),
    bcal smallint NOT NULL DEFAULT 1,
    idec smallint NOT NULL DEFAULT 4
);

-- Voucher types: 收 receipt, 付 payment, 转 transfer.
CREATE TABLE dsign (
    csign varchar(10) NOT NULL PRIMARY KEY,
    isignseq smallint NOT NULL,
    ctext varchar(40)
);

CREATE TABLE settlestyle (
    csscode varchar(10) NOT NULL PRIMARY KEY,
    cssname varchar(40) NOT NULL
);

CREATE TABLE department (
    cdepcode varchar(20) NOT NULL PRIMARY KEY,
    cdepname varchar(60) NOT NULL,
    idepgrade smallint NOT NULL DEFAULT 1,
    bdepend smallint NOT NULL DEFAULT 1
);

CREATE TABLE person (
    cpersoncode varchar(20) NOT NULL PRIMARY KEY,
    cpersonname varchar(40) NOT NULL,
    cdepcode varchar(20)
);

CREATE TABLE customerclass (
    ccccode varchar(20) NOT NULL PRIMARY KEY,
    cccname varchar(60) NOT NULL
);

CREATE TABLE vendorclass (
    cvccode varchar(20) NOT NULL PRIMARY KEY,
    cvcname varchar(60) NOT NULL
);

CREATE TABLE districtclass (
    cdccode varchar(20) NOT NULL PRIMARY KEY,
    cdcname varchar(60) NOT NULL
);

CREATE TABLE customer (
    ccuscode varchar(20) NOT NULL PRIMARY KEY,
    ccusname varchar(100) NOT NULL,
    ccusabbname varchar(60),
    ccccode varchar(20),
    cdccode varchar(20)
);

CREATE TABLE vendor (
    cvencode varchar(20) NOT NULL PRIMARY KEY,
    cvenname varchar(100) NOT NULL,
    cvenabbname varchar(60),
    cvccode varchar(20),
    cdccode varchar(20)
);

-- Project item classes and their items; class 'ch' stands for inventory.
CREATE TABLE fitem (
    citem_class varchar(10) NOT NULL PRIMARY KEY,
    citem_name varchar(60) NOT NULL
);

CREATE TABLE fitemss (
    citem_class varchar(10) NOT NULL,
    citemcode varchar(20) NOT NULL,
    citemname varchar(100) NOT NULL,
    citemccode varchar(20),
    CONSTRAINT fitemss_class_code UNIQUE (citem_class, citemcode)
);

CREATE TABLE inventory (
    cinvcode varchar(20) NOT NULL PRIMARY KEY,
    cinvname varchar(100) NOT NULL,
    cinvstd varchar(60)
);

-- User-defined items (cclass '单据头', citem '自定义项1' … '自定义项16') and
-- the values offered for them.
CREATE TABLE userdef (
    cid varchar(20) NOT NULL PRIMARY KEY,
    cclass varchar(20) NOT NULL,
    citem varchar(40) NOT NULL,
    cname varchar(60),
    ctype varchar(10),
    iDataSource smallint NOT NULL DEFAULT 0,
    bInput smallint NOT NULL DEFAULT 1,
    bCheckVal smallint NOT NULL DEFAULT 0,
    bFixLength smallint NOT NULL DEFAULT 0,
    bArchive smallint NOT NULL DEFAULT 0,
    cRelArchive varchar(60),
    cRelField varchar(60)
);

CREATE TABLE userdefine (
    cid varchar(20) NOT NULL,
    cValue varchar(120) NOT NULL,
    cAlias varchar(120)
);

-- Users, role membership (cGroup_Id is the role), function rights held by a
-- user (iIsUser 1) or by a role (iIsUser 0, cUser_id is the role), and data
-- rights: a user with at least one row for an object ('code', 'department',
-- 'fitem') may read only the listed codes of that object.
CREATE TABLE UA_User (
    cUser_Id varchar(20) NOT NULL PRIMARY KEY,
    cUser_Name varchar(40) NOT NULL,
    iAdmin smallint NOT NULL DEFAULT 0,
    bAccRightExempt smallint NOT NULL DEFAULT 0
);

CREATE TABLE UA_Role (
    cGroup_Id varchar(20) NOT NULL,
    cUser_Id varchar(20) NOT NULL
);

CREATE TABLE ua_holdauth (
    cAcc_id varchar(10) NOT NULL,
    iYear smallint NOT NULL,
    cUser_id varchar(20) NOT NULL,
    iIsUser smallint NOT NULL DEFAULT 1,
    cAuth_id varchar(20) NOT NULL
);

CREATE TABLE ua_dataauth (
    cUser_id varchar(20) NOT NULL,
    cObjectName varchar(20) NOT NULL,
    cACCode varchar(40) NOT NULL,
    cRight varchar(2) NOT NULL
);

-- Display names of the function rights.
CREATE TABLE ua_auth (
    cAuth_Id varchar(20) NOT NULL PRIMARY KEY,
    cAuth_Name varchar(60) NOT NULL
);

-- Print page layouts per layout identifier (itable_id 1 … 12).
CREATE TABLE GL_mybooktype (
    itable_id smallint NOT NULL,
    ifield_id smallint NOT NULL,
    itable_line smallint NOT NULL,
    cfield_name varchar(40),
    iwidth smallint
);

-- Print templates; paths are relative to the language folder under GLRep.
CREATE TABLE printEx (
    csystemname varchar(10) NOT NULL,
    ctablecode varchar(40) NOT NULL,
    ititleres integer,
    cResPathHead varchar(120),
    cResPathtail varchar(120)
);

-- Source systems of vouchers.
CREATE TABLE GL_msysname (
    sysid varchar(10) NOT NULL PRIMARY KEY,
    sysname varchar(40) NOT NULL
);

-- Fiscal calendar: the dates of each period of a year.
CREATE TABLE gl_calendar (
    iyear smallint NOT NULL,
    iperiod smallint NOT NULL,
    dbegin date NOT NULL,
    dend date NOT NULL,
    CONSTRAINT gl_calendar_year_period UNIQUE (iyear, iperiod)
);

-- General-ledger options of the account set, as name and text value.
CREATE TABLE gl_options (
    cname varchar(40) NOT NULL PRIMARY KEY,
    cvalue varchar(200)
);
