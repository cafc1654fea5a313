#include "DemoVouchers.h"

#include <QMap>
#include <algorithm>
#include <cmath>

#include "DemoChart.h"
#include "ReferenceData.h"
#include "generator/SeededRandom.h"
#include "install/EarlierYear.h"

namespace qxmxz::db::demo {

namespace {

Currency money(double value)
{
    return Currency::fromDouble(std::round(value * 100.0) / 100.0);
}

Currency hundreds(double value)
{
    return Currency::fromInteger(qint64(std::round(value / 100.0)) * 100);
}

Currency timesRate(Currency foreign, double rate)
{
    return money(foreign.toDouble() * rate);
}

// One voucher line, written fluently: Dr("100201", amount).settle("3", "…").
struct Line {
    VoucherLine v;

    Line &digest(const QString &text) { v.digest = text; return *this; }
    Line &quantity(double q)
    {
        (v.debit.isZero() ? v.creditQuantity : v.debitQuantity) = q;
        return *this;
    }
    Line &foreign(const char *currency, Currency amount, double rate)
    {
        v.currency = QString::fromUtf8(currency);
        (v.debit.isZero() ? v.foreignCredit : v.foreignDebit) = amount;
        v.rate = rate;
        return *this;
    }
    Line &department(const QString &code) { v.department = code; return *this; }
    Line &person(const QString &code) { v.person = code; return *this; }
    Line &customer(const QString &code) { v.customer = code; return *this; }
    Line &supplier(const QString &code) { v.supplier = code; return *this; }
    Line &item(const char *itemClass, const char *code)
    {
        v.itemClass = QString::fromLatin1(itemClass);
        v.item = QString::fromLatin1(code);
        return *this;
    }
    Line &settle(const char *method, const QString &number)
    {
        v.settlement = QString::fromLatin1(method);
        v.settlementNumber = number;
        return *this;
    }
    Line &define(int n, const QString &value)
    {
        while (v.defines.size() < n)
            v.defines << QString();
        v.defines[n - 1] = value;
        return *this;
    }
    operator VoucherLine() const { return v; }
};

Line Dr(const char *code, Currency amount)
{
    Line l;
    l.v.code = QString::fromLatin1(code);
    l.v.debit = amount;
    return l;
}

Line Cr(const char *code, Currency amount)
{
    Line l;
    l.v.code = QString::fromLatin1(code);
    l.v.credit = amount;
    return l;
}

struct Customer {
    const char *account;
    const char *code;
    const char *name; // short name, as in summaries
    int contract;     // first contract number of the customer
};

const Customer Domestic[3] = {
    {"112201", "001", "上海明华", 1},
    {"112202", "002", "北京东方", 2},
    {"112203", "003", "广州南方", 3},
};

struct Vendor {
    const char *account;
    const char *code;
    const char *name;
};

const Vendor Vendors[3] = {
    {"220201", "001", "宝钢股份"},
    {"220202", "002", "江西铜业"},
    {"220203", "003", "中石化化工"},
};

const double UsdRate[13] = {7.10, 7.12, 7.15, 7.18, 7.16, 7.20, 7.22, 7.19, 7.17, 7.14, 7.13, 7.16, 7.18};
const double HkdRate[13] = {0.91, 0.912, 0.915, 0.918, 0.916, 0.921, 0.923, 0.919, 0.917, 0.914, 0.913, 0.916, 0.918};

const Currency VatRate = Currency::fromUnits(1300); // 13 %

Currency vatOf(Currency net)
{
    return money(net.toDouble() * VatRate.toDouble());
}

// A foreign-currency account's balance in its currency and in RMB.
struct ForeignBalance {
    Currency foreign;
    Currency home;
};

class DemoYear {
public:
    explicit DemoYear(int year) : m_year(year), m_random(quint64(year) * 10000 + 101)
    {
        m_receivable["112201"] = Currency::fromInteger(320000);
        m_receivable["112202"] = Currency::fromInteger(185000);
        m_receivable["112203"] = Currency::fromInteger(5000);
        m_payable["220201"] = Currency::fromInteger(260000);
        m_payable["220202"] = Currency::fromInteger(145000);
        m_payable["220203"] = Currency::fromInteger(62000);
        m_usdBank = {Currency::fromInteger(120000), Currency::fromInteger(852000)};
        m_usdReceivable = {Currency::fromInteger(30000), Currency::fromInteger(213000)};
        m_hkdBank = {Currency::fromInteger(200000), Currency::fromInteger(182000)};
        m_wagesToPay = Currency::fromInteger(186000);
        m_vatToPay = Currency::fromInteger(48000);
        m_incomeTaxToPay = Currency::fromInteger(75000);
    }

