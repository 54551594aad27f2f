#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The lines the Ethernet window sends, from the terminal's text: a line ends at CR or LF; each is
// trimmed; a line with a "%" outside a leading comment is dropped (tape marks); a ":" program
// address becomes "O"; empty lines are left out.
QStringList linesToSend(const QByteArray &terminalText);

// The destination program as "O" and its number, from what the user typed ("123" → "O123", "O0123"
// stays), or from the first line's number when nothing was typed ("O0012 (FLANGIA)" → "O12");
// nullopt when it is not a number.
std::optional<QString> downloadDestination(const QString &typed, const QString &firstLine);

// The text handed to the library: LF, the destination with the first line's comment, LF, every
// further line followed by LF, and the closing "%".
QByteArray downloadText(const QStringList &lines, const QString &destination);

// Three lines at least, the first a program number: what the CNC can take as a part program.
bool hasPartProgramForm(const QStringList &lines);
// Why the lines cannot be sent as they are: a "%" anywhere in them (a comment included) would end
// the program on the CNC there, so the line is named; nullopt when there is none.
std::optional<QString> programEndInText(const QStringList &lines);

class CncLibrary;
class TransferStop;

struct CncDownload {
    bool started = false; // false: the start was refused with result, nothing was sent
    // EW_OK when every character was accepted and the CNC took the program at the end;
    // EW_BUFFER when the CNC stayed busy too long.
    short result = 0;
    short detail = 0; // after EW_DATA: the CNC's detail number, 0 when it gave none
    bool stopped = false; // the user stopped it
};

// A whole download made at once: start, the rest of the text offered on every call and advanced
// by what the CNC accepted, end. A CNC that answers "buffer full" is asked again after a pause,
// for busyLimitMs without progress at most, until the stop is requested.
CncDownload downloadProgram(CncLibrary &library, unsigned short handle, const QByteArray &text, int busyLimitMs,
                            const TransferStop &stop);

// What the user is told about a refused download: the detail's own text when it has one, then
// the request to correct and send again.
QStringList rejectionMessages(short detail);
// What the user is told after a download: "Programma inviato..", or why it did not go through.
QStringList downloadMessages(const CncDownload &download);
