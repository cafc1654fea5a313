// The component's fiscal year: the year given, else the login's.

#include "services/AccountingYear.h"

#include <gtest/gtest.h>

#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

TEST(AccountingYear, AGivenYearWinsAndZeroFallsBackToTheLogin)
{
    auto s = test::openDemoSession(Backend::Sqlite);
    setAccountingYear(2024);
    EXPECT_EQ(AccountingYear(s->login.get()), 2024);
    EXPECT_EQ(AccountingYear(nullptr), 2024);
    setAccountingYear(0);
    EXPECT_EQ(AccountingYear(s->login.get()), 2026) << "the login's year is read, never stored";
    EXPECT_EQ(AccountingYear(nullptr), 0);
}

} // namespace
} // namespace qxmxz
