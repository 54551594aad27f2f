#include "checkmulti.h"
#include "cncresults.h"
#include "ethernettext.h"
#include "fakecnclibrary.h"
#include "frmeth.h"
#include "memorytransferlog.h"
#include "scripteddialogs.h"
#include "textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The Ethernet window on a fake CNC holding O0001, O0012 and O0100, main program O0001.
struct Window {
    std::shared_ptr<FakeCncLibrary> shared = std::make_shared<FakeCncLibrary>();
    FakeCncLibrary &library = *shared;
    ScriptedDialogs dialogs;
    MemoryTransferLog log;
    TransferJournal journal{&log, [](const QString &text) { QFAIL(qPrintable(text)); }};
    QPointer<frmeth> window = new frmeth(shared, dialogs);

    Window()
    {
        library.programs[1] = {56, "PERNO"};
        library.programs[12] = {1200, "FLANGIA"};
        library.programs[100] = {34, "ALBERO"};
        library.mainProgram = 1;
        library.runningProgram = 100;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->nomecnc(QStringLiteral("FRESA 2"));
        window->setTransferJournal(&journal);
    }
    ~Window() { delete window; }

    template <typename T = QWidget>
    T *find(const char *name) const { return window->findChild<T *>(QString::fromLatin1(name)); }
    // Connected and listed, or closed after a failure.
    bool settle() const
    {
        return QTest::qWaitFor([this] {
            return !window || (find<QPushButton>("Command3")->isEnabled() && find<QLabel>("Label1")->text()
                                                                                  == EthernetText::Connected);
        });
    }
    QStringList gridColumn(int column) const
    {
        auto *grid = find<QTableWidget>("MSFlexGrid1");
        QStringList texts;
        for (int row = 0; row < grid->rowCount(); ++row)
            texts.append(grid->item(row, column) ? grid->item(row, column)->text() : QString());
        return texts;
    }
    void command(const char *name, const QString &text1, const QString &text2 = {}) const
    {
        find<QLineEdit>("Text1")->setText(text1);
        find<QLineEdit>("Text2")->setText(text2);
        find<QPushButton>(name)->click();
    }
};

} // namespace

class FrmethTest : public QObject {
    Q_OBJECT
private slots:
    void connection_data();
    void connection();
    void directoryAndGridClick();
    void deleteAndRename_data();
    void deleteAndRename();
    void receiveAndLeave();
    void send_data();
    void send();
    void closedWhileBusy_data();
    void closedWhileBusy();
};

void FrmethTest::connection_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QByteArray>("cncType");
    QTest::addColumn<int>("connectResult");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("renameEnabled");
    QTest::newRow("series 31") << QStringLiteral("127.0.0.1:8193,") << QByteArray("31") << 0 << QString() << true;
    QTest::newRow("series 16") << QStringLiteral("127.0.0.1:8193,") << QByteArray("16") << 0 << QString() << false;
    QTest::newRow("blank and 0") << QStringLiteral("127.0.0.1:8193,") << QByteArray(" 0") << 0 << QString() << false;
    QTest::newRow("no connection") << QStringLiteral("127.0.0.1:8193,") << QByteArray("31") << int(EW_SOCKET)
                                   << QStringLiteral("Manca la connessione") << false;
    QTest::newRow("no colon") << QStringLiteral("127.0.0.1") << QByteArray("31") << 0
                              << QStringLiteral("Parametro IP/port non valido") << false;
}

