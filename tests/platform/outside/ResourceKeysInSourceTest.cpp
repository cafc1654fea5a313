// Every resource key written in the code of src/ and app/ has a text in both
// languages, so that no window, message or command-line output ever shows a
// bare key.
//
// How a key is recognised in the code:
//  - A string literal whose whole content is "R7.GL." or "QXMXZ.cli." followed
//    by key characters (letters, digits, "_" and ".") is a key.
//  - Literals inside comments do not count.
//  - A literal that holds any other character is no key; this covers keys
//    built with placeholders, such as "R7.GL.QXMXZ.mxzdll.%1".
//  - A literal ending in "." is the head of a key built at run time
//    ("R7.GL.QxMXZ.", "R7.GL.VSZZPUB.Right.") and is skipped.
//  - So is a literal that the code continues with "+" and a number: a digit,
//    QString::number(…) or std::to_string(…), with the closing ")" of a string
//    wrapper or a literal suffix such as _s allowed in between
//    (QStringLiteral("R7.GL.QXMXZ.mxzdll.00") + QString::number(code + 258)).

#include "platform/outside/ResourceTexts.h"
#include "platform/outside/QtStringPrinting.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#ifndef QXMXZ_SOURCE_DIR
#error "QXMXZ_SOURCE_DIR must name the source folder (set in tests/CMakeLists.txt)"
#endif

