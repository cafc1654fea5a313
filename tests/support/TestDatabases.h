#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

#include "platform/sql/Connection.h"

// Accounting databases for the test programs, on SQLite, on PostgreSQL and on
// PostgreSQL reached through ODBC.
//
// PostgreSQL is the server that `./dev test` starts and names in the
// environment variable QXMXZ_PG_URL (postgresql://postgres@/postgres?host=…&port=…).
// When it is not set, every call for Backend::Postgres throws a qxmxz::Failure
// saying so: the test fails, it is never skipped.
//
// Backend::Odbc is the same server through the ODBC data source that
// `./dev test` writes and names in QXMXZ_ODBC_URL (odbc:DSN?dialect=postgresql).
// Without it (no ODBC driver on the machine) the ODBC runs are skipped.
//
// Every database made here belongs to the running test program only: SQLite
// files live in a temporary folder, server databases get a name unique to
// the process; all are removed when the program ends (a GoogleTest
// environment drops them after the last test).
//
// Typical use in a test parameterised over the backends:
//
//   class LedgerTest : public qxmxz::test::BackendTest {};
//   TEST_P(LedgerTest, …) {
//       auto db = qxmxz::test::openDemo(GetParam());
//       RecordSet rs = db->query("select …");
//   }
//   INSTANTIATE_TEST_SUITE_P(Backends, LedgerTest, qxmxz::test::allBackends(),
//                            qxmxz::test::backendTestName);
//
// A fixture with a SetUp of its own calls BackendTest::SetUp() first and
// returns when IsSkipped().
namespace qxmxz {
// Readable backend names in GoogleTest's messages.
void PrintTo(Backend backend, std::ostream *os);
} // namespace qxmxz

namespace qxmxz::test {

// SQLite, PostgreSQL and PostgreSQL through ODBC, for INSTANTIATE_TEST_SUITE_P.
::testing::internal::ParamGenerator<Backend> allBackends();

// A test run once per backend; skips the ODBC run when QXMXZ_ODBC_URL is not set.
class BackendTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override;
};

// "Sqlite", "Postgres" or "Odbc", for the names of parameterised tests.
std::string backendTestName(const ::testing::TestParamInfo<Backend> &info);

// The demo company (fiscal year 2026, account set "001", users demo, wang,
// zhao, li, sun, qian, admin), built once per program and backend; each call
// opens a new connection. Shared by the tests of the program: do not change it
// (write into a scratch database instead).
std::unique_ptr<Connection> openDemo(Backend backend);
QString demoUrl(Backend backend);

// A generated company of `voucherLines` lines from `seed` (fiscal year 2026),
// built once per program, backend, size and seed; shared like the demo.
std::unique_ptr<Connection> openGenerated(Backend backend, qint64 voucherLines, quint64 seed = 1);
QString generatedUrl(Backend backend, qint64 voucherLines, quint64 seed = 1);

// A new, empty accounting database with the schema installed, for one test to change at will.
std::unique_ptr<Connection> createScratchDatabase(Backend backend);

// The URL of a database that does not exist yet (for tests of database
// creation); whatever is created there is removed at the end like the rest.
QString unusedDatabaseUrl(Backend backend);

// The URL of the PostgreSQL server's "postgres" database from QXMXZ_PG_URL;
// throws the Failure described above when the variable is not set.
QString postgresServerUrl();

} // namespace qxmxz::test
