#pragma once

#include "transferlog.h"

#include <QByteArray>
#include <QStringList>

#include <map>
#include <optional>

struct ReceivedProgram;
struct SendOutcome;

// The Ethernet window's operations on a CNC in the transfer log: a row begun when the library's
// job starts and completed by its result. Rows still open when the window goes, whose results
// the worker drops, are completed as interrupted.
class CncOperationLog {
public:
    using Row = int;

    void setJournal(TransferJournal *journal) { m_journal = journal; }
    void setMachine(const QString &name) { m_machine = name.trimmed(); }
    // Where the text to send came from, when known.
    void setSource(const QString &fileName, std::optional<qint32> archiveProgram);

    // text: the program as the terminal holds it, before any renumbering.
    Row beginDownload(const QByteArray &text, const QString &destination);
    Row beginUpload(long number);
    Row beginDelete(long number);
    Row beginRename(long oldNumber, long newNumber);

    void downloadEnded(Row row, const SendOutcome &outcome);
    void uploadEnded(Row row, const ReceivedProgram &received);
    // A delete's or a rename's library result.
    void callEnded(Row row, short result);
    // The window closes: every row still open is interrupted.
    void abandon();

private:
    Row begin(TransferOperation operation, std::optional<qint64> cncProgram);
    void finish(Row row, TransferResult result, const QString &message);

    TransferJournal *m_journal = nullptr;
    QString m_machine;
    QString m_sourceFile;
    std::optional<qint32> m_sourceProgram;
    std::map<Row, TransferEntry> m_open;
    std::map<Row, long> m_newNumbers;
    Row m_next = 1;
};