void FrmethTest::connection()
{
    QFETCH(QString, settings);
    QFETCH(QByteArray, cncType);
    QFETCH(int, connectResult);
    QFETCH(QString, message);
    QFETCH(bool, renameEnabled);
    Window w;
    std::memcpy(w.library.cncType, cncType.constData(), 2);
    w.library.scripted["cnc_allclibhndl3"].enqueue(short(connectResult));
    QSignalSpy closed(w.window.data(), &frmeth::closed);
    w.window->open(0, settings, "O0001\r\nM30\r\n");
    QVERIFY(w.window->isVisible());
    // While it connects: what the window is for, and nothing to press that needs the CNC.
    QCOMPARE(w.find<QLabel>("Label2")->text(), QStringLiteral("Destinazione"));
    QCOMPARE(w.find<QTableWidget>("MSFlexGrid1")->horizontalHeaderItem(2)->text(), QStringLiteral("Dimensione"));
    for (const char *command : {"Command1", "Command3", "Command4", "Command5"})
        QVERIFY2(!w.find<QPushButton>(command)->isEnabled(), command);
    if (!message.isEmpty()) {
        QTRY_COMPARE(w.dialogs.messageTexts(), QStringList{message});
        if (connectResult != 0)
            QTRY_VERIFY(!w.window); // closes by itself
        else
            w.window->close(); // stays open for the user to close
        QCOMPARE(closed.size(), 1);
        // Only a handle the library gave is given back.
        QTRY_COMPARE(w.library.callLog().filter(QStringLiteral("cnc_freelibhndl")).size(), connectResult != 0 ? 1 : 0);
        QCOMPARE(w.library.callLog().filter(QStringLiteral("cnc_allclibhndl3")).size(), connectResult != 0 ? 1 : 0);
        return;
    }
    QVERIFY(w.settle());
    QCOMPARE(w.library.callLog().first(), QStringLiteral("cnc_allclibhndl3 127.0.0.1 8193 10"));
    QCOMPARE(w.find<QPushButton>("Command5")->isEnabled(), renameEnabled);
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Gestione  Ethernet          ") + QString::fromLatin1(cncType)
                                          + QStringLiteral("  M          C.N. : FRESA 2"));
    QCOMPARE(w.find<QLabel>("Label2")->text(), QStringLiteral("Destinazione"));
    QCOMPARE(w.find<QPushButton>("Command1")->text(), QStringLiteral("Invia"));
    QCOMPARE(w.find<QListWidget>("List1")->item(0)->text(), QStringLiteral("O0001"));
    QVERIFY(w.dialogs.shown.isEmpty());
    w.window->close();
    QTRY_COMPARE(w.library.callLog().last(), QStringLiteral("cnc_freelibhndl 7"));
}

void FrmethTest::directoryAndGridClick()
{
    Window w;
    w.window->open(1, QStringLiteral("127.0.0.1:8193,"), {});
    QVERIFY(w.settle());
    QCOMPARE(w.find<QLabel>("Label5")->text(), QStringLiteral("O0001"));
    QCOMPARE(w.find<QLabel>("Label2")->text(), QStringLiteral("Sorgente"));
    QCOMPARE(w.gridColumn(0), (QStringList{"O0001", "O0012", "O0100"}));
    QCOMPARE(w.gridColumn(1), (QStringList{"PERNO", "FLANGIA", "ALBERO"}));
    QCOMPARE(w.gridColumn(2), (QStringList{QLocale().toString(0) + QLocale().groupSeparator() + "056",
                                           QStringLiteral("1") + QLocale().groupSeparator() + "200",
                                           QStringLiteral("0") + QLocale().groupSeparator() + "034"}));
    QCOMPARE(w.library.callLog().filter(QStringLiteral("cnc_rdprogdir2")).size(), 4);
    // Numbers are compared as numbers.
    QVERIFY(w.window->esiste(QStringLiteral(" O0012 ")));
    QVERIFY(w.window->esiste(QStringLiteral("O12")));
    QVERIFY(w.window->esiste(QStringLiteral("12")));
    QVERIFY(!w.window->esiste(QStringLiteral("O120")));

    auto *grid = w.find<QTableWidget>("MSFlexGrid1");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(2, 1)).center());
    QCOMPARE(w.find<QLineEdit>("Text1")->text(), QStringLiteral("O0100"));

    // An empty CNC: one empty row under the headers.
    w.library.programs.clear();
    w.find<QPushButton>("Command3")->click();
    QVERIFY(w.settle());
    QCOMPARE(w.gridColumn(0), QStringList{QString()});
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Programma"));
}

