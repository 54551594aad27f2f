#pragma once

#include "cncdirectory.h"
#include "cncoperationlog.h"
#include "cncupload.h"
#include "cncworker.h"
#include "ethernetsend.h"

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
// the CNC memory. Its library calls run on its worker, which ends with the window: closed or
// deleted, no result reaches it any more and the connection's handle is given back once.
class frmeth : public QWidget {
    Q_OBJECT
public:
    frmeth(std::shared_ptr<CncLibrary> library, Dialogs &dialogs, QWidget *parent = nullptr);
    ~frmeth() override;

    // nomecnc: the machine's name for the caption.
    void nomecnc(const QString &name)
    {
        m_machineName = name;
        m_log.setMachine(name);
    }
    // Where the window's operations are recorded, and where the text to send came from.
    void setTransferJournal(TransferJournal *journal) { m_log.setJournal(journal); }
    void setTextSource(const QString &fileName, std::optional<qint32> archiveProgram)
    {
        m_log.setSource(fileName, archiveProgram);
    }
    // esiste: the program ("O12", "O0012", "12") is in the directory as last listed.
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
    void enableCommands(bool enabled);
    void fail(short result, int closeAfterMs);
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
    void sendEnded(const SendOutcome &outcome);
    // riceviprogramma; caricaricevuto.
    void receiveProgram();
    void uploadEnded(const QStringList &lines);
    void leave();
    // A transfer under way stops only when the user says so; true when the window may close.
    bool mayClose();
    QStringList listLines() const;
    void deleteProgram();
    void renameProgram();
    // The checks delete and rename share on Text1; the number, or nullopt after a message.
    std::optional<long> checkedProgramInText1();

    Dialogs &m_dialogs;
    CncWorker m_worker;
    CncOperationLog m_log;
    QByteArray m_termText;
    UploadLimits m_uploadLimits;
    QString m_machineName;
    int m_direzione = 0;
    bool m_received = false;
    // The subprogram check's answer: the send stops.
    bool m_noninviare = false;
    bool m_transferring = false;
    bool m_closeAgreed = false;
    QString m_workFile;
    std::function<void(const QByteArray &)> m_handBack;
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
