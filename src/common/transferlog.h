#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

enum class TransferOperation {
    SerialSend,
    SerialReceive,
    EthernetDownload,
    EthernetUpload,
    EthernetDelete,
    EthernetRename,
    DncFiled,
    DncRename,
    DncDelete,
};
enum class TransferResult { InProgress, Succeeded, Failed, Interrupted };

// The words stored, in every language the same; an unknown word reads as nullopt.
QString operationWord(TransferOperation operation);
std::optional<TransferOperation> operationFromWord(const QString &word);
QString resultWord(TransferResult result);
std::optional<TransferResult> resultFromWord(const QString &word);
// The words as a window shows them, in the interface's language.
QString operationShown(TransferOperation operation);
QString resultShown(TransferResult result);

// One operation that moved or removed a program: one row of the transfer log.
struct TransferEntry {
    qint64 id = 0;       // given by the log when the row is begun; 0 before
    QDateTime started;   // UTC
    QDateTime ended;     // UTC; invalid while in progress
    QString who;         // login@host
    QString machine;
    TransferOperation operation = TransferOperation::SerialSend;
    std::optional<qint32> archiveProgram;
    QString fileName;
    std::optional<qint64> cncProgram;
    // What went over the line or arrived; the digest is of the program text as TRUV holds it
    // (sent from, or kept), so that it can be matched with the archive's texts.
    qint64 bytes = 0;
    QByteArray sha256; // hex; empty when there was no text
    TransferResult result = TransferResult::InProgress;
    QString message;

    // Sets bytes and sha256 from the text.
    void takeText(const QByteArray &text);
};

// Where transfers are recorded.
class TransferLog {
public:
    virtual ~TransferLog() = default;
    // Writes the row of an operation that starts; its id, or nullopt with lastError().
    virtual std::optional<qint64> begin(const TransferEntry &entry) = 0;
    // Completes the row of entry.id, or writes the whole row when it has none.
    virtual bool finish(const TransferEntry &entry) = 0;
    virtual QString lastError() const = 0;
};

// What the transfer code calls at the start and end of an operation. A log that cannot be written
// never stops a transfer: the first failure is told through the notice, once, and the transfer
// goes on. Without a log it records nothing.
class TransferJournal {
public:
    using Notice = std::function<void(const QString &text)>;

    TransferJournal() = default;
    TransferJournal(TransferLog *log, Notice notice) : m_log(log), m_notice(std::move(notice)) {}
    void setLog(TransferLog *log) { m_log = log; }
    void setNotice(Notice notice) { m_notice = std::move(notice); }
    bool isRecording() const { return m_log != nullptr; }

    // Stamps the start, the user and "in corso", and writes the row.
    void begin(TransferEntry &entry);
    // Stamps the end with result and message, and completes the row.
    void finish(TransferEntry &entry, TransferResult result, const QString &message);
    // An operation that is over as soon as it starts: one row, begun and completed.
    void record(TransferEntry entry, TransferResult result, const QString &message);

private:
    void failed();

    TransferLog *m_log = nullptr;
    Notice m_notice;
    bool m_told = false;
};

// The system login and the host name of this process: "login@host".
QString currentLoginAtHost();

// The number of the program a CNC text carries: the first line that starts with "O" or ":" and
// digits; nullopt when there is none.
std::optional<qint64> cncProgramIn(const QByteArray &text);