void FrmethTest::deleteAndRename_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("answer"); // to the question, when it comes
    QTest::addColumn<int>("result"); // of the delete or rename
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("call"); // the delete or rename made, if any
    QTest::addColumn<QStringList>("listed");
    const QStringList all{"O0001", "O0012", "O0100"};
    const QString askDelete = QStringLiteral("Desiderate cancellare il programma sul CN ? \rO0012");
    const QString askRename = QStringLiteral("Desiderate rinominare il programma sul CN ? \rO0012");
    const int yes = int(Dialogs::Button::Yes);
    const int no = int(Dialogs::Button::No);
    QTest::newRow("delete, nothing typed") << QByteArray("Command4") << QString() << QString() << yes << 0
                                           << QStringList{"Nessun programma selezionato"} << QString() << all;
    QTest::newRow("delete, not a number") << QByteArray("Command4") << QStringLiteral("OX1") << QString() << yes << 0
                                          << QStringList{"Numero programma non valido"} << QString() << all;
    QTest::newRow("delete, 12 as typed") << QByteArray("Command4") << QStringLiteral("12") << QString() << yes << 0
                                         << QStringList{"Desiderate cancellare il programma sul CN ? \r12"}
                                         << QStringLiteral("cnc_delete 12") << QStringList{"O0001", "O0100"};
    QTest::newRow("delete, main program as 1") << QByteArray("Command4") << QStringLiteral("1") << QString() << yes
                                               << 0 << QStringList{"Il programma risulta selezionato sul CN"}
                                               << QString() << all;
    QTest::newRow("delete, main program") << QByteArray("Command4") << QStringLiteral("O0001") << QString() << yes << 0
                                          << QStringList{"Il programma risulta selezionato sul CN"} << QString() << all;
    QTest::newRow("delete, running") << QByteArray("Command4") << QStringLiteral("O0100") << QString() << yes << 0
                                     << QStringList{"Il sottoprogramma risulta in esecuzione sul CN"} << QString()
                                     << all;
    QTest::newRow("delete, No") << QByteArray("Command4") << QStringLiteral("O0012") << QString() << no << 0
                                << QStringList{askDelete} << QString() << all;
    QTest::newRow("delete, Yes") << QByteArray("Command4") << QStringLiteral("O0012") << QString() << yes << 0
                                 << QStringList{askDelete} << QStringLiteral("cnc_delete 12")
                                 << QStringList{"O0001", "O0100"};
    QTest::newRow("delete refused") << QByteArray("Command4") << QStringLiteral("O0012") << QString() << yes
                                    << int(EW_PROT) << QStringList{askDelete, "Protezione di scrittura attivata"}
                                    << QStringLiteral("cnc_delete 12") << QStringList{};
    QTest::newRow("rename, running") << QByteArray("Command5") << QStringLiteral("O0100") << QStringLiteral("7") << yes
                                     << 0 << QStringList{"Il sottoprogramma risulta selezionato sul CN"} << QString()
                                     << all;
    QTest::newRow("rename, new taken") << QByteArray("Command5") << QStringLiteral("O0012") << QStringLiteral("O0100")
                                       << yes << 0 << QStringList{"Programma esiste già nel CN"} << QString() << all;
    QTest::newRow("rename, Yes") << QByteArray("Command5") << QStringLiteral("O0012") << QStringLiteral("O7") << yes
                                 << 0 << QStringList{askRename} << QStringLiteral("cnc_renameprog 12 7")
                                 << QStringList{"O0001", "O0007", "O0100"};
    QTest::newRow("rename refused") << QByteArray("Command5") << QStringLiteral("O0012") << QStringLiteral("7") << yes
                                    << int(EW_DATA) << QStringList{askRename, "Errore nella scrittura/lettura dati"}
                                    << QStringLiteral("cnc_renameprog 12 7") << all;
}

