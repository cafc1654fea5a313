#include "clsMxzHb.h"

#include <QVariant>

#include "MergeRun.h"
#include "MergeStatements.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/ui/GridModel.h"
#include "services/MessageTitles.h"

namespace qxmxz {

clsMxzHb::clsMxzHb(QObject *parent) : QObject(parent) {}

clsMxzHb::clsMxzHb(GlPublic &pub, QObject *parent) : QObject(parent), m_pub(&pub) {}

clsMxzHb::~clsMxzHb() = default;

GlPublic &clsMxzHb::requirePub() const
{
    if (!m_pub && m_pubSource)
        if (GlPublic *pub = m_pubSource())
            return *pub;
    if (!m_pub)
        throw Failure(QStringLiteral("clsMxzHb has no general-ledger object: give it one before a query"));
    return *m_pub;
}

void clsMxzHb::mxzCodeHbQuery(qint16 nAccType)
{
    m_ledgersWritten = 0;
    m_stopped = false;
    if (m_HbType == enuNotHb)
        return;
    GlPublic &pub = requirePub();
    const AccountRecord account = pub.account(m_KmCode);
    if (account.isEnd)
        mxzEndKmQuery(m_KmCode, 0);
    else if (m_IsOrder)
        queryEachEndAccount();
    else
        mxzEndKmQuery(m_KmCode, nAccType);
}

// One merged ledger after another, for every end account under KmCode, in
// code order; KmCode is left at the last of them.
void clsMxzHb::queryEachEndAccount()
{
    GlPublic &pub = requirePub();
    QStringList codes;
    RecordSet rs = pub.database().query(MergeStatements::endAccounts(pub.year(), m_KmCode));
    for (; !rs.eof(); rs.moveNext())
        codes << rs.text(QStringLiteral("cCode")).trimmed();
    rs.close();
    if (codes.isEmpty()) {
        raiseMessage(pub, Module::clsMxzHb, QStringLiteral("R7.GL.QXMXZ.clsmxzhb.00775"), {}, 64);
        return;
    }
    for (const QString &code : std::as_const(codes)) {
        m_KmCode = code;
        mxzEndKmQuery(m_KmCode);
        if (m_stopped)
            break;
    }
}

void clsMxzHb::ClsGridRows()
{
    try {
        if (!mxForm)
            return;
        auto *grid = qobject_cast<GridModel *>(mxForm->property("MxzGrid2").value<QObject *>());
        if (!grid)
            return;
        grid->Clear();
        grid->setRows(0);
    } catch (...) {
        // A window whose grid is already gone is no failure.
    }
}

void clsMxzHb::mxzEndKmQuery(const QString &Code, qint16 nAccType)
{
    GlPublic &pub = requirePub();
    MergeRun run(*this, pub, Code.isEmpty() ? m_KmCode : Code, nAccType);
    m_stopped = false;
    run.run();
    m_lastTable = run.tableName();
    m_stopped = run.stoppedByUser();
    ++m_ledgersWritten;
}

} // namespace qxmxz
