#pragma once

#include <QList>

#include "LedgerSheet.h"

namespace qxmxz {

// The export classes of the detail grid's ledger columns 0 to 21: dates,
// references, codes, names, the summary, the entry's rate and the direction
// are texts (0 to 7, 9, 16); prices, quantities and the balance's price and
// rate are measures (8, 10, 13, 17, 18, 20); amounts in money and foreign
// currency are money.
inline QList<ExportClass> ledgerExportClasses()
{
    QList<ExportClass> classes(22, ExportClass::Money);
    for (int j : {0, 1, 2, 3, 4, 5, 6, 7, 9, 16})
        classes[j] = ExportClass::Text;
    for (int j : {8, 10, 13, 17, 18, 20})
        classes[j] = ExportClass::Measure;
    return classes;
}

// The export classes of the general ledger's fourteen columns: month, day,
// voucher numbers, summary and direction are texts (0 to 3, 10); the debit,
// credit and balance quantities are measures (4, 7, 11); the rest is money.
inline QList<ExportClass> generalLedgerExportClasses()
{
    QList<ExportClass> classes(14, ExportClass::Money);
    for (int j : {0, 1, 2, 3, 10})
        classes[j] = ExportClass::Text;
    for (int j : {4, 7, 11})
        classes[j] = ExportClass::Measure;
    return classes;
}

} // namespace qxmxz
