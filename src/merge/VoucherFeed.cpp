#include "VoucherFeed.h"

#include <memory>

#include "platform/sql/Connection.h"
#include "platform/sql/RecordSet.h"
#include "platform/outside/FiscalCalendar.h"

namespace qxmxz {

namespace {

// The reader reads a period's groups at once before it hands over the
// period's first voucher: it may run a period and more ahead (a period of
// the busiest account of a large company is some ten thousand vouchers), so
// that the run's thread does not wait at every change of period.
constexpr std::size_t VouchersEachBatch = 256;
constexpr std::size_t QueuedBatches = 64;

void readVouchers(Connection &own, ReadAhead<MergedVoucher>::Sink &sink, const GroupReading &reading,
                  int firstPeriod, int lastPeriod, bool eachVoucher)
{
    std::unique_ptr<VoucherGroupSource> source;
    if (eachVoucher)
        source = std::make_unique<EachVoucherGroups>(own, reading);
    else
        source = std::make_unique<PeriodGroups>(own, reading);
    RecordSet list = own.query(MergeStatements::voucherList(reading.year, reading.code, firstPeriod, lastPeriod,
                                                            reading.includeUnposted),
                               RecordSet::Cursor::Forward);
    const int codeField = list.fieldIndex(QStringLiteral("ccode"));
    const int periodField = list.fieldIndex(QStringLiteral("iperiod"));
    const int signField = list.fieldIndex(QStringLiteral("csign"));
    const int sequenceField = list.fieldIndex(QStringLiteral("isignseq"));
    const int numberField = list.fieldIndex(QStringLiteral("ino_id"));
    const int dateField = list.fieldIndex(QStringLiteral("dbill_date"));
    const int bookField = list.fieldIndex(QStringLiteral("ibook"));
    for (; !list.eof(); list.moveNext()) {
        MergedVoucher voucher;
        voucher.key.code = list.field(codeField).toString().trimmed();
        voucher.key.period = list.field(periodField).toInt();
        voucher.key.signSequence = list.field(sequenceField).toInt();
        voucher.key.number = list.field(numberField).toInt();
        voucher.sign = list.field(signField).toString().trimmed();
        voucher.date = toDate(list.field(dateField));
        voucher.book = list.field(bookField).toInt();
        voucher.groups = source->groupsOf(voucher.key);
        // Merged by account, a group's summary is that of the voucher's
        // first line of the account on the group's side.
        if (!reading.byDigest) {
            bool debit = false, credit = false;
            for (const MergeGroup &group : std::as_const(voucher.groups))
                (group.isDebit() ? debit : credit) = true;
            if (debit)
                voucher.debitSummary = source->summaryOf(voucher.key, true);
            if (credit)
                voucher.creditSummary = source->summaryOf(voucher.key, false);
        }
        if (!sink.put(std::move(voucher)))
            break;
    }
    list.close();
}

} // namespace

VoucherFeed::VoucherFeed(const Connection &database, const GroupReading &reading, int firstPeriod, int lastPeriod,
                         bool eachVoucher)
    : ReadAhead<MergedVoucher>(
          database,
          [reading, firstPeriod, lastPeriod, eachVoucher](Connection &own, Sink &sink) {
              readVouchers(own, sink, reading, firstPeriod, lastPeriod, eachVoucher);
          },
          Connection::Streams::OnClones, VouchersEachBatch, QueuedBatches)
{
}

} // namespace qxmxz
