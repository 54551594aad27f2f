#include "archivestore.h"
#include "form1.h"
#include "formaint.h"
#include "frmcliente.h"
#include "memorytransferlog.h"
#include "programtextarea.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

// The window of files received by DNC, on a program folder whose archive's highest number is 57.

namespace {

QByteArray bytesOf(const QString &path)
{
    return TextFile::read(path).value_or(QByteArray("(missing)"));
}

struct Received {
    TempProgramFolder temp;
    std::unique_ptr<ArchiveStore> archive = temp.openArchive();
    ScriptedDialogs dialogs;

    Received()
    {
        archive->add({42, QStringLiteral("ROSSI"), QStringLiteral("D-42"), QStringLiteral("FLANGIA"), {}, {}});
        archive->add({57, QStringLiteral("ROSSI"), QStringLiteral("D-57"), QStringLiteral("ALBERO"), {}, {}});
        temp.writeProgramText(42, "%\r\nO0042 (OLD)\r\nM30\r\n%\r\n");
    }
    QString data(const QString &name) const { return QDir(temp.folder().dataDir()).filePath(name); }
    void receive(const QString &name, const QByteArray &bytes) const { temp.writeFile(QStringLiteral("dati/") + name, bytes); }
};

// The window, shown, with helpers to work it as the user does.
struct Window {
    Received &r;
    Formaint form{*r.archive, r.temp.folder(), r.dialogs};

    explicit Window(Received &received) : r(received) { form.show(); }

    template <typename T = QPushButton>
    T *find(const char *name) const
    {
        T *widget = form.findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            throw std::runtime_error(std::string("no control ") + name);
        return widget;
    }
    QStringList listed() const
    {
        QStringList names;
        for (int row = 0; row < find<QListWidget>("File1")->count(); ++row)
            names.append(find<QListWidget>("File1")->item(row)->text());
        return names;
    }
    void examine(const QString &name) const
    {
        auto *list = find<QListWidget>("File1");
        const auto items = list->findItems(name, Qt::MatchExactly);
        if (items.isEmpty())
            throw std::runtime_error("not listed");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
        find("Command1")->click();
    }
    QByteArray shown() const { return find<ProgramTextArea>("RichTextBox1")->bytes(); }
    bool renameEnabled() const { return find("Command2")->isEnabled(); }
    bool deleteEnabled() const { return find("Command4")->isEnabled(); }
};

} // namespace

class FormaintTest : public QObject {
    Q_OBJECT
private slots:
    void listsReceivedFilesOnly();
    void outReplacesTheArchivedText_data();
    void outReplacesTheArchivedText();
    void newIsTakenIn_data();
    void newIsTakenIn();
    void newBeginsTheRecordWithItsNumber();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void failuresLeaveBothNames_data();
    void failuresLeaveBothNames();
    void renameAndDeleteLogged_data();
    void renameAndDeleteLogged();
};

void FormaintTest::listsReceivedFilesOnly()
{
    Received r;
    for (const char *name : {"OUT0000042", "new0000001", "Err0000003", "P0000057", "outlook.txt", "README"})
        r.receive(QString::fromLatin1(name), "x\r\n");
    Window w(r);
    QCOMPARE(w.form.windowTitle(), QStringLiteral("Gestione file archiviati da DNC ") + QDir::toNativeSeparators(r.temp.folder().dataDir()));
    QCOMPARE(w.listed(), (QStringList{"Err0000003", "new0000001", "OUT0000042", "outlook.txt"}));
    QVERIFY(!w.renameEnabled() && !w.deleteEnabled());

    w.examine(QStringLiteral("Err0000003"));
    QCOMPARE(w.shown(), QByteArray("x\r\n"));
    QVERIFY(!w.renameEnabled() && w.deleteEnabled());
    w.examine(QStringLiteral("new0000001"));
    QVERIFY(w.renameEnabled() && w.deleteEnabled());
    // A click on another name: the view empties and nothing is examined.
    auto *list = w.find<QListWidget>("File1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QCOMPARE(w.shown(), QByteArray());
    QVERIFY(!w.renameEnabled() && !w.deleteEnabled());
    QVERIFY(r.dialogs.shown.isEmpty());
}

void FormaintTest::outReplacesTheArchivedText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("textExists");
    QTest::newRow("OUT over the program's text") << QStringLiteral("OUT0000042") << true;
    QTest::newRow("lower-case out") << QStringLiteral("out0000042") << true;
    QTest::newRow("program without a text yet") << QStringLiteral("OUT0000057") << false;
}

