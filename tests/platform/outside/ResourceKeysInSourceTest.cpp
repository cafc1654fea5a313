// Every resource key written in src/ and app/ has a text in both languages.
// A key is a string literal outside comments made of "R7.GL." or
// "QXMXZ.cli." and key characters; a literal ending in "." or continued with
// "+" and a number is the head of a key built at run time and is skipped.

#include "platform/outside/ResourceTexts.h"
#include "support/Printers.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace qxmxz {
namespace {

struct SourceKeys {
    QStringList keys;
    QStringList heads; // literals skipped as the head of a key built at run time
};

SourceKeys keysIn(const QString &code)
{
    // Comments and literals in the order they appear, so that "//" inside a
    // literal or a quote inside a comment is taken for what it is. A quote
    // right after a letter or digit is a digit separator (1'000).
    static const QRegularExpression piece(
        QStringLiteral(R"re(//[^\n]*|/\*.*?\*/|(?<!\w)'(?:[^'\\\n]|\\.)*'|R"([^(\s]*)\((.*?)\)\1"|"((?:[^"\\\n]|\\.)*)")re"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression keyLike(QStringLiteral(R"(^(R7\.GL\.|QXMXZ\.cli\.)[A-Za-z0-9_.]*$)"));
    static const QRegularExpression continuedWithNumber(QStringLiteral(R"(\w*[)\s]*\+\s*(\d|QString::number|std::to_string))"));

    SourceKeys found;
    for (const QRegularExpressionMatch &m : piece.globalMatch(code)) {
        const QString content = m.hasCaptured(2) ? m.captured(2) : m.captured(3);
        if (!keyLike.match(content).hasMatch())
            continue;
        const bool head = content.endsWith(u'.') ||
                          continuedWithNumber.match(code, m.capturedEnd(), QRegularExpression::NormalMatch,
                                                    QRegularExpression::AnchorAtOffsetMatchOption).hasMatch();
        (head ? found.heads : found.keys) << content;
    }
    return found;
}

TEST(ResourceKeyScanner, FindsKeysAndSkipsCommentsHeadsAndPlaceholderLiterals)
{
    const SourceKeys found = keysIn(QStringLiteral(R"cpp(// "R7.GL.comment.key" /* "R7.GL.block.key"
auto a = texts.text(QStringLiteral("R7.GL.QXMXZ.kmmx.wait")); /* "R7.GL.block.key"
   "still the comment" */ auto b = QStringLiteral("R7.GL.QxMXZ.");
auto c = QStringLiteral("R7.GL.QXMXZ.mxzdll.00") + QString::number(258 + code);
auto e = u"QXMXZ.cli.usage"_s; auto h = "postgresql://host"; // "R7.GL.after.url"
int i = 1'000'000; auto j = R"(R7.GL.raw.key)"; auto m = "escaped \" R7.GL.not.key";
char q = '"'; auto r = "R7.GL.after.char";
auto s = std::string("R7.GL.QXMXZ.kmmx.0") + std::to_string(666);
auto t = "R7.GL.QXMXZ.mxz.mxz" + separator + name;
)cpp"));
    EXPECT_EQ(found.keys, (QStringList{"R7.GL.QXMXZ.kmmx.wait", "QXMXZ.cli.usage", "R7.GL.raw.key", "R7.GL.after.char",
                                       "R7.GL.QXMXZ.mxz.mxz"}));
    EXPECT_EQ(found.heads, (QStringList{"R7.GL.QxMXZ.", "R7.GL.QXMXZ.mxzdll.00", "R7.GL.QXMXZ.kmmx.0"}));
}

TEST(ResourceKeysInSource, EveryKeyTheCodeUsesHasATextInBothLanguages)
{
    const ResourceTexts &chinese = ResourceTexts::forLanguage(QStringLiteral("zh-CN"));
    const ResourceTexts &english = ResourceTexts::forLanguage(QStringLiteral("en-US"));
    int keys = 0;
    for (const char *folder : {"src", "app"}) {
        QDirIterator it(QStringLiteral(QXMXZ_SOURCE_DIR "/") + QLatin1String(folder),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const SourceKeys found = keysIn(QString::fromUtf8(file.readAll()));
            keys += int(found.keys.size());
            for (const QString &key : found.keys)
                for (const ResourceTexts *texts : {&chinese, &english})
                    EXPECT_TRUE(texts->contains(key)) << file.fileName().toStdString() << ": " << key.toStdString()
                                                      << " has no text in " << texts->language().toStdString();
        }
    }
    EXPECT_GT(keys, 100) << "no keys found under " << QXMXZ_SOURCE_DIR;
}

} // namespace
} // namespace qxmxz
