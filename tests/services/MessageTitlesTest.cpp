// Message boxes raised by key: the title of the raising module and the style.

#include "services/MessageTitles.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "platform/outside/QtStringPrinting.h"
#include "platform/outside/ResourceTexts.h"

namespace qxmxz {
namespace {

TEST(MessageTitles, EachModuleHasItsTitleKey)
{
    const QList<std::pair<Module, const char *>> expected = {
        {Module::modMxz, "R7.GL.QXMXZ.mxzdll.notesinfo"},
        {Module::mxzCond, "R7.GL.QXMXZ.mxzcond.notesinfo"},
        {Module::zzCond, "R7.GL.QXMXZ.zzcond.notesinfo"},
        {Module::zzmain, "R7.GL.QXMXZ.zzmain.notesinfo"},
        {Module::kmmx, "R7.GL.QXMXZ.kmmx.notesinfo"},
        {Module::clsMxzHb, "R7.GL.QXMXZ.clsmxzhb.notesinfo"},
        {Module::frmZYX_Yj, "R7.GL.QXMXZ.frmzyx_yj.notesinfo"},
        {Module::clsMxz, "R7.GL.QXMXZ.clsmxz.noteinfo"},
        {Module::mxfind, "R7.GL.QXMXZ.mxfind.noteinfo"},
    };
    for (const auto &[module, key] : expected)
        EXPECT_EQ(titleKey(module), QString::fromLatin1(key));
}

TEST(MessageTitles, EveryTitleHasATextInBothLanguages)
{
    for (Module module : {Module::modMxz, Module::mxzCond, Module::zzCond, Module::zzmain, Module::kmmx,
                          Module::clsMxzHb, Module::frmZYX_Yj, Module::clsMxz, Module::mxfind}) {
        EXPECT_TRUE(ResourceTexts::forLanguage(QStringLiteral("zh-CN")).contains(titleKey(module)))
            << titleKey(module).toStdString();
        EXPECT_TRUE(ResourceTexts::forLanguage(QStringLiteral("en-US")).contains(titleKey(module)))
            << titleKey(module).toStdString();
    }
}

TEST(RaiseMessage, ShowsThePromptUnderTheModuleTitleWithTheStyle)
{
    GlPublic pub;
    const QString prompt = QStringLiteral("R7.GL.QXMXZ.kmmx.00666");
    EXPECT_EQ(raiseMessage(pub, Module::kmmx, prompt, {}, 64), 1);
    ASSERT_EQ(pub.recordedMessages().size(), 1);
    const MessageBoxRequest &box = pub.recordedMessages().front();
    EXPECT_EQ(box.prompt, pub.text(prompt));
    EXPECT_NE(box.prompt, prompt);
    EXPECT_EQ(box.title, pub.text(QStringLiteral("R7.GL.QXMXZ.kmmx.notesinfo")));
    EXPECT_EQ(box.buttons, 64);
    EXPECT_TRUE(box.helpFile.isEmpty());
    EXPECT_EQ(box.helpContext, 0);
}

TEST(RaiseMessage, FillsThePromptWithItsArguments)
{
    GlPublic pub;
    raiseMessage(pub, Module::clsMxz, QStringLiteral("R7.GL.QXMXZ.clsmxz.nohavequeryright"), {QStringLiteral("1002")},
                 64);
    raiseMessage(pub, Module::modMxz, QStringLiteral("R7.GL.QXMXZ.mxzdll.youhavenotright"), {QStringLiteral("明细账")},
                 16);
    ASSERT_EQ(pub.recordedMessages().size(), 2);
    EXPECT_EQ(pub.recordedMessages()[0].prompt,
              pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxz.nohavequeryright"), {QStringLiteral("1002")}));
    EXPECT_TRUE(pub.recordedMessages()[0].prompt.contains(QStringLiteral("1002")));
    EXPECT_EQ(pub.recordedMessages()[0].title, pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxz.noteinfo")));
    EXPECT_EQ(pub.recordedMessages()[1].title, pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.notesinfo")));
    EXPECT_EQ(pub.recordedMessages()[1].buttons, 16);
    EXPECT_TRUE(pub.recordedMessages()[1].prompt.contains(QStringLiteral("明细账")));
}

} // namespace
} // namespace qxmxz