void FormaintTest::outReplacesTheArchivedText()
{
    QFETCH(QString, name);
    QFETCH(bool, textExists);
    Received r;
    const QByteArray received = "%\nO0042 (YYY42)\nG0 X10\nM30\n%\n";
    r.receive(name, received);
    const QString target = r.data(QStringLiteral("P") + name.mid(3));
    QCOMPARE(QFile::exists(target), textExists);
    Window w(r);

    w.examine(name);
    w.find("Command2")->click();

    QCOMPARE(bytesOf(target), received);
    QVERIFY(!QFile::exists(r.data(name)));
    QVERIFY(w.listed().isEmpty());
    QCOMPARE(w.shown(), QByteArray());
    QVERIFY(!w.renameEnabled() && !w.deleteEnabled());
    QVERIFY(w.form.isVisible());
    QVERIFY(r.dialogs.shown.isEmpty());
}

void FormaintTest::newIsTakenIn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QByteArray>("archived");
    QTest::newRow("marker gets the number, CR LF lines")
        << QStringLiteral("NEW0000001") << QByteArray("%\nO1 (YYY)\nG0 X1 (YYY YYY)\r\nM30\r%")
        << QByteArray("%\r\nO1 (YYY58)\r\nG0 X1 (YYY58 YYY)\r\nM30\r\n%\r\n");
    QTest::newRow("lower-case new, empty lines kept") << QStringLiteral("new0000002") << QByteArray("O1\r\n\r\nM30\r\n")
                                                      << QByteArray("O1\r\n\r\nM30\r\n");
    // A program that went round once already carries an old number: it is replaced, not extended.
    QTest::newRow("old number after the marker") << QStringLiteral("NEW0000003") << QByteArray("O1 (YYY12)\n")
                                                 << QByteArray("O1 (YYY58)\r\n");
}

void FormaintTest::newIsTakenIn()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, received);
    QFETCH(QByteArray, archived);
    Received r;
    r.receive(name, received);
    Window w(r);

    w.examine(name);
    w.find("Command2")->click();

    QCOMPARE(bytesOf(r.data(QStringLiteral("P0000058"))), archived);
    QVERIFY(!QFile::exists(r.data(name)));
    QCOMPARE(w.form.newProgram(), std::optional<qint32>(58));
    QCOMPARE(w.form.result(), int(QDialog::Accepted));
    QVERIFY(!w.form.isVisible());
    // The number is held in the archive for the record the browser begins.
    QVERIFY(r.archive->contains(58));
    QCOMPARE(r.archive->numberAfterLast(), 59);
    QVERIFY(r.dialogs.shown.isEmpty());
}

