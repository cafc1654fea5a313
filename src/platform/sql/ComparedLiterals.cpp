#include "ComparedLiterals.h"

#include "SqlTokenizer.h"

namespace qxmxz {

namespace {

bool isComparison(SqlToken::Kind kind, QStringView text)
{
    if (kind != SqlToken::Kind::Punctuation)
        return false;
    return text == u"=" || text == u"<>" || text == u"!=" || text == u"<" || text == u">" || text == u"<="
           || text == u">=";
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// N'm-d-yyyy': the form the dialects rewrite into a date of the server.
bool isDateForm(QStringView text)
{
    qsizetype i = 2; // past N'
    auto digits = [&](int least, int most) {
        int n = 0;
        while (i < text.size() && isDigit(text[i]) && n < most) {
            ++i;
            ++n;
        }
        return n >= least;
    };
    return text.size() > 3 && digits(1, 2) && i < text.size() && text[i++] == u'-' && digits(1, 2)
           && i < text.size() && text[i++] == u'-' && digits(4, 4) && i + 1 == text.size() && text[i] == u'\'';
}

// The value of a literal; nothing for a text literal that is not closed
// exactly as written (left for the database to judge).
std::optional<QVariant> valueOf(SqlToken::Kind kind, QStringView token)
{
    if (kind == SqlToken::Kind::Number) {
        if (token.contains(u'.') || token.contains(u'e') || token.contains(u'E'))
            return token.toDouble();
        bool ok = false;
        const qlonglong whole = token.toLongLong(&ok);
        return ok ? QVariant(whole) : QVariant(token.toDouble());
    }
    const QStringView quoted = kind == SqlToken::Kind::NationalString ? token.sliced(1) : token;
    if (quoted.size() < 2 || !quoted.endsWith(u'\''))
        return std::nullopt;
    const QStringView inner = quoted.sliced(1, quoted.size() - 2);
    QString text;
    text.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == u'\'') {
            if (i + 1 >= inner.size() || inner[i + 1] != u'\'')
                return std::nullopt; // a lone quote: the literal ended earlier than it seems
            ++i;
        }
        text += inner[i];
    }
    return text;
}

} // namespace

std::optional<ParameterizedQuery> parameterizeComparedLiterals(const QString &sql)
{
    ParameterizedQuery result;
    result.text.reserve(sql.size());
    bool plainQuery = true;
    bool started = false;
    SqlToken::Kind previousKind = SqlToken::Kind::Whitespace;
    QStringView previous;
    scanSqlTokens(sql, [&](SqlToken::Kind kind, QStringView text) {
        if (!plainQuery)
            return;
        const bool significant = kind != SqlToken::Kind::Whitespace && kind != SqlToken::Kind::Comment;
        if (significant && !started) {
            started = true;
            plainQuery = (kind == SqlToken::Kind::Word && text.compare(u"select", Qt::CaseInsensitive) == 0)
                         || (kind == SqlToken::Kind::Punctuation && text == u"(");
        }
        if (kind == SqlToken::Kind::Parameter)
            plainQuery = false;
        bool taken = false;
        const bool literal = kind == SqlToken::Kind::Number || kind == SqlToken::Kind::String
                             || kind == SqlToken::Kind::NationalString;
        if (literal && isComparison(previousKind, previous)
            && !(kind == SqlToken::Kind::NationalString && isDateForm(text))) {
            if (const std::optional<QVariant> value = valueOf(kind, text)) {
                result.values << *value;
                result.text += u'?';
                taken = true;
            }
        }
        if (!taken)
            result.text += text;
        if (significant) {
            previousKind = kind;
            previous = text;
        }
    });
    if (!plainQuery || result.values.isEmpty())
        return std::nullopt;
    return result;
}

} // namespace qxmxz
