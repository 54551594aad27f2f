#include "machinestate.h"

#include "numerictext.h"

bool MachineRecord::isEthernet() const
{
    return settings.contains(QLatin1Char(':'));
}

QString MachineRecord::ethernetAddress() const
{
    return settings.section(QLatin1Char(':'), 0, 0);
}

int MachineRecord::ethernetPort() const
{
    const qsizetype colon = settings.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return 0;
    return int(leadingNumber(settings.mid(colon + 1)));
}

QString ShownMachineName(const QString &name)
{
    constexpr qsizetype Longest = 64;
    if (name.size() <= Longest)
        return name;
    return name.left(Longest) + QStringLiteral("...");
}

void NetworkSerialPorts::clear()
{
    netPortAddress.fill(QString());
    netPortReachable.fill(false);
    netPortTested.fill(false);
}

QString NetworkSerialPorts::notifyAddress(int comPort) const
{
    if (comPort < 0 || comPort >= Size || !netPortReachable.at(std::size_t(comPort)))
        return {};
    return netPortAddress.at(std::size_t(comPort));
}
