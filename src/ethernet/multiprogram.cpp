#include "multiprogram.h"

#include "numerictext.h"

namespace {

constexpr qsizetype NumberWidth = 4;

bool isNumeric(const QString &line, qsizetype start)
{
    if (start < 0 || start + NumberWidth > line.size())
        return false;
    for (qsizetype i = start; i < start + NumberWidth; ++i) {
        if (!line.at(i).isDigit())
            return false;
    }
    return true;
}

QString nuovonumero(const std::vector<RenumberedProgram> &programs, const QString &oldNumber)
{
    const QString wanted = oldNumber.trimmed();
    for (const RenumberedProgram &program : programs) {
        if (program.oldNumber.trimmed() == wanted)
            return program.newNumber;
    }
    return {};
}

// Where the called program's four digits start in "M98 P…", after the P at p: a repeat count
// may stand before them.
qsizetype calledNumberStart(const QString &line, qsizetype p)
{
    const qsizetype after = line.size() - p - 1;
    if (after >= 6) {
        if (isNumeric(line, p + 3))
            return p + 3;
        if (isNumeric(line, p + 2))
            return p + 2;
    } else if (after == 5 && isNumeric(line, p + 1)) {
        return p + 2;
    }
    return p + 1;
}

void rewriteCall(QString &line, MultiProgramCheck &check)
{
    const qsizetype m98 = line.indexOf(QStringLiteral("M98"));
    if (m98 < 0)
        return;
    qsizetype p = m98 + 3;
    if (p < line.size() && line.at(p) == u' ')
        ++p;
    if (p >= line.size() || line.at(p) != u'P')
        return; // Q and other addresses call nothing here
    const QString problem = QStringLiteral("Riga: ") + line + QStringLiteral("  Non contiene dati validi");
    if (line.size() - p - 1 < NumberWidth) {
        check.problems.append(problem);
        check.blocking = true;
        return;
    }
    const qsizetype start = calledNumberStart(line, p);
    if (!isNumeric(line, start))
        return;
    const QString called = nuovonumero(check.programs, u'O' + line.mid(start, NumberWidth));
    if (called.isEmpty()) {
        check.problems.append(problem);
        check.question = true;
        return;
    }
    line.replace(start, NumberWidth, called.right(NumberWidth));
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
                                   const std::function<bool(const QString &)> &onCnc)
{
    MultiProgramCheck check;
    check.lines = lines;
    const int base = int(leadingNumber(destination.mid(1, NumberWidth)));
    int counter = 1;
    for (const QString &line : lines) {
        if (!line.startsWith(u'O'))
            continue;
        const QString newNumber = u'O' + QStringLiteral("%1").arg(base + counter - 1, NumberWidth, 10, QChar(u'0'));
        check.programs.push_back({line.left(5), newNumber, false});
        ++counter;
    }
    for (RenumberedProgram &program : check.programs) {
        program.onCnc = onCnc(program.newNumber);
        check.blocking = check.blocking || program.onCnc;
    }
    // Every header is in the table: it was made from these same headers.
    for (QString &line : check.lines) {
        if (line.startsWith(u'O'))
            line.replace(0, 5, nuovonumero(check.programs, line.left(5)));
        if (line.contains(QStringLiteral("M98")))
            rewriteCall(line, check);
    }
    return check;
}
