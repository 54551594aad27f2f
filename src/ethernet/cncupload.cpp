#include "cncupload.h"

bool UploadedProgram::append(const char *block, long length)
{
    if (length <= 0)
        return false;
    m_text.append(block, qsizetype(length));
    return block[length - 1] == '%';
}

std::optional<QStringList> uploadedLines(const QByteArray &text)
{
    if (text.isEmpty() || !text.startsWith('%') || !text.endsWith('%'))
        return std::nullopt;
    QByteArray program = text.size() >= 2 ? text.sliced(1, text.size() - 2) : QByteArray();
    program.replace('\r', QByteArray());
    QStringList lines;
    for (const QByteArray &line : program.split('\n')) {
        if (!line.trimmed().isEmpty())
            lines.append(QString::fromLatin1(line));
    }
    return lines;
}

QByteArray terminalText(const QStringList &lines)
{
    QByteArray text;
    for (const QString &line : lines)
        text += line.toLatin1() + "\r\n";
    return text;
}
