#include "multiprogram.h"

#include "cncdirectory.h"
#include "ethernettext.h"
#include "programcalls.h"

#include <map>

namespace {

QString problemLine(const QString &line)
{
    return EthernetText::NoValidData.arg(line);
}

bool inCncRange(long number)
{
    return number >= FirstCncProgram && number <= LastCncProgram;
}

// Rewrites the calls of one line; the problems go to the check.
void rewriteCalls(QString &line, const std::map<long, long> &newNumbers, MultiProgramCheck &check)
{
    const QString original = line;
    std::vector<ProgramCall> calls = programCalls(line);
    // From the last to the first, so that a rewritten call does not move the ones before it.
    for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
        const auto renumbered = call->program ? newNumbers.find(*call->program) : newNumbers.end();
        if (renumbered == newNumbers.end()) {
            // A program outside the text, or a call nobody can follow by reading it.
            check.problems.append(problemLine(original));
            check.question = true;
            continue;
        }
        line.replace(call->start, call->length, callDigits(*call, renumbered->second));
    }
}

} // namespace

QStringList MultiProgramCheck::takenNumbers() const
{
    QStringList numbers;
    for (const RenumberedProgram &program : programs) {
        if (program.onCnc)
            numbers.append(program.newNumber);
    }
    return numbers;
}

MultiProgramCheck renumberPrograms(const QStringList &lines, const QString &destination,
                                   const std::function<bool(long)> &onCnc)
{
    MultiProgramCheck check;
    check.lines = lines;
    const long base = typedProgramNumber(destination).value_or(0);
    // Old number to new; a number the text gives twice is called as its first program.
    std::map<long, long> newNumbers;
    for (QString &line : check.lines) {
        const std::optional<ProgramHeader> header = programHeader(line);
        if (!header)
            continue;
        const long number = base + long(check.programs.size());
        const QString newNumber = programNumberText(number);
        const bool taken = onCnc(number);
        check.programs.push_back({line.left(header->digits + 1), newNumber, taken});
        check.blocking = check.blocking || taken;
        if (!inCncRange(number)) {
            check.problems.append(EthernetText::OutOfCncRange.arg(line.left(header->digits + 1), newNumber)
                                      .arg(FirstCncProgram)
                                      .arg(LastCncProgram));
            check.blocking = check.outOfRange = true;
        }
        newNumbers.emplace(header->number, number);
        line.replace(0, header->digits + 1, newNumber);
    }
    for (QString &line : check.lines)
        rewriteCalls(line, newNumbers, check);
    return check;
}