void FrmethTest::deleteAndRename()
{
    QFETCH(QByteArray, command);
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(int, answer);
    QFETCH(int, result);
    QFETCH(QStringList, shown);
    QFETCH(QString, call);
    QFETCH(QStringList, listed);
    Window w;
    w.window->open(1, QStringLiteral("127.0.0.1:8193,"), {});
    QVERIFY(w.settle());
    w.dialogs.questionAnswers.enqueue(Dialogs::Button(answer));
    const QString callName = command == "Command4" ? QStringLiteral("cnc_delete") : QStringLiteral("cnc_renameprog");
    w.library.scripted[callName].enqueue(short(result));
    w.command(command.constData(), text1, text2);
    QTRY_COMPARE(w.dialogs.texts(), shown);
    if (listed.isEmpty()) { // a refused delete closes the window
        QTRY_VERIFY(!w.window);
    } else {
        // The refresh after a delete or rename comes once the CNC has answered.
        QTRY_COMPARE(w.gridColumn(0), listed);
        QVERIFY(w.settle());
    }
    QCOMPARE(w.library.callLog().filter(callName).join(u','), call);
    // A row for every call made, none for what was refused before it.
    QStringList logged;
    if (!call.isEmpty()) {
        const QString operation = command == "Command4" ? QStringLiteral("cancellazione Ethernet")
                                                        : QStringLiteral("rinomina Ethernet");
        logged.append(operation + QStringLiteral(" FRESA 2 12 0 ")
                      + (result != 0 ? QStringLiteral("fallito: ") + shown.last()
                         : command == "Command5" ? QStringLiteral("riuscito: Rinominato in O0007")
                                                 : QStringLiteral("riuscito")));
    }
    QCOMPARE(w.log.summary(), logged);
    for (const ScriptedDialogs::Shown &box : std::as_const(w.dialogs.shown)) {
        if (box.kind == ScriptedDialogs::Kind::Question)
            QCOMPARE(box.title, QStringLiteral("Cancellazione programma"));
        else if (box.text.contains(QStringLiteral("sul CN")))
            QCOMPARE(box.title, QStringLiteral("Programma Attivo"));
    }
}

void FrmethTest::receiveAndLeave()
{
    Window w;
    QTemporaryDir folder;
    const QString workFile = QDir(folder.path()).filePath(QStringLiteral("tmp.txt"));
    QByteArray handedBack;
    w.window->setHandBack(workFile, [&handedBack](const QByteArray &text) { handedBack = text; });
    w.window->open(1, QStringLiteral("127.0.0.1:8193,"), {});
    QVERIFY(w.settle());
    auto receive = [&w](const QString &source) {
        w.command("Command1", source);
        return QTest::qWaitFor([&w] { return w.find<QPushButton>("Command1")->isEnabled(); });
    };

    QVERIFY(receive(QString()));
    QVERIFY(receive(QStringLiteral("OX")));
    QCOMPARE(w.dialogs.texts(), (QStringList{"Nessun part program selezionato", "Numero programma non valido"}));
    w.dialogs.clear();

    // Two busy answers, then the program in blocks of 1280.
    w.library.uploadText = "%\nO0012 (FLANGIA)\r\n" + QByteArray(3000, 'G') + "\nM30\n%";
    for (int busy = 0; busy < 2; ++busy)
        w.library.scripted["cnc_upload3"].enqueue(short(EW_BUFFER));
    QVERIFY(receive(QStringLiteral("O12")));
    QCOMPARE(w.library.callLog().filter(QStringLiteral("cnc_upstart3")), QStringList{"cnc_upstart3 0 12 12"});
    QCOMPARE(w.library.callLog().filter(QStringLiteral("cnc_upload3")).size(), 2 + 3);
    QCOMPARE(w.library.callLog().filter(QStringLiteral("cnc_upend3")).size(), 1);
    auto *list = w.find<QListWidget>("List1");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QStringLiteral("O0012 (FLANGIA)"));

    // A second program: No keeps the first in front.
    w.library.uploadText = "%\nO0100\nM30\n%";
    w.dialogs.questionAnswers.enqueue(Dialogs::Button::No);
    QVERIFY(receive(QStringLiteral("100")));
    QCOMPARE(w.dialogs.texts(), QStringList{"Cancello il programma già ricevuto?"});
    QCOMPARE(w.dialogs.shown.first().title, QStringLiteral("Contiene dati"));
    QCOMPARE(list->count(), 5);

    // A block error drops what arrived of that program.
    w.library.scripted["cnc_upload3"].enqueue(short(EW_SOCKET));
    QVERIFY(receive(QStringLiteral("100")));
    QCOMPARE(w.dialogs.texts().last(), QStringLiteral("Manca la connessione"));
    QCOMPARE(list->count(), 5);

    w.find<QPushButton>("Command2")->click();
    const QByteArray expected = "O0012 (FLANGIA)\r\n" + QByteArray(3000, 'G') + "\r\nM30\r\nO0100\r\nM30\r\n";
    QCOMPARE(handedBack, expected);
    QCOMPARE(*TextFile::read(workFile), expected);
    QTRY_VERIFY(!w.window);
    QCOMPARE(w.log.summary(), (QStringList{"ricezione Ethernet FRESA 2 12 3024 riuscito",
                                           "ricezione Ethernet FRESA 2 100 12 riuscito",
                                           "ricezione Ethernet FRESA 2 100 0 fallito: Manca la connessione"}));
}

