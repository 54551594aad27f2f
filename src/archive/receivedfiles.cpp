#include "receivedfiles.h"

#include "archivestore.h"
#include "archivetext.h"
#include "dialogs.h"
#include "receivedfilenames.h"
#include "revisedtext.h"
#include "textfile.h"

#include <QDir>
#include <QFile>


using ReceivedFileNames::Kind;

ReceivedFiles::ReceivedFiles(ArchiveStore &archive, const ProgramFolder &folder, Dialogs &dialogs)
    : m_archive(archive), m_folder(folder), m_dialogs(dialogs)
{
}

QString ReceivedFiles::caption() const
{
    return ArchiveText::ReceivedFilesCaption.toString() + u' ' + QDir::toNativeSeparators(m_folder.dataDir());
}

QStringList ReceivedFiles::files() const
{
    QStringList result;
    const QStringList names = QDir(m_folder.dataDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (ReceivedFileNames::kindOf(name) != Kind::None)
            result.append(name);
    }
    return result;
}

QString ReceivedFiles::path(const QString &fileName) const
{
    return QDir(m_folder.dataDir()).filePath(fileName);
}

void ReceivedFiles::reset()
{
    m_examined.clear();
    m_canRename = false;
}

void ReceivedFiles::clicked()
{
    reset();
}

std::optional<QByteArray> ReceivedFiles::examine(const QString &fileName)
{
    if (fileName.isEmpty())
        return std::nullopt;
    reset();
    QString error;
    std::optional<QByteArray> bytes = TextFile::read(path(fileName), &error);
    if (!bytes) {
        m_dialogs.message(ArchiveText::FileNotRead.arg(fileName, error), {}, Dialogs::Icon::Exclamation);
        return std::nullopt;
    }
    m_examined = fileName;
    m_canRename = ReceivedFileNames::kindOf(fileName) != Kind::Err;
    return bytes;
}

ReceivedFiles::Renamed ReceivedFiles::rename()
{
    Renamed result;
    if (!m_canRename)
        return result;
    m_told.clear();
    // The text as it arrived, for the log; one that cannot be read is told by what follows.
    QByteArray text = TextFile::read(path(m_examined)).value_or(QByteArray());
    std::optional<qint32> program;
    if (ReceivedFileNames::kindOf(m_examined) == Kind::New) {
        result.newProgram = program = takeInNew();
        result.done = result.newProgram.has_value();
        // Kept with its new number marked in it.
        if (program)
            text = ReceivedFileNames::withMarkedNumber(text, *program);
    } else {
        program = ReceivedFileNames::outNumber(m_examined);
        result.done = replaceArchivedText();
    }
    record(TransferOperation::DncRename, program, text, result.done);
    if (result.done)
        reset();
    return result;
}

void ReceivedFiles::tell(const QString &text, Dialogs::Icon icon)
{
    m_told = text;
    m_dialogs.message(text, {}, icon);
}

void ReceivedFiles::record(TransferOperation operation, std::optional<qint32> program, const QByteArray &text,
                           bool done)
{
    if (!m_journal)
        return;
    TransferEntry entry;
    entry.operation = operation;
    entry.archiveProgram = program;
    entry.fileName = m_examined;
    entry.takeText(text);
    entry.cncProgram = cncProgramIn(text);
    m_journal->record(entry, done ? TransferResult::Succeeded : TransferResult::Failed, m_told);
}

bool ReceivedFiles::replaceArchivedText()
{
    // A name without the archive number would become a file that no program reads.
    const auto number = ReceivedFileNames::outNumber(m_examined);
    if (!number) {
        tell(ArchiveText::OutWithoutNumber.arg(m_examined), Dialogs::Icon::Exclamation);
        return false;
    }
    const QString target = ProgramFolder::programFileName(*number);
    const TextChange change = moveIntoProgramText(m_archive, m_folder, *number, path(m_examined));
    if (!change.done) {
        tell(ArchiveText::FileNotRenamed.arg(m_examined, target, change.error), Dialogs::Icon::Exclamation);
        return false;
    }
    return true;
}

std::optional<qint32> ReceivedFiles::takeInNew()
{
    QString error;
    const std::optional<QByteArray> received = TextFile::read(path(m_examined), &error);
    if (!received) {
        tell(ArchiveText::FileNotRead.arg(m_examined, error), Dialogs::Icon::Exclamation);
        return std::nullopt;
    }
    // The row holds the number from now on, so that the record begun later gets this same one;
    // chosen and taken in one step, so that another PC cannot take it in between.
    const std::optional<qint32> reserved = m_archive.reserveAutomatic();
    if (!reserved) {
        tell(m_archive.lastError(), Dialogs::Icon::Critical);
        return std::nullopt;
    }
    const qint32 number = *reserved;
    const QString target = ProgramFolder::programFileName(number);
    // A text without a row is still somebody's program: it is never written over.
    if (TextFile::writeNew(path(target), ReceivedFileNames::withMarkedNumber(*received, number), &error)
        != TextFile::NewFileResult::Written) {
        m_archive.releaseReservation(number);
        tell(ArchiveText::FileNotCopied.arg(m_examined, target, error), Dialogs::Icon::Exclamation);
        return std::nullopt;
    }
    QFile receivedFile(path(m_examined));
    if (!receivedFile.remove()) {
        // Both names as they were: the received file stays, the copy goes.
        QFile::remove(path(target));
        m_archive.releaseReservation(number);
        tell(ArchiveText::FileNotDeleted.arg(m_examined, receivedFile.errorString()), Dialogs::Icon::Exclamation);
        return std::nullopt;
    }
    return number;
}

void ReceivedFiles::remove()
{
    if (m_examined.isEmpty())
        return;
    if (m_dialogs.question(ArchiveText::DeleteFileQuestion, Dialogs::Buttons::YesNo, ArchiveText::DeleteFileTitle)
        == Dialogs::Button::No)
        return;
    m_told.clear();
    const QByteArray text = TextFile::read(path(m_examined)).value_or(QByteArray());
    QFile file(path(m_examined));
    const bool removed = file.remove();
    if (!removed)
        tell(ArchiveText::FileNotDeleted.arg(m_examined, file.errorString()), Dialogs::Icon::Exclamation);
    record(TransferOperation::DncDelete, ReceivedFileNames::outNumber(m_examined), text, removed);
    if (removed)
        reset();
}
