#pragma once

#include <QString>

namespace qxmxz {
class GlPublic;
}

namespace qxmxz::cli {

// The ledger commands, by the window whose rights they follow.
enum class LedgerCommand {
    Detail,  // the detail ledger: "GL0305"
    Monthly, // the month-by-month ledger: "GL0306"
    Merged,  // the merged ledger of the detail-ledger window: "GL0305"
    General, // the general ledger: "GL030101"
};

QString functionRightOf(LedgerCommand command);

// Whether the user may use the command's function at all. A refusal is shown
// through the session's message boxes with the right's name.
bool mayRunCommand(GlPublic &pub, LedgerCommand command);

// Whether the user may read every account the command shows: the accounts
// under `account`, and with `endAccount` the accounts of the range. Checked
// as the condition dialogs check, when the account set controls account
// rights and the user is not exempt. A refusal is shown under the title of
// the dialog (or, for the general ledger, of its window).
bool mayReadAccounts(GlPublic &pub, LedgerCommand command, const QString &account, const QString &endAccount = {});

// The same check for one account without a message, for accounts a pattern
// found rather than ones the user named.
bool mayReadAccountQuietly(GlPublic &pub, const QString &account);

} // namespace qxmxz::cli
