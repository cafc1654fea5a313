#pragma once

#include <QtGlobal>

namespace qxmxz {

class Login;

// The fiscal year of the component, shared by every instance of the public
// class: the year given to it, or, while none is given (0), the year of the
// login, read anew each time and never stored. 0 without either.
qint16 AccountingYear(const Login *login);
void setAccountingYear(qint16 year);

} // namespace qxmxz
