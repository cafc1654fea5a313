#pragma once

#include <QString>

namespace qxmxz {
class Connection;
struct ProcedureDefinition;
}

namespace qxmxz::db {

// The PostgreSQL statement that installs a database procedure as a
// set-returning SQL function: the body's :Name parameters become $n and the
// procedure's column types become PostgreSQL types (text, integer,
// money → numeric, quantity → double precision, date).
QString postgresFunctionStatement(const ProcedureDefinition &procedure);

// Installs every procedure of the catalogue as a function (PostgreSQL only).
void installProcedureFunctions(Connection &connection);

} // namespace qxmxz::db
