#include "configscrn.h"
#include "fakeserialport.h"
#include "programtextarea.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "xform1.h"
#include "xform2.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray Machines = " 0 \r\n"
                            "\"TORNIO\",1,\"9600,N,8,1\",0,\"\",\"\",1\r\n"
                            "\"CNC ETH\",0,\"192.168.1.10:8193,\",0,\"\",\"\",0\r\n"
                            "\"FRESA\",4,\"9600,N,8,1\",0,\"\",\"\",1\r\n";

// Picks a row in the next machine choice and presses "Ok ".
void answerMachineChoice(int row)
{
    QTimer::singleShot(0, [row] {
        QWidget *choice = QApplication::activeModalWidget();
        QVERIFY(choice && choice->objectName() == u"xForm3");
        choice->findChild<QListWidget *>(QStringLiteral("List1"))->setCurrentRow(row);
        choice->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
}

struct Fixture {
    Fixture()
    {
        temp.writeFile(QStringLiteral("cncsett.dat"), Machines);
        auto fake = std::make_unique<FakeSerialPort>();
        port = fake.get();
        window = new xForm1(machines, temp.folder(), dialogs, std::move(fake));
        port->calls.clear();
        closed = std::make_unique<QSignalSpy>(window.data(), &xForm1::closedToMainWindow);
    }
    ~Fixture() { delete window; }

    void openFromEditor(const QByteArray &text)
    {
        window->openFor(text, [this](const QByteArray &received) { handedBack.append(received); }, false);
    }
    QAction *action(const char *name) const { return window->findChild<QAction *>(QString::fromLatin1(name)); }
    template <typename T> T *child(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    ProgramTextArea *term() const { return child<ProgramTextArea>("term"); }
    xForm2 *progress() const { return window->findChild<xForm2 *>(); }

    TempProgramFolder temp{TempProgramFolder::Content::Empty};
    MachineState machines;
    ScriptedDialogs dialogs;
    FakeSerialPort *port = nullptr;
    QPointer<xForm1> window;
    std::unique_ptr<QSignalSpy> closed;
    QList<QByteArray> handedBack;
};

} // namespace

class xForm1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void menusAndControls();
    void waysIn_data();
    void waysIn();
    void typingChangesNothing();
    void receptionFromAnEditor_data();
    void receptionFromAnEditor();
    void closingByTheFrameDuringAReception();
    void leavingWithoutReceptionAsksNothing();
    void sendWithTheProgressDialog();
    void deviceGoneDuringATransfer_data();
    void deviceGoneDuringATransfer();
    void ethernetMachineOpensTheEthernetWindow();
    void loadAndSave();
    void statusLineHelpAndSettings();
};

void xForm1Test::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void xForm1Test::menusAndControls()
{
    Fixture f;
    f.window->openFromMainWindow();
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Terminale di comunicazione TRUV"));
    const QList<std::tuple<const char *, QString, QKeySequence>> entries{
        {"MSendText", "&Trasmetti il programma al C.N. ...", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {"MReceiveText", "&Ricevi il programma dal C.N.", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"carica", "&Carica", {}},
        {"Salva", "&Salva", {}},
        {"MSettings", "&Impostazioni...", {}},
        {"MFileExit", "&Torna window principale.", {}},
        {"hlp", "&?", {}},
    };
    for (const auto &[name, caption, shortcut] : entries) {
        QAction *entry = f.action(name);
        QVERIFY2(entry, name);
        QCOMPARE(entry->text(), caption);
        QCOMPARE(entry->shortcut(), shortcut);
    }
    QVERIFY(f.action("Bar2")->isSeparator());
    QVERIFY(f.action("file")->isSeparator());
    QCOMPARE(f.child<QMenu>("MFile")->title(), QStringLiteral("&Rice-Trasmissione"));
    QCOMPARE(f.child<QMenu>("MPort")->title(), QStringLiteral("&Parametri di comunicazione"));
    QCOMPARE(f.window->menuBar()->actions().size(), 4);
    QCOMPARE(f.child<QLabel>("Label2")->text(), QStringLiteral("Stato - "));
    QVERIFY(f.child<QLabel>("Label1")->text().isEmpty());

    auto *list = f.child<QListWidget>("List1");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(2)->text(), QStringLiteral("FRESA"));

    // The text area follows the window.
    f.window->resize(800, 600);
    QTRY_COMPARE(f.term()->width(), f.window->centralWidget()->width() - 100 * f.window->logicalDpiX() / 1440);
    QCOMPARE(f.term()->height(), f.window->centralWidget()->height() - 1000 * f.window->logicalDpiX() / 1440);
    QCOMPARE(f.child<QFrame>("Line1")->width(), f.window->centralWidget()->width());
}

void xForm1Test::waysIn_data()
{
    QTest::addColumn<bool>("fromEditor");
    QTest::newRow("main window") << false;
    QTest::newRow("editor window") << true;
}

void xForm1Test::waysIn()
{
    QFETCH(bool, fromEditor);
    Fixture f;
    const QByteArray text("%\r\nO0001\r\nG1 X1\r\n%\r\n");
    if (fromEditor)
        f.openFromEditor(text);
    else
        f.window->openFromMainWindow();
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.term()->bytes(), fromEditor ? text : QByteArray());
    QCOMPARE(f.window->text(), f.term()->bytes());
    QCOMPARE(f.action("carica")->isEnabled(), !fromEditor);
    QCOMPARE(f.action("Salva")->isEnabled(), !fromEditor);
    QVERIFY(f.action("MSendText")->isEnabled());
}

