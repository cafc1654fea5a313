#include "MergeGroup.h"

#include "platform/sql/RecordSet.h"

namespace qxmxz {

MergeGroup readMergeGroup(const RecordSet &rs, bool byDigest, const QString &homeCurrency)
{
    MergeGroup group;
    if (byDigest)
        group.digest = rs.text(QStringLiteral("cdigest"));
    group.currencyName = rs.isNull(QStringLiteral("cexch_name")) ? homeCurrency
                                                                  : rs.text(QStringLiteral("cexch_name")).trimmed();
    AccSumRec &m = group.movement;
    m.md = rs.money(QStringLiteral("Md"));
    m.mc = rs.money(QStringLiteral("Mc"));
    m.md_f = rs.money(QStringLiteral("Md_f"));
    m.mc_f = rs.money(QStringLiteral("Mc_f"));
    m.nd_s = rs.field(QStringLiteral("Nd_s")).toDouble();
    m.nc_s = rs.field(QStringLiteral("Nc_s")).toDouble();
    return group;
}

} // namespace qxmxz
