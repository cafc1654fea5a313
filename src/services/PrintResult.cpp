#include "PrintResult.h"

#include <QString>

#include "MessageTitles.h"
#include "platform/outside/GlPublic.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

namespace {

QString mxzdllText(const GlPublic &pub, int number)
{
    return GetResString(pub, QStringLiteral("R7.GL.QXMXZ.mxzdll.00") + QString::number(number));
}

// The text that names a print result, or an empty text for a code that
// shows no message.
QString itemText(const GlPublic &pub, int code)
{
    const auto unknown = [&] { return GetResString(pub, QStringLiteral("R7.GL.QXMXZ.mxzdll.00320")); };
    if (code == -1)
        return GetResString(pub, QStringLiteral("R7.GL.QXMXZ.mxzdll.00259"));
    if (code < -1 || code == 0)
        return unknown();
    if (code <= 5)
        return mxzdllText(pub, 259 + code);
    if (code == 6 || code == 35 || code == 52 || code == 67)
        return {};
    if (code <= 34)
        return mxzdllText(pub, 258 + code);
    if (code <= 47)
        return mxzdllText(pub, 257 + code);
    if (code == 48)
        return QStringLiteral("Type1ScareType");
    if (code <= 51)
        return mxzdllText(pub, 256 + code);
    if (code <= 59)
        return mxzdllText(pub, 255 + code);
    if (code == 60)
        return QStringLiteral("WAGEBARSCAREELEMENT");
    if (code == 61)
        return QStringLiteral("WAGEBARFITPRINT");
    if (code <= 63)
        return mxzdllText(pub, 253 + code);
    if (code == 64)
        return QStringLiteral("ScareBodyGrid");
    if (code <= 66)
        return mxzdllText(pub, 252 + code);
    if (code <= 999)
        return unknown();
    if (code == 1001)
        return GetResString(pub, QStringLiteral("R7.GL.QXMXZ.mxzdll.00319"));
    if (code <= 1003)
        return {};
    return unknown();
}

} // namespace

void ReportPrintResult(GlPublic &pub, int code, int)
{
    const QString item = itemText(pub, code);
    if (item.isEmpty())
        return;
    raiseMessage(pub, Module::clsMxz, QStringLiteral("R7.GL.QXMXZ.mxzdll.errnum"), {item, code}, 16);
}

} // namespace qxmxz
