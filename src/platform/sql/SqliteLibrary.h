#pragma once

namespace qxmxz {

// Configures the SQLite library once, before the process opens its first
// SQLite database (the working database or an SQLite company). Later calls
// do nothing; a library some other code has already started is left as it is.
void configureSqliteLibrary();

} // namespace qxmxz
