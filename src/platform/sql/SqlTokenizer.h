#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <functional>

namespace qxmxz {

struct SqlToken {
    enum class Kind {
        Word,             // keyword or bare identifier: select, GL_accvouch, iperiod
        Number,           // 12, 3.5
        String,           // '…' with doubled quotes inside
        NationalString,   // N'…'
        QuotedIdentifier, // "…", […] or `…`
        Parameter,        // :name or ?
        Punctuation,      // ( ) , ; . = <> <= >= != || :: + - * / etc.
        Whitespace,
        Comment,          // -- … end of line, /* … */
    };
    Kind kind;
    QString text; // exactly as in the source; concatenating all tokens gives the source back
};

// Splits SQL text into tokens. Never fails: an unterminated literal or comment
// runs to the end of the text.
QList<SqlToken> tokenizeSql(const QString &sql);

// The same tokens, handed one by one to `visit` as views into `sql`, for a
// pass over a statement that builds no token list.
void scanSqlTokens(QStringView sql, const std::function<void(SqlToken::Kind, QStringView)> &visit);

} // namespace qxmxz
