#pragma once

#include "receivedfiles.h"

#include <QDialog>

#include <optional>

class ProgramTextArea;
class QListWidget;
class QPushButton;

// Received-files window: the programs that machines sent back by DNC, looked at, taken into
// the archive or deleted.
class Formaint : public QDialog {
    Q_OBJECT
public:
    Formaint(ArchiveStore &archive, const ProgramFolder &folder, Dialogs &dialogs, QWidget *parent = nullptr);

    // After a NEW file was taken in: the number whose record the browser is to begin.
    const std::optional<qint32> &newProgram() const { return m_newProgram; }
    // Where "Rinomina" and "Cancella" are recorded.
    void setTransferJournal(TransferJournal *journal) { m_files.setTransferJournal(journal); }

private:
    void refresh();
    void showCommands();
    void examine();
    void rename();
    void remove();

    ReceivedFiles m_files;
    std::optional<qint32> m_newProgram;

    QListWidget *File1;
    ProgramTextArea *RichTextBox1;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command4;
    QPushButton *Command3;
};
