#include "editorfixture.h"
#include "pdftext.h"
#include "programtextarea.h"

#include <QPrinter>
#include <QTest>

namespace {

const QByteArray kProgram = "%\r\nO0001 (FLANGIA)\r\nG00 X0\r\n(FINE)\r\nM30\r\n";

// An editor window on program 1 whose prints go to a PDF file.
struct PrintFixture : EditorFixture {
    QString pdf = temp.path(QStringLiteral("print.pdf"));
    frmNotePad *editor;

    PrintFixture(const QByteArray &text = kProgram)
    {
        temp.writeProgramText(1, text);
        editor = open(1);
        dialogs.printerChoice = [this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        };
    }
    void print(const char *entry, bool accepted = true)
    {
        dialogs.printerAnswers.enqueue(accepted);
        trigger(editor, entry);
    }
    QList<QStringList> pages(int pointSize = 10) const { return pdfPages(pdf, monospaceWidth(pointSize)); }
};

const QStringList kHeader{QStringLiteral("Progressivo: 0000001"), QStringLiteral("Cliente    : ROSSI"),
                          QStringLiteral("Disegno    : 471"), QStringLiteral("Descrizione: FLANGIA"), QString()};

} // namespace

class EditorPrintingTest : public QObject {
    Q_OBJECT
private slots:
    void threeModes_data();
    void threeModes();
    void selectionOnly();
    void recordMissing();
    void longTextBreaksIntoNumberedPages();
    void cancelledDialogPrintsNothing();
    void printerFontSize_data();
    void printerFontSize();
    void printerFailureReported();
};

void EditorPrintingTest::threeModes_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("Stampa intestazioni") << QStringLiteral("intestazioni") << kHeader;
    QTest::newRow("Stampa Completa") << QStringLiteral("completa")
                                     << kHeader + QStringList{"Testo del ciclo:", "%", "O0001 (FLANGIA)", "G00 X0",
                                                              "(FINE)", "M30"};
    QTest::newRow("Stampa Commenti") << QStringLiteral("Commenti")
                                     << kHeader + QStringList{"Testo del ciclo:", "O0001 (FLANGIA)", "(FINE)"};
}

void EditorPrintingTest::threeModes()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, lines);
    PrintFixture f;
    const QDateTime before = QDateTime::currentDateTime();
    f.print(entry.toLatin1().constData());
    const QDateTime after = QDateTime::currentDateTime();
    const QList<QStringList> pages = f.pages();
    QCOMPARE(pages.size(), 1);
    const QString format = QStringLiteral("dd/MM/yy    hh:mm");
    QVERIFY2(pages[0][0] == before.toString(format) || pages[0][0] == after.toString(format), qPrintable(pages[0][0]));
    QStringList printed = pages[0].mid(1);
    // The empty line that ends the header is the last one when nothing follows it.
    if (printed.size() < lines.size())
        printed.append(QString());
    QCOMPARE(printed, lines);
    QVERIFY(f.dialogs.messageTexts().isEmpty());
}

void EditorPrintingTest::selectionOnly()
{
    PrintFixture f;
    f.editor->textArea()->setSelection(20, 12); // "G00 X0\r\n(FIN"
    f.print("completa");
    QCOMPARE(f.pages()[0].mid(6), (QStringList{"Testo del ciclo:", "G00 X0", "(FIN"}));
    QCOMPARE(f.editor->textArea()->selectedBytes(), QByteArray("G00 X0\r\n(FIN"));
}

void EditorPrintingTest::recordMissing()
{
    PrintFixture f;
    f.archive->remove(1);
    f.print("completa");
    QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("Errore fase P")});
    QCOMPARE(f.pages()[0].mid(1, 7), (QStringList{"Progressivo: 0000001", "Cliente    :", "Disegno    :",
                                                   "Descrizione:", "", "Testo del ciclo:", "%"}));
}

void EditorPrintingTest::longTextBreaksIntoNumberedPages()
{
    QByteArray text;
    for (int i = 1; i <= 200; ++i)
        text += "N" + QByteArray::number(i * 10) + " G01 X" + QByteArray::number(i) + "\r\n";
    PrintFixture f(text);
    f.print("completa");
    const QList<QStringList> pages = f.pages();
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    QStringList printed = pages[0].mid(7);
    QVERIFY(pages[0][6] == QStringLiteral("Testo del ciclo:"));
    for (int page = 1; page < pages.size(); ++page) {
        const QString number = QString::number(page + 1);
        QCOMPARE(pages[page][0].trimmed(), number);
        QVERIFY2(pages[page][0].indexOf(number) > 40, qPrintable(pages[page][0]));
        printed += pages[page].mid(1);
    }
    QCOMPARE(printed.size(), 200);
    QCOMPARE(printed.first(), QStringLiteral("N10 G01 X1"));
    QCOMPARE(printed.last(), QStringLiteral("N2000 G01 X200"));
    for (int i = 1; i <= 200; ++i)
        QCOMPARE(printed[i - 1], QStringLiteral("N%1 G01 X%2").arg(i * 10).arg(i));
}

void EditorPrintingTest::cancelledDialogPrintsNothing()
{
    PrintFixture f;
    f.print("completa", false);
    QVERIFY(!QFile::exists(f.pdf));
    QCOMPARE(f.dialogs.shown.size(), 1);
}

void EditorPrintingTest::printerFontSize_data()
{
    QTest::addColumn<int>("printCharSize");
    QTest::addColumn<int>("printedSize");
    QTest::newRow("12") << 12 << 12;
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("0 is no font size: the default") << 0 << 10;
}

void EditorPrintingTest::printerFontSize()
{
    QFETCH(int, printCharSize);
    QFETCH(int, printedSize);
    PrintFixture f;
    f.session.printCharSize = printCharSize;
    f.print("intestazioni");
    // Read back at the pitch of the printed size, the blanks of the labels come out as printed.
    QCOMPARE(f.pages(printedSize)[0].mid(1), kHeader.mid(0, 4));
}

void EditorPrintingTest::printerFailureReported()
{
    PrintFixture f;
    f.pdf = f.temp.path(QStringLiteral("missing/print.pdf"));
    f.print("completa");
    QCOMPARE(f.dialogs.messageTexts(), QStringList{QStringLiteral("Stampa non riuscita")});
}

QTEST_MAIN(EditorPrintingTest)
#include "tst_editorprinting.moc"
