#include "dncfiler.h"

#include "dnctext.h"
#include "punchedprograms.h"
#include "receivedfilenames.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr qint32 LargestSuffix = 9999999;

} // namespace

using ReceivedFileNames::Kind;

DncFiler::DncFiler(const ProgramFolder &folder, ReceivedProgramFile rescue)
    : m_dataDir(folder.dataDir()), m_rescue(std::move(rescue))
{
    // Suffixes go on from the highest waiting, so a name the user has just dealt with is not
    // given to the next program at once.
    const QStringList names = QDir(m_dataDir).entryList(QDir::Files | QDir::Hidden);
    m_nextNew = ReceivedFileNames::highestSuffix(names, Kind::New) % LargestSuffix + 1;
    m_nextErr = ReceivedFileNames::highestSuffix(names, Kind::Err) % LargestSuffix + 1;
}

qint32 DncFiler::takeSuffix(qint32 &next)
{
    const qint32 suffix = next;
    next = next % LargestSuffix + 1;
    return suffix;
}

DncFiler::Filed DncFiler::file(const QByteArray &raw, const QString &lineError)
{
    QByteArray text = PunchedPrograms::fileText(raw);
    if (!lineError.isEmpty()) {
        QByteArray report = TextFile::toBytes(lineError);
        report.replace("\r\n", "\n").replace('\n', "\r\n");
        text = report + "\r\n" + text;
        return writeNumbered(ReceivedFileNames::errName, m_nextErr, text, lineError.section(u'\n', 0, 0));
    }

    QString note;
    if (const auto number = ReceivedFileNames::markedNumber(text)) {
        Filed filed = write(ReceivedFileNames::outName(*number), text);
        if (!filed.name.isEmpty())
            return filed;
        // The earlier return of the same program is still waiting for the user.
        note = DncText::OutWaiting.arg(ReceivedFileNames::outName(*number));
    }
    return writeNumbered(ReceivedFileNames::newName, m_nextNew, text, note);
}

DncFiler::Filed DncFiler::writeNumbered(QString (*name)(qint32 suffix), qint32 &next, const QByteArray &text,
                                        const QString &note)
{
    // Every suffix is tried once at the most, from the next one on.
    for (qint32 tries = 0; tries < LargestSuffix; ++tries) {
        Filed filed = write(name(takeSuffix(next)), text);
        if (!filed.name.isEmpty()) {
            filed.note = note;
            return filed;
        }
    }
    return {};
}

bool DncFiler::taken(const QString &name) const
{
    // The received-files window reads the prefix in any case: out0000042 is OUT0000042.
    const QDir data(m_dataDir);
    for (int variant = 0; variant < 8; ++variant) {
        QString spelt = name;
        for (int i = 0; i < 3; ++i)
            spelt[i] = (variant >> i) & 1 ? spelt.at(i).toLower() : spelt.at(i).toUpper();
        if (QFileInfo::exists(data.filePath(spelt)))
            return true;
    }
    return false;
}

DncFiler::Filed DncFiler::write(const QString &name, const QByteArray &bytes)
{
    Filed filed;
    if (taken(name))
        return filed;
    const QString path = QDir(m_dataDir).filePath(name);
    QString error;
    switch (TextFile::writeNew(path, bytes, &error)) {
    case TextFile::NewFileResult::Exists:
        return filed;
    case TextFile::NewFileResult::Written:
        filed.path = path;
        break;
    case TextFile::NewFileResult::Failed: {
        const ReceivedProgramFile::Outcome outcome = m_rescue.rescue(path, bytes, error);
        filed.path = outcome.path;
        filed.messages = outcome.messages;
        break;
    }
    }
    filed.name = name;
    filed.bytes = bytes.size();
    return filed;
}
