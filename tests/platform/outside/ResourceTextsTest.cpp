// The resource texts: the loader, placeholders and the choice of language; the
// two text files compiled in, and the texts code compares or stores.

#include "platform/outside/ResourceTexts.h"
#include "support/Printers.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

namespace qxmxz {
namespace {

const ResourceTexts &chinese() { return ResourceTexts::forLanguage(QStringLiteral("zh-CN")); }
const ResourceTexts &english() { return ResourceTexts::forLanguage(QStringLiteral("en-US")); }

QSet<int> placeholderNumbers(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+)"));
    QSet<int> numbers;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        numbers.insert(match.captured(1).toInt());
    return numbers;
}

bool hasChinese(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.script() == QChar::Script_Han || (c.unicode() >= 0x3000 && c.unicode() <= 0x303F) ||
               (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF);
    });
}

TEST(ResourceTexts, ReadsKeyTabTextLinesWithEscapes)
{
    const ResourceTexts texts = ResourceTexts::fromTsv(QStringLiteral("test"), QByteArray(
        "\xEF\xBB\xBFlead\t leading blank\n# a comment\n\n#commented\tnot a text\nno tab on this line\n\tno key\n"
        "tabs\ta\tb\ntwice\tfirst\nescapes\tone\\ntwo\\tthree\\\\n four \\x end\\\n"
        "crlf\t\xE5\x80\x9F\r\ntwice\tsecond"));
    EXPECT_EQ(texts.keys(), (QStringList{"crlf", "escapes", "lead", "tabs", "twice"}));
    EXPECT_EQ(texts.text(QStringLiteral("lead")), QStringLiteral(" leading blank"));
    EXPECT_EQ(texts.text(QStringLiteral("tabs")), QStringLiteral("a\tb"));
    EXPECT_EQ(texts.text(QStringLiteral("escapes")), QStringLiteral("one\ntwo\tthree\\n four \\x end\\"));
    EXPECT_EQ(texts.text(QStringLiteral("crlf")), QString::fromUtf8("借"));
    EXPECT_EQ(texts.text(QStringLiteral("twice")), QStringLiteral("second"));
    EXPECT_EQ(texts.duplicateKeys(), QStringList{QStringLiteral("twice")});
}

