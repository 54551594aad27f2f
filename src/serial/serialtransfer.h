#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class Dialogs;
class SerialPort;
struct MachineState;
struct TransferFlags;

// What the progress dialog (xForm2) shows during a serial transfer.
struct TransferProgress {
    bool shown = false;
    QString message;            // Label1
    QString count = QStringLiteral("0");  // Label2
    bool barVisible = false;    // ProgressBar1
    qint32 barMaximum = 0;
    qint32 barValue = 0;
    bool continueShown = false;  // Command2 "Continua", shown and enabled together

    bool operator==(const TransferProgress &) const = default;
};

// What a transfer asks of the terminal that runs it.
struct TransferHooks {
    // The modal machine choice (xForm3): sets CurrentMachine and either puts a serial machine's
    // line onto the port or sets TransferCancelled.
    std::function<void()> chooseMachine;
    // Hands an Ethernet machine to the CNC-library window: direzione 0 sends, 1 receives;
    // nomecnc is the machine's name on a send, empty on a reception. False when no window
    // could take it.
    std::function<bool(int direzione, const QString &nomecnc)> openEthernet;
    // After a serial send on a port that a network device serves, with its address.
    std::function<void(const QString &address)> notifyNetworkPort;
};

// A serial transfer run from the terminal: event-driven, on the user-interface thread. It waits
// for the port, the machine and the user through signals and timers only.
class SerialTransfer : public QObject {
    Q_OBJECT
public:
    SerialTransfer(MachineState &machines, SerialPort &port, Dialogs &dialogs, TransferFlags &flags,
                   QObject *parent = nullptr);

    void setHooks(TransferHooks hooks) { m_hooks = std::move(hooks); }
    // From the opening of the port to the end of the transfer.
    bool isActive() const { return m_active; }
    const TransferProgress &progress() const { return m_progress; }

    // "Termina" of the progress dialog.
    virtual void terminate() = 0;
    // "Continua" of the progress dialog: SkipConsent.
    virtual void continueWithoutConsent();

signals:
    void progressChanged();
    // The terminal text becomes this: the cleaned program of a send, the received one.
    void terminalTextChanged(const QByteArray &text);
    void activeChanged(bool active);

protected:
    enum class Route { Cancelled, Ethernet, Serial };
    // Clears TransferCancelled, runs the machine choice and hands an Ethernet machine over.
    // Ethernet: openedEthernet tells whether a window took it.
    Route chooseRoute(int direzione, bool *openedEthernet = nullptr);
    void setActive(bool active);
    void updateProgress(const std::function<void(TransferProgress &)> &change);
    void closeProgress();

    MachineState &m_machines;
    SerialPort &m_port;
    Dialogs &m_dialogs;
    TransferFlags &m_flags;
    TransferHooks m_hooks;

private:
    TransferProgress m_progress;
    bool m_active = false;
};
