#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

class SettingsStore;

// The program text that the CNC's upload delivers in blocks: a leading "%", the program, and the
// closing "%" that ends it. A "%" inside a comment (from "(" to ")" or the line's end) ends
// nothing; what a block holds after the closing "%" is not part of the program.
class UploadedProgram {
public:
    static constexpr long BlockSize = 1280;

    explicit UploadedProgram(qsizetype limitBytes) : m_limit(limitBytes) {}

    enum class Step { More, Complete, TooLong };
    Step append(const char *block, long length);
    const QByteArray &text() const { return m_text; }

private:
    QByteArray m_text;
    qsizetype m_limit;
    bool m_started = false; // the leading "%" (or the text itself) has come
    bool m_inComment = false;
};

class CncLibrary;
class TransferStop;

struct UploadLimits {
    int busyMs = 0; // how long a CNC may answer "buffer empty" without delivering
    qsizetype bytes = 0; // the longest program taken
};
// The settings key cnc/maxProgramBytes, else 64 MB; the busy bound of every transfer.
UploadLimits configuredUploadLimits(const SettingsStore &settings);

// A whole upload made at once: start, blocks until the closing "%", end. A CNC that answers
// "buffer empty" is asked again after a pause, within the limits, until the stop is requested.
struct CncUpload {
    enum class Failure { None, Start, Call, Length, TooLong, Stopped };
    Failure failure = Failure::None;
    short result = 0; // the failing call's code (EW_BUFFER when the CNC stayed busy)
    long asked = 0; // after a Length failure: what was asked and what the library said it gave
    long given = 0;
    QByteArray text; // the whole program, only when nothing failed

    bool succeeded() const { return failure == Failure::None; }
};
CncUpload uploadProgram(CncLibrary &library, unsigned short handle, long number, const UploadLimits &limits,
                        const TransferStop &stop);

// Why an upload did not deliver a program.
QString uploadFailure(const CncUpload &upload, const UploadLimits &limits);

// The program's lines for the window's list: without the framing "%", without CRs, blank lines
// left out, other lines kept as they are; nullopt when the text is not framed by "%".
std::optional<QStringList> uploadedLines(const QByteArray &text);

// The lines as the terminal gets them: each followed by CR LF.
QByteArray terminalText(const QStringList &lines);
