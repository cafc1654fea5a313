#pragma once

#include <QString>

class QObject;

namespace qxmxz {

// A new instance of the outside component with that program identifier
// (its ProgID class information), or nullptr for one that is not installed.
QObject *createOutsideObject(const QString &programId, QObject *parent = nullptr);

} // namespace qxmxz
