#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// A picture file decoded for showing, or why it could not be.
struct ReadPicture {
    QImage image;  // null when the file could not be read
    QSize size;    // the picture's own size in pixels, when known
    QString error; // the image reader's own text
};

// Decodes the file no larger than box (aspect kept; a smaller picture keeps its size), so that
// a large photo costs only its thumbnail's memory and time. An empty box reads it whole.
ReadPicture readPicture(const QString &path, QSize box = {});
// The same for many files, decoded side by side on the processor's cores.
QList<ReadPicture> readPictures(const QStringList &paths, QSize box);

// The file chooser's filter: its label and every format the reader decodes, in lower and upper
// case (names from cameras often end in .JPG, and Linux file names keep their case).
QString pictureChooserFilter();
