#include "HostControls.h"

#include <QVariant>

#include "clsMxzHb.h"
#include "platform/Failure.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"

namespace qxmxz {

namespace {

template <class Model>
Model *modelOf(QObject *object, const char *member)
{
    if (!object)
        return nullptr;
    if (auto *model = qobject_cast<Model *>(object))
        return model;
    throw Failure(QStringLiteral("The member %1 of clsMxzHb must be a %2, not a %3")
                      .arg(QLatin1String(member), QLatin1String(Model::staticMetaObject.className()),
                           QLatin1String(object->metaObject()->className())));
}

} // namespace

HostControls HostControls::of(const clsMxzHb &hb)
{
    HostControls controls;
    controls.grid = modelOf<GridModel>(hb.Grd1, "Grd1");
    controls.header = modelOf<HeaderModel>(hb.mxHeader, "mxHeader");
    controls.hint = modelOf<HintState>(hb.lblHint, "lblHint");
    controls.stop = modelOf<StopButtonState>(hb.cmdStop, "cmdStop");
    controls.form = hb.mxForm;
    return controls;
}

bool HostControls::userStop() const
{
    return form && form->property("bUserStop").toBool();
}

} // namespace qxmxz
