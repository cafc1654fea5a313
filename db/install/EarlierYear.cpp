#include "EarlierYear.h"

#include <QMap>
#include <QSet>

namespace qxmxz::db {

namespace {

// An account's movement, debit positive.
struct Net {
    Currency amount;
    Currency foreign;
    double quantity = 0;
};

QMap<QString, Net> netMovements(const QList<Voucher> &vouchers)
{
    QMap<QString, Net> net;
    for (const Voucher &v : vouchers) {
        if (v.voided)
            continue;
        for (const VoucherLine &line : v.lines) {
            if (line.invalid)
                continue;
            Net &n = net[line.code];
            n.amount += line.debit - line.credit;
            n.foreign += line.foreignDebit - line.foreignCredit;
            n.quantity += line.debitQuantity - line.creditQuantity;
        }
    }
    return net;
}

VoucherLine closingLine(const QString &code, const Net &balance)
{
    // The line that brings the balance to zero.
    VoucherLine line;
    line.code = code;
    if (balance.amount.sign() > 0) {
        line.credit = balance.amount;
        line.creditQuantity = balance.quantity;
    } else {
        line.debit = -balance.amount;
        line.debitQuantity = -balance.quantity;
    }
    return line;
}

Voucher closingVoucher(int year, const QString &digest, const QString &clerk, QList<VoucherLine> lines)
{
    Voucher v;
    v.period = 12;
    v.date = QDate(year, 12, 31);
    v.sign = QStringLiteral("转");
    v.digest = digest;
    v.maker = v.checker = v.poster = clerk;
    v.lines = std::move(lines);
    return v;
}

} // namespace

QList<Voucher> yearEndClosing(int year, const QList<Account> &chart, const QList<Voucher> &vouchers,
                              const QString &profitAccount, const QString &retainedAccount, const QString &clerk)
{
    QSet<QString> profitAndLoss;
    for (const Account &a : chart)
        if (a.accountClass == u"损益")
            profitAndLoss.insert(a.code);
    // Each account is closed per department, person and item, as its lines
    // carry them, so that every closing line keeps the items its account asks for.
    QMap<QStringList, Net> balances;
    for (const Voucher &v : vouchers) {
        if (v.voided)
            continue;
        for (const VoucherLine &line : v.lines) {
            if (line.invalid || !profitAndLoss.contains(line.code))
                continue;
            Net &n = balances[{line.code, line.department, line.person, line.itemClass, line.item}];
            n.amount += line.debit - line.credit;
            n.quantity += line.debitQuantity - line.creditQuantity;
        }
    }
    QList<VoucherLine> lines;
    Currency total; // what the profit account receives, debit positive
    for (auto it = balances.cbegin(); it != balances.cend(); ++it) {
        if (it->amount.isZero())
            continue;
        VoucherLine line = closingLine(it.key()[0], *it);
        line.department = it.key()[1];
        line.person = it.key()[2];
        line.itemClass = it.key()[3];
        line.item = it.key()[4];
        lines << line;
        total += it->amount;
    }
    if (lines.isEmpty())
        return {};
    Net profit;
    profit.amount = -total;
    lines << closingLine(profitAccount, profit);
    QList<Voucher> closing{closingVoucher(year, QStringLiteral("结转本年损益"), clerk, lines)};
    Net profitBalance;
    profitBalance.amount = total;
    closing << closingVoucher(year, QStringLiteral("结转本年利润"), clerk,
                              {closingLine(profitAccount, profitBalance), closingLine(retainedAccount, profit)});
    return closing;
}

QMap<QString, Currency> netAmounts(const QList<Voucher> &vouchers)
{
    QMap<QString, Currency> amounts;
    const QMap<QString, Net> net = netMovements(vouchers);
    for (auto it = net.cbegin(); it != net.cend(); ++it)
        amounts.insert(it.key(), it->amount);
    return amounts;
}

QList<Opening> openingsLeadingTo(const QList<Opening> &nextOpenings, const QList<Voucher> &vouchers)
{
    QMap<QString, Net> balance;
    for (const Opening &o : nextOpenings)
        balance[o.code] = {o.amount, o.foreignAmount, o.quantity};
    const QMap<QString, Net> net = netMovements(vouchers);
    for (auto it = net.cbegin(); it != net.cend(); ++it) {
        Net &b = balance[it.key()];
        b.amount -= it->amount;
        b.foreign -= it->foreign;
        b.quantity -= it->quantity;
    }
    QList<Opening> openings;
    for (auto it = balance.cbegin(); it != balance.cend(); ++it)
        if (!it->amount.isZero() || !it->foreign.isZero() || it->quantity != 0)
            openings << Opening{it.key(), it->amount, it->foreign, it->quantity};
    return openings;
}

} // namespace qxmxz::db
