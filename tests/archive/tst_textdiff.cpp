#include "textdiff.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A milling program as the shop writes them: repeated tool changes, blank lines, CR LF.
QByteArray millingProgram()
{
    QByteArray text = "%\r\nO0042 (FLANGIA 471)\r\n";
    for (int tool = 1; tool <= 6; ++tool) {
        text += "\r\nT" + QByteArray::number(tool) + " M06\r\nG00 G90 G54 X0 Y0\r\nG43 H" + QByteArray::number(tool)
            + " Z50.\r\nM03 S1200\r\n";
        for (int pass = 0; pass < 8; ++pass)
            text += "G01 Z-" + QByteArray::number(pass % 3) + ". F200\r\nG01 X" + QByteArray::number(10 * (pass % 4))
                + ". Y20.\r\nG00 Z50.\r\n";
        text += "M05\r\nG91 G28 Z0\r\n";
    }
    return text + "M30\r\n%\r\n";
}

// Lines changed, inserted and removed at random places, with a fixed seed per row.
QByteArray mutated(const QByteArray &text, quint32 seed, int edits)
{
    QRandomGenerator random(seed);
    QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < edits && lines.size() > 2; ++i) {
        const int at = random.bounded(int(lines.size() - 1));
        switch (random.bounded(4)) {
        case 0:
            lines[at] = "G01 X" + QByteArray::number(random.bounded(100)) + ". F100\r";
            break;
        case 1:
            lines.insert(at, "G00 Z50.\r");
            break;
        case 2:
            lines.removeAt(at);
            break;
        default:
            lines.insert(at, lines.value(random.bounded(int(lines.size()))));
        }
    }
    return lines.join('\n');
}

QByteArray diffUtility(const QByteArray &a, const QByteArray &b)
{
    QTemporaryDir dir;
    QFile first(dir.filePath(QStringLiteral("a")));
    QFile second(dir.filePath(QStringLiteral("b")));
    if (!first.open(QIODevice::WriteOnly) || first.write(a) != a.size() || !second.open(QIODevice::WriteOnly)
        || second.write(b) != b.size())
        return "cannot write";
    first.close();
    second.close();
    QProcess diff;
    diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), QStringLiteral("--label"), QStringLiteral("A"),
                                        QStringLiteral("--label"), QStringLiteral("B"), first.fileName(),
                                        second.fileName()});
    if (!diff.waitForFinished(30000))
        return "diff did not run";
    return diff.readAllStandardOutput();
}

} // namespace

class TextDiffTest : public QObject {
    Q_OBJECT
private slots:
    void sameAsDiffUtility_data();
    void sameAsDiffUtility();
};

void TextDiffTest::sameAsDiffUtility_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray program = millingProgram();
    QTest::newRow("equal") << program << program;
    QTest::newRow("from nothing") << QByteArray() << program;
    QTest::newRow("to nothing") << program << QByteArray();
    QTest::newRow("last line without line end") << program << program.chopped(2);
    QTest::newRow("only the line end differs") << QByteArray("A\r\nB") << QByteArray("A\r\nB\r\n");
    QByteArray feed = program;
    feed.replace("F200", "F180");
    QTest::newRow("every feed changed") << program << feed;
    QByteArray retool = program;
    retool.replace("T3 M06\r\n", "T3 M06\r\nG00 Z50.\r\nG00 Z50.\r\n");
    QTest::newRow("repeated line inserted among repeats") << program << retool;
    for (quint32 seed = 1; seed <= 12; ++seed) {
        QTest::addRow("random edits, seed %u", seed) << program << mutated(program, seed, int(seed % 5) * 6 + 1);
    }
    const QByteArray unrelated = mutated(mutated(program, 99, 400), 7, 400);
    QTest::newRow("largely unrelated") << program << unrelated;
}

void TextDiffTest::sameAsDiffUtility()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    const QByteArray ours = TextDiff::unified(before, after, "A", "B");
    QCOMPARE(ours, diffUtility(before, after));
}

QTEST_GUILESS_MAIN(TextDiffTest)
#include "tst_textdiff.moc"
