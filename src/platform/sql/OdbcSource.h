#pragma once

#include <QString>

#include "SqlDialect.h"

namespace qxmxz {

// What an "odbc:" URL names: the text handed to the driver manager (a data
// source name, or a whole connection string such as
// "Driver={PostgreSQL Unicode};Server=…;Database=…") and the SQL the server
// behind it speaks. "?dialect=postgresql" at the end names a PostgreSQL
// server; without it the server is taken to be SQL Server.
struct OdbcSource {
    QString connectionText;
    Backend dialect = Backend::Odbc;
};

// Throws a Failure for an empty source or a dialect it does not know.
OdbcSource odbcSource(const QString &url);

} // namespace qxmxz
