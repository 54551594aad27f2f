#pragma once

#include <QList>
#include <QString>

#include <array>

// One machine of cncsett.dat; the fields are in file order.
struct MachineRecord {
    QString name;
    qint16 comPort = 0;
    // Serial machine: "9600,E,7,2". Ethernet machine: address, colon, port and a comma.
    QString settings;
    qint16 handshaking = 0;
    // Pairs of hexadecimal digits, e.g. "12" for the character with code 18.
    QString preamble;
    QString postamble;
    qint16 lineEnd = 0;

    bool operator==(const MachineRecord &) const = default;

    // The one test used everywhere: a colon in the settings makes an Ethernet machine.
    bool isEthernet() const;
    // The text before the first colon.
    QString ethernetAddress() const;
    // The number after the first colon; the trailing comma ends it. 0 when there is none.
    int ethernetPort() const;
};

// A line of cncsett.dat that could not be read as a machine. It goes back into the file as it
// stood, after the record that preceded it (0: before the first machine).
struct KeptMachineLine {
    int afterRecord = 0;
    QString text;

    bool operator==(const KeptMachineLine &) const = default;
};

// MachineTable: records 1..100 hold the machines in file order; record 0 stays empty.
class MachineTable {
public:
    static constexpr int Capacity = 100;

    MachineRecord &at(int index) { return m_records.at(std::size_t(index)); }
    const MachineRecord &at(int index) const { return m_records.at(std::size_t(index)); }
    void clear()
    {
        m_records.fill(MachineRecord{});
        keptLines.clear();
    }

    // In file order.
    QList<KeptMachineLine> keptLines;

private:
    std::array<MachineRecord, Capacity + 1> m_records;
};

// A name as machine lists show it: a name beyond any real machine's is cut, so that a broken
// file cannot stall a window.
QString ShownMachineName(const QString &name);

// COM ports 0..100 that a network device provides, as the line test found them.
struct NetworkSerialPorts {
    static constexpr int Size = 101;

    std::array<QString, Size> netPortAddress;
    std::array<bool, Size> netPortReachable{};
    std::array<bool, Size> netPortTested{};

    void clear();
    // The address to notify after a send on this port: NetPortAddress when the port is
    // reachable, empty otherwise (also for numbers outside the table).
    QString notifyAddress(int comPort) const;
};

// Run-wide machine state, owned by the session and handed to the windows.
struct MachineState {
    MachineTable table;
    // CurrentMachine: zero-based position of the chosen machine; its record is one further.
    qint16 currentMachine = 0;
    NetworkSerialPorts netPorts;
    // What the last reading of cncsett.dat had to say (a missing file, unreadable lines), so
    // that each window opening does not say it again.
    QString reportedFileWarning;

    MachineRecord &currentRecord() { return table.at(currentMachine + 1); }
    const MachineRecord &currentRecord() const { return table.at(currentMachine + 1); }
};
