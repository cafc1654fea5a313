#pragma once

#include <QString>

namespace qxmxz {

class GlPublic;

// Whether the operator may use a function ("GL0305", "GL0306", "GL030101" …),
// asked of the login of the general-ledger object. Under the login's
// alternate subsystem every "L" of a "GL…" identifier becomes "F" and the
// caller's variable receives the rewritten identifier. A refusal with error
// number 20 (no right) or any number but 22 returns false and, when
// `withMessages`, shows why under the title of the component (style 16); error
// 22 lets the operation go on. The login's error state is cleared after every
// refusal.
bool CheckRight(GlPublic &pub, QString &rightId, bool withMessages);

// What CheckRight does with a refused check: the answer for the login's
// error number and text, and the message it shows when `withMessages`.
bool answerRefusedRight(GlPublic &pub, const QString &rightId, int errorNumber, const QString &errorText,
                        bool withMessages);

} // namespace qxmxz
