// Resource texts, message boxes and captions through the general-ledger
// object.

#include "totals/TextsAndMessages.h"

#include <QObject>
#include <gtest/gtest.h>

#include "platform/outside/FormLocalizer.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/QtStringPrinting.h"
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

class AnsweringSink : public MessageSink {
public:
    int show(const MessageBoxRequest &request) override
    {
        shown.append(request);
        return 7;
    }
    QList<MessageBoxRequest> shown;
};

TEST(GetResString, PassesArgumentsInOrder)
{
    GlPublic pub;
    const QString key = QStringLiteral("R7.GL.QXMXZ.mxzdll.errnum");
    const QString text = GetResString(pub, key, {QStringLiteral("打印机缺纸"), 48});
    EXPECT_EQ(text, pub.text(key, {QStringLiteral("打印机缺纸"), QStringLiteral("48")}));
    EXPECT_TRUE(text.contains(QStringLiteral("打印机缺纸")));
    EXPECT_TRUE(text.contains(QStringLiteral("48")));
    EXPECT_LT(text.indexOf(QStringLiteral("打印机缺纸")), text.indexOf(QStringLiteral("48")));
}

TEST(GetResString, WritesNumbersAndMoneyPlainly)
{
    GlPublic pub;
    const QString key = QStringLiteral("R7.GL.QXMXZ.mxzdll.errnum");
    EXPECT_EQ(GetResString(pub, key, {0.1, QVariant::fromValue(*Currency::fromText(QStringLiteral("-12.50")))}),
              pub.text(key, {QStringLiteral("0.1"), QStringLiteral("-12.5")}));
}

TEST(GetResString, WithoutArgumentsIsTheTextItself)
{
    GlPublic pub;
    const QString key = QStringLiteral("R7.GL.QXMXZ.yujmod.00811");
    ASSERT_TRUE(pub.texts().contains(key));
    EXPECT_EQ(GetResString(pub, key), pub.text(key));
    EXPECT_NE(GetResString(pub, key), key);
}

TEST(ShowMsg, HandsTheBoxToTheSinkAndReturnsItsAnswer)
{
    GlPublic pub;
    AnsweringSink sink;
    pub.setMessageSink(&sink);
    EXPECT_EQ(ShowMsg(pub, QStringLiteral("prompt"), 64, QStringLiteral("title")), 7);
    ASSERT_EQ(sink.shown.size(), 1);
    EXPECT_EQ(sink.shown[0].prompt, QStringLiteral("prompt"));
    EXPECT_EQ(sink.shown[0].buttons, 64);
    EXPECT_EQ(sink.shown[0].title, QStringLiteral("title"));
    EXPECT_TRUE(sink.shown[0].helpFile.isEmpty());
    EXPECT_EQ(sink.shown[0].helpContext, 0);

    ShowMsg(pub, QStringLiteral("second"), 16, QStringLiteral("t"), QStringLiteral("help.chm"), 12);
    ASSERT_EQ(pub.recordedMessages().size(), 2);
    EXPECT_EQ(pub.recordedMessages()[1].helpFile, QStringLiteral("help.chm"));
    EXPECT_EQ(pub.recordedMessages()[1].helpContext, 12);
}

class FormLocalizerTest : public ::testing::Test {
protected:
    FormLocalizerTest()
        : texts(ResourceTexts::fromTsv(QStringLiteral("zh-CN"),
                                       "R7.GL.QxMXZ.mxz.mxz\t明细账\n"
                                       "R7.GL.QxMXZ.mxz.cmdok\t确定\n"
                                       "R7.GL.QxMXZ.mxz.txtfind\t输入摘要\n"
                                       "R7.GL.QxMXZ.mxz.frame1\t查询条件\n"
                                       "R7.GL.QxMXZ.mxz.lblnested\t数量\n"
                                       "R7.GL.QxMXZ.other.cmdcancel\t取消\n"))
    {
        form.setObjectName(QStringLiteral("mxz"));
        button = new CaptionedObject(&form);
        button->setObjectName(QStringLiteral("cmdOK"));
        button->m_text = QStringLiteral("OK");
        input = new InputObject(&form);
        input->setObjectName(QStringLiteral("txtFind"));
        input->m_text = QStringLiteral("typed");
        frame = new FrameObject(&form);
        frame->setObjectName(QStringLiteral("Frame1"));
        nested = new CaptionedObject(frame);
        nested->setObjectName(QStringLiteral("lblNested"));
        cancel = new CaptionedObject(&form);
        cancel->setObjectName(QStringLiteral("cmdCancel"));
        cancel->m_text = QStringLiteral("Cancel");
        unnamed = new CaptionedObject(&form);
        unnamed->m_text = QStringLiteral("unnamed");
    }

    ResourceTexts texts;
    FormObject form;
    CaptionedObject *button;
    InputObject *input;
    FrameObject *frame;
    CaptionedObject *nested;
    CaptionedObject *cancel;
    CaptionedObject *unnamed;
};

TEST_F(FormLocalizerTest, SetsTheCaptionOfEachNamedObjectByItsKey)
{
    EXPECT_EQ(localizeForm(texts, &form, QStringLiteral("R7.GL.QxMXZ.")), 5);
    EXPECT_EQ(form.m_windowTitle, QStringLiteral("明细账"));
    EXPECT_EQ(button->m_text, QStringLiteral("确定"));
    EXPECT_EQ(frame->m_title, QStringLiteral("查询条件"));
    EXPECT_TRUE(frame->m_windowTitle.isEmpty());
    EXPECT_EQ(nested->m_text, QStringLiteral("数量"));
}

TEST_F(FormLocalizerTest, AnInputGetsAPlaceholderAndKeepsWhatWasTyped)
{
    localizeForm(texts, &form, QStringLiteral("R7.GL.QxMXZ."));
    EXPECT_EQ(input->m_placeholder, QStringLiteral("输入摘要"));
    EXPECT_EQ(input->m_text, QStringLiteral("typed"));
}

TEST_F(FormLocalizerTest, ObjectsWithoutAKeyKeepTheirCaptions)
{
    localizeForm(texts, &form, QStringLiteral("R7.GL.QxMXZ."));
    EXPECT_EQ(cancel->m_text, QStringLiteral("Cancel"));
    EXPECT_EQ(unnamed->m_text, QStringLiteral("unnamed"));
}

TEST_F(FormLocalizerTest, AnotherPrefixFindsNoKeys)
{
    EXPECT_EQ(localizeForm(texts, &form, QStringLiteral("R7.GL.QXMXZ.")), 0);
    EXPECT_EQ(button->m_text, QStringLiteral("OK"));
    EXPECT_EQ(localizeForm(texts, nullptr, QStringLiteral("R7.GL.QxMXZ.")), 0);
}

TEST(LocalizeForm, RunsOverTheFormWithTheTextsOfTheSession)
{
    GlPublic pub;
    FormObject form;
    form.setObjectName(QStringLiteral("mxz"));
    form.m_windowTitle = QStringLiteral("before");
    CaptionedObject label(&form);
    label.setObjectName(QStringLiteral("lblUnknownCaption"));
    label.m_text = QStringLiteral("kept");
    EXPECT_TRUE(LocalizeForm(pub, &form, QStringLiteral("R7.GL.QxMXZ."), QString(), QString()));
    EXPECT_EQ(label.m_text, QStringLiteral("kept"));
    EXPECT_FALSE(LocalizeForm(pub, nullptr, QStringLiteral("R7.GL.QxMXZ.")));
}

} // namespace
} // namespace qxmxz

#include "TextsAndMessagesTest.moc"
