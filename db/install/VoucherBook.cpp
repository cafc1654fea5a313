#include "VoucherBook.h"

#include <QVariant>
#include <QVector>
#include <algorithm>

#include "TableLoader.h"
#include "platform/Failure.h"
#include "platform/sql/Connection.h"

namespace qxmxz::db {

namespace {

constexpr int DefineCount = 16;

QStringList lineColumns(int defineColumns)
{
    QStringList columns{QStringLiteral("iyear"), QStringLiteral("iperiod"), QStringLiteral("csign"), QStringLiteral("isignseq"),
                        QStringLiteral("ino_id"), QStringLiteral("inid"), QStringLiteral("dbill_date"), QStringLiteral("cdigest"),
                        QStringLiteral("ccode"), QStringLiteral("cexch_name"), QStringLiteral("md"), QStringLiteral("mc"),
                        QStringLiteral("md_f"), QStringLiteral("mc_f"), QStringLiteral("nfrat"), QStringLiteral("nd_s"),
                        QStringLiteral("nc_s"), QStringLiteral("ibook"), QStringLiteral("cbook"), QStringLiteral("iflag"),
                        QStringLiteral("cbill"), QStringLiteral("ccheck"), QStringLiteral("csettle"), QStringLiteral("cn_id"),
                        QStringLiteral("cdept_id"), QStringLiteral("cperson_id"), QStringLiteral("ccus_id"), QStringLiteral("csup_id"),
                        QStringLiteral("citem_id"), QStringLiteral("citem_class"), QStringLiteral("ccode_equal")};
    for (int i = 1; i <= defineColumns; ++i)
        columns << QStringLiteral("cDefine%1").arg(i);
    columns << QStringLiteral("coutsysname");
    return columns;
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

// The width of GL_accvouch.ccode_equal.
constexpr qsizetype CounterpartWidth = 400;

// The accounts on the other side of a line, each once, in line order, as
// many whole codes as the column holds (a closing voucher has hundreds).
QString counterpartCodes(const Voucher &voucher, const VoucherLine &line)
{
    const bool debitSide = !line.debit.isZero();
    QStringList codes;
    for (const VoucherLine &other : voucher.lines) {
        if (other.invalid)
            continue;
        const bool otherDebit = !other.debit.isZero();
        if (otherDebit != debitSide && !codes.contains(other.code)) {
            if (codes.join(u',').size() + 1 + other.code.size() > CounterpartWidth)
                break;
            codes << other.code;
        }
    }
    return codes.join(u',');
}

QString describe(const Voucher &voucher)
{
    return QStringLiteral("%1 of period %2 (%3)").arg(voucher.sign).arg(voucher.period).arg(voucher.digest);
}

} // namespace

VoucherBook::VoucherBook(Connection &connection, int year, int defineColumns)
    : m_year(year), m_defineColumns(std::clamp(defineColumns, 0, DefineCount)),
      m_loader(std::make_unique<TableLoader>(connection, QStringLiteral("GL_accvouch"), lineColumns(m_defineColumns)))
{
    RecordSet signs = connection.query(QStringLiteral("select csign,isignseq from dsign"));
    for (; !signs.eof(); signs.moveNext())
        m_signOrder.insert(signs.text(QStringLiteral("csign")), signs.field(QStringLiteral("isignseq")).toInt());
}

VoucherBook::~VoucherBook() = default;

int VoucherBook::add(const Voucher &voucher)
{
    const auto order = m_signOrder.constFind(voucher.sign);
    if (order == m_signOrder.constEnd())
        throw Failure(QStringLiteral("Unknown voucher type %1").arg(voucher.sign), describe(voucher));
    if (voucher.lines.size() < 2)
        throw Failure(QStringLiteral("A voucher needs two lines at least"), describe(voucher));
    Currency debits, credits;
    for (const VoucherLine &line : voucher.lines) {
        if (line.debit.isZero() == line.credit.isZero())
            throw Failure(QStringLiteral("A voucher line must have either a debit or a credit amount"),
                          describe(voucher) + QStringLiteral(", account ") + line.code);
        if (line.invalid)
            continue;
        debits += line.debit;
        credits += line.credit;
    }
    if (debits != credits)
        throw Failure(QStringLiteral("A voucher does not balance"),
                      describe(voucher) + QStringLiteral(": debit %1, credit %2").arg(debits.toString(), credits.toString()));

    int &number = m_lastNumber[QString::number(voucher.period) + u'/' + voucher.sign];
    ++number;
    const bool posted = !voucher.poster.isEmpty();
    int lineNumber = 0;
    for (const VoucherLine &line : voucher.lines) {
        QVector<QVariant> row;
        row.reserve(32 + m_defineColumns);
        row << m_year << voucher.period << voucher.sign << order.value() << number << ++lineNumber << voucher.date
            << (line.digest.isEmpty() ? voucher.digest : line.digest) << line.code << textOrNull(line.currency)
            << QVariant::fromValue(line.debit) << QVariant::fromValue(line.credit)
            << QVariant::fromValue(line.foreignDebit) << QVariant::fromValue(line.foreignCredit) << line.rate
            << line.debitQuantity << line.creditQuantity << (posted ? 1 : 0) << textOrNull(voucher.poster)
            << (voucher.voided || line.invalid ? QVariant(1) : QVariant()) << textOrNull(voucher.maker) << textOrNull(voucher.checker)
            << textOrNull(line.settlement) << textOrNull(line.settlementNumber) << textOrNull(line.department)
            << textOrNull(line.person) << textOrNull(line.customer) << textOrNull(line.supplier) << textOrNull(line.item)
            << textOrNull(line.itemClass) << textOrNull(counterpartCodes(voucher, line));
        for (int i = 0; i < line.defines.size(); ++i)
            if (i >= m_defineColumns && !line.defines[i].isEmpty())
                throw Failure(QStringLiteral("This voucher book writes no cDefine%1").arg(i + 1), describe(voucher));
        for (int i = 0; i < m_defineColumns; ++i)
            row << (i < line.defines.size() ? textOrNull(line.defines[i]) : QVariant());
        row << textOrNull(voucher.sourceSystem);
        m_loader->add(row);
        ++m_lines;
    }
    return number;
}

void VoucherBook::finish()
{
    m_loader->finish();
}

} // namespace qxmxz::db
