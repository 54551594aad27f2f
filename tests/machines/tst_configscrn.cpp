#include "configscrn.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "textfile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QByteArray TwoMachines = " 1 \r\n"
                               "\"TORNIO 1\",1,\"9600,E,7,2\",1,\"12\",\"\",0\r\n"
                               "\"TORNIO 2\",3,\"4800,N,8,1\",2,\"\",\"0D0A\",2\r\n"
                               "\"CNC ETH\",5,\"192.168.1.10:8193,\",0,\"\",\"\",1\r\n";

struct Fixture {
    explicit Fixture(const QByteArray &file = TwoMachines)
    {
        temp.writeFile(QStringLiteral("cncsett.dat"), file);
        window = std::make_unique<ConfigScrn>(machines, temp.folder(), dialogs);
        window->show();
    }
    template <typename T> T *find(const char *name) const
    {
        T *control = window->findChild<T *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    void click(const char *name) const { find<QAbstractButton>(name)->click(); }
    void clickRow(int row) const
    {
        auto *list = find<QListWidget>("List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    bool checked(const char *name) const { return find<QRadioButton>(name)->isChecked(); }

    TempProgramFolder temp{TempProgramFolder::Content::Empty};
    MachineState machines;
    ScriptedDialogs dialogs;
    std::unique_ptr<ConfigScrn> window;
};

} // namespace

class ConfigScrnTest : public QObject {
    Q_OBJECT
private slots:
    void captions_data();
    void captions();
    void groupTitlesAndLabels();
    void openingShowsTheCurrentMachine();
    void optionsAppliedWithVaria();
    void switchingToEthernet();
    void hexKeyFilter_data();
    void hexKeyFilter();
    void ethernetBoxesRefuseDoubleQuotes();
    void newMachineIsSelected();
    void exitAndAbandon_data();
    void exitAndAbandon();
    void helpButton();
    void brokenFileIsToldAndKept();
};

void ConfigScrnTest::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const QList<std::pair<const char *, const char *>> rows{
        {"Baud3", "300"},          {"Baud6", "600"},        {"Baud12", "1200"},         {"Baud24", "2400"},
        {"Baud48", "4800"},        {"Baud96", "9600"},      {"Baud192", "19200"},       {"Baud384", "38400"},
        {"Data7", "7"},            {"Data8", "8"},          {"Stop1", "1"},             {"Stop2", "2"},
        {"NoParity", "Nessuna"},   {"OddParity", "Dispari"}, {"EvenParity", "Pari"},    {"ComPort1", "1"},
        {"ComPort16", "16"},       {"NoFlow", "Nessuno"},   {"XonFlow", "Xon/Xoff"},    {"RTSFlow", "RTS"},
        {"BothFlow", "Xon/RTS"},   {"CRLF0", "Cr + Lf"},    {"CRLF1", "Lf"},            {"CRLF2", "Cr "},
        {"Check1", "Ethernet"},    {"OKButton", "Varia "},  {"Newbutton", "Nuovo"},     {"Command4", "Rinomina"},
        {"Command1", "Esci"},      {"Command2", "Abbandona"}, {"Command3", "?"}};
    for (const auto &[name, caption] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption);
}

void ConfigScrnTest::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Fixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Impostazioni di comunicazione"));
    auto *control = f.window->findChild<QAbstractButton *>(name);
    QVERIFY(control);
    QCOMPARE(control->text(), caption);
}

void ConfigScrnTest::groupTitlesAndLabels()
{
    Fixture f;
    QStringList titles;
    for (const QGroupBox *box : f.window->findChildren<QGroupBox *>())
        titles.append(box->title());
    titles.sort();
    QStringList expected{"&Bit per secondo", "Bi&t di dati",       "B&it di stop", "&Parità",
                         "P&orta Com",       "&Controllo di flusso", "&Gestione CR  LF", "Gestione tramite Ethernet"};
    expected.sort();
    QCOMPARE(titles, expected);
    QStringList labels;
    for (const QLabel *label : f.window->findChildren<QLabel *>())
        labels.append(label->text());
    QVERIFY(labels.contains(QStringLiteral("C.N. Disponibili")));
    QVERIFY(labels.contains(QStringLiteral("Preambolo")));
    QVERIFY(labels.contains(QStringLiteral("Postambolo")));
    QVERIFY(labels.contains(QStringLiteral(":")));
    for (int port = 1; port <= 16; ++port)
        QVERIFY(f.window->findChild<QRadioButton *>(QStringLiteral("ComPort%1").arg(port)));
}

