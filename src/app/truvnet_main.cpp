// truvnet: the archive, editor and transfer program.
#include "commandline.h"
#include "commandlinetext.h"
#include "commandrun.h"
#include "interfacelanguage.h"
#include "windowsrun.h"

#include <QTextStream>

int main(int argc, char **argv)
{
    QString unknownLanguage;
    if (!LanguageChoice::takeOption(argc, argv, &unknownLanguage)) {
        // Said in the language the setting or the locale would have given.
        CommandApplication app(argc, argv);
        QTextStream(stderr) << CommandLineText::UnknownLanguage.arg(unknownLanguage);
        return 2;
    }
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;
    return runWindows(argc, argv);
}
