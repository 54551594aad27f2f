#include "interfacelanguage.h"
#include "shelltext.h"

#include <QLocale>
#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(InterfaceLanguage)

// Which language a run speaks, and what installing it changes.
class InterfaceLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void chooses_data();
    void chooses();
    void takesTheOption_data();
    void takesTheOption();
    void installs_data();
    void installs();
};

void InterfaceLanguageTest::chooses_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<InterfaceLanguage>("expected");
    const auto it = InterfaceLanguage::Italian;
    const auto en = InterfaceLanguage::English;
    QTest::newRow("nothing") << QStringList() << "" << it;
    QTest::newRow("C locale") << QStringList{"LANG=C.UTF-8"} << "" << it;
    QTest::newRow("English locale") << QStringList{"LANG=en_GB.UTF-8"} << "" << en;
    QTest::newRow("Italian locale") << QStringList{"LANG=it_IT.UTF-8"} << "" << it;
    QTest::newRow("no translation fits") << QStringList{"LANG=de_DE.UTF-8"} << "" << it;
    QTest::newRow("messages before LANG") << QStringList{"LANG=it_IT", "LC_MESSAGES=en_US.UTF-8"} << "" << en;
    QTest::newRow("LC_ALL before all") << QStringList{"LANG=en_US", "LC_MESSAGES=en_US", "LC_ALL=C"} << "" << it;
    QTest::newRow("setting over locale") << QStringList{"LANG=en_US.UTF-8"} << "it" << it;
    QTest::newRow("setting in capitals") << QStringList{"LANG=C"} << "EN" << en;
    QTest::newRow("unknown setting ignored") << QStringList{"LANG=en_US.UTF-8"} << "fr" << en;
    QTest::newRow("option over setting") << QStringList{"TRUV_LANGUAGE=en", "LANG=it_IT"} << "it" << en;
}

void InterfaceLanguageTest::chooses()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, setting);
    QFETCH(InterfaceLanguage, expected);
    QProcessEnvironment variables;
    for (const QString &assignment : environment)
        variables.insert(assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
    QCOMPARE(LanguageChoice::choose(variables, setting), expected);
}

void InterfaceLanguageTest::takesTheOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("none") << QStringList{"truvnet", "send", "M1"} << true << QStringList{"truvnet", "send", "M1"} << "";
    QTest::newRow("two words") << QStringList{"truvnet", "--lang", "en", "--help"} << true
                               << QStringList{"truvnet", "--help"} << "en";
    QTest::newRow("one word") << QStringList{"truvnet", "--lang=it_IT", "dir", "M2"} << true
                              << QStringList{"truvnet", "dir", "M2"} << "it";
    QTest::newRow("alone") << QStringList{"truvnet", "--lang", "en"} << true << QStringList{"truvnet"} << "en";
    // Further on, the words belong to the subcommand.
    QTest::newRow("after the subcommand") << QStringList{"truvnet", "text", "--lang", "en"} << true
                                          << QStringList{"truvnet", "text", "--lang", "en"} << "";
    QTest::newRow("unknown") << QStringList{"truvnet", "--lang", "de", "--help"} << false
                             << QStringList{"truvnet", "--lang", "de", "--help"} << "";
}

void InterfaceLanguageTest::takesTheOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, known);
    QFETCH(QStringList, left);
    QFETCH(QString, chosen);
    qunsetenv(LanguageChoice::OptionVariable);
    std::vector<QByteArray> words;
    for (const QString &argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int argc = int(arguments.size());
    QString unknown;
    QCOMPARE(LanguageChoice::takeOption(argc, argv.data(), &unknown), known);
    QStringList remaining;
    for (int i = 0; i < argc; ++i)
        remaining << QString::fromLocal8Bit(argv[size_t(i)]);
    QCOMPARE(remaining, left);
    QCOMPARE(argv[size_t(argc)], nullptr);
    QCOMPARE(qEnvironmentVariable(LanguageChoice::OptionVariable), chosen);
    QCOMPARE(unknown, known ? QString() : QStringLiteral("de"));
    qunsetenv(LanguageChoice::OptionVariable);
}

void InterfaceLanguageTest::installs_data()
{
    QTest::addColumn<InterfaceLanguage>("language");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("qtButton");
    QTest::addColumn<QString>("number");
    const QString italianCaption = QStringLiteral("Gestione programmi C.N.");
    QTest::newRow("Italian") << InterfaceLanguage::Italian << TRUV_TRANSLATIONS_FOLDER << true << italianCaption
                             << "Annulla" << "6.660,5";
    QTest::newRow("English") << InterfaceLanguage::English << TRUV_TRANSLATIONS_FOLDER << true
                             << "CNC program manager" << "Cancel" << "6,660.5";
    // A package without its translation file still speaks, in Italian.
    QTest::newRow("English missing") << InterfaceLanguage::English << QDir::tempPath() + "/no-such-folder" << false
                                     << italianCaption << "Annulla" << "6.660,5";
}

void InterfaceLanguageTest::installs()
{
    QFETCH(InterfaceLanguage, language);
    QFETCH(QString, folder);
    QFETCH(bool, installed);
    QFETCH(QString, caption);
    QFETCH(QString, qtButton);
    QFETCH(QString, number);
    {
        InterfaceTranslations translations;
        QCOMPARE(translations.install(language, folder), installed);
        QCOMPARE(QString(ShellText::MainCaption), caption);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtButton);
        QCOMPARE(QLocale().toString(6660.5, 'f', 1), number);
    }
    // Gone with the object: the next run of the test starts from the source texts.
    QCOMPARE(QString(ShellText::MainCaption), QStringLiteral("Gestione programmi C.N."));
}

QTEST_GUILESS_MAIN(InterfaceLanguageTest)
#include "tst_interfacelanguage.moc"
