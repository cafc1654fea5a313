#pragma once

namespace qxmxz {

class GlPublic;

// Tells the user what a result code of the print control means: the text of
// the code inside "R7.GL.QXMXZ.mxzdll.errnum" together with the code, under
// the public class's title with the stop icon. Codes that mean success or a
// cancelled dialog (6, 35, 52, 67, 1000, 1002, 1003) and codes whose text is
// empty show nothing. `kind` names the print-control operation that returned
// the code (1, 2 or 3); the message does not depend on it.
void ReportPrintResult(GlPublic &pub, int code, int kind = 1);

} // namespace qxmxz
