#include "transferlog.h"

#include "transferlogtext.h"

#include <QCryptographicHash>
#include <QSysInfo>

#include <cctype>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

constexpr TransferOperation kOperations[] = {
    TransferOperation::SerialSend,     TransferOperation::SerialReceive, TransferOperation::EthernetDownload,
    TransferOperation::EthernetUpload, TransferOperation::EthernetDelete, TransferOperation::EthernetRename,
    TransferOperation::DncFiled,       TransferOperation::DncRename,      TransferOperation::DncDelete,
};
constexpr TransferResult kResults[] = {TransferResult::InProgress, TransferResult::Succeeded, TransferResult::Failed,
                                       TransferResult::Interrupted};

TransferLogText::Text operationText(TransferOperation operation)
{
    using namespace TransferLogText;
    switch (operation) {
    case TransferOperation::SerialSend: return SerialSend;
    case TransferOperation::SerialReceive: return SerialReceive;
    case TransferOperation::EthernetDownload: return EthernetDownload;
    case TransferOperation::EthernetUpload: return EthernetUpload;
    case TransferOperation::EthernetDelete: return EthernetDelete;
    case TransferOperation::EthernetRename: return EthernetRename;
    case TransferOperation::DncFiled: return DncFiled;
    case TransferOperation::DncRename: return DncRename;
    case TransferOperation::DncDelete: return DncDelete;
    }
    return SerialSend;
}

TransferLogText::Text resultText(TransferResult result)
{
    using namespace TransferLogText;
    switch (result) {
    case TransferResult::InProgress: return InProgress;
    case TransferResult::Succeeded: return Succeeded;
    case TransferResult::Failed: return Failed;
    case TransferResult::Interrupted: return Interrupted;
    }
    // Never a success for a value this release does not know.
    return Failed;
}

} // namespace

QString operationWord(TransferOperation operation)
{
    return operationText(operation).source();
}

QString operationShown(TransferOperation operation)
{
    return operationText(operation).toString();
}

std::optional<TransferOperation> operationFromWord(const QString &word)
{
    for (TransferOperation operation : kOperations) {
        if (operationText(operation).isSource(word))
            return operation;
    }
    return std::nullopt;
}

QString resultWord(TransferResult result)
{
    return resultText(result).source();
}

QString resultShown(TransferResult result)
{
    return resultText(result).toString();
}

std::optional<TransferResult> resultFromWord(const QString &word)
{
    for (TransferResult result : kResults) {
        if (resultText(result).isSource(word))
            return result;
    }
    return std::nullopt;
}

void TransferEntry::takeText(const QByteArray &text)
{
    bytes = text.size();
    sha256 = text.isEmpty() ? QByteArray() : QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex();
}

void TransferJournal::begin(TransferEntry &entry)
{
    entry.started = QDateTime::currentDateTimeUtc();
    entry.ended = {};
    entry.who = currentLoginAtHost();
    entry.result = TransferResult::InProgress;
    entry.id = 0;
    if (!m_log)
        return;
    if (const std::optional<qint64> id = m_log->begin(entry))
        entry.id = *id;
    else
        failed();
}

void TransferJournal::finish(TransferEntry &entry, TransferResult result, const QString &message)
{
    if (!entry.started.isValid())
        entry.started = QDateTime::currentDateTimeUtc();
    if (entry.who.isEmpty())
        entry.who = currentLoginAtHost();
    entry.ended = QDateTime::currentDateTimeUtc();
    entry.result = result;
    entry.message = message;
    if (m_log && !m_log->finish(entry))
        failed();
}

void TransferJournal::record(TransferEntry entry, TransferResult result, const QString &message)
{
    entry.id = 0;
    entry.started = {};
    entry.who.clear();
    finish(entry, result, message);
}

void TransferJournal::failed()
{
    if (m_told)
        return;
    m_told = true;
    if (m_notice)
        m_notice(TransferLogText::NotWritten.arg(m_log->lastError()));
}

QString currentLoginAtHost()
{
    QString login;
#ifdef Q_OS_UNIX
    if (const passwd *entry = ::getpwuid(::getuid()))
        login = QString::fromLocal8Bit(entry->pw_name);
#endif
    if (login.isEmpty())
        login = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return login + u'@' + QSysInfo::machineHostName();
}

std::optional<qint64> cncProgramIn(const QByteArray &text)
{
    // The number is at the head of the program: only its first lines are looked at.
    constexpr qsizetype Lookahead = 4096;
    qsizetype lineStart = 0;
    while (lineStart < text.size() && lineStart < Lookahead) {
        qsizetype end = text.indexOf('\n', lineStart);
        if (end < 0)
            end = text.size();
        const QByteArray line = text.mid(lineStart, end - lineStart).trimmed();
        if (line.size() > 1 && (line.front() == 'O' || line.front() == 'o' || line.front() == ':')) {
            qsizetype digits = 1;
            while (digits < line.size() && digits < 10 && std::isdigit(static_cast<unsigned char>(line.at(digits))))
                ++digits;
            if (digits > 1)
                return line.mid(1, digits - 1).toLongLong();
        }
        lineStart = end + 1;
    }
    return std::nullopt;
}
