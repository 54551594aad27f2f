#include "commterminal.h"
#include "fakeserialport.h"
#include "memorytransferlog.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

namespace {

const QByteArray Machines = " 1 \r\n"
                            "\"TORNIO\",1,\"9600,N,8,1\",0,\"\",\"\",1\r\n"
                            "\"FRESA\",2,\"4800,E,7,2\",0,\"\",\"\",1\r\n";

struct Fixture {
    Fixture() { temp.writeFile(QStringLiteral("cncsett.dat"), Machines); }

    // Opens as the editor does (with a hand-back) or as the main window does.
    void open(bool fromEditor)
    {
        terminal.open(fromEditor ? CommTerminal::HandBack([this](const QByteArray &text) { handedBack.append(text); })
                                 : CommTerminal::HandBack(),
                      !fromEditor);
    }
    // A reception of the given characters, ended with Termina.
    void receive(const QByteArray &data)
    {
        terminal.setHooks({[this] { ApplyMachineToPort(machines.currentRecord(), port); }, {}, {}});
        terminal.receiver().start();
        port.receive(data);
        terminal.receiver().terminate();
    }

    TempProgramFolder temp{TempProgramFolder::Content::Empty};
    MachineState machines;
    FakeSerialPort port;
    ScriptedDialogs dialogs;
    CommTerminal terminal{machines, temp.folder(), port, dialogs};
    QList<QByteArray> handedBack;
};

} // namespace

class CommTerminalTest : public QObject {
    Q_OBJECT
private slots:
    void portConfigurationAndOpening();
    void leaving_data();
    void leaving();
    void saveFailureKeepsTheTerminalOpen();
    void loading();
    void saving();
    void transfersLogged_data();
    void transfersLogged();
};

void CommTerminalTest::portConfigurationAndOpening()
{
    Fixture f;
    QCOMPARE(f.port.inBufferSize(), 3000);
    QCOMPARE(f.port.outBufferSize(), 200);
    QCOMPARE(f.port.inputLen(), 1);
    QCOMPARE(f.port.rThreshold(), 0);

    f.open(false);
    QVERIFY(!f.terminal.holdsReceivedData());
    f.receive("G1\r\n");
    QVERIFY(f.terminal.holdsReceivedData());
    const MachineList list = f.terminal.open({}, true);
    QVERIFY(!f.terminal.holdsReceivedData());
    QCOMPARE(list.entries.size(), 2);
    QCOMPARE(list.entries.at(1).name, QStringLiteral("FRESA"));
    QCOMPARE(f.machines.currentMachine, 1);
}

void CommTerminalTest::leaving_data()
{
    QTest::addColumn<bool>("fromEditor");
    QTest::addColumn<bool>("received");
    QTest::addColumn<QList<Dialogs::Button>>("answers");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("handedBack");
    QTest::addColumn<bool>("saved");
    const QString keep = QStringLiteral("Salvo i dati ricevuti");
    QTest::newRow("main window, nothing received") << false << false << QList<Dialogs::Button>{} << QStringList{}
                                                   << 0 << false;
    QTest::newRow("editor, nothing received") << true << false << QList<Dialogs::Button>{} << QStringList{} << 0
                                              << false;
    QTest::newRow("editor, Yes hands back") << true << true << QList<Dialogs::Button>{Dialogs::Button::Yes}
                                            << QStringList{keep} << 1 << false;
    QTest::newRow("editor, No") << true << true << QList<Dialogs::Button>{Dialogs::Button::No}
                                << QStringList{keep} << 0 << false;
    QTest::newRow("main window, Yes saves") << false << true << QList<Dialogs::Button>{Dialogs::Button::Yes}
                                            << QStringList{keep, QString(), "Salvato..."} << 0 << true;
    QTest::newRow("main window, No") << false << true << QList<Dialogs::Button>{Dialogs::Button::No}
                                     << QStringList{keep} << 0 << false;
}

