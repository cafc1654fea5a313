#include "LineFeed.h"

#include "platform/sql/Connection.h"
#include "platform/sql/RecordSet.h"

namespace qxmxz {

LineFeed::LineFeed(const Connection &database, Query query) : LineFeed(database, QList<Query>{std::move(query)}) {}

LineFeed::LineFeed(const Connection &database, QList<Query> queries, LineWorkMaker lineWork)
    : ReadAhead<VoucherLine>(
          database,
          [queries = std::move(queries), lineWork](Connection &own, Sink &sink) {
              const LineWork work = lineWork ? lineWork(own) : LineWork();
              for (const Query &query : queries) {
                  RecordSet source = query(own);
                  const VoucherLineReader reader(source);
                  for (; !source.eof(); source.moveNext()) {
                      VoucherLine line;
                      reader.read(source, line);
                      if (work)
                          work(line);
                      if (!sink.put(std::move(line)))
                          return;
                  }
                  source.close();
              }
          },
          // A second streaming result needs a connection of its own on PostgreSQL.
          lineWork ? Connection::Streams::OnClones : Connection::Streams::OnItself)
{
}

} // namespace qxmxz
