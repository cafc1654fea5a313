#include "LineFeed.h"

#include "platform/sql/Connection.h"
#include "platform/sql/RecordSet.h"

namespace qxmxz {

LineFeed::LineFeed(const Connection &database, Query query)
    : ReadAhead<VoucherLine>(database, [query = std::move(query)](Connection &own, Sink &sink) {
          RecordSet source = query(own);
          const VoucherLineReader reader(source);
          for (; !source.eof(); source.moveNext()) {
              VoucherLine line;
              reader.read(source, line);
              if (!sink.put(std::move(line)))
                  break;
          }
          source.close();
      })
{
}

} // namespace qxmxz
