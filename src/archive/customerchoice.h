#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class ArchiveStore;
class Dialogs;

// The customer choice window's state (Frmcliente): the customers of the archive and the
// customer box, which also takes a customer not yet in the archive.
class CustomerChoice {
public:
    CustomerChoice(const ArchiveStore &archive, Dialogs &dialogs);

    void load();
    const QStringList &customers() const { return m_customers; }
    void customerClicked(int row);
    void setText(const QString &text) { m_text = text; }
    const QString &text() const { return m_text; }
    // "Scegli": the customer, or nothing after telling the user that the box is empty.
    std::optional<QString> choose();

private:
    const ArchiveStore &m_archive;
    Dialogs &m_dialogs;
    QStringList m_customers;
    QString m_text;
};
