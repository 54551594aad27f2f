#include "pictureview.h"

#include <QFileInfo>
#include <QPaintEvent>
#include <QPainter>

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picbuf1"));
    setMinimumSize(16, 16);
}

bool PictureView::load(QSize decodeBox)
{
    show(readPicture(m_fileName, decodeBox));
    return !m_image.isNull();
}

void PictureView::show(ReadPicture picture)
{
    m_image = std::move(picture.image);
    m_pictureSize = m_image.isNull() ? QSize() : picture.size;
    m_error = m_image.isNull() ? picture.error : QString();
    update();
}

void PictureView::setZoom(ZoomFraction zoom)
{
    m_zoomed = true;
    setMinimumSize(1, 1);
    resize(zoom.applied(m_pictureSize.isValid() ? m_pictureSize : QSize(1, 1)).expandedTo(QSize(1, 1)));
    update();
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_image.isNull()) {
        paintPlaceholder(painter);
        return;
    }
    if (m_zoomed) {
        // Only the part on screen is scaled: a large fraction of a large photo costs no memory.
        const QRect target = event->rect();
        const double sx = double(m_image.width()) / width();
        const double sy = double(m_image.height()) / height();
        painter.drawImage(QRectF(target), m_image,
                          QRectF(target.x() * sx, target.y() * sy, target.width() * sx, target.height() * sy));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRect target(QPoint(), m_image.size().scaled(size(), Qt::KeepAspectRatio));
    target.moveCenter(rect().center());
    painter.drawImage(target, m_image);
}

void PictureView::paintPlaceholder(QPainter &painter)
{
    painter.fillRect(rect(), QColor(0xe8, 0xe8, 0xe8));
    if (m_fileName.isEmpty())
        return;
    painter.setPen(QPen(QColor(0xa0, 0x30, 0x30), 2));
    const QRect frame = rect().adjusted(1, 1, -1, -1);
    painter.drawRect(frame);
    painter.drawLine(frame.topLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomLeft());
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                     m_error + QLatin1Char('\n') + QFileInfo(m_fileName).fileName());
}
