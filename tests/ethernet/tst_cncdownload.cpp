#include "cncdownload.h"
#include "fakecnclibrary.h"
#include "multiprogram.h"
#include "transferstop.h"

#include <QTest>

// What the Ethernet window sends: the terminal's lines, the destination, the text for the library.
class CncDownloadTest : public QObject {
    Q_OBJECT
private slots:
    void linesFromTheTerminal_data();
    void linesFromTheTerminal();
    void destination_data();
    void destination();
    void textForTheLibrary();
    void renumbering_data();
    void renumbering();
    void transfer_data();
    void transfer();
};

void CncDownloadTest::linesFromTheTerminal_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("tape marks and CR LF") << QByteArray("%\r\nO1234 (PROVA)\r\nG0 X0\r\nM30\r\n%")
                                          << QStringList{"O1234 (PROVA)", "G0 X0", "M30"};
    QTest::newRow("% in and out of comments") << QByteArray("O1\n(SET %5)\nG1 X5 %\n% (END)\nM30")
                                              << QStringList{"O1", "(SET %5)", "M30"};
    QTest::newRow("colon address, blanks") << QByteArray("  :100  \r\r  G0  \n") << QStringList{"O100", "G0"};
}

void CncDownloadTest::linesFromTheTerminal()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    QCOMPARE(linesToSend(text), lines);
}

void CncDownloadTest::destination_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("destination"); // empty: not a number
    QTest::newRow("digits") << QStringLiteral("123") << QStringLiteral("O1") << QStringLiteral("O123");
    QTest::newRow("kept as typed") << QStringLiteral(" O0123 ") << QStringLiteral("O1") << QStringLiteral("O0123");
    QTest::newRow("from the first line") << QString() << QStringLiteral("O0123 (FLANGIA)") << QStringLiteral("O123");
    QTest::newRow("O alone") << QStringLiteral("O") << QStringLiteral("O1") << QString();
    QTest::newRow("letters") << QStringLiteral("A12") << QStringLiteral("O1") << QString();
}

void CncDownloadTest::destination()
{
    QFETCH(QString, typed);
    QFETCH(QString, firstLine);
    QFETCH(QString, destination);
    QCOMPARE(downloadDestination(typed, firstLine).value_or(QString()), destination);
}

void CncDownloadTest::textForTheLibrary()
{
    QCOMPARE(downloadText({"O0012 (FLANGIA)", "G0 X0", "M30"}, QStringLiteral("O12")),
             QByteArray("\nO12(FLANGIA)\nG0 X0\nM30\n%"));
    QCOMPARE(downloadText({"O0012", "G0 X0", "M30"}, QStringLiteral("O7")), QByteArray("\nO7\nG0 X0\nM30\n%"));
}

