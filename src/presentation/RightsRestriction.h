#pragma once

#include <QtGlobal>

namespace qxmxz {

class GlPublic;

// Whether the operator of the general-ledger object's login is restricted on a
// dimension: 0 accounts, 1 departments, 2 project items; any other dimension
// is never restricted.
bool HasRightsRestriction(GlPublic &pub, quint8 dimension);

} // namespace qxmxz
