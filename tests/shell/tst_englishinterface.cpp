#include "commandlinetext.h"
#include "fakecnclibrary.h"
#include "frmeth.h"
#include "frmmdi.h"
#include "interfacelanguage.h"
#include "qtdialogs.h"
#include "scripteddialogs.h"
#include "session.h"
#include "shelltext.h"
#include "tempprogramfolder.h"

#include <QAbstractButton>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

Q_DECLARE_METATYPE(InterfaceLanguage)

// The interface in English where the option, the setting or the locale ask for it, and in the
// Italian the other tests check everywhere else.
class EnglishInterfaceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void helpSpeaksTheChosenLanguage_data();
    void helpSpeaksTheChosenLanguage();
    void windowsSpeakTheChosenLanguage_data();
    void windowsSpeakTheChosenLanguage();

private:
    QTranslator m_english;
};

void EnglishInterfaceTest::initTestCase()
{
    QVERIFY(m_english.load(QStringLiteral("truv_en"), QStringLiteral(TRUV_TRANSLATIONS_FOLDER)));
}

void EnglishInterfaceTest::helpSpeaksTheChosenLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("english");
    const QStringList help{"--help"};
    const QStringList c{"LANG=C.UTF-8"};
    QTest::newRow("nothing set") << help << c << "" << false;
    QTest::newRow("Italian setting") << help << c << "it" << false;
    QTest::newRow("English setting") << help << c << "en" << true;
    QTest::newRow("English locale") << help << QStringList{"LANG=en_GB.UTF-8"} << "" << true;
    QTest::newRow("locale without a translation") << help << QStringList{"LANG=de_DE.UTF-8"} << "" << false;
    QTest::newRow("setting over locale") << help << QStringList{"LANG=en_GB.UTF-8"} << "it" << false;
    QTest::newRow("option") << QStringList{"--lang", "en", "--help"} << c << "" << true;
    QTest::newRow("option over setting") << QStringList{"--lang=it", "--help"} << c << "en" << false;
    // A language we lack is refused in the one the run would otherwise speak.
    QTest::newRow("unknown option") << QStringList{"--lang", "de", "--help"} << QStringList{"LANG=en_US.UTF-8"} << ""
                                    << true;
}

void EnglishInterfaceTest::helpSpeaksTheChosenLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QString, setting);
    QFETCH(bool, english);
    QTemporaryDir config;
    QVERIFY(config.isValid());
    if (!setting.isEmpty()) {
        QVERIFY(QDir(config.path()).mkpath(QStringLiteral("TRUV")));
        QFile file(config.filePath(QStringLiteral("TRUV/TRUV.conf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[ui]\nlanguage=" + setting.toLatin1() + '\n');
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE", "TRUV_LANGUAGE", "DISPLAY"})
        env.remove(QString::fromLatin1(variable));
    for (const QString &assignment : environment)
        env.insert(assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    QProcess truvnet;
    truvnet.setProcessEnvironment(env);
    truvnet.start(QStringLiteral(TRUVNET_PATH), arguments);
    QVERIFY(truvnet.waitForFinished(20000));
    const bool refused = arguments.contains(u"de");
    QCOMPARE(truvnet.exitCode(), refused ? 2 : 0);

    const QString italian = refused ? CommandLineText::UnknownLanguage.source() : CommandLineText::Usage.source();
    QString translated = m_english.translate("CommandLineText", italian.toUtf8().constData());
    QVERIFY(!translated.isEmpty());
    QVERIFY(translated != italian);
    QString expected = english ? translated : italian;
    if (refused)
        expected = expected.arg(QStringLiteral("de"));
    QCOMPARE(QString::fromUtf8(refused ? truvnet.readAllStandardError() : truvnet.readAllStandardOutput()), expected);
}

void EnglishInterfaceTest::windowsSpeakTheChosenLanguage_data()
{
    QTest::addColumn<InterfaceLanguage>("language");
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QStringList>("ethernetWindow");
    QTest::addColumn<QStringList>("box");
    QTest::newRow("Italian") << InterfaceLanguage::Italian
                             << QStringList{"&Ricerca programmi C.N.", "&Stampa lista cicli", "&Parametri", "&Fine",
                                            "&Crediti", "&Utilità"}
                             << QStringList{"Gestione  Ethernet", "&Aggiorna", "E&limina", "&Rinomina", "&Esci"}
                             << QStringList{"Nella cartella /officina non c'è ancora un archivio dei programmi.\n\n"
                                            "Creare ora un nuovo archivio vuoto in questa cartella?",
                                            "&Sì", "&No"};
    QTest::newRow("English") << InterfaceLanguage::English
                             << QStringList{"&Search CNC programs", "&Print program list", "Para&meters", "&End",
                                            "&Credits", "&Utilities"}
                             << QStringList{"Ethernet  Transfer", "&Refresh", "&Delete", "Re&name", "E&xit"}
                             << QStringList{"There is no program archive in the folder /officina yet.\n\n"
                                            "Create a new, empty archive in this folder now?",
                                            "&Yes", "&No"};
}

void EnglishInterfaceTest::windowsSpeakTheChosenLanguage()
{
    QFETCH(InterfaceLanguage, language);
    QFETCH(QStringList, menus);
    QFETCH(QStringList, ethernetWindow);
    QFETCH(QStringList, box);
    InterfaceTranslations translations;
    QVERIFY(translations.install(language, QStringLiteral(TRUV_TRANSLATIONS_FOLDER)));

    TempProgramFolder temp;
    Session session(temp.folder());
    session.archive = temp.openArchive();
    ScriptedDialogs dialogs;
    frmMDI main(session, dialogs);
    QStringList menuTexts;
    for (const QAction *action : main.menuBar()->actions())
        menuTexts << action->text();
    QCOMPARE(menuTexts, menus);

    frmeth ethernet(std::make_shared<FakeCncLibrary>(), dialogs);
    QStringList ethernetTexts{ethernet.windowTitle()};
    for (const char *button : {"Command3", "Command4", "Command5", "Command2"})
        ethernetTexts << ethernet.findChild<QPushButton *>(QString::fromLatin1(button))->text();
    QCOMPARE(ethernetTexts, ethernetWindow);

    const auto question = QtDialogs(ShellText::MainCaption)
                              .messageBox(ShellText::NoArchiveFound.arg(QStringLiteral("/officina")),
                                          Dialogs::Buttons::YesNo, {}, Dialogs::Icon::Question);
    QCOMPARE((QStringList{question->text(), question->button(QMessageBox::Yes)->text(),
                          question->button(QMessageBox::No)->text()}),
             box);
}

QTEST_MAIN(EnglishInterfaceTest)
#include "tst_englishinterface.moc"
