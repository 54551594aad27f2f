#include "programtextcommands.h"

#include "archivestore.h"
#include "commandlinetext.h"
#include "programrevisions.h"
#include "programtext.h"
#include "revisedtext.h"
#include "revisiontext.h"
#include "textfile.h"

#include <QFile>
#include <QIODevice>
#include <QTextStream>

namespace {

std::optional<qint32> programNumber(const QString &word)
{
    bool ok = false;
    const qint32 value = word.trimmed().toInt(&ok);
    return ok && value > 0 ? std::optional<qint32>(value) : std::nullopt;
}

} // namespace

void packAfterChange(ArchiveStore &archive, const ProgramFolder &folder, QTextStream &err)
{
    QString error;
    if (!packPendingRevisions(archive, folder, &error))
        err << error << Qt::endl;
}

int printProgramText(ArchiveStore &archive, const ProgramFolder &folder, const QStringList &args, QIODevice &out,
                     QTextStream &err)
{
    const std::optional<qint32> number = args.size() == 1 ? programNumber(args.first()) : std::nullopt;
    if (!number) {
        err << CommandLineText::Usage;
        return 2;
    }
    if (!archive.contains(*number)) {
        err << RevisionText::NotArchived.arg(*number) << Qt::endl;
        return 1;
    }
    const QString path = folder.programTextPath(*number);
    if (!QFile::exists(path))
        return 0;
    QString error;
    const std::optional<QByteArray> text = TextFile::read(path, &error);
    if (!text) {
        err << CommandLineText::FileNotRead.arg(path, error) << Qt::endl;
        return 1;
    }
    return out.write(*text) == text->size() ? 0 : 1;
}

int storeProgramText(ArchiveStore &archive, const ProgramFolder &folder, const QStringList &args, QIODevice &in,
                     QTextStream &out, QTextStream &err)
{
    const std::optional<qint32> number = args.size() == 2 ? programNumber(args.first()) : std::nullopt;
    if (!number) {
        err << CommandLineText::Usage;
        return 2;
    }
    const QString source = args.at(1);
    QString error;
    std::optional<QByteArray> text;
    if (source == u"-") {
        text = in.readAll();
        if (const auto *file = qobject_cast<const QFileDevice *>(&in); file && file->error() != QFileDevice::NoError) {
            error = file->errorString();
            text.reset();
        }
    } else {
        text = TextFile::read(source, &error);
    }
    if (!text) {
        err << CommandLineText::FileNotRead.arg(source, error) << Qt::endl;
        return 1;
    }
    const TextChange change = replaceProgramText(archive, folder, *number, programFileBytes(*text),
                                                 RevisionOrigin::CommandLine);
    if (!change.done) {
        err << change.error << Qt::endl;
        return 1;
    }
    packAfterChange(archive, folder, err);
    out << (change.revision ? CommandLineText::TextStored.arg(*number).arg(*change.revision)
                            : CommandLineText::TextStoredUnchanged.arg(*number))
        << Qt::endl;
    return 0;
}
