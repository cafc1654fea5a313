#include "LineCount.h"

#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz::cli {

qint64 voucherLineCount(GlPublic &pub, const QString &firstCode, const QString &lastCode, int fromPeriod, int toPeriod,
                        bool includeUnposted)
{
    // A range ends after the last code's sub-accounts: "1002" takes "100299" too.
    const QString accounts = firstCode == lastCode
                                 ? QStringLiteral("ccode like N'") + sqlLikePrefix(firstCode) + QStringLiteral("%'")
                                 : QStringLiteral("(ccode>=N'") + sqlQuoted(firstCode) + QStringLiteral("' and (ccode<=N'")
                                       + sqlQuoted(lastCode) + QStringLiteral("' or ccode like N'") + sqlLikePrefix(lastCode)
                                       + QStringLiteral("%'))");
    const QString sql = QStringLiteral("select count(*) as n from GL_accvouch where iyear=") + QString::number(pub.year())
                        + QStringLiteral(" and ") + accounts + QStringLiteral(" and iperiod>=") + QString::number(fromPeriod)
                        + QStringLiteral(" and iperiod<=") + QString::number(toPeriod)
                        + QStringLiteral(" and (iflag is null or iflag=2)")
                        + (includeUnposted ? QString() : QStringLiteral(" and ibook=1"));
    RecordSet rs = pub.database().query(sql);
    const qint64 count = rs.eof() ? 0 : rs.field(QStringLiteral("n")).toLongLong();
    rs.close();
    return count;
}

} // namespace qxmxz::cli
