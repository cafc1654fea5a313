#pragma once

#include <QString>
#include <QVariantList>

namespace qxmxz {

class GlPublic;

// The objects of the component that raise message boxes. Each box carries
// the title of the object that raises it.
enum class Module {
    modMxz,    // the component as a whole: "R7.GL.QXMXZ.mxzdll.notesinfo"
    mxzCond,   // "R7.GL.QXMXZ.mxzcond.notesinfo"
    zzCond,    // "R7.GL.QXMXZ.zzcond.notesinfo"
    zzmain,    // "R7.GL.QXMXZ.zzmain.notesinfo"
    kmmx,      // "R7.GL.QXMXZ.kmmx.notesinfo"
    clsMxzHb,  // "R7.GL.QXMXZ.clsmxzhb.notesinfo"
    frmZYX_Yj, // "R7.GL.QXMXZ.frmzyx_yj.notesinfo"
    clsMxz,    // the public class and the print results: "R7.GL.QXMXZ.clsmxz.noteinfo"
    mxfind,    // the find dialog: "R7.GL.QXMXZ.mxfind.noteinfo"
};

// The resource key of the module's message-box title.
QString titleKey(Module module);

// Shows the text of `promptKey` with its arguments under the module's title,
// with the button-and-icon code `style` (16 stop for rights, 64 information
// for input, 0 a plain OK), and returns the button chosen.
int raiseMessage(GlPublic &pub, Module module, const QString &promptKey, const QVariantList &arguments, int style);

} // namespace qxmxz
