#include "LedgerMeasures.h"

#include <QSet>

#include "platform/outside/GlPublic.h"

namespace qxmxz {

LedgerMeasures measuresUnder(const GlPublic &pub, const QString &code)
{
    QSet<QString> currencies, units;
    for (const AccountRecord *account : pub.chart().accountsUnder(code)) {
        if (!account->isEnd)
            continue;
        if (account->hasForeignCurrency())
            currencies.insert(account->currencyName);
        if (account->hasQuantity())
            units.insert(account->measureUnit);
    }
    return {currencies.size() <= 1, units.size() <= 1};
}

AccSumRec summableFigures(AccSumRec record, const LedgerMeasures &measures)
{
    if (!measures.oneCurrency)
        record.md_f = record.mc_f = record.me_f = Currency();
    if (!measures.oneUnit)
        record.nd_s = record.nc_s = record.ne_s = 0;
    return record;
}

} // namespace qxmxz
