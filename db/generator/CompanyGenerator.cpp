#include "install/AccountingDatabase.h"

#include <QDate>
#include <cmath>

#include "demo/ReferenceData.h"
#include "generator/GeneratedChart.h"
#include "generator/SeededRandom.h"
#include "install/CompanyParts.h"
#include "install/EarlierYear.h"
#include "install/SchemaStatements.h"
#include "install/TableLoader.h"
#include "install/VoucherBook.h"
#include "platform/Failure.h"

namespace qxmxz::db {

namespace {

using generated::Chart;

constexpr double UsdRate = 7.15;
constexpr double HkdRate = 0.915;

Currency cents(qint64 value)
{
    return Currency::fromUnits(value * 100);
}

Currency timesRate(Currency foreign, double rate)
{
    return Currency::fromDouble(std::round(foreign.toDouble() * rate * 100.0) / 100.0);
}

VoucherLine debit(const QString &code, Currency amount)
{
    VoucherLine line;
    line.code = code;
    line.debit = amount;
    return line;
}

VoucherLine credit(const QString &code, Currency amount)
{
    VoucherLine line;
    line.code = code;
    line.credit = amount;
    return line;
}

// The kinds of voucher a generated company is made of, each with its number
// of lines and its weight among all vouchers. The weights put about a tenth
// of all lines on the busy bank account 100201.
enum class Kind {
    Sale, SaleOfTwo, Collection, Purchase, Payment, BankExpense, CashExpense, BankCharge, MaterialIssue,
    Completion, CostOfSales, DollarReceipt, HongKongPayment, Payroll, SellingExpense, TravelAdvance,
    TravelSettlement, SalesReturn
};

struct KindInfo {
    Kind kind;
    int lines;
    int weight;
};

const KindInfo Kinds[] = {
    {Kind::Sale, 3, 14},          {Kind::SaleOfTwo, 4, 4},     {Kind::Collection, 2, 10},  {Kind::Purchase, 3, 10},
    {Kind::Payment, 2, 9},        {Kind::BankExpense, 2, 5},   {Kind::CashExpense, 2, 8},  {Kind::BankCharge, 2, 3},
    {Kind::MaterialIssue, 3, 6},  {Kind::Completion, 3, 5},    {Kind::CostOfSales, 2, 8},  {Kind::DollarReceipt, 2, 2},
    {Kind::HongKongPayment, 2, 2}, {Kind::Payroll, 4, 3},      {Kind::SellingExpense, 3, 3}, {Kind::TravelAdvance, 2, 2},
    {Kind::TravelSettlement, 2, 2}, {Kind::SalesReturn, 3, 1},
};

// A closed year has all its vouchers posted and knows no account opened since.
enum class YearKind { Current, Closed };

class Generator {
public:
    Generator(const Chart &chart, const CompanyOptions &options, YearKind yearKind)
        : m_chart(chart), m_options(options), m_yearKind(yearKind), m_random(options.seed)
    {
    }

    template <typename Book>
    void run(Book &&book)
    {
        const qint64 total = m_options.voucherLines;
        qint64 written = 0;
        while (written < total) {
            const qint64 remaining = total - written;
            Voucher v = m_options.oneBusyAccount ? makeBusy(remaining) : make(choose(remaining).kind);
            // Now and then a pair of lines struck out inside a valid voucher,
            // where that leaves no single line over.
            const qint64 after = remaining - v.lines.size() - 2;
            if (m_random.between(1, 100) == 1 && after >= 0 && after != 1)
                strikeOutPair(v);
            place(v, written, total);
            book(v);
            written += v.lines.size();
        }
    }

private:
    const KindInfo &ofLines(int lines)
    {
        for (const KindInfo &k : Kinds)
            if (k.lines == lines)
                return k;
        throw Failure(QStringLiteral("No voucher kind with %1 lines").arg(lines));
    }

