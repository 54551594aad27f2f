#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>

// The program text that the CNC's upload delivers in blocks: it starts and ends with "%", and
// the block whose last character is "%" is the last one.
class UploadedProgram {
public:
    static constexpr long BlockSize = 1280;

    // Takes one delivered block; true when it ended the program.
    bool append(const char *block, long length);
    const QByteArray &text() const { return m_text; }

private:
    QByteArray m_text;
};

class CncLibrary;

// A whole upload made at once: start, blocks until the one ending with "%", end. A CNC that
// answers "buffer empty" is asked again after pause(), for busyLimitMs at most, or until pause()
// answers false.
struct CncUpload {
    short result = 0; // EW_OK, the failing block's code, or EW_BUFFER when the CNC stayed busy
    QByteArray text;
};
CncUpload uploadProgram(CncLibrary &library, unsigned short handle, long number, int busyLimitMs,
                        const std::function<bool(int milliseconds)> &pause);

// Why an upload that ended with result did not deliver a program.
QString uploadFailure(short result);

// The program's lines for the window's list: without the framing "%", without CRs, blank lines
// left out, other lines kept as they are; nullopt when the text is not framed by "%".
std::optional<QStringList> uploadedLines(const QByteArray &text);

// The lines as the terminal gets them: each followed by CR LF.
QByteArray terminalText(const QStringList &lines);
