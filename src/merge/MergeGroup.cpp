#include "MergeGroup.h"

#include "platform/sql/RecordSet.h"
#include "platform/values/SharedTexts.h"

namespace qxmxz {

AccSumRec MergeGroup::movement() const
{
    AccSumRec m;
    m.md = md;
    m.mc = mc;
    m.md_f = md_f;
    m.mc_f = mc_f;
    m.nd_s = nd_s;
    m.nc_s = nc_s;
    return m;
}

MergeGroup readMergeGroup(const RecordSet &rs, bool byDigest, const QString &homeCurrency, SharedTexts &texts)
{
    MergeGroup group;
    if (byDigest)
        group.digest = rs.text(QStringLiteral("cdigest"));
    group.currencyName = rs.isNull(QStringLiteral("cexch_name"))
                             ? homeCurrency
                             : texts.share(rs.text(QStringLiteral("cexch_name")).trimmed());
    group.md = rs.money(QStringLiteral("Md"));
    group.mc = rs.money(QStringLiteral("Mc"));
    group.md_f = rs.money(QStringLiteral("Md_f"));
    group.mc_f = rs.money(QStringLiteral("Mc_f"));
    group.nd_s = rs.field(QStringLiteral("Nd_s")).toDouble();
    group.nc_s = rs.field(QStringLiteral("Nc_s")).toDouble();
    return group;
}

} // namespace qxmxz
