#include "ReferenceData.h"

#include <QDate>
#include <QVariant>
#include <QVector>

#include "install/TableLoader.h"

namespace qxmxz::db {

namespace {

using Row = QVector<QVariant>;

void fill(Connection &connection, const QString &table, const QStringList &columns, const QList<Row> &rows)
{
    TableLoader loader(connection, table, columns);
    for (const Row &row : rows)
        loader.add(row);
    loader.finish();
}

const QVariant Null;

const QStringList AllRights{
    QStringLiteral("GL0301"),     QStringLiteral("GL030101"),   QStringLiteral("GL030102"),   QStringLiteral("GL030103"),
    QStringLiteral("GL0305"),     QStringLiteral("GL0306"),     QStringLiteral("GL03050102"), QStringLiteral("GL03050103"),
    QStringLiteral("GL03050104"), QStringLiteral("GL03050105")};

void loadOptions(Connection &connection, int year, const QString &accountSetName)
{
    const QList<std::pair<const char *, QString>> options{
        {"AccountSetId", QStringLiteral("001")},
        {"AccountSetName", accountSetName},
        {"Year", QString::number(year)},
        {"HomeCurrency", QStringLiteral("人民币")},
        {"QuantityDecimals", QStringLiteral("2")},
        {"PriceDecimals", QStringLiteral("2")},
        {"SummaryWidth", QStringLiteral("20")},
        {"AmountWidth", QStringLiteral("14")},
        {"QuantityWidth", QStringLiteral("10")},
        {"PriceWidth", QStringLiteral("10")},
        {"ForeignWidth", QStringLiteral("12")},
        {"RateWidth", QStringLiteral("8")},
        {"AccountRightsControlled", QStringLiteral("1")},
        {"NewReport", QStringLiteral("0")},
        {"NewReportDefault", QStringLiteral("0")},
        {"DirectionStyle", QStringLiteral("0")},
        {"SettingsKey", QStringLiteral("Software/QxMxz/GL")},
    };
    QList<Row> rows;
    for (const auto &[name, value] : options)
        rows << Row{QString::fromLatin1(name), value};
    fill(connection, QStringLiteral("gl_options"), {QStringLiteral("cname"), QStringLiteral("cvalue")}, rows);
}

void loadCalendar(Connection &connection, int year)
{
    QList<Row> rows;
    for (int month = 1; month <= 12; ++month) {
        const QDate begin(year, month, 1);
        rows << Row{year, month, begin, begin.addMonths(1).addDays(-1)};
    }
    fill(connection, QStringLiteral("gl_calendar"),
         {QStringLiteral("iyear"), QStringLiteral("iperiod"), QStringLiteral("dbegin"), QStringLiteral("dend")}, rows);
}

void loadVoucherTables(Connection &connection)
{
    fill(connection, QStringLiteral("dsign"), {QStringLiteral("csign"), QStringLiteral("isignseq"), QStringLiteral("ctext")},
         {{QStringLiteral("收"), 1, QStringLiteral("收款凭证")},
          {QStringLiteral("付"), 2, QStringLiteral("付款凭证")},
          {QStringLiteral("转"), 3, QStringLiteral("转账凭证")}});
    fill(connection, QStringLiteral("settlestyle"), {QStringLiteral("csscode"), QStringLiteral("cssname")},
         {{QStringLiteral("1"), QStringLiteral("现金")},
          {QStringLiteral("2"), QStringLiteral("转账支票")},
          {QStringLiteral("3"), QStringLiteral("电汇")},
          {QStringLiteral("4"), QStringLiteral("银行汇票")}});
    fill(connection, QStringLiteral("foreigncurrency"),
         {QStringLiteral("i_id"), QStringLiteral("cexch_name"), QStringLiteral("cexch_code"), QStringLiteral("bcal"), QStringLiteral("idec")},
         {{1, QStringLiteral("人民币"), QStringLiteral("CNY"), 1, 4},
          {2, QStringLiteral("美元"), QStringLiteral("USD"), 1, 4},
          {3, QStringLiteral("港币"), QStringLiteral("HKD"), 1, 4}});
    fill(connection, QStringLiteral("GL_msysname"), {QStringLiteral("sysid"), QStringLiteral("sysname")},
         {{QStringLiteral("GL"), QStringLiteral("总账")},
          {QStringLiteral("AR"), QStringLiteral("应收款管理")},
          {QStringLiteral("AP"), QStringLiteral("应付款管理")},
          {QStringLiteral("PU"), QStringLiteral("采购管理")},
          {QStringLiteral("SA"), QStringLiteral("销售管理")},
          {QStringLiteral("FA"), QStringLiteral("固定资产")}});
}

void loadOrganisation(Connection &connection)
{
    fill(connection, QStringLiteral("department"),
         {QStringLiteral("cdepcode"), QStringLiteral("cdepname"), QStringLiteral("idepgrade"), QStringLiteral("bdepend")},
         {{QStringLiteral("01"), QStringLiteral("总经理办公室"), 1, 1},
          {QStringLiteral("02"), QStringLiteral("财务部"), 1, 1},
          {QStringLiteral("03"), QStringLiteral("销售部"), 1, 0},
          {QStringLiteral("0301"), QStringLiteral("国内销售部"), 2, 1},
          {QStringLiteral("0302"), QStringLiteral("国际销售部"), 2, 1},
          {QStringLiteral("04"), QStringLiteral("采购部"), 1, 1},
          {QStringLiteral("05"), QStringLiteral("生产部"), 1, 1}});
    fill(connection, QStringLiteral("person"), {QStringLiteral("cpersoncode"), QStringLiteral("cpersonname"), QStringLiteral("cdepcode")},
         {{QStringLiteral("001"), QStringLiteral("张伟"), QStringLiteral("01")},
          {QStringLiteral("002"), QStringLiteral("王芳"), QStringLiteral("02")},
          {QStringLiteral("003"), QStringLiteral("李娜"), QStringLiteral("02")},
          {QStringLiteral("004"), QStringLiteral("刘洋"), QStringLiteral("0301")},
          {QStringLiteral("005"), QStringLiteral("陈静"), QStringLiteral("0302")},
          {QStringLiteral("006"), QStringLiteral("杨帆"), QStringLiteral("04")},
          {QStringLiteral("007"), QStringLiteral("赵磊"), QStringLiteral("05")},
          {QStringLiteral("008"), QStringLiteral("孙伟"), QStringLiteral("0301")}});
}

void loadPartners(Connection &connection)
{
    fill(connection, QStringLiteral("customerclass"), {QStringLiteral("ccccode"), QStringLiteral("cccname")},
         {{QStringLiteral("01"), QStringLiteral("国内客户")}, {QStringLiteral("02"), QStringLiteral("国外客户")}});
    fill(connection, QStringLiteral("vendorclass"), {QStringLiteral("cvccode"), QStringLiteral("cvcname")},
         {{QStringLiteral("01"), QStringLiteral("原材料供应商")}, {QStringLiteral("02"), QStringLiteral("服务供应商")}});
    fill(connection, QStringLiteral("districtclass"), {QStringLiteral("cdccode"), QStringLiteral("cdcname")},
         {{QStringLiteral("01"), QStringLiteral("华东")},
          {QStringLiteral("02"), QStringLiteral("华北")},
          {QStringLiteral("03"), QStringLiteral("华南")},
          {QStringLiteral("04"), QStringLiteral("海外")}});
    fill(connection, QStringLiteral("customer"),
         {QStringLiteral("ccuscode"), QStringLiteral("ccusname"), QStringLiteral("ccusabbname"), QStringLiteral("ccccode"), QStringLiteral("cdccode")},
         {{QStringLiteral("001"), QStringLiteral("上海明华贸易有限公司"), QStringLiteral("上海明华"), QStringLiteral("01"), QStringLiteral("01")},
          {QStringLiteral("002"), QStringLiteral("北京东方电子有限公司"), QStringLiteral("北京东方"), QStringLiteral("01"), QStringLiteral("02")},
          {QStringLiteral("003"), QStringLiteral("广州南方百货有限公司"), QStringLiteral("广州南方"), QStringLiteral("01"), QStringLiteral("03")},
          {QStringLiteral("004"), QStringLiteral("Pacific Trading LLC"), QStringLiteral("太平洋贸易"), QStringLiteral("02"), QStringLiteral("04")}});
    fill(connection, QStringLiteral("vendor"),
         {QStringLiteral("cvencode"), QStringLiteral("cvenname"), QStringLiteral("cvenabbname"), QStringLiteral("cvccode"), QStringLiteral("cdccode")},
         {{QStringLiteral("001"), QStringLiteral("宝山钢铁股份有限公司"), QStringLiteral("宝钢股份"), QStringLiteral("01"), QStringLiteral("01")},
          {QStringLiteral("002"), QStringLiteral("江西铜业股份有限公司"), QStringLiteral("江西铜业"), QStringLiteral("01"), QStringLiteral("03")},
          {QStringLiteral("003"), QStringLiteral("中石化化工销售有限公司"), QStringLiteral("中石化化工"), QStringLiteral("01"), QStringLiteral("02")},
          {QStringLiteral("004"), QStringLiteral("顺达物流有限公司"), QStringLiteral("顺达物流"), QStringLiteral("02"), QStringLiteral("01")}});
}

void loadItems(Connection &connection)
{
    fill(connection, QStringLiteral("fitem"), {QStringLiteral("citem_class"), QStringLiteral("citem_name")},
         {{QStringLiteral("00"), QStringLiteral("生产批次")},
          {QStringLiteral("01"), QStringLiteral("研发项目")},
          {QStringLiteral("ch"), QStringLiteral("存货")}});
    fill(connection, QStringLiteral("fitemss"),
         {QStringLiteral("citem_class"), QStringLiteral("citemcode"), QStringLiteral("citemname"), QStringLiteral("citemccode")},
         {{QStringLiteral("00"), QStringLiteral("SC01"), QStringLiteral("A型电机生产批次"), QStringLiteral("01")},
          {QStringLiteral("00"), QStringLiteral("SC02"), QStringLiteral("B型电机生产批次"), QStringLiteral("01")},
          {QStringLiteral("01"), QStringLiteral("YF01"), QStringLiteral("节能电机研发"), QStringLiteral("01")}});
    fill(connection, QStringLiteral("inventory"), {QStringLiteral("cinvcode"), QStringLiteral("cinvname"), QStringLiteral("cinvstd")},
         {{QStringLiteral("0101"), QStringLiteral("A型电机"), QStringLiteral("YD-A 2.2kW")},
          {QStringLiteral("0102"), QStringLiteral("B型电机"), QStringLiteral("YD-B 5.5kW")},
          {QStringLiteral("0201"), QStringLiteral("钢材"), QStringLiteral("Q235 6mm")},
          {QStringLiteral("0202"), QStringLiteral("电解铜"), QStringLiteral("1#")},
          {QStringLiteral("0203"), QStringLiteral("PP塑料粒子"), QStringLiteral("T30S")}});
}

void loadUserDefinedItems(Connection &connection)
{
    struct Item {
        const char *name;
        const char *type;
        int archive;
        const char *relArchive;
        const char *relField;
    };
    const Item items[16] = {
        {"合同号", "文本", 0, nullptr, nullptr},   {"发票号", "文本", 0, nullptr, nullptr},
        {"到期日", "日期", 0, nullptr, nullptr},   {"业务员", "文本", 1, "person", "cpersonname"},
        {"件数", "整型", 0, nullptr, nullptr},     {"折扣率", "数字", 0, nullptr, nullptr},
        {"备用项7", "文本", 0, nullptr, nullptr},  {"备用项8", "文本", 0, nullptr, nullptr},
        {"备用项9", "文本", 0, nullptr, nullptr},  {"备用项10", "文本", 0, nullptr, nullptr},
        {"备用项11", "文本", 0, nullptr, nullptr}, {"备用项12", "文本", 0, nullptr, nullptr},
        {"备用项13", "文本", 0, nullptr, nullptr}, {"备用项14", "文本", 0, nullptr, nullptr},
        {"备用项15", "文本", 0, nullptr, nullptr}, {"备用项16", "文本", 0, nullptr, nullptr},
    };
    QList<Row> rows;
    for (int n = 1; n <= 16; ++n) {
        const Item &item = items[n - 1];
        rows << Row{QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), QStringLiteral("单据头"),
                    QStringLiteral("自定义项%1").arg(n), QString::fromUtf8(item.name), QString::fromUtf8(item.type),
                    item.archive ? 1 : 0, 1, n == 1 ? 1 : 0, 0, item.archive,
                    item.relArchive ? QVariant(QString::fromLatin1(item.relArchive)) : Null,
                    item.relField ? QVariant(QString::fromLatin1(item.relField)) : Null};
    }
    fill(connection, QStringLiteral("userdef"),
         {QStringLiteral("cid"), QStringLiteral("cclass"), QStringLiteral("citem"), QStringLiteral("cname"), QStringLiteral("ctype"),
          QStringLiteral("iDataSource"), QStringLiteral("bInput"), QStringLiteral("bCheckVal"), QStringLiteral("bFixLength"),
          QStringLiteral("bArchive"), QStringLiteral("cRelArchive"), QStringLiteral("cRelField")},
         rows);

