#include "AccountingDatabase.h"

#include <QHash>
#include <QMap>
#include <array>
#include <cmath>

#include "platform/values/Currency.h"

// Recomputes the account period sums in memory, by a different route than
// the set-based rebuild, and compares them with the stored rows.
namespace qxmxz::db {

namespace {

constexpr int PeriodCount = 12;

// Signed (debit-positive) balance at the start of a period and its movements.
struct PeriodSums {
    Currency opening, debit, credit;
    Currency foreignOpening, foreignDebit, foreignCredit;
    double quantityOpening = 0, quantityDebit = 0, quantityCredit = 0;

    Currency closing() const { return opening + debit - credit; }
    Currency foreignClosing() const { return foreignOpening + foreignDebit - foreignCredit; }
    double quantityClosing() const { return quantityOpening + quantityDebit - quantityCredit; }

    void add(const PeriodSums &o)
    {
        opening += o.opening; debit += o.debit; credit += o.credit;
        foreignOpening += o.foreignOpening; foreignDebit += o.foreignDebit; foreignCredit += o.foreignCredit;
        quantityOpening += o.quantityOpening; quantityDebit += o.quantityDebit; quantityCredit += o.quantityCredit;
    }
};

using Year = std::array<PeriodSums, PeriodCount>;

struct ChartEntry {
    int grade = 0;
    bool isEnd = false;
};

QString directionWord(Currency signedAmount)
{
    if (signedAmount.sign() > 0)
        return QStringLiteral("借");
    if (signedAmount.sign() < 0)
        return QStringLiteral("贷");
    return QStringLiteral("平");
}

bool sameQuantity(double a, double b)
{
    return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::max(std::fabs(a), std::fabs(b)));
}

class Comparison {
public:
    explicit Comparison(QStringList &differences) : m_differences(differences) {}

    void money(const QString &where, const char *column, Currency stored, Currency expected)
    {
        if (stored != expected)
            note(where, column, stored.toFixedText(), expected.toFixedText());
    }
    void quantity(const QString &where, const char *column, double stored, double expected)
    {
        if (!sameQuantity(stored, expected))
            note(where, column, QString::number(stored, 'g', 15), QString::number(expected, 'g', 15));
    }
    void word(const QString &where, const char *column, const QString &stored, const QString &expected)
    {
        if (stored != expected)
            note(where, column, stored, expected);
    }

private:
    void note(const QString &where, const char *column, const QString &stored, const QString &expected)
    {
        m_differences << QStringLiteral("%1: %2 is %3, the vouchers give %4")
                             .arg(where, QLatin1String(column), stored, expected);
    }
    QStringList &m_differences;
};

} // namespace

