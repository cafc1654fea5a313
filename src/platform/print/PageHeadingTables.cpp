#include "PageHeadingTables.h"

#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"

namespace qxmxz {

namespace {

const QList<int> HeadingWidths{50, 180, 50, 50, 50, 50};
const QList<int> FootingWidths{50, 50, 50, 50, 50, 50};

QString fieldName(int index)
{
    return QStringLiteral("t%1").arg(index + 1);
}

} // namespace

void writeTextTable(LocalDatabase &local, const QString &table, const QList<int> &widths,
                    const QList<QStringList> &rows)
{
    QStringList fields;
    for (int n = 0; n < widths.size(); ++n)
        fields << fieldName(n) + QStringLiteral(" TEXT(%1)").arg(widths[n]);
    local.execute(QStringLiteral("CREATE TABLE ") + table + QStringLiteral(" (") + fields.join(u',') + QStringLiteral(");"));
    DynasetRecordSet records = local.openDynaset(table);
    for (const QStringList &row : rows) {
        records.addNew();
        for (int n = 0; n < widths.size(); ++n)
            records.setField(fieldName(n), row.value(n).left(widths[n]));
        records.update();
    }
    records.close();
}

QList<QStringList> readTextTable(LocalDatabase &local, const QString &table, int fieldCount)
{
    QStringList names;
    for (int n = 0; n < fieldCount; ++n)
        names << fieldName(n);
    QList<QStringList> rows;
    DynasetRecordSet records = local.openDynaset(QStringLiteral("SELECT ") + names.join(u',') + QStringLiteral(" FROM ") + table);
    for (; !records.eof(); records.moveNext()) {
        QStringList row;
        for (int n = 0; n < fieldCount; ++n)
            row << records.field(n).toString();
        rows << row;
    }
    records.close();
    return rows;
}

void writePageHeadingTables(LocalDatabase &local, const QString &headingTable, const QString &footingTable,
                            const PageHeading &heading)
{
    writeTextTable(local, headingTable, HeadingWidths, {heading.heading});
    writeTextTable(local, footingTable, FootingWidths, {heading.footing});
}

PageHeading readPageHeadingTables(LocalDatabase &local, const QString &headingTable, const QString &footingTable)
{
    PageHeading heading;
    heading.heading = readTextTable(local, headingTable, 6).value(0);
    heading.footing = readTextTable(local, footingTable, 6).value(0);
    return heading;
}

} // namespace qxmxz
