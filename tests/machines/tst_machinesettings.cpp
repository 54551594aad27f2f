#include "machinesettings.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "textfile.h"

#include <QDir>
#include <QTest>

namespace {

const QByteArray TwoMachines = " 1 \r\n"
                               "\"TORNIO 1\",1,\"9600,E,7,2\",1,\"12\",\"\",0\r\n"
                               "\"TORNIO 2\",3,\"4800,N,8,1\",2,\"\",\"0D0A\",2\r\n";

MachineRecord serialRecord()
{
    MachineRecord r;
    r.name = QStringLiteral("T1");
    r.comPort = 4;
    r.settings = QStringLiteral("9600,E,7,2");
    r.handshaking = 1;
    r.preamble = QStringLiteral("12");
    r.postamble = QStringLiteral("14");
    r.lineEnd = 2;
    return r;
}

QStringList entryNames(const MachineSettingsEditor &editor)
{
    QStringList names;
    for (const MachineListEntry &entry : editor.entries())
        names.append(entry.name);
    return names;
}

} // namespace

class MachineSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void showMachineSettings_data();
    void showMachineSettings();
    void addMachine_data();
    void addMachine();
    void addingIsRefusedAtOneHundredMachines();
    void rename_data();
    void rename();
    void exitAsksAndSaves_data();
    void exitAsksAndSaves();
    void fileErrorsAreShown();
    void helpPage();
};

void MachineSettingsTest::showMachineSettings_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("line");  // baud, parity, data bits, stop bits
    QTest::addColumn<bool>("ethernet");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");

    QTest::newRow("serial") << QStringLiteral("19200,O,7,1") << QStringList{"19200", "O", "7", "1"} << false
                            << QString() << QString();
    QTest::newRow("lower-case parity") << QStringLiteral("2400,e,8,2") << QStringList{"2400", "E", "8", "2"} << false
                                       << QString() << QString();
    // Values no option has leave the previous choice (here 38400,N,8,1) in place.
    QTest::newRow("unknown values") << QStringLiteral("57600,X,5,3") << QStringList{"38400", "N", "8", "1"} << false
                                    << QString() << QString();
    QTest::newRow("ethernet keeps the serial choices")
        << QStringLiteral("192.168.1.10:8193,") << QStringList{"38400", "N", "8", "1"} << true
        << QStringLiteral("192.168.1.10") << QStringLiteral("8193");
    QTest::newRow("empty record chooses nothing") << QString() << QStringList{"", "", "", ""} << false << QString()
                                                  << QString();
}

void MachineSettingsTest::showMachineSettings()
{
    QFETCH(QString, settings);
    QFETCH(QStringList, line);
    QFETCH(bool, ethernet);
    QFETCH(QString, address);
    QFETCH(QString, port);

    MachineForm form;
    form.baud = QStringLiteral("38400");
    form.parity = QStringLiteral("N");
    form.dataBits = QStringLiteral("8");
    form.stopBits = QStringLiteral("1");
    form.address = QStringLiteral("1.1.1.1");
    form.port = QStringLiteral("1");
    MachineRecord record = serialRecord();
    record.settings = settings;
    ShowMachineSettings(record, form);
    QCOMPARE((QStringList{form.baud, form.parity, form.dataBits, form.stopBits}), line);
    QCOMPARE(form.ethernet, ethernet);
    QCOMPARE(form.address, address);
    QCOMPARE(form.port, port);
    QCOMPARE(form.comPort, 4);
    if (!ethernet) {
        QCOMPARE(form.flow, 1);
        QCOMPARE(form.preamble, QStringLiteral("12"));
        QCOMPARE(form.postamble, QStringLiteral("14"));
        QCOMPARE(form.lineEnd, 2);
    }
}

