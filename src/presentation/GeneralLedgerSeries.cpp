#include "GeneralLedgerSeries.h"

#include "ShownAmount.h"
#include "general_ledger/basGrwl.h"
#include "platform/outside/GlPublic.h"
#include "platform/ui/GridModel.h"

namespace qxmxz {

QList<GeneralLedgerPoint> generalLedgerSeries(const GlPublic &pub, const GridModel &grid, const QString &code)
{
    const AccountRecord account = pub.account(code);
    const QString otherSide = pub.directionText(account.debitNatured ? QStringLiteral("贷") : QStringLiteral("借"));
    QList<GeneralLedgerPoint> points;
    for (int row = basGrwl::HeadingRows; row < grid.Rows(); ++row) {
        bool number = false;
        const int period = grid.TextMatrix(row, basGrwl::Month).trimmed().toInt(&number);
        if (!number || period <= 0 || (!points.isEmpty() && points.back().period == period))
            continue;
        GeneralLedgerPoint point;
        point.period = period;
        point.debit = shownAmount(grid.TextMatrix(row, basGrwl::DebitAmount)).value_or(Currency());
        point.credit = shownAmount(grid.TextMatrix(row, basGrwl::CreditAmount)).value_or(Currency());
        const bool other = grid.TextMatrix(row, basGrwl::Direction).trimmed() == otherSide;
        const Currency balance = shownAmount(grid.TextMatrix(row, basGrwl::BalanceAmount)).value_or(Currency());
        point.balance = other ? -balance : balance;
        const QString foreign = grid.TextMatrix(row, basGrwl::BalanceForeign).trimmed();
        if (!foreign.isEmpty())
            if (const std::optional<Currency> value = shownAmount(foreign))
                point.foreignBalance = other ? -*value : *value;
        points << point;
    }
    return points;
}

} // namespace qxmxz