    // A kind by weight, except where it would leave a single line over: the
    // company ends with exactly the lines asked for.
    const KindInfo &choose(qint64 remaining)
    {
        if (remaining <= 4)
            return ofLines(int(remaining));
        int sum = 0;
        for (const KindInfo &k : Kinds)
            sum += k.weight;
        qint64 pick = m_random.between(1, sum);
        const KindInfo *chosen = &Kinds[0];
        for (const KindInfo &k : Kinds) {
            pick -= k.weight;
            if (pick <= 0) {
                chosen = &k;
                break;
            }
        }
        if (remaining - chosen->lines == 1)
            return ofLines(chosen->lines == 4 ? 3 : chosen->lines + 1);
        return *chosen;
    }

    // Period and date follow the position among all lines, so vouchers come
    // in date order; the last days of the year stay unposted, and a few
    // vouchers are voided.
    void place(Voucher &v, qint64 written, qint64 total)
    {
        const double position = double(written) / double(total) * 12.0;
        v.period = std::min(12, int(position) + 1);
        const QDate first(m_options.year, v.period, 1);
        const int day = std::min(first.daysInMonth(), int((position - (v.period - 1)) * first.daysInMonth()) + 1);
        v.date = QDate(m_options.year, v.period, day);
        static const QStringList makers{people::Wang, people::Li, people::Sun};
        v.maker = m_random.pick(makers);
        v.checker = m_random.percent(75) ? people::Zhao : people::Qian;
        v.poster = people::Demo;
        if (m_yearKind == YearKind::Current && v.period == 12 && day >= 25)
            v.poster.clear();
        if (m_random.between(1, 500) == 1) {
            v.voided = true;
            v.poster.clear();
        }
    }

    Currency amount(qint64 lowYuan, qint64 highYuan) { return cents(m_random.between(lowYuan * 100, highYuan * 100)); }
    Currency vatOf(Currency net) { return Currency::fromDouble(std::round(net.toDouble() * 13.0) / 100.0); }
    int customerIndex() { return int(m_random.between(0, m_chart.customers.size() - 1)); }
    int supplierIndex() { return int(m_random.between(0, m_chart.suppliers.size() - 1)); }

    // A line of the voucher's first account and one of its last, both struck out.
    void strikeOutPair(Voucher &v)
    {
        const Currency a = amount(100, 5000);
        for (const bool isDebit : {true, false}) {
            VoucherLine line = isDebit ? v.lines.first() : v.lines.last();
            line.debit = isDebit ? a : Currency();
            line.credit = isDebit ? Currency() : a;
            line.foreignDebit = line.foreignCredit = Currency();
            line.debitQuantity = line.creditQuantity = 0;
            line.invalid = true;
            v.lines << line;
        }
    }

    // The bank account of a receipt: mostly the busy one, some to the account
    // opened this year.
    QString receivingBank()
    {
        if (m_yearKind == YearKind::Current && m_random.percent(10))
            return QString::fromLatin1(generated::NewBankAccount);
        return QStringLiteral("100201");
    }

    VoucherLine bankLine(Currency amount, bool isDebit)
    {
        const QString bank = isDebit ? receivingBank() : QStringLiteral("100201");
        VoucherLine line = isDebit ? debit(bank, amount) : credit(bank, amount);
        line.settlement = m_random.percent(50) ? QStringLiteral("2") : QStringLiteral("3");
        line.settlementNumber = QStringLiteral("N%1").arg(m_random.between(100000, 999999));
        return line;
    }

    VoucherLine quantityLine(const QString &code, double quantity, bool isDebit)
    {
        const Currency value = Currency::fromDouble(quantity * generated::unitCost(code));
        VoucherLine line = isDebit ? debit(code, value) : credit(code, value);
        (isDebit ? line.debitQuantity : line.creditQuantity) = quantity;
        return line;
    }

    VoucherLine revenueLine(const QString &code, int quantity)
    {
        const Currency value = cents(qint64(quantity) * m_random.between(50000, 150000));
        VoucherLine line = credit(code, value);
        line.creditQuantity = quantity;
        return line;
    }

