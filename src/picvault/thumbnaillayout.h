#pragma once

#include <QList>
#include <QPoint>
#include <QSize>

// Where the thumbnails go, in np order: side by side from the top-left corner, a new row when
// the next one would pass the container's right edge, rowGap below the row above.
QList<QPoint> thumbnailPlaces(int count, QSize thumbnail, int containerWidth, int rowGap);
