#include "punchedprograms.h"

#include "transfertext.h"

#include <algorithm>

namespace PunchedPrograms {

namespace {

bool isText(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte > ' ' && byte != 0x7f && c != '%';
}

} // namespace

qsizetype end(const QByteArray &received, Scan &scan)
{
    for (; scan.scanned < received.size(); ++scan.scanned) {
        const char c = received.at(scan.scanned);
        if (c == '%' && scan.text)
            return scan.scanned + 1;
        scan.text = scan.text || isText(c);
    }
    return -1;
}

bool holdsText(const QByteArray &received)
{
    return std::any_of(received.cbegin(), received.cend(), isText);
}

QByteArray fileText(const QByteArray &received)
{
    const QByteArray filtered = FilterReceivedText(received);
    qsizetype start = 0;
    while (start < filtered.size() && static_cast<unsigned char>(filtered.at(start)) <= ' ')
        ++start;
    QByteArray text;
    text.reserve(filtered.size() - start + filtered.count('\n') + 2);
    for (qsizetype i = start; i < filtered.size(); ++i) {
        if (filtered.at(i) == '\n')
            text += '\r';
        text += filtered.at(i);
    }
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += "\r\n";
    return text;
}

} // namespace PunchedPrograms
