#include "programprint.h"

#include "editortext.h"

#include <QRegularExpression>

namespace {

// The label joined to a field that has no value gives no value at all: an empty line.
QString fieldLine(const QString &label, const QString &value)
{
    return value.isNull() ? QString() : label + value;
}

bool isComment(QByteArrayView line)
{
    return line.contains('(');
}

} // namespace

QStringList programPrintLines(PrintMode mode, qint32 number, const std::optional<ArchiveRecord> &record,
                              QByteArrayView text, const QDateTime &now)
{
    QStringList lines;
    lines.append(now.toString(QStringLiteral("dd/MM/yy")) + QStringLiteral("    ")
                 + now.toString(QStringLiteral("hh:mm")));
    const qint32 progr = record ? record->progr : number;
    lines.append(EditorText::NumberLabel.toString() + QStringLiteral("%1").arg(progr, 7, 10, QLatin1Char('0')));
    ArchiveRecord fields;
    if (record) {
        fields = *record;
    } else {
        fields.cliente = fields.disegno = fields.descrizione = QStringLiteral("");
    }
    lines.append(fieldLine(EditorText::CustomerLabel, fields.cliente));
    lines.append(fieldLine(EditorText::DrawingLabel, fields.disegno));
    lines.append(fieldLine(EditorText::DescriptionLabel, fields.descrizione));
    if (!fields.memo.isEmpty()) {
        lines.append(EditorText::MemoLabel);
        lines.append(fields.memo.split(QRegularExpression(QStringLiteral("\r\n|\n|\r"))));
    }
    lines.append(QString());
    if (mode == PrintMode::Header)
        return lines;

    lines.append(EditorText::ProgramTextTitle);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        const bool lastLine = end < 0;
        if (lastLine)
            end = text.size();
        QByteArrayView line = text.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        // A last line without line end is a line like the others: in comment mode it needs its "(" too.
        if (mode == PrintMode::Complete || isComment(line))
            lines.append(QString::fromLatin1(line));
        if (lastLine)
            break;
        start = end + 1;
    }
    return lines;
}
