#include "cncupload.h"

#include "busyretry.h"
#include "cnclibrary.h"
#include "cncresults.h"
#include "ethernettext.h"

bool UploadedProgram::append(const char *block, long length)
{
    if (length <= 0)
        return false;
    m_text.append(block, qsizetype(length));
    return block[length - 1] == '%';
}

CncUpload uploadProgram(CncLibrary &library, unsigned short handle, long number, int busyLimitMs,
                        const std::function<bool(int)> &pause)
{
    library.cnc_upstart3(handle, 0, number, number);
    UploadedProgram program;
    CncUpload upload;
    BusyRetry busy(busyLimitMs, pause);
    for (;;) {
        long length = UploadedProgram::BlockSize;
        char block[UploadedProgram::BlockSize + 1] = {};
        upload.result = library.cnc_upload3(handle, &length, block);
        if (upload.result == EW_OK && length <= 0)
            upload.result = EW_BUFFER; // nothing delivered: as a busy answer, within the same bound
        if (upload.result == EW_BUFFER && busy.again())
            continue;
        if (upload.result != EW_OK)
            break;
        busy.progressed();
        if (program.append(block, length))
            break;
    }
    library.cnc_upend3(handle);
    if (upload.result == EW_OK)
        upload.text = program.text();
    return upload;
}

QString uploadFailure(short result)
{
    return result == EW_BUFFER ? EthernetText::UploadTimedOut.arg(BusyRetry::LimitSeconds) : testoerrore(result);
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
