#pragma once

#include <QList>
#include <functional>

#include "VoucherLine.h"
#include "platform/sql/ReadAhead.h"

namespace qxmxz {

class Connection;
class RecordSet;

// The voucher lines of a forward result, read ahead on a thread of their
// own: the source is queried and its rows are turned into lines there, on a
// second connection to the same database, while the run's thread writes the
// rows of the lines already read.
//
// With several queries their results are read one after the other, as if
// they were one.
//
// Work a line needs from the database besides its own row (its voucher's
// counterparts) can be done there too: `lineWork` is called on the reading
// thread with its connection and returns what is done to each line before
// the run takes it. Its queries then stream beside the source's.
class LineFeed : public ReadAhead<VoucherLine> {
public:
    using Query = std::function<RecordSet(Connection &)>;
    using LineWork = std::function<void(VoucherLine &)>;
    using LineWorkMaker = std::function<LineWork(Connection &own)>;
    LineFeed(const Connection &database, Query query);
    LineFeed(const Connection &database, QList<Query> queries, LineWorkMaker lineWork = {});
};

} // namespace qxmxz
