#pragma once

#include <QStringList>

namespace qxmxz {

// The 49 columns of a ledger's display table (the detail ledger's mxfirst,
// which the merged ledger's table extends): every figure already formatted,
// grid column j showing field j.
const QStringList &displayTableColumns();

} // namespace qxmxz