void MachineSettingsTest::addMachine_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("names");

    const QStringList two{"TORNIO 1", "TORNIO 2"};
    QTest::newRow("new name") << TwoMachines << std::optional<QString>(QStringLiteral("  fresa 3 "))
                              << QStringList{} << QStringList{"TORNIO 1", "TORNIO 2", "FRESA 3"};
    QTest::newRow("name in use after trimming and upper-casing")
        << TwoMachines << std::optional<QString>(QStringLiteral(" tornio 2  ")) << QStringList{"Nome già usato"}
        << two;
    QTest::newRow("empty answer") << TwoMachines << std::optional<QString>(QString()) << QStringList{} << two;
    QTest::newRow("blank answer") << TwoMachines << std::optional<QString>(QStringLiteral("   ")) << QStringList{}
                                  << two;
    QTest::newRow("cancelled") << TwoMachines << std::optional<QString>() << QStringList{} << two;
    QTest::newRow("double quote") << TwoMachines << std::optional<QString>(QStringLiteral("T\"3"))
                                  << QStringList{"Nome non valido"} << two;
    QTest::newRow("line break") << TwoMachines << std::optional<QString>(QStringLiteral("T\n3"))
                                << QStringList{"Nome non valido"} << two;
    QTest::newRow("not Latin-1") << TwoMachines << std::optional<QString>(QStringLiteral("T€"))
                                 << QStringList{"Nome non valido"} << two;
    QTest::newRow("first machine") << QByteArray(" 0 \r\n") << std::optional<QString>(QStringLiteral("t1"))
                                   << QStringList{} << QStringList{"T1"};
}

void MachineSettingsTest::addMachine()
{
    QFETCH(QByteArray, file);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, names);

    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), file);
    MachineState machines;
    ScriptedDialogs dialogs;
    MachineSettingsEditor editor(machines, temp.folder(), dialogs);
    editor.open();
    const int before = int(editor.entries().size());
    dialogs.inputAnswers.enqueue(answer);
    editor.addMachine();

    QCOMPARE(dialogs.shown.first().kind, ScriptedDialogs::Kind::Input);
    QCOMPARE(dialogs.shown.first().text, QStringLiteral("Nome nuovo CNC?"));
    QCOMPARE(dialogs.shown.first().title, QStringLiteral("Aggiunta di Macchine a C.N."));
    QCOMPARE(dialogs.messageTexts(), messages);
    QCOMPARE(entryNames(editor), names);
    if (names.size() == before)
        return;

    // The new machine is current, with the line of the machine before it.
    const int index = int(names.size());
    QCOMPARE(editor.entries().last().recordIndex, index);
    QCOMPARE(editor.selection(), index - 1);
    QCOMPARE(machines.currentMachine, index - 1);
    MachineRecord expected = machines.table.at(index - 1);
    expected.name = names.last();
    QCOMPARE(machines.table.at(index), expected);
    QCOMPARE(editor.form().ethernet, expected.isEthernet());
    if (index == 1)
        QCOMPARE(editor.form().baud, QString());
    else
        QCOMPARE(editor.form().baud, QStringLiteral("4800"));
}

void MachineSettingsTest::addingIsRefusedAtOneHundredMachines()
{
    QByteArray file = " 0 \r\n";
    for (int i = 1; i <= 100; ++i)
        file += "\"M" + QByteArray::number(i) + "\",1,\"9600,N,8,1\",0,\"\",\"\",0\r\n";
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), file);
    MachineState machines;
    ScriptedDialogs dialogs;
    MachineSettingsEditor editor(machines, temp.folder(), dialogs);
    editor.open();
    editor.addMachine();
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.first().kind, ScriptedDialogs::Kind::Message);
    QCOMPARE(dialogs.shown.first().text,
             QStringLiteral("L'elenco contiene già 100 macchine: non se ne possono aggiungere altre."));
    QCOMPARE(dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(editor.entries().size(), 100);
}

void MachineSettingsTest::rename_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("name");  // of the first machine afterwards

    QTest::newRow("kept as typed") << true << std::optional<QString>(QStringLiteral(" tornio uno "))
                                   << QStringList{} << QStringLiteral(" tornio uno ");
    QTest::newRow("duplicates allowed") << true << std::optional<QString>(QStringLiteral("TORNIO 2")) << QStringList{}
                                        << QStringLiteral("TORNIO 2");
    QTest::newRow("no selection") << false << std::optional<QString>() << QStringList{"Selezionare un utensile"}
                                  << QStringLiteral("TORNIO 1");
    QTest::newRow("empty answer") << true << std::optional<QString>(QString()) << QStringList{"Nome non valido"}
                                  << QStringLiteral("TORNIO 1");
    QTest::newRow("cancelled") << true << std::optional<QString>() << QStringList{"Nome non valido"}
                               << QStringLiteral("TORNIO 1");
    QTest::newRow("double quote") << true << std::optional<QString>(QStringLiteral("\"T\""))
                                  << QStringList{"Nome non valido"} << QStringLiteral("TORNIO 1");
}

