#include "interfacelanguage.h"

#include "settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTextStream>

#include <cstring>

namespace {

const QString EnglishFile = QStringLiteral("truv_en");
// Said in Italian: it is the language the run stays in.
const QString EnglishMissing =
    QStringLiteral("Traduzione inglese (%1.qm) non trovata in %2: i testi restano in italiano");

void useNumbersOf(InterfaceLanguage language)
{
    if (language == InterfaceLanguage::Italian) {
        useItalianNumbers();
        return;
    }
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == QLocale::English ? system
                                                              : QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace

std::optional<InterfaceLanguage> LanguageChoice::fromCode(const QString &code)
{
    // "en_GB.UTF-8@euro": the language is what comes before the territory, the encoding and the modifier.
    const QString language = code.section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('@'), 0, 0)
                                 .section(QLatin1Char('-'), 0, 0)
                                 .trimmed()
                                 .toLower();
    if (language == u"it")
        return InterfaceLanguage::Italian;
    if (language == u"en")
        return InterfaceLanguage::English;
    return std::nullopt;
}

QString LanguageChoice::code(InterfaceLanguage language)
{
    return language == InterfaceLanguage::English ? QStringLiteral("en") : QStringLiteral("it");
}

InterfaceLanguage LanguageChoice::choose(const QProcessEnvironment &environment, const QString &setting)
{
    if (const auto option = fromCode(environment.value(QString::fromLatin1(OptionVariable))))
        return *option;
    if (const auto configured = fromCode(setting))
        return *configured;
    // The first of these that is set decides, as for any program's messages: LC_ALL=C means C.
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QString::fromLatin1(variable));
        if (!value.isEmpty())
            return fromCode(value).value_or(InterfaceLanguage::Italian);
    }
    return InterfaceLanguage::Italian;
}

bool LanguageChoice::takeOption(int &argc, char **argv, QString *unknown)
{
    if (argc < 2)
        return true;
    QString value;
    int used = 0;
    if (std::strcmp(argv[1], "--lang") == 0 && argc >= 3) {
        value = QString::fromLocal8Bit(argv[2]);
        used = 2;
    } else if (std::strncmp(argv[1], "--lang=", 7) == 0) {
        value = QString::fromLocal8Bit(argv[1] + 7);
        used = 1;
    } else {
        return true;
    }
    const std::optional<InterfaceLanguage> language = fromCode(value);
    if (!language) {
        if (unknown)
            *unknown = value;
        return false;
    }
    qputenv(OptionVariable, code(*language).toLatin1());
    for (int i = 1; i + used <= argc; ++i)
        argv[i] = argv[i + used];
    argc -= used;
    return true;
}

InterfaceLanguage InterfaceTranslations::chosen()
{
    return LanguageChoice::choose(QProcessEnvironment::systemEnvironment(),
                                  SettingsStore().text(QStringLiteral("ui"), QStringLiteral("language")));
}

QString InterfaceTranslations::installedFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/truv/translations"));
}

bool InterfaceTranslations::installProgramTexts(InterfaceLanguage language, const QString &folder)
{
    if (language == InterfaceLanguage::English) {
        if (!m_truv.load(EnglishFile, folder) || !QCoreApplication::installTranslator(&m_truv)) {
            QTextStream(stderr) << EnglishMissing.arg(EnglishFile, QDir::cleanPath(folder)) << Qt::endl;
            useNumbersOf(InterfaceLanguage::Italian);
            return false;
        }
    }
    useNumbersOf(language);
    return true;
}

bool InterfaceTranslations::install(InterfaceLanguage language, const QString &folder)
{
    const bool complete = installProgramTexts(language, folder);
    if (language == InterfaceLanguage::English && complete)
        return true;
    if (m_qtItalian.install())
        return complete;
    QTextStream(stderr) << QtItalianTextsMissing << Qt::endl;
    return false;
}
