#include "programstream.h"
#include "seriallink.h"
#include "transfertext.h"

#include <QTemporaryFile>
#include <QTest>

// The send text made a piece at a time must be, byte for byte, the one made whole in memory.
class ProgramStreamTest : public QObject {
    Q_OBJECT
private slots:
    void sameAsWhole_data();
    void sameAsWhole();
    void unreadableFile();
};

void ProgramStreamTest::sameAsWhole_data()
{
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<int>("lineEnd");
    QTest::addColumn<int>("blockSize");
    QByteArray big;
    for (int i = 0; big.size() < 200 * 1024; ++i)
        big += (i % 7 == 0 ? "  N" : "N") + QByteArray::number(i) + " G1 X" + QByteArray::number(i % 97) + "  \r\n";
    // A CR LF cut between two reads, a long line across them, a "%" line among them.
    QByteArray cut = QByteArray(64 * 1024 - 1, 'X') + "\r\n%\r\n" + QByteArray(70 * 1024, 'Y') + "\nM30";
    QTest::newRow("Cr + Lf, program over many reads") << big << 0 << 180;
    QTest::newRow("Lf, lines cut at the read size") << cut << 1 << 180;
    QTest::newRow("Cr, large blocks") << cut << 2 << 100000;
    QTest::newRow("only % lines: the frame alone") << QByteArray("%\r\n%\n") << 0 << 180;
}

void ProgramStreamTest::sameAsWhole()
{
    QFETCH(QByteArray, program);
    QFETCH(int, lineEnd);
    QFETCH(int, blockSize);
    QTemporaryFile file;
    QVERIFY(file.open());
    QCOMPARE(file.write(program), program.size());
    file.close();
    const QByteArray preamble = DecodeHexText("0A12");
    const QByteArray postamble = DecodeHexText("0A14");
    const QByteArray whole = EncodeLineEnds(preamble + CleanProgramText(program) + postamble, lineEnd);

    for (auto &stream : {ProgramStream::ofFile(file.fileName(), preamble, postamble, lineEnd),
                         ProgramStream::ofText(CleanProgramText(program), preamble, postamble, lineEnd)}) {
        QVERIFY(stream->open());
        QCOMPARE(stream->total(), whole.size());
        QByteArray sent;
        for (std::optional<QByteArray> piece = stream->next(blockSize); piece && !piece->isEmpty();
             piece = stream->next(blockSize)) {
            QVERIFY(piece->size() <= blockSize);
            sent += *piece;
        }
        QCOMPARE(sent, whole);
    }
}

void ProgramStreamTest::unreadableFile()
{
    const auto stream = ProgramStream::ofFile(QStringLiteral("/nonexistent/P0000042"), {}, {}, 0);
    QVERIFY(!stream->open());
    QVERIFY(!stream->error().isEmpty());
}

QTEST_GUILESS_MAIN(ProgramStreamTest)
#include "tst_programstream.moc"
