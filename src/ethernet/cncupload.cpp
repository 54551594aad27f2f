#include "cncupload.h"

#include "busyretry.h"
#include "cnclibrary.h"
#include "cncresults.h"
#include "ethernettext.h"
#include "settingsstore.h"
#include "transferstop.h"

namespace {

constexpr qsizetype DefaultLimitBytes = 64 * 1024 * 1024;

// What may stand before the leading "%" without being the program.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

UploadedProgram::Step UploadedProgram::append(const char *block, long length)
{
    for (long i = 0; i < length; ++i) {
        const char c = block[i];
        if (c == '%' && !m_inComment) {
            if (m_started) {
                m_text.append(block, qsizetype(i + 1));
                return m_text.size() > m_limit ? Step::TooLong : Step::Complete;
            }
        } else if (c == '(') {
            m_inComment = true;
        } else if (c == ')' || c == '\n') {
            m_inComment = false;
        }
        if (!isBlank(c))
            m_started = true;
    }
    m_text.append(block, qsizetype(length));
    return m_text.size() > m_limit ? Step::TooLong : Step::More;
}

UploadLimits configuredUploadLimits(const SettingsStore &settings)
{
    bool ok = false;
    const qlonglong bytes =
        settings.value(QStringLiteral("cnc"), QStringLiteral("maxProgramBytes")).toLongLong(&ok);
    return {BusyRetry::LimitMs, ok && bytes > 0 ? qsizetype(bytes) : DefaultLimitBytes};
}

CncUpload uploadProgram(CncLibrary &library, unsigned short handle, long number, const UploadLimits &limits,
                        const TransferStop &stop)
{
    CncUpload upload;
    upload.result = library.cnc_upstart3(handle, 0, number, number);
    if (upload.result != EW_OK) {
        upload.failure = CncUpload::Failure::Start; // nothing started: nothing to end
        return upload;
    }
    UploadedProgram program(limits.bytes);
    BusyRetry busy(limits.busyMs, [&stop](int milliseconds) { return stop.pause(milliseconds); });
    for (;;) {
        if (stop.requested()) {
            upload.failure = CncUpload::Failure::Stopped;
            break;
        }
        long length = UploadedProgram::BlockSize;
        char block[UploadedProgram::BlockSize + 1] = {};
        upload.result = library.cnc_upload3(handle, &length, block);
        if (upload.result == EW_OK && (length < 0 || length > UploadedProgram::BlockSize)) {
            // What the library says it gave cannot be in the buffer: none of it is taken.
            upload.failure = CncUpload::Failure::Length;
            upload.asked = UploadedProgram::BlockSize;
            upload.given = length;
            break;
        }
        if (upload.result == EW_OK && length == 0)
            upload.result = EW_BUFFER; // nothing delivered: as a busy answer, within the same bound
        if (upload.result == EW_BUFFER && busy.again())
            continue;
        if (upload.result != EW_OK) {
            upload.failure = stop.requested() ? CncUpload::Failure::Stopped : CncUpload::Failure::Call;
            break;
        }
        busy.progressed();
        const UploadedProgram::Step step = program.append(block, length);
        if (step == UploadedProgram::Step::Complete)
            break;
        if (step == UploadedProgram::Step::TooLong) {
            upload.failure = CncUpload::Failure::TooLong;
            break;
        }
    }
    const short ended = library.cnc_upend3(handle);
    if (upload.succeeded() && ended != EW_OK) {
        upload.failure = CncUpload::Failure::Call;
        upload.result = ended;
    }
    if (upload.succeeded())
        upload.text = program.text();
    return upload;
}

QString uploadFailure(const CncUpload &upload, const UploadLimits &limits)
{
    switch (upload.failure) {
    case CncUpload::Failure::None: return {};
    case CncUpload::Failure::Stopped: return EthernetText::UploadStopped;
    case CncUpload::Failure::Length: return EthernetText::UploadBadLength.arg(upload.given).arg(upload.asked);
    case CncUpload::Failure::TooLong: return EthernetText::UploadTooLong.arg(limits.bytes);
    case CncUpload::Failure::Start:
        // The CNC has no such program to give.
        if (upload.result == EW_DATA || upload.result == EW_NUMBER)
            return EthernetText::NotInCnc;
        return testoerrore(upload.result);
    case CncUpload::Failure::Call: break;
    }
    return upload.result == EW_BUFFER ? EthernetText::UploadTimedOut.arg(BusyRetry::LimitSeconds)
                                      : testoerrore(upload.result);
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