void ConfigScrnTest::openingShowsTheCurrentMachine()
{
    Fixture f;
    auto *list = f.find<QListWidget>("List1");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(2)->text(), QStringLiteral("CNC ETH"));
    QCOMPARE(list->item(2)->data(Qt::UserRole).toInt(), 3);
    QCOMPARE(list->currentRow(), 1);
    for (const char *name : {"Baud48", "NoParity", "Data8", "Stop1", "ComPort3", "RTSFlow", "CRLF2"})
        QVERIFY2(f.checked(name), name);
    QCOMPARE(f.find<QLineEdit>("Text1")->text(), QString());
    QCOMPARE(f.find<QLineEdit>("Text2")->text(), QStringLiteral("0D0A"));
    QVERIFY(!f.find<QCheckBox>("Check1")->isChecked());
    QVERIFY(!f.find<QLineEdit>("Text3")->isEnabled());
    QVERIFY(!f.find<QLineEdit>("Text4")->isEnabled());

    // Choosing another machine drops what was not applied.
    f.click("Baud384");
    f.clickRow(0);
    QCOMPARE(f.machines.currentMachine, 0);
    for (const char *name : {"Baud96", "EvenParity", "Data7", "Stop2", "ComPort1", "XonFlow", "CRLF0"})
        QVERIFY2(f.checked(name), name);
    QCOMPARE(f.find<QLineEdit>("Text1")->text(), QStringLiteral("12"));
    f.clickRow(1);
    QVERIFY(f.checked("Baud48"));
    QCOMPARE(f.machines.table.at(2).settings, QStringLiteral("4800,N,8,1"));
    QVERIFY(f.dialogs.shown.isEmpty());
}

void ConfigScrnTest::optionsAppliedWithVaria()
{
    Fixture f;
    f.clickRow(0);
    for (const char *name : {"Baud192", "OddParity", "Stop1", "ComPort2", "BothFlow", "CRLF1"})
        f.click(name);
    QTest::keyClicks(f.find<QLineEdit>("Text2"), QStringLiteral("14"));
    // Options only set the window's choice; the record changes with "Varia ".
    QCOMPARE(f.machines.table.at(1).settings, QStringLiteral("9600,E,7,2"));
    f.click("OKButton");
    const MachineRecord &r = f.machines.table.at(1);
    QCOMPARE(r.settings, QStringLiteral("19200,O,7,1"));
    QCOMPARE(r.comPort, 2);
    QCOMPARE(r.handshaking, 3);
    QCOMPARE(r.postamble, QStringLiteral("14"));
    QCOMPARE(r.lineEnd, 1);
    QCOMPARE(*TextFile::read(f.temp.folder().machineFilePath()), TwoMachines);
}

void ConfigScrnTest::switchingToEthernet()
{
    Fixture f;
    f.click("Check1");
    auto *address = f.find<QLineEdit>("Text3");
    auto *port = f.find<QLineEdit>("Text4");
    QVERIFY(address->isEnabled());
    QVERIFY(port->isEnabled());
    QTest::keyClicks(address, QStringLiteral(" 10.0.0.5"));
    QTest::keyClicks(port, QStringLiteral("8193 "));
    f.click("OKButton");
    MachineRecord expected;
    expected.name = QStringLiteral("TORNIO 2");
    expected.comPort = 3;
    expected.settings = QStringLiteral("10.0.0.5:8193,");
    expected.handshaking = 2;
    expected.postamble = QStringLiteral("0D0A");
    expected.lineEnd = 2;
    QCOMPARE(f.machines.table.at(2), expected);

    f.clickRow(2);
    QVERIFY(f.find<QCheckBox>("Check1")->isChecked());
    QCOMPARE(address->text(), QStringLiteral("192.168.1.10"));
    QCOMPARE(port->text(), QStringLiteral("8193"));
    // The serial options keep what they showed.
    QVERIFY(f.checked("Baud48"));
    f.click("Check1");
    QVERIFY(!address->isEnabled());
    QVERIFY(!port->isEnabled());
}

void ConfigScrnTest::hexKeyFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::newRow("g beeps") << QStringLiteral("g") << QString() << 1;
    QTest::newRow("b becomes B") << QStringLiteral("b") << QStringLiteral("B") << 0;
    QTest::newRow("mixed") << QStringLiteral("0d 0a!") << QStringLiteral("0D0A") << 2;
}

void ConfigScrnTest::hexKeyFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, beeps);
    Fixture f;
    for (const char *name : {"Text1", "Text2"}) {
        f.dialogs.clear();
        auto *edit = f.find<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(f.dialogs.shown.size(), beeps);
        for (const ScriptedDialogs::Shown &entry : std::as_const(f.dialogs.shown))
            QCOMPARE(entry.kind, ScriptedDialogs::Kind::Beep);
    }
    f.click("OKButton");
    QCOMPARE(f.machines.table.at(2).preamble, shown);
    QCOMPARE(f.machines.table.at(2).postamble, shown);
}

