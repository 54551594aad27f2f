#include "italian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

void useItalianNumbers()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

QString QtItalianTexts::RenamedContexts::translate(const char *context, const char *sourceText,
                                                   const char *disambiguation, int n) const
{
    if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
        return {};
    return m_qtbase.translate("QFileDialog", sourceText, disambiguation, n);
}

bool QtItalianTexts::install()
{
    return m_qtbase.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(&m_qtbase) && QCoreApplication::installTranslator(&m_renamed);
}