QStringList reconcileAccountSums(Connection &connection, int year)
{
    QStringList differences;
    const QString y = QString::number(year);

    QMap<QString, ChartEntry> chart; // in code order
    RecordSet codes = connection.query(QStringLiteral("select ccode,igrade,bend from code where iyear=") + y);
    for (; !codes.eof(); codes.moveNext())
        chart.insert(codes.text(QStringLiteral("ccode")),
                     {codes.field(QStringLiteral("igrade")).toInt(), codes.field(QStringLiteral("bend")).toInt() == 1});

    // The stored rows, turned back into signed values.
    QHash<QString, Year> stored;
    QHash<QString, std::array<int, PeriodCount>> storedCount;
    QHash<QString, std::array<std::pair<QString, QString>, PeriodCount>> storedWords;
    RecordSet rows = connection.query(QStringLiteral("select * from GL_accsum where iyear=") + y);
    for (; !rows.eof(); rows.moveNext()) {
        const QString code = rows.text(QStringLiteral("ccode"));
        const int period = rows.field(QStringLiteral("iperiod")).toInt();
        if (!chart.contains(code)) {
            differences << QStringLiteral("%1 period %2: a row for an account that is not in the chart").arg(code).arg(period);
            continue;
        }
        if (period < 1 || period > PeriodCount) {
            differences << QStringLiteral("%1: a row for period %2").arg(code).arg(period);
            continue;
        }
        auto &count = storedCount[code];
        if (++count[period - 1] > 1) {
            differences << QStringLiteral("%1 period %2: more than one row").arg(code).arg(period);
            continue;
        }
        const QString begin = rows.text(QStringLiteral("cbegind_c"));
        const QString end = rows.text(QStringLiteral("cendd_c"));
        const int beginSign = begin == u"贷" ? -1 : 1;
        const int endSign = end == u"贷" ? -1 : 1;
        PeriodSums &s = stored[code][period - 1];
        s.opening = rows.money(QStringLiteral("mb")) * beginSign;
        s.debit = rows.money(QStringLiteral("md"));
        s.credit = rows.money(QStringLiteral("mc"));
        s.foreignOpening = rows.money(QStringLiteral("mb_f")) * beginSign;
        s.foreignDebit = rows.money(QStringLiteral("md_f"));
        s.foreignCredit = rows.money(QStringLiteral("mc_f"));
        s.quantityOpening = rows.field(QStringLiteral("nb_s")).toDouble() * beginSign;
        s.quantityDebit = rows.field(QStringLiteral("nd_s")).toDouble();
        s.quantityCredit = rows.field(QStringLiteral("nc_s")).toDouble();
        // The closing values are checked against the stored ones below.
        storedWords[code][period - 1] = {begin, end};
        const Currency closing = rows.money(QStringLiteral("me")) * endSign;
        const Currency foreignClosing = rows.money(QStringLiteral("me_f")) * endSign;
        const double quantityClosing = rows.field(QStringLiteral("ne_s")).toDouble() * endSign;
        Comparison compare(differences);
        const QString where = QStringLiteral("%1 period %2").arg(code).arg(period);
        compare.money(where, "me (as stored, against mb + md - mc)", closing, s.closing());
        compare.money(where, "me_f (as stored, against mb_f + md_f - mc_f)", foreignClosing, s.foreignClosing());
        compare.quantity(where, "ne_s (as stored, against nb_s + nd_s - nc_s)", quantityClosing, s.quantityClosing());
    }

    // The expected values of the end accounts: opening of the year, then
    // period by period the posted movements.
    QHash<QString, Year> expected;
    for (auto it = chart.cbegin(); it != chart.cend(); ++it) {
        if (!it->isEnd)
            continue;
        Year &year = expected[it.key()];
        const auto found = stored.constFind(it.key());
        if (found != stored.constEnd()) {
            year[0].opening = (*found)[0].opening;
            year[0].foreignOpening = (*found)[0].foreignOpening;
            year[0].quantityOpening = (*found)[0].quantityOpening;
        }
    }
    RecordSet movements = connection.query(QStringLiteral(
        "select ccode,iperiod,sum(md) as md,sum(mc) as mc,sum(md_f) as md_f,sum(mc_f) as mc_f,"
        "sum(nd_s) as nd_s,sum(nc_s) as nc_s from GL_accvouch where iyear=") + y
        + QStringLiteral(" and ibook=1 and (iflag is null or iflag=2) group by ccode,iperiod"));
    for (; !movements.eof(); movements.moveNext()) {
        const QString code = movements.text(QStringLiteral("ccode"));
        const int period = movements.field(QStringLiteral("iperiod")).toInt();
        const auto account = chart.constFind(code);
        if (account == chart.constEnd() || !account->isEnd) {
            differences << QStringLiteral("%1 period %2: posted lines on an account that is not an end account of the chart")
                               .arg(code).arg(period);
            continue;
        }
        if (period < 1 || period > PeriodCount) {
            differences << QStringLiteral("%1: posted lines in period %2").arg(code).arg(period);
            continue;
        }
        PeriodSums &s = expected[code][period - 1];
        s.debit = movements.money(QStringLiteral("md"));
        s.credit = movements.money(QStringLiteral("mc"));
        s.foreignDebit = movements.money(QStringLiteral("md_f"));
        s.foreignCredit = movements.money(QStringLiteral("mc_f"));
        s.quantityDebit = movements.field(QStringLiteral("nd_s")).toDouble();
        s.quantityCredit = movements.field(QStringLiteral("nc_s")).toDouble();
    }
    for (Year &year : expected) {
        for (int p = 1; p < PeriodCount; ++p) {
            year[p].opening = year[p - 1].closing();
            year[p].foreignOpening = year[p - 1].foreignClosing();
            year[p].quantityOpening = year[p - 1].quantityClosing();
        }
    }
    // Non-end accounts: the sums of their direct end-account children.
    for (auto it = chart.cbegin(); it != chart.cend(); ++it) {
        if (it->isEnd)
            continue;
        Year &parent = expected[it.key()];
        for (auto child = chart.upperBound(it.key()); child != chart.cend() && child.key().startsWith(it.key()); ++child) {
            if (child->isEnd && child->grade == it->grade + 1)
                for (int p = 0; p < PeriodCount; ++p)
                    parent[p].add(expected[child.key()][p]);
        }
    }

    Comparison compare(differences);
    for (auto it = chart.cbegin(); it != chart.cend(); ++it) {
        const QString &code = it.key();
        const Year &want = expected[code];
        const auto counts = storedCount.value(code);
        for (int p = 0; p < PeriodCount; ++p) {
            const QString where = QStringLiteral("%1 period %2").arg(code).arg(p + 1);
            if (counts[p] == 0) {
                differences << where + QStringLiteral(": no row");
                continue;
            }
            const PeriodSums &have = stored[code][p];
            const auto &words = storedWords[code][p];
            compare.word(where, "cbegind_c", words.first, directionWord(want[p].opening));
            compare.word(where, "cendd_c", words.second, directionWord(want[p].closing()));
            compare.money(where, "mb", have.opening, want[p].opening);
            compare.money(where, "md", have.debit, want[p].debit);
            compare.money(where, "mc", have.credit, want[p].credit);
            compare.money(where, "mb_f", have.foreignOpening, want[p].foreignOpening);
            compare.money(where, "md_f", have.foreignDebit, want[p].foreignDebit);
            compare.money(where, "mc_f", have.foreignCredit, want[p].foreignCredit);
            compare.quantity(where, "nb_s", have.quantityOpening, want[p].quantityOpening);
            compare.quantity(where, "nd_s", have.quantityDebit, want[p].quantityDebit);
            compare.quantity(where, "nc_s", have.quantityCredit, want[p].quantityCredit);
        }
    }
    return differences;
}

} // namespace qxmxz::db
