#include "CommandRights.h"

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "services/CheckRight.h"
#include "presentation/LedgerAccess.h"
#include "services/MessageTitles.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz::cli {

namespace {

constexpr int InformationStyle = 64;

} // namespace

QString functionRightOf(LedgerCommand command)
{
    switch (command) {
    case LedgerCommand::Detail:
    case LedgerCommand::Merged:
        return QStringLiteral("GL0305");
    case LedgerCommand::Monthly:
        return QStringLiteral("GL0306");
    case LedgerCommand::General:
        return QStringLiteral("GL030101");
    }
    throw Failure(QStringLiteral("No function right for command %1").arg(int(command)));
}

bool mayRunCommand(GlPublic &pub, LedgerCommand command)
{
    QString right = functionRightOf(command);
    return CheckRight(pub, right, true);
}

bool mayReadAccounts(GlPublic &pub, LedgerCommand command, const QString &account, const QString &endAccount)
{
    QString message;
    bool readable = mayReadAccountTree(pub, account, message);
    if (readable && !endAccount.isEmpty())
        readable = mayReadAccountRange(pub, account, endAccount, message);
    if (readable)
        readable = mayReadLineDepartments(pub, account, endAccount, message);
    if (!readable)
        ShowMsg(pub, message, InformationStyle,
                GetResString(pub, titleKey(command == LedgerCommand::General ? Module::zzmain : Module::mxzCond)));
    return readable;
}

bool mayReadAccountQuietly(GlPublic &pub, const QString &account)
{
    QString message;
    return mayReadAccountTree(pub, account, message) && mayReadLineDepartments(pub, account, QString(), message);
}

} // namespace qxmxz::cli