void ConfigScrnTest::ethernetBoxesRefuseDoubleQuotes()
{
    Fixture f;
    f.click("Check1");
    QTest::keyClicks(f.find<QLineEdit>("Text3"), QStringLiteral("10.0\".0.1"));
    QCOMPARE(f.find<QLineEdit>("Text3")->text(), QStringLiteral("10.0.0.1"));
}

void ConfigScrnTest::newMachineIsSelected()
{
    Fixture f;
    f.dialogs.inputAnswers.enqueue(QStringLiteral("fresa"));
    f.click("Newbutton");
    auto *list = f.find<QListWidget>("List1");
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(3)->text(), QStringLiteral("FRESA"));
    QCOMPARE(list->item(3)->data(Qt::UserRole).toInt(), 4);
    QCOMPARE(list->currentRow(), 3);
    QCOMPARE(f.machines.currentMachine, 3);
    QVERIFY(f.find<QCheckBox>("Check1")->isChecked());
    QCOMPARE(f.find<QLineEdit>("Text3")->text(), QStringLiteral("192.168.1.10"));

    f.dialogs.inputAnswers.enqueue(QStringLiteral("Fresa grande"));
    f.click("Command4");
    QCOMPARE(list->item(3)->text(), QStringLiteral("Fresa grande"));
    QCOMPARE(f.dialogs.unexpected, 0);
}

void ConfigScrnTest::exitAndAbandon_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("question");
    QTest::addColumn<Dialogs::Button>("answer");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("saved");
    const QString save = QStringLiteral("Volete salvare le variazioni");
    const QString abandon = QStringLiteral("Volete abbandonare le variazioni");
    QTest::newRow("Esci, Yes") << QByteArray("Command1") << save << Dialogs::Button::Yes << false << true;
    QTest::newRow("Esci, No") << QByteArray("Command1") << save << Dialogs::Button::No << true << false;
    QTest::newRow("Abbandona, Yes") << QByteArray("Command2") << abandon << Dialogs::Button::Yes << false << false;
    QTest::newRow("Abbandona, No") << QByteArray("Command2") << abandon << Dialogs::Button::No << true << false;
}

void ConfigScrnTest::exitAndAbandon()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, question);
    QFETCH(Dialogs::Button, answer);
    QFETCH(bool, open);
    QFETCH(bool, saved);
    Fixture f;
    f.click("Baud384");
    f.dialogs.questionAnswers.enqueue(answer);
    f.click(button.constData());
    QCOMPARE(f.window->isVisible(), open);
    const QByteArray file = *TextFile::read(f.temp.folder().machineFilePath());
    QCOMPARE(file.contains("\"38400,N,8,1\""), saved);
    QCOMPARE(f.dialogs.texts(), QStringList{question});
    QCOMPARE(f.dialogs.shown.first().title, QStringLiteral("Termine modifiche"));
    QCOMPARE(f.dialogs.shown.first().buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(f.dialogs.shown.first().icon, Dialogs::Icon::None);
    // Either way the applied change stays in memory until the list is reloaded.
    QCOMPARE(f.machines.table.at(2).settings == QStringLiteral("38400,N,8,1"), button == "Command1");
}

void ConfigScrnTest::helpButton()
{
    Fixture f;
    f.click("Command3");
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().kind, ScriptedDialogs::Kind::Help);
    QCOMPARE(f.dialogs.shown.first().helpContext, 107);
}

void ConfigScrnTest::brokenFileIsToldAndKept()
{
    const QByteArray longName(5'000'000, 'L');
    const QByteArray file = " 0 \r\n\"T1\",1,\"9600,N,8,1\",0,\"\",\"\",0\r\n"
                            "\"T2,2\r\n"
                            "\"" + longName + "\",3,\"4800,N,8,1\",0,\"\",\"\",0\r\n";
    Fixture f(file);
    QCOMPARE(f.dialogs.messageTexts(),
             QStringList{QStringLiteral("Righe del file %1 che non si possono leggere (restano nel file così come sono):\n"
                                        "riga 3: virgolette non chiuse")
                             .arg(f.temp.folder().machineFilePath())});
    QCOMPARE(f.dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
    auto *list = f.find<QListWidget>("List1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QString(64, u'L') + QStringLiteral("..."));

    f.dialogs.clear();
    f.dialogs.questionAnswers.enqueue(Dialogs::Button::Yes);
    f.click("Command1");
    QCOMPARE(*TextFile::read(f.temp.folder().machineFilePath()), file);
}

QTEST_MAIN(ConfigScrnTest)
#include "tst_configscrn.moc"
