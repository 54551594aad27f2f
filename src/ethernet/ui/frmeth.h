#pragma once

#include "cnccalls.h"
#include "cncdirectory.h"
#include "cncdownload.h"
#include "cncupload.h"

#include <atomic>

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class CncLibrary;
class Dialogs;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// Ethernet window: the connection to a machine's CNC through its library, and the programs in
// the CNC memory.
class frmeth : public QWidget {
    Q_OBJECT
public:
    frmeth(CncLibrary &library, Dialogs &dialogs, QWidget *parent = nullptr);
    ~frmeth() override;

    // nomecnc: the machine's name for the caption.
    void nomecnc(const QString &name) { m_machineName = name; }
    // esiste: the program (as the grid writes it, "O0012") is in the directory as last listed.
    bool esiste(const QString &number) const;
    // Shows the window and connects to the CNC of the machine's settings ("address:port,");
    // direzione 0 sends the terminal's text, 1 receives.
    void open(int direzione, const QString &settings, const QByteArray &termText);

    // Where "&Esci" puts a received program: the working file tmp.txt, then the terminal's text.
    void setHandBack(const QString &workFile, std::function<void(const QByteArray &)> handBack);

    // programmaprincipale and programmaincorso, read from the CNC; empty after a failure.
    void readActivePrograms(std::function<void(const QString &main, const QString &running)> then);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void fail(short result, int closeAfterMs);
    void readSystemInformation();
    void connected(const ODBSYS &info, int direzione, const QByteArray &termText);
    // Reads the active program and the directory again; then() follows once the grid shows them.
    void refresh(std::function<void()> then = {});
    void listDirectory(std::function<void()> then);
    void showDirectory(const CncDirectory &directory);
    // inviaprogramma, in its steps: the checks on the refreshed directory, the subprogram check,
    // the transfer.
    // The last two answer whether the send went on (false: it stopped with a message).
    void sendProgram();
    bool checkAndSend();
    bool sendChecked();
    // The pause of a busy CNC on the library's thread: false once the window is closing.
    bool pauseUnlessClosing(int milliseconds) const;
    void sendEnded(const CncDownload &download);
    // riceviprogramma; caricaricevuto.
    void receiveProgram();
    void uploadEnded(const QByteArray &text);
    void leave();
    QStringList listLines() const;
    void deleteProgram();
    void renameProgram();
    // The checks delete and rename share on Text1; the number, or nullopt after a message.
    std::optional<long> checkedProgramInText1();

    CncLibrary &m_library;
    Dialogs &m_dialogs;
    CncCalls m_calls;
    QString m_machineName;
    int m_direzione = 0;
    bool m_received = false;
    // The subprogram check's answer: the send stops.
    bool m_noninviare = false;
    // Read by the library's thread between busy answers of an upload.
    std::atomic<bool> m_closing = false;
    QString m_workFile;
    std::function<void(const QByteArray &)> m_handBack;
    unsigned short m_handle = 0;
    QTimer Timer1;

    QLabel *Label1;
    QLabel *Label5;
    QTableWidget *MSFlexGrid1;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    QLabel *Label2;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QListWidget *List1;
    QPushButton *Command1;
    QPushButton *Command2;
};
