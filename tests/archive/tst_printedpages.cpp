#include "printedpages.h"

#include <QTest>

namespace {

QStringList texts(const PrintedPage &page)
{
    QStringList result;
    for (const PrintedLine &line : page)
        result.append(line.text);
    return result;
}

QStringList numbered(int from, int to)
{
    QStringList lines;
    for (int i = from; i <= to; ++i)
        lines.append(QStringLiteral("L%1").arg(i));
    return lines;
}

} // namespace

class PrintedPagesTest : public QObject {
    Q_OBJECT
private slots:
    void pageBreaks_data();
    void pageBreaks();
    void pageNumberFromTheMiddle();
};

void PrintedPagesTest::pageBreaks_data()
{
    QTest::addColumn<double>("pageHeight");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<QStringList>>("pages");
    // Line height 4 mm: a line goes to a new page when its bottom would reach the page height.
    QTest::newRow("nothing printed") << 40.0 << 0 << QList<QStringList>{{}};
    QTest::newRow("page full, no page for the number alone") << 40.0 << 9 << QList<QStringList>{numbered(1, 9)};
    QTest::newRow("tenth line on page 2") << 40.0 << 10
                                          << QList<QStringList>{numbered(1, 9), {QStringLiteral("2"), "L10"}};
    QTest::newRow("a little room left is not a line") << 41.0 << 11
                                                      << QList<QStringList>{numbered(1, 10), {"2", "L11"}};
    QTest::newRow("pages 2 and 3 carry their numbers")
        << 20.0 << 10
        << QList<QStringList>{numbered(1, 4), QStringList{"2"} + numbered(5, 7), QStringList{"3"} + numbered(8, 10)};
    QTest::newRow("line taller than the page") << 3.0 << 2 << QList<QStringList>{{"L1"}, {"2", "L2"}};
}

void PrintedPagesTest::pageBreaks()
{
    QFETCH(double, pageHeight);
    QFETCH(int, lines);
    QFETCH(QList<QStringList>, pages);
    PageComposer composer(PageMetrics{180, pageHeight, 4});
    composer.addLines(numbered(1, lines));
    QList<QStringList> result;
    for (const PrintedPage &page : composer.pages())
        result.append(texts(page));
    QCOMPARE(result, pages);
}

void PrintedPagesTest::pageNumberFromTheMiddle()
{
    PageComposer composer(PageMetrics{190, 8, 4});
    composer.addLines({QStringLiteral("A"), QStringLiteral("B")});
    QCOMPARE(composer.pages().size(), size_t(2));
    QCOMPARE(composer.pages()[0], (PrintedPage{{QStringLiteral("A"), 0}}));
    QCOMPARE(composer.pages()[1], (PrintedPage{{QStringLiteral("2"), 95}, {QStringLiteral("B"), 0}}));
}

QTEST_GUILESS_MAIN(PrintedPagesTest)
#include "tst_printedpages.moc"
