#pragma once

#include "platform/sql/Connection.h"

namespace qxmxz::test {

// A hand-made company small enough to know every answer by heart, written
// into an empty accounting database (fiscal year 2026):
//
//   1002 bank (non-end) → 100201 RMB, 100202 USD (美元)
//   1122 receivables → 112201;  1405 goods → 140501 (台);  6001 revenue
//   openings: 100201 Dr 10,000.00; 100202 Dr 7,100.00 = USD 1,000.00;
//             112201 Dr 3,000.00; 140501 Dr 2,000.00 = 20 台; 6001 Cr 22,100.00
//
//   period 1  收-1 2026-01-05  Dr 100201 500.00        Cr 112201 500.00
//             付-1 2026-01-20  Dr 112201 300.00        Cr 100201 300.00
//   period 2  收-1 2026-02-03  Dr 100202 710.00 (USD 100.00 at 7.1)  Cr 112201 710.00
//             转-1 2026-02-03  Dr 140501 1,000.00 (10 台)             Cr 100201 1,000.00
//             收-2 2026-02-10  Dr 100201 50.00          Cr 6001 50.00          (iflag 2: valid)
//   period 3  收-1 2026-03-01  Dr 100201 200.00          Cr 112201 200.00      (not posted)
//             收-2 2026-03-02  Dr 100201 999.00          Cr 112201 999.00      (voided, iflag 1)
//             付-1 2026-03-15  Dr 6001 142.00           Cr 100202 142.00 (USD 20.00 at 7.1)
//
// GL_accsum is rebuilt at the end.
void writeTinyCompany(Connection &connection);

} // namespace qxmxz::test
