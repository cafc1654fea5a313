#include "UserDefinedItems.h"

#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"

namespace qxmxz {

bool GetUserDefInfo(GlPublic &pub, quint8 itemNumber, UserDefInfo &info)
{
    RecordSet row = pub.database().query(
        QStringLiteral("select * from userdef where cClass = N'单据头' and cItem = N'自定义项")
        + QString::number(itemNumber) + QStringLiteral("'"));
    if (row.eof())
        return false;
    info.iDataSource = quint8(row.field(QStringLiteral("iDataSource")).toUInt());
    info.bInput = row.field(QStringLiteral("bInput")).toInt() != 0;
    info.bCheckVal = row.field(QStringLiteral("bCheckVal")).toInt() != 0;
    info.bFixLength = row.field(QStringLiteral("bFixLength")).toInt() != 0;
    info.bArchive = row.field(QStringLiteral("bArchive")).toInt() != 0;
    info.cRelArchive = row.text(QStringLiteral("cRelArchive"));
    info.cRelField = row.text(QStringLiteral("cRelField"));
    return true;
}

} // namespace qxmxz