void CommTerminalTest::leaving()
{
    QFETCH(bool, fromEditor);
    QFETCH(bool, received);
    QFETCH(QList<Dialogs::Button>, answers);
    QFETCH(QStringList, texts);
    QFETCH(int, handedBack);
    QFETCH(bool, saved);
    Fixture f;
    f.open(fromEditor);
    QCOMPARE(f.terminal.loadSaveEnabled(), !fromEditor);
    if (received)
        f.receive("%\r\nO1\r\n");
    const QString file = f.temp.path(QStringLiteral("ricevuto.txt"));
    f.dialogs.fileAnswers.enqueue(file);
    for (Dialogs::Button answer : answers)
        f.dialogs.questionAnswers.enqueue(answer);
    QVERIFY(f.terminal.keepReceivedData("%\nO1\n"));
    QCOMPARE(f.dialogs.texts(), texts);
    if (!texts.isEmpty())
        QCOMPARE(f.dialogs.shown.first().buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(f.handedBack, handedBack ? QList<QByteArray>{"%\nO1\n"} : QList<QByteArray>{});
    QCOMPARE(QFile::exists(file), saved);
    QCOMPARE(f.dialogs.unexpected, 0);
}

void CommTerminalTest::saveFailureKeepsTheTerminalOpen()
{
    Fixture f;
    f.open(false);
    f.receive("G1\r\n");
    f.dialogs.questionAnswers.enqueue(Dialogs::Button::Yes);
    const QString file = f.temp.path(QStringLiteral("missing/ricevuto.txt"));
    f.dialogs.fileAnswers.enqueue(file);
    QVERIFY(!f.terminal.keepReceivedData("G1\n"));
    QCOMPARE(f.dialogs.shown.last().icon, Dialogs::Icon::Exclamation);
    QVERIFY(f.dialogs.shown.last().text.startsWith(QStringLiteral("Impossibile salvare il file %1:\n").arg(file)));

    // Choosing not to save after all lets the terminal go.
    f.dialogs.questionAnswers.enqueue(Dialogs::Button::Yes);
    f.dialogs.fileAnswers.enqueue(QString());
    QVERIFY(f.terminal.keepReceivedData("G1\n"));
}

void CommTerminalTest::loading()
{
    Fixture f;
    f.open(false);
    const QByteArray bytes("%\r\nO1\x00\xff\r\n", 9);
    f.temp.writeFile(QStringLiteral("prog.nc"), bytes);
    f.dialogs.fileAnswers << f.temp.path(QStringLiteral("prog.nc")) << QString()
                          << f.temp.path(QStringLiteral("missing.nc"));
    QCOMPARE(f.terminal.load(), std::optional<QByteArray>(bytes));
    QCOMPARE(f.dialogs.shown.first().title, QStringLiteral("Carica"));
    QCOMPARE(f.terminal.load(), std::nullopt);
    QCOMPARE(f.dialogs.shown.size(), 2);
    QCOMPARE(f.terminal.load(), std::nullopt);
    QCOMPARE(f.dialogs.shown.last().icon, Dialogs::Icon::Exclamation);
    QVERIFY(f.dialogs.shown.last().text.startsWith(
        QStringLiteral("Impossibile leggere il file %1:\n").arg(f.temp.path(QStringLiteral("missing.nc")))));
}

void CommTerminalTest::saving()
{
    Fixture f;
    f.open(false);
    const QByteArray bytes("G1\x00\xff\n", 5);
    f.dialogs.fileAnswers << f.temp.path(QStringLiteral("out.nc")) << QString();
    // The busy pointer shows while the file is written, neither over the file dialog nor the box.
    QStringList steps;
    f.terminal.setBusyIndicator([&](bool busy) { steps.append(busy ? "busy" : "idle"); });
    f.dialogs.onShown = [&](const ScriptedDialogs::Shown &shown) {
        steps.append(shown.text.isEmpty() ? shown.title : shown.text);
    };
    QCOMPARE(f.terminal.save(bytes), CommTerminal::SaveResult::Saved);
    QCOMPARE(steps, (QStringList{"Salva", "busy", "idle", "Salvato..."}));
    QFile file(f.temp.path(QStringLiteral("out.nc")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(f.dialogs.texts(), (QStringList{QString(), "Salvato..."}));
    QCOMPARE(f.dialogs.shown.first().title, QStringLiteral("Salva"));
    QCOMPARE(f.dialogs.shown.last().icon, Dialogs::Icon::None);
    QCOMPARE(f.terminal.save(bytes), CommTerminal::SaveResult::Cancelled);
    QCOMPARE(f.dialogs.shown.size(), 3);
}

void CommTerminalTest::transfersLogged_data()
{
    QTest::addColumn<bool>("send");
    QTest::addColumn<QString>("ending"); // "done", "Termina", "line lost"
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QString>("logged"); // %1 the characters that went or came, %2 what the user was told
    QTest::newRow("send") << true << "done" << QByteArray() << "invio seriale FRESA 12 %1 riuscito";
    QTest::newRow("send ended") << true << "Termina" << QByteArray()
                                << "invio seriale FRESA 12 %1 interrotto: Interrotto dall'utente.";
    QTest::newRow("send, line lost") << true << "line lost" << QByteArray() << "invio seriale FRESA 12 %1 fallito: %2";
    QTest::newRow("receive") << false << "Termina" << QByteArray("%\r\nO0034\r\nM30\r\n%")
                             << "ricezione seriale FRESA 34 %1 riuscito";
    QTest::newRow("receive, nothing") << false << "Termina" << QByteArray()
                                      << "ricezione seriale FRESA - 0 interrotto: Interrotto dall'utente.";
    QTest::newRow("receive, line lost") << false << "line lost" << QByteArray("O0034\r\nG1")
                                        << "ricezione seriale FRESA 34 %1 fallito: %2";
}

void CommTerminalTest::transfersLogged()
{
    QFETCH(bool, send);
    QFETCH(QString, ending);
    QFETCH(QByteArray, received);
    QFETCH(QString, logged);
    Fixture f;
    MemoryTransferLog log;
    TransferJournal journal(&log, [](const QString &text) { QFAIL(qPrintable(text)); });
    f.terminal.setTransferJournal(&journal);
    f.terminal.setTextSource(QStringLiteral("P0000042"), 42);
    f.open(false);
    f.terminal.setHooks({[&f] { ApplyMachineToPort(f.machines.currentRecord(), f.port); }, {}, {}});
    const QByteArray text = "O0012\r\n" + QByteArray(600, 'G') + "\r\nM30\r\n";
    f.port.drains = ending == u"done";
    if (send)
        f.terminal.send(text);
    else
        f.terminal.receiver().start();
    SerialTransfer &transfer = send ? static_cast<SerialTransfer &>(f.terminal.sender()) : f.terminal.receiver();
    QVERIFY(transfer.isActive());
    QCOMPARE(resultWord(log.rows.at(0).result), QStringLiteral("in corso"));
    f.port.receive(received);
    if (ending == u"line lost")
        f.port.loseLine(QStringLiteral("cavo staccato"));
    else if (ending == u"Termina")
        transfer.terminate();
    QTRY_VERIFY(!transfer.isActive());

    const qsizetype moved = send ? f.port.outputs.join().size() : received.size();
    QCOMPARE(log.summary(), QStringList{QString(logged)
                                            .replace(QStringLiteral("%1"), QString::number(moved))
                                            .replace(QStringLiteral("%2"), f.dialogs.texts().join(u'\n'))});
    const TransferEntry &entry = log.rows.at(0);
    QCOMPARE(entry.fileName, send ? QStringLiteral("P0000042") : QString());
    QCOMPARE(entry.archiveProgram, send ? std::optional<qint32>(42) : std::nullopt);
    // A send's digest is of the text it was given; a reception's of the text it kept.
    if (send || !received.isEmpty())
        QCOMPARE(entry.sha256.size(), 64);
    if (send)
        QCOMPARE(entry.sha256, QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex());
}

QTEST_GUILESS_MAIN(CommTerminalTest)
#include "tst_commterminal.moc"
