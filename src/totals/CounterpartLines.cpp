#include "CounterpartLines.h"

#include "AmountFormats.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

QString CounterpartConditions(const GlPublic &pub, const QString &column, bool includeUnposted, int firstPeriod,
                              const QVariant &date, std::optional<int> lastPeriod)
{
    const QString &c = column;
    QString conditions = QStringLiteral(" and (%1iflag=2 or %1iflag is null) and %1iperiod<=12 and %1iperiod>=").arg(c)
                         + QString::number(firstPeriod);
    if (date.isValid() && !date.isNull())
        conditions += QStringLiteral(" and %1dbill_date<=").arg(c) + SqlDate(pub, date);
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

VoucherSideLine ReadVoucherSideLine(const RecordSet &rs)
{
    return {.line = {.code = rs.text(QStringLiteral("ccode")),
                     .lineNumber = rs.field(QStringLiteral("inid")).toInt(),
                     .md = rs.money(QStringLiteral("md")),
                     .mc = rs.money(QStringLiteral("mc"))},
            .ownLine = rs.field(QStringLiteral("own_line")).toInt() == 1,
            .debitSide = rs.field(QStringLiteral("debit_side")).toInt() == 1,
            .creditSide = rs.field(QStringLiteral("credit_side")).toInt() == 1};
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

QList<CounterpartLine> CounterpartLines(const GlPublic &pub, const QString &code, int period, const QString &voucherType,
                                        int voucherNumber, bool includeUnposted, int firstPeriod, const QVariant &date,
                                        std::optional<int> lastPeriod)
{
    const QString sql = QStringLiteral("Select ") + VoucherSideColumns({}, QStringLiteral("N'") + sqlQuoted(code) + u'\'')
                        + QStringLiteral(" from gl_accvouch where iyear=") + QString::number(pub.year())
                        + QStringLiteral(" and iperiod=") + QString::number(period) + QStringLiteral(" and csign=N'")
                        + sqlQuoted(voucherType) + QStringLiteral("' and ino_id=") + QString::number(voucherNumber)
                        + CounterpartConditions(pub, {}, includeUnposted, firstPeriod, date, lastPeriod)
                        + QStringLiteral(" order by isignseq,ino_id,inid");
    QList<VoucherSideLine> voucher;
    for (RecordSet rs = pub.database().query(sql); !rs.eof(); rs.moveNext())
        voucher << ReadVoucherSideLine(rs);
    return CounterpartsAmong(voucher);
}

} // namespace qxmxz
