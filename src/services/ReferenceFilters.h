#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace qxmxz {

class RecordSet;

// The reference lists the find dialog and the user-defined item picker open,
// by the type number the reference client takes.
namespace ReferenceTypes {
constexpr int Department = 1;
constexpr int Person = 2;
constexpr int UserDefinedItem = 3; // a user-defined voucher-head item
constexpr int ItemOrInventory = 4;
constexpr int Customer = 11;
constexpr int Vendor = 12;
constexpr int CustomerClass = 26;
constexpr int VendorClass = 27;
constexpr int DistrictClass = 28;
} // namespace ReferenceTypes

// How the reference client is prepared for what the operator typed. The
// optional value is the person's department (type 2), the user-defined item
// number in decimal (type 3) or the item class in its first two characters
// (type 4). Typed text and values are written into the filters as quoted
// literals. An empty typed text leaves the list unfiltered.
struct ReferenceSetup {
    int type = 0;
    // SetLogin, SetReferDisplayMode and SetReferDataType: every type but 3 and 4.
    bool setsLoginAndType = false;
    // The filters handed over one SetReferFilterString call each, in order;
    // the last one is in force.
    QStringList filterStrings;
    // Type 3: the statement and table handed to StrRefInit.
    QString statement;
    QString statementTable;
    // Type 4: the item class, whether it is the inventory ("ch"), and the
    // filter handed to ItemRefInit.
    QString itemClass;
    bool inventory = false;
    QString itemFilter;

    bool isFiltered() const { return !filterStrings.isEmpty() || !statement.isEmpty() || !itemFilter.isEmpty(); }
};

// Throws a Failure for a type outside the table.
ReferenceSetup referenceSetup(int type, const QString &typed, const QString &optionalValue = {});

// The columns the choice is read from.
struct ReferenceColumns {
    QString code;
    QString name;
    QString department; // type 2 only
};
ReferenceColumns referenceColumns(int type, const QString &optionalValue = {});

// What the operator chose.
struct ReferenceChoice {
    QString code;
    QString name;
    QString departmentCode; // type 2 only

    friend bool operator==(const ReferenceChoice &, const ReferenceChoice &) = default;
};

// The choice in the current row of the reference's result; nothing when the
// result holds no row.
std::optional<ReferenceChoice> readReferenceChoice(int type, const RecordSet &result, const QString &optionalValue = {});

} // namespace qxmxz
