#include "screenfit.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

QMargins ScreenFit::frameMargins(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins known(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    // Before its first showing a window has no frame yet; a window manager's decoration is
    // about this large.
    if (known.isNull() && !window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return QMargins(4, 28, 4, 4);
    return known;
}

void ScreenFit::fit(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen || window->isMaximized() || window->isFullScreen())
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameMargins(window);
    const QSize room = area.size().shrunkBy(frame);
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    const QSize outer = size.grownBy(frame);
    const QPoint at = window->pos();
    const QPoint inside(qMax(area.left(), qMin(at.x(), area.right() + 1 - outer.width())),
                        qMax(area.top(), qMin(at.y(), area.bottom() + 1 - outer.height())));
    if (inside != at)
        window->move(inside);
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog))
            fit(widget);
    }
    return QObject::eventFilter(watched, event);
}
