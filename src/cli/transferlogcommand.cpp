#include "transferlogcommand.h"

#include "archivestore.h"
#include "archiveusers.h"
#include "commandlinetext.h"
#include "commandrun.h"
#include "programfolder.h"
#include "programrevisions.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

// Stands for a log whose archive could not be opened: every row fails with the reason.
class UnavailableLog : public TransferLog {
public:
    explicit UnavailableLog(QString reason) : m_reason(std::move(reason)) {}
    std::optional<qint64> begin(const TransferEntry &) override { return std::nullopt; }
    bool finish(const TransferEntry &) override { return false; }
    QString lastError() const override { return m_reason; }

private:
    QString m_reason;
};

constexpr qint32 LargestProgramNumber = 9999999;

std::optional<QDate> dayFrom(const QString &word)
{
    const QDate day = QDate::fromString(word, Qt::ISODate);
    return day.isValid() && word.size() == 10 ? std::optional<QDate>(day) : std::nullopt;
}

} // namespace

CommandTransferLog::CommandTransferLog(const ProgramFolder &folder, TransferJournal::Notice notice)
{
    // A folder without an archive (a line used from the command line only) has no log to keep.
    if (!folder.archiveOnServer() && !QFile::exists(folder.archivePath()))
        return;
    QString error;
    m_archive = ArchiveStore::open(folder.archiveDatabase(), &error);
    if (m_archive && TransferLogStore::createTable(*m_archive, &error))
        m_log = std::make_unique<TransferLogStore>(*m_archive);
    else
        m_log = std::make_unique<UnavailableLog>(error);
    m_journal.setLog(m_log.get());
    m_journal.setNotice(std::move(notice));
}

CommandTransferLog::~CommandTransferLog() = default;

std::optional<LogRequest> parseLogRequest(const QStringList &words)
{
    if (words.isEmpty() || words.first() != u"log")
        return std::nullopt;
    LogRequest request;
    TransferFilter &filter = request.filter;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words.at(i);
        const bool hasValue = i + 1 < words.size();
        if (word == u"--machine" && hasValue && filter.machine.isEmpty()) {
            filter.machine = words.at(++i).trimmed();
            if (filter.machine.isEmpty())
                return std::nullopt;
        } else if (word == u"--program" && hasValue && !filter.program) {
            bool ok = false;
            const int number = words.at(++i).toInt(&ok);
            if (!ok || number < 1 || number > LargestProgramNumber)
                return std::nullopt;
            filter.program = number;
        } else if (word == u"--since" && hasValue && !filter.since) {
            if (!(filter.since = dayFrom(words.at(++i))))
                return std::nullopt;
        } else if (word == u"--until" && hasValue && !filter.until) {
            if (!(filter.until = dayFrom(words.at(++i))))
                return std::nullopt;
        } else if (word == u"--failed") {
            filter.failedOnly = true;
        } else if (word == u"--csv") {
            request.csv = true;
        } else {
            return std::nullopt;
        }
    }
    return request;
}

int listTransferLog(ArchiveStore &archive, const LogRequest &request, QTextStream &out, QTextStream &err)
{
    const TransferLogStore store(archive);
    const std::vector<TransferListing> listings = store.list(request.filter);
    if (!store.lastError().isEmpty()) {
        err << store.lastError() << Qt::endl;
        return 1;
    }
    if (request.csv) {
        out << transferLogCsv(listings);
    } else {
        for (const TransferListing &listing : listings)
            out << tabSeparatedLine(transferLogFields(listing)) << '\n';
    }
    out.flush();
    return 0;
}

int transferLogCommand(int argc, char **argv)
{
    CommandApplication app(argc, argv);
    QTextStream err(stderr);
    const std::optional<LogRequest> request = parseLogRequest(app.arguments().mid(1));
    if (!request) {
        err << CommandLineText::Usage;
        return 2;
    }
    const ProgramFolder folder = ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath());
    ArchiveUsers users(folder.archivePath());
    QString error;
    if (!folder.archiveOnServer() && QFile::exists(folder.archivePath()) && !users.announce(&error)) {
        err << error << Qt::endl;
        return 1;
    }
    std::unique_ptr<ArchiveStore> archive = ArchiveStore::open(folder.archiveDatabase(), &error);
    // An archive not yet opened by this release gets its tables here.
    if (!archive || !ProgramRevisions::createTable(*archive, &error) || !TransferLogStore::createTable(*archive, &error)) {
        err << error << Qt::endl;
        return 1;
    }
    QFile standardOutput;
    if (!standardOutput.open(stdout, QIODevice::WriteOnly))
        return 1;
    // The file and the listing are UTF-8 whatever the locale.
    QTextStream out(&standardOutput);
    out.setEncoding(QStringConverter::Utf8);
    return listTransferLog(*archive, *request, out, err);
}
