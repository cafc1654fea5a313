#include "ComponentClasses.h"

#include <QMetaClassInfo>
#include <QObject>

#include "clsMxz.h"
#include "merge/clsMxzHb.h"

namespace qxmxz {

QList<const QMetaObject *> creatableClasses()
{
    return {&clsMxz::staticMetaObject, &clsMxzHb::staticMetaObject};
}

QObject *createComponentObject(const QString &programId, QObject *parent)
{
    for (const QMetaObject *meta : creatableClasses()) {
        const int info = meta->indexOfClassInfo("ProgID");
        if (info >= 0 && programId == QLatin1String(meta->classInfo(info).value()))
            return meta->newInstance(Q_ARG(QObject *, parent));
    }
    return nullptr;
}

} // namespace qxmxz
