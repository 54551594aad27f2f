#include "diffcommand.h"

#include "archivestore.h"
#include "commandlinetext.h"
#include "programrevisions.h"
#include "revisiontext.h"
#include "textdiff.h"
#include "textfile.h"

#include <QFile>
#include <QIODevice>
#include <QTextStream>

#include <algorithm>

namespace {

struct Side {
    QByteArray text;
    QByteArray label;
};

std::optional<Side> revisionSide(const ProgramRevisions &revisions, qint32 number, int revision, QTextStream &err)
{
    const std::optional<RevisionInfo> info = revisions.info(number, revision);
    const std::optional<QByteArray> text = info ? revisions.text(number, revision) : std::nullopt;
    if (!text) {
        err << revisions.lastError() << Qt::endl;
        return std::nullopt;
    }
    const QString label = CommandLineText::DiffRevisionLabel.arg(ProgramFolder::programFileName(number))
                              .arg(revision)
                              .arg(info->time.toString(Qt::ISODate));
    return Side{*text, label.toUtf8()};
}

std::optional<Side> currentSide(const ArchiveStore &archive, const ProgramFolder &folder, qint32 number,
                                QTextStream &err)
{
    if (!archive.contains(number)) {
        err << RevisionText::NotArchived.arg(number) << Qt::endl;
        return std::nullopt;
    }
    const QString path = folder.programTextPath(number);
    QString error;
    // A program without its file has an empty text, as the editor opens it.
    std::optional<QByteArray> text = QFile::exists(path) ? TextFile::read(path, &error) : QByteArray();
    if (!text) {
        err << CommandLineText::FileNotRead.arg(path, error) << Qt::endl;
        return std::nullopt;
    }
    return Side{*text, CommandLineText::DiffCurrentLabel.arg(ProgramFolder::programFileName(number)).toUtf8()};
}

std::optional<int> positive(const QString &word)
{
    bool ok = false;
    const int value = word.trimmed().toInt(&ok);
    return ok && value > 0 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

int diffRevisions(ArchiveStore &archive, const ProgramFolder &folder, const QStringList &args, QIODevice &out,
                  QTextStream &err)
{
    std::vector<std::optional<int>> numbers;
    for (const QString &word : args)
        numbers.push_back(positive(word));
    if (numbers.empty() || numbers.size() > 3 || std::find(numbers.begin(), numbers.end(), std::nullopt) != numbers.end()) {
        err << CommandLineText::Usage;
        return 2;
    }
    const qint32 number = *numbers.front();
    const ProgramRevisions revisions(archive, folder);
    std::optional<Side> older;
    std::optional<Side> newer;
    if (numbers.size() == 1) {
        const std::vector<RevisionInfo> found = revisions.list(number);
        if (found.size() < 2) {
            err << (revisions.lastError().isEmpty() ? CommandLineText::NotTwoRevisions.arg(number)
                                                    : revisions.lastError())
                << Qt::endl;
            return 2;
        }
        older = revisionSide(revisions, number, found[1].revision, err);
        newer = older ? revisionSide(revisions, number, found[0].revision, err) : std::nullopt;
    } else {
        older = revisionSide(revisions, number, *numbers[1], err);
        if (older)
            newer = numbers.size() == 3 ? revisionSide(revisions, number, *numbers[2], err)
                                        : currentSide(archive, folder, number, err);
    }
    if (!older || !newer)
        return 2;
    const QByteArray diff = TextDiff::unified(older->text, newer->text, older->label, newer->label);
    if (out.write(diff) != diff.size())
        return 2;
    return diff.isEmpty() ? 0 : 1;
}
