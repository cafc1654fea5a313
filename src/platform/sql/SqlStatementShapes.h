#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "SqlDialect.h"
#include "SqlTokenizer.h"

namespace qxmxz {

// The few statement shapes that the dialects recognise, found by walking the
// tokens of one statement. Whitespace and comments are skipped; literals,
// quoted identifiers and comments are never looked into.

QString joinTokens(const QList<SqlToken> &tokens);

// Positions of the tokens that are neither whitespace nor comments.
QList<qsizetype> significantPositions(const QList<SqlToken> &tokens);

// A bare word, compared without regard to case.
bool isWord(const SqlToken &token, QStringView word);
bool isPunctuation(const SqlToken &token, QStringView text);

// "SET NOCOUNT ON" or "SET NOCOUNT OFF", any case, an optional ";".
bool isSetNocount(const QList<SqlToken> &tokens);

// "[EXEC|EXECUTE] Name literal, literal, …" where Name is one of
// `procedureNames` (any case). The action carries the name as the list
// spells it and the literals as values: text without its quotes, integers as
// qlonglong, decimals as double, NULL as a null QVariant.
std::optional<SqlAction> procedureCall(const QList<SqlToken> &tokens, const QStringList &procedureNames);

// "CREATE [UNIQUE] INDEX [IF NOT EXISTS] <index> ON <table> …": the index
// name becomes `dialect.indexName(table, index)`. Other statements are left alone.
void renameCreatedIndex(QList<SqlToken> &tokens, const SqlDialect &dialect);

// N'm-d-yyyy', the date literal of the component's SQL (a server of the
// accounting suite reads it as a date), becomes the ISO literal
// 'yyyy-mm-dd', which SQLite compares with its date text and PostgreSQL
// converts to a date. Only a national literal of exactly that shape changes.
void isoDateLiterals(QList<SqlToken> &tokens);

} // namespace qxmxz
