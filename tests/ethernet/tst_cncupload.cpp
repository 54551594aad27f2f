#include "cncresults.h"
#include "cncupload.h"
#include "fakecnclibrary.h"
#include "transferstop.h"

#include <QTest>

// The upload on a library that misbehaves: what it delivers is taken only as far as it can be
// trusted, and only a whole program is a success.
class CncUploadTest : public QObject {
    Q_OBJECT
private slots:
    void upload_data();
    void upload();
    void lines();
};

void CncUploadTest::upload_data()
{
    QTest::addColumn<QByteArray>("delivered"); // the CNC's text
    QTest::addColumn<long>("block");           // the most it gives per call
    QTest::addColumn<QStringList>("script");   // call name and result, in turn
    QTest::addColumn<long>("claimed");         // the length upload3 says it gave; -1: the true one
    QTest::addColumn<QByteArray>("text");      // the program taken, on success
    QTest::addColumn<QString>("failure");      // else what the user is told
    QTest::addColumn<bool>("ended");           // cnc_upend3 called

    const QByteArray program = "%\nO0012 (FLANGIA)\nG0 X0\nM30\n%";
    const QByteArray commented = "%\nO0012\n(SET %5)\nM30\n%";
    QTest::newRow("three blocks") << "%\n" + QByteArray(2555, 'X') + "\n%" << 1280L << QStringList{} << -1L
                                  << "%\n" + QByteArray(2555, 'X') + "\n%" << QString() << true;
    QTest::newRow("one character per call") << program << 1L << QStringList{} << -1L << program << QString() << true;
    QTest::newRow("a block ends on a comment's %") << commented << long(commented.indexOf("%5") + 1) << QStringList{}
                                                   << -1L << commented << QString() << true;
    QTest::newRow("what follows the closing % is not the program") << program + "\nGARBAGE" << 1280L
                                                                    << QStringList{} << -1L << program << QString() << true;
    QTest::newRow("start refused: no such program") << program << 1280L << QStringList{"cnc_upstart3", "5"} << -1L
                                                    << QByteArray() << "Programma non esiste nel CN" << false;
    QTest::newRow("start refused: CNC in alarm") << program << 1280L << QStringList{"cnc_upstart3", "15"} << -1L
                                                 << QByteArray() << testoerrore(EW_ALARM) << false;
    QTest::newRow("more than asked") << program << 1280L << QStringList{} << 5000L << QByteArray()
                                     << "La libreria del C.N. ha indicato 5000 caratteri per un blocco di 1280: "
                                        "ricezione interrotta, nulla è stato salvato." << true;
    QTest::newRow("less than nothing") << program << 1280L << QStringList{} << -3L << QByteArray()
                                       << "La libreria del C.N. ha indicato -3 caratteri per un blocco di 1280: "
                                          "ricezione interrotta, nulla è stato salvato." << true;
    QTest::newRow("never ends") << "%\n" + QByteArray(5000, 'X') << 1280L << QStringList{} << -1L << QByteArray()
                                << "Il programma ricevuto supera 4096 byte (impostazione cnc/maxProgramBytes): "
                                   "ricezione interrotta." << true;
    QTest::newRow("end refused") << program << 1280L << QStringList{"cnc_upend3", "5"} << -1L << QByteArray()
                                 << testoerrore(EW_DATA) << true;
    QTest::newRow("block error") << program << 1280L << QStringList{"cnc_upload3", "-16"} << -1L << QByteArray()
                                 << testoerrore(EW_SOCKET) << true;
}

void CncUploadTest::upload()
{
    QFETCH(QByteArray, delivered);
    QFETCH(long, block);
    QFETCH(QStringList, script);
    QFETCH(long, claimed);
    FakeCncLibrary library;
    library.uploadText = delivered;
    library.uploadBlock = block;
    if (claimed != -1)
        library.claimedUploadLength = claimed;
    for (qsizetype i = 0; i < script.size(); i += 2)
        library.scripted[script.at(i)].enqueue(short(script.at(i + 1).toInt()));
    const UploadLimits limits{1000, 4096};
    const TransferStop stop;
    const CncUpload upload = uploadProgram(library, 7, 12, limits, stop);
    QTEST(upload.text, "text");
    QTEST(uploadFailure(upload, limits), "failure");
    QCOMPARE(upload.succeeded(), uploadFailure(upload, limits).isEmpty());
    QTEST(library.callLog().contains(QStringLiteral("cnc_upend3")), "ended");
}

void CncUploadTest::lines()
{
    QCOMPARE(uploadedLines("%\nO0001\r\nG0 X0\n\n  \n  M30\n%"), std::optional<QStringList>({"O0001", "G0 X0", "  M30"}));
    QCOMPARE(uploadedLines("O0001\nM30\n%"), std::nullopt);
    QCOMPARE(terminalText({"O0001", "M30"}), QByteArray("O0001\r\nM30\r\n"));
}

QTEST_GUILESS_MAIN(CncUploadTest)
#include "tst_cncupload.moc"
