#pragma once

#include "customerchoice.h"

#include <QDialog>

#include <optional>

class ArchiveStore;
class Dialogs;
class QLineEdit;
class QListWidget;
class QPushButton;

// Customer choice window: picks the customer of a new archive record.
class Frmcliente : public QDialog {
    Q_OBJECT
public:
    Frmcliente(const ArchiveStore &archive, Dialogs &dialogs, QWidget *parent = nullptr);

    // Set by "Scegli"; nothing when the window was closed without it.
    const std::optional<QString> &chosenCustomer() const { return m_chosen; }

private:
    void choose();

    CustomerChoice m_choice;
    std::optional<QString> m_chosen;
    QListWidget *DBList1;
    QLineEdit *Text1;
    QPushButton *Command2;
};
