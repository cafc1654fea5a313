#include <gtest/gtest.h>

#include <algorithm>

#include "MemorySqlite.h"

// Every shape of statement the component sends to its database, written as
// the component assembles it, translated by the SQLite dialect and run on a
// small accounting database.

namespace qxmxz {
namespace {

Rows sorted(Rows rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

class SqliteComponentStatements : public MemorySqlite {
protected:
    void SetUp() override
    {
        MemorySqlite::SetUp();
        given("CREATE TABLE code (iyear INTEGER, ccode TEXT, ccode_name TEXT, ccode_engl TEXT, igrade INTEGER,"
              " bend INTEGER, cexch_name TEXT, cmeasure TEXT)");
        given("INSERT INTO code VALUES"
              " (2026, '1001', '库存现金', 'Cash', 1, 1, NULL, NULL),"
              " (2026, '1002', '银行存款', 'Bank', 1, 0, NULL, NULL),"
              " (2026, '100201', '工行', 'ICBC', 2, 1, NULL, NULL),"
              " (2026, '100202', '中行美元', 'BOC USD', 2, 1, '美元', NULL),"
              " (2026, '1122', '应收账款', 'Receivables', 1, 1, NULL, NULL),"
              " (2026, '1403', '原材料', 'Materials', 1, 1, NULL, '吨')");
        given("CREATE TABLE department (cDepCode TEXT, cDepName TEXT)");
        given("INSERT INTO department VALUES ('01', '财务部'), ('02', '销售部'), ('03', '采购部'), ('0301', '采购一组')");
        given("CREATE TABLE data_rights (cUser_id TEXT, cObject TEXT, cACCode TEXT)");
        given("INSERT INTO data_rights VALUES ('u1', 'code', '1001'), ('u1', 'code', '1002'),"
              " ('u1', 'code', '100202'), ('u1', 'department', '01'), ('u1', 'department', '03')");

        given("CREATE TABLE GL_accvouch (iyear INTEGER, iperiod INTEGER, csign TEXT, isignseq INTEGER, ino_id INTEGER,"
              " inid INTEGER, dbill_date TEXT, ccode TEXT, cdigest TEXT, md NUMERIC, mc NUMERIC, md_f NUMERIC,"
              " mc_f NUMERIC, nd_s REAL, nc_s REAL, cexch_name TEXT, iflag INTEGER, ibook INTEGER, cbook TEXT,"
              " cperson_id TEXT)");
        // 记-7 and 记-8 are posted (period 1), 记-3 is not (period 2), 记-9 is a voided line.
        given("INSERT INTO GL_accvouch VALUES"
              " (2026, 1, '记', 1, 7, 1, '2026-01-15', '100201', '收到货款', 1000, 0, 0, 0, 0, 0, NULL, NULL, 1, 'demo', NULL),"
              " (2026, 1, '记', 1, 7, 2, '2026-01-15', '100201', '收到货款', 500, 0, 0, 0, 0, 0, NULL, 2, 1, 'demo', NULL),"
              " (2026, 1, '记', 1, 7, 3, '2026-01-15', '100201', '利息', 300, 0, 0, 0, 0, 0, NULL, NULL, 1, 'demo', NULL),"
              " (2026, 1, '记', 1, 7, 4, '2026-01-15', '100201', '手续费', 0, 100, 0, 0, 0, 0, NULL, NULL, 1, 'demo', NULL),"
              " (2026, 1, '记', 1, 7, 5, '2026-01-15', '100202', '收美元', 650, 0, 100, 0, 0, 0, '美元', NULL, 1, 'demo', NULL),"
              " (2026, 1, '记', 1, 7, 6, '2026-01-15', '1122', '冲应收', 0, 2350, 0, 0, 0, 0, NULL, NULL, 1, 'demo', 'P01'),"
              " (2026, 1, '记', 1, 8, 1, '2026-01-20', '1001', '提现', 200, 0, 0, 0, 0, 0, NULL, NULL, 1, 'demo', NULL),"
              " (2026, 1, '记', 1, 8, 2, '2026-01-20', '100201', '提现', 0, 200, 0, 0, 0, 0, NULL, NULL, 1, 'demo', NULL),"
              " (2026, 2, '记', 1, 3, 1, '2026-02-03', '1403', '购料', 300, 0, 0, 0, 2, 0, NULL, NULL, 0, NULL, 'P01'),"
              " (2026, 2, '记', 1, 3, 2, '2026-02-03', '100201', '购料', 0, 300, 0, 0, 0, 0, NULL, NULL, 0, NULL, NULL),"
              " (2026, 2, '记', 1, 9, 1, '2026-02-05', '100201', '作废', 999, 0, 0, 0, 0, 0, NULL, 1, 0, NULL, NULL)");
    }

    static QString codeRights() { return QStringLiteral("select cACCode from data_rights where cUser_id = N'u1' and cObject = N'code'"); }
    static QString departmentRights()
    {
        return QStringLiteral("select cACCode from data_rights where cUser_id = N'u1' and cObject = N'department'");
    }
};

TEST_F(SqliteComponentStatements, accountAndDepartmentRightJoins)
{
    const QString accountTail = ") Ta left outer join (" + codeRights() + ") Tc on Ta.ccode = Tc.cACCode  order by Ta.ccode";
    const QString accountHead = "select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where 1=1 ";

    // The rights of one account, by prefix: the first row without AuthId is the refused one.
    EXPECT_EQ(run("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where ccode like N'1002%') Ta"
                  " left outer join (" + codeRights() + ") Tc on Ta.ccode = Tc.cACCode  order by Ta.ccode",
                  {"CodeId", "Authid"}),
              (Rows{"1002|1002", "100201|<null>", "100202|100202"}));
    EXPECT_TRUE(run("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where ccode like N'9%') Ta"
                    " left outer join (" + codeRights() + ") Tc on Ta.ccode = Tc.cACCode  order by Ta.ccode")
                    .empty());

    EXPECT_EQ(run("select Ta.cDepName,Ta.cDepCode as cDepId,Tc.cACCode as AuthId from (select cDepCode,cDepName from department"
                  " where cDepCode  like N'0%') Ta left outer join (" + departmentRights() + ") Tc on Ta.cDepCode = Tc.cACCode"
                  " order by  Ta.cDepCode",
                  {"cDepName", "cDepId", "AuthId"}),
              (Rows{"财务部|01|01", "销售部|02|<null>", "采购部|03|03", "采购一组|0301|<null>"}));

    // Code ranges: end only (with the children of the end code), start only, both.
    EXPECT_EQ(run(accountHead + " and (ccode <= N'1002' or ccode like N'1002%') " + accountTail),
              (Rows{"1001|1001", "1002|1002", "100201|<null>", "100202|100202"}));
    EXPECT_EQ(run(accountHead + "and (ccode >= N'1122')" + accountTail), (Rows{"1122|<null>", "1403|<null>"}));
    EXPECT_EQ(run(accountHead + " and (ccode >=N'1002' and ccode <= N'1122' or ccode like N'1122%') " + accountTail),
              (Rows{"1002|1002", "100201|<null>", "100202|100202", "1122|<null>"}));
    EXPECT_EQ(run(accountHead + accountTail).size(), 6u);
    // Departments 03 to 01 exchanged: 01 to 03 plus the children of 03.
    EXPECT_EQ(run("select Ta.cDepName,Ta.cDepCode as cDepId,Tc.cACCode as AuthId from (select cDepCode,cDepName from department"
                  " where 1=1  and (cDepCode >=N'01' and cDepCode <= N'03' or cDepCode like N'03%') ) Ta left outer join ("
                  + departmentRights() + ") Tc on Ta.cDepCode = Tc.cACCode  order by Ta.cDepCode",
                  {"cDepId"}),
              (Rows{"01", "02", "03", "0301"}));

    // Grades, and end accounts only.
    EXPECT_EQ(run("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where iGrade >= 1 and iGrade <= 1"
                  + accountTail, {"CodeId"}),
              (Rows{"1001", "1002", "1122", "1403"}));
    EXPECT_EQ(run("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where bEnd = 1 "
                  " and (ccode <= N'1002' or ccode like N'1002%') " + accountTail),
              (Rows{"1001|1001", "100201|<null>", "100202|100202"}));

    // The query right of one account.
    EXPECT_EQ(run("Select Ta.* from (" + codeRights() + ") Ta where Ta.cACCode = N'100202'"), Rows{"100202"});
    EXPECT_TRUE(run("Select Ta.* from (" + codeRights() + ") Ta where Ta.cACCode = N'100201'").empty());
}

TEST_F(SqliteComponentStatements, printTemplatesAndUserDefinedItems)
{
    given("CREATE TABLE printEx (csystemname TEXT, ctablecode TEXT, ititleres INTEGER, cResPathHead TEXT, cResPathtail TEXT)");
    given("INSERT INTO printEx VALUES ('GL', 'mxz_je', 1, NULL, NULL), ('GL', 'mxz_sl', 0, 'sl_head.rep', NULL),"
          " ('FA', 'mxz_sl', 0, 'fa.rep', 'fa.rep')");
    EXPECT_EQ(run("select * from printEx where csystemname=N'GL' and ctablecode=N'mxz_sl' order by csystemname,ctablecode",
                  {"ititleres", "cResPathHead", "cResPathtail"}),
              Rows{"0|sl_head.rep|<null>"});

    given("CREATE TABLE userdef (cId TEXT, cClass TEXT, cItem TEXT, iDataSource INTEGER, bInput INTEGER)");
    given("INSERT INTO userdef VALUES ('U03', '单据头', '自定义项3', 1, 1), ('U04', '单据头', '自定义项4', 0, 0)");
    given("CREATE TABLE userdefine (cid TEXT, cValue TEXT, cAlias TEXT)");
    given("INSERT INTO userdefine VALUES ('U03', 'A01', '甲方'), ('U03', 'B02', '乙方'), ('U04', 'A01', '其他')");
    EXPECT_EQ(run("select * from userdef where cClass = N'单据头' and cItem = N'自定义项3'", {"cId", "iDataSource"}),
              Rows{"U03|1"});
    EXPECT_EQ(run("select * from userdefine where cid =(select cId from userdef where cclass='单据头' and citem='自定义项3')"
                  "and ( cValue like '%A%' or cAlias like '%A%')",
                  {"cValue", "cAlias"}),
              Rows{"A01|甲方"});
    EXPECT_EQ(run("select * from userdefine where cid =(select cId from userdef where cclass='单据头' and citem='自定义项3')"
                  " and (cValue like '%乙%' or cAlias like '%乙%')",
                  {"cValue"}),
              Rows{"B02"});

    given("CREATE TABLE person (cpersoncode TEXT, cpersonname TEXT, cdepcode TEXT)");
    given("INSERT INTO person VALUES ('0101', '张三', '01'), ('0301', '李四', '03'), ('0302', '王五', '03')");
    EXPECT_EQ(run("select cpersoncode,cpersonname,cdepcode from person where (person.cpersoncode like '%01%' or"
                  " person.cpersonname like '%01%') and person.cdepcode like '%03%'"),
              Rows{"0301|李四|03"});
    EXPECT_EQ(run("select cdepcode,cdepname from department where department.cdepcode like '%采购%' or"
                  " department.cdepname like '%采购%'"),
              (Rows{"03|采购部", "0301|采购一组"}));
}

TEST_F(SqliteComponentStatements, monthByMonthWorkingTables)
{
    EXPECT_EQ(run("select * from code where ccode like N'1002%' and iyear=2026", {"ccode"}),
              (Rows{"1002", "100201", "100202"}));
    EXPECT_EQ(run("select ccode from code where ((ccode >= N'1001' and ccode <= N'1002') or (ccode like N'1002%')) and bend =1"
                  " and iyear=2026"),
              (Rows{"1001", "100201", "100202"}));

    // The server month table: dropped (it may not exist yet), built by SELECT … INTO, indexed.
    const QString drop = QStringLiteral("Drop Table mxzmonth_u1");
    EXPECT_EQ(dialect().translate(drop), (SqlAction{SqlAction::Kind::Statement, drop, {}}));
    const QString build = "SELECT * INTO mxzmonth_u1 FROM GL_accvouch where ((ccode >= N'1001' and ccode <= N'1002') or"
                          " (ccode like N'1002%'))  and iperiod >= 1 and iperiod<= 2 and ibook=1 and (iflag=2 or iflag is NULL)"
                          " and iyear=2026 order by ccode,dbill_date,isignseq,ino_id,inid";
    for (int round = 0; round < 2; ++round) { // the next run replaces the table
        if (round > 0)
            run(drop);
        run(build);
        run("CREATE INDEX MyKey ON mxzmonth_u1 (ccode,iperiod);");
        EXPECT_EQ(run("Select * From mxzmonth_u1", {"ccode", "ino_id", "inid", "md", "mc"}),
                  (Rows{"1001|8|1|200|0", "100201|7|1|1000|0", "100201|7|2|500|0", "100201|7|3|300|0", "100201|7|4|0|100",
                        "100201|8|2|0|200", "100202|7|5|650|0"}));
    }
    // With unposted vouchers the condition leaves out " and ibook=1".
    run("Drop Table mxzmonth_u1");
    run("SELECT * INTO mxzmonth_u1 FROM GL_accvouch where ((ccode >= N'1001' and ccode <= N'1002') or (ccode like N'1002%')) "
        " and iperiod >= 1 and iperiod<= 2 and (iflag=2 or iflag is NULL) and iyear=2026 order by ccode,dbill_date,isignseq,ino_id,inid");
    EXPECT_EQ(run("Select * From mxzmonth_u1", {"ccode"}).size(), 8u);

    // The local month-by-month table and its index "ccode".
    run("CREATE TABLE yjmxz_1 (nian TEXT,yue TEXT,ri TEXT,PzId TEXT,ccode TEXT,ccode_name TEXT,cdigest TEXT,Price TEXT,Frate TEXT, "
        "nd_s Double,md_f Currency,md Currency,nc_s Double,mc_f Currency,mc Currency,"
        "cendd_c TEXT,ne_s Double,aPrice TEXT,me_f Currency,aFrat TEXT,mend Currency,"
        " cperson_id TEXT,ccus_id TEXT,cDept_id TEXT,citem_id TEXT, cn_m TEXT,cn_id TEXT,"
        "cbill TEXT,ccheck TEXT,csup_id TEXT,"
        "cdef1 TEXT,cdef2 TEXT,cdef3 TEXT,cdef4 TEXT,cdef5 TEXT,"
        "cdef6 TEXT,cdef7 TEXT,cdef8 TEXT,cdef9 TEXT,cdef10 TEXT,"
        "cdef11 TEXT,cdef12 TEXT,cdef13 TEXT,cdef14 TEXT,cdef15 TEXT,cdef16 TEXT,"
        "ccode_equal TEXT,coutsysname TEXT,ibook BYTE,Flag BYTE,iListCount long);");
    run("CREATE INDEX ccode ON yjmxz_1 (ccode,yue,Flag);");
    EXPECT_EQ(columns("select * from yjmxz_1").size(), 51u);
    given("INSERT INTO yjmxz_1 (nian, yue, ccode, cdigest, md, mend, Flag, iListCount) VALUES"
          " ('26', '01', '100201', '月计', 1800, 1500, 2, 3), ('26', '01', '100201', '期初余额', 0, 0, 0, 1),"
          " ('26', '01', '1002', '期初余额', 0, 0, 0, 2), ('26', '01', '100201', '收到货款', 1500, 1500, 1, 2)");
    EXPECT_EQ(run("Select * from yjmxz_1 order by ccode,ilistcount,nian,yue,flag", {"ccode", "cdigest", "Flag"}),
              (Rows{"1002|期初余额|0", "100201|期初余额|0", "100201|收到货款|1", "100201|月计|2"}));
    // The index is found under the name the dialect gives it.
    EXPECT_EQ(run("select name from sqlite_master where type='index' and tbl_name='yjmxz_1'"), Rows{"yjmxz_1_ccode"});
    run("Drop Table yjmxz_1");
    EXPECT_FALSE(hasTable("yjmxz_1"));
}

TEST_F(SqliteComponentStatements, detailLedgerAndPrintTables)
{
    const QString columnsOfMxfirst =
        " (Nian TEXT,Yue TEXT,Ri TEXT,PzId TEXT,ccode TEXT,CodeName TEXT,"
        "cDigest Memo,ccode_equal TEXT,Price TEXT,Frate TEXT,Snd_s Text,Smd_f TEXT,Smd TEXT,"
        "Snc_s TEXT,Smc_f TEXT,Smc TEXT,Scendd_c TEXT,Sne_s TEXT,aPrice TEXT,"
        "Sme_f TEXT,aFrat TEXT,Smend TEXT,cPerson_id TEXT,cCus_id TEXT,"
        "cDept_id TEXT,cItem_id TEXT,cn_m TEXT,cn_id TEXT,cbill TEXT,cCheck TEXT,cSup_id TEXT,"
        "cdef1 TEXT,cdef2 TEXT,cdef3 TEXT,cdef4 TEXT,cdef5 TEXT,"
        "cdef6 TEXT,cdef7 TEXT,cdef8 TEXT,cdef9 TEXT,cdef10 TEXT,"
        "cdef11 TEXT,cdef12 TEXT,cdef13 TEXT,cdef14 TEXT,cdef15 TEXT,cdef16 TEXT,"
        "coutsysname TEXT,iBook BIT);";
    // Two runs create mxfirst twice, each with its index "PrimaryKey".
    for (const QString &name : {QStringLiteral("mxfirst_1"), QStringLiteral("mxfirst_2")}) {
        run("CREATE TABLE " + name + columnsOfMxfirst);
        run("Create INDEX PrimaryKey ON " + name + " (PzId,ccode,cDept_id)");
        EXPECT_EQ(columns("select * from " + name).size(), 49u);
    }
    given("INSERT INTO mxfirst_2 (PzId, ccode, cDigest, Smd, iBook) VALUES ('记-0007', '100201', '*收到货款', '1,500.00', 0)");
    EXPECT_EQ(run("select * from mxfirst_2", {"PzId", "cDigest", "Smd", "iBook"}), Rows{"记-0007|*收到货款|1,500.00|0"});

    // The merged ledger's table, with its iListCount.
    run("CREATE TABLE mxfirst_3 (Nian TEXT,Yue TEXT,Ri TEXT,PzId TEXT,ccode TEXT,CodeName TEXT,"
        "cDigest TEXT,ccode_equal TEXT,Price TEXT,Frate TEXT,Snd_s Text,Smd_f TEXT,Smd TEXT,"
        "Snc_s TEXT,Smc_f TEXT,Smc TEXT,Scendd_c TEXT,Sne_s TEXT,aPrice TEXT,"
        "Sme_f TEXT,aFrat TEXT,Smend TEXT,cPerson_id TEXT,cCus_id TEXT,"
        "cDept_id TEXT,cItem_id TEXT,cn_m TEXT,cn_id TEXT,cbill TEXT,cCheck TEXT,cSup_id TEXT,"
        "cdef1 TEXT,cdef2 TEXT,cdef3 TEXT,cdef4 TEXT,cdef5 TEXT,"
        "cdef6 TEXT,cdef7 TEXT,cdef8 TEXT,cdef9 TEXT,cdef10 TEXT,"
        "cdef11 TEXT,cdef12 TEXT,cdef13 TEXT,cdef14 TEXT,cdef15 TEXT,cdef16 TEXT,"
        "coutsysname TEXT,iBook BIT,iListCount long);");
    EXPECT_EQ(columns("select * from mxfirst_3").size(), 50u);

    // Print tables.
    run("CREATE TABLE mxzprn_1 (t1 TEXT(50),t2 TEXT(180),t3 TEXT(50),t4 TEXT(50),t5 TEXT(50),t6 TEXT(50));");
    run("CREATE TABLE ZZprn_1 (t1 TEXT(50),t2 TEXT(50),t3 TEXT(50),t4 TEXT(50));");
    given("INSERT INTO mxzprn_1 (t1, t2) VALUES ('银行存款', '明细账')");
    EXPECT_EQ(run("select t1,t2 from mxzprn_1"), Rows{"银行存款|明细账"});
    run("Drop Table mxzprn_1");
    run("Drop Table ZZprn_1");
    EXPECT_FALSE(hasTable("mxzprn_1"));
}

TEST_F(SqliteComponentStatements, procedureCallsAndNocountAroundTheLedgerProcedures)
{
    EXPECT_EQ(dialect().translate("SET NOCOUNT OFF ").kind, SqlAction::Kind::Nothing);
    const SqlAction call = dialect().translate("GL_glCode " + QStringLiteral("'") + "1002" + "%'," + "1" + ",12,1" + "," + "2026");
    EXPECT_EQ(call, (SqlAction{SqlAction::Kind::ProcedureCall, QStringLiteral("GL_glCode"),
                               {QStringLiteral("1002%"), 1LL, 12LL, 1LL, 2026LL}}));
    const SqlAction posted = dialect().translate("GL_glCode '1002%',3,12,0,2026");
    EXPECT_EQ(posted.arguments.value(3), QVariant(0LL));
}

TEST_F(SqliteComponentStatements, mergedLedgerVoucherListGroupsAndSummaries)
{
    const QString posted = QStringLiteral(" and ibook = 1");
    auto voucherList = [](const QString &include) {
        return "select distinct ccode,iperiod,csign,isignseq,ino_id,dbill_date,ibook  from gl_accvouch where iyear=2026"
               " and ccode like N'1002%' and iperiod >= 1 and iperiod <= 2 and (iflag Is Null or iflag=2) "
               + include + " order by iperiod,dbill_date,isignseq,ino_id";
    };
    const QStringList fields = {"ccode", "iperiod", "csign", "ino_id", "ibook"};
    const Rows postedVouchers = run(voucherList(posted), fields);
    ASSERT_EQ(postedVouchers.size(), 3u);
    EXPECT_EQ(sorted({postedVouchers[0], postedVouchers[1]}), (Rows{"100201|1|记|7|1", "100202|1|记|7|1"}));
    EXPECT_EQ(postedVouchers[2], "100201|1|记|8|1");
    const Rows allVouchers = run(voucherList(" "), fields);
    ASSERT_EQ(allVouchers.size(), 4u);
    EXPECT_EQ(allVouchers[3], "100201|2|记|3|0");

    auto condition = [&](const QString &code, int period, int number) {
        return " where iyear=2026 and ccode = N'" + code + "' and iperiod = " + QString::number(period)
             + " and isignseq = 1 and ino_id = " + QString::number(number) + posted + " ";
    };
    auto bySummary = [](const QString &c) {
        return "(select cdigest,cexch_name,Sum(Md) as Md,0 as Mc,Sum(Md_f) as Md_f,0 as Mc_f,Sum(Nd_s) as Nd_s,"
               "0 as Nc_s from gl_accvouch " + c + " group by cdigest,cexch_name having(Sum(Md) <> 0)) "
               " union all (select cdigest,Cexch_name,0 as Md, Sum(Mc) as Mc,0 as Md_f,Sum(Mc_f) as Mc_f,0 as Nd_s,"
               "Sum(Nc_s) as Nc_s from gl_accvouch " + c + " group by cdigest,cexch_name having(Sum(Mc) <> 0))";
    };
    auto byAccount = [](const QString &c) {
        return "(select Cexch_name, Sum(Md) as Md,0 as Mc,Sum(Md_f) as Md_f,0 as Mc_f,Sum(Nd_s) as Nd_s,"
               "0 as Nc_s from gl_accvouch " + c + " and md <> 0 group by ccode,cexch_name)"
               " union all (select cexch_name, 0 as Md, Sum(Mc) as Mc,0 as Md_f,Sum(Mc_f) as Mc_f,0 as Nd_s,"
               "Sum(Nc_s) as Nc_s from gl_accvouch " + c + " and mc <> 0 group by ccode,cexch_name)";
    };

    // Per summary: the debit groups first, then the credit groups.
    const QStringList groupFields = {"cdigest", "cexch_name", "Md", "Mc", "Md_f", "Mc_f", "Nd_s", "Nc_s"};
    const Rows digestGroups = run(bySummary(condition("100201", 1, 7)), groupFields);
    ASSERT_EQ(digestGroups.size(), 3u);
    EXPECT_EQ(sorted({digestGroups[0], digestGroups[1]}),
              (Rows{"利息|<null>|300|0|0|0|0|0", "收到货款|<null>|1500|0|0|0|0|0"}));
    EXPECT_EQ(digestGroups[2], "手续费|<null>|0|100|0|0|0|0");

    // Per account: one debit group and one credit group, per currency.
    const QStringList accountFields = {"cexch_name", "Md", "Mc", "Md_f", "Mc_f"};
    EXPECT_EQ(run(byAccount(condition("100201", 1, 7)), accountFields), (Rows{"<null>|1800|0|0|0", "<null>|0|100|0|0"}));
    EXPECT_EQ(run(byAccount(condition("100202", 1, 7)), accountFields), Rows{"美元|650|0|100|0"});
    EXPECT_EQ(run(bySummary(condition("100201", 1, 8)), {"cdigest", "Md", "Mc"}), Rows{"提现|0|200"});

    // The summaries of the first debit and the first credit line.
    auto summary = [](const QString &side) {
        return "select cdigest from gl_accvouch where iyear=2026 and ccode = N'100201' and iperiod = 1 and isignseq = 1"
               " and ino_id = 7" + side;
    };
    EXPECT_EQ(sorted(run(summary(" and md <> 0 "))), (Rows{"利息", "收到货款", "收到货款"}));
    EXPECT_EQ(run(summary(" and mc <> 0 ")), Rows{"手续费"});
}

TEST_F(SqliteComponentStatements, currenciesAndCounterpartLines)
{
    given("CREATE TABLE foreigncurrency (i_id INTEGER, cexch_name TEXT)");
    given("INSERT INTO foreigncurrency VALUES (2, '欧元'), (1, '美元')");
    EXPECT_EQ(run("select cexch_name  from foreigncurrency order by i_id"), (Rows{"美元", "欧元"}));

    const QString tail = " and iperiod<=12 and iperiod>=1 and ibook=1 order by isignseq,ino_id,inid";
    const QString voucher = " and csign=N'记' and ino_id=8";
    EXPECT_EQ(run("Select md,mc from gl_accvouch where iyear=2026 and iperiod=1" + voucher
                  + " and ccode =N'1001' and (iflag=2 or iflag is null)" + tail),
              Rows{"200|0"});
    EXPECT_EQ(run("Select * from gl_accvouch where iyear=2026 and  iperiod=1" + voucher
                      + " and md<>0 and (iflag=2 or iflag is null)" + tail,
                  {"ccode"}),
              Rows{"1001"});
    EXPECT_EQ(run("Select * from gl_accvouch where iyear=2026 and  iperiod=1" + voucher
                      + " and mc<>0 and (iflag=2 or iflag is null)" + tail,
                  {"ccode", "mc"}),
              Rows{"100201|200"});
    // The credit line of 记-7 has several debit counterparts.
    EXPECT_EQ(run("Select * from gl_accvouch where iyear=2026 and iperiod=1 and csign=N'记' and ino_id=7"
                      " and md<>0 and (iflag=2 or iflag is null) and iperiod<=12 and iperiod>=1 and iperiod<=1"
                      " order by isignseq,ino_id,inid",
                  {"inid"}),
              (Rows{"1", "2", "3", "5"}));
}

TEST_F(SqliteComponentStatements, conditionDialogAndFindDialogLists)
{
    EXPECT_EQ(run("select ccode,ccode_name,ccode_engl from code where igrade = 1  order by ccode"),
              (Rows{"1001|库存现金|Cash", "1002|银行存款|Bank", "1122|应收账款|Receivables", "1403|原材料|Materials"}));

    given("CREATE TABLE UA_User (cUser_id TEXT, cUser_Name TEXT, iAdmin INTEGER)");
    given("INSERT INTO UA_User VALUES ('u1', '张三', 0), ('u2', '李四', 0), ('u3', '王五', 1), ('u4', '赵六', 0)");
    given("CREATE TABLE ua_holdauth (cAcc_id TEXT, iYear INTEGER, cUser_id TEXT, iIsUser INTEGER, cAuth_id TEXT)");
    given("INSERT INTO ua_holdauth VALUES ('001', 2026, 'u1', 1, 'GL0306'), ('001', 2026, 'g1', 0, 'GL0306'),"
          " ('001', 2026, 'u3', 1, 'GL0305'), ('002', 2026, 'u4', 1, 'GL0306')");
    given("CREATE TABLE ua_role (cGroup_id TEXT, cUser_id TEXT)");
    given("INSERT INTO ua_role VALUES ('g1', 'u2')");

    // "GL0306", held directly or through a role.
    auto monthlyRight = [](const QString &user) {
        const QString q1 = "select cAuth_Id from ua_holdauth where cAcc_id = N'001' and iYear = 2026 and cUser_id  = N'" + user
                         + "' and iIsUser = 1 and cAuth_id = N'GL0306'";
        const QString q2 = "select ua_holdauth.cAuth_Id from ua_role inner join ua_holdauth on ua_role.cgroup_id =  "
                           " ua_holdauth.cUser_id where ua_holdauth.cAcc_id  = N'001' and ua_holdauth.iYear = 2026"
                           " and ua_holdauth.iIsUser = 0 and ua_holdauth.cAuth_id = N'GL0306' and ua_role.cUser_id = N'"
                         + user + "'";
        return "(" + q1 + ") union (" + q2 + ")";
    };
    EXPECT_EQ(run(monthlyRight("u1")), Rows{"GL0306"});
    EXPECT_EQ(run(monthlyRight("u2")), Rows{"GL0306"});
    EXPECT_TRUE(run(monthlyRight("u4")).empty());

    // Makers and checkers: users holding rights directly or through a role, no administrators.
    const QString users =
        "(select distinct(a.cuser_id),a.cuser_name from UA_User a inner join UA_Holdauth b on a.cuser_id =b.cuser_id "
        " where a.iadmin=0 and b.cacc_id =N'001' and b.iyear = 2026 and b.iIsUser = 1 ) union (select Distinct"
        " UA_User.cUser_id, UA_User.cUser_Name from UA_User Inner join UA_Role on UA_User.cUser_id =  UA_Role.cUser_id"
        " Inner join UA_HoldAuth on UA_Role.cGroup_Id = UA_HoldAuth.cUser_Id  where UA_User.iAdmin = 0 and "
        " UA_Holdauth.cAcc_id = N'001' and UA_Holdauth.iYear = 2026 and UA_HoldAuth.iIsUser = 0 )";
    EXPECT_EQ(sorted(run(users, {"cuser_id", "cuser_name"})), (Rows{"u1|张三", "u2|李四"}));

    given("CREATE TABLE GL_msysname (sysID TEXT, Sysname TEXT)");
    given("INSERT INTO GL_msysname VALUES ('GL', '总账'), ('PU', '采购'), ('AR', '应收')");
    EXPECT_EQ(sorted(run("select * from GL_msysname where sysid<>'PU' ", {"sysID", "Sysname"})), (Rows{"AR|应收", "GL|总账"}));
}

TEST_F(SqliteComponentStatements, generalLedgerPeriodSums)
{
    given("CREATE TABLE GL_accsum (iyear INTEGER, iperiod INTEGER, ccode TEXT, cbegind_c TEXT, mb NUMERIC, md NUMERIC,"
          " mc NUMERIC, mb_f NUMERIC, md_f NUMERIC, mc_f NUMERIC, nb_s REAL, nd_s REAL, nc_s REAL)");
    given("INSERT INTO GL_accsum VALUES"
          " (2026, 1, '1002', '借', 5000, 2450, 200, 0, 0, 0, 0, 0, 0),"
          " (2026, 2, '1002', '借', 7250, 0, 300, 0, 0, 0, 0, 0, 0),"
          " (2026, 1, '100201', '借', 3700, 1800, 300, 0, 0, 0, 0, 0, 0),"
          " (2026, 1, '100202', '借', 1300, 650, 0, 200, 100, 0, 0, 0, 0),"
          " (2026, 1, '1122', '贷', 800, 0, 2350, 0, 0, 0, 0, 0, 0),"
          " (2026, 1, '1403', '借', 600, 300, 0, 0, 0, 0, 4, 2, 0)");

    const QString s1 = "Sum(case when cbegind_c<>'贷' then mb else -mb end) as mbb,"
                       "Sum(md) as mdd, Sum(mc) as mcc,"
                       "Sum(case when code.cexch_name is null then 0 else (case when cbegind_c<>'贷' then mb_f else -mb_f end) end) as mbb_f,"
                       "Sum(case when code.cexch_name is null then 0 else md_f end) as mdd_f,"
                       "Sum(case when code.cexch_name is Null then 0 else mc_f end) as mcc_f,"
                       "Sum(case when code.cmeasure is null then 0 else (case when cbegind_c<>'贷' then nb_s else -nb_s end) end) as nbb_s,"
                       "Sum(case when code.cmeasure is null then 0 else nd_s end) as ndd_s,"
                       "Sum(case when code.cmeasure is Null then 0 else nc_s end) as ncc_s";
    const QString s2 = "Sum(md-mc) as mbb,"
                       "Sum(md) as mdd,Sum(mc) as mcc,"
                       "Sum(case when code.cexch_name is null then 0 else md_f-mc_f end) as mbb_f,"
                       "Sum(case when code.cexch_name is Null then 0 else md_f end) as mdd_f,"
                       "Sum(case when code.cexch_name is Null then 0 else mc_f end) as mcc_f,"
                       "Sum(case when code.cmeasure is null then 0 else nd_s-nc_s end) as nbb_s,"
                       "Sum(case when code.cmeasure is Null then 0 else nd_s end) as ndd_s,"
                       "Sum(case when code.cmeasure is Null then 0 else nc_s end) as ncc_s";
    auto postedSums = [&](const QString &accountCondition) {
        return "SELECT iPeriod," + s1 + " FROM GL_accsum Inner Join code On gl_accsum.iyear=code.iyear and  "
             + "GL_accsum.ccode = code.ccode " + accountCondition + " and code.iyear=2026 GROUP BY iperiod ORDER BY iperiod";
    };
    auto unpostedSums = [&](const QString &accountCondition) {
        return "SELECT iperiod," + s2 + " FROM GL_accvouch Inner Join code On gl_accvouch.iyear=code.iyear and "
             + "GL_accvouch.ccode = code.ccode " + accountCondition + " AND GL_accvouch.iperiod<=12 "
             + " AND cbook IS NULL AND (iflag IS Null Or iflag=2) AND iperiod>=1 and code.iyear=2026 "
             + " GROUP BY iperiod ORDER BY iperiod";
    };
    const QStringList fields = {"iPeriod", "mbb", "mdd", "mcc", "mbb_f", "mdd_f", "mcc_f", "nbb_s", "ndd_s", "ncc_s"};

    // A parent account sums its non-end accounts; a credit opening balance is negative.
    EXPECT_EQ(run(postedSums(" where GL_accsum.ccode like N'1002%' and code.bend=0 "), fields),
              (Rows{"1|5000|2450|200|0|0|0|0|0|0", "2|7250|0|300|0|0|0|0|0|0"}));
    EXPECT_EQ(run(postedSums(" where GL_accsum.ccode=N'1122'"), fields), Rows{"1|-800|0|2350|0|0|0|0|0|0"});
    EXPECT_EQ(run(postedSums(" where GL_accsum.ccode=N'100202'"), fields), Rows{"1|1300|650|0|200|100|0|0|0|0"});
    EXPECT_EQ(run(postedSums(" where GL_accsum.ccode=N'1403'"), fields), Rows{"1|600|300|0|0|0|0|4|2|0"});

    // Unposted lines (not yet booked), the voided line left out.
    EXPECT_EQ(run(unpostedSums(" where GL_accvouch.ccode like N'1002%'"), fields), Rows{"2|-300|0|300|0|0|0|0|0|0"});
    EXPECT_EQ(run(unpostedSums(" where GL_accvouch.ccode=N'1403' and GL_accvouch.cperson_id=N'P01'"), fields),
              Rows{"2|300|300|0|0|0|0|2|2|0"});
    EXPECT_TRUE(run(unpostedSums(" where GL_accvouch.ccode=N'1403' and GL_accvouch.cperson_id=N'P02'"), fields).empty());
}

} // namespace
} // namespace qxmxz
