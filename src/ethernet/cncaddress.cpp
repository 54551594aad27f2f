#include "cncaddress.h"

#include "ethernettext.h"

std::optional<CncAddress> parseCncAddress(const QString &settings, QString *error)
{
    const qsizetype colon = settings.indexOf(u':');
    if (colon < 0) {
        *error = EthernetText::InvalidAddress;
        return std::nullopt;
    }
    // The port is the number at the start of the text after the colon; the field ends with a comma.
    const QString rest = settings.mid(colon + 1).trimmed();
    qsizetype digits = 0;
    while (digits < rest.size() && rest.at(digits).isDigit() && rest.at(digits).unicode() < 128)
        ++digits;
    bool ok = false;
    const uint port = rest.left(digits).toUInt(&ok);
    if (!ok || port == 0 || port > 65535) {
        *error = EthernetText::InvalidPort.arg(settings.mid(colon + 1));
        return std::nullopt;
    }
    return CncAddress{settings.left(colon).trimmed(), static_cast<unsigned short>(port)};
}
