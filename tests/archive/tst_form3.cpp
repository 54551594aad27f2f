#include "archivestore.h"
#include "form3.h"
#include "pdftext.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "testrecords.h"

#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// The list window over an archive of five programs, printing to a PDF file.
struct Fixture {
    TempProgramFolder temp;
    std::unique_ptr<ArchiveStore> archive = temp.openArchive();
    ScriptedDialogs dialogs;
    int printCharSize = 10;
    QString pdf = temp.path(QStringLiteral("list.pdf"));
    Form3 window{*archive, printCharSize, dialogs};

    Fixture()
    {
        archive->add(archiveRecord(1, QStringLiteral("ROSSI"), QStringLiteral("B-2"), QStringLiteral("FLANGIA")));
        archive->add(archiveRecord(2, QStringLiteral("ROSSI"), QStringLiteral("A-1"), QStringLiteral("ZOCCOLO")));
        archive->add(archiveRecord(3, QStringLiteral("BIANCHI"), QStringLiteral("C-3"), QStringLiteral("ALBERO")));
        archive->add(archiveRecord(4, QStringLiteral("."), QStringLiteral("A-0"), QStringLiteral("NASCOSTO")));
        archive->add(archiveRecord(42, QStringLiteral("ROSSINI"), QStringLiteral("A-2"), QStringLiteral("BOCCOLA")));
        dialogs.printerChoice = [this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        };
        window.show();
    }
    void print(const QString &customer, int order = 0, bool accepted = true)
    {
        window.findChild<QRadioButton *>(QStringLiteral("SSOption1_%1").arg(order))->click();
        auto *text1 = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
        text1->clear();
        QTest::keyClicks(text1, customer);
        dialogs.printerAnswers.enqueue(accepted);
        window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    }
    // The printed lines after the title and its empty lines.
    QStringList programLines()
    {
        const QList<QStringList> pages = pdfPages(pdf, monospaceWidth(printCharSize));
        return pages.isEmpty() ? QStringList() : pages.first().mid(3);
    }
};

} // namespace

class Form3Test : public QObject {
    Q_OBJECT
private slots:
    void controlsAsOpened();
    void customerAndOrder_data();
    void customerAndOrder();
    void printedLinesAndTitle();
    void nothingMatchedPrintsTitlePage();
    void cancelledPrintDialogKeepsWindow();
    void charSizeRaisedForTheRun_data();
    void charSizeRaisedForTheRun();
    void longListNumbersPages();
    void printerFailureReported();
    void cancelAndHelp();
};

void Form3Test::controlsAsOpened()
{
    Fixture f;
    const auto option = [&f](int index) {
        return f.window.findChild<QRadioButton *>(QStringLiteral("SSOption1_%1").arg(index));
    };
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Stampa lista dei cicli"));
    QVERIFY(option(0)->isChecked());
    QCOMPARE(option(0)->text(), QStringLiteral("Cliente+disegno"));
    QCOMPARE(option(1)->text(), QStringLiteral("Cliente+descrizione"));
    QCOMPARE(option(2)->text(), QStringLiteral("Disegno+cliente"));
    QCOMPARE(f.window.findChild<QPushButton *>(QStringLiteral("Command1"))->text(), QStringLiteral("Stampa"));
    QCOMPARE(f.window.findChild<QPushButton *>(QStringLiteral("Command2"))->text(), QStringLiteral("Annulla"));
}

void Form3Test::customerAndOrder_data()
{
    QTest::addColumn<QString>("customer");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("empty box: all but customer \".\"") << QString() << 0 << QStringList{"3", "2", "1", "42"};
    QTest::newRow("prefix without star") << QStringLiteral("ROSSI") << 0 << QStringList{"2", "1", "42"};
    QTest::newRow("prefix with star") << QStringLiteral("ROSSI*") << 0 << QStringList{"2", "1", "42"};
    QTest::newRow("customer \".\" asked for") << QStringLiteral(".") << 0 << QStringList{};
    QTest::newRow("customer+description") << QString() << 1 << QStringList{"3", "1", "2", "42"};
    QTest::newRow("drawing+customer") << QString() << 2 << QStringList{"2", "42", "1", "3"};
}

void Form3Test::customerAndOrder()
{
    QFETCH(QString, customer);
    QFETCH(int, order);
    QFETCH(QStringList, numbers);
    Fixture f;
    f.print(customer, order);
    QStringList printed;
    for (const QString &line : f.programLines())
        printed.append(line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty));
    QCOMPARE(printed, numbers);
    QVERIFY(!f.window.isVisible());
}