    // A voucher of up to ten lines, all but one on 100201: the collections
    // of one customer or the payments of one supplier, several a voucher.
    Voucher makeBusy(qint64 remaining)
    {
        int lines = int(std::min<qint64>(10, remaining));
        if (remaining - lines == 1)
            --lines;
        Voucher v;
        const bool receipt = m_random.percent(50);
        Currency sum;
        for (int i = 1; i < lines; ++i) {
            const Currency a = amount(100, 20000);
            VoucherLine bank = receipt ? debit(QStringLiteral("100201"), a) : credit(QStringLiteral("100201"), a);
            bank.settlement = m_random.percent(50) ? QStringLiteral("2") : QStringLiteral("3");
            bank.settlementNumber = QStringLiteral("N%1").arg(m_random.between(100000, 999999));
            v.lines << bank;
            sum += a;
        }
        if (receipt) {
            const int c = customerIndex();
            VoucherLine receivable = credit(m_chart.customers[c], sum);
            receivable.customer = m_chart.customerCodes[c];
            v.lines << receivable;
            v.sign = QStringLiteral("收");
            v.digest = QStringLiteral("收到货款");
        } else {
            const int s = supplierIndex();
            VoucherLine payable = debit(m_chart.suppliers[s], sum);
            payable.supplier = m_chart.supplierCodes[s];
            v.lines.prepend(payable);
            v.sign = QStringLiteral("付");
            v.digest = QStringLiteral("支付货款");
        }
        return v;
    }

