#include "cncdownload.h"

#include "busyretry.h"
#include "cncdirectory.h"
#include "cnclibrary.h"
#include "cncresults.h"
#include "ethernettext.h"
#include "numerictext.h"
#include "programcalls.h"
#include "transferstop.h"

#include <iterator>

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

// The CNC's detail of a refused download; 0 when it gives none.
short detailNumber(CncLibrary &library, unsigned short handle)
{
    ODBERR detail{};
    return library.cnc_getdtailerr(handle, &detail) == EW_OK ? detail.err_no : short(0);
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
    const std::optional<long> number = typedProgramNumber(destination);
    if (!number || *number < FirstCncProgram || *number > LastCncProgram)
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

std::optional<QString> programEndInText(const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).contains(u'%'))
            return EthernetText::PercentInLine.arg(QString::number(i + 1), lines.at(i));
    }
    return std::nullopt;
}

CncDownload downloadProgram(CncLibrary &library, unsigned short handle, const QByteArray &text, int busyLimitMs,
                            const TransferStop &stop)
{
    CncDownload download;
    download.result = library.cnc_dwnstart3(handle, 0);
    if (download.result != EW_OK)
        return download;
    download.started = true;
    QByteArray data = text; // the library takes a writable buffer
    BusyRetry busy(busyLimitMs, [&stop](int milliseconds) { return stop.pause(milliseconds); });
    qsizetype sent = 0;
    while (sent < data.size()) {
        if (stop.requested()) {
            download.stopped = true;
            break;
        }
        long length = long(data.size() - sent);
        const long offered = length;
        download.result = library.cnc_download3(handle, &length, data.data() + sent);
        if (download.result == EW_OK && length > offered) {
            download.result = EW_PROTOCOL; // it cannot have taken more than it was offered
            break;
        }
        if (download.result == EW_OK && length <= 0)
            download.result = EW_BUFFER; // nothing taken: as a busy answer, within the same bound
        if (download.result == EW_BUFFER && busy.again())
            continue;
        if (download.result != EW_OK) {
            download.stopped = stop.requested();
            break;
        }
        busy.progressed();
        sent += length;
    }
    if (download.result == EW_DATA)
        download.detail = detailNumber(library, handle);
    // The CNC takes or refuses the program at its end: memory full, data it cannot store.
    const short ended = library.cnc_dwnend3(handle);
    if (download.result == EW_OK && !download.stopped && ended != EW_OK) {
        download.result = ended;
        if (ended == EW_DATA)
            download.detail = detailNumber(library, handle);
    }
    return download;
}

QStringList rejectionMessages(short detail)
{
    QStringList messages;
    if (detail >= 1 && detail <= qsizetype(std::size(EthernetText::RejectionDetails)))
        messages.append(EthernetText::RejectionDetails[detail - 1]);
    messages.append(EthernetText::CorrectAndResend);
    return messages;
}

QStringList downloadMessages(const CncDownload &download)
{
    if (download.stopped)
        return {EthernetText::DownloadStopped};
    if (!download.started)
        return {testoerrore(download.result)};
    switch (download.result) {
    case EW_OK: return {EthernetText::ProgramSent};
    case EW_DATA: return rejectionMessages(download.detail);
    case EW_BUFFER: return {EthernetText::DownloadTimedOut.arg(BusyRetry::LimitSeconds)};
    default: return {testoerrore(download.result)};
    }
}
