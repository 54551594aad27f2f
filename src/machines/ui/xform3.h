#pragma once

#include "machinechoice.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// Machine choice before a transfer.
class xForm3 : public QDialog {
    Q_OBJECT
public:
    xForm3(MachineState &machines, const ProgramFolder &folder, SerialPort &port, TransferFlags &flags,
           Dialogs &dialogs, QWidget *parent = nullptr);

    // Closing by the frame or Escape cancels the transfer like "Annulla".
    void reject() override;

private:
    void confirm();

    MachineChoice m_choice;
    TransferFlags &m_flags;
    QListWidget *List1;
    QPushButton *Command1;
    QPushButton *Command2;
};
