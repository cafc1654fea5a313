#pragma once

#include <QStringList>

namespace qxmxz {

// The 49 columns of a ledger's display table (the detail ledger's mxfirst,
// which the merged ledger's table extends): every figure already formatted,
// grid column j showing field j.
const QStringList &displayTableColumns();

// Their positions in displayTableColumns(), for the writers of the rows
// (which find them in their record set with fieldPositions).
enum class DisplayColumn : int {
    Nian, Yue, Ri, PzId, ccode, CodeName, cDigest, ccode_equal, Price, Frate,
    Snd_s, Smd_f, Smd, Snc_s, Smc_f, Smc, Scendd_c, Sne_s, aPrice, Sme_f, aFrat, Smend,
    cPerson_id, cCus_id, cDept_id, cItem_id, cn_m, cn_id, cbill, cCheck, cSup_id,
    cdef1, coutsysname = cdef1 + 16, iBook
};

} // namespace qxmxz
