#include "linetest.h"

#include "cregistry.h"
#include "lineprobes.h"
#include "machinetext.h"

#include <future>
#include <map>

namespace {

const QString NetworkSerialKey = QStringLiteral("SYSTEM\\ControlSet001\\Services\\nedrv\\Parameters");

// Runs the checks at the same time, each on its own thread (a dead address costs its whole
// time-out); the answers in the checks' order.
std::vector<bool> checkAtOnce(const std::vector<std::function<bool()>> &checks)
{
    std::vector<std::future<bool>> running;
    running.reserve(checks.size());
    for (const std::function<bool()> &check : checks)
        running.push_back(std::async(std::launch::async, check));
    std::vector<bool> answers;
    for (std::future<bool> &answer : running)
        answers.push_back(answer.get());
    return answers;
}

int firstByte(const QVariant &value)
{
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray().isEmpty() ? -1 : quint8(value.toByteArray().at(0));
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? (number & 0xff) : -1;
}

QString statusText(bool answered)
{
    return answered ? MachineText::LineAnswered : MachineText::LineSilent;
}

} // namespace

QString AddressFromNumber(qint64 number)
{
    if (number < 0)
        number += qint64(1) << 32;
    QStringList bytes;
    for (int position = 3; position >= 0; --position) {
        const qint64 share = qint64(1) << (8 * position);
        const qint64 byte = number / share;
        bytes.append(QString::number(byte));
        number -= byte * share;
    }
    return bytes.join(u'.');
}

std::vector<NetworkSerialPort> readNetworkSerialPorts(const CRegistry &registry)
{
    CRegistry key = registry;
    key.ClassKey = CRegistry::HKEY_LOCAL_MACHINE;
    key.SectionKey = NetworkSerialKey;
    std::vector<NetworkSerialPort> ports;
    for (const QString &subkey : key.EnumerateSections()) {
        const QString section = NetworkSerialKey + u'\\' + subkey;
        const int comPort =
            firstByte(key.ValueEx(CRegistry::HKEY_LOCAL_MACHINE, section, QStringLiteral("COMNO"), CRegistry::REG_BINARY, {}));
        bool ok = false;
        const qint64 address = key.ValueEx(CRegistry::HKEY_LOCAL_MACHINE, section, QStringLiteral("IPAddress"),
                                           CRegistry::REG_DWORD, {})
                                   .toLongLong(&ok);
        // An entry that cannot be read gives no port.
        if (ok && comPort >= 0 && comPort < NetworkSerialPorts::Size)
            ports.push_back({comPort, AddressFromNumber(address)});
    }
    return ports;
}

void findNetworkSerialPorts(NetworkSerialPorts &ports, const CRegistry &registry, Pinger &pinger)
{
    ports.clear();
    const std::vector<NetworkSerialPort> found = readNetworkSerialPorts(registry);
    std::vector<std::function<bool()>> pings;
    for (const NetworkSerialPort &port : found)
        pings.push_back([&pinger, address = port.address] { return pinger.ping(address); });
    const std::vector<bool> answered = checkAtOnce(pings);
    for (size_t i = 0; i < found.size(); ++i) {
        ports.netPortAddress.at(size_t(found[i].comPort)) = found[i].address;
        ports.netPortReachable.at(size_t(found[i].comPort)) = answered[i];
    }
}

LineTestReport runLineTest(MachineState &machines, const ProgramFolder &folder, const CRegistry &registry,
                           Pinger &pinger, PortProbe &probe)
{
    NetworkSerialPorts &ports = machines.netPorts;
    ports.clear();
    const std::vector<NetworkSerialPort> devices = readNetworkSerialPorts(registry);
    LineTestReport report;
    report.list = LoadMachineList(machines, folder);

    // Every check runs at once, the network devices' pings among them, so that the whole test
    // waits for one time-out at the most. A port that a network device serves answered its
    // device's ping; any other port is opened once, and is listed with the name of the last
    // machine that uses it. The Ethernet machines are checked in file order.
    std::vector<std::function<bool()>> checks;
    for (const NetworkSerialPort &device : devices) {
        ports.netPortAddress.at(size_t(device.comPort)) = device.address;
        checks.push_back([&pinger, address = device.address] { return pinger.ping(address); });
    }
    std::vector<const MachineRecord *> ethernet;
    std::map<int, QString> portNames;
    for (const MachineListEntry &entry : report.list.entries) {
        const MachineRecord &record = machines.table.at(entry.recordIndex);
        if (record.isEthernet()) {
            ethernet.push_back(&record);
            checks.push_back([&pinger, address = record.ethernetAddress()] { return pinger.ping(address); });
        } else if (record.comPort > 0 && record.comPort < NetworkSerialPorts::Size) {
            portNames[record.comPort] = record.name;
        }
    }
    std::vector<int> opened;
    for (const auto &[comPort, name] : portNames) {
        ports.netPortTested.at(size_t(comPort)) = true;
        if (ports.netPortAddress.at(size_t(comPort)).isEmpty()) {
            opened.push_back(comPort);
            checks.push_back([&probe, comPort = comPort] { return probe.canOpen(comPort); });
        }
    }
    const std::vector<bool> answers = checkAtOnce(checks);
    auto answer = answers.cbegin();

    for (const NetworkSerialPort &device : devices)
        ports.netPortReachable.at(size_t(device.comPort)) = *answer++;
    for (const MachineRecord *machine : ethernet) {
        const bool answered = *answer++;
        report.failed = report.failed || !answered;
        report.lines.append(QStringLiteral("Ether\t") + machine->ethernetAddress() + u'\t' + statusText(answered)
                            + u'\t' + machine->name);
    }
    for (const int comPort : opened)
        ports.netPortReachable.at(size_t(comPort)) = *answer++;
    report.lines.append(QString(39, u'-'));
    for (const auto &[comPort, name] : portNames) {
        const bool answered = ports.netPortReachable.at(size_t(comPort));
        report.failed = report.failed || !answered;
        QString &address = ports.netPortAddress.at(size_t(comPort));
        if (address.isEmpty())
            address = QStringLiteral("\t");
        report.lines.append(QStringLiteral("COM") + QString::number(comPort) + u'\t' + address + u'\t'
                            + statusText(answered) + u'\t' + name);
    }
    return report;
}