    QList<Voucher> run()
    {
        QList<Voucher> all;
        for (int month = 1; month <= 12; ++month) {
            m_month = month;
            m_vouchers.clear();
            m_soldA = m_soldB = 0;
            m_inputVat = m_outputVat = {};
            monthOpening();
            sales();
            purchases();
            collections();
            payments();
            expenses();
            specialEvents();
            monthEnd();
            std::stable_sort(m_vouchers.begin(), m_vouchers.end(),
                             [](const Voucher &a, const Voucher &b) { return a.date < b.date; });
            if (m_year == CurrentYear) {
                if (month == 1)
                    useNewBankAccount();
                markUnposted();
            }
            all += m_vouchers;
        }
        return all;
    }

private:
    QDate day(int d) const { return QDate(m_year, m_month, std::min(d, lastDay())); }
    int lastDay() const { return QDate(m_year, m_month, 1).daysInMonth(); }
    QString numbered(const char *prefix, int n) const
    {
        return QStringLiteral("%1%2%3%4").arg(QLatin1String(prefix)).arg(m_year % 100, 2, 10, QLatin1Char('0'))
            .arg(m_month, 2, 10, QLatin1Char('0')).arg(n, 3, 10, QLatin1Char('0'));
    }
    QString wireNumber() { return numbered("DH", ++m_wires); }
    QString chequeNumber() { return numbered("ZP", ++m_cheques); }
    QString invoiceNumber() { return QStringLiteral("FP%1").arg(++m_invoices + 3100000, 8, 10, QLatin1Char('0')); }
    QString contract(int first) const
    {
        // Each customer has contracts first, first + 4, first + 8.
        const int n = first + 4 * ((m_month - 1) / 4);
        return QStringLiteral("HT2026-%1").arg(n, 3, 10, QLatin1Char('0'));
    }
    const QString &checker() { return m_random.percent(80) ? people::Zhao : people::Qian; }

    Voucher &add(int d, const char *sign, const QString &digest, const QString &maker, QList<VoucherLine> lines)
    {
        Voucher v;
        v.period = m_month;
        v.date = day(d);
        v.sign = QString::fromUtf8(sign);
        v.digest = digest;
        v.maker = maker;
        v.checker = checker();
        v.poster = people::Demo;
        v.lines = std::move(lines);
        m_vouchers.append(v);
        return m_vouchers.last();
    }

    void monthOpening()
    {
        // Wages of last month and the VAT and income tax due are paid early.
        if (!m_wagesToPay.isZero()) {
            add(5, "付", QStringLiteral("发放上月工资"), people::Li,
                {Dr("221101", m_wagesToPay), Cr("100201", m_wagesToPay).settle("3", wireNumber())});
            m_wagesToPay = {};
        }
        if (m_vatToPay.sign() > 0) {
            add(10, "付", QStringLiteral("缴纳上月增值税"), people::Li,
                {Dr("222102", m_vatToPay), Cr("100201", m_vatToPay).settle("3", wireNumber())});
            m_vatToPay = {};
        }
        if (m_month % 3 == 1 && m_incomeTaxToPay.sign() > 0) {
            add(12, "付", QStringLiteral("缴纳上季度企业所得税"), people::Li,
                {Dr("222103", m_incomeTaxToPay), Cr("100201", m_incomeTaxToPay).settle("3", wireNumber())});
            m_incomeTaxToPay = {};
        }
        for (int d : {2, 16}) {
            const Currency cash = Currency::fromInteger(m_random.between(5, 10) * 1000);
            add(d, "付", QStringLiteral("提取备用金"), people::Li,
                {Dr("1001", cash), Cr("100201", cash).settle("2", chequeNumber())});
        }
    }

