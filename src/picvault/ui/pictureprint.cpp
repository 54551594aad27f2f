#include "pictureprint.h"

#include <QPainter>
#include <QPrinter>

namespace {

// Between the picture's bottom edge and the caption, in printer pixels.
constexpr int kCaptionGap = 300;

} // namespace

bool printPicture(QPrinter &printer, const QImage &picture, int screenDpi, const QString &caption)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font = painter.font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 2);
    else
        font.setPixelSize(font.pixelSize() * 2);
    painter.setFont(font);
    const QRect page = painter.viewport();
    const int captionHeight = kCaptionGap + painter.fontMetrics().height();
    // As large as on the screen; a picture larger than the page is reduced to fit, caption
    // included, instead of being cut off at the page's edges.
    const double toPrinter = double(printer.resolution()) / std::max(screenDpi, 1);
    QSize size(int(picture.width() * toPrinter), int(picture.height() * toPrinter));
    const QSize room(page.width(), std::max(page.height() - captionHeight, 1));
    if (size.width() > room.width() || size.height() > room.height())
        size = size.scaled(room, Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    painter.drawText(QPoint(0, size.height() + kCaptionGap + painter.fontMetrics().ascent()), caption);
    return painter.end();
}
