#include "machinefile.h"
#include "tempprogramfolder.h"
#include "textfile.h"

#include <QTest>

namespace {

const QByteArray ThreeMachines = " 1 \r\n"
                                 "\"T1\",1,\"9600,E,7,2\",1,\"12\",\"\",0\r\n"
                                 "\"FRESA 2\",3,\"19200,O,7,1\",3,\"\",\"0D0A\",2\r\n"
                                 "\"CNC ETH\",1,\"192.168.1.10:8193,\",0,\"\",\"\",0\r\n";

QByteArray machineLines(int count)
{
    QByteArray bytes = " 0 \r\n";
    for (int i = 1; i <= count; ++i)
        bytes += "\"M" + QByteArray::number(i) + "\",1,\"9600,N,8,1\",0,\"\",\"\",0\r\n";
    return bytes;
}

QStringList names(const MachineList &list)
{
    QStringList result;
    for (const MachineListEntry &entry : list.entries)
        result.append(entry.name);
    return result;
}

QList<int> recordIndexes(const MachineList &list)
{
    QList<int> result;
    for (const MachineListEntry &entry : list.entries)
        result.append(entry.recordIndex);
    return result;
}

} // namespace

class MachineFileTest : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEveryByte_data();
    void roundTripKeepsEveryByte();
    void readingRules_data();
    void readingRules();
    void currentMachineOnLoad_data();
    void currentMachineOnLoad();
    void linesBeyondTheHundredthAreIgnored();
    void saveDropsEmptyNamesAndRenumbers();
    void reloadForgetsRecordsNotInTheFile();
    void numericPrinting_data();
    void numericPrinting();
    void ethernetQueries_data();
    void ethernetQueries();
    void unwritableFolderReportsTheError();
};

void MachineFileTest::roundTripKeepsEveryByte_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("three machines") << ThreeMachines;
    QTest::newRow("only line 1") << QByteArray(" 0 \r\n");
    QTest::newRow("accented name, odd fields")
        << QByteArray(" 0 \r\n\"TORNIO \xe8 1\",16,\"38400,N,8,2\",2,\"1214\",\"1\",1\r\n"
                      "\"  spazi  \",0,\"\",0,\"\",\"\",0\r\n");
    QTest::newRow("hundred machines") << machineLines(100);
}

void MachineFileTest::roundTripKeepsEveryByte()
{
    QFETCH(QByteArray, file);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), file);
    MachineState machines;
    LoadMachineList(machines, temp.folder());
    QString error;
    QVERIFY2(SaveMachineFile(machines, temp.folder(), &error), qPrintable(error));
    QCOMPARE(*TextFile::read(temp.folder().machineFilePath()), file);
}

void MachineFileTest::readingRules_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("strings");  // Name, Settings, Preamble, Postamble
    QTest::addColumn<QList<int>>("numbers");   // ComPort, Handshaking, LineEnd

    QTest::newRow("as written") << QStringLiteral("\"T1\",1,\"9600,E,7,2\",1,\"12\",\"\",0")
                                << QStringList{"T1", "9600,E,7,2", "12", ""} << QList<int>{1, 1, 0};
    QTest::newRow("blanks before fields")
        << QStringLiteral("  \"T1\", 4 ,\t\"9600,E,7,2\",  3,  \"12\" , \"\", 2")
        << QStringList{"T1", "9600,E,7,2", "12", ""} << QList<int>{4, 3, 2};
    QTest::newRow("blanks inside quotes are kept")
        << QStringLiteral("\" A B \",1,\" 9600,N,8,1\",0,\"\",\"\",0")
        << QStringList{" A B ", " 9600,N,8,1", "", ""} << QList<int>{1, 0, 0};
    QTest::newRow("unquoted strings end at a comma")
        << QStringLiteral("T1 ,2,9600,1,12,0A,1") << QStringList{"T1", "9600", "12", "0A"} << QList<int>{2, 1, 1};
    QTest::newRow("short line has empty trailing fields")
        << QStringLiteral("\"T1\",3") << QStringList{"T1", "", "", ""} << QList<int>{3, 0, 0};
    QTest::newRow("text after a closing quote is dropped")
        << QStringLiteral("\"T1\"x,1,\"a,b\"yz,2,\"\",\"\",1")
        << QStringList{"T1", "a,b", "", ""} << QList<int>{1, 2, 1};
    QTest::newRow("unterminated quote runs to the end")
        << QStringLiteral("\"T1,1,2") << QStringList{"T1,1,2", "", "", ""} << QList<int>{0, 0, 0};
    QTest::newRow("quoted and signed integers")
        << QStringLiteral("\"T1\",\"5\",\"\",-1,\"\",\"\",+2") << QStringList{"T1", "", "", ""}
        << QList<int>{5, -1, 2};
    QTest::newRow("integer beyond 16 bits reads as 0")
        << QStringLiteral("\"T1\",70000,\"\",0,\"\",\"\",0") << QStringList{"T1", "", "", ""} << QList<int>{0, 0, 0};
}

