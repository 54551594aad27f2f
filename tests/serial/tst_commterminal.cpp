#include "commterminal.h"
#include "fakeserialport.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"

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

QTEST_GUILESS_MAIN(CommTerminalTest)
#include "tst_commterminal.moc"
