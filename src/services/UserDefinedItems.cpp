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

QList<UserDefinedItem> userDefinedItems(GlPublic &pub)
{
    static const QList<std::pair<QString, QString>> types{
        {QStringLiteral("文本"), QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.text")},
        {QStringLiteral("日期"), QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.date")},
        {QStringLiteral("整型"), QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.intger")},
        {QStringLiteral("数字"), QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.num")},
    };
    QList<UserDefinedItem> items;
    for (int n = 1; n <= 16; ++n)
        items << UserDefinedItem{n, QStringLiteral("cDefine%1").arg(n), pub.text(types.front().second)};
    RecordSet rs = pub.database().query(
        QStringLiteral("select citem,cname,ctype from userdef where cClass = N'单据头' order by cid"));
    for (; !rs.eof(); rs.moveNext()) {
        const int n = rs.text(QStringLiteral("citem")).remove(QStringLiteral("自定义项")).toInt();
        if (n < 1 || n > 16)
            continue;
        UserDefinedItem &item = items[n - 1];
        if (const QString name = rs.text(QStringLiteral("cname")).trimmed(); !name.isEmpty())
            item.name = name;
        const QString stored = rs.text(QStringLiteral("ctype")).trimmed();
        for (const auto &[word, key] : types)
            if (stored == word)
                item.typeText = pub.text(key);
    }
    return items;
}

} // namespace qxmxz
