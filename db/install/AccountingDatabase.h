#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <memory>

#include "platform/sql/Connection.h"

// Creating and filling accounting databases: the schema with its procedures,
// the demo company, large generated companies, and the account period sums
// (GL_accsum) that must agree with the voucher lines. Every failure throws a
// qxmxz::Failure naming what failed.
namespace qxmxz::db {

// A new, empty accounting database with the schema installed.
// sqlite:PATH — the file must not exist yet; a half-created file is removed.
// postgresql://… — the database is created when missing (through the
// server's "postgres" database); a database that already has tables is refused.
// odbc:…?dialect=postgresql — the database must exist; it gets the schema
// when it has no tables yet.
std::unique_ptr<Connection> createAccountingDatabase(const QString &url);

// The tables and indexes, and on PostgreSQL the database procedures as
// functions. Runs in one transaction.
void installSchema(Connection &connection);

// The demo company of fiscal year 2026 (account set "001"), then rebuilds
// GL_accsum. Expects an empty database with the schema installed.
void loadDemoCompany(Connection &connection);

struct CompanyOptions {
    qint64 voucherLines = 10000;
    quint64 seed = 1;
    int year = 2026;
    // Nine lines in ten on the busy bank account 100201: vouchers of several
    // receipts or payments of customers and suppliers through it, for
    // measuring a ledger of one very large account.
    bool oneBusyAccount = false;
};

// A large company generated from the seed: the same seed gives the same
// company. About 200 end accounts in three grades, exactly
// `voucherLines` voucher lines in the year (and a closed year before it with
// a tenth of them), then GL_accsum rebuilt. Expects an empty
// database with the schema installed.
void generateCompany(Connection &connection, const CompanyOptions &options);

// Replaces the year's GL_accsum rows, computed from the year openings (the
// period-1 balances of the end accounts, which are kept) and the posted,
// valid voucher lines.
void rebuildAccountSums(Connection &connection, int year);

// Compares the year's GL_accsum with the voucher lines and the year
// openings; returns one text per difference found (empty: they agree).
QStringList reconcileAccountSums(Connection &connection, int year);

} // namespace qxmxz::db
