// The loader of the resource texts: reading the TSV form, placeholders and the
// choice of language.

#include "platform/outside/ResourceTexts.h"
#include "platform/outside/QtStringPrinting.h"

#include <gtest/gtest.h>

namespace qxmxz {
namespace {

ResourceTexts table(const char *tsv)
{
    return ResourceTexts::fromTsv(QStringLiteral("test"), QByteArray(tsv));
}

TEST(ResourceTextsReading, KeyTabTextWithCommentsAndEmptyLinesSkipped)
{
    const ResourceTexts texts = table("# a comment\n"
                                      "\n"
                                      "   \n"
                                      "R7.GL.a\tfirst text\n"
                                      "#R7.GL.commented\tnot a text\n"
                                      "R7.GL.b\tsecond text\n");
    EXPECT_EQ(texts.keys(), (QStringList{QStringLiteral("R7.GL.a"), QStringLiteral("R7.GL.b")}));
    EXPECT_EQ(texts.text(QStringLiteral("R7.GL.a")), QStringLiteral("first text"));
    EXPECT_EQ(texts.text(QStringLiteral("R7.GL.b")), QStringLiteral("second text"));
    EXPECT_FALSE(texts.contains(QStringLiteral("R7.GL.commented")));
    EXPECT_FALSE(texts.contains(QStringLiteral("#R7.GL.commented")));
}

TEST(ResourceTextsReading, TextIsEverythingAfterTheFirstTab)
{
    const ResourceTexts texts = table("lead\t leading blank\n"
                                      "tabs\ta\tb\n"
                                      "empty\t\n"
                                      "crlf\twindows line\r\n"
                                      "last\tno final line break");
    EXPECT_EQ(texts.text(QStringLiteral("lead")), QStringLiteral(" leading blank"));
    EXPECT_EQ(texts.text(QStringLiteral("tabs")), QStringLiteral("a\tb"));
    EXPECT_TRUE(texts.contains(QStringLiteral("empty")));
    EXPECT_EQ(texts.text(QStringLiteral("empty")), QString());
    EXPECT_EQ(texts.text(QStringLiteral("crlf")), QStringLiteral("windows line"));
    EXPECT_EQ(texts.text(QStringLiteral("last")), QStringLiteral("no final line break"));
}

TEST(ResourceTextsReading, EscapesForLineBreakTabAndBackslash)
{
    const ResourceTexts texts = table("k\tone\\ntwo\\tthree\\\\n four \\x end\\\n");
    EXPECT_EQ(texts.text(QStringLiteral("k")), QStringLiteral("one\ntwo\tthree\\n four \\x end\\"));
}

TEST(ResourceTextsReading, Utf8WithByteOrderMark)
{
    const ResourceTexts texts = table("\xEF\xBB\xBFR7.GL.dir\t\xE5\x80\x9F\n");
    EXPECT_EQ(texts.keys(), QStringList{QStringLiteral("R7.GL.dir")});
    EXPECT_EQ(texts.text(QStringLiteral("R7.GL.dir")), QString::fromUtf8("借"));
}

TEST(ResourceTextsReading, LinesWithoutKeyAreIgnoredAndRepeatedKeysReported)
{
    const ResourceTexts texts = table("no tab on this line\n"
                                      "\tno key\n"
                                      "twice\tfirst\n"
                                      "once\tonly\n"
                                      "twice\tsecond\n");
    EXPECT_EQ(texts.keys(), (QStringList{QStringLiteral("once"), QStringLiteral("twice")}));
    EXPECT_EQ(texts.text(QStringLiteral("twice")), QStringLiteral("second"));
    EXPECT_EQ(texts.duplicateKeys(), QStringList{QStringLiteral("twice")});
}

TEST(ResourceTextsPlaceholders, ArgumentsReplaceTheirNumbersInAnyOrder)
{
    const ResourceTexts texts = table("fl\tProcessing account %1, %2, voucher %3, line %4\n"
                                      "swap\t%2 before %1, %1 again\n");
    EXPECT_EQ(texts.text(QStringLiteral("fl"), {QStringLiteral("1002"), QStringLiteral("2026-03-05"),
                                                QStringLiteral("记-0007"), QStringLiteral("2")}),
              QString::fromUtf8("Processing account 1002, 2026-03-05, voucher 记-0007, line 2"));
    EXPECT_EQ(texts.text(QStringLiteral("swap"), {QStringLiteral("a"), QStringLiteral("b")}),
              QStringLiteral("b before a, a again"));
}

TEST(ResourceTextsPlaceholders, ArgumentsAreNotScannedAgain)
{
    const ResourceTexts texts = table("errnum\t%1 (code %2)\n");
    EXPECT_EQ(texts.text(QStringLiteral("errnum"), {QStringLiteral("50%2 of %1"), QStringLiteral("48")}),
              QStringLiteral("50%2 of %1 (code 48)"));
}

TEST(ResourceTextsPlaceholders, MissingArgumentsStayVisibleAndPercentSignsAreText)
{
    const ResourceTexts texts = table("two\t%1 and %2\n"
                                      "percent\t100% of %1, %0, %x, %\n"
                                      "ten\t%10|%1\n");
    EXPECT_EQ(texts.text(QStringLiteral("two"), {QStringLiteral("a")}), QStringLiteral("a and %2"));
    EXPECT_EQ(texts.text(QStringLiteral("two")), QStringLiteral("%1 and %2"));
    EXPECT_EQ(texts.text(QStringLiteral("percent"), {QStringLiteral("it")}),
              QStringLiteral("100% of it, %0, %x, %"));
    // With one argument "%10" is the first argument followed by "0"; with ten
    // it is the tenth.
    EXPECT_EQ(texts.text(QStringLiteral("ten"), {QStringLiteral("A")}), QStringLiteral("A0|A"));
    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten << QStringLiteral("a%1").arg(i);
    EXPECT_EQ(texts.text(QStringLiteral("ten"), ten), QStringLiteral("a10|a1"));
}

TEST(ResourceTextsPlaceholders, UnknownKeyYieldsTheKeyItself)
{
    const ResourceTexts texts = table("known\ttext\n");
    EXPECT_FALSE(texts.contains(QStringLiteral("R7.GL.QXMXZ.kmmx.nosuchkey")));
    EXPECT_EQ(texts.text(QStringLiteral("R7.GL.QXMXZ.kmmx.nosuchkey")), QStringLiteral("R7.GL.QXMXZ.kmmx.nosuchkey"));
    EXPECT_EQ(texts.text(QStringLiteral("R7.GL.QXMXZ.kmmx.nosuchkey"), {QStringLiteral("x")}),
              QStringLiteral("R7.GL.QXMXZ.kmmx.nosuchkey"));
    EXPECT_EQ(texts.text(QString()), QString());
}

TEST(ResourceTextsLanguage, NamesMapToTheTwoLanguagesAndEverythingElseToChinese)
{
    EXPECT_EQ(ResourceTexts::forLanguage(QStringLiteral("zh-CN")).language(), QStringLiteral("zh-CN"));
    EXPECT_EQ(ResourceTexts::forLanguage(QStringLiteral("zh-cn")).language(), QStringLiteral("zh-CN"));
    for (const char *english : {"en-US", "en-us", "en", "EN", "en_US", " en-us "})
        EXPECT_EQ(ResourceTexts::forLanguage(QString::fromLatin1(english)).language(), QStringLiteral("en-US")) << english;
    for (const char *other : {"", "fr-FR", "english", "zh-TW", "en-GB"})
        EXPECT_EQ(ResourceTexts::forLanguage(QString::fromLatin1(other)).language(), QStringLiteral("zh-CN")) << other;
}

TEST(ResourceTextsLanguage, EachLanguageIsLoadedOnceAndShared)
{
    const ResourceTexts &first = ResourceTexts::forLanguage(QStringLiteral("en-us"));
    const ResourceTexts &second = ResourceTexts::forLanguage(QStringLiteral("en"));
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(&ResourceTexts::forLanguage(QString()), &ResourceTexts::forLanguage(QStringLiteral("zh-CN")));
    EXPECT_NE(&first, &ResourceTexts::forLanguage(QStringLiteral("zh-CN")));
}

TEST(ResourceTextsLanguage, CompiledInTextsDifferByLanguage)
{
    const ResourceTexts &chinese = ResourceTexts::forLanguage(QStringLiteral("zh-CN"));
    const ResourceTexts &english = ResourceTexts::forLanguage(QStringLiteral("en-US"));
    ASSERT_TRUE(chinese.contains(QStringLiteral("R7.GL.VSZZPUB.Dir.Debit")));
    EXPECT_EQ(chinese.text(QStringLiteral("R7.GL.VSZZPUB.Dir.Debit")), QString::fromUtf8("借"));
    EXPECT_EQ(english.text(QStringLiteral("R7.GL.VSZZPUB.Dir.Debit")), QStringLiteral("Dr"));
    EXPECT_EQ(chinese.text(QStringLiteral("R7.GL.VSZZPUB.PeriodText"), {QStringLiteral("2026"), QStringLiteral("03")}),
              QStringLiteral("2026.03"));
    EXPECT_EQ(english.text(QStringLiteral("R7.GL.VSZZPUB.MonthText"), {QStringLiteral("3")}), QStringLiteral("Month 3"));
    const QString usage = english.text(QStringLiteral("QXMXZ.cli.usage"));
    EXPECT_TRUE(usage.startsWith(QStringLiteral("Usage: qxmxz")));
    EXPECT_GT(usage.count(QLatin1Char('\n')), 10);
    EXPECT_FALSE(usage.contains(QStringLiteral("\\n")));
}

} // namespace
} // namespace qxmxz
