#pragma once

#include <QString>

class QLineEdit;
class QMessageBox;

// How the program's boxes show their texts.

// A message keeps its own line ends (a CR alone, LF CR, CR LF); a label breaks lines only at LF.
QString withShownLineBreaks(const QString &text);
// Makes a message box wide enough to show its whole title.
void widenForTitle(QMessageBox &box);
// A hidden entry shows "*" for each typed character, whatever the style would draw.
void echoStars(QLineEdit *entry);
