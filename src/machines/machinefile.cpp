#include "machinefile.h"

#include "dialogs.h"
#include "machinetext.h"
#include "programfolder.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A random or binary file can hold thousands of bad lines; the first few tell what happened.
constexpr int ListedProblems = 10;

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString describeProblems(const QString &path, const QList<MachineFileProblem> &problems)
{
    if (problems.isEmpty())
        return {};
    QStringList lines{MachineText::FileLinesUnread.arg(QDir::toNativeSeparators(path))};
    for (qsizetype i = 0; i < problems.size() && i < ListedProblems; ++i)
        lines.append(MachineText::FileLine.arg(problems.at(i).lineNumber).arg(problems.at(i).what));
    if (problems.size() > ListedProblems)
        lines.append(MachineText::FileMoreLines.arg(problems.size() - ListedProblems));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString numericPrint(qint64 number)
{
    const QString digits = QString::number(number < 0 ? -number : number);
    return (number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QLatin1Char(' ');
}

QByteArray formatMachineFile(const MachineState &machines)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = numericPrint(machines.currentMachine) + lineEnd;
    const QList<KeptMachineLine> &kept = machines.table.keptLines;
    qsizetype next = 0;
    const auto writeKept = [&](int afterRecord) {
        for (; next < kept.size() && kept.at(next).afterRecord <= afterRecord; ++next)
            text += kept.at(next).text + lineEnd;
    };
    writeKept(0);
    for (int index = 1; index <= MachineTable::Capacity; ++index) {
        const MachineRecord &r = machines.table.at(index);
        if (!r.name.isEmpty()) {
            const QStringList fields{quoted(r.name),      QString::number(r.comPort),
                                     quoted(r.settings),  QString::number(r.handshaking),
                                     quoted(r.preamble),  quoted(r.postamble),
                                     QString::number(r.lineEnd)};
            text += fields.join(QLatin1Char(',')) + lineEnd;
        }
        writeKept(index);
    }
    return TextFile::toBytes(text);
}

MachineList LoadMachineList(MachineState &machines, const ProgramFolder &folder)
{
    MachineList list;
    MachineFileContent content;
    QString warning;
    const QString path = folder.machineFilePath();
    if (!QFileInfo::exists(path))
        warning = MachineText::FileMissing.arg(QDir::toNativeSeparators(path));
    else if (const auto bytes = TextFile::read(path, &list.error))
        content = parseMachineFile(*bytes);
    if (warning.isEmpty())
        warning = describeProblems(path, content.problems);
    if (warning != machines.reportedFileWarning) {
        machines.reportedFileWarning = warning;
        list.warning = warning;
    }

    // A reload replaces the table: records left over from an earlier, longer list or from an
    // abandoned edit must not reach the file on the next save.
    machines.table.clear();
    machines.table.keptLines = content.keptLines;
    machines.currentMachine = content.currentMachine;
    int remembered = 0;
    for (int position = 0; position < content.records.size(); ++position) {
        const int index = position + 1;
        machines.table.at(index) = content.records.at(position);
        list.entries.append({content.records.at(position).name, index});
        if (position == machines.currentMachine)
            remembered = position;
    }
    if (remembered < list.entries.size())
        list.selection = remembered;
    if (machines.currentMachine < 0 || machines.currentMachine > list.entries.size() - 1)
        machines.currentMachine = 0;
    return list;
}

bool SaveMachineFile(const MachineState &machines, const ProgramFolder &folder, QString *error)
{
    return TextFile::writeAtomically(folder.machineFilePath(), formatMachineFile(machines), error);
}

void ReportMachineList(const MachineList &list, Dialogs &dialogs)
{
    if (!list.error.isEmpty())
        dialogs.message(list.error, {}, Dialogs::Icon::Exclamation);
    if (!list.warning.isEmpty())
        dialogs.message(list.warning, {}, Dialogs::Icon::Exclamation);
}
