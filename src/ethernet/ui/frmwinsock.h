#pragma once

#include "remoteiolink.h"

#include <QWidget>

class Dialogs;
class QPushButton;

// The window shown while the device that serves a serial port over the network is told about
// a send: "Forza" stands in for the device's signal; a device that does not answer is told.
class Frmwinsock : public QWidget {
    Q_OBJECT
public:
    Frmwinsock(Dialogs &dialogs, QWidget *parent = nullptr);

    // Shows the window and runs the exchange at the end of a serial send; the window closes
    // when the device has answered.
    void notifyAfterSend(const QString &address);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Dialogs &m_dialogs;
    RemoteIoLink m_link;
    QPushButton *Command1;
};