void xForm1Test::typingChangesNothing()
{
    Fixture f;
    f.openFromEditor("G1 X1\r\n");
    f.term()->setFocus();
    QTest::keyClicks(f.term(), "ABC");
    QTest::keyClick(f.term(), Qt::Key_Backspace);
    QTest::keyClick(f.term(), Qt::Key_Delete);
    QTest::keyClick(f.term(), Qt::Key_Return);
    QTest::keyClick(f.term(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.term()->bytes(), QByteArray("G1 X1\r\n"));
}

void xForm1Test::receptionFromAnEditor_data()
{
    QTest::addColumn<Dialogs::Button>("answer");
    QTest::addColumn<QList<QByteArray>>("handedBack");
    QTest::newRow("Yes puts it into the editor") << Dialogs::Button::Yes << QList<QByteArray>{"%\nO9\nM30\n%"};
    QTest::newRow("No leaves the editor alone") << Dialogs::Button::No << QList<QByteArray>{};
}

void xForm1Test::receptionFromAnEditor()
{
    QFETCH(Dialogs::Button, answer);
    QFETCH(QList<QByteArray>, handedBack);
    Fixture f;
    f.openFromEditor("G1 X1\r\n");
    answerMachineChoice(0);
    f.action("MReceiveText")->trigger();
    xForm2 *progress = f.progress();
    QVERIFY(progress && progress->isVisible());
    QCOMPARE(progress->windowTitle(), QStringLiteral("Ricetrasmissione  0 Com1"));
    QCOMPARE(progress->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Ricezione in corso - "));
    // The terminal was emptied for the program to come; no second transfer meanwhile.
    QVERIFY(f.term()->bytes().isEmpty());
    QVERIFY(!f.action("MSendText")->isEnabled());
    QVERIFY(!f.action("MFileExit")->isEnabled());
    f.port->receive("%\r\nO9\r\nM30\r\n%");
    QCOMPARE(progress->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("13"));
    QTest::mouseClick(progress->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QTRY_VERIFY(!f.progress());
    QCOMPARE(f.term()->bytes(), QByteArray("%\nO9\nM30\n%"));
    QVERIFY(!f.port->portOpen());
    QVERIFY(f.action("MFileExit")->isEnabled());
    QVERIFY(!f.action("carica")->isEnabled());

    f.dialogs.clear();
    f.dialogs.questionAnswers.enqueue(answer);
    f.action("MFileExit")->trigger();
    QCOMPARE(f.dialogs.texts(), QStringList{"Salvo i dati ricevuti"});
    QCOMPARE(f.handedBack, handedBack);
    QCOMPARE(f.closed->size(), 1);
    QTRY_VERIFY(f.window.isNull());
}

void xForm1Test::closingByTheFrameDuringAReception()
{
    Fixture f;
    f.openFromEditor({});
    answerMachineChoice(0);
    f.action("MReceiveText")->trigger();
    f.port->receive("G1\r\n");
    f.dialogs.questionAnswers.enqueue(Dialogs::Button::Yes);
    f.window->close();
    QCOMPARE(f.handedBack, QList<QByteArray>{"G1\n"});
    QVERIFY(!f.port->portOpen());
    QCOMPARE(f.closed->size(), 1);
    QTRY_VERIFY(f.window.isNull());
}

void xForm1Test::leavingWithoutReceptionAsksNothing()
{
    for (bool fromEditor : {false, true}) {
        Fixture f;
        if (fromEditor)
            f.openFromEditor("G1\r\n");
        else
            f.window->openFromMainWindow();
        f.action("MFileExit")->trigger();
        QVERIFY(f.dialogs.shown.isEmpty());
        QVERIFY(f.handedBack.isEmpty());
        QCOMPARE(f.closed->size(), 1);
        QTRY_VERIFY(f.window.isNull());
    }
}

void xForm1Test::sendWithTheProgressDialog()
{
    Fixture f;
    f.port->drains = false;
    f.window->openFromMainWindow();
    f.window->setText("%\r\n" + QByteArray(398, 'X') + "\r\n%\r\n");
    answerMachineChoice(2);
    f.action("MSendText")->trigger();
    xForm2 *progress = f.progress();
    QVERIFY(progress && progress->isVisible());
    QCOMPARE(progress->windowTitle(), QStringLiteral("Ricetrasmissione  2 Com4"));
    QCOMPARE(progress->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Trasmissione del ciclo in corso"));
    QCOMPARE(progress->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("180"));
    QVERIFY(progress->findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->isVisible());
    // The terminal shows what is being sent.
    QCOMPARE(f.term()->bytes(), QByteArray(398, 'X') + "\r\n");
    QVERIFY(!f.action("MSendText")->isEnabled());
    QVERIFY(!f.action("carica")->isEnabled());

    f.port->drainNow();
    QTRY_COMPARE(f.port->outputs.size(), 2);
    QTest::mouseClick(progress->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QTRY_VERIFY(!f.progress());
    QCOMPARE(f.port->calls.mid(f.port->calls.size() - 2), (QStringList{"DiscardOutput", "PortOpen=false"}));
    QCOMPARE(f.port->sent.size(), 180);
    QVERIFY(f.action("MSendText")->isEnabled());
    QVERIFY(f.action("carica")->isEnabled());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void xForm1Test::deviceGoneDuringATransfer_data()
{
    QTest::addColumn<bool>("send");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("text");
    const QString gone = QStringLiteral("COM1 (/dev/ttyUSB0): Dispositivo scollegato: Input/output error");
    QTest::newRow("send") << true << gone << QByteArray(398, 'X') + "\r\n";
    QTest::newRow("reception") << false << gone + QStringLiteral("\nRicezione interrotta: 6 caratteri ricevuti.")
                               << QByteArray("G1\nG2");
}

void xForm1Test::deviceGoneDuringATransfer()
{
    // The message comes, the progress dialog goes, the terminal keeps its text and is ready
    // for the next transfer.
    QFETCH(bool, send);
    QFETCH(QString, message);
    QFETCH(QByteArray, text);
    Fixture f;
    f.port->drains = false;
    f.window->openFromMainWindow();
    f.window->setText(QByteArray(398, 'X') + "\r\n");
    answerMachineChoice(0);
    f.action(send ? "MSendText" : "MReceiveText")->trigger();
    QVERIFY(f.progress());
    if (!send)
        f.port->receive("G1\r\nG2");
    f.port->loseLine(QStringLiteral("COM1 (/dev/ttyUSB0): Dispositivo scollegato: Input/output error"));
    QCOMPARE(f.dialogs.messageTexts(), QStringList{message});
    QTRY_VERIFY(!f.progress());
    QCOMPARE(f.term()->bytes(), text);
    for (const char *name : {"MSendText", "MReceiveText", "carica", "Salva", "MFileExit"})
        QVERIFY2(f.action(name)->isEnabled(), name);

    f.dialogs.questionAnswers.enqueue(Dialogs::Button::No);
    f.action("MFileExit")->trigger();
    QCOMPARE(f.dialogs.texts().mid(1), send ? QStringList{} : QStringList{"Salvo i dati ricevuti"});
    QCOMPARE(f.closed->size(), 1);
}

void xForm1Test::ethernetMachineOpensTheEthernetWindow()
{
    Fixture f;
    f.openFromEditor("G1\r\n");
    auto ethernetWindow = [&f] { return f.window->findChild<QWidget *>(QStringLiteral("frmeth")); };
    // Send and receive both go to the Ethernet window; without the maker's library here, it
    // says so and closes by itself.
    for (const char *command : {"MSendText", "MReceiveText"}) {
        answerMachineChoice(1);
        f.action(command)->trigger();
        QVERIFY(ethernetWindow() && ethernetWindow()->isVisible());
        QTRY_VERIFY(!ethernetWindow());
    }
    QCOMPARE(f.dialogs.messageTexts(), (QStringList{"Controllare le DLL", "Controllare le DLL"}));
    QVERIFY(f.port->calls.isEmpty());
    QCOMPARE(f.term()->bytes(), QByteArray("G1\r\n"));
    QVERIFY(!f.progress());
    // A reception went to the Ethernet window: leaving asks about received data.
    f.dialogs.questionAnswers.enqueue(Dialogs::Button::No);
    f.action("MFileExit")->trigger();
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("Salvo i dati ricevuti"));
    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(f.closed->size(), 1);
}

void xForm1Test::loadAndSave()
{
    Fixture f;
    f.window->openFromMainWindow();
    const QByteArray bytes("%\r\nO7\x00\xff\r\n", 9);
    f.temp.writeFile(QStringLiteral("prog.nc"), bytes);
    f.dialogs.fileAnswers.enqueue(f.temp.path(QStringLiteral("prog.nc")));
    f.action("carica")->trigger();
    QCOMPARE(f.term()->bytes(), bytes);

    const QString saved = f.temp.path(QStringLiteral("copia.nc"));
    f.dialogs.fileAnswers.enqueue(saved);
    f.action("Salva")->trigger();
    QCOMPARE(f.dialogs.messageTexts(), QStringList{"Salvato..."});
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QVERIFY(!QApplication::overrideCursor());
}

void xForm1Test::statusLineHelpAndSettings()
{
    Fixture f;
    f.window->openFromMainWindow();
    f.port->raiseEvent(SerialPort::EvDsr);
    QCOMPARE(f.child<QLabel>("Label1")->text(), QStringLiteral("Rilevata modifica in DSR"));
    f.port->raiseEvent(SerialPort::EvRing);
    QCOMPARE(f.child<QLabel>("Label1")->text(), QStringLiteral("Il telefono sta suonando"));

    f.action("hlp")->trigger();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().kind, ScriptedDialogs::Kind::Help);
    QCOMPARE(f.dialogs.shown.first().helpContext, 106);

    f.action("MSettings")->trigger();
    auto *settings = f.window->findChild<ConfigScrn *>();
    QVERIFY(settings && settings->isVisible());
    QVERIFY(settings->isWindow());
    f.action("MSettings")->trigger();
    QCOMPARE(f.window->findChildren<ConfigScrn *>().size(), 1);
}

QTEST_MAIN(xForm1Test)
#include "tst_xform1.moc"