    Voucher make(Kind kind)
    {
        Voucher v;
        QList<VoucherLine> &l = v.lines;
        switch (kind) {
        case Kind::Sale:
        case Kind::SaleOfTwo: {
            const int c = customerIndex();
            l << revenueLine(m_random.pick(m_chart.revenues), int(m_random.between(1, 40)));
            if (kind == Kind::SaleOfTwo)
                l << revenueLine(m_random.pick(m_chart.revenues), int(m_random.between(1, 40)));
            Currency net;
            for (const VoucherLine &line : l)
                net += line.credit;
            const Currency vat = vatOf(net);
            l << credit(QStringLiteral("22210102"), vat);
            VoucherLine receivable = debit(m_chart.customers[c], net + vat);
            receivable.customer = m_chart.customerCodes[c];
            receivable.defines = {QStringLiteral("HT%1-%2").arg(m_options.year).arg(m_random.between(1, 999), 3, 10, QLatin1Char('0'))};
            l.prepend(receivable);
            v.sign = QStringLiteral("转");
            v.digest = QStringLiteral("销售产品");
            break;
        }
        case Kind::Collection: {
            const int c = customerIndex();
            const Currency a = amount(1000, 80000);
            VoucherLine receivable = credit(m_chart.customers[c], a);
            receivable.customer = m_chart.customerCodes[c];
            l << bankLine(a, true) << receivable;
            v.sign = QStringLiteral("收");
            v.digest = QStringLiteral("收到货款");
            break;
        }
        case Kind::Purchase: {
            const int s = supplierIndex();
            VoucherLine material = quantityLine(m_random.pick(m_chart.materials), double(m_random.between(10, 500)), true);
            const Currency vat = vatOf(material.debit);
            VoucherLine payable = credit(m_chart.suppliers[s], material.debit + vat);
            payable.supplier = m_chart.supplierCodes[s];
            l << material << debit(QStringLiteral("22210101"), vat) << payable;
            v.sign = QStringLiteral("转");
            v.digest = QStringLiteral("采购材料");
            break;
        }
        case Kind::Payment: {
            const int s = supplierIndex();
            const Currency a = amount(1000, 60000);
            VoucherLine payable = debit(m_chart.suppliers[s], a);
            payable.supplier = m_chart.supplierCodes[s];
            l << payable << bankLine(a, false);
            v.sign = QStringLiteral("付");
            v.digest = QStringLiteral("支付货款");
            break;
        }
        case Kind::BankExpense:
        case Kind::CashExpense: {
            const int e = int(m_random.between(0, m_chart.adminExpenses.size() - 1));
            const Currency a = kind == Kind::BankExpense ? amount(500, 20000) : amount(50, 2000);
            VoucherLine expense = debit(m_chart.adminExpenses[e], a);
            expense.department = m_chart.adminDepartments[e];
            l << expense << (kind == Kind::BankExpense ? bankLine(a, false) : credit(QStringLiteral("1001"), a));
            v.sign = QStringLiteral("付");
            v.digest = QStringLiteral("支付管理费用");
            break;
        }
        case Kind::BankCharge: {
            const Currency a = amount(10, 200);
            l << debit(QStringLiteral("660303"), a) << credit(QStringLiteral("100201"), a);
            v.sign = QStringLiteral("付");
            v.digest = QStringLiteral("支付银行手续费");
            break;
        }
        case Kind::MaterialIssue: {
            l << quantityLine(m_random.pick(m_chart.materials), double(m_random.between(5, 200)), false)
              << quantityLine(m_random.pick(m_chart.materials), double(m_random.between(5, 200)), false);
            VoucherLine production = debit(QStringLiteral("500101"), l[0].credit + l[1].credit);
            production.itemClass = QStringLiteral("00");
            production.item = m_random.percent(50) ? QStringLiteral("SC01") : QStringLiteral("SC02");
            l.prepend(production);
            v.sign = QStringLiteral("转");
            v.digest = QStringLiteral("生产领用材料");
            break;
        }
        case Kind::Completion: {
            VoucherLine goods = quantityLine(m_random.pick(m_chart.goods), double(m_random.between(5, 100)), true);
            const Currency labour = Currency::fromUnits(goods.debit.units() / 4);
            l << goods << credit(QStringLiteral("500101"), goods.debit - labour) << credit(QStringLiteral("500102"), labour);
            v.sign = QStringLiteral("转");
            v.digest = QStringLiteral("产品完工入库");
            break;
        }
        case Kind::CostOfSales: {
            VoucherLine goods = quantityLine(m_random.pick(m_chart.goods), double(m_random.between(1, 60)), false);
            l << debit(QStringLiteral("6401"), goods.credit) << goods;
            v.sign = QStringLiteral("转");
            v.digest = QStringLiteral("结转销售成本");
            break;
        }
        case Kind::DollarReceipt: {
            const Currency usd = amount(1000, 30000);
            const Currency home = timesRate(usd, UsdRate);
            VoucherLine bank = debit(QStringLiteral("100202"), home);
            bank.currency = QStringLiteral("美元");
            bank.foreignDebit = usd;
            bank.rate = UsdRate;
            l << bank << revenueLine(m_random.pick(m_chart.revenues), int(m_random.between(1, 20)));
            l[1].credit = home;
            v.sign = QStringLiteral("收");
            v.digest = QStringLiteral("收到出口货款");
            break;
        }
        case Kind::HongKongPayment: {
            const Currency hkd = amount(2000, 50000);
            const Currency home = timesRate(hkd, HkdRate);
            VoucherLine expense = debit(m_random.pick(m_chart.sellingExpenses), home);
            expense.department = QStringLiteral("0302");
            expense.person = QStringLiteral("005");
            VoucherLine bank = credit(QStringLiteral("100203"), home);
            bank.currency = QStringLiteral("港币");
            bank.foreignCredit = hkd;
            bank.rate = HkdRate;
            l << expense << bank;
            v.sign = QStringLiteral("付");
            v.digest = QStringLiteral("支付香港费用");
            break;
        }
        case Kind::Payroll: {
            const Currency production = amount(20000, 60000);
            const Currency office = amount(10000, 40000);
            const Currency selling = amount(5000, 30000);
            VoucherLine labour = debit(QStringLiteral("500102"), production);
            labour.itemClass = QStringLiteral("00");
            labour.item = QStringLiteral("SC01");
            VoucherLine salaries = debit(QStringLiteral("66020101"), office);
            salaries.department = QStringLiteral("01");
            VoucherLine sales = debit(m_random.pick(m_chart.sellingExpenses), selling);
            sales.department = QStringLiteral("0301");
            sales.person = QStringLiteral("004");
            l << labour << salaries << sales << credit(QStringLiteral("221101"), production + office + selling);
            v.sign = QStringLiteral("转");
            v.digest = QStringLiteral("计提工资");
            break;
        }
        case Kind::SellingExpense: {
            const Currency net = amount(500, 20000);
            const Currency vat = Currency::fromDouble(std::round(net.toDouble() * 6.0) / 100.0);
            VoucherLine expense = debit(m_random.pick(m_chart.sellingExpenses), net);
            expense.department = QStringLiteral("0301");
            expense.person = m_random.percent(50) ? QStringLiteral("004") : QStringLiteral("008");
            l << expense << debit(QStringLiteral("22210101"), vat) << bankLine(net + vat, false);
            v.sign = QStringLiteral("付");
            v.digest = QStringLiteral("支付销售费用");
            break;
        }
        case Kind::TravelSettlement: {
            // Travel expenses settled against the advances: 1221 goes through
            // zero and changes direction now and then.
            const int department = int(m_random.between(0, 5));
            const int e = 2 * 6 + department; // category 03, travel
            const Currency a = amount(500, 6000);
            VoucherLine expense = debit(m_chart.adminExpenses[e], a);
            expense.department = m_chart.adminDepartments[e];
            VoucherLine advance = credit(QStringLiteral("1221"), a);
            advance.person = m_random.percent(50) ? QStringLiteral("004") : QStringLiteral("006");
            l << expense << advance;
            v.sign = QStringLiteral("转");
            v.digest = QStringLiteral("报销差旅费");
            break;
        }
        case Kind::SalesReturn: {
            // A sale returned, booked in red ink: negative amounts and
            // quantities on the sides of the sale.
            const int c = customerIndex();
            VoucherLine revenue = revenueLine(m_random.pick(m_chart.revenues), int(m_random.between(1, 5)));
            revenue.credit = -revenue.credit;
            revenue.creditQuantity = -revenue.creditQuantity;
            const Currency vat = vatOf(revenue.credit);
            VoucherLine receivable = debit(m_chart.customers[c], revenue.credit + vat);
            receivable.customer = m_chart.customerCodes[c];
            l << receivable << revenue << credit(QStringLiteral("22210102"), vat);
            v.sign = QStringLiteral("转");
            v.digest = QStringLiteral("销售退回");
            break;
        }
        case Kind::TravelAdvance: {
            const Currency a = amount(500, 5000);
            VoucherLine advance = debit(QStringLiteral("1221"), a);
            advance.person = m_random.percent(50) ? QStringLiteral("004") : QStringLiteral("006");
            l << advance << credit(QStringLiteral("1001"), a);
            v.sign = QStringLiteral("付");
            v.digest = QStringLiteral("预借差旅费");
            break;
        }
        }
        return v;
    }

