#include "thumbnaillayout.h"

QList<QPoint> thumbnailPlaces(int count, QSize thumbnail, int containerWidth, int rowGap)
{
    QList<QPoint> places;
    int left = 0;
    int rowTop = 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            left += thumbnail.width();
            if (left + thumbnail.width() > containerWidth) {
                rowTop += thumbnail.height() + rowGap;
                left = 0;
            }
        }
        places.append(QPoint(left, rowTop));
    }
    return places;
}
