#include "pdftext.h"

#include <QProcess>
#include <QRegularExpression>

#include <limits>

QList<QStringList> pdfPages(const QString &pdfPath, double characterWidth)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-fixed"), QString::number(characterWidth), pdfPath, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\f'));
    // pdftotext ends the last page with a form feed too.
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    QList<QStringList> result;
    qsizetype margin = std::numeric_limits<qsizetype>::max();
    for (const QString &page : pages) {
        QStringList lines = page.split(QLatin1Char('\n'));
        for (QString &line : lines) {
            line.remove(QRegularExpression(QStringLiteral("\\s+$")));
            if (!line.isEmpty())
                margin = std::min(margin, line.indexOf(QRegularExpression(QStringLiteral("\\S"))));
        }
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        result.append(lines);
    }
    for (QStringList &lines : result) {
        for (QString &line : lines)
            line.remove(0, margin);
    }
    return result;
}