    void sale(int d, const Customer &c, int motorsA, int motorsB, bool fromReceivables = false)
    {
        const Currency netA = Currency::fromInteger(motorsA * prices::MotorAPrice);
        const Currency netB = Currency::fromInteger(motorsB * prices::MotorBPrice);
        const Currency vat = vatOf(netA + netB);
        const Currency total = netA + netB + vat;
        const QString digest = QStringLiteral("销售电机给%1").arg(QString::fromUtf8(c.name));
        Line receivable = Dr(c.account, total).customer(QString::fromLatin1(c.code));
        receivable.define(1, contract(c.contract)).define(2, invoiceNumber())
            .define(4, m_random.percent(50) ? QStringLiteral("刘洋") : QStringLiteral("孙伟"))
            .define(5, QString::number(motorsA + motorsB));
        QList<VoucherLine> lines{receivable};
        if (motorsA > 0)
            lines << Cr("600101", netA).quantity(motorsA).digest(QStringLiteral("A型电机 %1台").arg(motorsA));
        if (motorsB > 0)
            lines << Cr("600102", netB).quantity(motorsB).digest(QStringLiteral("B型电机 %1台").arg(motorsB));
        lines << Cr("22210102", vat).digest(QStringLiteral("销项税额"));
        Voucher &v = add(d, "转", digest, people::Sun, lines);
        if (fromReceivables)
            v.sourceSystem = QStringLiteral("AR");
        m_receivable[c.account] += total;
        m_outputVat += vat;
        m_soldA += motorsA;
        m_soldB += motorsB;
    }

    void sales()
    {
        for (int n = 0; n < 5; ++n) {
            // Until its prepayment is used up in May, 广州南方 buys nothing else.
            const int customers = m_month < 6 ? 2 : 3;
            const Customer &c = Domestic[m_random.between(0, customers - 1)];
            const int kind = int(m_random.between(0, 2));
            const int a = kind == 1 ? 0 : int(m_random.between(25, 60));
            const int b = kind == 0 ? 0 : int(m_random.between(8, 25));
            sale(int(m_random.between(3, 26)), c, a, b, m_month == 4 && n == 0);
        }
        if (m_month == 5)
            sale(12, Domestic[2], 0, 30);
        if (m_month % 2 == 0) {
            // Export of B motors, invoiced in US dollars, no VAT.
            const int b = int(m_random.between(20, 40));
            const Currency usd = Currency::fromInteger(b * 310);
            const double rate = UsdRate[m_month];
            const Currency home = timesRate(usd, rate);
            add(15, "转", QStringLiteral("出口B型电机给太平洋贸易"), people::Sun,
                {Dr("112204", home).foreign("美元", usd, rate).customer(QStringLiteral("004")).define(1, contract(4)),
                 Cr("600102", home).quantity(b).digest(QStringLiteral("B型电机 %1台").arg(b))});
            m_usdReceivable.foreign += usd;
            m_usdReceivable.home += home;
            m_soldB += b;
        }
    }

    void purchases()
    {
        struct Material {
            const char *account;
            int vendor;
            const char *digest;
            int low, high;
            double priceLow, priceHigh;
            int day;
        };
        const Material materials[3] = {
            {"140301", 0, "采购钢材", 15, 25, 4150, 4300, 6},
            {"140302", 1, "采购电解铜", 600, 1000, 66, 70, 9},
            {"140303", 2, "采购塑料粒子", 1000, 1500, 9, 10, 14},
        };
        for (const Material &m : materials) {
            const int quantity = int(m_random.between(m.low, m.high));
            const double price = m.priceLow + (m.priceHigh - m.priceLow) * double(m_random.between(0, 10)) / 10.0;
            const Currency net = money(quantity * price);
            const Currency vat = vatOf(net);
            const Vendor &vendor = Vendors[m.vendor];
            add(m.day, "转", QStringLiteral("%1 %2").arg(QString::fromUtf8(m.digest), QString::fromUtf8(vendor.name)), people::Wang,
                {Dr(m.account, net).quantity(quantity).define(2, invoiceNumber()),
                 Dr("22210101", vat).digest(QStringLiteral("进项税额")),
                 Cr(vendor.account, net + vat).supplier(QString::fromLatin1(vendor.code))});
            m_payable[vendor.account] += net + vat;
            m_inputVat += vat;
        }
    }

