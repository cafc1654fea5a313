#include "ScratchVouchers.h"

#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz::test {

namespace {

QString text(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("null") : QStringLiteral("'") + sqlQuoted(value) + QStringLiteral("'");
}

} // namespace

void addScratchVoucher(Connection &connection, int year, const ScratchVoucher &voucher)
{
    int lineNumber = 0;
    for (const ScratchLine &line : voucher.lines) {
        const QStringList values{QString::number(year),
                                 QString::number(voucher.period),
                                 text(voucher.sign),
                                 QString::number(voucher.signSequence),
                                 QString::number(voucher.number),
                                 QString::number(++lineNumber),
                                 text(voucher.date.toString(Qt::ISODate)),
                                 text(line.digest),
                                 text(line.code),
                                 text(line.currency),
                                 connection.moneyLiteral(line.debit),
                                 connection.moneyLiteral(line.credit),
                                 connection.moneyLiteral(line.foreignDebit),
                                 connection.moneyLiteral(line.foreignCredit),
                                 QStringLiteral("0"),
                                 QString::number(line.debitQuantity),
                                 QString::number(line.creditQuantity),
                                 voucher.posted ? QStringLiteral("1") : QStringLiteral("0"),
                                 voucher.posted ? text(QStringLiteral("test")) : QStringLiteral("null"),
                                 text(line.person)};
        connection.execute(QStringLiteral("insert into GL_accvouch (iyear,iperiod,csign,isignseq,ino_id,inid,dbill_date,"
                                          "cdigest,ccode,cexch_name,md,mc,md_f,mc_f,nfrat,nd_s,nc_s,ibook,cbook,"
                                          "cperson_id) values (")
                           + values.join(u',') + u')');
    }
}

} // namespace qxmxz::test
