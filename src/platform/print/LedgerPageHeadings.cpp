#include "LedgerPageHeadings.h"

#include <QDate>

#include "platform/outside/GlOptions.h"
#include "platform/outside/GlPublic.h"

namespace qxmxz {

PageHeading detailPageHeading(const GlPublic &pub, const QString &account, const QString &periods,
                              const QString &unit, const QString &currency)
{
    PageHeading h;
    h.heading = {pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.mxz")),
                 pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.km")) + u'(' + account + u')',
                 periods,
                 pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.00065")),
                 unit,
                 currency};
    h.footing = {pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.00066")), pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.00067")),
                 pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.00068")) + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")),
                 pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.00069"))};
    return h;
}

PageHeading generalPageHeading(const GlPublic &pub, const QString &account, const QString &unit,
                               const QString &currency)
{
    PageHeading h;
    h.heading = {pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.zz")),
                 pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.km")) + account,
                 pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.00119")) + pub.options().accountSetName,
                 QString(), unit, currency};
    h.footing = {pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.00120")), pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.00121")),
                 pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.00122")) + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")),
                 pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.00123"))};
    return h;
}

} // namespace qxmxz
