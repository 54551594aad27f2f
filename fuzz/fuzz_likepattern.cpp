// An archive search text as a user types it, turned into an SQL LIKE pattern.
#include "fuzzcheck.h"
#include "likepattern.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString pattern = likePatternFromUserText(typed);
    FUZZ_CHECK(likePrefixPatternFromUserText(typed) == pattern + u'%');

    // Read back with ESCAPE '\': every escape stands before a character LIKE would take for a
    // wildcard or an escape, no bare "_" is left, and "%" is where the user wrote "*".
    QString readBack;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'\\') {
            FUZZ_CHECK(i + 1 < pattern.size());
            const QChar escaped = pattern.at(++i);
            FUZZ_CHECK(escaped == u'%' || escaped == u'_' || escaped == u'\\');
            readBack += escaped;
        } else {
            FUZZ_CHECK(c != u'_');
            readBack += c == u'%' ? QChar(u'*') : c;
        }
    }
    FUZZ_CHECK(readBack == typed);
    return 0;
}
