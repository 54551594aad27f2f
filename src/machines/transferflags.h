#pragma once

#include <QString>

// The flags of one transfer, shared by the machine choice, the send and receive engines and
// the progress dialog.
struct TransferFlags {
    bool transferCancelled = false;
    bool skipConsent = false;
    // Address of the network device to notify after a serial send; empty for an ordinary port.
    QString notifyAddress;
};
