#include "transfertext.h"

#include <cstring>

QByteArray CleanProgramText(const QByteArray &text)
{
    QByteArray cleaned;
    cleaned.reserve(text.size() + text.size() / 16);
    const char *data = text.constData();
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= size; ++i) {
        if (i < size && data[i] != '\r' && data[i] != '\n')
            continue;
        qsizetype first = start;
        qsizetype end = i;
        start = i + 1;
        if (std::memchr(data + first, '%', size_t(end - first)))
            continue;
        while (first < end && data[first] == ' ')
            ++first;
        while (end > first && data[end - 1] == ' ')
            --end;
        if (first == end)
            continue;
        cleaned.append(data + first, end - first);
        cleaned.append("\r\n", 2);
    }
    return cleaned;
}

QByteArray FilterReceivedText(const QByteArray &received)
{
    QByteArray filtered;
    filtered.reserve(received.size());
    for (const char c : received) {
        if (static_cast<unsigned char>(c) >= 32 || c == '\n')
            filtered.append(c);
    }
    return filtered;
}

QString FormatTransferCount(qint64 count, const QLocale &locale)
{
    if (count == 0)
        return {};
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(count);
}

QString NotificationAddress(const QString &notifyAddress)
{
    QString address = notifyAddress;
    address.remove(QLatin1Char('\t'));
    return address.trimmed();
}
