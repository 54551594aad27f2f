#pragma once

#include <QByteArray>

class AccessPassword;
class ArchiveStore;
class Dialogs;
class ProgramFolder;

enum class SaveOutcome {
    Saved,
    PasswordRefused,
    NotSaved, // told to the user; the text is still only in the window
};

// The access password check that opens a save; a refusal beeps.
bool mayWriteProgramText(const AccessPassword &password, Dialogs &dialogs);
// Writes a window's text into dati/P + number, atomically so that a failed save leaves the
// previous text intact, and empties the row's old in-row text; the text it replaces is kept
// as a revision first.
SaveOutcome writeProgramText(const QByteArray &text, qint32 number, ArchiveStore &archive, const ProgramFolder &folder,
                             Dialogs &dialogs);
// SaveEditorText for one window's text: the password check, then the write.
SaveOutcome saveProgramText(const QByteArray &text, qint32 number, ArchiveStore &archive,
                            const ProgramFolder &folder, const AccessPassword &password, Dialogs &dialogs);
