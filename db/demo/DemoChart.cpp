#include "DemoChart.h"

namespace qxmxz::db::demo {

namespace {

Account account(const char *code, const char *name, const char *english, bool debit, const char *accountClass)
{
    Account a;
    a.code = QString::fromLatin1(code);
    a.name = QString::fromUtf8(name);
    a.englishName = QString::fromUtf8(english);
    a.debitNatured = debit;
    a.accountClass = QString::fromUtf8(accountClass);
    return a;
}

Account asset(const char *code, const char *name, const char *english) { return account(code, name, english, true, "资产"); }
Account liability(const char *code, const char *name, const char *english) { return account(code, name, english, false, "负债"); }
Account equity(const char *code, const char *name, const char *english) { return account(code, name, english, false, "权益"); }
Account cost(const char *code, const char *name, const char *english) { return account(code, name, english, true, "成本"); }
Account income(const char *code, const char *name, const char *english) { return account(code, name, english, false, "损益"); }
Account expense(const char *code, const char *name, const char *english) { return account(code, name, english, true, "损益"); }

template <typename Change>
Account with(Account a, Change change)
{
    change(a);
    return a;
}

Opening opening(const char *code, double amount, double foreign = 0, double quantity = 0)
{
    return {QString::fromLatin1(code), Currency::fromDouble(amount), Currency::fromDouble(foreign), quantity};
}

} // namespace

QList<Account> chart()
{
    auto bank = [](Account a) { return with(a, [](Account &x) { x.bank = x.journal = true; }); };
    auto inCurrency = [](Account a, const char *currency) { return with(a, [currency](Account &x) { x.currency = QString::fromUtf8(currency); }); };
    auto inUnit = [](Account a, const char *unit) { return with(a, [unit](Account &x) { x.unit = QString::fromUtf8(unit); }); };
    auto byCustomer = [](Account a) { return with(a, [](Account &x) { x.byCustomer = true; }); };
    auto bySupplier = [](Account a) { return with(a, [](Account &x) { x.bySupplier = true; }); };
    auto byDepartment = [](Account a) { return with(a, [](Account &x) { x.byDepartment = true; }); };
    auto byPerson = [](Account a) { return with(a, [](Account &x) { x.byPerson = true; }); };
    auto byItem = [](Account a, const char *itemClass) {
        return with(a, [itemClass](Account &x) { x.byItem = true; x.itemClass = QString::fromLatin1(itemClass); });
    };

    return {
        with(asset("1001", "库存现金", "Cash on hand"), [](Account &x) { x.cash = x.journal = true; }),
        bank(asset("1002", "银行存款", "Bank deposits")),
        bank(asset("100201", "工商银行人民币户", "ICBC RMB account")),
        bank(inCurrency(asset("100202", "中国银行美元户", "Bank of China USD account"), "美元")),
        bank(inCurrency(asset("100203", "汇丰银行港币户", "HSBC HKD account"), "港币")),
        byCustomer(asset("1122", "应收账款", "Accounts receivable")),
        byCustomer(asset("112201", "上海明华贸易有限公司", "Shanghai Minghua Trading Co., Ltd.")),
        byCustomer(asset("112202", "北京东方电子有限公司", "Beijing Dongfang Electronics Co., Ltd.")),
        byCustomer(asset("112203", "广州南方百货有限公司", "Guangzhou Nanfang Department Store Co., Ltd.")),
        byCustomer(inCurrency(asset("112204", "Pacific Trading LLC", "Pacific Trading LLC"), "美元")),
        byPerson(asset("1221", "其他应收款", "Other receivables")),
        asset("1403", "原材料", "Raw materials"),
        inUnit(asset("140301", "钢材", "Steel"), "吨"),
        inUnit(asset("140302", "电解铜", "Copper"), "千克"),
        inUnit(asset("140303", "塑料粒子", "Plastic pellets"), "千克"),
        asset("1405", "库存商品", "Finished goods"),
        inUnit(asset("140501", "A型电机", "Motor type A"), "台"),
        inUnit(asset("140502", "B型电机", "Motor type B"), "台"),
        asset("1601", "固定资产", "Fixed assets"),
        with(asset("1602", "累计折旧", "Accumulated depreciation"), [](Account &x) { x.debitNatured = false; }),
        liability("2001", "短期借款", "Short-term loans"),
        bySupplier(liability("2202", "应付账款", "Accounts payable")),
        bySupplier(liability("220201", "宝山钢铁股份有限公司", "Baoshan Iron & Steel Co., Ltd.")),
        bySupplier(liability("220202", "江西铜业股份有限公司", "Jiangxi Copper Co., Ltd.")),
        bySupplier(liability("220203", "中石化化工销售有限公司", "Sinopec Chemical Sales Co., Ltd.")),
        liability("2211", "应付职工薪酬", "Employee benefits payable"),
        liability("221101", "工资", "Wages"),
        liability("221102", "社会保险费", "Social insurance"),
        liability("2221", "应交税费", "Taxes payable"),
        liability("222101", "应交增值税", "VAT payable"),
        with(liability("22210101", "进项税额", "Input VAT"), [](Account &x) { x.debitNatured = true; }),
        liability("22210102", "销项税额", "Output VAT"),
        with(liability("22210103", "转出未交增值税", "VAT transferred out"), [](Account &x) { x.debitNatured = true; }),
        liability("222102", "未交增值税", "Unpaid VAT"),
        liability("222103", "应交企业所得税", "Corporate income tax payable"),
        equity("4001", "实收资本", "Paid-in capital"),
        equity("4103", "本年利润", "Profit for the year"),
        equity("4104", "利润分配", "Profit distribution"),
        equity("410401", "未分配利润", "Retained earnings"),
        cost("5001", "生产成本", "Production cost"),
        byItem(cost("500101", "直接材料", "Direct materials"), "00"),
        byItem(cost("500102", "直接人工", "Direct labour"), "00"),
        byItem(cost("500103", "制造费用转入", "Overhead absorbed"), "00"),
        byDepartment(cost("5101", "制造费用", "Manufacturing overhead")),
        income("6001", "主营业务收入", "Main business revenue"),
        inUnit(income("600101", "A型电机销售收入", "Sales of motor type A"), "台"),
        inUnit(income("600102", "B型电机销售收入", "Sales of motor type B"), "台"),
        income("6051", "其他业务收入", "Other business revenue"),
        expense("6401", "主营业务成本", "Cost of main business"),
        expense("6403", "税金及附加", "Taxes and surcharges"),
        byPerson(byDepartment(expense("6601", "销售费用", "Selling expenses"))),
        expense("6602", "管理费用", "Administrative expenses"),
        byDepartment(expense("660201", "工资", "Salaries")),
        byDepartment(expense("660202", "办公费", "Office expenses")),
        byPerson(byDepartment(expense("660203", "差旅费", "Travel expenses"))),
        byDepartment(expense("660204", "折旧费", "Depreciation")),
        expense("6603", "财务费用", "Financial expenses"),
        expense("660301", "利息支出", "Interest expense"),
        expense("660302", "汇兑损益", "Exchange gains and losses"),
        expense("660303", "手续费", "Bank charges"),
        expense("6711", "营业外支出", "Non-operating expenses"),
        expense("6801", "所得税费用", "Income tax expense"),
    };
}

QList<Account> chartAddedLater()
{
    Account bank = asset("100200", "招商银行人民币户", "China Merchants Bank RMB account");
    bank.bank = bank.journal = true;
    return {bank};
}

QList<Opening> priorYearClosing()
{
    QList<Opening> list{
        opening("1001", 25000),
        opening("100201", 1850000),
        opening("100202", 852000, 120000),       // USD 120,000 at 7.10
        opening("100203", 182000, 200000),       // HKD 200,000 at 0.91
        opening("112201", 320000),
        opening("112202", 185000),
        opening("112203", 5000),
        opening("112204", 213000, 30000),        // USD 30,000 at 7.10
        opening("1221", 8000),
        opening("140301", 80 * 4200.0, 0, 80),
        opening("140302", 5000 * 68.0, 0, 5000),
        opening("140303", 12000 * 9.5, 0, 12000),
        opening("140501", 400 * 850.0, 0, 400),
        opening("140502", 250 * 1280.0, 0, 250),
        opening("1601", 3600000),
        opening("1602", -860000),
        opening("2001", -1000000),
        opening("220201", -260000),
        opening("220202", -145000),
        opening("220203", -62000),
        opening("221101", -186000),
        opening("222102", -48000),
        opening("222103", -75000),
        opening("4001", -5000000),
    };
    Currency sum;
    for (const Opening &o : list)
        sum += o.amount;
    list.append({QStringLiteral("410401"), -sum, {}, 0});
    return list;
}

QList<Opening> openings()
{
    QList<Opening> list = priorYearClosing();
    const Currency moved = Currency::fromInteger(60000); // to 招商银行 when it was opened
    for (Opening &o : list)
        if (o.code == u"100201")
            o.amount -= moved;
    list.append({QStringLiteral("100200"), moved, {}, 0});
    return list;
}

} // namespace qxmxz::db::demo
