#include "toolbarpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void drawSheet(QPainter &p, const QRectF &r)
{
    p.setBrush(Qt::white);
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - 4, r.top());
    sheet.lineTo(r.right(), r.top() + 4);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.drawPath(sheet);
}

void drawSymbol(QPainter &p, ToolbarPicture picture)
{
    p.setPen(QPen(Qt::black, 1));
    switch (picture) {
    case ToolbarPicture::NewDocument:
        drawSheet(p, QRectF(7, 4, 13, 17));
        break;
    case ToolbarPicture::Cut:
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(9, 4), QPointF(16, 16));
        p.drawLine(QPointF(17, 4), QPointF(10, 16));
        p.drawEllipse(QPointF(8.5, 18.5), 3, 3);
        p.drawEllipse(QPointF(17.5, 18.5), 3, 3);
        break;
    case ToolbarPicture::Copy:
        drawSheet(p, QRectF(4, 4, 11, 13));
        drawSheet(p, QRectF(10, 9, 11, 13));
        break;
    case ToolbarPicture::Paste:
        p.setBrush(QColor(0xb0, 0x80, 0x40));
        p.drawRect(QRectF(5, 6, 14, 16));
        p.setBrush(Qt::gray);
        p.drawRect(QRectF(9, 4, 6, 4));
        drawSheet(p, QRectF(11, 11, 10, 12));
        break;
    }
}

} // namespace

QPixmap toolbarPicture(ToolbarPicture picture, bool pressed)
{
    QPixmap pixmap(26, 26);
    pixmap.fill(QColor(0xd4, 0xd0, 0xc8));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A raised bevel when released, a sunken one and a shifted symbol when pressed.
    const QColor light(Qt::white), dark(0x80, 0x80, 0x80);
    p.setPen(pressed ? dark : light);
    p.drawLine(0, 0, 25, 0);
    p.drawLine(0, 0, 0, 25);
    p.setPen(pressed ? light : dark);
    p.drawLine(25, 0, 25, 25);
    p.drawLine(0, 25, 25, 25);
    if (pressed)
        p.translate(1, 1);
    drawSymbol(p, picture);
    return pixmap;
}