void CncDownloadTest::renumbering_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QList<int>>("onCnc");
    QTest::addColumn<QStringList>("rewritten");
    QTest::addColumn<QStringList>("table"); // old → new, "*" when the new number is taken
    QTest::addColumn<int>("problems");
    QTest::addColumn<QString>("flags"); // b: blocking, q: question, r: out of range

    const QStringList two{"O0001 (MAIN)", "M98 P0002", "M30", "O0002", "G0 X0", "M99"};
    const QStringList mainAndSub{"O0001 O0100", "O0002 O0101"};
    QTest::newRow("main and subprogram") << two << "O0100" << QList<int>{}
        << QStringList{"O0100 (MAIN)", "M98 P0101", "M30", "O0101", "G0 X0", "M99"} << mainAndSub << 0 << "";
    QTest::newRow("short destination, new number taken") << two << "O12" << QList<int>{13}
        << QStringList{"O0012 (MAIN)", "M98 P0013", "M30", "O0013", "G0 X0", "M99"}
        << QStringList{"O0001 O0012", "O0002 O0013*"} << 0 << "b";
    QTest::newRow("short headers and calls, L words, nested")
        << QStringList{"O1 (MAIN)", "M98 P2 L5", "M98 P1 L0", "M30", "O2 (SUB)", "M98 P3 L10", "M99", "O3", "M99"}
        << "O0201" << QList<int>{}
        << QStringList{"O0201 (MAIN)", "M98 P0202 L5", "M98 P0201 L0", "M30", "O0202 (SUB)", "M98 P0203 L10", "M99",
                       "O0203", "M99"}
        << QStringList{"O1 O0201", "O2 O0202", "O3 O0203"} << 0 << "";
    QTest::newRow("block ends, with and without L") << QStringList{"O0001", "M98 P0002;", "M98 P0002 L3;", "M98P2(X)", "O0002", "M99"}
        << "O0100" << QList<int>{}
        << QStringList{"O0100", "M98 P0101;", "M98 P0101 L3;", "M98P0101(X)", "O0101", "M99"} << mainAndSub << 0 << "";
    QTest::newRow("repeat count before the number, 5 to 8 digits")
        << QStringList{"O0001", "M98 P030002", "M98P20002", "M98 P1230002", "M98 P12340002", "O0002", "M99"}
        << "O0100" << QList<int>{}
        << QStringList{"O0100", "M98 P030101", "M98P20101", "M98 P1230101", "M98 P12340101", "O0101", "M99"}
        << mainAndSub << 0 << "";
    QTest::newRow("numbers as numbers") << QStringList{"O01", "M98 P1", "M98 P0001", "G65 P001 A1.", "M30"} << "O7"
        << QList<int>{}
        << QStringList{"O0007", "M98 P0007", "M98 P0007", "G65 P0007 A1.", "M30"} << QStringList{"O01 O0007"} << 0 << "";
    QTest::newRow("five-digit header: the whole O-word") << QStringList{"O0001", "G0", "M30", "O20013 (X)", "M99"}
        << "O0100" << QList<int>{} << QStringList{"O0100", "G0", "M30", "O0101 (X)", "M99"}
        << QStringList{"O0001 O0100", "O20013 O0101"} << 0 << "";
    QTest::newRow("comments are not code")
        << QStringList{"O0001", "(SEE M98 P0002 BELOW)", "G0 X1 (M98 P0002)", "M98 P0002; (P0003)", "O0002", "M99"}
        << "O0100" << QList<int>{}
        << QStringList{"O0100", "(SEE M98 P0002 BELOW)", "G0 X1 (M98 P0002)", "M98 P0101; (P0003)", "O0101", "M99"}
        << mainAndSub << 0 << "";
    QTest::newRow("two calls on a line") << QStringList{"O0001", "M98 P2; M98 P3", "O2", "M99", "O3", "M99"} << "O50"
        << QList<int>{} << QStringList{"O0050", "M98 P0051; M98 P0052", "O0051", "M99", "O0052", "M99"}
        << QStringList{"O0001 O0050", "O2 O0051", "O3 O0052"} << 0 << "";
    QTest::newRow("call outside the text, unreadable call, Q calls, no address")
        << QStringList{"O0001", "M98 P9000", "M98 P2", "M98 P#100", "M98 Q100", "M98", "M30"} << "O0100" << QList<int>{}
        << QStringList{"O0100", "M98 P9000", "M98 P2", "M98 P#100", "M98 Q100", "M98", "M30"}
        << QStringList{"O0001 O0100"} << 3 << "q";
    QTest::newRow("numbers past the CNC's last") << QStringList{"O0001", "M98 P2", "O0002", "M99"} << "O9999"
        << QList<int>{} << QStringList{"O9999", "M98 P10000", "O10000", "M99"}
        << QStringList{"O0001 O9999", "O0002 O10000"} << 1 << "br";
}