    void collections()
    {
        for (const Customer &c : Domestic) {
            for (int n = 0; n < 2; ++n) {
                Currency &balance = m_receivable[c.account];
                if (balance.sign() <= 0)
                    continue;
                const Currency amount = hundreds(balance.toDouble() * double(m_random.between(30, 60)) / 100.0);
                if (amount.sign() <= 0)
                    continue;
                add(int(m_random.between(4, 27)), "收", QStringLiteral("收到%1货款").arg(QString::fromUtf8(c.name)), people::Li,
                    {Dr("100201", amount).settle("3", wireNumber()),
                     Cr(c.account, amount).customer(QString::fromLatin1(c.code))});
                balance -= amount;
            }
        }
        if (m_month % 2 == 1 && m_month > 1) {
            const double rate = UsdRate[m_month];
            const Currency usd = hundreds(m_usdReceivable.foreign.toDouble() * 0.7);
            if (usd.sign() > 0) {
                const Currency home = timesRate(usd, rate);
                add(20, "收", QStringLiteral("收到太平洋贸易美元货款"), people::Li,
                    {Dr("100202", home).foreign("美元", usd, rate).settle("3", wireNumber()),
                     Cr("112204", home).foreign("美元", usd, rate).customer(QStringLiteral("004"))});
                m_usdBank.foreign += usd;
                m_usdBank.home += home;
                m_usdReceivable.foreign -= usd;
                m_usdReceivable.home -= home;
            }
        }
    }

    void payments()
    {
        for (const Vendor &v : Vendors) {
            Currency &balance = m_payable[v.account];
            const Currency amount = hundreds(balance.toDouble() * double(m_random.between(60, 90)) / 100.0);
            if (amount.sign() <= 0)
                continue;
            add(int(m_random.between(18, 25)), "付", QStringLiteral("支付%1货款").arg(QString::fromUtf8(v.name)), people::Li,
                {Dr(v.account, amount).supplier(QString::fromLatin1(v.code)), Cr("100201", amount).settle("2", chequeNumber())});
            balance -= amount;
        }
    }

    void expenses()
    {
        const QStringList officeDigests{QStringLiteral("购买办公用品"), QStringLiteral("支付快递费"),
                                        QStringLiteral("支付办公室水电费"), QStringLiteral("支付电话费")};
        const QStringList officeDepartments{QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("04")};
        for (int n = 0; n < 3; ++n) {
            const QString &department = m_random.pick(officeDepartments);
            const QString &digest = m_random.pick(officeDigests);
            if (m_random.percent(60)) {
                const Currency amount = money(double(m_random.between(20000, 150000)) / 100.0);
                add(int(m_random.between(3, 27)), "付", digest, people::Li,
                    {Dr("660202", amount).department(department), Cr("1001", amount)});
            } else {
                const Currency amount = Currency::fromInteger(m_random.between(10, 50) * 100);
                add(int(m_random.between(3, 27)), "付", digest, people::Li,
                    {Dr("660202", amount).department(department), Cr("100201", amount).settle("3", wireNumber())});
            }
        }
        struct Traveller {
            const char *person;
            const char *department;
            const char *name;
        };
        const Traveller travellers[3] = {{"004", "0301", "刘洋"}, {"005", "0302", "陈静"}, {"006", "04", "杨帆"}};
        const Traveller &t = travellers[(m_month - 1) % 3];
        const Currency advance = Currency::fromInteger(m_random.between(20, 50) * 100);
        const QString person = QString::fromLatin1(t.person);
        add(3, "付", QStringLiteral("%1预借差旅费").arg(QString::fromUtf8(t.name)), people::Li,
            {Dr("1221", advance).person(person), Cr("1001", advance)});
        add(int(m_random.between(19, 24)), "转", QStringLiteral("%1报销差旅费").arg(QString::fromUtf8(t.name)), people::Wang,
            {Dr("660203", advance).department(QString::fromLatin1(t.department)).person(person),
             Cr("1221", advance).person(person)});
        const QStringList chargeDigests{QStringLiteral("支付网银手续费"), QStringLiteral("支付电汇手续费"),
                                        QStringLiteral("支付账户管理费")};
        for (int n = 0; n < 10; ++n) {
            const Currency fee = money(double(m_random.between(1500, 20000)) / 100.0);
            add(int(m_random.between(1, 28)), "付", m_random.pick(chargeDigests), people::Li,
                {Dr("660303", fee), Cr("100201", fee)});
        }
        if (m_month % 3 == 2) {
            const double rate = HkdRate[m_month];
            const Currency hkd = Currency::fromInteger(m_random.between(20, 40) * 1000);
            const Currency home = timesRate(hkd, rate);
            add(22, "付", QStringLiteral("支付香港展会费用"), people::Li,
                {Dr("6601", home).department(QStringLiteral("0302")).person(QStringLiteral("005")),
                 Cr("100203", home).foreign("港币", hkd, rate).settle("3", wireNumber())});
            m_hkdBank.foreign -= hkd;
            m_hkdBank.home -= home;
        }
    }

