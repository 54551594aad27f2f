#include "cncoperationlog.h"

#include "cncdirectory.h"
#include "cncresults.h"
#include "cncupload.h"
#include "ethernetreceive.h"
#include "ethernetsend.h"
#include "ethernettext.h"
#include "fwlib.h"
#include "transferlogtext.h"

void CncOperationLog::setSource(const QString &fileName, std::optional<qint32> archiveProgram)
{
    m_sourceFile = fileName;
    m_sourceProgram = archiveProgram;
}

CncOperationLog::Row CncOperationLog::begin(TransferOperation operation, std::optional<qint64> cncProgram)
{
    if (!m_journal)
        return 0;
    TransferEntry entry;
    entry.operation = operation;
    entry.machine = m_machine;
    entry.cncProgram = cncProgram;
    const Row row = m_next++;
    m_open[row] = entry;
    return row;
}

CncOperationLog::Row CncOperationLog::beginDownload(const QByteArray &text, const QString &destination)
{
    const Row row = begin(TransferOperation::EthernetDownload, typedProgramNumber(destination));
    if (const auto open = m_open.find(row); open != m_open.end()) {
        open->second.fileName = m_sourceFile;
        open->second.archiveProgram = m_sourceProgram;
        open->second.takeText(text);
        m_journal->begin(open->second);
    }
    return row;
}

CncOperationLog::Row CncOperationLog::beginUpload(long number)
{
    const Row row = begin(TransferOperation::EthernetUpload, number);
    if (const auto open = m_open.find(row); open != m_open.end())
        m_journal->begin(open->second);
    return row;
}

CncOperationLog::Row CncOperationLog::beginDelete(long number)
{
    const Row row = begin(TransferOperation::EthernetDelete, number);
    if (const auto open = m_open.find(row); open != m_open.end())
        m_journal->begin(open->second);
    return row;
}

CncOperationLog::Row CncOperationLog::beginRename(long oldNumber, long newNumber)
{
    const Row row = begin(TransferOperation::EthernetRename, oldNumber);
    if (const auto open = m_open.find(row); open != m_open.end()) {
        m_newNumbers[row] = newNumber;
        m_journal->begin(open->second);
    }
    return row;
}

void CncOperationLog::finish(Row row, TransferResult result, const QString &message)
{
    const auto open = m_open.find(row);
    if (open == m_open.end())
        return;
    TransferEntry entry = open->second;
    m_open.erase(open);
    m_newNumbers.erase(row);
    m_journal->finish(entry, result, message);
}

void CncOperationLog::downloadEnded(Row row, const SendOutcome &outcome)
{
    const TransferResult result = outcome.sent()              ? TransferResult::Succeeded
                                  : outcome.download.stopped ? TransferResult::Interrupted
                                                             : TransferResult::Failed;
    finish(row, result, outcome.messages.join(u'\n'));
}

void CncOperationLog::uploadEnded(Row row, const ReceivedProgram &received)
{
    const auto open = m_open.find(row);
    if (open == m_open.end())
        return;
    if (!received.failure.isEmpty())
        return finish(row, TransferResult::Failed, received.failure);
    open->second.takeText(terminalText(received.lines));
    finish(row, TransferResult::Succeeded, {});
}

void CncOperationLog::callEnded(Row row, short result)
{
    if (result != EW_OK)
        return finish(row, TransferResult::Failed, testoerrore(result));
    const auto renamed = m_newNumbers.find(row);
    finish(row, TransferResult::Succeeded,
           renamed == m_newNumbers.end() ? QString()
                                         : TransferLogText::RenamedTo.arg(programNumberText(renamed->second)));
}

void CncOperationLog::abandon()
{
    while (!m_open.empty()) {
        const Row row = m_open.begin()->first;
        const TransferOperation operation = m_open.begin()->second.operation;
        finish(row, TransferResult::Interrupted,
               operation == TransferOperation::EthernetDownload ? EthernetText::DownloadStopped.toString()
               : operation == TransferOperation::EthernetUpload ? EthernetText::UploadStopped.toString()
                                                                : TransferLogText::ClosedBeforeResult.toString());
    }
}
