#pragma once

#include <QImage>
#include <QString>

class QPrinter;

// "Stampa" of the full-page window: the picture at the page's top-left corner, as large as on a
// screen of screenDpi, with the caption in a font twice the usual size under it. False when
// the printer could not be started.
bool printPicture(QPrinter &printer, const QImage &picture, int screenDpi, const QString &caption);
