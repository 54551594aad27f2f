#include "programlistprint.h"
#include "testrecords.h"

#include <QTest>

namespace {

const QDateTime kNow(QDate(2024, 3, 7), QTime(9, 5));

} // namespace

class ProgramListPrintTest : public QObject {
    Q_OBJECT
private slots:
    void customerPattern_data();
    void customerPattern();
    void programLine_data();
    void programLine();
    void titleAndEmptyLines();
};

void ProgramListPrintTest::customerPattern_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("empty: every customer") << QString() << QStringLiteral("*");
    QTest::newRow("blanks only") << QStringLiteral("   ") << QStringLiteral("*");
    QTest::newRow("prefix gets a star") << QStringLiteral(" ROSSI ") << QStringLiteral("ROSSI*");
    QTest::newRow("final star kept once") << QStringLiteral("ROSSI*") << QStringLiteral("ROSSI*");
    QTest::newRow("inner star kept") << QStringLiteral("RO*I") << QStringLiteral("RO*I*");
}

void ProgramListPrintTest::customerPattern()
{
    QFETCH(QString, typed);
    QFETCH(QString, pattern);
    QCOMPARE(ProgramListPrint::customerPattern(typed), pattern);
}

void ProgramListPrintTest::programLine_data()
{
    QTest::addColumn<ArchiveRecord>("record");
    QTest::addColumn<QString>("line");
    QTest::newRow("42, short drawing: description 25 after the drawing column")
        << archiveRecord(42, QStringLiteral("ROSSI"), QStringLiteral("A471"), QStringLiteral("FLANGIA"))
        << QStringLiteral("    42 ROSSI") + QString(30, ' ') + QStringLiteral("A471") + QString(21, ' ')
               + QStringLiteral("FLANGIA");
    QTest::newRow("12-character drawing padded to 31")
        << archiveRecord(7, QStringLiteral("BIANCHI"), QStringLiteral("12-4410-A/03"), QStringLiteral("PIASTRA"))
        << QStringLiteral("     7 BIANCHI") + QString(28, ' ') + QStringLiteral("12-4410-A/03") + QString(19, ' ')
               + QStringLiteral("PIASTRA");
    QTest::newRow("long customer cut to 21, long drawing cut to 31")
        << archiveRecord(123456, QStringLiteral("OFFICINE MECCANICHE ROSSI"), QString(40, 'D'), QStringLiteral("X"))
        << QStringLiteral("123456 OFFICINE MECCANICHE R") + QString(14, ' ') + QString(31, 'D') + QStringLiteral("X");
    QTest::newRow("seven digits keep the drawing column")
        << archiveRecord(1234567, QStringLiteral("ROSSI"), QStringLiteral("B"), QStringLiteral("Y"))
        << QStringLiteral("1234567 ROSSI") + QString(29, ' ') + QStringLiteral("B") + QString(21, ' ')
               + QStringLiteral("Y");
    QTest::newRow("empty fields") << archiveRecord(1, QString(), QString(), QString())
                                  << QStringLiteral("     1") + QString(36, ' ') + QString(21, ' ');
}

void ProgramListPrintTest::programLine()
{
    QFETCH(ArchiveRecord, record);
    QFETCH(QString, line);
    QCOMPARE(ProgramListPrint::programLine(record), line);
}

void ProgramListPrintTest::titleAndEmptyLines()
{
    const PageMetrics a4{190, 277, 4.2};
    const ProgramListPrint::Listing none = ProgramListPrint::compose({}, kNow, a4);
    QVERIFY(none.empty);
    QCOMPARE(none.pages.size(), size_t(1));
    const PrintedLine title{QStringLiteral("Lista cicli           07/03/24  09:05"), 0};
    QCOMPARE(none.pages[0], (PrintedPage{title, {QString(), 0}}));

    const ProgramListPrint::Listing one =
        ProgramListPrint::compose({archiveRecord(42, QStringLiteral("ROSSI"), QStringLiteral("A"), QStringLiteral("B"))},
                                  kNow, a4);
    QVERIFY(!one.empty);
    QCOMPARE(one.pages[0].size(), 4);
    QCOMPARE(one.pages[0][1].text, QString());
    QCOMPARE(one.pages[0][2].text, QString());
    QVERIFY(one.pages[0][3].text.startsWith(QStringLiteral("    42 ROSSI")));
}

QTEST_GUILESS_MAIN(ProgramListPrintTest)
#include "tst_programlistprint.moc"
