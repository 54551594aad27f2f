#pragma once

#include <QString>

class QTranslator;

// The programs speak Italian whatever the system's locale says (LANG=C.UTF-8 is common on Linux
// desktops and services), until a second language exists.

// Numbers and dates in Italian form from here on: "6.660", "0,039".
void useItalianNumbers();
// Qt's own texts (standard buttons, file chooser) in Italian; false when the translation is missing.
// The translator must outlive the application's use of it.
bool installQtItalianTexts(QTranslator &texts);
// Told on standard error when the translation is missing; the program goes on.
inline const QString QtItalianTextsMissing =
    QStringLiteral("Traduzione italiana di Qt (qtbase_it) non trovata: i dialoghi di Qt restano in inglese");
