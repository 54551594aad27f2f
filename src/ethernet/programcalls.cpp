#include "programcalls.h"

#include <cmath>

namespace {

constexpr qsizetype ProgramDigits = 4;
constexpr qsizetype MostCallDigits = 8;

struct Word {
    QChar letter;
    qsizetype start = 0;  // the value's first character
    qsizetype length = 0; // the value's characters
};

bool isValueCharacter(QChar c)
{
    return c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'#';
}

// The words of one block, from "from" to the end of the block (";" or the end of the line),
// comments left out; "end" is where the next block starts.
std::vector<Word> blockWords(const QString &line, qsizetype from, qsizetype *end)
{
    std::vector<Word> words;
    qsizetype i = from;
    while (i < line.size() && line.at(i) != u';') {
        const QChar c = line.at(i);
        if (c == u'(') {
            const qsizetype close = line.indexOf(u')', i);
            i = close < 0 ? line.size() : close + 1;
            continue;
        }
        if (!c.isLetter()) {
            ++i;
            continue;
        }
        Word word{c.toUpper(), i + 1, 0};
        qsizetype j = i + 1;
        while (j < line.size() && line.at(j) == u' ')
            ++j; // a blank may stand between address and value
        if (j < line.size() && isValueCharacter(line.at(j))) {
            word.start = j;
            while (j < line.size() && isValueCharacter(line.at(j)))
                ++j;
            word.length = j - word.start;
        }
        words.push_back(word);
        i = j;
    }
    *end = i + 1;
    return words;
}

bool isDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

// The code number of an M or G word (M98, M098 and M98.0 alike); nullopt when it is none.
std::optional<int> codeNumber(const QString &line, const Word &word)
{
    bool ok = false;
    const double value = line.mid(word.start, word.length).toDouble(&ok);
    // The codes that call programs are small whole numbers; anything else calls nothing.
    if (!ok || value < 0 || value > 999 || value != std::floor(value))
        return std::nullopt;
    return int(value);
}

// Which address holds the program number in a block: P for M98, G65 and G66, none otherwise.
bool callsProgram(const QString &line, const std::vector<Word> &words, bool *repeatInP)
{
    for (const Word &word : words) {
        const std::optional<int> code = codeNumber(line, word);
        if (!code)
            continue;
        if (word.letter == u'M' && *code == 98) {
            *repeatInP = true;
            return true;
        }
        if (word.letter == u'G' && (*code == 65 || *code == 66)) {
            *repeatInP = false;
            return true;
        }
    }
    return false;
}

ProgramCall readCall(const QString &line, const Word &p, bool repeatInP)
{
    ProgramCall call{p.start, p.length, {}, std::nullopt};
    const QStringView digits = QStringView(line).mid(p.start, p.length);
    if (!isDigits(digits) || digits.size() > MostCallDigits)
        return call;
    if (repeatInP && digits.size() > ProgramDigits) {
        call.repeat = digits.left(digits.size() - ProgramDigits).toString();
        call.program = digits.right(ProgramDigits).toLong();
    } else {
        call.program = digits.toLong();
    }
    return call;
}

} // namespace

std::optional<ProgramHeader> programHeader(const QString &line)
{
    if (!line.startsWith(u'O'))
        return std::nullopt;
    qsizetype end = 1;
    while (end < line.size() && line.at(end).isDigit())
        ++end;
    if (end == 1 || end - 1 > MostCallDigits)
        return std::nullopt;
    return ProgramHeader{line.mid(1, end - 1).toLong(), end - 1};
}

std::vector<ProgramCall> programCalls(const QString &line)
{
    std::vector<ProgramCall> calls;
    qsizetype from = 0;
    while (from < line.size()) {
        qsizetype next = 0;
        const std::vector<Word> words = blockWords(line, from, &next);
        bool repeatInP = false;
        if (callsProgram(line, words, &repeatInP)) {
            for (const Word &word : words) {
                if (word.letter == u'P') {
                    calls.push_back(readCall(line, word, repeatInP));
                    break;
                }
            }
        }
        from = next;
    }
    return calls;
}

QString callDigits(const ProgramCall &call, long program)
{
    return call.repeat + QStringLiteral("%1").arg(program, ProgramDigits, 10, QChar(u'0'));
}
