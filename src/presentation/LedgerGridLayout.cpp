#include "LedgerGridLayout.h"

#include "BookStyle.h"
#include "platform/outside/GlPublic.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "services/ColumnWidths.h"

namespace qxmxz {

namespace {

constexpr int Columns = 49;
constexpr int TwipsPerPixel = 15;
constexpr int CounterpartWidth = 1440;
const QString KeyPrefix = QStringLiteral("R7.GL.QXMXZ.");

enum class Width { Zero, Fixed, Summary, Price, Rate, Quantity, Foreign, Amount, Counterpart };

struct Column {
    const char *key;
    Width width;
    int fixed;
};

// Column j shows field j of the display table.
const Column LedgerColumns[Columns] = {
    {"", Width::Zero, 0},                   // 0 year (row data)
    {"mmxz.month", Width::Fixed, 340},      // 1
    {"mmxz.day", Width::Fixed, 340},        // 2
    {"mmxz.00144", Width::Fixed, 1400},     // 3 voucher
    {"mmxz.00145", Width::Fixed, 1400},     // 4 account code
    {"mmxz.00146", Width::Fixed, 2200},     // 5 account name
    {"mmxz.00147", Width::Summary, 0},      // 6 summary
    {"mmxz.00148", Width::Counterpart, 0},  // 7 counterpart account
    {"mmxz.dj", Width::Price, 0},           // 8 unit price
    {"mmxz.00150", Width::Rate, 0},         // 9 rate
    {"mmxz.amount", Width::Quantity, 0},    // 10 debit quantity
    {"basgrwl.wb", Width::Foreign, 0},      // 11 debit foreign currency
    {"mmxz.cashamount", Width::Amount, 0},  // 12 debit amount
    {"mmxz.amount", Width::Quantity, 0},    // 13 credit quantity
    {"mmxz.wb", Width::Foreign, 0},         // 14 credit foreign currency
    {"mmxz.cashamount", Width::Amount, 0},  // 15 credit amount
    {"mmxz.00157", Width::Fixed, 300},      // 16 direction
    {"mmxz.amount", Width::Quantity, 0},    // 17 balance quantity
    {"mmxz.dj", Width::Price, 0},           // 18 balance unit price
    {"mmxz.wb", Width::Foreign, 0},         // 19 balance foreign currency
    {"mmxz.00161", Width::Rate, 0},         // 20 balance rate
    {"mmxz.cashamount", Width::Amount, 0},  // 21 balance amount
    {"mmxz.00163", Width::Zero, 0},         // 22 person
    {"mmxz.00164", Width::Zero, 0},         // 23 customer
    {"mmxz.00165", Width::Zero, 0},         // 24 department
    {"mmxz.00166", Width::Zero, 0},         // 25 project item
    {"mmxz.00167", Width::Zero, 0},         // 26 settlement method
    {"mmxz.00168", Width::Zero, 0},         // 27 settlement number
    {"mmxz.00169", Width::Zero, 0},         // 28 maker
    {"mmxz.00170", Width::Zero, 0},         // 29 checker
    {"mmxz.00171", Width::Zero, 0},         // 30 supplier
    // 31 … 48: user-defined items 1 to 16, source system, posted flag
    {"", Width::Zero, 0}, {"", Width::Zero, 0}, {"", Width::Zero, 0}, {"", Width::Zero, 0},
    {"", Width::Zero, 0}, {"", Width::Zero, 0}, {"", Width::Zero, 0}, {"", Width::Zero, 0},
    {"", Width::Zero, 0}, {"", Width::Zero, 0}, {"", Width::Zero, 0}, {"", Width::Zero, 0},
    {"", Width::Zero, 0}, {"", Width::Zero, 0}, {"", Width::Zero, 0}, {"", Width::Zero, 0},
    {"", Width::Zero, 0}, {"", Width::Zero, 0},
};

QList<int> hiddenColumns(BookStyle style)
{
    switch (style) {
    case BookStyle::Je:
        return {8, 9, 10, 11, 13, 14, 17, 18, 19, 20};
    case BookStyle::Sl:
        return {9, 11, 14, 19, 20};
    case BookStyle::Wb:
        return {8, 10, 13, 17, 18};
    case BookStyle::SlWb:
        return {};
    }
    return {};
}

int defaultWidth(const Column &column, const StandardColumnWidths &w)
{
    switch (column.width) {
    case Width::Zero: return 0;
    case Width::Fixed: return column.fixed;
    case Width::Summary: return w.summary;
    case Width::Price: return w.price;
    case Width::Rate: return w.rate;
    case Width::Quantity: return w.quantity;
    case Width::Foreign: return w.foreign;
    case Width::Amount: return w.amount;
    case Width::Counterpart: return CounterpartWidth;
    }
    return 0;
}

void hide(GridModel &grid, HeaderModel &header, int column)
{
    grid.setColWidth(column, 0);
    header.setWidth(column, 0);
    header.setHidden(column, true);
}

} // namespace

QString ledgerLayoutCode(const LedgerLayoutFlags &flags)
{
    if (flags.firstLayout)
        return QStringLiteral("GL03051");
    if (flags.secondLayout)
        return QStringLiteral("GL03052");
    return QStringLiteral("GL03053");
}

const QStringList &ledgerColumnKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        for (const Column &c : LedgerColumns)
            list << (*c.key ? KeyPrefix + QString::fromLatin1(c.key) : QString());
        return list;
    }();
    return keys;
}

