#pragma once

namespace qxmxz {

class GlPublic;

// Whether the detail ledger goes to the report service instead of the
// component's own window: the first new-report option decides alone when it
// is set; otherwise the operator's setting "IsUseNewReport" of section
// "GLOption" turns it off when it reads "0", and the second option decides.
bool IsUseNewReport(const GlPublic &pub);

} // namespace qxmxz
