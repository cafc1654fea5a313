#include "CurrencyList.h"

#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"

namespace qxmxz {

QStringList LoadCurrencyNames(const GlPublic &pub)
{
    const QString home = pub.options().homeCurrencyName;
    QStringList names;
    RecordSet rs = pub.database().query(QStringLiteral("select cexch_name  from foreigncurrency order by i_id"));
    for (; !rs.eof(); rs.moveNext())
        names << (rs.isNull(QStringLiteral("cexch_name")) ? home : rs.text(QStringLiteral("cexch_name")));
    rs.close();
    if (names.isEmpty())
        names << home;
    return names;
}

QVector<AccSumRec> InitCurrencyTotals(const GlPublic &pub)
{
    const QStringList names = LoadCurrencyNames(pub);
    QVector<AccSumRec> records(names.size() + 1);
    for (qsizetype i = 0; i < records.size(); ++i) {
        ClearTotals(records[i]);
        if (i > 0)
            records[i].cName = names[i - 1];
    }
    return records;
}

} // namespace qxmxz
