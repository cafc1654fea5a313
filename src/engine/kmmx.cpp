#include "kmmx.h"

#include "LedgerHost.h"
#include "RunState.h"
#include "platform/outside/LedgerRequestChecks.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/LocalRecordSet.h"
#include "platform/sql/SqlText.h"
#include "platform/ui/GridColor.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "services/GridColours.h"
#include "services/MessageTitles.h"
#include "totals/AmountFormats.h"

namespace qxmxz {

const int kmmx::Colours[4] = {LedgerGridColours[0], LedgerGridColours[1], LedgerGridColours[2],
                              LedgerGridColours[3]};

kmmx::kmmx(GlPublic &pub) : m_pub(pub) {}

kmmx::~kmmx() = default;

QString kmmx::FormatStr(int decimals, std::optional<QVariant> separators)
{
    return QtyFormat(decimals, std::move(separators));
}

bool kmmx::inQueryMode() const
{
    return sMode == QString::fromUtf8(QueryMode);
}

bool kmmx::userStop()
{
    if (frmLedger && frmLedger->bUserStop()) {
        m_stopped = true;
        return true;
    }
    return false;
}

void kmmx::validatePeriods() const
{
    requirePeriodRange(m_pub.calendar(), bBeginPeriod, bEndPeriod);
}

// The common start of a run: a fresh account record, the wait text, the
// header disabled, the page size.
void kmmx::startRun(bool showWait)
{
    validatePeriods();
    m_stopped = false;
    objAccount = AccountRecord{};
    if (showWait && objHint) {
        objHint->setText(m_pub.text(QStringLiteral("R7.GL.QXMXZ.kmmx.wait")));
        objHint->refresh();
    }
    if (objHeader)
        objHeader->setEnabled(false);
    if (bPageLines == 0)
        bPageLines = 60;
}

bool kmmx::loadLeafAccounts(const QString &code, QStringList &codes, const char *emptyKey)
{
    codes.clear();
    // In code order, which is the order the source procedure lists the lines
    // in, and of the login's year only: a chart keeps one row per account and year.
    RecordSet rs = m_pub.database().query(QStringLiteral("select ccode from code where ccode like N'") + sqlLikePrefix(code)
                                          + QStringLiteral("%'") + QStringLiteral(" and bend = 1") + QStringLiteral(" and iyear=")
                                          + QString::number(m_pub.year()) + QStringLiteral(" order by ccode"));
    for (; !rs.eof(); rs.moveNext())
        codes << rs.text(QStringLiteral("cCode")).trimmed();
    if (codes.isEmpty()) {
        raiseMessage(m_pub, Module::kmmx, QString::fromLatin1(emptyKey), {}, 64);
        return false;
    }
    return true;
}

} // namespace qxmxz
