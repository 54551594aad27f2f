#pragma once

#include "transferlog.h"
#include "transferlogstore.h"

#include <QStringList>

#include <memory>
#include <optional>

class ArchiveStore;
class ProgramFolder;
class QTextStream;

// The transfer log of a command-line run, on the program folder's archive. An archive that cannot
// be opened is told through the notice at the first row, like any log that cannot be written, and
// the command goes on; a folder without an archive file records nothing.
class CommandTransferLog {
public:
    CommandTransferLog(const ProgramFolder &folder, TransferJournal::Notice notice);
    ~CommandTransferLog();
    TransferJournal &journal() { return m_journal; }

private:
    std::unique_ptr<ArchiveStore> m_archive;
    std::unique_ptr<TransferLog> m_log;
    TransferJournal m_journal;
};

struct LogRequest {
    TransferFilter filter;
    bool csv = false;
};
// The words after "truvnet" of a log; nullopt when they do not fit the usage.
std::optional<LogRequest> parseLogRequest(const QStringList &words);

// truvnet log: the rows asked for, newest first, tab-separated or as CSV; the exit status.
int listTransferLog(ArchiveStore &archive, const LogRequest &request, QTextStream &out, QTextStream &err);

// truvnet log: the whole command line, as main() has it; the exit status.
int transferLogCommand(int argc, char **argv);
