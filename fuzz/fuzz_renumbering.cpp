// A text of programs renumbered for the CNC: the calls of the text follow their programs, and
// nothing else changes.
#include "fuzzcheck.h"
#include "multiprogram.h"
#include "programcalls.h"

#include <map>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const long destination = 1 + input.twoBytes() % 9999;
    std::size_t length = 0;
    const char *rest = input.take(size, &length);
    const QStringList lines = QString::fromLatin1(rest, qsizetype(length)).split(u'\n');

    const MultiProgramCheck check =
        renumberPrograms(lines, QStringLiteral("O%1").arg(destination), [](long number) { return number % 7 == 0; });
    FUZZ_CHECK(check.lines.size() == lines.size());

    // Old number to new, as the first header of that number gets it.
    std::map<long, long> renumbered;
    long next = destination;
    for (const QString &line : lines) {
        if (const std::optional<ProgramHeader> header = programHeader(line))
            renumbered.emplace(header->number, next++);
    }
    FUZZ_CHECK(check.programs.size() == size_t(next - destination));

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &before = lines.at(i);
        const QString &after = check.lines.at(i);
        const std::optional<ProgramHeader> header = programHeader(before);
        const std::vector<ProgramCall> callsBefore = programCalls(before);
        const std::vector<ProgramCall> callsAfter = programCalls(after);
        if (header) {
            const std::optional<ProgramHeader> rewritten = programHeader(after);
            FUZZ_CHECK(rewritten.has_value());
            // The rest of the line stays, but for a call it may hold.
            if (callsBefore.empty())
                FUZZ_CHECK(after.mid(rewritten->digits + 1) == before.mid(header->digits + 1));
        }
        FUZZ_CHECK(callsBefore.size() == callsAfter.size());
        if (!header && callsBefore.empty())
            FUZZ_CHECK(after == before);
        for (size_t k = 0; k < callsBefore.size(); ++k) {
            const ProgramCall &was = callsBefore.at(k);
            const ProgramCall &is = callsAfter.at(k);
            const auto target = was.program ? renumbered.find(*was.program) : renumbered.end();
            if (target == renumbered.end()) {
                // Not a program of the text: the call stays as written, and the user is asked.
                FUZZ_CHECK(is.program == was.program && check.question);
                continue;
            }
            // A call never keeps naming the old number of a renumbered program; a number the CNC
            // cannot hold cannot be written in a call, and such a text is never sent.
            if (target->second <= LastCncProgram)
                FUZZ_CHECK(is.program == target->second && is.repeat == was.repeat);
            else
                FUZZ_CHECK(check.outOfRange);
        }
    }
    if (next - 1 > LastCncProgram)
        FUZZ_CHECK(check.outOfRange && check.blocking);
    return 0;
}
