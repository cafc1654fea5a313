#pragma once

#include <QString>

namespace qxmxz {

class GlPublic;

// The help of the ledger windows: the file "help/GL_" + language + ".chm"
// under the application's folder, opened at the window's help context.
QString helpFilePath(const GlPublic &pub);
// Opens the help when the file is there; otherwise answers the note for the
// hint line naming the file looked for (empty when it was opened).
QString helpNote(const GlPublic &pub, int helpContext = 0);

} // namespace qxmxz
