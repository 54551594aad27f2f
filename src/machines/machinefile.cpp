#include "machinefile.h"

#include "numerictext.h"
#include "programfolder.h"
#include "textfile.h"

#include <QFileInfo>

#include <limits>

namespace {

constexpr int FieldCount = 7;

qint16 shortNumber(const QString &field)
{
    const qint64 value = leadingNumber(field);
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return 0;
    return qint16(value);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringList splitFields(const QString &line)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (fields.size() < FieldCount) {
        while (i < n && isBlank(line.at(i)))
            ++i;
        if (i >= n)
            break;
        qsizetype searchFrom = i;
        if (line.at(i) == u'"') {
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? n : close;
            fields.append(line.mid(i + 1, end - i - 1));
            // Whatever stands between the closing quote and the next comma is dropped.
            searchFrom = end;
        } else {
            const qsizetype comma = line.indexOf(QLatin1Char(','), i);
            QString field = line.mid(i, (comma < 0 ? n : comma) - i);
            while (!field.isEmpty() && isBlank(field.back()))
                field.chop(1);
            fields.append(field);
        }
        const qsizetype comma = line.indexOf(QLatin1Char(','), searchFrom);
        if (comma < 0)
            break;
        i = comma + 1;
    }
    return fields;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

MachineRecord parseMachineLine(const QString &line)
{
    QStringList fields = splitFields(line);
    while (fields.size() < FieldCount)
        fields.append(QString());
    MachineRecord record;
    record.name = fields.at(0);
    record.comPort = shortNumber(fields.at(1));
    record.settings = fields.at(2);
    record.handshaking = shortNumber(fields.at(3));
    record.preamble = fields.at(4);
    record.postamble = fields.at(5);
    record.lineEnd = shortNumber(fields.at(6));
    return record;
}

MachineFileContent parseMachineFile(const QByteArray &bytes)
{
    MachineFileContent content;
    const QStringList lines = splitLines(TextFile::toText(bytes));
    if (lines.isEmpty())
        return content;
    content.currentMachine = shortNumber(lines.first());
    for (qsizetype i = 1; i < lines.size() && content.records.size() < MachineTable::Capacity; ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        content.records.append(parseMachineLine(lines.at(i)));
    }
    return content;
}

QString numericPrint(qint64 number)
{
    const QString digits = QString::number(number < 0 ? -number : number);
    return (number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QLatin1Char(' ');
}

QByteArray formatMachineFile(const MachineState &machines)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = numericPrint(machines.currentMachine) + lineEnd;
    for (int index = 1; index <= MachineTable::Capacity; ++index) {
        const MachineRecord &r = machines.table.at(index);
        if (r.name.isEmpty())
            continue;
        const QStringList fields{quoted(r.name),      QString::number(r.comPort),
                                 quoted(r.settings),  QString::number(r.handshaking),
                                 quoted(r.preamble),  quoted(r.postamble),
                                 QString::number(r.lineEnd)};
        text += fields.join(QLatin1Char(',')) + lineEnd;
    }
    return TextFile::toBytes(text);
}

MachineList LoadMachineList(MachineState &machines, const ProgramFolder &folder)
{
    MachineList list;
    MachineFileContent content;
    const QString path = folder.machineFilePath();
    if (QFileInfo::exists(path)) {
        if (const auto bytes = TextFile::read(path, &list.error))
            content = parseMachineFile(*bytes);
    }

    // A reload replaces the table: records left over from an earlier, longer list or from an
    // abandoned edit must not reach the file on the next save.
    machines.table.clear();
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
