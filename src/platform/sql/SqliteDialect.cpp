#include "SqliteDialect.h"

#include <QSet>

#include "SqlStatementShapes.h"

namespace qxmxz {

namespace {

// N'…' → '…': SQLite's text is Unicode already.
void dropNationalPrefixes(QList<SqlToken> &tokens)
{
    for (SqlToken &token : tokens) {
        if (token.kind == SqlToken::Kind::NationalString) {
            token.text.remove(0, 1);
            token.kind = SqlToken::Kind::String;
        }
    }
}

// SELECT <list> INTO <table> FROM … → CREATE TABLE <table> AS SELECT <list> FROM …
QList<SqlToken> selectIntoAsCreateTable(const QList<SqlToken> &tokens)
{
    const QList<qsizetype> at = significantPositions(tokens);
    if (at.isEmpty() || !isWord(tokens.at(at[0]), u"SELECT"))
        return tokens;

    int depth = 0;
    qsizetype into = -1;
    for (qsizetype i = 1; i < at.size() && into < 0; ++i) {
        const SqlToken &token = tokens.at(at[i]);
        if (isPunctuation(token, u"("))
            ++depth;
        else if (isPunctuation(token, u")"))
            --depth;
        else if (depth == 0 && (isWord(token, u"FROM") || isWord(token, u"UNION")))
            return tokens;
        else if (depth == 0 && isWord(token, u"INTO"))
            into = i;
    }
    if (into < 0 || into + 1 >= at.size())
        return tokens;

    // The table name: a name, or schema "." name.
    qsizetype last = into + 1;
    while (last + 2 < at.size() && isPunctuation(tokens.at(at[last + 1]), u"."))
        last += 2;

    qsizetype listEnd = at[into];
    while (listEnd > at[0] && tokens.at(listEnd - 1).kind == SqlToken::Kind::Whitespace)
        --listEnd;

    QList<SqlToken> result = tokens.mid(0, at[0]);
    result += tokenizeSql(QStringLiteral("CREATE TABLE "));
    result += tokens.mid(at[into + 1], at[last] - at[into + 1] + 1);
    result += tokenizeSql(QStringLiteral(" AS "));
    result += tokens.mid(at[0], listEnd - at[0]);
    result += tokens.mid(at[last] + 1);
    return result;
}

bool isCompoundOperator(const SqlToken &token)
{
    return isWord(token, u"UNION") || isWord(token, u"EXCEPT") || isWord(token, u"INTERSECT");
}

// SQLite rejects parentheses around the members of a compound select:
// "(Q1) union all (Q2)" becomes "SELECT * FROM (Q1) union all SELECT * FROM (Q2)".
// This holds at any depth, and for a statement that is one parenthesised query.
QList<SqlToken> selectFromParenthesisedMembers(const QList<SqlToken> &tokens)
{
    struct Level {
        bool compound = false;
        bool memberStarts = true;
        QList<qsizetype> parenthesisedMembers;
    };
    QList<Level> levels{Level{}};
    QSet<qsizetype> wrap;
    auto close = [&wrap](const Level &level, bool topLevel) {
        if (level.compound || topLevel)
            for (qsizetype pos : level.parenthesisedMembers)
                wrap.insert(pos);
    };

    for (qsizetype pos : significantPositions(tokens)) {
        const SqlToken &token = tokens.at(pos);
        Level &level = levels.last();
        if (isCompoundOperator(token)) {
            level.compound = true;
            level.memberStarts = true;
            continue;
        }
        if (level.memberStarts && (isWord(token, u"ALL") || isWord(token, u"DISTINCT")))
            continue;
        if (level.memberStarts) {
            level.memberStarts = false;
            if (isPunctuation(token, u"("))
                level.parenthesisedMembers.append(pos);
        }
        if (isPunctuation(token, u"(")) {
            levels.append(Level{});
        } else if (isPunctuation(token, u")") && levels.size() > 1) {
            close(levels.last(), false);
            levels.removeLast();
        }
    }
    close(levels.first(), true);
    if (wrap.isEmpty())
        return tokens;

    QList<SqlToken> result;
    for (qsizetype pos = 0; pos < tokens.size(); ++pos) {
        if (wrap.contains(pos))
            result += tokenizeSql(QStringLiteral("SELECT * FROM "));
        result.append(tokens.at(pos));
    }
    return result;
}

// Without range statistics SQLite rates "ccode like '100201%'" and
// "iperiod >= 1 and iperiod <= 12" alike and takes the narrower period
// index, reading every line of the year to keep an account's tenth of them.
// Where a statement names accounts by a code prefix, a period compared with
// a number is written "+iperiod" (or "+GL_accvouch.iperiod"): the same test
// (a number needs no column affinity), but one no index can serve, so the
// account's index is taken. An equal period is left alone: after an
// account's code it narrows that same index.
void periodRangesBehindAccountPrefix(QList<SqlToken> &tokens)
{
    const QList<qsizetype> at = significantPositions(tokens);
    auto word = [&](qsizetype i, QStringView text) { return i >= 0 && i < at.size() && isWord(tokens.at(at[i]), text); };
    auto punctuation = [&](qsizetype i, QStringView text) {
        return i >= 0 && i < at.size() && isPunctuation(tokens.at(at[i]), text);
    };
    bool prefixed = false;
    for (qsizetype i = 0; i + 2 < at.size() && !prefixed; ++i) {
        const SqlToken &pattern = tokens.at(at[i + 2]);
        prefixed = word(i, u"ccode") && word(i + 1, u"like") && pattern.kind == SqlToken::Kind::String
                   && !pattern.text.startsWith(QLatin1String("'%"));
    }
    // Ordered by period first, the period index hands the lines over in
    // order, a period after another, where the account's would sort them all
    // before the first: that statement is left as it is.
    bool periodOrder = false;
    for (qsizetype i = 0; i + 2 < at.size() && !periodOrder; ++i)
        periodOrder = word(i, u"order") && word(i + 1, u"by")
                      && (word(i + 2, u"iperiod") || (punctuation(i + 3, u".") && word(i + 4, u"iperiod")));
    if (!prefixed || periodOrder)
        return;
    QList<qsizetype> periods;
    for (qsizetype i = 0; i + 2 < at.size(); ++i) {
        const bool range = punctuation(i + 1, u">=") || punctuation(i + 1, u"<=") || punctuation(i + 1, u">")
                           || punctuation(i + 1, u"<");
        if (!word(i, u"iperiod") || !range || tokens.at(at[i + 2]).kind != SqlToken::Kind::Number)
            continue;
        const qsizetype column = punctuation(i - 1, u".") && i >= 2 ? i - 2 : i; // GL_accvouch.iperiod
        if (!punctuation(column - 1, u"+"))
            periods.append(at[column]);
    }
    for (qsizetype k = periods.size() - 1; k >= 0; --k)
        tokens.insert(periods[k], SqlToken{SqlToken::Kind::Punctuation, QStringLiteral("+")});
}

} // namespace

SqliteDialect::SqliteDialect(QStringList procedureNames)
    : m_procedureNames(std::move(procedureNames))
{
}

SqlAction SqliteDialect::translate(const QString &sql) const
{
    QList<SqlToken> tokens = tokenizeSql(sql);
    if (isSetNocount(tokens))
        return {SqlAction::Kind::Nothing, {}, {}};
    if (std::optional<SqlAction> call = procedureCall(tokens, m_procedureNames))
        return *call;
    renameCreatedIndex(tokens, *this);
    isoDateLiterals(tokens);
    dropNationalPrefixes(tokens);
    periodRangesBehindAccountPrefix(tokens);
    tokens = selectIntoAsCreateTable(tokens);
    tokens = selectFromParenthesisedMembers(tokens);
    return {SqlAction::Kind::Statement, joinTokens(tokens), {}};
}

QString SqliteDialect::indexName(const QString &table, const QString &index) const
{
    return table + u'_' + index;
}

} // namespace qxmxz
