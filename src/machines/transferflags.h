#pragma once

#include <QByteArray>
#include <QString>

// The flags of one transfer, shared by the machine choice, the send and receive engines and
// the progress dialog.
struct TransferFlags {
    bool transferCancelled = false;
    bool skipConsent = false;
    // Address of the network device to notify after a serial send; empty for an ordinary port.
    QString notifyAddress;
    // Characters handed to the port in this send, or received in this reception.
    qint32 byteCounter = 0;
    // Everything received in the current reception, unfiltered.
    QByteArray receiveBuffer;
};
