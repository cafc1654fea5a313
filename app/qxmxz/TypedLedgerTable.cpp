#include "TypedLedgerTable.h"

#include <QSet>
#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/outside/GlPublic.h"
#include "platform/print/CellReading.h"
#include "platform/ui/GridModel.h"
#include "totals/BalanceDirection.h"

namespace qxmxz::cli {

namespace {

enum class FieldType { Kind, Ledger, Of, Currency, Period, Date, Text, Summary, Number, Balance, Direction, Ancestor, Posted };

struct Field {
    QString key;
    QString column; // the working-table column it is read from; empty for what the row's kind gives
    FieldType type;
};

const QList<Field> &fields()
{
    static const QList<Field> list = [] {
        auto f = [](const char *key, const char *column, FieldType type) {
            return Field{QString::fromLatin1(key), QString::fromLatin1(column), type};
        };
        QList<Field> l{
            f("kind", "", FieldType::Kind),
            f("ledger", "", FieldType::Ledger),
            f("of", "", FieldType::Of),
            f("currency", "", FieldType::Currency),
            f("period", "", FieldType::Period),
            f("date", "", FieldType::Date),
            f("voucher", "PzId", FieldType::Text),
            f("account", "ccode", FieldType::Text),
            f("accountName", "CodeName", FieldType::Text),
            f("summary", "cDigest", FieldType::Summary),
            f("counterparts", "ccode_equal", FieldType::Text),
            f("price", "Price", FieldType::Number),
            f("rate", "Frate", FieldType::Number),
            f("debitQuantity", "Snd_s", FieldType::Number),
            f("debitForeign", "Smd_f", FieldType::Number),
            f("debit", "Smd", FieldType::Number),
            f("creditQuantity", "Snc_s", FieldType::Number),
            f("creditForeign", "Smc_f", FieldType::Number),
            f("credit", "Smc", FieldType::Number),
            f("direction", "Scendd_c", FieldType::Direction),
            f("balanceQuantity", "Sne_s", FieldType::Balance),
            f("balancePrice", "aPrice", FieldType::Number),
            f("balanceForeign", "Sme_f", FieldType::Balance),
            f("balanceRate", "aFrat", FieldType::Number),
            f("balance", "Smend", FieldType::Balance),
            f("ancestor", "ccode", FieldType::Ancestor),
            f("posted", "iBook", FieldType::Posted),
            f("mergedLines", "iListCount", FieldType::Number),
            f("person", "cPerson_id", FieldType::Text),
            f("customer", "cCus_id", FieldType::Text),
            f("department", "cDept_id", FieldType::Text),
            f("item", "cItem_id", FieldType::Text),
            f("settlement", "cn_m", FieldType::Text),
            f("settlementNumber", "cn_id", FieldType::Text),
            f("maker", "cbill", FieldType::Text),
            f("checker", "cCheck", FieldType::Text),
            f("supplier", "cSup_id", FieldType::Text),
        };
        for (int i = 1; i <= 16; ++i)
            l << Field{QStringLiteral("define%1").arg(i), QStringLiteral("cdef%1").arg(i), FieldType::Text};
        l << f("outsideSystem", "coutsysname", FieldType::Text);
        return l;
    }();
    return list;
}

enum class RowKind : quint8 { Opening, Line, MonthTotal, YearToDate, DayTotal, Currency, Other };

QString kindName(RowKind kind)
{
    switch (kind) {
    case RowKind::Opening: return QStringLiteral("opening");
    case RowKind::Line: return QStringLiteral("line");
    case RowKind::MonthTotal: return QStringLiteral("monthTotal");
    case RowKind::YearToDate: return QStringLiteral("yearToDate");
    case RowKind::DayTotal: return QStringLiteral("dayTotal");
    case RowKind::Currency: return QStringLiteral("currency");
    case RowKind::Other: break;
    }
    return QStringLiteral("other");
}

bool isIndent(QChar c)
{
    return c == u' ' || c == u'\u3000';
}

// The ledgers do not store what a row is; its summary says it, in the texts
// the row writers used: the opening texts, the month and year totals of every
// period, the day total. A summary that starts indented names a currency
// whose figures follow the row before (the opening or a total of a parent).
class RowKinds {
public:
    explicit RowKinds(const GlPublic &pub)
    {
        m_opening << pub.text(QStringLiteral("R7.GL.QXMXZ.yujmod.00811")).trimmed()
                  << pub.text(QStringLiteral("R7.GL.QXMXZ.yujmod.00812")).trimmed();
        m_day = pub.text(QStringLiteral("R7.GL.QXMXZ.yujmod.day")).trimmed();
        for (int p = 1; p <= pub.calendar().periodCount(); ++p) {
            m_month << pub.monthTotalText(p).trimmed() << pub.periodTotalText(p).trimmed()
                    << (pub.periodText(p) + pub.text(QStringLiteral("R7.GL.QXMXZ.kmmx.yje"))).trimmed();
            m_yearToDate << pub.yearToDateText(p).trimmed() << pub.cumulativeText(p).trimmed();
        }
        // "本年累计" ends with "累计" too: the longer text is the one a row was written with.
        auto longestFirst = [](const QSet<QString> &texts) {
            QStringList list(texts.begin(), texts.end());
            std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
            list.removeAll(QString());
            return list;
        };
        m_monthEndings = longestFirst(m_month);
        m_yearToDateEndings = longestFirst(m_yearToDate);
    }

