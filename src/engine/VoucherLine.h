#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

#include "platform/values/Currency.h"
#include "totals/CounterpartLines.h"

namespace qxmxz {

class RecordSet;

// One voucher line as the ledger runs read it from the server.
struct VoucherLine {
    QString code;
    int period = 0;
    QString sign;      // voucher type
    int number = 0;    // ino_id
    int lineNumber = 0; // inid
    QDate date;
    QString digest;
    int book = 0;      // 1 posted
    QString counterparts;
    // Its voucher's lines on the other side, when the counterpart column is
    // shown and the line stands alone on its side (read beside the ledger).
    QList<CounterpartLine> counterpartLines;
    Currency md, mc, md_f, mc_f;
    double nd_s = 0, nc_s = 0;
    QString currencyName;
    double rate = 0;
    QString person, customer, department, item, settlement, settlementNumber, maker, checker, supplier;
    std::array<QString, 16> defines;
    QString outsideSystem;

    bool isDebit() const { return !md.isZero() || (mc.isZero() && nd_s != 0); }
};

// Reads voucher lines from a result, resolving the column positions once:
// the result of GL_SubsLedger or the month table, whose columns the two name
// slightly differently (cCode / ccode, iBook / ibook, cexch_name, nfrat or frate).
class VoucherLineReader {
public:
    explicit VoucherLineReader(const RecordSet &rs);
    void read(const RecordSet &rs, VoucherLine &line) const;

private:
    int m_code, m_period, m_sign, m_number, m_line, m_date, m_digest, m_book, m_counterparts;
    int m_md, m_mc, m_mdf, m_mcf, m_nds, m_ncs, m_currency, m_nfrat, m_frate;
    int m_person, m_customer, m_department, m_item, m_settlement, m_settlementNumber, m_maker, m_checker, m_supplier;
    std::array<int, 16> m_defines;
    int m_outside;
};

} // namespace qxmxz
