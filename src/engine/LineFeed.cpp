#include "LineFeed.h"

#include "platform/sql/Connection.h"
#include "platform/sql/RecordSet.h"

namespace qxmxz {

LineFeed::LineFeed(const Connection &database, Query query) : LineFeed(database, QList<Query>{std::move(query)}) {}

LineFeed::LineFeed(const Connection &database, QList<Query> queries)
    : ReadAhead<VoucherLine>(database, [queries = std::move(queries)](Connection &own, Sink &sink) {
          for (const Query &query : queries) {
              RecordSet source = query(own);
              const VoucherLineReader reader(source);
              for (; !source.eof(); source.moveNext()) {
                  VoucherLine line;
                  reader.read(source, line);
                  if (!sink.put(std::move(line)))
                      return;
              }
              source.close();
          }
      })
{
}

} // namespace qxmxz
