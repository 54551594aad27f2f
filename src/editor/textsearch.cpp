#include "textsearch.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace TextSearch {

namespace {

constexpr std::array<unsigned char, 256> makeUpperTable()
{
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        const bool lowerLetter = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
        table[c] = static_cast<unsigned char>(lowerLetter ? c - 0x20 : c);
    }
    return table;
}

constexpr std::array<unsigned char, 256> kUpper = makeUpperTable();

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// Non-zero when a byte of word may equal the byte repeated in pattern: never misses one, and a
// stray hit is sorted out by looking at the bytes one by one.
inline std::uint64_t mayHoldByte(std::uint64_t word, std::uint64_t pattern)
{
    const std::uint64_t x = word ^ pattern;
    return (x - kOnes) & ~x & kHighs;
}

// What the scan looks for: the needle's first character in each of its case forms.
struct Anchor {
    unsigned char first;
    unsigned char other;
    std::uint64_t firstPattern;
    std::uint64_t otherPattern;

    Anchor(unsigned char c, bool matchCase)
        : first(matchCase ? c : kUpper[c]), other(first)
    {
        if (!matchCase) {
            for (int lower = 0; lower < 256; ++lower) {
                if (lower != first && kUpper[lower] == first)
                    other = static_cast<unsigned char>(lower);
            }
        }
        firstPattern = first * kOnes;
        otherPattern = other * kOnes;
    }
    bool matches(unsigned char c) const { return c == first || c == other; }
    bool blockMayHold(const char *p) const
    {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        return (mayHoldByte(word, firstPattern) | mayHoldByte(word, otherPattern)) != 0;
    }
};

// The rest of the needle after its first character.
bool restMatches(const unsigned char *at, QByteArrayView needle, bool matchCase)
{
    const auto *n = reinterpret_cast<const unsigned char *>(needle.data());
    if (matchCase)
        return std::memcmp(at + 1, n + 1, size_t(needle.size() - 1)) == 0;
    for (qsizetype i = 1; i < needle.size(); ++i) {
        if (kUpper[at[i]] != kUpper[n[i]])
            return false;
    }
    return true;
}

} // namespace

char upperCase(char c)
{
    return static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
}

QByteArray upperCased(QByteArray bytes)
{
    for (char &c : bytes)
        c = upperCase(c);
    return bytes;
}

QString upperCased(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c.unicode() < 256)
            c = QChar(kUpper[c.unicode()]);
    }
    return result;
}

qsizetype findForward(QByteArrayView text, QByteArrayView needle, qsizetype from, bool matchCase)
{
    from = std::max<qsizetype>(from, 0);
    if (needle.isEmpty())
        return from <= text.size() ? from : -1;
    const qsizetype last = text.size() - needle.size(); // last start where the needle fits
    if (from > last)
        return -1;
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const Anchor anchor(static_cast<unsigned char>(needle.front()), matchCase);
    qsizetype i = from;
    while (i <= last) {
        if (i + 8 <= last + 1 && !anchor.blockMayHold(text.data() + i)) {
            i += 8;
            continue;
        }
        const qsizetype blockEnd = std::min(i + 8, last + 1);
        for (; i < blockEnd; ++i) {
            if (anchor.matches(p[i]) && restMatches(p + i, needle, matchCase))
                return i;
        }
    }
    return -1;
}

qsizetype findBackward(QByteArrayView text, QByteArrayView needle, qsizetype from, bool matchCase)
{
    from = std::min(from, text.size() - needle.size());
    if (from < 0)
        return -1;
    if (needle.isEmpty())
        return from;
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const Anchor anchor(static_cast<unsigned char>(needle.front()), matchCase);
    qsizetype i = from; // the next start to examine, going down
    while (i >= 0) {
        if (i >= 7 && !anchor.blockMayHold(text.data() + i - 7)) {
            i -= 8;
            continue;
        }
        const qsizetype blockStart = std::max<qsizetype>(i - 7, 0);
        for (; i >= blockStart; --i) {
            if (anchor.matches(p[i]) && restMatches(p + i, needle, matchCase))
                return i;
        }
    }
    return -1;
}

} // namespace TextSearch
