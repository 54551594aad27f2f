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
    void brokenLinesAreRefused_data();
    void brokenLinesAreRefused();
    void brokenLinesAreReported_data();
    void brokenLinesAreReported();
    void reportIsGivenOncePerRun();
    void currentMachineOnLoad_data();
    void currentMachineOnLoad();
    void saveDropsEmptyNamesAndRenumbers();
    void brokenLinesStayBetweenTheirMachines();
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
    QTest::addColumn<QByteArray>("added");  // before the file when written back
    QTest::newRow("three machines") << ThreeMachines << QByteArray();
    QTest::newRow("only line 1") << QByteArray(" 0 \r\n") << QByteArray();
    QTest::newRow("accented name, odd fields")
        << QByteArray(" 0 \r\n\"TORNIO \xe8 1\",16,\"38400,N,8,2\",2,\"1214\",\"1\",1\r\n"
                      "\"  spazi  \",0,\"\",0,\"\",\"\",0\r\n")
        << QByteArray();
    QTest::newRow("hundred machines") << machineLines(100) << QByteArray();
    QTest::newRow("lines beyond the hundredth machine") << machineLines(103) << QByteArray();
    QTest::newRow("broken lines stay where they stood")
        << QByteArray(" 0 \r\n\"T1,1,\"9600,N,8,1\",0,\"\",\"\",0\r\n"
                      "\"T2\",1,\"9600,N,8,1\",0,\"\",\"\",0\r\n"
                      "\"T")
               + QByteArray(1, '\0')
               + QByteArray("3\",1,\"9600,N,8,1\",0,\"\",\"\",0\r\n"
                            "\"T4\",1,\"9600,N,8,1\",0,\"\",\"\",0\r\n"
                            "\"T5\",COM1\r\n")
        << QByteArray();
    // Its lines come back after a new first line.
    QTest::newRow("not a machine file") << QByteArray("PK\x03\x04\r\n\"T1\",1,\"9600,N,8,1\",0,\"\",\"\",0\r\n")
                                        << QByteArray(" 0 \r\n");
}

void MachineFileTest::roundTripKeepsEveryByte()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, added);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), file);
    MachineState machines;
    LoadMachineList(machines, temp.folder());
    QString error;
    QVERIFY2(SaveMachineFile(machines, temp.folder(), &error), qPrintable(error));
    QCOMPARE(*TextFile::read(temp.folder().machineFilePath()), added + file);
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
    QTest::newRow("quoted and signed integers")
        << QStringLiteral("\"T1\",\"5\",\"\",-1,\"\",\"\",+2") << QStringList{"T1", "", "", ""}
        << QList<int>{5, -1, 2};
    QTest::newRow("16-bit limits, blanks after a quote, trailing commas")
        << QStringLiteral("\"T1\" ,-32768,\"\"\t,32767,\"\",\"\",0,,") << QStringList{"T1", "", "", ""}
        << QList<int>{-32768, 32767, 0};
    QTest::newRow("empty integer fields")
        << QStringLiteral("\"T1\",,\"9600,N,8,1\", ,\"\",\"\",") << QStringList{"T1", "9600,N,8,1", "", ""}
        << QList<int>{0, 0, 0};
}

void MachineFileTest::readingRules()
{
    QFETCH(QString, line);
    QFETCH(QStringList, strings);
    QFETCH(QList<int>, numbers);
    QString problem = QStringLiteral("not cleared");
    const MachineRecord r = parseMachineLine(line, &problem);
    QCOMPARE(problem, QString());
    QCOMPARE((QStringList{r.name, r.settings, r.preamble, r.postamble}), strings);
    QCOMPARE((QList<int>{r.comPort, r.handshaking, r.lineEnd}), numbers);
}

void MachineFileTest::brokenLinesAreRefused_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("problem");
    QTest::newRow("closing quote missing after the name")
        << QStringLiteral("\"TORNIO 1,9,\"9600,N,8,1\",1,\"12\",\"\",0")
        << QStringLiteral("testo dopo le virgolette di chiusura");
    QTest::newRow("quote never closed") << QStringLiteral("\"T1\",1,\"9600,N,8,1,0") << QStringLiteral("virgolette non chiuse");
    QTest::newRow("NUL byte") << QStringLiteral("\"T1\",1,\"9600,N,8,1\",0,\"\",\"\",0").insert(3, QChar(0))
                              << QStringLiteral("carattere di controllo (codice 0)");
    QTest::newRow("quote inside an unquoted field")
        << QStringLiteral("T\"1,1,\"9600,N,8,1\",0,\"\",\"\",0") << QStringLiteral("virgolette all'interno di un campo");
    QTest::newRow("eighth field") << QStringLiteral("\"T1\",1,\"9600,N,8,1\",0,\"\",\"\",0,5")
                                  << QStringLiteral("più di sette campi");
    QTest::newRow("no name") << QStringLiteral(" ,1,\"9600,N,8,1\",0,\"\",\"\",0")
                             << QStringLiteral("manca il nome della macchina");
    QTest::newRow("port written as COM3") << QStringLiteral("\"T1\",COM3,\"9600,N,8,1\",0,\"\",\"\",0")
                                          << QStringLiteral("numero non valido per la porta Com");
    QTest::newRow("sign without digits") << QStringLiteral("\"T1\",-,\"9600,N,8,1\",0,\"\",\"\",0")
                                         << QStringLiteral("numero non valido per la porta Com");
    QTest::newRow("flow control beyond 16 bits") << QStringLiteral("\"T1\",1,\"9600,N,8,1\",32768,\"\",\"\",0")
                                                 << QStringLiteral("numero non valido per il controllo di flusso");
    QTest::newRow("line end with a letter") << QStringLiteral("\"T1\",1,\"9600,N,8,1\",0,\"\",\"\",1x")
                                            << QStringLiteral("numero non valido per la gestione CR LF");
}

