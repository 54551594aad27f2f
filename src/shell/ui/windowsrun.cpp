#include "windowsrun.h"

#include "deviceportprobe.h"
#include "icmppinger.h"
#include "interfacelanguage.h"
#include "programicon.h"
#include "qtdialogs.h"
#include "screenfit.h"
#include "session.h"
#include "shelltext.h"
#include "startupsequence.h"
#include "version.h"

#include <QApplication>
#include <QTextStream>

int runWindows(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ShellText::ProgramTitle);
    QApplication::setWindowIcon(ProgramIcon::icon());
    // Before the first window: Qt's own buttons and dialogs ("Sì", "Annulla") speak it too.
    InterfaceTranslations translations;
    translations.install(InterfaceTranslations::chosen());
    Session session(ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath()));
    ScreenFit screenFit;
    app.installEventFilter(&screenFit);
    // Boxes without a title of their own carry the main window's caption, as the others do.
    QtDialogs dialogs(ShellText::MainCaptionWithRelease + QStringLiteral(TRUV_VERSION));
    IcmpPinger pinger;
    DevicePortProbe probe;
    StartupSequence startup(session, dialogs, pinger, probe);
    QObject::connect(&startup, &StartupSequence::finished, &app, &QCoreApplication::exit,
                     Qt::QueuedConnection);
    startup.start();
    return app.exec();
}
