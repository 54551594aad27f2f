// truvnet: the archive, editor and transfer program.
#include "commandline.h"
#include "commandlinetext.h"
#include "interfacelanguage.h"
#include "windowsrun.h"

#include <QTextStream>

int main(int argc, char **argv)
{
    QString unknownLanguage;
    if (!LanguageChoice::takeOption(argc, argv, &unknownLanguage)) {
        QTextStream(stderr) << CommandLineText::UnknownLanguage.arg(unknownLanguage);
        return 2;
    }
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;
    return runWindows(argc, argv);
}
