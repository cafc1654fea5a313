#include <gtest/gtest.h>

#include "platform/sql/SqlTokenizer.h"

namespace qxmxz {
namespace {

using Kind = SqlToken::Kind;

std::string described(const QList<SqlToken> &tokens)
{
    static const char *const names[] = {"Word", "Number", "String", "National", "Quoted",
                                        "Parameter", "Punct", "Space", "Comment"};
    QStringList parts;
    for (const SqlToken &token : tokens)
        if (token.kind != Kind::Whitespace)
            parts << QStringLiteral("%1[%2]").arg(QLatin1String(names[int(token.kind)]), token.text);
    return parts.join(u' ').toStdString();
}

std::string described(const QString &sql)
{
    return described(tokenizeSql(sql));
}

QString joined(const QList<SqlToken> &tokens)
{
    QString text;
    for (const SqlToken &token : tokens)
        text += token.text;
    return text;
}

TEST(SqlTokenizer, concatenatedTokensGiveTheInputBack)
{
    const QStringList inputs = {
        QString(),
        QStringLiteral("   \t\n"),
        QStringLiteral("select Ta.* from (select cACCode from r) Ta where Ta.cACCode = N'1001'"),
        QStringLiteral("SELECT iPeriod,Sum(case when cbegind_c<>'贷' then mb else -mb end) as mbb FROM GL_accsum"),
        QStringLiteral("select 'O''Brien', N'收到''货款''', [a]]b], \"x\"\"y\", `z` -- tail N'x'\n/* block */ ;"),
        QStringLiteral("select 'unterminated"),
        QStringLiteral("select 1 /* unterminated comment"),
        QStringLiteral("select [unterminated"),
        QStringLiteral("GL_glCode 'C%',1,12,1,2026"),
        QStringLiteral("select a::text, :KmCode, ?, 1.5e3, .5 from t where a != b || c"),
        QStringLiteral("SET NOCOUNT OFF "),
    };
    for (const QString &sql : inputs)
        EXPECT_EQ(joined(tokenizeSql(sql)).toStdString(), sql.toStdString());
}

TEST(SqlTokenizer, stringsKeepDoubledQuotesInsideOneToken)
{
    EXPECT_EQ(described("select 'O''Brien' from t"), "Word[select] String['O''Brien'] Word[from] Word[t]");
    EXPECT_EQ(described("x = ''''"), "Word[x] Punct[=] String['''']");
    EXPECT_EQ(described("x = ''"), "Word[x] Punct[=] String['']");
    // Nothing inside a literal is a keyword, a comment or a second literal.
    EXPECT_EQ(described("'select a into b -- from c /* N''d'' */'"),
              "String['select a into b -- from c /* N''d'' */']");
}

TEST(SqlTokenizer, nationalStringsOnlyWhereNStandsDirectlyBeforeTheQuote)
{
    EXPECT_EQ(described("ccode = N'1001' or ccode = n'1002'"),
              "Word[ccode] Punct[=] National[N'1001'] Word[or] Word[ccode] Punct[=] National[n'1002']");
    // Words that begin or end with N stay words.
    EXPECT_EQ(described("select Nian, NOCOUNT, cn_m from mxfirst where Nian='N'"),
              "Word[select] Word[Nian] Punct[,] Word[NOCOUNT] Punct[,] Word[cn_m] Word[from] Word[mxfirst] "
              "Word[where] Word[Nian] Punct[=] String['N']");
    EXPECT_EQ(described("ccode =N'x' and cdigest= N 'y'"),
              "Word[ccode] Punct[=] National[N'x'] Word[and] Word[cdigest] Punct[=] Word[N] String['y']");
    EXPECT_EQ(described("N'it''s'"), "National[N'it''s']");
}

TEST(SqlTokenizer, commentsRunToTheirEnd)
{
    EXPECT_EQ(described("select 1 -- N'x' and 'y\nfrom t"), "Word[select] Number[1] Comment[-- N'x' and 'y] Word[from] Word[t]");
    EXPECT_EQ(described("a /* it's */ b"), "Word[a] Comment[/* it's */] Word[b]");
    EXPECT_EQ(described("a /* never closed 'x'"), "Word[a] Comment[/* never closed 'x']");
    EXPECT_EQ(described("a - -1"), "Word[a] Punct[-] Punct[-] Number[1]");
}

TEST(SqlTokenizer, unterminatedLiteralsRunToTheEnd)
{
    EXPECT_EQ(described("select 'abc"), "Word[select] String['abc]");
    EXPECT_EQ(described("select N'abc''"), "Word[select] National[N'abc'']");
    EXPECT_EQ(described("select [abc"), "Word[select] Quoted[[abc]");
    EXPECT_EQ(described("select \"abc"), "Word[select] Quoted[\"abc]");
}

TEST(SqlTokenizer, quotedIdentifiersInThreeForms)
{
    EXPECT_EQ(described("select [my col], [a]]b], \"x\"\"y\", `z` from t"),
              "Word[select] Quoted[[my col]] Punct[,] Quoted[[a]]b]] Punct[,] Quoted[\"x\"\"y\"] Punct[,] "
              "Quoted[`z`] Word[from] Word[t]");
}

TEST(SqlTokenizer, numbersParametersAndOperators)
{
    EXPECT_EQ(described("12 3.5 .5 1e3 2E-2"), "Number[12] Number[3.5] Number[.5] Number[1e3] Number[2E-2]");
    EXPECT_EQ(described("a.b"), "Word[a] Punct[.] Word[b]");
    EXPECT_EQ(described("iperiod>=1 and iperiod<=12 and a<>b and c!=d or e||f"),
              "Word[iperiod] Punct[>=] Number[1] Word[and] Word[iperiod] Punct[<=] Number[12] Word[and] "
              "Word[a] Punct[<>] Word[b] Word[and] Word[c] Punct[!=] Word[d] Word[or] Word[e] Punct[||] Word[f]");
    EXPECT_EQ(described("where ccode like :KmCode and iyear=? and x::int"),
              "Word[where] Word[ccode] Word[like] Parameter[:KmCode] Word[and] Word[iyear] Punct[=] "
              "Parameter[?] Word[and] Word[x] Punct[::] Word[int]");
    EXPECT_EQ(described("count(*);"), "Word[count] Punct[(] Punct[*] Punct[)] Punct[;]");
}

TEST(SqlTokenizer, chineseTextInLiteralsAndAsWords)
{
    EXPECT_EQ(described("case when cbegind_c<>'贷' then mb end"),
              "Word[case] Word[when] Word[cbegind_c] Punct[<>] String['贷'] Word[then] Word[mb] Word[end]");
    EXPECT_EQ(described("select cId from userdef where cclass='单据头' and citem=N'自定义项3'"),
              "Word[select] Word[cId] Word[from] Word[userdef] Word[where] Word[cclass] Punct[=] String['单据头'] "
              "Word[and] Word[citem] Punct[=] National[N'自定义项3']");
    EXPECT_EQ(described("select md as 借方金额 from t"), "Word[select] Word[md] Word[as] Word[借方金额] Word[from] Word[t]");
}

TEST(SqlTokenizer, whitespaceIsKeptAsItsOwnTokens)
{
    const QList<SqlToken> tokens = tokenizeSql(QStringLiteral("SET  NOCOUNT\tOFF "));
    ASSERT_EQ(tokens.size(), 6);
    EXPECT_EQ(tokens[1].kind, Kind::Whitespace);
    EXPECT_EQ(tokens[1].text.toStdString(), "  ");
    EXPECT_EQ(tokens[3].text.toStdString(), "\t");
    EXPECT_EQ(tokens[5].kind, Kind::Whitespace);
}

} // namespace
} // namespace qxmxz
