#pragma once

#include <QString>
#include <QVariantList>

class QSqlDatabase;
struct sqlite3;

// Text compared without regard to case on the SQLite file the way the server's lower() does it,
// for every letter and not only A to Z: character by character in lower case, then by code
// point. SQLite's own NOCASE knows only A to Z, so "àbc" would miss "ÀBC".
namespace SqliteCaseless {

// The collation, and the function caseless_like(pattern, text): a LIKE pattern escaped with "\"
// matched without regard to case.
inline constexpr char Collation[] = "CASELESS";
inline constexpr char MatchFunction[] = "caseless_like";

// Registers both on a connection; false with the reason in *error. Every connection that
// writes the archive needs them, since its indexes are kept in this collation.
bool install(sqlite3 *connection, QString *error);
bool install(const QSqlDatabase &database, QString *error);

// What the condition "column >= ? AND column < ? AND (? IS NULL OR caseless_like(?, column))",
// the comparisons in this collation, binds for a LIKE pattern: the range of texts that start
// with the pattern's fixed beginning, which an index answers, then twice the pattern itself
// when the range alone does not decide (a wildcard inside it, or none at its end), else null.
QVariantList likeValues(const QString &pattern);

} // namespace SqliteCaseless
