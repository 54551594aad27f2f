#pragma once

#include <QMargins>
#include <QObject>

class QWidget;

// Keeps windows inside the available area of their screen when they are shown: a window larger
// than the area shrinks to it (not below its minimum size), one lying partly outside moves in.
// Installed on the application, it looks after every window and dialog.
class ScreenFit : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static void fit(QWidget *window);
    // The window's frame, or the usual size of one while the window has none yet.
    static QMargins frameMargins(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
