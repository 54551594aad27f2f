#include "cncdownload.h"

#include "cncdirectory.h"

namespace {

QString lineToSend(const QByteArray &raw)
{
    QString line = QString::fromLatin1(raw).trimmed();
    const qsizetype percent = line.indexOf(u'%');
    if (percent >= 0) {
        const qsizetype bracket = line.indexOf(u'(');
        // A "%" inside a comment keeps the line.
        if (bracket < 0 || percent <= bracket)
            line.clear();
    }
    if (line.startsWith(u':'))
        line[0] = u'O';
    return line;
}

} // namespace

QStringList linesToSend(const QByteArray &terminalText)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= terminalText.size(); ++i) {
        if (i < terminalText.size() && terminalText.at(i) != '\r' && terminalText.at(i) != '\n')
            continue;
        const QString line = lineToSend(terminalText.mid(start, i - start));
        if (!line.isEmpty())
            lines.append(line);
        start = i + 1;
    }
    return lines;
}

std::optional<QString> downloadDestination(const QString &typed, const QString &firstLine)
{
    const QString destination = typed.trimmed();
    if (destination.isEmpty()) {
        // The first line's number, from its second character on, without leading zeros.
        QString digits;
        for (QChar c : firstLine.mid(1).trimmed()) {
            if (!c.isDigit())
                break;
            digits += c;
        }
        return QStringLiteral("O") + QString::number(digits.toLongLong());
    }
    if (!typedProgramNumber(destination))
        return std::nullopt;
    return destination.startsWith(u'O') ? destination : QStringLiteral("O") + destination;
}

QByteArray downloadText(const QStringList &lines, const QString &destination)
{
    QByteArray text = "\n" + destination.toLatin1();
    if (!lines.isEmpty()) {
        const qsizetype bracket = lines.first().indexOf(u'(');
        if (bracket >= 0)
            text += lines.first().mid(bracket).toLatin1();
    }
    text += '\n';
    for (qsizetype i = 1; i < lines.size(); ++i)
        text += lines.at(i).toLatin1() + '\n';
    return text + '%';
}
