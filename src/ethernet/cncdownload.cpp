#include "cncdownload.h"

#include "busyretry.h"
#include "cncdirectory.h"
#include "cnclibrary.h"
#include "cncresults.h"
#include "ethernettext.h"
#include "numerictext.h"

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
        return QStringLiteral("O") + QString::number(leadingNumber(firstLine.mid(1)));
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

bool hasPartProgramForm(const QStringList &lines)
{
    return lines.size() >= 3 && lines.first().startsWith(u'O');
}

CncDownload downloadProgram(CncLibrary &library, unsigned short handle, const QByteArray &text, int busyLimitMs,
                            const std::function<bool(int)> &pause)
{
    CncDownload download;
    download.result = library.cnc_dwnstart3(handle, 0);
    if (download.result != EW_OK)
        return download;
    download.started = true;
    QByteArray data = text; // the library takes a writable buffer
    BusyRetry busy(busyLimitMs, pause);
    qsizetype sent = 0;
    while (sent < data.size()) {
        long length = long(data.size() - sent);
        download.result = library.cnc_download3(handle, &length, data.data() + sent);
        if (download.result == EW_OK && length <= 0)
            download.result = EW_BUFFER; // nothing taken: as a busy answer, within the same bound
        if (download.result == EW_BUFFER && busy.again())
            continue;
        if (download.result != EW_OK)
            break;
        busy.progressed();
        sent += std::min<qsizetype>(length, data.size() - sent);
    }
    if (download.result == EW_DATA) {
        ODBERR detail{};
        library.cnc_getdtailerr(handle, &detail);
        download.detail = detail.err_no;
    }
    library.cnc_dwnend3(handle);
    return download;
}

QStringList rejectionMessages(short detail)
{
    QStringList messages;
    if (detail >= 1 && detail <= qsizetype(EthernetText::RejectionDetails.size()))
        messages.append(EthernetText::RejectionDetails.at(detail - 1));
    messages.append(EthernetText::CorrectAndResend);
    return messages;
}

QStringList downloadMessages(const CncDownload &download)
{
    if (!download.started)
        return {testoerrore(download.result)};
    switch (download.result) {
    case EW_OK: return {EthernetText::ProgramSent};
    case EW_DATA: return rejectionMessages(download.detail);
    case EW_BUFFER: return {EthernetText::DownloadTimedOut.arg(BusyRetry::LimitSeconds)};
    default: return {testoerrore(download.result)};
    }
}
