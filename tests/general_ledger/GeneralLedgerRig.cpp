#include "GeneralLedgerRig.h"

#include "platform/outside/GlPublic.h"
#include "support/LedgerCells.h"

namespace qxmxz::test {

GeneralLedgerRig::GeneralLedgerRig(std::unique_ptr<TestSession> s) : session(std::move(s)) {}

int GeneralLedgerRig::fill(const QString &code, int style, bool includeUnposted, int first, int last)
{
    basGrwl::LayOutHeading(session->pub, grid, QStringLiteral("GL0301"), style);
    basGrwl::Request request;
    request.code = code;
    request.styleIndex = style;
    request.includeUnposted = includeUnposted;
    request.firstPeriod = first;
    request.lastPeriod = last;
    request.unitLabel = &unitLabel;
    request.currencyLabel = &currencyLabel;
    return basGrwl::FillRows(session->pub, grid, request);
}

QList<GeneralLedgerRow> GeneralLedgerRig::rows() const
{
    QList<GeneralLedgerRow> list;
    for (int row = basGrwl::HeadingRows; row < grid.Rows(); ++row) {
        auto cell = [&](int column) { return grid.TextMatrix(row, column); };
        GeneralLedgerRow r;
        r.period = cell(basGrwl::Month).toInt();
        r.summary = cell(basGrwl::Summary);
        r.direction = cell(basGrwl::Direction);
        const int sign = r.direction == u"贷" || r.direction == u"Cr" ? -1 : 1;
        r.debit = amountOf(cell(basGrwl::DebitAmount));
        r.credit = amountOf(cell(basGrwl::CreditAmount));
        r.balance = amountOf(cell(basGrwl::BalanceAmount)) * sign;
        r.debitForeign = amountOf(cell(basGrwl::DebitForeign));
        r.creditForeign = amountOf(cell(basGrwl::CreditForeign));
        r.balanceForeign = amountOf(cell(basGrwl::BalanceForeign)) * sign;
        r.debitQuantity = quantityOf(cell(basGrwl::DebitQuantity));
        r.creditQuantity = quantityOf(cell(basGrwl::CreditQuantity));
        r.balanceQuantity = quantityOf(cell(basGrwl::BalanceQuantity)) * sign;
        list << r;
    }
    return list;
}

QList<GeneralLedgerRow> GeneralLedgerRig::rowsTitled(QString (GlPublic::*title)(int) const) const
{
    QList<GeneralLedgerRow> list;
    for (const GeneralLedgerRow &r : rows())
        if (r.period > 0 && r.summary == (session->pub.*title)(r.period))
            list << r;
    return list;
}

} // namespace qxmxz::test