void FormaintTest::newBeginsTheRecordWithItsNumber()
{
    Received r;
    r.receive(QStringLiteral("NEW0000001"), "O1 (YYY)\r\n");
    ArchiveChoice choice;
    Form1 browser(*r.archive, r.temp.folder(), r.dialogs, choice);
    browser.show();
    auto *dnc = browser.findChild<QPushButton *>(QStringLiteral("SSCommand12"));
    QVERIFY(dnc->isEnabled());

    bool customerAsked = false;
    QTimer::singleShot(0, &browser, [&] {
        auto *received = browser.findChild<Formaint *>(QStringLiteral("Formaint"));
        QVERIFY(received && received->isVisible());
        auto *list = received->findChild<QListWidget *>(QStringLiteral("File1"));
        list->setCurrentRow(0);
        QTimer::singleShot(0, &browser, [&] {
            auto *customers = browser.findChild<Frmcliente *>(QStringLiteral("Frmcliente"));
            QVERIFY(customers && customers->isVisible());
            customerAsked = true;
            QTest::keyClicks(customers->findChild<QLineEdit *>(QStringLiteral("Text1")), QStringLiteral("VERDI"));
            customers->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        });
        received->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        received->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    });
    dnc->click();

    QVERIFY(customerAsked);
    QCOMPARE(browser.findChild<QLineEdit *>(QStringLiteral("Text6"))->text(), QStringLiteral("58"));
    QCOMPARE(browser.findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("58"));
    QCOMPARE(browser.findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), QStringLiteral("VERDI"));
    QVERIFY(!dnc->isEnabled());
    QTest::keyClicks(browser.findChild<QLineEdit *>(QStringLiteral("Text2")), QStringLiteral("D-58"));
    QTest::keyClicks(browser.findChild<QLineEdit *>(QStringLiteral("Text3")), QStringLiteral("PERNO"));
    browser.findChild<QPushButton *>(QStringLiteral("SSCommand8"))->click();

    const auto saved = r.archive->seek(58);
    QVERIFY(saved);
    QCOMPARE(saved->cliente, QStringLiteral("VERDI"));
    QCOMPARE(saved->disegno, QStringLiteral("D-58"));
    QCOMPARE(bytesOf(r.data(QStringLiteral("P0000058"))), QByteArray("O1 (YYY58)\r\n"));
    QVERIFY(dnc->isEnabled());
    QVERIFY(r.dialogs.shown.isEmpty());
}

void FormaintTest::deleteAsksFirst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Dialogs::Button>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("ERR, Yes") << QStringLiteral("ERR0000001") << Dialogs::Button::Yes << true;
    QTest::newRow("lower-case err, Yes") << QStringLiteral("err0000002") << Dialogs::Button::Yes << true;
    QTest::newRow("OUT, No") << QStringLiteral("OUT0000042") << Dialogs::Button::No << false;
}

void FormaintTest::deleteAsksFirst()
{
    QFETCH(QString, name);
    QFETCH(Dialogs::Button, answer);
    QFETCH(bool, deleted);
    Received r;
    r.receive(name, "Errore di framing\r\n");
    Window w(r);
    w.examine(name);
    r.dialogs.questionAnswers.enqueue(answer);

    w.find("Command4")->click();

    QCOMPARE(r.dialogs.shown.size(), 1);
    QCOMPARE(r.dialogs.shown.first().text, QStringLiteral("Cancello il ciclo"));
    QCOMPARE(r.dialogs.shown.first().title, QStringLiteral("Cancellazione richiesta"));
    QCOMPARE(r.dialogs.shown.first().buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(QFile::exists(r.data(name)), !deleted);
    QCOMPARE(w.listed().isEmpty(), deleted);
    QCOMPARE(w.deleteEnabled(), !deleted);
    QCOMPARE(bytesOf(r.data(QStringLiteral("P0000042"))), QByteArray("%\r\nO0042 (OLD)\r\nM30\r\n%\r\n"));
}

void FormaintTest::failuresLeaveBothNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("obstacle");   // what stands in the way
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");    // the start of what the user is told
    QTest::newRow("OUT onto a folder in use") << QStringLiteral("OUT0000042") << QStringLiteral("folder P0000042")
                                              << QStringLiteral("Command2")
                                              << QStringLiteral("Impossibile rinominare OUT0000042 in P0000042: ");
    QTest::newRow("NEW onto a text without a row") << QStringLiteral("NEW0000001") << QStringLiteral("text P0000058")
                                                   << QStringLiteral("Command2")
                                                   << QStringLiteral("Impossibile copiare NEW0000001 in P0000058: ");
    QTest::newRow("OUT removed meanwhile") << QStringLiteral("OUT0000042") << QStringLiteral("gone")
                                           << QStringLiteral("Command2")
                                           << QStringLiteral("Impossibile rinominare OUT0000042 in P0000042: ");
    QTest::newRow("NEW removed meanwhile") << QStringLiteral("NEW0000001") << QStringLiteral("gone")
                                           << QStringLiteral("Command2")
                                           << QStringLiteral("Impossibile leggere NEW0000001: ");
    QTest::newRow("ERR removed meanwhile, Cancella") << QStringLiteral("ERR0000001") << QStringLiteral("gone")
                                                     << QStringLiteral("Command4")
                                                     << QStringLiteral("Impossibile cancellare ERR0000001: ");
    QTest::newRow("OUT without the archive number") << QStringLiteral("OUT42") << QString()
                                                     << QStringLiteral("Command2")
                                                     << QStringLiteral("OUT42: dopo OUT il nome non ha le sette cifre");
}

