#pragma once

#include <QList>
#include <QString>

class QObject;
struct QMetaObject;

namespace qxmxz {

// The creatable classes of the component, as a host finds them by program
// identifier ("QxMxz.clsMxz", "QxMxz.clsMxzHb").
QList<const QMetaObject *> creatableClasses();

// A new instance of the class with that program identifier (its ProgID class
// information), or nullptr for an identifier the component does not know.
QObject *createComponentObject(const QString &programId, QObject *parent = nullptr);

} // namespace qxmxz
