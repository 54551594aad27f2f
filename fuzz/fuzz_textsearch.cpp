// The editor's word-at-a-time search against the plain one, on any text and search text.
#include "fuzzcheck.h"
#include "textsearch.h"

#include <QChar>

namespace {

bool sameAt(QByteArrayView text, qsizetype at, QByteArrayView needle, bool matchCase)
{
    for (qsizetype i = 0; i < needle.size(); ++i) {
        const char a = text[at + i];
        const char b = needle[i];
        if (matchCase ? a != b : TextSearch::upperCase(a) != TextSearch::upperCase(b))
            return false;
    }
    return true;
}

qsizetype plainForward(QByteArrayView text, QByteArrayView needle, qsizetype from, bool matchCase)
{
    for (qsizetype i = std::max<qsizetype>(from, 0); i + needle.size() <= text.size(); ++i) {
        if (sameAt(text, i, needle, matchCase))
            return i;
    }
    return -1;
}

qsizetype plainBackward(QByteArrayView text, QByteArrayView needle, qsizetype from, bool matchCase)
{
    for (qsizetype i = std::min(from, text.size() - needle.size()); i >= 0; --i) {
        if (sameAt(text, i, needle, matchCase))
            return i;
    }
    return -1;
}

bool upperCaseIsLatin1()
{
    for (int c = 0; c < 256; ++c) {
        const char16_t upper = QChar(char16_t(c)).toUpper().unicode();
        if (TextSearch::upperCase(char(c)) != char(upper < 256 ? upper : c))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool upperCaseChecked = upperCaseIsLatin1();
    FUZZ_CHECK(upperCaseChecked);

    FuzzInput input(data, size);
    const bool matchCase = input.byte() & 1;
    const qsizetype from = std::int16_t(input.twoBytes());
    std::size_t needleLength = 0;
    const char *needleData = input.take(input.byte() % 16, &needleLength);
    std::size_t textLength = 0;
    const char *textData = input.take(size, &textLength);
    const QByteArrayView needle(needleData, qsizetype(needleLength));
    const QByteArrayView text(textData, qsizetype(textLength));

    const qsizetype forward = TextSearch::findForward(text, needle, from, matchCase);
    const qsizetype backward = TextSearch::findBackward(text, needle, from, matchCase);
    if (needle.isEmpty()) {
        const qsizetype start = std::max<qsizetype>(from, 0);
        FUZZ_CHECK(forward == (start <= text.size() ? start : -1));
        FUZZ_CHECK(backward == (std::min(from, text.size()) >= 0 ? std::min(from, text.size()) : -1));
        return 0;
    }
    FUZZ_CHECK(forward == plainForward(text, needle, from, matchCase));
    FUZZ_CHECK(backward == plainBackward(text, needle, from, matchCase));
    return 0;
}
