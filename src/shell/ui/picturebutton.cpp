#include "picturebutton.h"

#include <QMouseEvent>

PictureButton::PictureButton(const QPixmap &released, const QPixmap &pressed, QWidget *parent)
    : QLabel(parent), m_released(released), m_pressed(pressed)
{
    setPixmap(m_released);
    setFixedSize(m_released.size());
}

bool PictureButton::isInside(const QPoint &position) const
{
    return !(position.x() <= 0 || position.x() > width() || position.y() < 0 || position.y() > height());
}

void PictureButton::showPressed(bool pressed)
{
    m_showsPressed = pressed;
    setPixmap(pressed ? m_pressed : m_released);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        showPressed(true);
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        showPressed(isInside(event->position().toPoint()));
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    showPressed(false);
    if (isInside(event->position().toPoint())) {
        repaint();
        emit clicked();
    }
}
