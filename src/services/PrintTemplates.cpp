#include "PrintTemplates.h"

#include "MessageTitles.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

namespace {

QString templatePath(const RecordSet &row, const QString &column, const QString &languageFolder)
{
    if (row.isNull(column))
        return {};
    return QStringLiteral("GLRep\\") + languageFolder + row.text(column);
}

} // namespace

bool GetPrintTemplate(GlPublic &pub, const QString &templateCode, QStringList &description)
{
    RecordSet row = pub.database().query(
        QStringLiteral("select * from printEx where csystemname=N'GL' and ctablecode=N'") + sqlQuoted(templateCode)
        + QStringLiteral("' order by csystemname,ctablecode"));
    if (row.eof()) {
        raiseMessage(pub, Module::modMxz, QStringLiteral("R7.GL.QXMXZ.mxzdll.notfoundmodal"), {templateCode}, 0);
        return false;
    }
    while (description.size() < 3)
        description.append(QString());
    description[0] = row.text(QStringLiteral("ititleres"));
    if (row.field(QStringLiteral("ititleres")).toInt() == 1) {
        description[1] = QStringLiteral("printdef");
        description[2] = QStringLiteral("printdef");
        return true;
    }
    const QString language = pub.login() ? pub.login()->language() : QString();
    const QString folder = language.isEmpty() ? QStringLiteral("zh-CN\\") : language + QLatin1Char('\\');
    description[1] = templatePath(row, QStringLiteral("cResPathHead"), folder);
    description[2] = templatePath(row, QStringLiteral("cResPathtail"), folder);
    return true;
}

} // namespace qxmxz
