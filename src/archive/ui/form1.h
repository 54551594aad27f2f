#pragma once

#include "archivebrowser.h"

#include <QDialog>

class TransferJournal;

#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Archive browser: finds, chooses, creates, clones, changes and deletes archived programs.
// Hidden, not destroyed, by its two closing buttons; it keeps its lists for the next opening.
class Form1 : public QDialog {
    Q_OBJECT
public:
    Form1(ArchiveStore &archive, const ProgramFolder &folder, Dialogs &dialogs, ArchiveChoice &choice,
          QWidget *parent = nullptr);

    ArchiveBrowser &browser() { return m_browser; }
    // Where the received-files window records its "Rinomina" and "Cancella".
    void setTransferJournal(TransferJournal *journal) { m_journal = journal; }

public slots:
    // Escape and the window's close box act as "Annulla e ritorna" while it is available.
    void reject() override;

signals:
    // "Conferma" handed a program over.
    void programConfirmed();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    // Runs a user action on the logic, then shows the state it left.
    void act(const std::function<void()> &action);
    void showState();
    void confirm();
    // "Gestione DNC": the received-files window, modal; a program it takes in begins a record.
    void openReceivedFiles();
    QWidget *boxWidget(ArchiveBrowser::Box box) const;

    ArchiveBrowser m_browser;
    Dialogs &m_dialogs;
    ArchiveStore &m_archive;
    TransferJournal *m_journal = nullptr;
    const ProgramFolder &m_folder;
    bool m_syncing = false;

    QListWidget *DBList1;
    QPushButton *Command2;
    QRadioButton *SSOption1[2];
    QLineEdit *Text5;
    QPushButton *Command1;
    QListView *List1;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QPlainTextEdit *Text4;
    QLineEdit *Text7;
    QLabel *Label4;
    QLabel *Label6;
    QPushButton *SSCommand7;
    QPushButton *SSCommand3;
    QPushButton *SSCommand9;
    QPushButton *SSCommand6;
    QPushButton *SSCommand8;
    QLineEdit *Text6;
    QPushButton *SSCommand11;
    QPushButton *SSCommand13;
    QPushButton *SSCommand4;
    QPushButton *SSCommand1;
    QPushButton *SSCommand2;
    QPushButton *SSCommand12;
    QPushButton *SSCommand10;
};
