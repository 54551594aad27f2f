// picvault: the pictures of one archived program, started by truvnet with its archive number.
#include "dialogs.h"
#include "iconcontainer.h"
#include "numerictext.h"
#include "pictureediting.h"
#include "picturestore.h"
#include "picvaulttext.h"
#include "programicon.h"
#include "programfolder.h"
#include "qtdialogs.h"
#include "screenfit.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString title = QStringLiteral("picvault");
    QApplication::setApplicationName(title);
    QApplication::setWindowIcon(ProgramIcon::icon());
    // The number is the value of the whole command line; without a usable one there is nothing to show.
    const qint64 number = leadingNumber(app.arguments().mid(1).join(QLatin1Char(' ')));
    if (number <= 0)
        return 0;
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    ScreenFit screenFit;
    app.installEventFilter(&screenFit);
    QtDialogs dialogs(title);

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
