#include "sqlitecaseless.h"

#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

#include <algorithm>

namespace {

using Byte = unsigned char;

// A byte that starts no valid UTF-8 character stands for itself, apart from every character.
char32_t strayByte(Byte lead)
{
    return 0xDC00 | lead;
}

// The next character of UTF-8 text in lower case; p moves past it.
char32_t nextFolded(const Byte *&p, const Byte *end)
{
    const Byte lead = *p++;
    if (lead < 0x80)
        return lead >= 'A' && lead <= 'Z' ? char32_t(lead + ('a' - 'A')) : char32_t(lead);
    int extra = 0;
    char32_t code = 0;
    if (lead >= 0xF5 || lead < 0xC2)
        return strayByte(lead);
    if (lead >= 0xF0) {
        extra = 3;
        code = lead & 0x07;
    } else if (lead >= 0xE0) {
        extra = 2;
        code = lead & 0x0F;
    } else {
        extra = 1;
        code = lead & 0x1F;
    }
    if (end - p < extra)
        return strayByte(lead);
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return strayByte(lead);
        code = (code << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return QChar::toLower(code);
}

int compareCaseless(void *, int lengthA, const void *textA, int lengthB, const void *textB)
{
    const Byte *a = static_cast<const Byte *>(textA);
    const Byte *b = static_cast<const Byte *>(textB);
    const Byte *endA = a + lengthA;
    const Byte *endB = b + lengthB;
    while (a < endA && b < endB) {
        // Most bytes compared are the same letter in the same case.
        if (*a == *b && *a < 0x80) {
            ++a;
            ++b;
            continue;
        }
        const char32_t x = nextFolded(a, endA);
        const char32_t y = nextFolded(b, endB);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return int(a < endA) - int(b < endB);
}

// LIKE with "%", "_" and the escape "\", letters compared in lower case. The last "%" seen is
// the only point to come back to, so a pattern costs at most its length times the text's.
bool likeMatches(const Byte *p, const Byte *patternEnd, const Byte *t, const Byte *textEnd)
{
    const Byte *retryPattern = nullptr;
    const Byte *retryText = nullptr;
    for (;;) {
        if (p < patternEnd && *p == '%') {
            while (p < patternEnd && *p == '%')
                ++p;
            if (p == patternEnd)
                return true;
            retryPattern = p;
            retryText = t;
            continue;
        }
        if (p < patternEnd && t < textEnd) {
            const Byte *nextP = p;
            const Byte *nextT = t;
            bool same = true;
            if (*nextP == '_') {
                ++nextP;
                nextFolded(nextT, textEnd);
            } else {
                if (*nextP == '\\' && nextP + 1 < patternEnd)
                    ++nextP;
                same = nextFolded(nextP, patternEnd) == nextFolded(nextT, textEnd);
            }
            if (same) {
                p = nextP;
                t = nextT;
                continue;
            }
        } else if (p == patternEnd && t == textEnd) {
            return true;
        }
        if (!retryPattern || retryText == textEnd)
            return false;
        nextFolded(retryText, textEnd);
        p = retryPattern;
        t = retryText;
    }
}

void likeFunction(sqlite3_context *context, int, sqlite3_value **values)
{
    if (sqlite3_value_type(values[0]) == SQLITE_NULL || sqlite3_value_type(values[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const Byte *pattern = sqlite3_value_text(values[0]);
    const int patternLength = sqlite3_value_bytes(values[0]);
    const Byte *text = sqlite3_value_text(values[1]);
    const int textLength = sqlite3_value_bytes(values[1]);
    if (!pattern || !text) {
        sqlite3_result_error_nomem(context);
        return;
    }
    sqlite3_result_int(context, likeMatches(pattern, pattern + patternLength, text, text + textLength));
}

} // namespace

bool SqliteCaseless::install(sqlite3 *connection, QString *error)
{
    int rc = sqlite3_create_collation_v2(connection, Collation, SQLITE_UTF8, nullptr, compareCaseless, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(connection, MatchFunction, 2,
                                        SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                        likeFunction, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK && error)
        *error = QString::fromUtf8(sqlite3_errmsg(connection));
    return rc == SQLITE_OK;
}

bool SqliteCaseless::install(const QSqlDatabase &database, QString *error)
{
    const QVariant handle = database.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        if (error)
            *error = QStringLiteral("SQLite driver without a native handle");
        return false;
    }
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData());
    if (!connection) {
        if (error)
            *error = QStringLiteral("SQLite connection not open");
        return false;
    }
    return install(connection, error);
}

QVariantList SqliteCaseless::likeValues(const QString &pattern)
{
    QString prefix;
    qsizetype i = 0;
    for (; i < pattern.size(); ++i) {
        QChar c = pattern.at(i);
        if (c == u'%' || c == u'_')
            break;
        if (c == u'\\' && i + 1 < pattern.size())
            c = pattern.at(++i);
        prefix += c;
    }
    const bool onlyAnyRunFollows = i < pattern.size()
        && std::all_of(pattern.begin() + i, pattern.end(), [](QChar c) { return c == u'%'; });
    // Every text that starts with the prefix sorts below the prefix followed by the highest
    // code point, a non-character that no text holds; with no prefix, every text sorts below
    // any blob. An empty prefix must not be a null string: Qt binds that as NULL.
    const QVariant rest = onlyAnyRunFollows ? QVariant() : QVariant(pattern);
    if (prefix.isEmpty())
        return {QStringLiteral(""), QByteArray(1, '\xff'), rest, rest};
    return {prefix, prefix + QString::fromUcs4(U"\U0010FFFF", 1), rest, rest};
}
