#pragma once

#include "archivestore.h"

#include <QDialog>

class Dialogs;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Archive list printing: one line per archived program of a customer, a group of customers or all.
class Form3 : public QDialog {
    Q_OBJECT
public:
    // printCharSize is the run's printer font size, raised to the list's minimum when it prints.
    Form3(ArchiveStore &archive, int &printCharSize, Dialogs &dialogs, QWidget *parent = nullptr);

private:
    void print();
    ArchiveStore::ListOrder order() const;

    ArchiveStore &m_archive;
    int &m_printCharSize;
    Dialogs &m_dialogs;

    QLineEdit *Text1;
    QRadioButton *SSOption1[3];
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};
