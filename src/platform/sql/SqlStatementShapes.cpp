#include "SqlStatementShapes.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>

namespace qxmxz {

QString joinTokens(const QList<SqlToken> &tokens)
{
    QString text;
    for (const SqlToken &token : tokens)
        text += token.text;
    return text;
}

QList<qsizetype> significantPositions(const QList<SqlToken> &tokens)
{
    QList<qsizetype> positions;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const SqlToken::Kind kind = tokens.at(i).kind;
        if (kind != SqlToken::Kind::Whitespace && kind != SqlToken::Kind::Comment)
            positions.append(i);
    }
    return positions;
}

bool isWord(const SqlToken &token, QStringView word)
{
    return token.kind == SqlToken::Kind::Word && token.text.compare(word, Qt::CaseInsensitive) == 0;
}

bool isPunctuation(const SqlToken &token, QStringView text)
{
    return token.kind == SqlToken::Kind::Punctuation && token.text == text;
}

namespace {

// The significant tokens of a statement without a closing ";".
QList<SqlToken> meaningfulTokens(const QList<SqlToken> &tokens)
{
    QList<SqlToken> result;
    for (qsizetype i : significantPositions(tokens))
        result.append(tokens.at(i));
    if (!result.isEmpty() && isPunctuation(result.last(), u";"))
        result.removeLast();
    return result;
}

QString unquotedLiteral(const SqlToken &token)
{
    QString body = token.text.mid(token.kind == SqlToken::Kind::NationalString ? 2 : 1);
    if (body.endsWith(u'\''))
        body.chop(1);
    return body.replace(QLatin1String("''"), QLatin1String("'"));
}

std::optional<QVariant> numberValue(const QString &text, bool negative)
{
    bool ok = false;
    const qlonglong integer = text.toLongLong(&ok);
    if (ok)
        return QVariant(negative ? -integer : integer);
    const double decimal = text.toDouble(&ok);
    if (ok)
        return QVariant(negative ? -decimal : decimal);
    return std::nullopt;
}

// Reads one literal at `pos`, moving past it.
std::optional<QVariant> literalAt(const QList<SqlToken> &tokens, qsizetype &pos)
{
    const SqlToken &token = tokens.at(pos);
    switch (token.kind) {
    case SqlToken::Kind::String:
    case SqlToken::Kind::NationalString:
        ++pos;
        return QVariant(unquotedLiteral(token));
    case SqlToken::Kind::Number:
        ++pos;
        return numberValue(token.text, false);
    case SqlToken::Kind::Word:
        if (!isWord(token, u"NULL"))
            return std::nullopt;
        ++pos;
        return QVariant();
    case SqlToken::Kind::Punctuation:
        if ((token.text == u"-" || token.text == u"+") && pos + 1 < tokens.size()
            && tokens.at(pos + 1).kind == SqlToken::Kind::Number) {
            pos += 2;
            return numberValue(tokens.at(pos - 1).text, token.text == u"-");
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

QString identifierName(const SqlToken &token)
{
    if (token.kind != SqlToken::Kind::QuotedIdentifier)
        return token.text;
    const QChar open = token.text.front();
    const QString close = open == u'[' ? QStringLiteral("]") : QString(open);
    QString name = token.text.mid(1);
    if (name.endsWith(close))
        name.chop(1);
    return name.replace(close + close, close);
}

QString identifierText(const QString &name)
{
    static const QRegularExpression bare(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (bare.match(name).hasMatch())
        return name;
    return u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"';
}

bool isIdentifier(const SqlToken &token)
{
    return token.kind == SqlToken::Kind::Word || token.kind == SqlToken::Kind::QuotedIdentifier;
}

} // namespace

bool isSetNocount(const QList<SqlToken> &tokens)
{
    const QList<SqlToken> words = meaningfulTokens(tokens);
    return words.size() == 3 && isWord(words[0], u"SET") && isWord(words[1], u"NOCOUNT")
        && (isWord(words[2], u"ON") || isWord(words[2], u"OFF"));
}

std::optional<SqlAction> procedureCall(const QList<SqlToken> &tokens, const QStringList &procedureNames)
{
    const QList<SqlToken> words = meaningfulTokens(tokens);
    qsizetype pos = 0;
    if (!words.isEmpty() && (isWord(words[0], u"EXEC") || isWord(words[0], u"EXECUTE")))
        ++pos;
    if (pos >= words.size() || words[pos].kind != SqlToken::Kind::Word)
        return std::nullopt;
    auto known = std::find_if(procedureNames.begin(), procedureNames.end(), [&](const QString &name) {
        return name.compare(words[pos].text, Qt::CaseInsensitive) == 0;
    });
    if (known == procedureNames.end())
        return std::nullopt;

    SqlAction action{SqlAction::Kind::ProcedureCall, *known, {}};
    ++pos;
    while (pos < words.size()) {
        if (!action.arguments.isEmpty()) {
            if (!isPunctuation(words[pos], u",") || ++pos >= words.size())
                return std::nullopt;
        }
        const std::optional<QVariant> value = literalAt(words, pos);
        if (!value)
            return std::nullopt;
        action.arguments.append(*value);
    }
    return action;
}

void renameCreatedIndex(QList<SqlToken> &tokens, const SqlDialect &dialect)
{
    const QList<qsizetype> at = significantPositions(tokens);
    auto word = [&](qsizetype i, QStringView w) { return i < at.size() && isWord(tokens.at(at[i]), w); };

    qsizetype i = 0;
    if (!word(i++, u"CREATE"))
        return;
    if (word(i, u"UNIQUE"))
        ++i;
    if (!word(i++, u"INDEX"))
        return;
    if (word(i, u"IF") && word(i + 1, u"NOT") && word(i + 2, u"EXISTS"))
        i += 3;
    const qsizetype indexPos = i;
    if (!(indexPos + 2 < at.size() && isIdentifier(tokens.at(at[indexPos])) && word(indexPos + 1, u"ON")
          && isIdentifier(tokens.at(at[indexPos + 2]))))
        return;

    SqlToken &index = tokens[at[indexPos]];
    const QString table = identifierName(tokens.at(at[indexPos + 2]));
    index.text = identifierText(dialect.indexName(table, identifierName(index)));
    index.kind = index.text.startsWith(u'"') ? SqlToken::Kind::QuotedIdentifier : SqlToken::Kind::Word;
}

void isoDateLiterals(QList<SqlToken> &tokens)
{
    static const QRegularExpression date(QStringLiteral("^[Nn]'(\\d{1,2})-(\\d{1,2})-(\\d{4})'$"));
    for (SqlToken &token : tokens) {
        if (token.kind != SqlToken::Kind::NationalString)
            continue;
        const QRegularExpressionMatch m = date.match(token.text);
        if (!m.hasMatch())
            continue;
        const QDate d(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
        if (!d.isValid())
            continue;
        token.kind = SqlToken::Kind::String;
        token.text = QLatin1Char('\'') + d.toString(Qt::ISODate) + QLatin1Char('\'');
    }
}

} // namespace qxmxz
