// Resource texts, message boxes and captions through the general-ledger object.

#include "totals/TextsAndMessages.h"

#include <QObject>
#include <gtest/gtest.h>

#include "platform/outside/FormLocalizer.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/ResourceTexts.h"
#include "support/Printers.h"

namespace qxmxz {
namespace {

// Stand-ins for the controls of a form: only their caption properties matter.
class Label : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text MEMBER text)
public:
    QString text;
};

class Input : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text MEMBER text)
    Q_PROPERTY(QString placeholderText MEMBER placeholderText)
public:
    QString text, placeholderText;
};

class Frame : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString windowTitle MEMBER windowTitle)
public:
    QString title, windowTitle;
};

class Form : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString windowTitle MEMBER windowTitle)
public:
    QString windowTitle;
};

TEST(GetResString, FillsTheArgumentsInOrderAndWritesNumbersPlainly)
{
    GlPublic pub;
    const QString key = QStringLiteral("R7.GL.QXMXZ.mxzdll.errnum");
    EXPECT_EQ(GetResString(pub, key, {QStringLiteral("打印机缺纸"), 48}),
              pub.text(key, {QStringLiteral("打印机缺纸"), QStringLiteral("48")}));
    EXPECT_EQ(GetResString(pub, key, {0.1, QVariant::fromValue(*Currency::fromText(QStringLiteral("-12.50")))}),
              pub.text(key, {QStringLiteral("0.1"), QStringLiteral("-12.5")}));
    const QString plain = QStringLiteral("R7.GL.QXMXZ.yujmod.00811");
    ASSERT_TRUE(pub.texts().contains(plain));
    EXPECT_NE(GetResString(pub, plain), plain);
}

TEST(ShowMsg, RaisesThePromptOfAKeyUnderItsTitleWithItsStyle)
{
    GlPublic pub;
    const QString prompt = GetResString(pub, QStringLiteral("R7.GL.QXMXZ.mxzdll.errnum"), {QStringLiteral("x"), 48});
    const QString title = GetResString(pub, QStringLiteral("R7.GL.QXMXZ.clsmxz.noteinfo"));
    EXPECT_EQ(ShowMsg(pub, prompt, 64, title, QStringLiteral("help.chm"), 12), 1) << "OK without a window host";
    ASSERT_EQ(pub.recordedMessages().size(), 1);
    const MessageBoxRequest &box = pub.recordedMessages()[0];
    EXPECT_EQ((QStringList{box.prompt, box.title, box.helpFile}),
              (QStringList{prompt, title, QStringLiteral("help.chm")}));
    EXPECT_EQ(box.buttons, 64);
    EXPECT_EQ(box.helpContext, 12);
}

TEST(LocalizeForm, SetsTheCaptionOfEachNamedObjectThatHasAKey)
{
    const ResourceTexts texts = ResourceTexts::fromTsv(
        QStringLiteral("zh-CN"), "R7.GL.QxMXZ.mxz.mxz\t明细账\nR7.GL.QxMXZ.mxz.cmdok\t确定\nR7.GL.QxMXZ.mxz.txtfind\t输入摘要\n"
                                 "R7.GL.QxMXZ.mxz.frame1\t查询条件\nR7.GL.QxMXZ.mxz.lblnested\t数量\n"
                                 "R7.GL.QxMXZ.other.cmdcancel\t取消\n");
    Form form;
    Frame frame;
    Label button, nested, cancel;
    Input input;
    form.setObjectName(QStringLiteral("mxz"));
    for (auto [object, name] : {std::pair<QObject *, const char *>{&frame, "Frame1"}, {&button, "cmdOK"},
                                {&cancel, "cmdCancel"}, {&input, "txtFind"}, {&nested, "lblNested"}}) {
        object->setObjectName(QString::fromLatin1(name));
        object->setParent(&form);
    }
    nested.setParent(&frame);
    cancel.text = QStringLiteral("Cancel");
    input.text = QStringLiteral("typed");

    EXPECT_EQ(localizeForm(texts, &form, QStringLiteral("R7.GL.QxMXZ.")), 5);
    EXPECT_EQ(form.windowTitle, QStringLiteral("明细账"));
    EXPECT_EQ(button.text, QStringLiteral("确定"));
    EXPECT_EQ(nested.text, QStringLiteral("数量"));
    // A frame's title, not its window title; an input's placeholder, not what was typed.
    EXPECT_EQ(frame.title, QStringLiteral("查询条件"));
    EXPECT_TRUE(frame.windowTitle.isEmpty());
    EXPECT_EQ(input.placeholderText, QStringLiteral("输入摘要"));
    EXPECT_EQ(input.text, QStringLiteral("typed"));
    EXPECT_EQ(cancel.text, QStringLiteral("Cancel")) << "a key of another form";

    GlPublic pub;
    EXPECT_TRUE(LocalizeForm(pub, &form, QStringLiteral("R7.GL.QxMXZ.")));
    EXPECT_FALSE(LocalizeForm(pub, nullptr, QStringLiteral("R7.GL.QxMXZ.")));
}

} // namespace
} // namespace qxmxz

#include "TextsAndMessagesTest.moc"