void MachineFileTest::readingRules()
{
    QFETCH(QString, line);
    QFETCH(QStringList, strings);
    QFETCH(QList<int>, numbers);
    const MachineRecord r = parseMachineLine(line);
    QCOMPARE((QStringList{r.name, r.settings, r.preamble, r.postamble}), strings);
    QCOMPARE((QList<int>{r.comPort, r.handshaking, r.lineEnd}), numbers);
}

void MachineFileTest::currentMachineOnLoad_data()
{
    QTest::addColumn<QByteArray>("file");  // "missing" for no file
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("selection");
    QTest::addColumn<int>("currentMachine");

    const QStringList three{"T1", "FRESA 2", "CNC ETH"};
    QTest::newRow("missing file") << QByteArray("missing") << QStringList{} << -1 << 0;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << -1 << 0;
    QTest::newRow("only line 1") << QByteArray(" 3 \r\n") << QStringList{} << -1 << 0;
    QTest::newRow("within the list") << ThreeMachines << three << 1 << 1;
    QTest::newRow("last machine") << QByteArray(" 2 " + ThreeMachines.mid(3)) << three << 2 << 2;
    QTest::newRow("past the end") << QByteArray(" 5 " + ThreeMachines.mid(3)) << three << 0 << 0;
    QTest::newRow("negative") << QByteArray("-3 " + ThreeMachines.mid(3)) << three << 0 << 0;
    QTest::newRow("LF line ends, blank lines")
        << QByteArray(" 1 \n\n\"T1\",1,\"9600,E,7,2\",1,\"12\",\"\",0\n   \n\"FRESA 2\",3,\"\",0,\"\",\"\",0\n")
        << QStringList{"T1", "FRESA 2"} << 1 << 1;
    QTest::newRow("CR line ends, no final line end")
        << QByteArray(" 0 \r\"T1\",1,\"9600,E,7,2\",1,\"12\",\"\",0\r\"FRESA 2\",3,\"\",0,\"\",\"\",0")
        << QStringList{"T1", "FRESA 2"} << 0 << 0;
}

void MachineFileTest::currentMachineOnLoad()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, listed);
    QFETCH(int, selection);
    QFETCH(int, currentMachine);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    if (file != "missing")
        temp.writeFile(QStringLiteral("cncsett.dat"), file);
    MachineState machines;
    machines.currentMachine = 9;
    const MachineList list = LoadMachineList(machines, temp.folder());
    QCOMPARE(names(list), listed);
    QCOMPARE(list.selection, selection);
    QCOMPARE(machines.currentMachine, currentMachine);
    QVERIFY(list.error.isEmpty());
    QList<int> expectedIndexes;
    for (int i = 1; i <= listed.size(); ++i)
        expectedIndexes.append(i);
    QCOMPARE(recordIndexes(list), expectedIndexes);
    QCOMPARE(machines.table.at(0), MachineRecord{});
}

void MachineFileTest::linesBeyondTheHundredthAreIgnored()
{
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), machineLines(105));
    MachineState machines;
    const MachineList list = LoadMachineList(machines, temp.folder());
    QCOMPARE(list.entries.size(), 100);
    QCOMPARE(list.entries.last().name, QStringLiteral("M100"));
    QCOMPARE(machines.table.at(100).name, QStringLiteral("M100"));
    QVERIFY(SaveMachineFile(machines, temp.folder()));
    QCOMPARE(*TextFile::read(temp.folder().machineFilePath()), machineLines(100));
}

