// picvault: the pictures of one archived program, started by truvnet with its archive number.
#include "dialogs.h"
#include "iconcontainer.h"
#include "interfacelanguage.h"
#include "numerictext.h"
#include "pictureediting.h"
#include "picturestore.h"
#include "picvaulttext.h"
#include "programicon.h"
#include "programfolder.h"
#include "qtdialogs.h"
#include "screenfit.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    // truvnet passes its own --lang on through the environment; one given here is taken as it.
    LanguageChoice::takeOption(argc, argv, nullptr);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("picvault"));
    QApplication::setWindowIcon(ProgramIcon::icon());
    // The number is the value of the whole command line; without a usable one there is nothing to show.
    const qint64 number = leadingNumber(app.arguments().mid(1).join(QLatin1Char(' ')));
    if (number <= 0)
        return 0;
    InterfaceTranslations translations;
    translations.install(InterfaceTranslations::chosen());
    ScreenFit screenFit;
    app.installEventFilter(&screenFit);
    // Boxes without a title of their own carry the program's caption.
    QtDialogs dialogs(Iconcontainer::caption(qint32(number)));

    PictureStore store(ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath()));
    if (!store.open()) {
        dialogs.message(PicvaultText::CatalogueError.arg(store.lastError()), {}, Dialogs::Icon::Critical);
        return 1;
    }
    PictureEditing editing(store, dialogs, qint32(number));
    Iconcontainer container(store, editing, dialogs, qint32(number));
    container.showMaximized();
    container.refresh();
    return app.exec();
}