void FrmethTest::send_data()
{
    QTest::addColumn<QByteArray>("terminal");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("script"); // call name and result, in turn
    // In the subprogram check: "" not shown, "auto" closes by itself, "stop" only offered
    // choice, "ask-stop" and "continue" both offered.
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QByteArray>("downloaded");
    QTest::addColumn<QString>("destination"); // Text1 afterwards
    QTest::addColumn<bool>("refreshed");
    QTest::addColumn<QString>("logged"); // the result of the one row, when the download was started

    const QByteArray one = "%\r\nO0005 (PROVA)\r\nG0 X0\r\nM30\r\n%\r\n";
    const QByteArray sent = "\nO5(PROVA)\nG0 X0\nM30\n%";
    const QByteArray calling = "O0001\r\nM98 P9000\r\nM30\r\n";
    QTest::newRow("two lines") << QByteArray("O1\r\nM30\r\n") << QString() << QStringList{} << "" << QStringList{"Formato part program errato"} << QByteArray() << "" << false << "";
    QTest::newRow("no program number first") << QByteArray("G0\nX1\nM30\n") << QString() << QStringList{} << "" << QStringList{"Formato part program errato"} << QByteArray() << "" << false << "";
    QTest::newRow("destination O alone") << one << "O" << QStringList{} << "" << QStringList{"Numero programma non valido"} << QByteArray() << "O" << false << "";
    QTest::newRow("sent under the first line's number") << one << "" << QStringList{} << "auto" << QStringList{"Programma inviato.."} << sent << "O5" << true << "riuscito";
    QTest::newRow("busy three times") << one << "5" << QStringList{"cnc_download3", "10", "cnc_download3", "10", "cnc_download3", "10"} << "auto" << QStringList{"Programma inviato.."} << sent << "O5" << true << "riuscito";
    QTest::newRow("already on the CNC as O0001") << one << "O1" << QStringList{} << "stop" << QStringList{} << QByteArray() << "O1" << false << "";
    QTest::newRow("a % in a comment") << QByteArray("O0005\r\n(SET %5)\r\nM30\r\n") << "" << QStringList{} << "" << QStringList{"Riga 2: (SET %5)\nIl carattere % chiude il programma sul C.N.: toglierlo e ripetere l'invio."} << QByteArray() << "" << false << "";
    QTest::newRow("refused at the end") << one << "" << QStringList{"cnc_dwnend3", "8"} << "auto" << QStringList{testoerrore(EW_OVRFLOW)} << sent << "O5" << true << "fallito";
    QTest::newRow("refused with detail 4") << one << "" << QStringList{"cnc_download3", "5"} << "auto" << QStringList{"Programma già presente sul CN", "Correggere e ripetere l'invio"} << QByteArray() << "O5" << false << "fallito";
    QTest::newRow("start refused") << one << "" << QStringList{"cnc_dwnstart3", "-1"} << "auto" << QStringList{testoerrore(EW_BUSY)} << QByteArray() << "O5" << false << "fallito";
    QTest::newRow("call outside the text, stopped") << calling << "O200" << QStringList{} << "ask-stop" << QStringList{} << QByteArray() << "O200" << false << "";
    QTest::newRow("call outside the text, sent all the same") << calling << "O200" << QStringList{} << "continue" << QStringList{"Programma inviato.."} << QByteArray("\nO200\nM98 P9000\nM30\n%") << "O200" << true << "riuscito";
    QTest::newRow("new number taken") << calling << "O12" << QStringList{} << "stop" << QStringList{} << QByteArray() << "O12" << false << "";
}

