#include "CheckRight.h"

#include "MessageTitles.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

namespace {

constexpr int StopStyle = 16;

} // namespace

bool answerRefusedRight(GlPublic &pub, const QString &rightId, int errorNumber, const QString &errorText,
                        bool withMessages)
{
    if (errorNumber == Login::RightsNotKept)
        return true;
    if (!withMessages)
        return false;
    if (errorNumber == Login::NoRight) {
        raiseMessage(pub, Module::modMxz, QStringLiteral("R7.GL.QXMXZ.mxzdll.youhavenotright"),
                     {pub.rightDisplayName(rightId)}, StopStyle);
    } else if (!errorText.trimmed().isEmpty()) {
        ShowMsg(pub, errorText, StopStyle, GetResString(pub, titleKey(Module::modMxz)));
    } else {
        raiseMessage(pub, Module::modMxz, QStringLiteral("R7.GL.QXMXZ.mxzdll.cannotexecute"),
                     {pub.rightDisplayName(rightId)}, StopStyle);
    }
    return false;
}

bool CheckRight(GlPublic &pub, QString &rightId, bool withMessages)
{
    const std::shared_ptr<Login> login = pub.login();
    if (!login)
        throw Failure(QStringLiteral("A function right was asked without a login"));
    if (login->alternateSubsystem() && rightId.startsWith(QLatin1String("GL")))
        rightId.replace(QLatin1Char('L'), QLatin1Char('F'));

    bool held = false;
    login->checkRight(rightId, withMessages, 0, held);
    if (held)
        return true;
    const bool answer = answerRefusedRight(pub, rightId, login->errorNumber(), login->errorText(), withMessages);
    login->clearError();
    return answer;
}

} // namespace qxmxz
