#include "AccountingYear.h"

#include "platform/outside/Login.h"

namespace qxmxz {

namespace {

qint16 givenYear = 0;

} // namespace

qint16 AccountingYear(const Login *login)
{
    if (givenYear != 0)
        return givenYear;
    return login ? login->year().toShort() : 0;
}

void setAccountingYear(qint16 year)
{
    givenYear = year;
}

} // namespace qxmxz
