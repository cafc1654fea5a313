#include "MessageTitles.h"

#include "platform/Failure.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

QString titleKey(Module module)
{
    switch (module) {
    case Module::modMxz:
        return QStringLiteral("R7.GL.QXMXZ.mxzdll.notesinfo");
    case Module::mxzCond:
        return QStringLiteral("R7.GL.QXMXZ.mxzcond.notesinfo");
    case Module::zzCond:
        return QStringLiteral("R7.GL.QXMXZ.zzcond.notesinfo");
    case Module::zzmain:
        return QStringLiteral("R7.GL.QXMXZ.zzmain.notesinfo");
    case Module::kmmx:
        return QStringLiteral("R7.GL.QXMXZ.kmmx.notesinfo");
    case Module::clsMxzHb:
        return QStringLiteral("R7.GL.QXMXZ.clsmxzhb.notesinfo");
    case Module::frmZYX_Yj:
        return QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.notesinfo");
    case Module::clsMxz:
        return QStringLiteral("R7.GL.QXMXZ.clsmxz.noteinfo");
    case Module::mxfind:
        return QStringLiteral("R7.GL.QXMXZ.mxfind.noteinfo");
    }
    throw Failure(QStringLiteral("No message title for module %1").arg(int(module)));
}

int raiseMessage(GlPublic &pub, Module module, const QString &promptKey, const QVariantList &arguments, int style)
{
    return ShowMsg(pub, GetResString(pub, promptKey, arguments), style, GetResString(pub, titleKey(module)));
}

} // namespace qxmxz