void FrmethTest::send()
{
    QFETCH(QByteArray, terminal);
    QFETCH(QString, typed);
    QFETCH(QStringList, script);
    QFETCH(QString, choice);
    Window w;
    w.library.detailNumber = 4;
    w.window->open(0, QStringLiteral("127.0.0.1:8193,"), terminal);
    QVERIFY(w.settle());
    for (qsizetype i = 0; i < script.size(); i += 2)
        w.library.scripted[script.at(i)].enqueue(short(script.at(i + 1).toInt()));
    const qsizetype listings = w.library.callLog().filter(QStringLiteral("cnc_rdprgnum")).size();
    w.command("Command1", typed);
    if (!choice.isEmpty()) {
        checkmulti *check = nullptr;
        QTRY_VERIFY((check = w.window->findChild<checkmulti *>()) && check->isVisible());
        auto *stop = check->findChild<QPushButton *>(QStringLiteral("Command1"));
        auto *go = check->findChild<QPushButton *>(QStringLiteral("Command2"));
        // The list holds the renumbered text while the user looks at the table.
        const QTableWidgetItem *first = check->findChild<QTableWidget *>()->item(0, 1);
        const QTableWidgetItem *state = check->findChild<QTableWidget *>()->item(0, 2);
        QCOMPARE(w.find<QListWidget>("List1")->item(0)->text().left(5), first->text());
        QCOMPARE(state->foreground().color(), choice == "stop" ? QColor(Qt::red) : QColor(Qt::blue));
        QCOMPARE(stop->isVisible(), choice != "auto");
        QCOMPARE(go->isVisible(), choice == "continue" || choice == "ask-stop");
        if (choice.endsWith("stop"))
            stop->click();
        else if (choice == "continue")
            go->click();
        else
            QTRY_VERIFY_WITH_TIMEOUT(!w.window->findChild<checkmulti *>(), checkmulti::CloseAfterMs + 2000);
    }
    QTRY_VERIFY(w.find<QPushButton>("Command1")->isEnabled());
    QVERIFY(w.settle());
    QTEST(w.dialogs.texts(), "shown");
    QTEST(w.library.downloaded, "downloaded");
    QTEST(w.find<QLineEdit>("Text1")->text(), "destination");
    QFETCH(QString, logged);
    QCOMPARE(w.log.rows.size(), logged.isEmpty() ? 0u : 1u);
    if (!logged.isEmpty()) {
        QCOMPARE(resultWord(w.log.rows.front().result), logged);
        QCOMPARE(w.log.rows.front().sha256, QCryptographicHash::hash(terminal, QCryptographicHash::Sha256).toHex());
    }
    QTEST(w.library.callLog().filter(QStringLiteral("cnc_rdprgnum")).size() > listings + 1, "refreshed");
    // Once started, every transfer is ended.
    QCOMPARE(w.library.callLog().filter(QStringLiteral("cnc_dwnend3")).size(),
             w.library.callLog().filter(QStringLiteral("cnc_dwnstart3")).size() - (script.contains("cnc_dwnstart3") ? 1 : 0));
}

