#include "VoucherLine.h"

#include "platform/Failure.h"
#include "platform/outside/FiscalCalendar.h"
#include "platform/sql/RecordSet.h"

namespace qxmxz {

namespace {

int required(const RecordSet &rs, const char *name)
{
    const int index = rs.fieldIndex(QString::fromLatin1(name));
    if (index < 0)
        throw Failure(QStringLiteral("The voucher lines lack the column %1").arg(QString::fromLatin1(name)));
    return index;
}

int optional(const RecordSet &rs, const char *name)
{
    return rs.fieldIndex(QString::fromLatin1(name));
}

QString textAt(const RecordSet &rs, int index)
{
    return index < 0 ? QString() : rs.field(index).toString();
}

} // namespace

VoucherLineReader::VoucherLineReader(const RecordSet &rs)
{
    m_code = required(rs, "ccode");
    m_period = required(rs, "iperiod");
    m_sign = required(rs, "csign");
    m_number = required(rs, "ino_id");
    m_line = optional(rs, "inid");
    m_date = required(rs, "dbill_date");
    m_digest = optional(rs, "cdigest");
    m_book = required(rs, "ibook");
    m_counterparts = optional(rs, "ccode_equal");
    m_md = required(rs, "md");
    m_mc = required(rs, "mc");
    m_mdf = optional(rs, "md_f");
    m_mcf = optional(rs, "mc_f");
    m_nds = optional(rs, "nd_s");
    m_ncs = optional(rs, "nc_s");
    m_currency = optional(rs, "cexch_name");
    m_nfrat = optional(rs, "nfrat");
    m_frate = optional(rs, "frate");
    m_person = optional(rs, "cperson_id");
    m_customer = optional(rs, "ccus_id");
    m_department = optional(rs, "cdept_id");
    m_item = optional(rs, "citem_id");
    m_settlement = optional(rs, "csettle");
    m_settlementNumber = optional(rs, "cn_id");
    m_maker = optional(rs, "cbill");
    m_checker = optional(rs, "ccheck");
    m_supplier = optional(rs, "csup_id");
    for (int i = 0; i < 16; ++i)
        m_defines[i] = optional(rs, QStringLiteral("cDefine%1").arg(i + 1).toLatin1().constData());
    m_outside = optional(rs, "coutsysname");
}

void VoucherLineReader::read(const RecordSet &rs, VoucherLine &line) const
{
    line.code = rs.field(m_code).toString().trimmed();
    line.period = rs.field(m_period).toInt();
    line.sign = rs.field(m_sign).toString().trimmed();
    line.number = rs.field(m_number).toInt();
    line.lineNumber = m_line < 0 ? 0 : rs.field(m_line).toInt();
    line.date = toDate(rs.field(m_date));
    line.digest = textAt(rs, m_digest);
    line.book = rs.field(m_book).toInt();
    line.counterparts = textAt(rs, m_counterparts);
    line.md = rs.money(m_md);
    line.mc = rs.money(m_mc);
    line.md_f = m_mdf < 0 ? Currency() : rs.money(m_mdf);
    line.mc_f = m_mcf < 0 ? Currency() : rs.money(m_mcf);
    line.nd_s = m_nds < 0 ? 0 : rs.field(m_nds).toDouble();
    line.nc_s = m_ncs < 0 ? 0 : rs.field(m_ncs).toDouble();
    line.currencyName = textAt(rs, m_currency).trimmed();
    const int rateColumn = m_nfrat >= 0 ? m_nfrat : m_frate;
    line.rate = rateColumn < 0 ? 0 : rs.field(rateColumn).toDouble();
    line.person = textAt(rs, m_person);
    line.customer = textAt(rs, m_customer);
    line.department = textAt(rs, m_department);
    line.item = textAt(rs, m_item);
    line.settlement = textAt(rs, m_settlement);
    line.settlementNumber = textAt(rs, m_settlementNumber);
    line.maker = textAt(rs, m_maker);
    line.checker = textAt(rs, m_checker);
    line.supplier = textAt(rs, m_supplier);
    for (int i = 0; i < 16; ++i)
        line.defines[i] = textAt(rs, m_defines[i]);
    line.outsideSystem = textAt(rs, m_outside);
}

} // namespace qxmxz
