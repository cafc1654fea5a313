#include "SqlDialect.h"

#include "platform/Failure.h"

#include "OdbcDialect.h"
#include "PostgresDialect.h"
#include "SqliteDialect.h"

namespace qxmxz {

std::unique_ptr<SqlDialect> makeDialect(Backend backend, QStringList procedureNames)
{
    switch (backend) {
    case Backend::Sqlite:
        return std::make_unique<SqliteDialect>(std::move(procedureNames));
    case Backend::Postgres:
        return std::make_unique<PostgresDialect>(std::move(procedureNames));
    case Backend::Odbc:
        return std::make_unique<OdbcDialect>(std::move(procedureNames));
    }
    throw Failure(QStringLiteral("Unknown database backend"), QString::number(int(backend)));
}

} // namespace qxmxz