void MachineFileTest::brokenLinesAreRefused()
{
    QFETCH(QString, line);
    QFETCH(QString, problem);
    QString found;
    QCOMPARE(parseMachineLine(line, &found), MachineRecord{});
    QCOMPARE(found, problem);
}

void MachineFileTest::brokenLinesAreReported_data()
{
    QTest::addColumn<QByteArray>("file");  // "missing" for no file
    QTest::addColumn<int>("machineCount");
    QTest::addColumn<QString>("warning");  // %1: the file's path

    const QByteArray good = "\"T1\",1,\"9600,N,8,1\",0,\"\",\"\",0\r\n";
    const QString header = QStringLiteral("Righe del file %1 che non si possono leggere (restano nel file così come sono):\n");
    QTest::newRow("missing file") << QByteArray("missing") << 0
                                  << QStringLiteral("Il file %1 non esiste: nessuna macchina configurata.");
    QTest::newRow("readable file") << QByteArray(" 0 \r\n" + good) << 1 << QString();
    QTest::newRow("line numbers count blank lines")
        << QByteArray(" 0 \r\n\r\n\"X,1\r\n" + good + "\"T2\",1,\"\",0,\"\",\"\",77,8\n\"T3\"\r\n")
        << 2 << header + QStringLiteral("riga 3: virgolette non chiuse\nriga 5: più di sette campi");
    QTest::newRow("first line not a number")
        << QByteArray("\x7f" "ELF\x02\x01\r\n" + good) << 0
        << header + QStringLiteral("riga 1: numero della macchina scelta non valido: nessuna macchina letta");
    QTest::newRow("beyond the hundredth machine")
        << machineLines(102) << 100
        << header + QStringLiteral("riga 102: oltre la centesima macchina\nriga 103: oltre la centesima macchina");
    QByteArray many = " 0 \r\n";
    QString manyWarning = header;
    for (int line = 2; line <= 14; ++line) {
        many += ",1\r\n";
        if (line <= 11)
            manyWarning += QStringLiteral("riga %1: manca il nome della macchina\n").arg(line);
    }
    QTest::newRow("the first ten lines") << many << 0 << manyWarning + QStringLiteral("... e altre 3 righe.");
}

void MachineFileTest::brokenLinesAreReported()
{
    QFETCH(QByteArray, file);
    QFETCH(int, machineCount);
    QFETCH(QString, warning);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    if (file != "missing")
        temp.writeFile(QStringLiteral("cncsett.dat"), file);
    MachineState machines;
    const MachineList list = LoadMachineList(machines, temp.folder());
    QCOMPARE(list.entries.size(), machineCount);
    QCOMPARE(list.warning, warning.isEmpty() ? warning : warning.arg(temp.folder().machineFilePath()));
    QVERIFY(list.error.isEmpty());
}

void MachineFileTest::reportIsGivenOncePerRun()
{
    // Every window that lists machines reloads the file; the same news is told once.
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    MachineState machines;
    const auto warningOf = [&](const QByteArray &file) {
        temp.writeFile(QStringLiteral("cncsett.dat"), file);
        return LoadMachineList(machines, temp.folder()).warning;
    };
    const QByteArray broken = " 0 \r\n\"T1\",A\r\n";
    QVERIFY(!warningOf(broken).isEmpty());
    QCOMPARE(warningOf(broken), QString());
    QVERIFY(!warningOf(broken + "\"T2\",B\r\n").isEmpty());
    QCOMPARE(warningOf(" 0 \r\n"), QString());
    QVERIFY(!warningOf(broken).isEmpty());
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

void MachineFileTest::brokenLinesStayBetweenTheirMachines()
{
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), QByteArray(" 0 \r\n"
                                                             "\"A\"B\",1\r\n"
                                                             "\"T2\",2,\"\",0,\"\",\"\",0\r\n"
                                                             "X,Y\r\n"
                                                             "\"T4\",4,\"\",0,\"\",\"\",0\r\n"
                                                             "\"T5\r\n"));
    MachineState machines;
    LoadMachineList(machines, temp.folder());
    machines.table.at(1).name.clear();
    machines.table.at(3) = machines.table.at(2);
    machines.table.at(3).name = QStringLiteral("NUOVA");
    QVERIFY(SaveMachineFile(machines, temp.folder()));
    QCOMPARE(*TextFile::read(temp.folder().machineFilePath()),
             QByteArray(" 0 \r\n"
                        "\"A\"B\",1\r\n"
                        "X,Y\r\n"
                        "\"T4\",4,\"\",0,\"\",\"\",0\r\n"
                        "\"T5\r\n"
                        "\"NUOVA\",4,\"\",0,\"\",\"\",0\r\n"));
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
