#include "remoterequest.h"

#include "archivestore.h"
#include "cncdirectory.h"
#include "dnctext.h"
#include "punchedprograms.h"
#include "settingsstore.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace RemoteRequest {

namespace {

const QString Section = QStringLiteral("dnc");
constexpr int MostLines = 1000;
constexpr double LongestDelaySeconds = 3600;

// A key left blank is a key not set.
QString setting(const SettingsStore &store, const QString &key, const QString &fallback)
{
    const QString value = store.text(Section, key);
    return value.trimmed().isEmpty() ? fallback : value;
}

} // namespace

std::variant<Settings, QString> configured(const SettingsStore &store)
{
    Settings settings;
    const QString pattern = setting(store, QStringLiteral("request"), DefaultPattern);
    settings.pattern = QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption);
    if (!settings.pattern.isValid() || settings.pattern.captureCount() != 1)
        return DncText::BadRequestPattern.arg(pattern);
    bool ok = false;
    const QString lines = setting(store, QStringLiteral("requestLines"), QStringLiteral("5"));
    settings.lines = lines.trimmed().toInt(&ok);
    if (!ok || settings.lines < 1 || settings.lines > MostLines)
        return DncText::BadRequestSetting.arg(QStringLiteral("requestLines"), lines);
    const QString delay = setting(store, QStringLiteral("requestDelay"), QStringLiteral("3"));
    const double seconds = delay.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > LongestDelaySeconds)
        return DncText::BadRequestSetting.arg(QStringLiteral("requestDelay"), delay);
    settings.delayMilliseconds = int(std::lround(seconds * 1000));
    const QString program = setting(store, QStringLiteral("requestProgram"), QStringLiteral("O9999"));
    const std::optional<long> number = typedProgramNumber(program.trimmed());
    if (!number || *number < 1 || *number > 9999)
        return DncText::BadRequestProgram.arg(program);
    settings.requestProgram = *number;
    return settings;
}

std::optional<qint32> requestedNumber(const QByteArray &received, const Settings &settings)
{
    // Tape marks and blank lines are no lines of the program.
    QList<QByteArray> lines;
    for (const QByteArray &line : PunchedPrograms::fileText(received).split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty() && trimmed != "%")
            lines.append(trimmed);
    }
    // A long program whose comment happens to look like a request is a program to file.
    if (lines.isEmpty() || lines.size() > settings.lines)
        return std::nullopt;
    for (const QByteArray &line : lines) {
        const qsizetype open = line.indexOf('(');
        if (open < 0)
            continue;
        const qsizetype close = line.indexOf(')', open);
        const QString comment = QString::fromLatin1(close < 0 ? line.mid(open) : line.mid(open, close - open + 1));
        const QRegularExpressionMatch match = settings.pattern.match(comment);
        if (!match.hasMatch())
            return std::nullopt;
        QString number = match.captured(1).trimmed();
        if (number.startsWith(u'O', Qt::CaseInsensitive))
            number.remove(0, 1);
        bool ok = false;
        const qint32 value = number.toInt(&ok);
        return ok && value > 0 ? value : 0;
    }
    return std::nullopt;
}

std::variant<QString, QString> programToSend(const ProgramFolder &folder, qint32 number)
{
    using Result = std::variant<QString, QString>;
    if (number <= 0)
        return Result(std::in_place_index<1>, DncText::RequestNotArchived.arg(number));
    QString error;
    {
        const std::unique_ptr<ArchiveStore> archive = ArchiveStore::open(folder.archiveDatabase(), &error);
        if (!archive)
            return Result(std::in_place_index<1>, DncText::RequestArchiveFailed.arg(number).arg(error));
        const std::optional<ArchiveRecord> record = archive->seek(number);
        if (!archive->lastError().isEmpty())
            return Result(std::in_place_index<1>, DncText::RequestArchiveFailed.arg(number).arg(archive->lastError()));
        if (!record || record->disegno.isNull())
            return Result(std::in_place_index<1>, DncText::RequestNotArchived.arg(number));
    }
    const QString path = folder.programTextPath(number);
    QFile text(path);
    if (!text.open(QIODevice::ReadOnly))
        return Result(std::in_place_index<1>, DncText::RequestTextMissing.arg(number).arg(path, text.errorString()));
    if (text.size() == 0)
        return Result(std::in_place_index<1>, DncText::RequestTextEmpty.arg(number).arg(path));
    return Result(std::in_place_index<0>, path);
}

} // namespace RemoteRequest
