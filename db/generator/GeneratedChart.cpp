#include "GeneratedChart.h"

namespace qxmxz::db::generated {

namespace {

Account account(const QString &code, const QString &name, const QString &english, bool debit, const char *accountClass)
{
    Account a;
    a.code = code;
    a.name = name;
    a.englishName = english;
    a.debitNatured = debit;
    a.accountClass = QString::fromUtf8(accountClass);
    return a;
}

Account fixed(const char *code, const char *name, const char *english, bool debit, const char *accountClass)
{
    return account(QString::fromLatin1(code), QString::fromUtf8(name), QString::fromUtf8(english), debit, accountClass);
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

struct Department {
    const char *code;
    const char *name;
    const char *english;
};

const Department Departments[6] = {
    {"01", "总经理办公室", "General office"}, {"02", "财务部", "Finance"},        {"0301", "国内销售部", "Domestic sales"},
    {"0302", "国际销售部", "Export sales"},   {"04", "采购部", "Purchasing"},    {"05", "生产部", "Production"},
};

const char *const ExpenseCategories[10][2] = {
    {"工资", "Salaries"},         {"办公费", "Office expenses"}, {"差旅费", "Travel"},       {"折旧费", "Depreciation"},
    {"业务招待费", "Entertainment"}, {"通讯费", "Telecommunications"}, {"水电费", "Utilities"},  {"租赁费", "Rent"},
    {"修理费", "Repairs"},         {"咨询费", "Consulting"},
};

const char *const MaterialUnits[3] = {"千克", "吨", "件"};

} // namespace

double unitCost(const QString &code)
{
    const int n = code.right(2).toInt();
    if (code.startsWith(QLatin1String("1403")))
        return 5.0 + 7.5 * n; // 12.50 … 155.00
    return 300.0 + 50.0 * n;  // goods: 350.00 … 1,300.00
}

Chart chart()
{
    Chart c;
    QList<Account> &a = c.accounts;
    Account cash = fixed("1001", "库存现金", "Cash on hand", true, "资产");
    cash.cash = cash.journal = true;
    a << cash;
    Account bank = fixed("1002", "银行存款", "Bank deposits", true, "资产");
    bank.bank = bank.journal = true;
    a << bank;
    Account rmb = fixed("100201", "工商银行基本户", "ICBC basic account", true, "资产");
    rmb.bank = rmb.journal = true;
    a << rmb;
    Account usd = fixed("100202", "中国银行美元户", "Bank of China USD account", true, "资产");
    usd.bank = usd.journal = true;
    usd.currency = QStringLiteral("美元");
    a << usd;
    Account hkd = fixed("100203", "汇丰银行港币户", "HSBC HKD account", true, "资产");
    hkd.bank = hkd.journal = true;
    hkd.currency = QStringLiteral("港币");
    a << hkd;
    Account newBank = fixed(NewBankAccount, "建设银行一般户", "CCB general account", true, "资产");
    newBank.bank = newBank.journal = true;
    c.addedLater << newBank;

    Account receivable = fixed("1122", "应收账款", "Accounts receivable", true, "资产");
    receivable.byCustomer = true;
    a << receivable;
    for (int n = 1; n <= 40; ++n) {
        Account x = account(QStringLiteral("1122") + twoDigits(n), QStringLiteral("客户%1贸易有限公司").arg(100 + n),
                            QStringLiteral("Customer %1 Trading Co.").arg(100 + n), true, "资产");
        x.byCustomer = true;
        a << x;
        c.customers << x.code;
        c.customerCodes << QString::number(100 + n);
    }
    Account other = fixed("1221", "其他应收款", "Other receivables", true, "资产");
    other.byPerson = true;
    a << other;
    a << fixed("1403", "原材料", "Raw materials", true, "资产");
    for (int n = 1; n <= 20; ++n) {
        Account x = account(QStringLiteral("1403") + twoDigits(n), QStringLiteral("材料%1").arg(n),
                            QStringLiteral("Material %1").arg(n), true, "资产");
        x.unit = QString::fromUtf8(MaterialUnits[n % 3]);
        a << x;
        c.materials << x.code;
    }
    a << fixed("1405", "库存商品", "Finished goods", true, "资产");
    for (int n = 1; n <= 20; ++n) {
        Account x = account(QStringLiteral("1405") + twoDigits(n), QStringLiteral("产品%1").arg(n),
                            QStringLiteral("Product %1").arg(n), true, "资产");
        x.unit = QStringLiteral("台");
        a << x;
        c.goods << x.code;
    }
    a << fixed("1601", "固定资产", "Fixed assets", true, "资产");
    a << fixed("1602", "累计折旧", "Accumulated depreciation", false, "资产");
    a << fixed("2001", "短期借款", "Short-term loans", false, "负债");
    Account payable = fixed("2202", "应付账款", "Accounts payable", false, "负债");
    payable.bySupplier = true;
    a << payable;
    for (int n = 1; n <= 30; ++n) {
        Account x = account(QStringLiteral("2202") + twoDigits(n), QStringLiteral("供应商%1有限公司").arg(200 + n),
                            QStringLiteral("Supplier %1 Ltd.").arg(200 + n), false, "负债");
        x.bySupplier = true;
        a << x;
        c.suppliers << x.code;
        c.supplierCodes << QString::number(200 + n);
    }
    a << fixed("2211", "应付职工薪酬", "Employee benefits payable", false, "负债");
    a << fixed("221101", "工资", "Wages", false, "负债");
    a << fixed("221102", "社会保险费", "Social insurance", false, "负债");
    a << fixed("2221", "应交税费", "Taxes payable", false, "负债");
    a << fixed("222101", "应交增值税", "VAT payable", false, "负债");
    a << fixed("22210101", "进项税额", "Input VAT", true, "负债");
    a << fixed("22210102", "销项税额", "Output VAT", false, "负债");
    a << fixed("222102", "未交增值税", "Unpaid VAT", false, "负债");
    a << fixed("4001", "实收资本", "Paid-in capital", false, "权益");
    a << fixed("4103", "本年利润", "Profit of the year", false, "权益");
    a << fixed("4104", "利润分配", "Profit distribution", false, "权益");
    a << fixed("410401", "未分配利润", "Retained earnings", false, "权益");
    a << fixed("5001", "生产成本", "Production cost", true, "成本");
    a << fixed("500101", "直接材料", "Direct materials", true, "成本");
    a << fixed("500102", "直接人工", "Direct labour", true, "成本");
    a << fixed("6001", "主营业务收入", "Main business revenue", false, "损益");
    for (int n = 1; n <= 10; ++n) {
        Account x = account(QStringLiteral("6001") + twoDigits(n), QStringLiteral("产品%1销售收入").arg(n),
                            QStringLiteral("Sales of product %1").arg(n), false, "损益");
        x.unit = QStringLiteral("台");
        a << x;
        c.revenues << x.code;
    }
    a << fixed("6401", "主营业务成本", "Cost of main business", true, "损益");
    a << fixed("6601", "销售费用", "Selling expenses", true, "损益");
    const char *const selling[5][2] = {{"广告费", "Advertising"}, {"运输费", "Freight"}, {"展览费", "Exhibitions"},
                                       {"销售佣金", "Commissions"}, {"样品费", "Samples"}};
    for (int n = 1; n <= 5; ++n) {
        Account x = account(QStringLiteral("6601") + twoDigits(n), QString::fromUtf8(selling[n - 1][0]),
                            QString::fromUtf8(selling[n - 1][1]), true, "损益");
        x.byDepartment = x.byPerson = true;
        a << x;
        c.sellingExpenses << x.code;
    }
    a << fixed("6602", "管理费用", "Administrative expenses", true, "损益");
    for (int n = 1; n <= 10; ++n) {
        const QString category = QStringLiteral("6602") + twoDigits(n);
        a << account(category, QString::fromUtf8(ExpenseCategories[n - 1][0]), QString::fromUtf8(ExpenseCategories[n - 1][1]),
                     true, "损益");
        for (int d = 1; d <= 6; ++d) {
            const Department &department = Departments[d - 1];
            Account x = account(category + twoDigits(d), QString::fromUtf8(department.name),
                                QString::fromUtf8(department.english), true, "损益");
            x.byDepartment = true;
            a << x;
            c.adminExpenses << x.code;
            c.adminDepartments << QString::fromLatin1(department.code);
        }
    }
    a << fixed("6603", "财务费用", "Financial expenses", true, "损益");
    a << fixed("660301", "利息支出", "Interest expense", true, "损益");
    a << fixed("660302", "汇兑损益", "Exchange gains and losses", true, "损益");
    a << fixed("660303", "手续费", "Bank charges", true, "损益");
    a << fixed("6711", "营业外支出", "Non-operating expenses", true, "损益");
    return c;
}

QList<Opening> openings(const Chart &chart, SeededRandom &random)
{
    auto money = [](qint64 yuan) { return Currency::fromInteger(yuan); };
    QList<Opening> list{
        {QStringLiteral("1001"), money(50000), {}, 0},
        {QStringLiteral("100201"), money(5000000), {}, 0},
        {QStringLiteral("100202"), money(1420000), money(200000), 0},
        {QStringLiteral("100203"), money(273000), money(300000), 0},
        {QStringLiteral("1601"), money(8000000), {}, 0},
        {QStringLiteral("1602"), money(-2000000), {}, 0},
        {QStringLiteral("2001"), money(-3000000), {}, 0},
        {QStringLiteral("221101"), money(-300000), {}, 0},
        {QStringLiteral("222102"), money(-80000), {}, 0},
        {QStringLiteral("4001"), money(-10000000), {}, 0},
    };
    for (const QString &code : chart.customers)
        list.append({code, money(random.between(10, 200) * 1000), {}, 0});
    for (const QString &code : chart.suppliers)
        list.append({code, money(-random.between(10, 150) * 1000), {}, 0});
    for (const QStringList *group : {&chart.materials, &chart.goods}) {
        for (const QString &code : *group) {
            const int quantity = int(random.between(100, 2000));
            list.append({code, Currency::fromDouble(quantity * unitCost(code)), {}, double(quantity)});
        }
    }
    Currency sum;
    for (const Opening &o : list)
        sum += o.amount;
    list.append({QStringLiteral("410401"), -sum, {}, 0});
    return list;
}

} // namespace qxmxz::db::generated
