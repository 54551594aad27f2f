#include "machinefileparser.h"

#include "machinetext.h"
#include "textfile.h"

#include <QStringList>

#include <limits>
#include <optional>

namespace {

constexpr int FieldCount = 7;

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

bool isBlankLine(const QString &line)
{
    for (const QChar c : line) {
        if (!isBlank(c))
            return false;
    }
    return true;
}

// A 16-bit decimal number with an optional sign, blanks around it; nothing is 0.
std::optional<qint16> shortNumber(const QString &field)
{
    const QString text = field.trimmed();
    if (text.isEmpty())
        return 0;
    qsizetype i = (text.front() == u'+' || text.front() == u'-') ? 1 : 0;
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<qint16>::max() + 1)
            return std::nullopt;
    }
    if (text.front() == u'-')
        value = -value;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(value);
}

// The fields of a line, or nothing with *problem set.
std::optional<QStringList> splitFields(const QString &line, QString *problem)
{
    const qsizetype n = line.size();
    for (const QChar c : line) {
        if (c.unicode() < 0x20 && c != u'\t') {
            *problem = MachineText::LineControlCharacter.arg(c.unicode());
            return std::nullopt;
        }
    }
    QStringList fields;
    qsizetype i = 0;
    while (true) {
        while (i < n && isBlank(line.at(i)))
            ++i;
        if (i < n && line.at(i) == u'"') {
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0) {
                *problem = MachineText::LineOpenQuote;
                return std::nullopt;
            }
            fields.append(line.mid(i + 1, close - i - 1));
            i = close + 1;
            while (i < n && isBlank(line.at(i)))
                ++i;
            if (i < n && line.at(i) != u',') {
                *problem = MachineText::LineTextAfterQuote;
                return std::nullopt;
            }
        } else {
            const qsizetype comma = line.indexOf(QLatin1Char(','), i);
            const qsizetype end = comma < 0 ? n : comma;
            QString field = line.mid(i, end - i);
            // The writer would quote it and the quote inside would end the field early.
            if (field.contains(QLatin1Char('"'))) {
                *problem = MachineText::LineQuoteInField;
                return std::nullopt;
            }
            while (!field.isEmpty() && isBlank(field.back()))
                field.chop(1);
            fields.append(field);
            i = end;
        }
        if (i >= n)
            break;
        ++i;  // the comma
    }
    // A trailing comma or two are harmless; an eighth field with something in it is not.
    while (fields.size() > FieldCount && fields.back().isEmpty())
        fields.removeLast();
    if (fields.size() > FieldCount) {
        *problem = MachineText::LineTooManyFields;
        return std::nullopt;
    }
    while (fields.size() < FieldCount)
        fields.append(QString());
    return fields;
}

} // namespace

MachineRecord parseMachineLine(const QString &line, QString *problem)
{
    QString ignored;
    QString &why = problem ? *problem : ignored;
    why.clear();
    const std::optional<QStringList> fields = splitFields(line, &why);
    if (!fields)
        return {};
    const std::optional<qint16> comPort = shortNumber(fields->at(1));
    const std::optional<qint16> handshaking = shortNumber(fields->at(3));
    const std::optional<qint16> lineEnd = shortNumber(fields->at(6));
    if (fields->at(0).isEmpty())
        why = MachineText::LineNoName;
    else if (!comPort)
        why = MachineText::LineBadComPort;
    else if (!handshaking)
        why = MachineText::LineBadHandshaking;
    else if (!lineEnd)
        why = MachineText::LineBadLineEnd;
    if (!why.isEmpty())
        return {};

    MachineRecord record;
    record.name = fields->at(0);
    record.comPort = *comPort;
    record.settings = fields->at(2);
    record.handshaking = *handshaking;
    record.preamble = fields->at(4);
    record.postamble = fields->at(5);
    record.lineEnd = *lineEnd;
    return record;
}

MachineFileContent parseMachineFile(const QByteArray &bytes)
{
    MachineFileContent content;
    const QStringList lines = splitLines(TextFile::toText(bytes));
    if (lines.isEmpty())
        return content;

    const auto keep = [&content](int lineNumber, const QString &line, const QString &what) {
        content.keptLines.append({int(content.records.size()), line});
        content.problems.append({lineNumber, what});
    };

    // Without its first line the file is not a machine list (a wrong file, random bytes): no
    // line of it is taken for a machine, and every one is kept.
    if (const std::optional<qint16> current = shortNumber(lines.first())) {
        content.currentMachine = *current;
    } else {
        content.problems.append({1, MachineText::LineBadCurrentMachine});
        for (const QString &line : lines) {
            if (!isBlankLine(line))
                content.keptLines.append({0, line});
        }
        return content;
    }

    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (isBlankLine(line))
            continue;
        const int lineNumber = int(i) + 1;
        QString problem;
        const MachineRecord record = parseMachineLine(line, &problem);
        if (!problem.isEmpty())
            keep(lineNumber, line, problem);
        else if (content.records.size() >= MachineTable::Capacity)
            keep(lineNumber, line, MachineText::LineBeyondCapacity);
        else
            content.records.append(record);
    }
    return content;
}