    const Chart &m_chart;
    CompanyOptions m_options;
    YearKind m_yearKind;
    SeededRandom m_random;
};

void writePartners(Connection &connection, const Chart &chart)
{
    TableLoader customers(connection, QStringLiteral("customer"),
                          {QStringLiteral("ccuscode"), QStringLiteral("ccusname"), QStringLiteral("ccusabbname"),
                           QStringLiteral("ccccode"), QStringLiteral("cdccode")});
    for (const QString &code : chart.customerCodes)
        customers.add({code, QStringLiteral("客户%1贸易有限公司").arg(code), QStringLiteral("客户%1").arg(code),
                       QStringLiteral("01"), QStringLiteral("0%1").arg(code.toInt() % 3 + 1)});
    customers.finish();
    TableLoader vendors(connection, QStringLiteral("vendor"),
                        {QStringLiteral("cvencode"), QStringLiteral("cvenname"), QStringLiteral("cvenabbname"),
                         QStringLiteral("cvccode"), QStringLiteral("cdccode")});
    for (const QString &code : chart.supplierCodes)
        vendors.add({code, QStringLiteral("供应商%1有限公司").arg(code), QStringLiteral("供应商%1").arg(code),
                     QStringLiteral("01"), QStringLiteral("0%1").arg(code.toInt() % 3 + 1)});
    vendors.finish();
}

// Building an index once over all lines is much faster than keeping it up
// to date line by line.
void dropVoucherIndexes(Connection &connection)
{
    for (const IndexStatement &index : accountingIndexes(QStringLiteral("GL_accvouch")))
        connection.execute(QStringLiteral("DROP INDEX ") + connection.dialect().indexName(QStringLiteral("GL_accvouch"), index.name));
}

void createVoucherIndexes(Connection &connection)
{
    for (const IndexStatement &index : accountingIndexes(QStringLiteral("GL_accvouch")))
        connection.execute(index.statement);
}

// The closed year before, with a tenth of the current year's lines, all
// posted and closed into retained earnings, leading into the current
// year's openings; its calendar and function rights (for some users only).
void writeClosedYear(Connection &connection, const Chart &chart, const CompanyOptions &options,
                     const QList<Opening> &currentOpenings)
{
    CompanyOptions closed = options;
    closed.year = options.year - 1;
    closed.voucherLines = std::max<qint64>(2, options.voucherLines / 10);
    closed.seed = options.seed ^ 0xC105EDULL;
    QList<Voucher> vouchers;
    Generator(chart, closed, YearKind::Closed).run([&](const Voucher &v) { vouchers << v; });
    vouchers += yearEndClosing(closed.year, chart.accounts, vouchers, QStringLiteral("4103"), QStringLiteral("410401"),
                               people::Wang);
    loadEarlierYear(connection, closed.year);
    writeChart(connection, closed.year, chart.accounts);
    writeOpenings(connection, closed.year, openingsLeadingTo(currentOpenings, vouchers));
    VoucherBook book(connection, closed.year, 1);
    for (const Voucher &v : std::as_const(vouchers))
        book.add(v);
    book.finish();
}

} // namespace

void generateCompany(Connection &connection, const CompanyOptions &options)
{
    if (options.voucherLines < 2)
        throw Failure(QStringLiteral("A generated company needs two voucher lines at least"));
    const Chart chart = generated::chart();
    SeededRandom openingsRandom(options.seed ^ 0x5EED0FE11ULL);
    connection.beginTransaction();
    try {
        loadReferenceData(connection, options.year,
                          QStringLiteral("生成公司 Generated Co. (%1 lines, seed %2)").arg(options.voucherLines).arg(options.seed));
        writePartners(connection, chart);
        writeChart(connection, options.year, chart.accounts, chart.addedLater);
        const QList<Opening> openings = generated::openings(chart, openingsRandom);
        writeOpenings(connection, options.year, openings);
        dropVoucherIndexes(connection);
        {
            VoucherBook book(connection, options.year, 1); // its lines use cDefine1 only
            Generator(chart, options, YearKind::Current).run([&](const Voucher &v) { book.add(v); });
            book.finish();
        }
        writeClosedYear(connection, chart, options, openings);
        createVoucherIndexes(connection);
        connection.commit();
    } catch (const Failure &failure) {
        connection.rollback();
        throw Failure(QStringLiteral("Cannot generate the company"), failure.describe());
    }
    rebuildAccountSums(connection, options.year);
    rebuildAccountSums(connection, options.year - 1);
    // Statistics of the loaded tables, so that the planner picks the partial
    // index of unposted lines and the code index of the ledgers.
    connection.execute(QStringLiteral("ANALYZE"));
}

} // namespace qxmxz::db
