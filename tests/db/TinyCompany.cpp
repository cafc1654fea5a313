#include "TinyCompany.h"

#include "demo/ReferenceData.h"
#include "install/AccountingDatabase.h"
#include "install/CompanyParts.h"
#include "install/VoucherBook.h"

namespace qxmxz::test {

namespace {

using db::Voucher;
using db::VoucherLine;

Currency yuan(double value)
{
    return Currency::fromDouble(value);
}

VoucherLine line(const char *code, double debit, double credit)
{
    VoucherLine l;
    l.code = QString::fromLatin1(code);
    l.debit = yuan(debit);
    l.credit = yuan(credit);
    return l;
}

VoucherLine dr(const char *code, double amount) { return line(code, amount, 0); }
VoucherLine cr(const char *code, double amount) { return line(code, 0, amount); }

Voucher voucher(int month, int day, const char *sign, const char *digest, QList<VoucherLine> lines, bool posted = true)
{
    Voucher v;
    v.period = month;
    v.date = QDate(2026, month, day);
    v.sign = QString::fromUtf8(sign);
    v.digest = QString::fromUtf8(digest);
    v.maker = db::people::Wang;
    v.checker = db::people::Zhao;
    if (posted)
        v.poster = db::people::Demo;
    v.lines = std::move(lines);
    return v;
}

db::Account account(const char *code, const char *name, bool debit = true)
{
    db::Account a;
    a.code = QString::fromLatin1(code);
    a.name = QString::fromUtf8(name);
    a.debitNatured = debit;
    return a;
}

} // namespace

void writeTinyCompany(Connection &connection)
{
    connection.beginTransaction();
    db::loadReferenceData(connection, 2026, QStringLiteral("Tiny"));
    db::Account dollars = account("100202", "美元户");
    dollars.currency = QStringLiteral("美元");
    db::Account goods = account("140501", "商品");
    goods.unit = QStringLiteral("台");
    db::writeChart(connection, 2026,
                   {account("1002", "银行存款"), account("100201", "人民币户"), dollars, account("1122", "应收账款"),
                    account("112201", "客户甲"), account("1405", "库存商品"), goods, account("6001", "收入", false)});
    db::writeOpenings(connection, 2026,
                      {{QStringLiteral("100201"), yuan(10000), {}, 0},
                       {QStringLiteral("100202"), yuan(7100), yuan(1000), 0},
                       {QStringLiteral("112201"), yuan(3000), {}, 0},
                       {QStringLiteral("140501"), yuan(2000), {}, 20},
                       {QStringLiteral("6001"), yuan(-22100), {}, 0}});

    VoucherLine usdIn = dr("100202", 710);
    usdIn.currency = QStringLiteral("美元");
    usdIn.foreignDebit = yuan(100);
    usdIn.rate = 7.1;
    VoucherLine goodsIn = dr("140501", 1000);
    goodsIn.debitQuantity = 10;
    VoucherLine usdOut = cr("100202", 142);
    usdOut.currency = QStringLiteral("美元");
    usdOut.foreignCredit = yuan(20);
    usdOut.rate = 7.1;
    Voucher voided = voucher(3, 2, "收", "作废", {dr("100201", 999), cr("112201", 999)}, false);
    voided.voided = true;

    db::VoucherBook book(connection, 2026);
    book.add(voucher(1, 5, "收", "收款", {dr("100201", 500), cr("112201", 500)}));
    book.add(voucher(1, 20, "付", "退款", {dr("112201", 300), cr("100201", 300)}));
    book.add(voucher(2, 3, "收", "美元收款", {usdIn, cr("112201", 710)}));
    book.add(voucher(2, 3, "转", "购入商品", {goodsIn, cr("100201", 1000)}));
    book.add(voucher(2, 10, "收", "其他收入", {dr("100201", 50), cr("6001", 50)}));
    book.add(voucher(3, 1, "收", "未记账收款", {dr("100201", 200), cr("112201", 200)}, false));
    book.add(voided);
    book.add(voucher(3, 15, "付", "美元付款", {dr("6001", 142), usdOut}));
    book.finish();
    connection.commit();
    connection.execute(QStringLiteral("update GL_accvouch set iflag = 2 where iperiod = 2 and csign = '收' and ino_id = 2"));
    db::rebuildAccountSums(connection, 2026);
}

} // namespace qxmxz::test
