#include "customerchoice.h"

#include "archivestore.h"
#include "dialogs.h"
#include "archivetext.h"

CustomerChoice::CustomerChoice(const ArchiveStore &archive, Dialogs &dialogs) : m_archive(archive), m_dialogs(dialogs) {}

void CustomerChoice::load()
{
    m_customers = m_archive.customers();
}

void CustomerChoice::customerClicked(int row)
{
    if (row >= 0 && row < m_customers.size())
        m_text = m_customers.at(row);
}

std::optional<QString> CustomerChoice::choose()
{
    if (m_text.isEmpty()) {
        m_dialogs.message(ArchiveText::NoCustomer);
        return std::nullopt;
    }
    return m_text;
}