void FormaintTest::failuresLeaveBothNames()
{
    QFETCH(QString, name);
    QFETCH(QString, obstacle);
    QFETCH(QString, command);
    QFETCH(QString, message);
    Received r;
    r.receive(name, "O1 (YYY)\r\n");
    if (obstacle == u"folder P0000042") {
        QFile::remove(r.data(QStringLiteral("P0000042")));
        r.receive(QStringLiteral("P0000042/busy"), "x");
    } else if (obstacle == u"text P0000058") {
        r.temp.writeProgramText(58, "an orphan text\r\n");
    }
    Window w(r);
    w.examine(name);
    if (obstacle == u"gone")
        QFile::remove(r.data(name));
    r.dialogs.questionAnswers.enqueue(Dialogs::Button::Yes);
    const QStringList before = QDir(r.temp.folder().dataDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    w.find(command.toLatin1().constData())->click();

    QVERIFY2(r.dialogs.messageTexts().size() == 1 && r.dialogs.messageTexts().first().startsWith(message),
             qPrintable(r.dialogs.texts().join(u'|')));
    QCOMPARE(r.dialogs.shown.last().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(QDir(r.temp.folder().dataDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    if (obstacle == u"text P0000058")
        QCOMPARE(bytesOf(r.data(QStringLiteral("P0000058"))), QByteArray("an orphan text\r\n"));
    QVERIFY(!r.archive->contains(58));
    QVERIFY(w.form.isVisible());
    QVERIFY(!w.form.newProgram());
}

void FormaintTest::renameAndDeleteLogged_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("answer"); // to the delete's question
    QTest::addColumn<QStringList>("logged");
    QTest::addColumn<int>("program"); // the row's archive number
    const int yes = int(Dialogs::Button::Yes);
    QTest::newRow("OUT renamed") << QStringLiteral("OUT0000042") << QByteArray("Command2") << yes
                                 << QStringList{"DNC Rinomina  42 29 riuscito"} << 42;
    QTest::newRow("NEW taken in as 58") << QStringLiteral("NEW0000001") << QByteArray("Command2") << yes
                                        << QStringList{"DNC Rinomina  42 34 riuscito"} << 58;
    QTest::newRow("OUT deleted") << QStringLiteral("OUT0000042") << QByteArray("Command4") << yes
                                 << QStringList{"DNC Cancella  42 29 riuscito"} << 42;
    QTest::newRow("delete, No") << QStringLiteral("OUT0000042") << QByteArray("Command4") << int(Dialogs::Button::No)
                                << QStringList{} << 0;
}

void FormaintTest::renameAndDeleteLogged()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, button);
    QFETCH(int, answer);
    QFETCH(int, program);
    Received r;
    r.receive(name, "%\nO0042 (YYY42)\nG0 X10\nM30\n%\n");
    MemoryTransferLog log;
    TransferJournal journal(&log, [](const QString &text) { QFAIL(qPrintable(text)); });
    Window w(r);
    w.form.setTransferJournal(&journal);
    w.examine(name);
    r.dialogs.questionAnswers.enqueue(Dialogs::Button(answer));
    w.find(button.constData())->click();
    QTEST(log.summary(), "logged");
    if (!log.rows.empty()) {
        QCOMPARE(log.rows.front().archiveProgram, std::optional<qint32>(program));
        QCOMPARE(log.rows.front().fileName, name);
    }
}

QTEST_MAIN(FormaintTest)
#include "tst_formaint.moc"
