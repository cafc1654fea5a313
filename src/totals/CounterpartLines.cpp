#include "CounterpartLines.h"

#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

QString CounterpartConditions(const QString &column, bool includeUnposted, int firstPeriod, const QString &dateLiteral,
                              std::optional<int> lastPeriod)
{
    const QString &c = column;
    QString conditions = QStringLiteral(" and (%1iflag=2 or %1iflag is null) and %1iperiod<=12 and %1iperiod>=").arg(c)
                         + QString::number(firstPeriod);
    if (!dateLiteral.isEmpty())
        conditions += QStringLiteral(" and %1dbill_date<=").arg(c) + dateLiteral;
    if (lastPeriod)
        conditions += QStringLiteral(" and %1iperiod<=").arg(c) + QString::number(*lastPeriod);
    if (!includeUnposted)
        conditions += QStringLiteral(" and %1ibook=1").arg(c);
    return conditions;
}

QString VoucherSideColumns(const QString &column, const QString &code)
{
    return QStringLiteral("%1ccode,%1inid,%1md,%1mc,case when %1ccode =%2 then 1 else 0 end as own_line,"
                          "case when %1md<>0 then 1 else 0 end as debit_side,"
                          "case when %1mc<>0 then 1 else 0 end as credit_side")
        .arg(column, code);
}

VoucherSideReader::VoucherSideReader(const RecordSet &rs)
{
    const QList<int> at = rs.fieldPositions({QStringLiteral("ccode"), QStringLiteral("inid"), QStringLiteral("md"),
                                             QStringLiteral("mc"), QStringLiteral("own_line"),
                                             QStringLiteral("debit_side"), QStringLiteral("credit_side")});
    m_code = at[0];
    m_lineNumber = at[1];
    m_md = at[2];
    m_mc = at[3];
    m_ownLine = at[4];
    m_debitSide = at[5];
    m_creditSide = at[6];
}

VoucherSideLine VoucherSideReader::read(const RecordSet &rs) const
{
    return {.line = {.code = rs.field(m_code).toString(),
                     .lineNumber = rs.field(m_lineNumber).toInt(),
                     .md = rs.money(m_md),
                     .mc = rs.money(m_mc)},
            .ownLine = rs.field(m_ownLine).toInt() == 1,
            .debitSide = rs.field(m_debitSide).toInt() == 1,
            .creditSide = rs.field(m_creditSide).toInt() == 1};
}

QList<CounterpartLine> CounterpartsAmong(const QList<VoucherSideLine> &voucher)
{
    const VoucherSideLine *own = nullptr;
    for (const VoucherSideLine &l : voucher) {
        if (!l.ownLine)
            continue;
        if (own)
            return {};
        own = &l;
    }
    if (!own)
        return {};
    const bool debitLine = !own->line.md.isZero();
    if (!debitLine && own->line.mc.isZero())
        return {};
    qsizetype onOwnSide = 0;
    QList<CounterpartLine> others;
    for (const VoucherSideLine &l : voucher) {
        onOwnSide += debitLine ? l.debitSide : l.creditSide;
        if (debitLine ? l.creditSide : l.debitSide)
            others << l.line;
    }
    return onOwnSide == 1 ? others : QList<CounterpartLine>{};
}

QList<CounterpartLine> CounterpartLines(Connection &database, int year, const QString &code, int period,
                                        const QString &voucherType, int voucherNumber, bool includeUnposted,
                                        int firstPeriod, const QString &dateLiteral, std::optional<int> lastPeriod)
{
    const QString sql = QStringLiteral("Select ") + VoucherSideColumns({}, QStringLiteral("N'") + sqlQuoted(code) + u'\'')
                        + QStringLiteral(" from gl_accvouch where iyear=") + QString::number(year)
                        + QStringLiteral(" and iperiod=") + QString::number(period) + QStringLiteral(" and csign=N'")
                        + sqlQuoted(voucherType) + QStringLiteral("' and ino_id=") + QString::number(voucherNumber)
                        + CounterpartConditions({}, includeUnposted, firstPeriod, dateLiteral, lastPeriod)
                        + QStringLiteral(" order by isignseq,ino_id,inid");
    QList<VoucherSideLine> voucher;
    RecordSet rs = database.query(sql);
    const VoucherSideReader reader(rs);
    for (; !rs.eof(); rs.moveNext())
        voucher << reader.read(rs);
    return CounterpartsAmong(voucher);
}

} // namespace qxmxz
