#include "PrintSetup.h"

#include <QStringList>

#include "platform/outside/UserSettings.h"

namespace qxmxz {

namespace {

const QString section = QStringLiteral("PrintSetup");

QString valueName(const QString &printName, const QString &userId)
{
    return printName + u'_' + userId;
}

} // namespace

void savePrintSetup(const QString &printName, const QString &userId, const PrintTemplate &chosen)
{
    const QMarginsF m = chosen.marginsMm;
    const QString text = QStringList{QString::number(int(chosen.pageSize.id())),
                                     chosen.orientation == QPageLayout::Portrait ? QStringLiteral("portrait") : QStringLiteral("landscape"),
                                     QString::number(m.left()), QString::number(m.top()), QString::number(m.right()),
                                     QString::number(m.bottom())}
                             .join(u' ');
    UserSettings::write(section, valueName(printName, userId), text);
}

void applyPrintSetup(const QString &printName, const QString &userId, PrintTemplate &layout)
{
    const QVariant saved = UserSettings::read(section, valueName(printName, userId));
    if (!saved.isValid())
        return;
    const QStringList parts = saved.toString().split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 6)
        return;
    bool ok = true;
    const int id = parts[0].toInt(&ok);
    if (!ok || id < 0 || id > int(QPageSize::LastPageSize) || (parts[1] != u"portrait" && parts[1] != u"landscape"))
        return;
    double margins[4];
    for (int i = 0; i < 4; ++i) {
        margins[i] = parts[2 + i].toDouble(&ok);
        if (!ok || margins[i] < 0 || margins[i] > 60)
            return;
    }
    layout.pageSize = QPageSize(QPageSize::PageSizeId(id));
    layout.orientation = parts[1] == u"portrait" ? QPageLayout::Portrait : QPageLayout::Landscape;
    layout.marginsMm = QMarginsF(margins[0], margins[1], margins[2], margins[3]);
}

} // namespace qxmxz