    void specialEvents()
    {
        if (m_month == 2) {
            // A bill entered with the wrong amount: the two lines are struck
            // out inside the voucher and the right ones follow.
            Voucher &v = add(17, "付", QStringLiteral("支付办公室水电费"), people::Li,
                             {Dr("660202", Currency::fromInteger(1000)).department(QStringLiteral("01")),
                              Cr("100201", Currency::fromInteger(1000)),
                              Dr("660202", Currency::fromInteger(1200)).department(QStringLiteral("01")),
                              Cr("100201", Currency::fromInteger(1200)).settle("3", wireNumber())});
            v.lines[0].invalid = v.lines[1].invalid = true;
        }
        if (m_month == 7) {
            // The bank refunds charges it took twice in June: booked in red ink.
            const Currency refund = Currency::fromUnits(-1256800); // -125.68
            add(9, "付", QStringLiteral("冲销重复扣收的手续费"), people::Li, {Dr("660303", refund), Cr("100201", refund)});
        }
        if (m_month == 3) {
            // 广州南方 pays in advance: its receivable turns to a credit balance until May.
            const Currency prepaid = Currency::fromInteger(30000);
            add(8, "收", QStringLiteral("收到广州南方预付货款"), people::Li,
                {Dr("100201", prepaid).settle("3", wireNumber()), Cr("112203", prepaid).customer(QStringLiteral("003"))});
            m_receivable["112203"] -= prepaid;
        }
        if (m_month % 3 == 0) {
            const Currency interest = Currency::fromInteger(10875);
            add(21, "付", QStringLiteral("支付短期借款利息"), people::Li,
                {Dr("660301", interest), Cr("100201", interest).settle("3", wireNumber())});
            const Currency scrap = Currency::fromInteger(m_random.between(8, 20) * 100);
            add(25, "收", QStringLiteral("出售废料收入"), people::Li, {Dr("1001", scrap), Cr("6051", scrap)});
        }
        if (m_month == 6) {
            const Currency repaid = Currency::fromInteger(200000);
            add(30, "付", QStringLiteral("归还短期借款"), people::Li,
                {Dr("2001", repaid), Cr("100201", repaid).settle("3", wireNumber())});
            Voucher &voided = add(16, "付", QStringLiteral("支付办公用品费（重复录入）"), people::Li,
                                  {Dr("660202", Currency::fromInteger(860)).department(QStringLiteral("02")),
                                   Cr("1001", Currency::fromInteger(860))});
            voided.voided = true;
            voided.poster.clear();
        }
        if (m_month == 8) {
            const Currency gift = Currency::fromInteger(50000);
            add(18, "付", QStringLiteral("公益性捐赠"), people::Li,
                {Dr("6711", gift), Cr("100201", gift).settle("3", wireNumber())});
        }
        if (m_month == 9) {
            const Currency loan = Currency::fromInteger(300000);
            add(15, "收", QStringLiteral("取得短期借款"), people::Li,
                {Dr("100201", loan).settle("3", wireNumber()), Cr("2001", loan)});
        }
        if (m_month == 12) {
            Voucher &voided = add(8, "收", QStringLiteral("收到北京东方货款（金额有误）"), people::Li,
                                  {Dr("100201", Currency::fromInteger(52000)), Cr("112202", Currency::fromInteger(52000))
                                                                                  .customer(QStringLiteral("002"))});
            voided.voided = true;
            voided.poster.clear();
        }
    }

