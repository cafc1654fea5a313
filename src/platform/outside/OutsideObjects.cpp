#include "OutsideObjects.h"

#include <QMetaClassInfo>

#include "ReportFacade.h"

namespace qxmxz {

QObject *createOutsideObject(const QString &programId, QObject *parent)
{
    for (const QMetaObject *meta : {&ReportFacade::staticMetaObject}) {
        const int info = meta->indexOfClassInfo("ProgID");
        if (info >= 0 && programId == QLatin1String(meta->classInfo(info).value()))
            return meta->newInstance(Q_ARG(QObject *, parent));
    }
    return nullptr;
}

} // namespace qxmxz