void CncDownloadTest::renumbering()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, destination);
    QFETCH(QList<int>, onCnc);
    const MultiProgramCheck check =
        renumberPrograms(lines, destination, [&](long number) { return onCnc.contains(int(number)); });
    QTEST(check.lines, "rewritten");
    QStringList table;
    for (const RenumberedProgram &program : check.programs)
        table.append(program.oldNumber + u' ' + program.newNumber + (program.onCnc ? "*" : ""));
    QTEST(table, "table");
    QTEST(int(check.problems.size()), "problems");
    for (const QString &problem : check.problems)
        QVERIFY2(problem.startsWith("Riga: "), qPrintable(problem));
    QString flags;
    if (check.blocking)
        flags += u'b';
    if (check.question)
        flags += u'q';
    if (check.outOfRange)
        flags += u'r';
    QTEST(flags, "flags");
    QCOMPARE(check.clean(), flags.isEmpty());
}

void CncDownloadTest::transfer_data()
{
    QTest::addColumn<QStringList>("script"); // call name and result, in turn
    QTest::addColumn<long>("block");
    QTest::addColumn<short>("detail");
    QTest::addColumn<bool>("started");
    QTest::addColumn<short>("result");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("messages"); // after a refusal

    const QByteArray text = "\nO12\nG0 X0\nM30\n%"; // 16 characters
    QTest::newRow("accepted in parts") << QStringList{} << 6L << short(0) << true << short(EW_OK)
        << QStringList{"cnc_dwnstart3 0", "cnc_download3 16", "cnc_download3 10", "cnc_download3 4", "cnc_dwnend3"}
        << QStringList{};
    QTest::newRow("busy three times: the same rest four times")
        << QStringList{"cnc_download3", "10", "cnc_download3", "10", "cnc_download3", "10"} << 100L << short(0) << true
        << short(EW_OK)
        << QStringList{"cnc_dwnstart3 0", "cnc_download3 16", "cnc_download3 16", "cnc_download3 16",
                       "cnc_download3 16", "cnc_dwnend3"}
        << QStringList{};
    QTest::newRow("start refused: no end") << QStringList{"cnc_dwnstart3", "-1"} << 100L << short(0) << false
        << short(EW_BUSY) << QStringList{"cnc_dwnstart3 0"} << QStringList{};
    QTest::newRow("refused data, detail 4")
        << QStringList{"cnc_download3", "5"} << 100L << short(4) << true << short(EW_DATA)
        << QStringList{"cnc_dwnstart3 0", "cnc_download3 16", "cnc_getdtailerr", "cnc_dwnend3"}
        << QStringList{"Programma già presente sul CN", "Correggere e ripetere l'invio"};
    QTest::newRow("refused data, detail call fails")
        << QStringList{"cnc_download3", "5", "cnc_getdtailerr", "-8"} << 100L << short(4) << true << short(EW_DATA)
        << QStringList{"cnc_dwnstart3 0", "cnc_download3 16", "cnc_getdtailerr", "cnc_dwnend3"}
        << QStringList{"Correggere e ripetere l'invio"};
    QTest::newRow("other failure ends the loop")
        << QStringList{"cnc_download3", "-16"} << 100L << short(0) << true << short(EW_SOCKET)
        << QStringList{"cnc_dwnstart3 0", "cnc_download3 16", "cnc_dwnend3"} << QStringList{};
}

void CncDownloadTest::transfer()
{
    QFETCH(QStringList, script);
    QFETCH(long, block);
    QFETCH(short, detail);
    FakeCncLibrary library;
    for (qsizetype i = 0; i < script.size(); i += 2)
        library.scripted[script.at(i)].enqueue(short(script.at(i + 1).toInt()));
    library.downloadBlock = block;
    library.detailNumber = detail;
    const QByteArray text = "\nO12\nG0 X0\nM30\n%";
    const TransferStop stop;
    const CncDownload download = downloadProgram(library, 1, text, 1000, stop);
    QTEST(download.started, "started");
    QTEST(download.result, "result");
    QTEST(library.callLog(), "calls");
    if (download.result == EW_OK)
        QCOMPARE(library.downloaded, text);
    if (download.result == EW_DATA)
        QTEST(rejectionMessages(download.detail), "messages");
}

QTEST_GUILESS_MAIN(CncDownloadTest)
#include "tst_cncdownload.moc"