    void monthEnd()
    {
        const int end = lastDay();
        // Materials go to production at standard cost.
        const int steel = int(m_random.between(15, 20));
        const int copper = int(m_random.between(600, 900));
        const int pellets = int(m_random.between(1000, 1400));
        const Currency steelCost = Currency::fromInteger(steel * prices::SteelCost);
        const Currency copperCost = money(copper * prices::CopperCost);
        const Currency pelletCost = money(pellets * prices::PelletCost);
        const Currency materials = steelCost + copperCost + pelletCost;
        add(end, "转", QStringLiteral("生产领用原材料"), people::Wang,
            {Dr("500101", materials).item("00", "SC01"), Cr("140301", steelCost).quantity(steel),
             Cr("140302", copperCost).quantity(copper), Cr("140303", pelletCost).quantity(pellets)});

        const Currency labour = Currency::fromInteger(m_random.between(55, 65) * 1000);
        const Currency office = Currency::fromInteger(m_random.between(42, 48) * 1000);
        const Currency selling = Currency::fromInteger(m_random.between(30, 38) * 1000);
        add(end, "转", QStringLiteral("计提本月工资"), people::Wang,
            {Dr("500102", labour).item("00", "SC01"), Dr("660201", office).department(QStringLiteral("01")),
             Dr("6601", selling).department(QStringLiteral("0301")).person(QStringLiteral("004")),
             Cr("221101", labour + office + selling)});
        m_wagesToPay = labour + office + selling;

        const Currency plantDepreciation = Currency::fromInteger(18000);
        const Currency officeDepreciation = Currency::fromInteger(6000);
        add(end, "转", QStringLiteral("计提本月折旧"), people::Wang,
            {Dr("5101", plantDepreciation).department(QStringLiteral("05")),
             Dr("660204", officeDepreciation).department(QStringLiteral("01")),
             Cr("1602", plantDepreciation + officeDepreciation)});
        add(end, "转", QStringLiteral("结转制造费用"), people::Wang,
            {Dr("500103", plantDepreciation).item("00", "SC02"), Cr("5101", plantDepreciation).department(QStringLiteral("05"))});

        // Finished motors at standard cost; what is left stays in production.
        const qint64 valueA = qint64(materials.toDouble() * 0.55) + labour.units() / Currency::Scale;
        const int motorsA = int(valueA / prices::MotorACost);
        const Currency costA = Currency::fromInteger(motorsA * prices::MotorACost);
        add(end, "转", QStringLiteral("A型电机完工入库"), people::Wang,
            {Dr("140501", costA).quantity(motorsA), Cr("500101", costA - labour).item("00", "SC01"),
             Cr("500102", labour).item("00", "SC01")});
        const Currency leftForB = materials - (costA - labour) + plantDepreciation;
        const int motorsB = int(leftForB.units() / Currency::Scale / prices::MotorBCost);
        const Currency costB = Currency::fromInteger(motorsB * prices::MotorBCost);
        add(end, "转", QStringLiteral("B型电机完工入库"), people::Wang,
            {Dr("140502", costB).quantity(motorsB), Cr("500101", costB - plantDepreciation).item("00", "SC02"),
             Cr("500103", plantDepreciation).item("00", "SC02")});

        const Currency soldCostA = Currency::fromInteger(m_soldA * prices::MotorACost);
        const Currency soldCostB = Currency::fromInteger(m_soldB * prices::MotorBCost);
        if (m_soldA + m_soldB > 0) {
            QList<VoucherLine> lines{Dr("6401", soldCostA + soldCostB)};
            if (m_soldA > 0)
                lines << Cr("140501", soldCostA).quantity(m_soldA);
            if (m_soldB > 0)
                lines << Cr("140502", soldCostB).quantity(m_soldB);
            add(end, "转", QStringLiteral("结转本月销售成本"), people::Wang, lines);
        }

        const Currency vatDue = m_outputVat - m_inputVat;
        if (vatDue.sign() > 0) {
            add(end, "转", QStringLiteral("转出未交增值税"), people::Wang, {Dr("22210103", vatDue), Cr("222102", vatDue)});
            m_vatToPay += vatDue;
        }
        if (m_month % 3 == 0) {
            const Currency tax = Currency::fromInteger(m_random.between(60, 90) * 1000);
            add(end, "转", QStringLiteral("计提本季度企业所得税"), people::Wang, {Dr("6801", tax), Cr("222103", tax)});
            m_incomeTaxToPay += tax;
        }
        revaluation(end);
    }

