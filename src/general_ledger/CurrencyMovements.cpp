#include "CurrencyMovements.h"

#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz::CurrencyMovements {

QString statement(const QString &code, int firstPeriod, bool includeUnposted, int year)
{
    return QStringLiteral("GL_glCode ") + QStringLiteral("'") + sqlLikePrefix(code) + QStringLiteral("%',")
           + QString::number(firstPeriod) + (includeUnposted ? QStringLiteral(",12,1") : QStringLiteral(",12,0"))
           + QStringLiteral(",") + QString::number(year);
}

CurrencyMovementsByPeriod read(GlPublic &pub, const QStringList &currencyNames, const QString &code, int firstPeriod,
                               bool includeUnposted)
{
    CurrencyMovementsByPeriod movements;
    const QString home = pub.options().homeCurrencyName;
    RecordSet rs = pub.database().query(statement(code, firstPeriod, includeUnposted, pub.year()));
    for (; !rs.eof(); rs.moveNext()) {
        const QString name = rs.isNull(QStringLiteral("cexch_name")) ? home : rs.text(QStringLiteral("cexch_name")).trimmed();
        const qsizetype index = currencyNames.indexOf(name);
        if (index < 0)
            continue;
        QVector<AccSumRec> &records = movements[rs.field(QStringLiteral("iPeriod")).toInt()];
        if (records.isEmpty())
            records.resize(currencyNames.size() + 1);
        AccSumRec &r = records[index + 1];
        r.nd_s += rs.field(QStringLiteral("nd_s")).toDouble();
        r.md_f += rs.money(QStringLiteral("md_f"));
        r.nc_s += rs.field(QStringLiteral("nc_s")).toDouble();
        r.mc_f += rs.money(QStringLiteral("mc_f"));
        if (rs.hasField(QStringLiteral("md")))
            r.md += rs.money(QStringLiteral("md"));
        if (rs.hasField(QStringLiteral("mc")))
            r.mc += rs.money(QStringLiteral("mc"));
    }
    rs.close();
    return movements;
}

} // namespace qxmxz::CurrencyMovements
