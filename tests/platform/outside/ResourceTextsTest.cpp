// The loader of the resource texts: reading the TSV form, placeholders and the
// choice of language.

#include "platform/outside/ResourceTexts.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace qxmxz {
namespace {

TEST(ResourceTexts, ReadsKeyTabTextLinesWithEscapes)
{
    const ResourceTexts texts = ResourceTexts::fromTsv(QStringLiteral("test"), QByteArray(
        "\xEF\xBB\xBFlead\t leading blank\n"
        "# a comment\n"
        "\n"
        "   \n"
        "#commented\tnot a text\n"
        "no tab on this line\n"
        "\tno key\n"
        "tabs\ta\tb\n"
        "empty\t\n"
        "twice\tfirst\n"
        "escapes\tone\\ntwo\\tthree\\\\n four \\x end\\\n"
        "crlf\t\xE5\x80\x9F\r\n"
        "twice\tsecond\n"
        "last\tno final line break"));
    EXPECT_EQ(texts.keys(), (QStringList{"crlf", "empty", "escapes", "last", "lead", "tabs", "twice"}));
    EXPECT_EQ(texts.text(QStringLiteral("lead")), QStringLiteral(" leading blank"));
    EXPECT_EQ(texts.text(QStringLiteral("tabs")), QStringLiteral("a\tb"));
    EXPECT_TRUE(texts.contains(QStringLiteral("empty")));
    EXPECT_EQ(texts.text(QStringLiteral("empty")), QString());
    EXPECT_EQ(texts.text(QStringLiteral("escapes")), QStringLiteral("one\ntwo\tthree\\n four \\x end\\"));
    EXPECT_EQ(texts.text(QStringLiteral("crlf")), QString::fromUtf8("借"));
    EXPECT_EQ(texts.text(QStringLiteral("last")), QStringLiteral("no final line break"));
    EXPECT_EQ(texts.text(QStringLiteral("twice")), QStringLiteral("second"));
    EXPECT_EQ(texts.duplicateKeys(), QStringList{QStringLiteral("twice")});
}

TEST(ResourceTexts, ArgumentsFillTheirPlaceholdersOnce)
{
    const ResourceTexts texts = ResourceTexts::fromTsv(QStringLiteral("test"), QByteArray(
        "swap\t%2 before %1, %1 again\n"
        "percent\t100% of %1, %0, %x, %\n"
        "ten\t%10|%1\n"));
    const auto text = [&texts](const char *key, const QStringList &arguments = {}) {
        return texts.text(QString::fromLatin1(key), arguments).toStdString();
    };
    EXPECT_EQ(text("swap", {"a", "b"}), "b before a, a again");
    EXPECT_EQ(text("swap", {"50%2 of %1", "x"}), "x before 50%2 of %1, 50%2 of %1 again"); // never scanned again
    EXPECT_EQ(text("swap", {"a"}), "%2 before a, a again");                              // missing ones stay visible
    EXPECT_EQ(text("percent", {"it"}), "100% of it, %0, %x, %");
    // With one argument "%10" is the first argument and "0"; with ten it is the tenth.
    EXPECT_EQ(text("ten", {"A"}), "A0|A");
    EXPECT_EQ(text("ten", {"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "a10"}), "a10|a1");
    // An unknown key shows itself.
    EXPECT_FALSE(texts.contains(QStringLiteral("R7.GL.QXMXZ.kmmx.nosuchkey")));
    EXPECT_EQ(text("R7.GL.QXMXZ.kmmx.nosuchkey", {"x"}), "R7.GL.QXMXZ.kmmx.nosuchkey");
}

TEST(ResourceTexts, LanguagesAreChosenByNameLoadedOnceAndDiffer)
{
    for (const char *english : {"en-US", "en-us", "en", "EN", "en_US", " en-us "})
        EXPECT_EQ(ResourceTexts::forLanguage(QString::fromLatin1(english)).language(), QStringLiteral("en-US")) << english;
    for (const char *other : {"zh-CN", "zh-cn", "", "fr-FR", "english", "zh-TW", "en-GB"})
        EXPECT_EQ(ResourceTexts::forLanguage(QString::fromLatin1(other)).language(), QStringLiteral("zh-CN")) << other;
    const ResourceTexts &chinese = ResourceTexts::forLanguage(QString());
    const ResourceTexts &english = ResourceTexts::forLanguage(QStringLiteral("en"));
    EXPECT_EQ(&english, &ResourceTexts::forLanguage(QStringLiteral("en-us")));
    EXPECT_EQ(&chinese, &ResourceTexts::forLanguage(QStringLiteral("zh-CN")));

    EXPECT_EQ(chinese.text(QStringLiteral("R7.GL.VSZZPUB.Dir.Debit")), QString::fromUtf8("借"));
    EXPECT_EQ(english.text(QStringLiteral("R7.GL.VSZZPUB.Dir.Debit")), QStringLiteral("Dr"));
    EXPECT_EQ(chinese.text(QStringLiteral("R7.GL.VSZZPUB.PeriodText"), {QStringLiteral("2026"), QStringLiteral("03")}),
              QStringLiteral("2026.03"));
    const QString usage = english.text(QStringLiteral("QXMXZ.cli.usage"));
    EXPECT_TRUE(usage.startsWith(QStringLiteral("Usage: qxmxz")));
    EXPECT_FALSE(usage.contains(QStringLiteral("\\n")));
}

} // namespace
} // namespace qxmxz
