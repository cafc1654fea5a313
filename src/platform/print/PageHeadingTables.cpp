#include "PageHeadingTables.h"

#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"

namespace qxmxz {

namespace {

void writeRow(LocalDatabase &local, const QString &table, const QStringList &fields, int width2)
{
    local.execute(QStringLiteral("CREATE TABLE ") + table + QStringLiteral(" (t1 TEXT(50),t2 TEXT(%1),t3 TEXT(50),t4 TEXT(50),t5 TEXT(50),t6 TEXT(50));").arg(width2));
    DynasetRecordSet rows = local.openDynaset(table);
    rows.addNew();
    for (int n = 1; n <= 6; ++n) {
        // A field holds no more than its declared width.
        const int width = n == 2 ? width2 : 50;
        rows.setField(QStringLiteral("t%1").arg(n), fields.value(n - 1).left(width));
    }
    rows.update();
    rows.close();
}

QStringList readRow(LocalDatabase &local, const QString &table)
{
    QStringList fields;
    DynasetRecordSet rows = local.openDynaset(QStringLiteral("SELECT t1,t2,t3,t4,t5,t6 FROM ") + table);
    if (!rows.eof())
        for (int n = 0; n < 6; ++n)
            fields << rows.field(n).toString();
    rows.close();
    return fields;
}

} // namespace

void writePageHeadingTables(LocalDatabase &local, const QString &headingTable, const QString &footingTable,
                            const PageHeading &heading)
{
    writeRow(local, headingTable, heading.heading, 180);
    writeRow(local, footingTable, heading.footing, 50);
}

PageHeading readPageHeadingTables(LocalDatabase &local, const QString &headingTable, const QString &footingTable)
{
    PageHeading heading;
    heading.heading = readRow(local, headingTable);
    heading.footing = readRow(local, footingTable);
    return heading;
}

} // namespace qxmxz