void MachineFileTest::saveDropsEmptyNamesAndRenumbers()
{
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), ThreeMachines);
    MachineState machines;
    LoadMachineList(machines, temp.folder());
    machines.table.at(2).name.clear();
    QVERIFY(SaveMachineFile(machines, temp.folder()));
    QCOMPARE(*TextFile::read(temp.folder().machineFilePath()),
             QByteArray(" 1 \r\n"
                        "\"T1\",1,\"9600,E,7,2\",1,\"12\",\"\",0\r\n"
                        "\"CNC ETH\",1,\"192.168.1.10:8193,\",0,\"\",\"\",0\r\n"));
    const MachineList list = LoadMachineList(machines, temp.folder());
    QCOMPARE(names(list), (QStringList{"T1", "CNC ETH"}));
    QCOMPARE(machines.table.at(2).settings, QStringLiteral("192.168.1.10:8193,"));
}

void MachineFileTest::reloadForgetsRecordsNotInTheFile()
{
    // A machine added and abandoned in the settings window must not come back on a later save.
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), ThreeMachines);
    MachineState machines;
    LoadMachineList(machines, temp.folder());
    machines.table.at(4) = machines.table.at(3);
    machines.table.at(4).name = QStringLiteral("ABBANDONATA");
    LoadMachineList(machines, temp.folder());
    QCOMPARE(machines.table.at(4), MachineRecord{});
    QVERIFY(SaveMachineFile(machines, temp.folder()));
    QCOMPARE(*TextFile::read(temp.folder().machineFilePath()), ThreeMachines);
}

void MachineFileTest::numericPrinting_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("printed");
    QTest::newRow("zero") << 0 << QStringLiteral(" 0 ");
    QTest::newRow("positive") << 12 << QStringLiteral(" 12 ");
    QTest::newRow("negative") << -3 << QStringLiteral("-3 ");
}

void MachineFileTest::numericPrinting()
{
    QFETCH(int, number);
    QFETCH(QString, printed);
    QCOMPARE(numericPrint(number), printed);
}

void MachineFileTest::ethernetQueries_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("ethernet");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");
    QTest::newRow("address and port") << QStringLiteral("192.168.1.10:8193,") << true
                                      << QStringLiteral("192.168.1.10") << 8193;
    QTest::newRow("no trailing comma") << QStringLiteral("10.0.0.2:8194") << true << QStringLiteral("10.0.0.2") << 8194;
    QTest::newRow("serial") << QStringLiteral("9600,N,8,1") << false << QStringLiteral("9600,N,8,1") << 0;
    QTest::newRow("empty") << QString() << false << QString() << 0;
}

void MachineFileTest::ethernetQueries()
{
    QFETCH(QString, settings);
    QFETCH(bool, ethernet);
    QFETCH(QString, address);
    QFETCH(int, port);
    MachineRecord record;
    record.settings = settings;
    QCOMPARE(record.isEthernet(), ethernet);
    if (ethernet)
        QCOMPARE(record.ethernetAddress(), address);
    QCOMPARE(record.ethernetPort(), port);
}

void MachineFileTest::unwritableFolderReportsTheError()
{
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), ThreeMachines);
    MachineState machines;
    LoadMachineList(machines, temp.folder());
    const ProgramFolder missing(temp.path(QStringLiteral("non-esiste")));
    QString error;
    QVERIFY(!SaveMachineFile(machines, missing, &error));
    QVERIFY(!error.isEmpty());

    // A machine file that cannot be read gives an empty list and the reason.
    TempProgramFolder unreadable(TempProgramFolder::Content::Empty);
    QVERIFY(QDir(unreadable.folder().root()).mkdir(QStringLiteral("cncsett.dat")));
    const MachineList list = LoadMachineList(machines, unreadable.folder());
    QVERIFY(list.entries.isEmpty());
    QVERIFY(!list.error.isEmpty());
    QCOMPARE(machines.table.at(1), MachineRecord{});
}

QTEST_GUILESS_MAIN(MachineFileTest)
#include "tst_machinefile.moc"
