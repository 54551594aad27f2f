#include "cncaddress.h"
#include "cncdirectory.h"
#include "cncresults.h"
#include "ethernettext.h"
#include "fakecnclibrary.h"
#include "focaslibrary.h"

#include <QTest>
#include <QTextStream>

// The CNC library's messages, the machine's address, the directory read and truvnet dir, on a
// fake library.
class CncDirectoryTest : public QObject {
    Q_OBJECT
private slots:
    void messageForEveryCode_data();
    void messageForEveryCode();
    void addressOfTheSettings_data();
    void addressOfTheSettings();
    void directoryReadToTheEnd_data();
    void directoryReadToTheEnd();
    void numberAndSizeTexts();
    void missingLibraryAnswersNoDll();
};

void CncDirectoryTest::messageForEveryCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("-18") << -18 << QString();
    QTest::newRow("EW_PROTOCOL") << -17 << QStringLiteral("Errore nel protocollo");
    QTest::newRow("EW_SOCKET") << -16 << QStringLiteral("Manca la connessione");
    QTest::newRow("EW_NODLL") << -15 << QStringLiteral("Controllare le DLL");
    QTest::newRow("-13") << -13 << QString();
    QTest::newRow("EW_BUS") << -11 << QStringLiteral("Errore BUS HSSB");
    QTest::newRow("EW_SYSTEM2") << -10 << QStringLiteral("Errore di Sistema BUS HSSB");
    QTest::newRow("EW_SYSTEM") << -5 << QStringLiteral("Errore di sistema BUS HSSB");
    QTest::newRow("EW_BUSY") << -1 << QStringLiteral("Controllo impegnato, attendere");
    QTest::newRow("EW_OK") << 0 << QStringLiteral("OK");
    QTest::newRow("EW_NUMBER") << 3 << QStringLiteral("Numero dati non corretto");
    QTest::newRow("EW_BUFFER") << 10 << QStringLiteral("Buffer pieno/vuoto, ritentare");
    QTest::newRow("EW_ALARM") << 15 << QStringLiteral("Comando non eseguito perchè il CN è in allarme");
    QTest::newRow("EW_STOP") << 16 << QStringLiteral("Il CN é in STOP o in Emergenza");
    QTest::newRow("EW_PASSWD") << 17 << QStringLiteral("Dati protetti dalla funzione di protezione CNC");
    QTest::newRow("18") << 18 << QString();
}

void CncDirectoryTest::messageForEveryCode()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(testoerrore(short(code)), message);
}

void CncDirectoryTest::addressOfTheSettings_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("error");
    QTest::newRow("as stored") << QStringLiteral("127.0.0.1:8193,") << QStringLiteral("127.0.0.1") << 8193 << QString();
    QTest::newRow("blanks") << QStringLiteral(" 10.0.0.2 : 65535 ") << QStringLiteral("10.0.0.2") << 65535 << QString();
    QTest::newRow("no colon") << QStringLiteral("10.0.0.2") << QString() << 0 << QString(EthernetText::InvalidAddress);
    QTest::newRow("not a number") << QStringLiteral("10.0.0.2:porta,") << QString() << 0
                                  << EthernetText::InvalidPort.arg(QStringLiteral("porta,"));
    QTest::newRow("beyond 16 bits") << QStringLiteral("10.0.0.2:70000,") << QString() << 0
                                    << EthernetText::InvalidPort.arg(QStringLiteral("70000,"));
    QTest::newRow("zero") << QStringLiteral("10.0.0.2:0,") << QString() << 0
                          << EthernetText::InvalidPort.arg(QStringLiteral("0,"));
}

void CncDirectoryTest::addressOfTheSettings()
{
    QFETCH(QString, settings);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, error);
    QString told;
    const std::optional<CncAddress> address = parseCncAddress(settings, &told);
    QCOMPARE(told, error);
    QCOMPARE(address.has_value(), error.isEmpty());
    if (address) {
        QCOMPARE(address->host, host);
        QCOMPARE(int(address->port), port);
    }
}

void CncDirectoryTest::directoryReadToTheEnd_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("failAtRead"); // 0: no failure
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("goesBack");
    QTest::newRow("three programs, four reads") << QList<int>{1, 100, 9000} << 0
                                                << QStringList{"0", "2", "101", "9001"} << 3 << int(EW_OK) << false;
    QTest::newRow("empty CNC") << QList<int>{} << 0 << QStringList{"0"} << 0 << int(EW_OK) << false;
    QTest::newRow("failure on the second read") << QList<int>{1, 100} << 2 << QStringList{"0", "2"} << 1
                                                << int(EW_SOCKET) << false;
    QTest::newRow("a number the CNC cannot hold") << QList<int>{32767} << 0 << QStringList{"0"} << 0
                                                  << int(EW_PROTOCOL) << false;
    QTest::newRow("a CNC that goes back: each program once") << QList<int>{1, 100} << 0
                                                            << QStringList{"0", "2", "101"} << 2 << int(EW_OK) << true;
}

void CncDirectoryTest::directoryReadToTheEnd()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, failAtRead);
    QFETCH(QStringList, reads);
    QFETCH(int, listed);
    QFETCH(int, result);
    QFETCH(bool, goesBack);
    FakeCncLibrary library;
    library.directoryGoesBack = goesBack;
    for (int number : numbers)
        library.programs[number] = {number * 10L, QByteArray("PEZZO ") + QByteArray::number(number)};
    for (int read = 1; read < failAtRead; ++read)
        library.scripted["cnc_rdprogdir2"].enqueue(std::nullopt);
    if (failAtRead)
        library.scripted["cnc_rdprogdir2"].enqueue(short(EW_SOCKET));
    const CncDirectory directory = readCncDirectory(library, 7);
    QStringList made;
    for (const QString &call : library.callLog())
        made.append(call.section(u' ', 1));
    QCOMPARE(made, reads);
    QCOMPARE(int(directory.programs.size()), listed);
    QCOMPARE(int(directory.result), result);
    if (listed > 0) {
        QCOMPARE(directory.programs.front().number, long(numbers.front()));
        QCOMPARE(directory.programs.front().comment, QByteArray("PEZZO ") + QByteArray::number(numbers.front()));
    }
}

void CncDirectoryTest::numberAndSizeTexts()
{
    QCOMPARE(programNumberText(12), QStringLiteral("O0012"));
    QCOMPARE(programNumberText(12345), QStringLiteral("O12345"));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QCOMPARE(programSizeText(56, english), QStringLiteral("0,056"));
    QCOMPARE(programSizeText(56, italian), QStringLiteral("0.056"));
    QCOMPARE(programSizeText(1234567, english), QStringLiteral("1,234,567"));
}

void CncDirectoryTest::missingLibraryAnswersNoDll()
{
    FocasLibrary library(QStringLiteral("/nonexistent/libfwlib32.so"));
    QVERIFY(!library.isLoaded());
    QVERIFY(!library.loadError().isEmpty());
    unsigned short handle = 0;
    QCOMPARE(library.cnc_allclibhndl3("127.0.0.1", 8193, 10, &handle), short(EW_NODLL));
    QCOMPARE(library.cnc_freelibhndl(handle), short(EW_NODLL));
}

QTEST_GUILESS_MAIN(CncDirectoryTest)
#include "tst_cncdirectory.moc"
