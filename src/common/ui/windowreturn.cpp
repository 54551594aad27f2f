#include "windowreturn.h"

#include <QWidget>
#include <QWindow>

void showWhereItWas(QWidget &window, const QByteArray &placement)
{
    window.restoreGeometry(placement);
    // A window whose geometry did not change while hidden asks for no place when shown, and a
    // window manager then places it as a new one: ask for the place explicitly.
    if (QWindow *handle = window.windowHandle(); handle && !window.isMaximized() && !window.isFullScreen())
        handle->setGeometry(window.geometry());
    window.show();
    window.raise();
    window.activateWindow();
}
