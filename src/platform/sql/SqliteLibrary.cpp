#include "SqliteLibrary.h"

#include <mutex>
#include <sqlite3.h>

namespace qxmxz {

void configureSqliteLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Without memory statistics an allocation inside SQLite takes no
        // process-wide lock. A ledger reads on one thread and writes its
        // working table on another, both allocating for every row, and the
        // shared lock had them waiting on each other. Nothing here reads the
        // statistics.
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        sqlite3_initialize();
    });
}

} // namespace qxmxz
