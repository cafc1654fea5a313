#include "ComparedLiterals.h"

#include <QRegularExpression>

#include "SqlStatementShapes.h"
#include "SqlTokenizer.h"

namespace qxmxz {

namespace {

bool isComparison(const SqlToken &token)
{
    if (token.kind != SqlToken::Kind::Punctuation)
        return false;
    static const QStringList operators{QStringLiteral("="),  QStringLiteral("<>"), QStringLiteral("!="),
                                       QStringLiteral("<"),  QStringLiteral(">"),  QStringLiteral("<="),
                                       QStringLiteral(">=")};
    return operators.contains(token.text);
}

bool isDateForm(const SqlToken &token)
{
    static const QRegularExpression date(QStringLiteral("^[Nn]'\\d{1,2}-\\d{1,2}-\\d{4}'$"));
    return date.match(token.text).hasMatch();
}

// The value of a literal; nothing for a text literal that is not closed
// exactly as written (left for the database to judge).
std::optional<QVariant> valueOf(const SqlToken &token)
{
    if (token.kind == SqlToken::Kind::Number) {
        if (token.text.contains(u'.') || token.text.contains(u'e') || token.text.contains(u'E'))
            return token.text.toDouble();
        bool ok = false;
        const qlonglong whole = token.text.toLongLong(&ok);
        return ok ? QVariant(whole) : QVariant(token.text.toDouble());
    }
    const QString quoted = token.kind == SqlToken::Kind::NationalString ? token.text.mid(1) : token.text;
    if (quoted.size() < 2 || !quoted.endsWith(u'\''))
        return std::nullopt;
    QString text = quoted.mid(1, quoted.size() - 2);
    text.replace(QStringLiteral("''"), QStringLiteral("'"));
    QString requoted = text;
    requoted.replace(QStringLiteral("'"), QStringLiteral("''"));
    if (u'\'' + requoted + u'\'' != quoted)
        return std::nullopt;
    return text;
}

} // namespace

std::optional<ParameterizedQuery> parameterizeComparedLiterals(const QString &sql)
{
    QList<SqlToken> tokens = tokenizeSql(sql);
    const QList<qsizetype> at = significantPositions(tokens);
    if (at.isEmpty() || !(isWord(tokens.at(at[0]), u"SELECT") || isPunctuation(tokens.at(at[0]), u"(")))
        return std::nullopt;
    ParameterizedQuery result;
    for (qsizetype i = 0; i < at.size(); ++i) {
        SqlToken &token = tokens[at[i]];
        if (token.kind == SqlToken::Kind::Parameter)
            return std::nullopt;
        const bool literal = token.kind == SqlToken::Kind::Number || token.kind == SqlToken::Kind::String
                             || token.kind == SqlToken::Kind::NationalString;
        if (!literal || i == 0 || !isComparison(tokens.at(at[i - 1])))
            continue;
        if (token.kind == SqlToken::Kind::NationalString && isDateForm(token))
            continue;
        const std::optional<QVariant> value = valueOf(token);
        if (!value)
            continue;
        result.values << *value;
        token = {SqlToken::Kind::Parameter, QStringLiteral("?")};
    }
    if (result.values.isEmpty())
        return std::nullopt;
    result.text = joinTokens(tokens);
    return result;
}

} // namespace qxmxz