    QList<Row> values;
    const char *customers[4] = {"上海明华", "北京东方", "广州南方", "太平洋贸易"};
    for (int n = 1; n <= 12; ++n)
        values << Row{QStringLiteral("01"), QStringLiteral("HT2026-%1").arg(n, 3, 10, QLatin1Char('0')),
                      QStringLiteral("%1 供货合同").arg(QString::fromUtf8(customers[(n - 1) % 4]))};
    for (const char *name : {"刘洋", "陈静", "孙伟"})
        values << Row{QStringLiteral("04"), QString::fromUtf8(name), Null};
    fill(connection, QStringLiteral("userdefine"), {QStringLiteral("cid"), QStringLiteral("cValue"), QStringLiteral("cAlias")}, values);
}

void loadFunctionRights(Connection &connection, const QList<Row> &held)
{
    fill(connection, QStringLiteral("ua_holdauth"),
         {QStringLiteral("cAcc_id"), QStringLiteral("iYear"), QStringLiteral("cUser_id"), QStringLiteral("iIsUser"), QStringLiteral("cAuth_id")},
         held);
}

QList<Row> rightsHeld(int year, const QString &holder, int isUser, const QStringList &rights)
{
    QList<Row> held;
    for (const QString &right : rights)
        held << Row{QStringLiteral("001"), year, holder, isUser, right};
    return held;
}

void loadUsersAndRights(Connection &connection, int year)
{
    fill(connection, QStringLiteral("UA_User"),
         {QStringLiteral("cUser_Id"), QStringLiteral("cUser_Name"), QStringLiteral("iAdmin"), QStringLiteral("bAccRightExempt")},
         {{QStringLiteral("demo"), people::Demo, 0, 0},
          {QStringLiteral("wang"), people::Wang, 0, 0},
          {QStringLiteral("zhao"), people::Zhao, 0, 0},
          {QStringLiteral("zhou"), QStringLiteral("周敏"), 0, 0},
          {QStringLiteral("li"), people::Li, 0, 0},
          {QStringLiteral("sun"), people::Sun, 0, 0},
          {QStringLiteral("qian"), people::Qian, 0, 1},
          {QStringLiteral("admin"), QStringLiteral("系统管理员"), 1, 0}});
    fill(connection, QStringLiteral("UA_Role"), {QStringLiteral("cGroup_Id"), QStringLiteral("cUser_Id")},
         {{QStringLiteral("accountant"), QStringLiteral("wang")}});

    QList<Row> held;
    auto grant = [&held, year](const QString &holder, int isUser, const QStringList &rights) {
        held += rightsHeld(year, holder, isUser, rights);
    };
    for (const char *user : {"demo", "li", "sun", "qian", "admin"})
        grant(QString::fromLatin1(user), 1, AllRights);
    grant(QStringLiteral("accountant"), 0, AllRights);
    grant(QStringLiteral("zhao"), 1,
          {QStringLiteral("GL0301"), QStringLiteral("GL030101"), QStringLiteral("GL030102"), QStringLiteral("GL030103")});
    // zhou reads and prints every ledger but may not export any.
    grant(QStringLiteral("zhou"), 1,
          {QStringLiteral("GL0301"), QStringLiteral("GL030101"), QStringLiteral("GL030102"), QStringLiteral("GL0305"),
           QStringLiteral("GL0306"), QStringLiteral("GL03050102"), QStringLiteral("GL03050104")});
    loadFunctionRights(connection, held);

    QList<Row> data;
    for (const char *code : {"1001", "1002", "100200", "100201", "100202", "100203"})
        data << Row{QStringLiteral("li"), QStringLiteral("code"), QString::fromLatin1(code), QStringLiteral("R")};
    data << Row{QStringLiteral("li"), QStringLiteral("code"), QStringLiteral("1001"), QStringLiteral("W")};
    for (const char *department : {"01", "03", "0301"})
        data << Row{QStringLiteral("sun"), QStringLiteral("department"), QString::fromLatin1(department), QStringLiteral("R")};
    data << Row{QStringLiteral("qian"), QStringLiteral("code"), QStringLiteral("1001"), QStringLiteral("R")};
    fill(connection, QStringLiteral("ua_dataauth"),
         {QStringLiteral("cUser_id"), QStringLiteral("cObjectName"), QStringLiteral("cACCode"), QStringLiteral("cRight")}, data);

    fill(connection, QStringLiteral("ua_auth"), {QStringLiteral("cAuth_Id"), QStringLiteral("cAuth_Name")},
         {{QStringLiteral("GL0301"), QStringLiteral("账簿查询")},
          {QStringLiteral("GL030101"), QStringLiteral("总账")},
          {QStringLiteral("GL030102"), QStringLiteral("总账打印")},
          {QStringLiteral("GL030103"), QStringLiteral("总账输出")},
          {QStringLiteral("GL0305"), QStringLiteral("明细账")},
          {QStringLiteral("GL0306"), QStringLiteral("月份综合明细账")},
          {QStringLiteral("GL03050102"), QStringLiteral("明细账打印")},
          {QStringLiteral("GL03050103"), QStringLiteral("明细账输出")},
          {QStringLiteral("GL03050104"), QStringLiteral("月份综合明细账打印")},
          {QStringLiteral("GL03050105"), QStringLiteral("月份综合明细账输出")}});
}

void loadPrintSettings(Connection &connection)
{
    // Layout identifiers 1 … 12: detail ledger, journal, quantity ledger and
    // balance table, each in amount, foreign-currency and quantity form.
    const char *fields[6] = {"日期", "凭证号", "摘要", "借方", "贷方", "余额"};
    const int widths[6] = {10, 10, 30, 16, 16, 16};
    QList<Row> layouts;
    for (int table = 1; table <= 12; ++table)
        for (int field = 1; field <= 6; ++field)
            layouts << Row{table, field, table % 3 == 1 ? 30 : 25, QString::fromUtf8(fields[field - 1]), widths[field - 1]};
    fill(connection, QStringLiteral("GL_mybooktype"),
         {QStringLiteral("itable_id"), QStringLiteral("ifield_id"), QStringLiteral("itable_line"), QStringLiteral("cfield_name"),
          QStringLiteral("iwidth")},
         layouts);

    QList<Row> templates;
    int title = 100;
    for (const char *book : {"GLMxz", "GLRjz", "GLSl", "GLYeb", "GLZz"}) {
        for (const char *style : {"Je", "Sl", "Wb", "SlWb"}) {
            const QString code = QString::fromLatin1(book) + QString::fromLatin1(style);
            templates << Row{QStringLiteral("GL"), code, ++title, code + QStringLiteral(".rep"),
                             QString::fromLatin1(style) == u"Je" ? QVariant(code + QStringLiteral("_tail.rep")) : Null};
        }
    }
    templates << Row{QStringLiteral("GL"), QStringLiteral("GLXs"), 1, QStringLiteral("GLXs.rep"), QStringLiteral("GLXs_tail.rep")};
    templates << Row{QStringLiteral("GL"), QStringLiteral("GLRbb"), 150, QStringLiteral("GLRbb.rep"), Null};
    templates << Row{QStringLiteral("GL"), QStringLiteral("GLRbd"), 151, QStringLiteral("GLRbd.rep"), Null};
    fill(connection, QStringLiteral("printEx"),
         {QStringLiteral("csystemname"), QStringLiteral("ctablecode"), QStringLiteral("ititleres"), QStringLiteral("cResPathHead"),
          QStringLiteral("cResPathtail")},
         templates);
}

} // namespace

void loadEarlierYear(Connection &connection, int year)
{
    loadCalendar(connection, year);
    loadFunctionRights(connection, rightsHeld(year, QStringLiteral("demo"), 1, AllRights)
                                       + rightsHeld(year, QStringLiteral("admin"), 1, AllRights)
                                       + rightsHeld(year, QStringLiteral("accountant"), 0, AllRights));
}

void loadReferenceData(Connection &connection, int year, const QString &accountSetName)
{
    loadOptions(connection, year, accountSetName);
    loadCalendar(connection, year);
    loadVoucherTables(connection);
    loadOrganisation(connection);
    loadPartners(connection);
    loadItems(connection);
    loadUserDefinedItems(connection);
    loadUsersAndRights(connection, year);
    loadPrintSettings(connection);
}

} // namespace qxmxz::db
