#include "VoucherFeed.h"

#include "platform/sql/Connection.h"
#include "platform/sql/RecordSet.h"
#include "platform/outside/FiscalCalendar.h"
#include "platform/values/SharedTexts.h"

namespace qxmxz {

namespace {

// A reader that reads a period's groups on the spot does so before it hands
// over the period's first voucher. The vouchers queued meanwhile keep the
// run's thread writing while it does (some 60 ms for the busiest account of a
// large company, whose period is some ten thousand vouchers); each one queued
// holds its groups beside the grid. Groups read ahead need half the queue.
constexpr std::size_t VouchersEachBatch = 256;
constexpr std::size_t QueuedBatches = 32;
constexpr std::size_t QueuedBatchesReadingAhead = 16;

// The vouchers of a voucher list in its order, each with its groups and,
// merged by account, its sides' summaries; false once the reading is closed.
bool readList(Connection &own, ReadAhead<MergedVoucher>::Sink &sink, const GroupReading &reading,
              const QString &statement, VoucherGroupSource &source, SharedTexts &texts)
{
    RecordSet list = own.query(statement, RecordSet::Cursor::Forward);
    const int codeField = list.fieldIndex(QStringLiteral("ccode"));
    const int periodField = list.fieldIndex(QStringLiteral("iperiod"));
    const int signField = list.fieldIndex(QStringLiteral("csign"));
    const int sequenceField = list.fieldIndex(QStringLiteral("isignseq"));
    const int numberField = list.fieldIndex(QStringLiteral("ino_id"));
    const int dateField = list.fieldIndex(QStringLiteral("dbill_date"));
    const int bookField = list.fieldIndex(QStringLiteral("ibook"));
    for (; !list.eof(); list.moveNext()) {
        MergedVoucher voucher;
        voucher.key.code = texts.share(list.field(codeField).toString().trimmed());
        voucher.key.period = list.field(periodField).toInt();
        voucher.key.signSequence = list.field(sequenceField).toInt();
        voucher.key.number = list.field(numberField).toInt();
        voucher.sign = texts.share(list.field(signField).toString().trimmed());
        voucher.date = toDate(list.field(dateField));
        voucher.book = list.field(bookField).toInt();
        voucher.groups = source.groupsOf(voucher.key);
        // Merged by account, a group's summary is that of the voucher's
        // first line of the account on the group's side.
        if (!reading.byDigest) {
            bool debit = false, credit = false;
            for (const MergeGroup &group : std::as_const(voucher.groups))
                (group.isDebit() ? debit : credit) = true;
            if (debit)
                voucher.debitSummary = source.summaryOf(voucher.key, true);
            if (credit)
                voucher.creditSummary = source.summaryOf(voucher.key, false);
        }
        if (!sink.put(std::move(voucher)))
            return false;
    }
    list.close();
    return true;
}

// The plain reading lists the vouchers of all periods at once. So does the
// period reading for several codes: the order of one voucher's codes is the
// database's own, which a list a period at a time need not repeat. For one
// code it lists them a period at a time, beside that period's groups, so that
// the database sorts and keeps apart no more than one period's vouchers and
// finds the code's period in its index.
void readVouchers(Connection &own, ReadAhead<MergedVoucher>::Sink &sink, const GroupReading &reading,
                  int firstPeriod, int lastPeriod, bool eachVoucher)
{
    SharedTexts texts; // the queued vouchers share their few codes and signs
    const QString wholeList =
        MergeStatements::voucherList(reading.year, reading.code, firstPeriod, lastPeriod, reading.includeUnposted);
    if (eachVoucher) {
        EachVoucherGroups source(own, reading);
        readList(own, sink, reading, wholeList, source, texts);
        return;
    }
    const MergeStatements::PeriodAccounts accounts = readPeriodAccounts(own, reading);
    PeriodsAhead source(own, reading, accounts, firstPeriod, lastPeriod);
    if (accounts.codes.size() != 1) {
        readList(own, sink, reading, wholeList, source, texts);
        return;
    }
    for (int period = firstPeriod; period <= lastPeriod; ++period)
        if (!readList(own, sink, reading,
                      MergeStatements::voucherListOfPeriod(reading.year, accounts, period, reading.includeUnposted),
                      source, texts))
            return;
}

} // namespace

VoucherFeed::VoucherFeed(const Connection &database, const GroupReading &reading, int firstPeriod, int lastPeriod,
                         bool eachVoucher)
    : ReadAhead<MergedVoucher>(
          database,
          [reading, firstPeriod, lastPeriod, eachVoucher](Connection &own, Sink &sink) {
              readVouchers(own, sink, reading, firstPeriod, lastPeriod, eachVoucher);
          },
          Connection::Streams::OnClones, VouchersEachBatch,
          !eachVoucher && PeriodsAhead::readsAhead(database) ? QueuedBatchesReadingAhead : QueuedBatches)
{
}

} // namespace qxmxz