void Form3Test::printedLinesAndTitle()
{
    Fixture f;
    const QDateTime before = QDateTime::currentDateTime();
    f.print(QStringLiteral("ROSSIN"));
    const QDateTime after = QDateTime::currentDateTime();
    const QList<QStringList> pages = pdfPages(f.pdf, monospaceWidth(f.printCharSize));
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].size(), 4);
    const QString title = QStringLiteral("Lista cicli           ");
    const QString format = QStringLiteral("dd/MM/yy  hh:mm");
    const QStringList titles{title + before.toString(format), title + after.toString(format)};
    QVERIFY2(titles.contains(pages[0][0]), qPrintable(pages[0][0]));
    QCOMPARE(pages[0][1], QString());
    QCOMPARE(pages[0][2], QString());
    QCOMPARE(pages[0][3], QStringLiteral("    42 ROSSINI") + QString(28, ' ') + QStringLiteral("A-2") + QString(21, ' ')
                              + QStringLiteral("BOCCOLA"));
    QVERIFY(f.dialogs.messageTexts().isEmpty());
}

void Form3Test::nothingMatchedPrintsTitlePage()
{
    Fixture f;
    f.print(QStringLiteral("VERDI"));
    QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("Non stampato nulla")});
    const QList<QStringList> pages = pdfPages(f.pdf, monospaceWidth(f.printCharSize));
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].size(), 1);
    QVERIFY(pages[0][0].startsWith(QStringLiteral("Lista cicli           ")));
    QVERIFY(!f.window.isVisible());
}

void Form3Test::cancelledPrintDialogKeepsWindow()
{
    Fixture f;
    f.printCharSize = 8;
    f.print(QString(), 0, false);
    QVERIFY(f.window.isVisible());
    QVERIFY(!QFile::exists(f.pdf));
    QCOMPARE(f.printCharSize, 8);
    QVERIFY(f.dialogs.messageTexts().isEmpty());
}

void Form3Test::charSizeRaisedForTheRun_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("8 prints at 10 and stays 10") << 8 << 10;
    QTest::newRow("12 prints at 12") << 12 << 12;
}

void Form3Test::charSizeRaisedForTheRun()
{
    QFETCH(int, before);
    QFETCH(int, after);
    Fixture f;
    f.printCharSize = before;
    f.print(QStringLiteral("BIANCHI"));
    QCOMPARE(f.printCharSize, after);
    // Read back at the pitch of that size, the columns come out as printed.
    QCOMPARE(f.programLines(), QStringList{QStringLiteral("     3 BIANCHI") + QString(28, ' ') + QStringLiteral("C-3")
                                           + QString(21, ' ') + QStringLiteral("ALBERO")});
}

void Form3Test::longListNumbersPages()
{
    Fixture f;
    for (int i = 100; i < 260; ++i)
        f.archive->add(archiveRecord(i, QStringLiteral("VERDI"), QStringLiteral("D%1").arg(i), QStringLiteral("X")));
    f.print(QStringLiteral("VERDI"));
    const QList<QStringList> pages = pdfPages(f.pdf, monospaceWidth(f.printCharSize));
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    QStringList numbers;
    for (int page = 0; page < pages.size(); ++page) {
        QStringList lines = pages[page];
        if (page == 0) {
            QVERIFY(lines[0].startsWith(QStringLiteral("Lista cicli")));
            lines = lines.mid(3);
        } else {
            // The page number starts from the middle of the line.
            QCOMPARE(lines[0].trimmed(), QString::number(page + 1));
            QVERIFY2(lines[0].indexOf(QString::number(page + 1)) > 40, qPrintable(lines[0]));
            lines = lines.mid(1);
        }
        for (const QString &line : lines)
            numbers.append(line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty));
    }
    QStringList expected;
    for (int i = 100; i < 260; ++i)
        expected.append(QString::number(i));
    QCOMPARE(numbers, expected);
}

void Form3Test::printerFailureReported()
{
    Fixture f;
    f.pdf = f.temp.path(QStringLiteral("missing/list.pdf"));
    f.print(QString());
    QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("Stampa non riuscita")});
    QCOMPARE(f.dialogs.shown.last().icon, Dialogs::Icon::Exclamation);
    QVERIFY(!f.window.isVisible());
}

void Form3Test::cancelAndHelp()
{
    Fixture f;
    f.window.findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, ScriptedDialogs::Kind::Help);
    QCOMPARE(f.dialogs.shown[0].helpContext, 103);
    QVERIFY(f.window.isVisible());
    f.window.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.window.result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(f.pdf));
}

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
