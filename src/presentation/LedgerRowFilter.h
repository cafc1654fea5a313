#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "platform/values/Currency.h"

namespace qxmxz {

class GlPublic;
class GridModel;

// What the find dialog asks of the detail ledger's rows. An empty criterion
// tests nothing; every text criterion but the summary and the counterpart
// must equal its cell.
struct LedgerFindCriteria {
    QString counterpart;      // an account code the counterpart cell contains
    QString sourceSystem;     // a system id; "GL" is the ledger's own (cell empty)
    QString summary;          // text the summary contains
    QString person, customer, supplier, department, item;
    std::optional<int> voucherFrom, voucherTo;
    std::optional<QDate> dateFrom, dateTo;
    QString voucherType;      // the code before the "-" of the voucher reference
    QString settlementMethod;
    QString settlementNumber;
    QString maker, checker;   // as the cells show them: user names
    std::optional<Currency> amountFrom, amountTo;
    std::array<QString, 16> userDefined;
};

// Narrows the rows a detail-ledger grid shows without asking the database
// again: a row that fails a criterion gets the height 0, a row without a
// row key (opening, total and per-currency rows) always. Under the rows
// that stay, a total row sums their quantities, foreign amounts and
// amounts; quantities and foreign amounts only where every visible row is
// of one unit or one currency, as they are never added across them. Undo
// gives every row its height back and removes the total row.
class LedgerRowFilter {
public:
    LedgerRowFilter(const GlPublic &pub, GridModel &grid);

    // Columns of the detail grid the criteria test.
    enum Column {
        Year = 0, Month = 1, Day = 2, Voucher = 3, Account = 4, Summary = 6, Counterpart = 7,
        DebitQuantity = 10, DebitForeign = 11, DebitAmount = 12,
        CreditQuantity = 13, CreditForeign = 14, CreditAmount = 15,
        Person = 22, Customer = 23, Department = 24, Item = 25, SettlementMethod = 26, SettlementNumber = 27,
        Maker = 28, Checker = 29, Supplier = 30, FirstUserDefined = 31, SourceSystem = 47,
    };

    // Filters anew (an earlier filter is undone first); answers the number
    // of ledger rows left visible.
    int apply(const LedgerFindCriteria &criteria);
    void undo();
    bool isFiltered() const { return m_filtered; }
    // The row of the totals while filtered, else -1.
    int totalRow() const { return m_filtered ? m_totalRow : -1; }
    // Whether a ledger row passes every criterion (the row key included).
    bool passes(int row, const LedgerFindCriteria &criteria) const;
    // The voucher date of a ledger row, from its period, month and day.
    std::optional<QDate> rowDate(int row) const;
    // The grid was filled anew: what was saved belongs to other rows.
    void forget();

private:
    void writeTotals();

    const GlPublic &m_pub;
    GridModel &m_grid;
    bool m_filtered = false;
    int m_totalRow = -1;
    QList<int> m_heights; // each ledger row's height before the filter
};

} // namespace qxmxz