    // Foreign balances are restated at the month-end rate; the difference
    // goes to exchange gains and losses.
    void revaluation(int end)
    {
        QList<VoucherLine> lines;
        Currency net; // gain positive
        auto restate = [&](const char *account, const char *currency, ForeignBalance &balance, double rate,
                           const char *customer = nullptr) {
            const Currency difference = timesRate(balance.foreign, rate) - balance.home;
            if (difference.isZero())
                return;
            Line line = difference.sign() > 0 ? Dr(account, difference) : Cr(account, -difference);
            line.v.currency = QString::fromUtf8(currency);
            line.v.rate = rate;
            if (customer)
                line.v.customer = QString::fromLatin1(customer);
            lines << line;
            balance.home += difference;
            net += difference;
        };
        restate("100202", "美元", m_usdBank, UsdRate[m_month + 1 > 12 ? 12 : m_month + 1]);
        restate("112204", "美元", m_usdReceivable, UsdRate[m_month + 1 > 12 ? 12 : m_month + 1], "004");
        restate("100203", "港币", m_hkdBank, HkdRate[m_month + 1 > 12 ? 12 : m_month + 1]);
        if (lines.isEmpty())
            return;
        if (!net.isZero())
            lines << (net.sign() > 0 ? Cr("660302", net) : Dr("660302", -net));
        add(end, "转", QStringLiteral("期末汇兑损益调整"), people::Wang, lines);
    }

    // 招商银行 is opened at the start of the year: the first cash withdrawal
    // and the first online-banking fee of January go through it.
    void useNewBankAccount()
    {
        bool withdrawal = false, fee = false;
        for (Voucher &v : m_vouchers) {
            bool &done = v.digest == u"提取备用金" ? withdrawal : v.digest == u"支付网银手续费" ? fee : withdrawal;
            if (done || (v.digest != u"提取备用金" && v.digest != u"支付网银手续费"))
                continue;
            for (VoucherLine &line : v.lines)
                if (line.code == u"100201")
                    line.code = QStringLiteral("100200");
            done = true;
        }
    }

    // The last days of the year are not posted yet, nor one office bill of November.
    void markUnposted()
    {
        for (Voucher &v : m_vouchers) {
            const bool yearEnd = m_month == 12 && v.date.day() >= 28;
            const bool lateBill = m_month == 11 && v.sign == u"付" && v.lines.first().code == u"660202" && v.date.day() >= 20;
            if ((yearEnd || lateBill) && !v.voided)
                v.poster.clear();
        }
    }

    int m_year;
    int m_month = 0;
    SeededRandom m_random;
    QList<Voucher> m_vouchers;
    QMap<QByteArray, Currency> m_receivable;
    QMap<QByteArray, Currency> m_payable;
    ForeignBalance m_usdBank, m_usdReceivable, m_hkdBank;
    Currency m_wagesToPay, m_vatToPay, m_incomeTaxToPay;
    Currency m_inputVat, m_outputVat;
    int m_soldA = 0, m_soldB = 0;
    int m_wires = 0, m_cheques = 0, m_invoices = 0;
};

} // namespace

QList<Voucher> vouchers(int year)
{
    return DemoYear(year).run();
}

QList<Voucher> yearEndClearing(int year, const QList<Voucher> &business)
{
    const QMap<QString, Currency> net = netAmounts(business);
    auto closing = [year](const QString &digest, QList<VoucherLine> lines) {
        Voucher v;
        v.period = 12;
        v.date = QDate(year, 12, 31);
        v.sign = QStringLiteral("转");
        v.digest = digest;
        v.maker = people::Wang;
        v.checker = people::Zhao;
        v.poster = people::Demo;
        v.lines = std::move(lines);
        return v;
    };
    // A line that brings a debit-positive balance to zero.
    auto clear = [](const char *code, Currency balance) {
        return balance.sign() > 0 ? Cr(code, balance) : Dr(code, -balance);
    };
    QList<Voucher> vouchers;
    const Currency input = net.value(QStringLiteral("22210101"));
    const Currency output = net.value(QStringLiteral("22210102"));
    const Currency transferred = net.value(QStringLiteral("22210103"));
    const Currency rest = input + output + transferred;
    QList<VoucherLine> vat{clear("22210101", input), clear("22210102", output), clear("22210103", transferred)};
    if (!rest.isZero())
        vat << (rest.sign() > 0 ? Dr("222102", rest) : Cr("222102", -rest));
    vouchers << closing(QStringLiteral("结平应交增值税明细"), vat);
    const Currency surplus = hundreds(net.value(QStringLiteral("1001")).toDouble());
    if (surplus.sign() > 0) {
        Voucher deposit = closing(QStringLiteral("库存现金存入银行"), {Dr("100201", surplus), Cr("1001", surplus)});
        deposit.sign = QStringLiteral("收");
        vouchers << deposit;
    }
    return vouchers;
}

} // namespace qxmxz::db::demo
