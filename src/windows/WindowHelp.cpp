#include "WindowHelp.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "platform/outside/GlPublic.h"

namespace qxmxz {

QString helpFilePath(const GlPublic &pub)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/help/GL_") + pub.language()
                           + QStringLiteral(".chm"));
}

QString helpNote(const GlPublic &pub, int helpContext)
{
    const QString path = helpFilePath(pub);
    if (!QFileInfo::exists(path))
        return pub.text(QStringLiteral("QXMXZ.window.nohelp"), {path});
    QUrl url = QUrl::fromLocalFile(path);
    if (helpContext != 0)
        url.setFragment(QString::number(helpContext));
    QDesktopServices::openUrl(url);
    return {};
}

} // namespace qxmxz
