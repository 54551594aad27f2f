// cncsett.dat as anyone may have left it: read, shown in the settings window, checked for a
// port, written back and read again.
#include "fuzzcheck.h"
#include "machinefile.h"
#include "machinesettings.h"
#include "serialmachinecheck.h"

namespace {

void loadInto(const MachineFileContent &content, MachineState &machines)
{
    machines.table.clear();
    machines.table.keptLines = content.keptLines;
    machines.currentMachine = content.currentMachine;
    for (qsizetype i = 0; i < content.records.size(); ++i)
        machines.table.at(int(i) + 1) = content.records.at(i);
}

QByteArray writtenBack(const QByteArray &bytes, MachineFileContent *content = nullptr)
{
    const MachineFileContent read = parseMachineFile(bytes);
    MachineState machines;
    loadInto(read, machines);
    if (content)
        *content = read;
    return formatMachineFile(machines);
}

QStringList problemTexts(const MachineFileContent &content)
{
    QStringList texts;
    for (const MachineFileProblem &problem : content.problems)
        texts.append(problem.what);
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    MachineFileContent first;
    const QByteArray once = writtenBack(bytes, &first);

    FUZZ_CHECK(first.records.size() <= MachineTable::Capacity);
    const bool fileRead = first.problems.isEmpty() || first.problems.first().lineNumber != 1;
    FUZZ_CHECK(fileRead ? first.problems.size() == first.keptLines.size() : first.problems.size() == 1);
    for (const MachineRecord &record : std::as_const(first.records)) {
        // Whatever was read must survive being written: the writer does not escape.
        FUZZ_CHECK(!record.name.isEmpty());
        for (const QString &text : {record.name, record.settings, record.preamble, record.postamble})
            FUZZ_CHECK(isStorableFieldText(text));
        MachineForm form;
        ShowMachineSettings(record, form);
        MachineRecord applied = record;
        ApplySettings(form, applied);
        FUZZ_CHECK(applied.name == record.name);
        const QString problem = SerialMachineProblem(record);
        const bool usable = record.comPort >= 1 && record.comPort <= 16 && record.handshaking >= 0
                            && record.handshaking <= 3 && record.lineEnd >= 0 && record.lineEnd <= 2;
        FUZZ_CHECK(problem.isEmpty() == usable);
    }

    MachineFileContent second;
    const QByteArray twice = writtenBack(once, &second);
    if (fileRead) {
        // Nothing read is lost or changed by writing it back.
        FUZZ_CHECK(second.currentMachine == first.currentMachine);
        FUZZ_CHECK(second.records == first.records);
        FUZZ_CHECK(second.keptLines == first.keptLines);
        FUZZ_CHECK(problemTexts(second) == problemTexts(first));
        FUZZ_CHECK(twice == once);
    }
    FUZZ_CHECK(writtenBack(twice) == twice);
    return 0;
}