void LayOutLedgerGrid(GlPublic &pub, GridModel &grid, HeaderModel &header, const QString &styleText,
                      qint16 &columnOption, int fixedColumns, const LedgerLayoutFlags &flags, bool defaults)
{
    if (styleText.trimmed().isEmpty())
        return;
    BookStyle style;
    if (!BookStyles::fromText(styleText, style))
        return;
    // Read first: a summary width that overflows leaves grid and header as they were.
    const StandardColumnWidths widths = LoadColumnWidths(pub);
    const bool gridWasVisible = grid.Visible();
    grid.setVisible(false);
    header.setVisible(false);

    grid.setCols(Columns);
    const bool counterpartColumn = flags.counterpartShown && !flags.firstLayout;

    std::optional<QList<int>> saved;
    if (!defaults)
        saved = pub.savedColumnWidths(ledgerLayoutCode(flags), BookStyles::index(style));
    for (int j = 0; j < Columns; ++j) {
        int width = defaultWidth(LedgerColumns[j], widths);
        if (saved && j < saved->size())
            width = saved->at(j);
        if (j == 7)
            width = counterpartColumn ? CounterpartWidth : 0;
        if (j >= 22)
            width = 0;
        grid.setColWidth(j, width);
    }

    header.setColumnCount(Columns);
    for (int j = 0; j < Columns; ++j)
        header.setWidth(j, j <= 21 ? grid.ColWidth(j) / TwipsPerPixel : 0);
    if (flags.firstLayout)
        header.setWidth(7, 0);

    const QStringList &keys = ledgerColumnKeys();
    for (int j = 1; j <= 30; ++j)
        header.setCaption(j, pub.text(keys[j]));
    header.clearBands();
    header.setBand({1, 1, 2, pub.text(KeyPrefix + QStringLiteral("mmxz.numyear"), {QString::number(pub.year())})});
    if (style == BookStyle::Je) {
        // Amount columns stand alone: they carry the debit, credit and balance headings themselves.
        header.setCaption(12, pub.text(KeyPrefix + QStringLiteral("mmxz.jf")));
        header.setCaption(15, pub.text(KeyPrefix + QStringLiteral("mmxz.df")));
        header.setCaption(21, pub.text(KeyPrefix + QStringLiteral("mmxz.ye")));
    } else {
        header.setBand({9, 10, 12, pub.text(KeyPrefix + QStringLiteral("mmxz.jf"))});
        header.setBand({10, 13, 15, pub.text(KeyPrefix + QStringLiteral("mmxz.df"))});
        header.setBand({12, 17, 21, pub.text(KeyPrefix + QStringLiteral("mmxz.ye"))});
    }

    header.showAllColumns();
    for (int j = 22; j < Columns; ++j)
        header.setHidden(j, true);
    header.setHidden(0, true);
    // Rule A: the account columns show only in the by-code listing.
    if (!(columnOption > 0 && !flags.firstLayout)) {
        hide(grid, header, 4);
        hide(grid, header, 5);
    }
    // Rule B: the counterpart column shows only when asked for.
    if (!counterpartColumn)
        hide(grid, header, 7);
    for (int j : hiddenColumns(style))
        hide(grid, header, j);

    grid.setFixedCols(std::min(fixedColumns, Columns));
    header.setFixedColumnCount(grid.FixedCols());
    header.setScrollPosition(grid.LeftCol());
    header.setVisible(true);
    grid.setVisible(gridWasVisible);
}

} // namespace qxmxz