    RowKind of(const QString &voucher, const QString &summary) const
    {
        if (!voucher.trimmed().isEmpty())
            return RowKind::Line;
        if (!summary.isEmpty() && isIndent(summary.front()))
            return RowKind::Currency;
        const QString s = summary.trimmed();
        if (m_opening.contains(s))
            return RowKind::Opening;
        if (m_month.contains(s))
            return RowKind::MonthTotal;
        if (m_yearToDate.contains(s))
            return RowKind::YearToDate;
        if (s == m_day)
            return RowKind::DayTotal;
        return RowKind::Other;
    }

    // A currency row's currency and the total it belongs to: the totals of a
    // detail ledger carry their own text after the currency's name.
    std::pair<QString, RowKind> currencyOf(const QString &summary, RowKind previous) const
    {
        const QString s = summary.trimmed();
        for (const QString &text : m_yearToDateEndings)
            if (s.endsWith(text))
                return {s.chopped(text.size()).trimmed(), RowKind::YearToDate};
        for (const QString &text : m_monthEndings)
            if (s.endsWith(text))
                return {s.chopped(text.size()).trimmed(), RowKind::MonthTotal};
        return {s, previous};
    }

private:
    QSet<QString> m_opening, m_month, m_yearToDate;
    QStringList m_monthEndings, m_yearToDateEndings;
    QString m_day;
};

struct RowFacts {
    RowKind kind = RowKind::Other;
    RowKind of = RowKind::Other; // a currency row: the row it details
    QString currency;
};

TypedCell numberOrNull(const QString &text, int sign = 1)
{
    const CellReading reading = readCell(text, false);
    if (reading.kind != CellReading::Number)
        return TypedCell::textOrNull(text);
    return TypedCell(reading.number * sign, reading.decimals);
}

// The day of a line, in the calendar year its period lies in (a fiscal year
// may begin in the December before).
QDate lineDate(const GlPublic &pub, int period, int month, int day)
{
    const FiscalCalendar &calendar = pub.calendar();
    if (!calendar.isPeriod(period))
        return {};
    for (int year : {calendar.begin(period).year(), calendar.end(period).year()}) {
        const QDate date(year, month, day);
        if (date.isValid() && date >= calendar.begin(period) && date <= calendar.end(period))
            return date;
    }
    return QDate(calendar.end(period).year(), month, day);
}

} // namespace

TableSource typedLedgerTable(const GlPublic &pub, const GridModel &grid, const QStringList &columns,
                             const TypedLedgerHeading &heading)
{
    struct Shown {
        Field field;
        int column;
    };
    QList<Shown> shown;
    for (const Field &field : fields()) {
        const int column = field.column.isEmpty() ? -1 : int(columns.indexOf(field.column));
        if (!field.column.isEmpty() && (column < 0 || column >= grid.Cols()))
            continue;
        shown << Shown{field, column};
    }
    const int firstRow = grid.FixedRows();
    const int voucherColumn = int(columns.indexOf(QStringLiteral("PzId")));
    const int summaryColumn = int(columns.indexOf(QStringLiteral("cDigest")));
    const int periodColumn = int(columns.indexOf(QStringLiteral("Nian")));
    const int monthColumn = int(columns.indexOf(QStringLiteral("Yue")));
    const int dayColumn = int(columns.indexOf(QStringLiteral("Ri")));
    const int directionColumn = int(columns.indexOf(QStringLiteral("Scendd_c")));

    // A currency row's kind depends on the rows before it, so the kinds are settled once, in order.
    auto facts = std::make_shared<std::vector<RowFacts>>();
    facts->reserve(size_t(std::max(0, grid.Rows() - firstRow)));
    const RowKinds kinds(pub);
    RowKind last = RowKind::Other;
    for (int r = firstRow; r < grid.Rows(); ++r) {
        RowFacts row;
        const QString summary = grid.TextMatrix(r, summaryColumn);
        row.kind = kinds.of(grid.TextMatrix(r, voucherColumn), summary);
        if (row.kind == RowKind::Currency)
            std::tie(row.currency, row.of) = kinds.currencyOf(summary, last);
        else
            last = row.kind;
        facts->push_back(row);
    }

    const QString credit = DirectionText(pub, QStringLiteral("贷"));
    const QString debit = DirectionText(pub, QStringLiteral("借"));
    const bool monthly = heading.report == u"monthly";

    TableSource table;
    for (const Shown &s : shown) {
        table.keys << s.field.key;
        table.headings << s.field.key;
        table.rightAligned << (s.field.type == FieldType::Number || s.field.type == FieldType::Balance);
    }
    table.rowCount = qsizetype(facts->size());
    table.cell = [&grid, shown, firstRow](qsizetype row, int column) {
        const int source = shown[column].column;
        return source < 0 ? QString() : grid.TextMatrix(int(row) + firstRow, source);
    };
    table.typedCell = [&pub, &grid, shown, facts, firstRow, periodColumn, monthColumn, dayColumn, directionColumn,
                       credit, debit, monthly, ledger = heading.account](qsizetype row, int column) -> TypedCell {
        const int r = int(row) + firstRow;
        const RowFacts &fact = (*facts)[size_t(row)];
        const Shown &s = shown[column];
        const QString text = s.column >= 0 ? grid.TextMatrix(r, s.column) : QString();
        const bool line = fact.kind == RowKind::Line;
        auto period = [&] {
            // A line's period is its own column; totals and openings name theirs in the month column.
            const int p = (line ? grid.TextMatrix(r, periodColumn) : grid.TextMatrix(r, monthColumn)).toInt();
            return pub.calendar().isPeriod(p) ? p : 0;
        };
        switch (s.field.type) {
        case FieldType::Kind:
            return TypedCell(kindName(fact.kind));
        case FieldType::Ledger:
            return TypedCell(ledger);
        case FieldType::Of:
            return fact.kind == RowKind::Currency ? TypedCell(kindName(fact.of)) : TypedCell();
        case FieldType::Currency:
            return TypedCell::textOrNull(fact.currency);
        case FieldType::Period: {
            const int p = period();
            return p ? TypedCell::whole(p) : TypedCell();
        }
        case FieldType::Date: {
            const int p = period();
            const int month = grid.TextMatrix(r, monthColumn).toInt();
            const int day = grid.TextMatrix(r, dayColumn).toInt();
            if (!p || day <= 0)
                return {};
            QDate date;
            if (line)
                date = lineDate(pub, p, month, day);
            else if (day == pub.calendar().end(p).day())
                date = pub.calendar().end(p);
            else if (day == pub.calendar().begin(p).day())
                date = pub.calendar().begin(p);
            return date.isValid() ? TypedCell(date.toString(Qt::ISODate)) : TypedCell();
        }
        case FieldType::Text:
            return TypedCell::textOrNull(text);
        case FieldType::Summary:
            return TypedCell::textOrNull(fact.kind == RowKind::Currency ? QString() : text);
        case FieldType::Number:
            return numberOrNull(text);
        case FieldType::Balance:
            if (text.isEmpty())
                return {};
            // Balances are shown as magnitudes beside their direction: a credit one turns all three signs.
            return numberOrNull(text, grid.TextMatrix(r, directionColumn).trimmed() == credit ? -1 : 1);
        case FieldType::Direction: {
            const QString d = text.trimmed();
            if (d.isEmpty())
                return {};
            return TypedCell(d == debit ? QStringLiteral("debit") : d == credit ? QStringLiteral("credit") : QStringLiteral("balanced"));
        }
        case FieldType::Ancestor: {
            // The month-by-month ledger sums its end accounts into their parents' rows.
            const AccountRecord *account = pub.chart().find(text.trimmed());
            return TypedCell::boolean(monthly && account && !account->isEnd);
        }
        case FieldType::Posted:
            return line ? TypedCell::boolean(text.trimmed() == u"1") : TypedCell();
        }
        return {};
    };

    table.header = QJsonObject{{QStringLiteral("report"), heading.report},
                               {QStringLiteral("account"), heading.account},
                               {QStringLiteral("name"), pub.accountName(heading.account)},
                               {QStringLiteral("year"), pub.year()},
                               {QStringLiteral("fromPeriod"), heading.fromPeriod},
                               {QStringLiteral("toPeriod"), heading.toPeriod},
                               {QStringLiteral("style"), heading.style},
                               {QStringLiteral("unposted"), heading.unposted}};
    const AccountRecord *account = pub.chart().find(heading.account);
    auto headerText = [](const QString &text) {
        const QString t = text.trimmed();
        return t.isEmpty() ? QJsonValue() : QJsonValue(t);
    };
    table.header.insert(QStringLiteral("currency"), headerText(account ? account->currencyName : QString()));
    table.header.insert(QStringLiteral("unit"), headerText(account ? account->measureUnit : QString()));
    if (!heading.endAccount.isEmpty()) {
        table.header.insert(QStringLiteral("endAccount"), heading.endAccount);
        table.header.insert(QStringLiteral("endName"), pub.accountName(heading.endAccount));
    }
    for (auto it = heading.extra.begin(); it != heading.extra.end(); ++it)
        table.header.insert(it.key(), it.value());
    return table;
}

} // namespace qxmxz::cli
