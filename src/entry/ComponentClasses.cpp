#include "ComponentClasses.h"

#include <QMetaClassInfo>
#include <QObject>

#include "GlPublicObject.h"
#include "LoginContext.h"
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
        if (info >= 0 && programId == QLatin1String(meta->classInfo(info).value())) {
            QObject *object = meta->newInstance(Q_ARG(QObject *, parent));
            // The merged ledger lives below the component's login context; it
            // takes the component-wide general-ledger object as every other member does.
            if (auto *merged = qobject_cast<clsMxzHb *>(object))
                merged->setGlPublicSource([] { return &LoginContext::publicObject().pub(); });
            return object;
        }
    }
    return nullptr;
}

} // namespace qxmxz
