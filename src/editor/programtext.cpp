#include "programtext.h"

QByteArray fixLineEnds(const QByteArray &line)
{
    QByteArray result;
    result.reserve(line.size() + 2);
    for (const char c : line) {
        if (c == '\n' && !result.endsWith('\r'))
            result.append('\r');
        result.append(c);
    }
    result.append("\r\n");
    return result;
}

QByteArray programFileBytes(const QByteArray &text)
{
    QByteArray result;
    result.reserve(text.size() + text.size() / 16 + 2);
    qsizetype lineStart = 0;
    const qsizetype size = text.size();
    while (lineStart < size) {
        qsizetype lineEnd = text.indexOf('\r', lineStart);
        if (lineEnd < 0)
            lineEnd = size;
        const QByteArrayView line(text.constData() + lineStart, lineEnd - lineStart);
        if (!line.contains('\n')) {
            result.append(line);
            result.append("\r\n");
        } else {
            result.append(fixLineEnds(line.toByteArray()));
        }
        lineStart = lineEnd + 1;
        if (lineEnd < size && lineStart < size && text.at(lineStart) == '\n')
            ++lineStart;
    }
    return result;
}

QString editorCaption(int slot, const ArchiveRecord &record)
{
    return QString::number(slot) + QStringLiteral("# :") + record.cliente + QLatin1Char(':') + record.disegno
        + QLatin1Char(':') + record.descrizione;
}
