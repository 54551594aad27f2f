#include "receivedfilenames.h"

#include <QStringList>

namespace ReceivedFileNames {

namespace {

constexpr qint32 LargestNumber = 9999999;
constexpr qsizetype Digits = 7;
const QByteArray Marker = QByteArrayLiteral("YYY");

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Seven digits after the three letters of the prefix, and nothing else.
std::optional<qint32> suffixNumber(const QString &fileName)
{
    if (fileName.size() != 3 + Digits)
        return std::nullopt;
    for (qsizetype i = 3; i < fileName.size(); ++i) {
        if (fileName.at(i) < u'0' || fileName.at(i) > u'9')
            return std::nullopt;
    }
    return fileName.mid(3).toInt();
}

qsizetype digitsAt(const QByteArray &text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && isDigit(text.at(end)))
        ++end;
    return end - from;
}

QString named(const char *prefix, qint32 number)
{
    return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(number, int(Digits), 10, QLatin1Char('0'));
}

} // namespace

Kind kindOf(const QString &fileName)
{
    const QString prefix = fileName.left(3).toUpper();
    if (prefix == u"OUT")
        return Kind::Out;
    if (prefix == u"NEW")
        return Kind::New;
    if (prefix == u"ERR")
        return Kind::Err;
    return Kind::None;
}

std::optional<qint32> outNumber(const QString &fileName)
{
    if (kindOf(fileName) != Kind::Out)
        return std::nullopt;
    const auto number = suffixNumber(fileName);
    if (!number || *number < 1)
        return std::nullopt;
    return number;
}

QString outName(qint32 number)
{
    return named("OUT", number);
}

QString newName(qint32 suffix)
{
    return named("NEW", suffix);
}

QString errName(qint32 suffix)
{
    return named("ERR", suffix);
}

qint32 highestSuffix(const QStringList &fileNames, Kind kind)
{
    qint32 highest = 0;
    for (const QString &name : fileNames) {
        if (kindOf(name) == kind)
            highest = std::max(highest, suffixNumber(name).value_or(0));
    }
    return highest;
}

std::optional<qint32> markedNumber(const QByteArray &text)
{
    for (qsizetype at = text.indexOf(Marker); at >= 0; at = text.indexOf(Marker, at + 1)) {
        const qsizetype start = at + Marker.size();
        const qsizetype digits = digitsAt(text, start);
        if (digits == 0)
            continue;
        // Leading zeros aside, an archive number has at most seven digits.
        qsizetype first = start;
        while (first < start + digits - 1 && text.at(first) == '0')
            ++first;
        if (start + digits - first > Digits)
            return std::nullopt;
        const qint32 number = text.mid(first, start + digits - first).toInt();
        return number >= 1 && number <= LargestNumber ? std::optional<qint32>(number) : std::nullopt;
    }
    return std::nullopt;
}

QByteArray withMarkedNumber(const QByteArray &text, qint32 number)
{
    const QByteArray digits = QByteArray::number(number);
    QByteArray result;
    result.reserve(text.size() + text.size() / 16 + 2);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != '\r' && text.at(end) != '\n')
            ++end;
        QByteArray line = text.mid(start, end - start);
        if (const qsizetype at = line.indexOf(Marker); at >= 0) {
            // Digits already after the marker are an older number: a second one after them
            // would send the program back under a number that is not its own.
            const qsizetype after = at + Marker.size();
            line.replace(after, digitsAt(line, after), digits);
        }
        result += line;
        result += "\r\n";
        // One line end: CR LF, CR or LF.
        if (end < text.size() && text.at(end) == '\r' && end + 1 < text.size() && text.at(end + 1) == '\n')
            ++end;
        start = end + 1;
    }
    return result;
}

} // namespace ReceivedFileNames
