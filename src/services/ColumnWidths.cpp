#include "ColumnWidths.h"

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"

namespace qxmxz {

StandardColumnWidths LoadColumnWidths(const GlPublic &pub)
{
    const GlOptions &o = pub.options();
    const long long summary = 180LL * o.summaryWidth;
    if (summary > 32767 || summary < -32768)
        throw Failure(QStringLiteral("Overflow: the summary column of %1 characters is too wide").arg(o.summaryWidth));
    StandardColumnWidths w;
    w.summary = int(summary);
    w.amount = 90 * o.amountWidth;
    w.quantity = 90 * o.quantityWidth;
    w.price = 90 * o.priceWidth;
    w.foreign = 90 * o.foreignWidth;
    w.rate = 90 * o.rateWidth;
    return w;
}

} // namespace qxmxz
