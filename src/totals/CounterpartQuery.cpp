#include "CounterpartQuery.h"

#include "AmountFormats.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

namespace {

const QString ValidLine = QStringLiteral(" and (iflag=2 or iflag is null)");

int recordCountOf(Connection &db, const QString &sql)
{
    RecordSet rs = db.query(sql);
    const int count = rs.recordCount();
    rs.close();
    return count;
}

} // namespace

QString CounterpartQuery(const GlPublic &pub, const QString &code, int period, const QString &voucherType,
                         int voucherNumber, bool includeUnposted, int firstPeriod, const QVariant &date,
                         std::optional<int> lastPeriod)
{
    const QString year = QString::number(pub.year());
    const QString periodClause = QStringLiteral(" and iperiod=") + QString::number(period);
    const QString voucherClause = QStringLiteral(" and csign=N'") + sqlQuoted(voucherType)
                                  + QStringLiteral("' and ino_id=") + QString::number(voucherNumber);
    QString tail = QStringLiteral(" and iperiod<=12 and iperiod>=") + QString::number(firstPeriod);
    if (date.isValid() && !date.isNull())
        tail += QStringLiteral(" and dbill_date<=") + SqlDate(pub, date);
    if (lastPeriod)
        tail += QStringLiteral(" and iperiod<=") + QString::number(*lastPeriod);
    if (!includeUnposted)
        tail += QStringLiteral(" and ibook=1");
    tail += QStringLiteral(" order by isignseq,ino_id,inid");

    Connection &db = pub.database();
    RecordSet own = db.query(QStringLiteral("Select md,mc from gl_accvouch where iyear=") + year + periodClause
                             + voucherClause + QStringLiteral(" and ccode =N'") + sqlQuoted(code) + QLatin1Char('\'')
                             + ValidLine + tail);
    if (own.recordCount() != 1) {
        own.close();
        return {};
    }
    const bool debitLine = !own.money(QStringLiteral("md")).isZero();
    const bool creditLine = !own.money(QStringLiteral("mc")).isZero();
    own.close();
    if (!debitLine && !creditLine)
        return {};

    const QString head = QStringLiteral("Select * from gl_accvouch where iyear=") + year + periodClause + voucherClause;
    const QString ownSide = debitLine ? QStringLiteral(" and md<>0") : QStringLiteral(" and mc<>0");
    const QString otherSide = debitLine ? QStringLiteral(" and mc<>0") : QStringLiteral(" and md<>0");
    if (recordCountOf(db, head + ownSide + ValidLine + tail) != 1)
        return {};
    return head + otherSide + ValidLine + tail;
}

} // namespace qxmxz
