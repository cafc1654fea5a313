#pragma once

#include <QDate>
#include <QString>

namespace qxmxz {

// A shown cell text read back as the value it displays.
struct CellReading {
    enum Kind { Blank, Number, Date, Text } kind = Blank;
    double number = 0;
    int decimals = 0;       // digits after the decimal point as shown
    bool thousands = false; // shown with thousands separators
    QDate date;
};

// Numbers as the ledger formats them ("-1,234.50", "0.00", "12"); with
// `decimalRequired` only a text with a decimal point counts as a number, so
// codes and voucher numbers of text columns stay texts. Dates as
// "yyyy-mm-dd" or "yyyy.mm.dd". Anything else is a text; an empty or blank
// cell is Blank.
CellReading readCell(const QString &text, bool decimalRequired);

} // namespace qxmxz
