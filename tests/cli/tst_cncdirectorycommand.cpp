#include "cnccommands.h"
#include "cncresults.h"
#include "fakecnclibrary.h"
#include "tempprogramfolder.h"

#include <QTest>
#include <QTextStream>

// truvnet dir on a fake CNC: what is listed, on standard output and on standard error.
class CncDirectoryCommandTest : public QObject {
    Q_OBJECT
private slots:
    void dirCommand_data();
    void dirCommand();
};

void CncDirectoryCommandTest::dirCommand_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<int>("connectResult");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QByteArray>("comment"); // of a program 5 besides the two, when not empty
    QTest::newRow("listed") << QStringLiteral(" fresa eth ") << 0 << 0
                            << QStringLiteral("O0001\t56\tPERNO\nO0100\t1234\tFLANGIA\n") << QString() << QByteArray();
    QTest::newRow("control characters of a comment") << QStringLiteral("FRESA ETH") << 0 << 0
        << QStringLiteral("O0001\t56\tPERNO\nO0005\t50\tA B [2J  C\nO0100\t1234\tFLANGIA\n") << QString()
        << QByteArray("A\tB\x1b[2J\r\nC");
    QTest::newRow("no connection") << QStringLiteral("FRESA ETH") << int(EW_SOCKET) << 1 << QString()
                                   << QStringLiteral("Manca la connessione\n") << QByteArray();
    QTest::newRow("serial machine") << QStringLiteral("TORNIO") << 0 << 1 << QString()
                                    << QStringLiteral("TORNIO non è una macchina Ethernet: il suo C.N. non ha un "
                                                      "elenco programmi da leggere.\n") << QByteArray();
}

void CncDirectoryCommandTest::dirCommand()
{
    QFETCH(QString, machine);
    QFETCH(int, connectResult);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"), " 0 \r\n\"TORNIO\",1,\"9600,E,7,2\",1,\"\",\"\",0\r\n"
                                                  "\"FRESA ETH\",1,\"127.0.0.1:8193,\",0,\"\",\"\",0\r\n");
    const auto shared = std::make_shared<FakeCncLibrary>();
    FakeCncLibrary &library = *shared;
    library.programs[1] = {56, "PERNO"};
    library.programs[100] = {1234, "FLANGIA"};
    QFETCH(QByteArray, comment);
    if (!comment.isEmpty())
        library.programs[5] = {50, comment};
    library.scripted["cnc_allclibhndl3"].enqueue(short(connectResult));
    QString printed;
    QString told;
    QTextStream outStream(&printed);
    QTextStream errStream(&told);
    QCOMPARE(listCncDirectory(temp.folder(), machine, shared, outStream, errStream), status);
    QCOMPARE(printed, out);
    QCOMPARE(told, err);
    if (machine != QStringLiteral("TORNIO")) {
        QCOMPARE(library.callLog().first(), QStringLiteral("cnc_allclibhndl3 127.0.0.1 8193 10"));
        QCOMPARE(library.callLog().last(), QStringLiteral("cnc_freelibhndl 7"));
    } else {
        QVERIFY(library.callLog().isEmpty());
    }
}

QTEST_GUILESS_MAIN(CncDirectoryCommandTest)
#include "tst_cncdirectorycommand.moc"
