// Resource texts and captions through the general-ledger object.

#include "totals/TextsAndMessages.h"

#include <QObject>
#include <gtest/gtest.h>

#include "platform/outside/FormLocalizer.h"
#include "platform/outside/GlPublic.h"
#include "support/Printers.h"
#include "platform/outside/ResourceTexts.h"

namespace qxmxz {
namespace {

// Stand-ins for the controls of a form: only the caption properties matter.
class CaptionedObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text MEMBER m_text)
public:
    using QObject::QObject;
    QString m_text;
};

class InputObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text MEMBER m_text)
    Q_PROPERTY(QString placeholderText MEMBER m_placeholder)
public:
    using QObject::QObject;
    QString m_text;
    QString m_placeholder;
};

class FrameObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString title MEMBER m_title)
    Q_PROPERTY(QString windowTitle MEMBER m_windowTitle)
public:
    using QObject::QObject;
    QString m_title;
    QString m_windowTitle;
};

class FormObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString windowTitle MEMBER m_windowTitle)
public:
    using QObject::QObject;
    QString m_windowTitle;
};

TEST(GetResString, FillsTheArgumentsInOrderAndWritesNumbersPlainly)
{
    GlPublic pub;
    const QString key = QStringLiteral("R7.GL.QXMXZ.mxzdll.errnum");
    const QString text = GetResString(pub, key, {QStringLiteral("打印机缺纸"), 48});
    EXPECT_EQ(text, pub.text(key, {QStringLiteral("打印机缺纸"), QStringLiteral("48")}));
    EXPECT_LT(text.indexOf(QStringLiteral("打印机缺纸")), text.indexOf(QStringLiteral("48")));
    EXPECT_EQ(GetResString(pub, key, {0.1, QVariant::fromValue(*Currency::fromText(QStringLiteral("-12.50")))}),
              pub.text(key, {QStringLiteral("0.1"), QStringLiteral("-12.5")}));
    const QString plain = QStringLiteral("R7.GL.QXMXZ.yujmod.00811");
    ASSERT_TRUE(pub.texts().contains(plain));
    EXPECT_NE(GetResString(pub, plain), plain);
}

TEST(LocalizeForm, SetsTheCaptionOfEachNamedObjectThatHasAKey)
{
    const ResourceTexts texts = ResourceTexts::fromTsv(QStringLiteral("zh-CN"),
                                                       "R7.GL.QxMXZ.mxz.mxz\t明细账\n"
                                                       "R7.GL.QxMXZ.mxz.cmdok\t确定\n"
                                                       "R7.GL.QxMXZ.mxz.txtfind\t输入摘要\n"
                                                       "R7.GL.QxMXZ.mxz.frame1\t查询条件\n"
                                                       "R7.GL.QxMXZ.mxz.lblnested\t数量\n"
                                                       "R7.GL.QxMXZ.other.cmdcancel\t取消\n");
    FormObject form;
    form.setObjectName(QStringLiteral("mxz"));
    auto named = [&form](QObject *object, const char *name, const char *text = "") {
        object->setParent(&form);
        object->setObjectName(QString::fromLatin1(name));
        if (*text)
            object->setProperty("text", QString::fromLatin1(text));
        return object;
    };
    auto *button = named(new CaptionedObject, "cmdOK", "OK");
    auto *input = static_cast<InputObject *>(named(new InputObject, "txtFind", "typed"));
    auto *frame = static_cast<FrameObject *>(named(new FrameObject, "Frame1"));
    auto *nested = named(new CaptionedObject, "lblNested");
    nested->setParent(frame);
    auto *cancel = named(new CaptionedObject, "cmdCancel", "Cancel");

    EXPECT_EQ(localizeForm(texts, &form, QStringLiteral("R7.GL.QxMXZ.")), 5);
    EXPECT_EQ(form.m_windowTitle, QStringLiteral("明细账"));
    EXPECT_EQ(button->property("text").toString(), QStringLiteral("确定"));
    // A frame's title, not its window title; an input's placeholder, not what was typed.
    EXPECT_EQ(frame->m_title, QStringLiteral("查询条件"));
    EXPECT_TRUE(frame->m_windowTitle.isEmpty());
    EXPECT_EQ(nested->property("text").toString(), QStringLiteral("数量"));
    EXPECT_EQ(input->m_placeholder, QStringLiteral("输入摘要"));
    EXPECT_EQ(input->m_text, QStringLiteral("typed"));
    EXPECT_EQ(cancel->property("text").toString(), QStringLiteral("Cancel"));

    GlPublic pub;
    EXPECT_TRUE(LocalizeForm(pub, &form, QStringLiteral("R7.GL.QxMXZ.")));
    EXPECT_FALSE(LocalizeForm(pub, nullptr, QStringLiteral("R7.GL.QxMXZ.")));
}

} // namespace
} // namespace qxmxz

#include "TextsAndMessagesTest.moc"
