#include "SqlTokenizer.h"

namespace qxmxz {

namespace {

bool startsWord(QChar c)
{
    // '#' and '@' open SQL Server temporary tables and variables; letters
    // include Chinese, which may stand as a bare column alias.
    return c.isLetter() || c == u'_' || c == u'#' || c == u'@';
}

bool continuesWord(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'@' || c == u'$';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class Scanner {
public:
    explicit Scanner(QStringView sql) : m_sql(sql) {}

    void run(const std::function<void(SqlToken::Kind, QStringView)> &visit)
    {
        while (m_pos < m_sql.size()) {
            const qsizetype start = m_pos;
            const SqlToken::Kind kind = scanOne();
            visit(kind, m_sql.sliced(start, m_pos - start));
        }
    }

private:
    QChar at(qsizetype i) const { return i < m_sql.size() ? m_sql.at(i) : QChar(); }

    SqlToken::Kind scanOne()
    {
        const QChar c = at(m_pos);
        const QChar next = at(m_pos + 1);

        if (c.isSpace()) {
            while (m_pos < m_sql.size() && at(m_pos).isSpace())
                ++m_pos;
            return SqlToken::Kind::Whitespace;
        }
        if (c == u'-' && next == u'-') {
            while (m_pos < m_sql.size() && at(m_pos) != u'\n')
                ++m_pos;
            return SqlToken::Kind::Comment;
        }
        if (c == u'/' && next == u'*') {
            const qsizetype end = m_sql.indexOf(QLatin1StringView("*/"), m_pos + 2);
            m_pos = end < 0 ? m_sql.size() : end + 2;
            return SqlToken::Kind::Comment;
        }
        if ((c == u'N' || c == u'n') && next == u'\'') {
            m_pos += 1;
            skipQuoted(u'\'');
            return SqlToken::Kind::NationalString;
        }
        if (c == u'\'') {
            skipQuoted(u'\'');
            return SqlToken::Kind::String;
        }
        if (c == u'"' || c == u'`') {
            skipQuoted(c);
            return SqlToken::Kind::QuotedIdentifier;
        }
        if (c == u'[') {
            skipQuoted(u']');
            return SqlToken::Kind::QuotedIdentifier;
        }
        if (isDigit(c) || (c == u'.' && isDigit(next))) {
            scanNumber();
            return SqlToken::Kind::Number;
        }
        if (startsWord(c)) {
            while (m_pos < m_sql.size() && continuesWord(at(m_pos)))
                ++m_pos;
            return SqlToken::Kind::Word;
        }
        if (c == u'?') {
            ++m_pos;
            return SqlToken::Kind::Parameter;
        }
        if (c == u':' && (next.isLetter() || next == u'_')) {
            ++m_pos;
            while (m_pos < m_sql.size() && continuesWord(at(m_pos)))
                ++m_pos;
            return SqlToken::Kind::Parameter;
        }
        static const char *const operators[] = {"<>", "<=", ">=", "!=", "||", "::"};
        for (const char *op : operators) {
            if (c == QLatin1Char(op[0]) && next == QLatin1Char(op[1])) {
                m_pos += 2;
                return SqlToken::Kind::Punctuation;
            }
        }
        ++m_pos;
        return SqlToken::Kind::Punctuation;
    }

    // At an opening quote: moves past the closing one, where a doubled
    // closing character stands for itself. Unterminated runs to the end.
    void skipQuoted(QChar close)
    {
        ++m_pos;
        while (m_pos < m_sql.size()) {
            if (at(m_pos) == close) {
                if (at(m_pos + 1) == close) {
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                return;
            }
            ++m_pos;
        }
    }

    void scanNumber()
    {
        while (isDigit(at(m_pos)))
            ++m_pos;
        if (at(m_pos) == u'.') {
            ++m_pos;
            while (isDigit(at(m_pos)))
                ++m_pos;
        }
        const QChar e = at(m_pos);
        if (e == u'e' || e == u'E') {
            qsizetype p = m_pos + 1;
            if (at(p) == u'+' || at(p) == u'-')
                ++p;
            if (isDigit(at(p))) {
                while (isDigit(at(p)))
                    ++p;
                m_pos = p;
            }
        }
    }

    QStringView m_sql;
    qsizetype m_pos = 0;
};

} // namespace

QList<SqlToken> tokenizeSql(const QString &sql)
{
    QList<SqlToken> tokens;
    Scanner(sql).run([&tokens](SqlToken::Kind kind, QStringView text) { tokens.append({kind, text.toString()}); });
    return tokens;
}

void scanSqlTokens(QStringView sql, const std::function<void(SqlToken::Kind, QStringView)> &visit)
{
    Scanner(sql).run(visit);
}

} // namespace qxmxz
