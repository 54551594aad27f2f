#include "sentprograms.h"

#include "cncdirectory.h"

namespace {

// A header line split into its program number and what follows the number.
struct Header {
    std::optional<long> number;
    QString rest;
};

Header header(const QString &line)
{
    qsizetype end = 1;
    while (end < line.size() && line.at(end).isDigit())
        ++end;
    return {typedProgramNumber(line.left(end)), line.mid(end)};
}

bool sameLine(const QString &sent, const QString &read, bool isHeader)
{
    if (!isHeader)
        return sent == read;
    const Header a = header(sent);
    const Header b = header(read);
    return a.number && a.number == b.number && a.rest == b.rest;
}

} // namespace

std::vector<SentProgram> sentPrograms(const QStringList &lines, const QString &destination)
{
    std::vector<SentProgram> programs;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (i == 0) {
            // The destination replaces the first number; the comment follows it directly.
            const qsizetype bracket = line.indexOf(u'(');
            programs.push_back({typedProgramNumber(destination).value_or(0),
                                {destination + (bracket >= 0 ? line.mid(bracket) : QString())}});
        } else if (line.startsWith(u'O')) {
            programs.push_back({header(line).number.value_or(0), {line}});
        } else {
            programs.back().lines.append(line);
        }
    }
    return programs;
}

std::optional<LineDifference> firstDifference(const QStringList &sent, const QStringList &read)
{
    for (qsizetype i = 0; i < std::max(sent.size(), read.size()); ++i) {
        const QString a = sent.value(i);
        const QString b = read.value(i);
        if (i >= sent.size() || i >= read.size() || !sameLine(a, b, i == 0))
            return LineDifference{int(i + 1), a, b};
    }
    return std::nullopt;
}
