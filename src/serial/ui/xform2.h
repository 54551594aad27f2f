#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class SerialTransfer;
struct MachineState;
struct TransferFlags;

// Progress dialog of a serial transfer.
class xForm2 : public QDialog {
    Q_OBJECT
public:
    xForm2(SerialTransfer &transfer, const MachineState &machines, const TransferFlags &flags,
           QWidget *parent = nullptr);

    // Neither the frame nor Escape ends a transfer: "Termina" does.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showProgress();

    SerialTransfer &m_transfer;
    const MachineState &m_machines;
    const TransferFlags &m_flags;
    QLabel *Label1;
    QLabel *Label2;
    QProgressBar *ProgressBar1;
    QPushButton *Command1;
    QPushButton *Command2;
};
