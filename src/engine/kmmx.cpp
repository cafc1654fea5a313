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

// True when some voucher line of the year is kept under a code that begins
// with `code` and goes on: a sub-account's, or one the chart does not list.
// The lines' own codes decide, not the chart's end-account flag, so a line
// kept under a code the chart lacks is still seen. The first code above the
// account's is read from the code index; the LIKE keeps the answer right
// whatever order the database's collation gives.
bool kmmx::linesUnderLongerCodes(const QString &code)
{
    RecordSet rs = m_pub.database().query(QStringLiteral("select min(ccode) as cCode from GL_accvouch where iyear=")
                                          + QString::number(m_pub.year()) + QStringLiteral(" and ccode > N'")
                                          + sqlQuoted(code) + QStringLiteral("' and ccode like N'")
                                          + sqlLikePrefix(code) + QStringLiteral("%'"));
    return !rs.eof() && !rs.field(QStringLiteral("cCode")).isNull();
}

} // namespace qxmxz