namespace qxmxz {
namespace {

struct KeyInSource {
    QString key;
    int line = 0;
};

struct SourceKeys {
    std::vector<KeyInSource> keys;
    QStringList heads; // literals skipped as the head of a key built at run time
};

bool isIdentifierChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class KeyScanner {
public:
    explicit KeyScanner(std::string code) : m_code(std::move(code)) {}

    SourceKeys scan()
    {
        const size_t n = m_code.size();
        size_t i = 0;
        while (i < n) {
            const char c = m_code[i];
            if (c == '\n') {
                ++m_line;
                ++i;
            } else if (c == '/' && i + 1 < n && m_code[i + 1] == '/') {
                while (i < n && m_code[i] != '\n')
                    ++i;
            } else if (c == '/' && i + 1 < n && m_code[i + 1] == '*') {
                const size_t end = m_code.find("*/", i + 2);
                i = advanceTo(i, end == std::string::npos ? n : end + 2);
            } else if (c == '\'') {
                i = skipCharacterLiteral(i);
            } else if (c == '"') {
                i = readStringLiteral(i);
            } else {
                ++i;
            }
        }
        return m_found;
    }

private:
    // Moves to `to`, counting the lines passed.
    size_t advanceTo(size_t from, size_t to)
    {
        for (size_t k = from; k < to && k < m_code.size(); ++k)
            if (m_code[k] == '\n')
                ++m_line;
        return to;
    }

    size_t skipCharacterLiteral(size_t i)
    {
        // A quote right after a digit or letter is a digit separator (1'000).
        if (i > 0 && isIdentifierChar(m_code[i - 1]))
            return i + 1;
        size_t k = i + 1;
        while (k < m_code.size() && m_code[k] != '\'' && m_code[k] != '\n')
            k += m_code[k] == '\\' ? 2 : 1;
        return std::min(k + 1, m_code.size());
    }

    bool startsRawString(size_t quote) const
    {
        if (quote == 0 || m_code[quote - 1] != 'R')
            return false;
        size_t begin = quote - 1;
        while (begin > 0 && isIdentifierChar(m_code[begin - 1]))
            --begin;
        const std::string_view prefix(m_code.data() + begin, quote - 1 - begin);
        return prefix.empty() || prefix == "u8" || prefix == "u" || prefix == "U" || prefix == "L";
    }

    size_t readStringLiteral(size_t quote)
    {
        const int line = m_line;
        std::string content;
        size_t after;
        if (startsRawString(quote)) {
            const size_t open = m_code.find('(', quote + 1);
            if (open == std::string::npos)
                return m_code.size();
            const std::string close = ")" + m_code.substr(quote + 1, open - quote - 1) + "\"";
            size_t end = m_code.find(close, open + 1);
            if (end == std::string::npos)
                end = m_code.size();
            content = m_code.substr(open + 1, end - open - 1);
            after = advanceTo(quote, std::min(end + close.size(), m_code.size()));
        } else {
            size_t k = quote + 1;
            while (k < m_code.size() && m_code[k] != '"' && m_code[k] != '\n') {
                if (m_code[k] == '\\' && k + 1 < m_code.size()) {
                    content.append(m_code, k, 2);
                    k += 2;
                } else {
                    content += m_code[k++];
                }
            }
            after = std::min(k + 1, m_code.size());
        }
        classify(QString::fromStdString(content), after, line);
        return after;
    }

    bool continuedWithNumber(size_t after) const
    {
        size_t k = after;
        while (k < m_code.size() && isIdentifierChar(m_code[k])) // a literal suffix such as _s
            ++k;
        while (k < m_code.size() && (m_code[k] == ')' || std::isspace(static_cast<unsigned char>(m_code[k]))))
            ++k;
        if (k >= m_code.size() || m_code[k] != '+')
            return false;
        ++k;
        while (k < m_code.size() && std::isspace(static_cast<unsigned char>(m_code[k])))
            ++k;
        const std::string_view rest(m_code.data() + k, m_code.size() - k);
        return (!rest.empty() && isDigit(rest.front())) || rest.starts_with("QString::number") ||
               rest.starts_with("std::to_string");
    }

    void classify(const QString &content, size_t after, int line)
    {
        static const QRegularExpression keyLike(QStringLiteral("^(R7\\.GL\\.|QXMXZ\\.cli\\.)[A-Za-z0-9_.]*$"));
        if (!keyLike.match(content).hasMatch())
            return;
        if (content.endsWith(QLatin1Char('.')) || continuedWithNumber(after))
            m_found.heads << content;
        else
            m_found.keys.push_back({content, line});
    }

    std::string m_code;
    int m_line = 1;
    SourceKeys m_found;
};

SourceKeys keysIn(const std::string &code)
{
    return KeyScanner(code).scan();
}

QStringList keyTexts(const SourceKeys &found)
{
    QStringList keys;
    for (const KeyInSource &k : found.keys)
        keys << k.key;
    return keys;
}

TEST(ResourceKeyScanner, FindsKeysAndSkipsCommentsHeadsAndPlaceholderLiterals)
{
    const std::string code = R"cpp(// "R7.GL.QXMXZ.comment.key" in a comment
/* "R7.GL.QXMXZ.block.key"
   still the comment */
auto a = texts.text(QStringLiteral("R7.GL.QXMXZ.kmmx.wait"));
auto b = QStringLiteral("R7.GL.QxMXZ.");
auto c = QStringLiteral("R7.GL.QXMXZ.mxzdll.00") + QString::number(258 + code);
auto d = QString("R7.GL.QXMXZ.mxzdll.%1").arg(n, 5, 10, QChar('0'));
auto e = "QXMXZ.cli.usage";
auto f = "R7.GL.VSZZPUB.Right." + right;
auto g = u"R7.GL.VSZZPUB.Dir.Debit"_s;
auto h = "postgresql://host"; // "R7.GL.after.url"
int i = 1'000'000; auto j = "R7.GL.QXMXZ.mxz.km";
auto k = R"(R7.GL.raw.key)";
auto m = "escaped \" R7.GL.not.key";
char q = '"'; auto r = "R7.GL.after.char";
auto s = std::string("R7.GL.QXMXZ.kmmx.0") + std::to_string(666);
auto t = "R7.GL.QXMXZ.mxz.mxz" + separator + name;
)cpp";
    const SourceKeys found = keysIn(code);
    EXPECT_EQ(keyTexts(found),
              (QStringList{QStringLiteral("R7.GL.QXMXZ.kmmx.wait"), QStringLiteral("QXMXZ.cli.usage"),
                           QStringLiteral("R7.GL.VSZZPUB.Dir.Debit"), QStringLiteral("R7.GL.QXMXZ.mxz.km"),
                           QStringLiteral("R7.GL.raw.key"), QStringLiteral("R7.GL.after.char"),
                           QStringLiteral("R7.GL.QXMXZ.mxz.mxz")}));
    EXPECT_EQ(found.heads,
              (QStringList{QStringLiteral("R7.GL.QxMXZ."), QStringLiteral("R7.GL.QXMXZ.mxzdll.00"),
                           QStringLiteral("R7.GL.VSZZPUB.Right."), QStringLiteral("R7.GL.QXMXZ.kmmx.0")}));
    ASSERT_EQ(found.keys.size(), 7u);
    EXPECT_EQ(found.keys[0].line, 4);
    EXPECT_EQ(found.keys[3].line, 12);
    EXPECT_EQ(found.keys[5].line, 15);
}

QStringList sourceFiles()
{
    const QString root = QString::fromUtf8(QXMXZ_SOURCE_DIR);
    QStringList files;
    for (const char *folder : {"src", "app"}) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    files.sort();
    return files;
}

TEST(ResourceKeysInSource, EveryKeyTheCodeUsesHasATextInBothLanguages)
{
    const QStringList files = sourceFiles();
    ASSERT_FALSE(files.isEmpty()) << "no sources under " << QXMXZ_SOURCE_DIR;

    const ResourceTexts &chinese = ResourceTexts::forLanguage(QStringLiteral("zh-CN"));
    const ResourceTexts &english = ResourceTexts::forLanguage(QStringLiteral("en-US"));
    for (const QString &path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        for (const KeyInSource &found : keysIn(file.readAll().toStdString()).keys) {
            for (const ResourceTexts *texts : {&chinese, &english})
                EXPECT_TRUE(texts->contains(found.key))
                    << path.toStdString() << ":" << found.line << ": " << found.key.toStdString()
                    << " has no text in " << texts->language().toStdString();
        }
    }
}

} // namespace
} // namespace qxmxz