void MachineSettingsTest::rename()
{
    QFETCH(bool, selected);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QStringList, messages);
    QFETCH(QString, name);

    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), TwoMachines);
    MachineState machines;
    ScriptedDialogs dialogs;
    MachineSettingsEditor editor(machines, temp.folder(), dialogs);
    editor.open();
    editor.select(0);
    if (!selected)
        editor.select(-1);
    else
        dialogs.inputAnswers.enqueue(answer);
    editor.renameSelected();

    if (selected) {
        QCOMPARE(dialogs.shown.first().text, QStringLiteral("Nome Macchina Utensile"));
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Variazione nome"));
    }
    QCOMPARE(dialogs.messageTexts(), messages);
    QCOMPARE(editor.entries().first().name, name);
    QCOMPARE(machines.table.at(1).name, name);
    QCOMPARE(dialogs.unexpected, 0);
}

void MachineSettingsTest::exitAsksAndSaves_data()
{
    QTest::addColumn<Dialogs::Button>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("yes saves") << Dialogs::Button::Yes << true
                               << QByteArray(" 0 \r\n"
                                             "\"TORNIO 1\",1,\"19200,O,7,1\",1,\"12\",\"\",0\r\n"
                                             "\"TORNIO 2\",3,\"4800,N,8,1\",2,\"\",\"0D0A\",2\r\n");
    QTest::newRow("no keeps the file") << Dialogs::Button::No << false << TwoMachines;
}

void MachineSettingsTest::exitAsksAndSaves()
{
    QFETCH(Dialogs::Button, answer);
    QFETCH(bool, closes);
    QFETCH(QByteArray, file);

    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), TwoMachines);
    MachineState machines;
    ScriptedDialogs dialogs;
    MachineSettingsEditor editor(machines, temp.folder(), dialogs);
    editor.open();
    editor.select(0);
    editor.form().baud = QStringLiteral("19200");
    editor.form().parity = QStringLiteral("O");
    editor.form().stopBits = QStringLiteral("1");
    dialogs.questionAnswers.enqueue(answer);
    QCOMPARE(editor.exit(), closes);

    QCOMPARE(dialogs.texts(), QStringList{"Volete salvare le variazioni"});
    QCOMPARE(*TextFile::read(temp.folder().machineFilePath()), file);
    // Applied either way: the change stays in memory until the next reload.
    QCOMPARE(machines.table.at(1).settings, QStringLiteral("19200,O,7,1"));
}

void MachineSettingsTest::fileErrorsAreShown()
{
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    QVERIFY(QDir(temp.folder().root()).mkdir(QStringLiteral("cncsett.dat")));
    MachineState machines;
    ScriptedDialogs dialogs;
    MachineSettingsEditor editor(machines, temp.folder(), dialogs);
    editor.open();
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
    QVERIFY(!dialogs.shown.first().text.isEmpty());
    QVERIFY(editor.entries().isEmpty());

    dialogs.clear();
    dialogs.questionAnswers.enqueue(Dialogs::Button::Yes);
    QVERIFY(!editor.exit());
    QCOMPARE(dialogs.shown.size(), 2);
    QCOMPARE(dialogs.shown.last().kind, ScriptedDialogs::Kind::Message);
    QCOMPARE(dialogs.shown.last().icon, Dialogs::Icon::Exclamation);
    QVERIFY(!dialogs.shown.last().text.isEmpty());
}

void MachineSettingsTest::helpPage()
{
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    MachineState machines;
    ScriptedDialogs dialogs;
    MachineSettingsEditor editor(machines, temp.folder(), dialogs);
    editor.help();
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.first().kind, ScriptedDialogs::Kind::Help);
    QCOMPARE(dialogs.shown.first().helpContext, 107);
}

QTEST_GUILESS_MAIN(MachineSettingsTest)
#include "tst_machinesettings.moc"
