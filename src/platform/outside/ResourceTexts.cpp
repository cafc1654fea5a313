#include "platform/outside/ResourceTexts.h"

#include <QFile>
#include <QtDebug>

#include <algorithm>

namespace qxmxz {

namespace {

bool isEnglish(const QString &language)
{
    const QString name = language.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    return name == QLatin1String("en") || name == QLatin1String("en-us");
}

// "\n", "\t" and "\\" become a line break, a tab and a backslash; any other
// backslash stays as written, so a stray one is visible rather than lost.
QString unescaped(const QString &written)
{
    QString text;
    text.reserve(written.size());
    for (qsizetype i = 0; i < written.size(); ++i) {
        const QChar c = written.at(i);
        if (c == QLatin1Char('\\') && i + 1 < written.size()) {
            const QChar next = written.at(i + 1);
            if (next == QLatin1Char('n')) { text += QLatin1Char('\n'); ++i; continue; }
            if (next == QLatin1Char('t')) { text += QLatin1Char('\t'); ++i; continue; }
            if (next == QLatin1Char('\\')) { text += QLatin1Char('\\'); ++i; continue; }
        }
        text += c;
    }
    return text;
}

// Placeholders use ASCII digits only; other scripts' digits are text.
bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

ResourceTexts compiledIn(const QString &language)
{
    const QString path = QStringLiteral(":/resources/texts/%1.tsv").arg(language);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Every text then shows its key: wrong, but visible and never empty.
        qWarning("ResourceTexts: cannot read %s", qPrintable(path));
        return ResourceTexts::fromTsv(language, {});
    }
    return ResourceTexts::fromTsv(language, file.readAll());
}

} // namespace

const ResourceTexts &ResourceTexts::forLanguage(const QString &language)
{
    if (isEnglish(language)) {
        static const ResourceTexts english = compiledIn(QStringLiteral("en-US"));
        return english;
    }
    static const ResourceTexts chinese = compiledIn(QStringLiteral("zh-CN"));
    return chinese;
}

ResourceTexts ResourceTexts::fromTsv(const QString &language, const QByteArray &utf8)
{
    ResourceTexts table;
    table.m_language = language;

    QString content = QString::fromUtf8(utf8);
    if (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);

    const QStringList lines = content.split(QLatin1Char('\n'));
    for (qsizetype number = 0; number < lines.size(); ++number) {
        QString line = lines.at(number);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        const QString key = tab < 0 ? QString() : line.left(tab).trimmed();
        if (key.isEmpty()) {
            qWarning("ResourceTexts: %s line %lld is neither a comment nor key TAB text",
                     qPrintable(language), static_cast<long long>(number + 1));
            continue;
        }
        if (table.m_texts.contains(key) && !table.m_duplicateKeys.contains(key))
            table.m_duplicateKeys.append(key);
        table.m_texts.insert(key, unescaped(line.mid(tab + 1)));
    }
    return table;
}

QString ResourceTexts::language() const
{
    return m_language;
}

QString ResourceTexts::text(const QString &key, const QStringList &arguments) const
{
    const auto found = m_texts.constFind(key);
    if (found == m_texts.constEnd())
        return key;
    const QString &pattern = *found;
    if (arguments.isEmpty())
        return pattern;

    // One pass over the pattern: what an argument brings in is never scanned
    // again. "%12" means the twelfth argument only when there are twelve.
    QString result;
    result.reserve(pattern.size());
    const qsizetype size = pattern.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('%') && i + 1 < size && isAsciiDigit(pattern.at(i + 1))) {
            int number = pattern.at(i + 1).digitValue();
            qsizetype digits = 1;
            if (i + 2 < size && isAsciiDigit(pattern.at(i + 2))) {
                const int twoDigits = number * 10 + pattern.at(i + 2).digitValue();
                if (twoDigits <= arguments.size()) {
                    number = twoDigits;
                    digits = 2;
                }
            }
            if (number >= 1 && number <= arguments.size()) {
                result += arguments.at(number - 1);
                i += digits;
                continue;
            }
        }
        result += c;
    }
    return result;
}

bool ResourceTexts::contains(const QString &key) const
{
    return m_texts.contains(key);
}

QStringList ResourceTexts::keys() const
{
    QStringList all = m_texts.keys();
    std::sort(all.begin(), all.end());
    return all;
}

QStringList ResourceTexts::duplicateKeys() const
{
    return m_duplicateKeys;
}

} // namespace qxmxz