void FrmethTest::closedWhileBusy_data()
{
    QTest::addColumn<QByteArray>("held"); // the call the CNC hangs in
    QTest::addColumn<int>("direzione");
    QTest::addColumn<QStringList>("answers"); // to "stop the transfer?", in turn, one per close
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("after"); // the calls once the CNC answers again
    QTest::addColumn<QStringList>("logged");
    const QString ask = QStringLiteral("Trasferimento in corso con il C.N.: interromperlo?");
    QTest::newRow("connecting") << QByteArray("cnc_allclibhndl3") << 1 << QStringList{} << QStringList{}
                                << QStringList{"cnc_freelibhndl 7"} << QStringList{};
    // The terminal deletes the window it opened when it opens another one or closes.
    QTest::newRow("connecting, deleted by the terminal") << QByteArray("cnc_allclibhndl3") << 1 << QStringList{"delete"}
                                                         << QStringList{} << QStringList{"cnc_freelibhndl 7"}
                                                         << QStringList{};
    QTest::newRow("download, No then Yes") << QByteArray("cnc_download3") << 0 << QStringList{"No", "Yes"}
                                           << QStringList{ask, ask, "Invio interrotto dall'utente."}
                                           << QStringList{"cnc_dwnend3", "cnc_freelibhndl 7"}
                                           << QStringList{"invio Ethernet FRESA 2 50 19 interrotto: "
                                                          "Invio interrotto dall'utente."};
    QTest::newRow("upload, Yes") << QByteArray("cnc_upload3") << 1 << QStringList{"Yes"}
                                 << QStringList{ask, "Ricezione interrotta dall'utente."}
                                 << QStringList{"cnc_upend3", "cnc_freelibhndl 7"}
                                 << QStringList{"ricezione Ethernet FRESA 2 50 0 interrotto: "
                                                "Ricezione interrotta dall'utente."};
}

// Closed while a call hangs: the window goes at once (after asking, during a transfer), the
// transfer is ended on the CNC and the handle given back once the call returns, and nothing
// reaches the window that is gone.
void FrmethTest::closedWhileBusy()
{
    QFETCH(QByteArray, held);
    QFETCH(int, direzione);
    QFETCH(QStringList, answers);
    Window w;
    w.library.hold(QString::fromLatin1(held));
    w.library.uploadText = "%\nO0012\nM30\n%";
    w.window->open(direzione, QStringLiteral("127.0.0.1:8193,"), "O0005\r\nG0 X0\r\nM30\r\n");
    if (held != "cnc_allclibhndl3") {
        QVERIFY(w.settle());
        w.command("Command1", QStringLiteral("O50"));
    }
    QTRY_VERIFY_WITH_TIMEOUT(w.library.isHolding(), checkmulti::CloseAfterMs + 5000);
    if (answers == QStringList{"delete"}) {
        delete w.window;
        answers.clear();
    }
    for (const QString &answer : answers)
        w.dialogs.questionAnswers.enqueue(answer == u"Yes" ? Dialogs::Button::Yes : Dialogs::Button::No);
    if (w.window)
        w.find<QPushButton>("Command2")->click();
    if (answers.size() > 1) {
        QVERIFY(w.window && w.window->isVisible());
        w.find<QPushButton>("Command2")->click();
    }
    QTRY_VERIFY(!w.window); // gone while the call still hangs
    QTEST(w.dialogs.texts(), "shown");
    const qsizetype before = w.library.callLog().size();
    w.library.release();
    QFETCH(QStringList, after);
    QTRY_COMPARE(w.library.callLog().mid(before).filter(QRegularExpression("end3|free")), after);
    QTest::qWait(50); // a result that would still come
    QTEST(w.dialogs.texts(), "shown");
    QTEST(w.log.summary(), "logged");
}

QTEST_MAIN(FrmethTest)
#include "tst_frmeth.moc"
