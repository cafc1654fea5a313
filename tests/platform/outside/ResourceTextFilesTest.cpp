// The two text files compiled into the library: the same keys in both, each
// text written out in its language, placeholders that agree, and the texts
// that code compares with each other or with stored data.

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

TEST(ResourceTextFiles, BothLanguagesHoldTheSameKeysOnceEach)
{
    const QStringList zh = chinese().keys();
    const QStringList en = english().keys();
    ASSERT_GT(zh.size(), 300);
    EXPECT_EQ(zh, en);
    EXPECT_TRUE(chinese().duplicateKeys().isEmpty()) << chinese().duplicateKeys().join(u' ').toStdString();
    EXPECT_TRUE(english().duplicateKeys().isEmpty()) << english().duplicateKeys().join(u' ').toStdString();
}

TEST(ResourceTextFiles, EveryTextIsWrittenOutWithTheSamePlaceholdersInBothLanguages)
{
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
    for (const ResourceTexts *texts : {&chinese(), &english()}) {
        const std::string language = texts->language().toStdString();
        const auto text = [texts](const char *key) { return texts->text(QString::fromLatin1(key)); };
        const auto distinct = [&](std::initializer_list<const char *> keys) {
            QSet<QString> seen;
            for (const char *key : keys)
                seen.insert(text(key));
            return seen.size() == qsizetype(keys.size());
        };
        // The voucher drill-down finds its right by the window caption.
        EXPECT_EQ(text("R7.GL.QXMXZ.mxz.mxz"), text("R7.GL.QXMXZ.mmxz.00133")) << language;
        EXPECT_TRUE(distinct({"R7.GL.QXMXZ.mmxz.00133", "R7.GL.QXMXZ.mmxz.00134", "R7.GL.QXMXZ.mmxz.00135",
                              "R7.GL.QXMXZ.mmxz.00136", "R7.GL.QXMXZ.mmxz.00137"})) << language;
        // A display request selects its book style by this text.
        EXPECT_EQ(text("R7.GL.QXMXZ.clsmxz.cashstyle"), text("R7.GL.VSZZPUB.JeType")) << language;
        EXPECT_TRUE(distinct({"R7.GL.VSZZPUB.JeType", "R7.GL.VSZZPUB.SlJeType", "R7.GL.VSZZPUB.WbJeType",
                              "R7.GL.VSZZPUB.SlWbType"})) << language;
        // The merged ledger tells a query from a print run, the month fill opening rows from carried ones.
        EXPECT_TRUE(distinct({"R7.GL.QXMXZ.clsmxzhb.query", "R7.GL.QXMXZ.clsmxzhb.00786"})) << language;
        EXPECT_TRUE(distinct({"R7.GL.QXMXZ.kmmx.qcye", "R7.GL.QXMXZ.kmmx.snjz"})) << language;
        EXPECT_TRUE(distinct({"R7.GL.VSZZPUB.Dir.Debit", "R7.GL.VSZZPUB.Dir.Credit", "R7.GL.VSZZPUB.Dir.Balanced"}))
            << language;
    }
    // In Chinese the item types and directions read as the words stored in the accounting database.
    const std::pair<const char *, const char *> stored[] = {
        {"R7.GL.QXMXZ.frmzyx_yj.text", "文本"}, {"R7.GL.QXMXZ.frmzyx_yj.date", "日期"},
        {"R7.GL.QXMXZ.frmzyx_yj.num", "数字"},  {"R7.GL.QXMXZ.frmzyx_yj.intger", "整型"},
        {"R7.GL.VSZZPUB.Dir.Debit", "借"},      {"R7.GL.VSZZPUB.Dir.Credit", "贷"},
        {"R7.GL.VSZZPUB.Dir.Balanced", "平"},
    };
    for (const auto &[key, word] : stored)
        EXPECT_EQ(chinese().text(QString::fromLatin1(key)), QString::fromUtf8(word)) << key;
}

} // namespace
} // namespace qxmxz
