#pragma once

#include <QString>
#include <QVariantList>
#include <optional>

namespace qxmxz {

// A query with the literal values it compares taken out as positional
// parameters ("?"), and those values in order.
struct ParameterizedQuery {
    QString text;
    QVariantList values;
};

// Ledgers ask the same query again and again for one voucher or account
// after another, the statements differing only in the compared values
// ("ccode = N'1002' and ino_id = 17"). Taking those values out lets all of
// them share one prepared statement. Only values right after a comparison
// operator are taken: a literal elsewhere may shape the query (a column
// position, a LIKE pattern the planner reads, a constant column), and a
// national string in the date form stays for the dialect to rewrite.
// Nothing comes back for a statement that is not a query, that has
// parameters of its own, or that compares no literal.
std::optional<ParameterizedQuery> parameterizeComparedLiterals(const QString &sql);

} // namespace qxmxz
