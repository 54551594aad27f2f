#pragma once

#include "italian.h"

#include <QProcessEnvironment>
#include <QString>
#include <QTranslator>

#include <optional>

// The language of the interface: Italian, the texts as written, or English from translations/truv_en.ts.
enum class InterfaceLanguage { Italian, English };

namespace LanguageChoice {

// "it", "en", "en_GB.UTF-8", "EN": the language a code names, if it is one of ours.
std::optional<InterfaceLanguage> fromCode(const QString &code);
QString code(InterfaceLanguage language);

// The variable through which --lang reaches this run and the programs it starts (picvault).
inline constexpr char OptionVariable[] = "TRUV_LANGUAGE";

// --lang (through OptionVariable), else the setting ui/language, else LC_ALL, LC_MESSAGES, LANG
// in that order; Italian when none of them names a language we have.
InterfaceLanguage choose(const QProcessEnvironment &environment, const QString &setting);

// Removes a leading "--lang CODE" or "--lang=CODE" from the arguments and puts CODE into
// OptionVariable. False, with the code in *unknown, when CODE is not one of ours.
bool takeOption(int &argc, char **argv, QString *unknown);

} // namespace LanguageChoice

// Installs the chosen language for this run: its texts, Qt's own buttons and dialogs, and the
// form of numbers (Italian for Italian, the system's or US English for English).
class InterfaceTranslations {
public:
    // The language of this process's environment and settings; needs the application object.
    static InterfaceLanguage chosen();
    // Where the build and the package put truv_en.qm, relative to the executable.
    static QString installedFolder();

    // False, after saying why on standard error, when a translation is missing; the texts stay
    // Italian then (Qt's own ones in English when qtbase_it is the missing one).
    bool install(InterfaceLanguage language, const QString &folder = installedFolder());
    // Without Qt's own texts: for the command line, whose messages quote the system's errors
    // as Qt gives them, in English.
    bool installProgramTexts(InterfaceLanguage language, const QString &folder = installedFolder());

private:
    QTranslator m_truv;
    QtItalianTexts m_qtItalian;
};
