#pragma once

#include <QString>

#include "PrintTemplate.h"

namespace qxmxz {

// The page setup a user chose for a print name (paper, orientation, margins),
// kept in the user's settings (section "PrintSetup", one value per print name
// and user) and laid over the template when the ledger is printed again.
void savePrintSetup(const QString &printName, const QString &userId, const PrintTemplate &chosen);
// `layout` keeps its own page values when nothing was saved or the saved text is unreadable.
void applyPrintSetup(const QString &printName, const QString &userId, PrintTemplate &layout);

} // namespace qxmxz
