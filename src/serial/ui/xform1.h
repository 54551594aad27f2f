#pragma once

#include "cnclibrary.h"
#include "commterminal.h"
#include "seriallink.h"
#include "serialport.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class ConfigScrn;
class frmeth;
class Dialogs;
class ProgramTextArea;
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class xForm2;

// Communication terminal: sends the program it holds to a machine, or receives one.
// It deletes itself when it closes.
class xForm1 : public QMainWindow {
    Q_OBJECT
public:
    using HandBack = CommTerminal::HandBack;

    // The terminal drives a QtSerialPort unless given a port of its own.
    xForm1(MachineState &machines, const ProgramFolder &folder, Dialogs &dialogs,
           std::unique_ptr<SerialPort> port = {}, QWidget *parent = nullptr);
    ~xForm1() override;

    // Shows the terminal with text. handBack receives the terminal text when the user keeps
    // received data on leaving; allowLoadSave enables "&Carica" and "&Salva".
    void openFor(const QByteArray &text, HandBack handBack, bool allowLoadSave);
    // The main window's way in: an empty text, loading and saving enabled, nothing handed back.
    void openFromMainWindow() { openFor({}, {}, true); }

    // The terminal text (term), for the windows that read or fill it.
    QByteArray text() const;
    void setText(const QByteArray &text);

    // What other windows provide, replaceable by tests: the machine choice (xForm3), the
    // Ethernet window (frmeth) and the notification of a network serial port (Frmwinsock).
    void setMachineChooser(std::function<void()> chooser);
    void setEthernetOpener(std::function<bool(int direzione, const QString &nomecnc)> opener);
    void setNetworkPortNotifier(std::function<void(const QString &address)> notifier);
    // Where the terminal's transfers, and its Ethernet window's, are recorded.
    void setTransferJournal(TransferJournal *journal);
    // The file and archive number of the text the terminal opens with, for the log.
    void setTextSource(const QString &fileName, std::optional<qint32> archiveProgram);

signals:
    // The terminal has gone: the caller shows its main window again.
    void closedToMainWindow();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addEntry(QMenu *menu, const char *name, const QString &caption);
    void buildMenus();
    void chooseMachine();
    bool openEthernet(int direzione, const QString &nomecnc);
    void whenTransferActive(bool active);
    void whenProgressChanged(SerialTransfer &transfer);
    void load();
    void save();
    void showSettings();
    void leave();
    void placeControls();

    std::unique_ptr<SerialPort> m_port;
    MachineState &m_machines;
    // The Ethernet window of the last Ethernet transfer, and the library it works with.
    QPointer<frmeth> m_ethernet;
    QString m_lastCncName;
    TransferJournal *m_journal = nullptr;
    QString m_sourceFile;
    std::optional<qint32> m_sourceProgram;
    const ProgramFolder &m_folder;
    Dialogs &m_dialogs;
    CommTerminal m_terminal;
    PortExitCloser m_closer;
    TransferHooks m_hooks;
    QPointer<xForm2> m_progress;
    QPointer<ConfigScrn> m_settings;
    bool m_leaving = false;

    QWidget *m_area;
    ProgramTextArea *term;
    QLabel *Label1;
    QLabel *Label2;
    QFrame *Line1;
    QListWidget *List1;
    QMenu *MFile = nullptr;
    QAction *MSendText = nullptr;
    QAction *Bar2 = nullptr;
    QAction *MReceiveText = nullptr;
    QAction *file = nullptr;
    QAction *carica = nullptr;
    QAction *Salva = nullptr;
    QMenu *MPort = nullptr;
    QAction *MSettings = nullptr;
    QAction *MFileExit = nullptr;
    QAction *hlp = nullptr;
};