TEST(ResourceTexts, ArgumentsFillTheirPlaceholdersOnce)
{
    const ResourceTexts texts = ResourceTexts::fromTsv(
        QStringLiteral("test"), QByteArray("swap\t%2 before %1, %1 again\npercent\t100% of %1, %0, %x, %\nten\t%10|%1\n"));
    const auto text = [&texts](const char *key, const QStringList &arguments) {
        return texts.text(QString::fromLatin1(key), arguments).toStdString();
    };
    EXPECT_EQ(text("swap", {"50%2 of %1", "x"}), "x before 50%2 of %1, 50%2 of %1 again"); // never scanned again
    EXPECT_EQ(text("swap", {"a"}), "%2 before a, a again");                              // missing ones stay visible
    EXPECT_EQ(text("percent", {"it"}), "100% of it, %0, %x, %");
    // With one argument "%10" is the first argument and "0"; with ten it is the tenth.
    EXPECT_EQ(text("ten", {"A"}), "A0|A");
    EXPECT_EQ(text("ten", {"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "a10"}), "a10|a1");
    EXPECT_EQ(text("R7.GL.QXMXZ.kmmx.nosuchkey", {"x"}), "R7.GL.QXMXZ.kmmx.nosuchkey"); // an unknown key shows itself
}

TEST(ResourceTexts, EnglishIsChosenByItsNamesAndChineseForAnythingElse)
{
    const std::pair<const char *, const char *> choices[] = {{"en-US", "en-US"}, {"en", "en-US"}, {" EN_us ", "en-US"},
                                                             {"", "zh-CN"},      {"english", "zh-CN"}, {"en-GB", "zh-CN"}};
    for (const auto &[name, language] : choices)
        EXPECT_EQ(ResourceTexts::forLanguage(QString::fromLatin1(name)).language(), QString::fromLatin1(language)) << name;
}

TEST(ResourceTextFiles, BothLanguagesHoldTheSameKeysOnceEachWrittenOutWithTheSamePlaceholders)
{
    ASSERT_GT(chinese().keys().size(), 300);
    EXPECT_EQ(chinese().keys(), english().keys());
    EXPECT_TRUE(chinese().duplicateKeys().isEmpty()) << chinese().duplicateKeys().join(u' ').toStdString();
    EXPECT_TRUE(english().duplicateKeys().isEmpty()) << english().duplicateKeys().join(u' ').toStdString();
    for (const QString &key : chinese().keys()) {
        const QString zh = chinese().text(key);
        const QString en = english().text(key);
        EXPECT_FALSE(zh.trimmed().isEmpty() || en.trimmed().isEmpty()) << key.toStdString() << " has an empty text";
        EXPECT_FALSE(hasChinese(en)) << key.toStdString() << ": " << en.toStdString();
        // Placeholders count from %1 without gaps, and both languages use the same ones.
        const QSet<int> numbers = placeholderNumbers(zh);
        EXPECT_EQ(placeholderNumbers(en), numbers) << key.toStdString() << ": " << zh.toStdString() << " / " << en.toStdString();
        for (int n = 1; n <= int(numbers.size()); ++n)
            EXPECT_TRUE(numbers.contains(n)) << key.toStdString() << " lacks %" << n << ": " << zh.toStdString();
    }
}

TEST(ResourceTextFiles, TextsThatCodeComparesAgree)
{
    // The voucher drill-down finds its right by the window caption; a display
    // request picks its book style by this text.
    const std::pair<const char *, const char *> equal[] = {{"R7.GL.QXMXZ.mxz.mxz", "R7.GL.QXMXZ.mmxz.00133"},
                                                           {"R7.GL.QXMXZ.clsmxz.cashstyle", "R7.GL.VSZZPUB.JeType"}};
    // Texts that code tells apart: book styles, a query from a print run,
    // opening rows from carried ones, directions.
    const QStringList distinct[] = {
        {"R7.GL.VSZZPUB.JeType", "R7.GL.VSZZPUB.SlJeType", "R7.GL.VSZZPUB.WbJeType", "R7.GL.VSZZPUB.SlWbType"},
        {"R7.GL.QXMXZ.clsmxzhb.query", "R7.GL.QXMXZ.clsmxzhb.00786"}, {"R7.GL.QXMXZ.kmmx.qcye", "R7.GL.QXMXZ.kmmx.snjz"},
        {"R7.GL.VSZZPUB.Dir.Debit", "R7.GL.VSZZPUB.Dir.Credit", "R7.GL.VSZZPUB.Dir.Balanced"}};
    for (const ResourceTexts *texts : {&chinese(), &english()}) {
        for (const auto &[a, b] : equal)
            EXPECT_EQ(texts->text(QString::fromLatin1(a)), texts->text(QString::fromLatin1(b))) << a;
        for (const QStringList &keys : distinct) {
            QSet<QString> seen;
            for (const QString &key : keys)
                seen.insert(texts->text(key));
            EXPECT_EQ(seen.size(), keys.size()) << keys.join(u' ').toStdString();
        }
    }
    // In Chinese the item types and directions read as the words stored in the accounting database.
    const std::pair<const char *, const char *> stored[] = {
        {"R7.GL.QXMXZ.frmzyx_yj.text", "文本"}, {"R7.GL.QXMXZ.frmzyx_yj.date", "日期"}, {"R7.GL.QXMXZ.frmzyx_yj.num", "数字"},
        {"R7.GL.QXMXZ.frmzyx_yj.intger", "整型"}, {"R7.GL.VSZZPUB.Dir.Debit", "借"},   {"R7.GL.VSZZPUB.Dir.Credit", "贷"},
        {"R7.GL.VSZZPUB.Dir.Balanced", "平"}};
    for (const auto &[key, word] : stored)
        EXPECT_EQ(chinese().text(QString::fromLatin1(key)), QString::fromUtf8(word)) << key;
}

} // namespace
} // namespace qxmxz
