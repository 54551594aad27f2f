#pragma once

#include <QDialog>
#include <QTimer>

// Information window: the program's picture and name, closing itself after a while.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Startup, Credits };

    explicit frmSplash(Mode mode, QWidget *parent = nullptr);
    int closeDelayMs() const { return m_closeTimer.interval(); }

signals:
    void closed();

private:
    QTimer m_closeTimer;
};
