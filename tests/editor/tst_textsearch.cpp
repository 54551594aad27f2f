#include "textsearch.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Plain comparison position by position, as the search is defined.
bool matchesAt(const QByteArray &text, const QByteArray &needle, qsizetype at, bool matchCase)
{
    if (at < 0 || at + needle.size() > text.size())
        return false;
    const QByteArray part = text.mid(at, needle.size());
    return matchCase ? part == needle : TextSearch::upperCased(part) == TextSearch::upperCased(needle);
}

} // namespace

class TextSearchTest : public QObject {
    Q_OBJECT
private slots:
    void upperCase_data();
    void upperCase();
    void search_data();
    void search();
    void agreesWithPlainComparison();
};

void TextSearchTest::upperCase_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("upper");
    QTest::newRow("letters and digits") << QByteArray("g x 1 n10") << QByteArray("G X 1 N10");
    QTest::newRow("accented Latin-1") << QByteArray("\xe0\xe8\xec\xf2\xf9\xe7")
                                      << QByteArray("\xc0\xc8\xcc\xd2\xd9\xc7");
    QTest::newRow("no upper form in Latin-1") << QByteArray("\xdf\xff\xb5\xf7") << QByteArray("\xdf\xff\xb5\xf7");
    QTest::newRow("signs untouched") << QByteArray("(%;#{}") << QByteArray("(%;#{}");
}

void TextSearchTest::upperCase()
{
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, upper);
    QCOMPARE(TextSearch::upperCased(typed), upper);
    QCOMPARE(TextSearch::upperCased(QString::fromLatin1(typed)), QString::fromLatin1(upper));
}

void TextSearchTest::search_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<int>("forward");
    QTest::addColumn<int>("backward");
    const QByteArray g = "N10 G01 X5\r\nN20 g01 Y7\r\n";
    QTest::newRow("case blind finds both") << g << QByteArray("g01") << 0 << false << 4 << -1;
    QTest::newRow("case blind from 5") << g << QByteArray("G01") << 5 << false << 16 << 4;
    QTest::newRow("case kept") << g << QByteArray("g01") << 0 << true << 16 << -1;
    QTest::newRow("case kept, backwards from the end") << g << QByteArray("G01") << 24 << true << -1 << 4;
    QTest::newRow("accented letters fold") << QByteArray("FORATURA \xe0 PASSO") << QByteArray("\xc0 p") << 0 << false
                                           << 9 << -1;
    QTest::newRow("accented letters kept") << QByteArray("FORATURA \xe0 PASSO") << QByteArray("\xc0") << 0 << true
                                           << -1 << -1;
    QTest::newRow("needle longer than text") << QByteArray("G0") << QByteArray("G01") << 0 << false << -1 << -1;
    QTest::newRow("last start that fits") << QByteArray(37, 'A') + "XYZ" << QByteArray("xyz") << 30 << false << 37
                                          << -1;
    QTest::newRow("backwards: only wholly inside") << QByteArray("ABCAB") << QByteArray("ABC") << 4 << true << -1 << 0;
    QTest::newRow("from past the end") << QByteArray("ABC") << QByteArray("C") << 9 << true << -1 << 2;
    QTest::newRow("negative from") << QByteArray("ABC") << QByteArray("A") << -3 << true << 0 << -1;
    QTest::newRow("bytes above 127 around") << QByteArray("\x80\xff\xc1\x41\x81\xe1") << QByteArray("\xc1" "a")
                                            << 0 << false << 2 << -1;
    QTest::newRow("empty text") << QByteArray() << QByteArray("X") << 0 << false << -1 << -1;
}

void TextSearchTest::search()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, needle);
    QFETCH(int, from);
    QFETCH(bool, matchCase);
    QFETCH(int, forward);
    QFETCH(int, backward);
    QCOMPARE(TextSearch::findForward(text, needle, from, matchCase), qsizetype(forward));
    QCOMPARE(TextSearch::findBackward(text, needle, from, matchCase), qsizetype(backward));
}

void TextSearchTest::agreesWithPlainComparison()
{
    // Texts over a few letters in both cases, so that hits fall at every offset of the 8-byte blocks.
    QRandomGenerator random(20240307);
    const QByteArray alphabet("aAbB\xe0\xc0\r\n");
    for (int round = 0; round < 300; ++round) {
        QByteArray text(int(random.bounded(0, 90)), Qt::Uninitialized);
        for (char &c : text)
            c = alphabet[random.bounded(int(alphabet.size()))];
        QByteArray needle(int(random.bounded(1, 4)), Qt::Uninitialized);
        for (char &c : needle)
            c = alphabet[random.bounded(int(alphabet.size()))];
        for (const bool matchCase : {false, true}) {
            for (qsizetype from = -1; from <= text.size() + 1; ++from) {
                qsizetype forward = -1;
                for (qsizetype at = std::max<qsizetype>(from, 0); at < text.size() && forward < 0; ++at)
                    forward = matchesAt(text, needle, at, matchCase) ? at : -1;
                qsizetype backward = -1;
                for (qsizetype at = std::min(from, text.size()); at >= 0 && backward < 0; --at)
                    backward = matchesAt(text, needle, at, matchCase) ? at : -1;
                QCOMPARE(TextSearch::findForward(text, needle, from, matchCase), forward);
                QCOMPARE(TextSearch::findBackward(text, needle, from, matchCase), backward);
            }
        }
    }
}

QTEST_GUILESS_MAIN(TextSearchTest)
#include "tst_textsearch.moc"
