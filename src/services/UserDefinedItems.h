#pragma once

#include <QList>
#include <QString>

namespace qxmxz {

class GlPublic;

// The definition of a user-defined voucher-head item. A Null column reads
// as false or an empty text.
struct UserDefInfo {
    quint8 iDataSource = 0;
    bool bInput = false;
    bool bCheckVal = false;
    bool bFixLength = false;
    bool bArchive = false;
    QString cRelArchive;
    QString cRelField;

    friend bool operator==(const UserDefInfo &, const UserDefInfo &) = default;
};

// Reads the definition of item `itemNumber` (1 to 16) from userdef. False,
// with `info` left as it was, when the account set does not define the item.
bool GetUserDefInfo(GlPublic &pub, quint8 itemNumber, UserDefInfo &info);

// How the item is shown: its name and its data type as the display text of
// the type ("R7.GL.QXMXZ.frmzyx_yj.text", ".date", ".intger", ".num") in the
// login's language. An item the account set does not define has the name
// "cDefine" and its number, and the text type.
struct UserDefinedItem {
    int number = 0;
    QString name;
    QString typeText;
};
QList<UserDefinedItem> userDefinedItems(GlPublic &pub);

} // namespace qxmxz
