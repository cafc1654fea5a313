#include "ReferenceClient.h"

#include "platform/Failure.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

namespace {

QString tableOf(int type, const QString &itemClass, bool inventory)
{
    switch (type) {
    case ReferenceTypes::Department: return QStringLiteral("department");
    case ReferenceTypes::Person: return QStringLiteral("person");
    case ReferenceTypes::UserDefinedItem: return QStringLiteral("userdefine");
    case ReferenceTypes::ItemOrInventory: return inventory ? QStringLiteral("inventory") : QStringLiteral("fitemss");
    case ReferenceTypes::Customer: return QStringLiteral("customer");
    case ReferenceTypes::Vendor: return QStringLiteral("vendor");
    case ReferenceTypes::CustomerClass: return QStringLiteral("customerclass");
    case ReferenceTypes::VendorClass: return QStringLiteral("vendorclass");
    case ReferenceTypes::DistrictClass: return QStringLiteral("districtclass");
    }
    Q_UNUSED(itemClass);
    throw Failure(QStringLiteral("There is no reference list of type %1").arg(type));
}

} // namespace

QString ReferenceClient::statement(const ReferenceSetup &setup, const QString &optionalValue)
{
    if (!setup.statement.isEmpty())
        return setup.statement;
    const ReferenceColumns columns = referenceColumns(setup.type, optionalValue);
    QString sql = QStringLiteral("select ") + columns.code + QStringLiteral(",") + columns.name;
    if (!columns.department.isEmpty())
        sql += QStringLiteral(",") + columns.department;
    sql += QStringLiteral(" from ") + tableOf(setup.type, setup.itemClass, setup.inventory);
    QStringList conditions;
    if (setup.type == ReferenceTypes::UserDefinedItem)
        conditions << QStringLiteral("cid =(select cId from userdef where cclass='单据头' and citem='自定义项")
                          + sqlQuoted(optionalValue) + QStringLiteral("')");
    if (setup.type == ReferenceTypes::ItemOrInventory && !setup.inventory && !setup.itemClass.isEmpty())
        conditions << QStringLiteral("citem_class = N'") + sqlQuoted(setup.itemClass) + QStringLiteral("'");
    if (!setup.filterStrings.isEmpty())
        conditions << QStringLiteral("(") + setup.filterStrings.back() + QStringLiteral(")");
    if (!setup.itemFilter.isEmpty())
        conditions << QStringLiteral("(") + setup.itemFilter + QStringLiteral(")");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    return sql + QStringLiteral(" order by ") + columns.code;
}

QList<QStringList> ReferenceClient::rows(const ReferenceSetup &setup, const QString &optionalValue) const
{
    const ReferenceColumns columns = referenceColumns(setup.type, optionalValue);
    RecordSet result = m_connection.query(statement(setup, optionalValue));
    QList<QStringList> rows;
    for (; !result.eof(); result.moveNext()) {
        QStringList row{result.text(columns.code), result.text(columns.name)};
        if (!columns.department.isEmpty())
            row << result.text(columns.department);
        rows << row;
    }
    return rows;
}

} // namespace qxmxz
