#pragma once

#include <QString>

namespace qxmxz {

class GlPublic;
class GridModel;
class HintState;

// The rows of the general ledger of one account: the grid heading for a book
// style, then an opening row and, for each period, the period's debit and
// credit with the balance after it and the year's cumulative debit and credit
// with the same balance — each followed, in the foreign-currency styles of a
// parent account without a currency of its own, by one row per currency.
namespace basGrwl {

// The fourteen columns of the grid, under two heading rows (fixed rows 0
// and 1); the ledger rows start at row 2.
enum Column {
    Month = 0,
    Day = 1,
    VoucherNumbers = 2,
    Summary = 3,
    DebitQuantity = 4,
    DebitForeign = 5,
    DebitAmount = 6,
    CreditQuantity = 7,
    CreditForeign = 8,
    CreditAmount = 9,
    Direction = 10,
    BalanceQuantity = 11,
    BalanceForeign = 12,
    BalanceAmount = 13,
};
constexpr int ColumnCount = 14;
constexpr int HeadingRows = 2;

// The kind of figures asked for; the general-ledger window asks for an account.
constexpr int AccountKind = 4;

struct Request {
    int kind = AccountKind;
    QString code;
    bool includeUnposted = false;
    int styleIndex = 0; // EnumAccBookType: 0 金额式 … 3 数量外币式
    // The periods shown; the opening row is the balance at the start of the
    // first. 0 for the last: the last period of the calendar.
    int firstPeriod = 1;
    int lastPeriod = 0;
    // Only the unposted lines of this person count (empty: all).
    QString personCode;
    // The window's quantity-unit and currency labels; either may be absent.
    HintState *unitLabel = nullptr;
    HintState *currencyLabel = nullptr;
};

// Lays out the grid for the book style: fourteen columns, the two heading
// rows, the columns the style does not show hidden (width 0), and the widths
// saved under `rightId` for the style where there are any. The grid keeps no
// ledger rows. Throws a Failure for a style outside 0..3.
void LayOutHeading(GlPublic &pub, GridModel &grid, const QString &rightId, int styleIndex);

// Adds the ledger rows of the request to the grid (after the rows it holds)
// and returns how many. Throws a Failure for an unknown account, a period
// outside the calendar or a kind other than AccountKind; a database failure
// leaves the rows written so far in the grid.
int FillRows(GlPublic &pub, GridModel &grid, const Request &request);

} // namespace basGrwl
} // namespace qxmxz
