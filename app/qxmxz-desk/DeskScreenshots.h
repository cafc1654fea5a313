#pragma once

#include <QDir>
#include <QTextStream>

namespace qxmxz {

class GlPublic;

// Renders the detail-ledger window of an account in each book style, the
// voucher window of its first voucher row and the calendar into PNG files
// named after window, language and style. Returns the exit code.
int takeScreenshots(GlPublic &pub, const QString &account, const QDir &folder, const QString &language,
                    QTextStream &err);

} // namespace qxmxz
