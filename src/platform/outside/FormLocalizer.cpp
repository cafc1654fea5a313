#include "FormLocalizer.h"

#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>

#include "ResourceTexts.h"

namespace qxmxz {

namespace {

const char *const CaptionProperties[] = {"placeholderText", "title", "text", "windowTitle"};

const char *captionPropertyOf(const QObject *object)
{
    const QMetaObject *meta = object->metaObject();
    for (const char *name : CaptionProperties) {
        const int index = meta->indexOfProperty(name);
        if (index >= 0 && meta->property(index).isWritable())
            return name;
    }
    return nullptr;
}

bool localizeObject(const ResourceTexts &texts, QObject *object, const QString &keyHead)
{
    if (object->objectName().isEmpty())
        return false;
    const QString key = keyHead + object->objectName().toLower();
    if (!texts.contains(key))
        return false;
    const char *property = captionPropertyOf(object);
    return property && object->setProperty(property, texts.text(key));
}

} // namespace

int localizeForm(const ResourceTexts &texts, QObject *form, const QString &prefix)
{
    if (!form)
        return 0;
    const QString keyHead = prefix + form->objectName().toLower() + QLatin1Char('.');
    int set = localizeObject(texts, form, keyHead) ? 1 : 0;
    const QList<QObject *> children = form->findChildren<QObject *>();
    for (QObject *child : children)
        if (localizeObject(texts, child, keyHead))
            ++set;
    return set;
}

} // namespace qxmxz
