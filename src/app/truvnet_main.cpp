// truvnet: the archive, editor and transfer program.
#include "commandline.h"
#include "italian.h"
#include "windowsrun.h"

int main(int argc, char **argv)
{
    // Counts and sizes read the same in the windows and on the command line.
    useItalianNumbers();
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;
    return runWindows(argc, argv);
}
