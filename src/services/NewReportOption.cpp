#include "NewReportOption.h"

#include "platform/outside/GlPublic.h"
#include "platform/outside/UserSettings.h"

namespace qxmxz {

bool IsUseNewReport(const GlPublic &pub)
{
    if (pub.options().newReport)
        return true;
    const QVariant setting = UserSettings::read(QStringLiteral("GLOption"), QStringLiteral("IsUseNewReport"));
    if (setting.isValid() && setting.toString() == u"0")
        return false;
    return pub.options().newReportDefault;
}

} // namespace qxmxz
