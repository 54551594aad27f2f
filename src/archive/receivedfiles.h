#pragma once

#include "dialogs.h"
#include "programfolder.h"
#include "transferlog.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

class ArchiveStore;

// The received-files window's state and commands, without widgets: the files that machines
// sent back by DNC into dati, looked at one by one and then taken into the archive or deleted.
// Every failing file operation is told with the system's reason and leaves the files as they were.
class ReceivedFiles {
public:
    ReceivedFiles(ArchiveStore &archive, const ProgramFolder &folder, Dialogs &dialogs);

    // Where "Rinomina" and "Cancella" are recorded; none records nothing.
    void setTransferJournal(TransferJournal *journal) { m_journal = journal; }

    QString caption() const;
    // The OUT, NEW and ERR files of dati, in any letter case, sorted.
    QStringList files() const;

    // A click in the list: nothing is examined any more.
    void clicked();
    // "Esamina": the file's bytes for the view; nothing (told why) when it cannot be read.
    std::optional<QByteArray> examine(const QString &fileName);
    const QString &examined() const { return m_examined; }
    bool canRename() const { return m_canRename; }
    bool canDelete() const { return !m_examined.isEmpty(); }

    struct Renamed {
        bool done = false;
        // A NEW file taken in: the archive number its text got, whose row is reserved; the
        // record is to be begun with it.
        std::optional<qint32> newProgram;
    };
    // "Rinomina"
    Renamed rename();
    // "Cancella", after the question.
    void remove();

private:
    bool replaceArchivedText();
    std::optional<qint32> takeInNew();
    void reset();
    // Tells the user, and keeps the text as the message of the operation under way.
    void tell(const QString &text, Dialogs::Icon icon);
    void record(TransferOperation operation, std::optional<qint32> program, const QByteArray &text, bool done);
    QString path(const QString &fileName) const;

    ArchiveStore &m_archive;
    const ProgramFolder &m_folder;
    Dialogs &m_dialogs;
    QString m_examined;
    bool m_canRename = false;
    TransferJournal *m_journal = nullptr;
    QString m_told;
};
