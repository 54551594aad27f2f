#pragma once

#include "programfolder.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <optional>
#include <variant>

class SettingsStore;

// A program that an operator punches at the machine to ask for an archived program: a short
// program whose first comment holds the request word and the program's number, such as
// "(RICHIESTA 42)", "(REQ=O42)" or "(PRG=42)".
namespace RemoteRequest {

struct Settings {
    QRegularExpression pattern; // one capture group: the number
    int lines = 5;              // a program of more lines is no request
    int delayMilliseconds = 3000; // for the operator to put the control in receive mode
    long requestProgram = 9999;   // the number of a request in an Ethernet CNC's memory
};
// From the settings keys dnc/request, dnc/requestLines, dnc/requestDelay and
// dnc/requestProgram; the reason when
// one of them cannot be used.
std::variant<Settings, QString> configured(const SettingsStore &store);
inline const QString DefaultPattern =
    QStringLiteral("^\\(\\s*(?:RICHIESTA|REQ|PRG)\\s*[=:]?\\s*O?(\\d{1,7})\\s*\\)$");

// The number asked for when the program is a request (received: as it arrived, unfiltered).
// The text captured when it is not a number is given as 0, which no program has.
std::optional<qint32> requestedNumber(const QByteArray &received, const Settings &settings);

// The archived program's text file to send, or why there is none (the first line of the ERR
// file that stands for the request).
std::variant<QString, QString> programToSend(const ProgramFolder &folder, qint32 number);

} // namespace RemoteRequest
