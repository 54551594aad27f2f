#pragma once

#include "serialtransfer.h"

// Receiving a program that a serial machine punches out ("&Ricevi il programma dal C.N."):
// everything that arrives is collected until "Termina"; then the control characters go and
// the program becomes the terminal text.
class SerialReceive : public SerialTransfer {
    Q_OBJECT
public:
    SerialReceive(MachineState &machines, SerialPort &port, Dialogs &dialogs, TransferFlags &flags,
                  QObject *parent = nullptr);

    void start();
    void terminate() override;

signals:
    // A reception has begun, serial or Ethernet: the terminal now holds received data.
    void receptionStarted();

private:
    void whenPortEvent();
    void whenLineLost();
    void collect();
    void take();

    bool m_collecting = false;
};
