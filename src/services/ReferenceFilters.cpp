#include "ReferenceFilters.h"

#include "platform/Failure.h"
#include "platform/sql/RecordSet.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

namespace {

// "a like '%T%' or b like '%T%'"
QString eitherLike(const QString &first, const QString &second, const QString &typed)
{
    const QString t = sqlQuoted(typed);
    return first + QStringLiteral(" like '%") + t + QStringLiteral("%' or ") + second + QStringLiteral(" like '%") + t
           + QStringLiteral("%'");
}

QString itemClassOf(const QString &optionalValue)
{
    return optionalValue.left(2);
}

bool isInventory(const QString &itemClass)
{
    return itemClass == u"ch";
}

} // namespace

ReferenceSetup referenceSetup(int type, const QString &typed, const QString &optionalValue)
{
    ReferenceSetup setup;
    setup.type = type;
    setup.setsLoginAndType = type != ReferenceTypes::UserDefinedItem && type != ReferenceTypes::ItemOrInventory;
    switch (type) {
    case ReferenceTypes::Department:
    case ReferenceTypes::Person:
    case ReferenceTypes::UserDefinedItem:
    case ReferenceTypes::ItemOrInventory:
    case ReferenceTypes::Customer:
    case ReferenceTypes::Vendor:
    case ReferenceTypes::CustomerClass:
    case ReferenceTypes::VendorClass:
    case ReferenceTypes::DistrictClass:
        break;
    default:
        throw Failure(QStringLiteral("There is no reference list of type %1").arg(type));
    }
    if (type == ReferenceTypes::ItemOrInventory) {
        setup.itemClass = itemClassOf(optionalValue);
        setup.inventory = isInventory(setup.itemClass);
    }
    if (typed.isEmpty())
        return setup;

    switch (type) {
    case ReferenceTypes::Department:
        setup.filterStrings << eitherLike(QStringLiteral("department.cdepcode"), QStringLiteral("department.cdepname"), typed);
        break;
    case ReferenceTypes::Person: {
        const QString person = eitherLike(QStringLiteral("person.cpersoncode"), QStringLiteral("person.cpersonname"), typed);
        setup.filterStrings << person;
        if (!optionalValue.isEmpty())
            setup.filterStrings << QStringLiteral("(") + person + QStringLiteral(") and person.cdepcode like '%")
                                       + sqlQuoted(optionalValue) + QStringLiteral("%'");
        break;
    }
    case ReferenceTypes::UserDefinedItem:
        setup.statement = QStringLiteral("select * from userdefine where cid =(select cId from userdef where "
                                         "cclass='单据头' and citem='自定义项")
                          + sqlQuoted(optionalValue) + QStringLiteral("')") + QStringLiteral(" and (")
                          + eitherLike(QStringLiteral("cValue"), QStringLiteral("cAlias"), typed) + QStringLiteral(")");
        setup.statementTable = QStringLiteral("userdefine");
        break;
    case ReferenceTypes::ItemOrInventory:
        setup.itemFilter = setup.inventory ? eitherLike(QStringLiteral("cinvcode"), QStringLiteral("cinvname"), typed)
                                           : eitherLike(QStringLiteral("citemcode"), QStringLiteral("citemname"), typed);
        break;
    case ReferenceTypes::Customer:
        setup.filterStrings << eitherLike(QStringLiteral("customer.ccuscode"), QStringLiteral("customer.ccusabbname"), typed);
        break;
    case ReferenceTypes::Vendor:
        setup.filterStrings << eitherLike(QStringLiteral("vendor.cvencode"), QStringLiteral("vendor.cvenabbname"), typed);
        break;
    case ReferenceTypes::CustomerClass:
        setup.filterStrings << eitherLike(QStringLiteral("customerclass.ccccode"), QStringLiteral("customerclass.cccname"), typed);
        break;
    case ReferenceTypes::VendorClass:
        setup.filterStrings << eitherLike(QStringLiteral("vendorclass.cvccode"), QStringLiteral("vendorclass.cvcname"), typed);
        break;
    case ReferenceTypes::DistrictClass:
        setup.filterStrings << eitherLike(QStringLiteral("districtclass.cdccode"), QStringLiteral("districtClass.cdcname"), typed);
        break;
    }
    return setup;
}

ReferenceColumns referenceColumns(int type, const QString &optionalValue)
{
    switch (type) {
    case ReferenceTypes::Department:
        return {QStringLiteral("cdepcode"), QStringLiteral("cdepname"), {}};
    case ReferenceTypes::Person:
        return {QStringLiteral("cpersoncode"), QStringLiteral("cpersonname"), QStringLiteral("cdepcode")};
    case ReferenceTypes::UserDefinedItem:
        return {QStringLiteral("cValue"), QStringLiteral("cAlias"), {}};
    case ReferenceTypes::ItemOrInventory:
        if (isInventory(itemClassOf(optionalValue)))
            return {QStringLiteral("cinvcode"), QStringLiteral("cinvname"), {}};
        return {QStringLiteral("citemcode"), QStringLiteral("citemname"), {}};
    case ReferenceTypes::Customer:
        return {QStringLiteral("ccuscode"), QStringLiteral("ccusabbname"), {}};
    case ReferenceTypes::Vendor:
        return {QStringLiteral("cvencode"), QStringLiteral("cvenabbname"), {}};
    case ReferenceTypes::CustomerClass:
        return {QStringLiteral("ccccode"), QStringLiteral("cccname"), {}};
    case ReferenceTypes::VendorClass:
        return {QStringLiteral("cvccode"), QStringLiteral("cvcname"), {}};
    case ReferenceTypes::DistrictClass:
        return {QStringLiteral("cdccode"), QStringLiteral("cdcname"), {}};
    }
    throw Failure(QStringLiteral("There is no reference list of type %1").arg(type));
}

std::optional<ReferenceChoice> readReferenceChoice(int type, const RecordSet &result, const QString &optionalValue)
{
    const ReferenceColumns columns = referenceColumns(type, optionalValue);
    if (!result.isOpen() || result.eof() || result.bof())
        return std::nullopt;
    ReferenceChoice choice;
    choice.code = result.text(columns.code);
    choice.name = result.text(columns.name);
    if (!columns.department.isEmpty())
        choice.departmentCode = result.text(columns.department);
    return choice;
}

} // namespace qxmxz
