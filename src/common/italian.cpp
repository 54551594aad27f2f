#include "italian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void useItalianNumbers()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

bool installQtItalianTexts(QTranslator &texts)
{
    return texts.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(&texts);
}
