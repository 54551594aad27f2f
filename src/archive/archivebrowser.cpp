#include "archivebrowser.h"

#include "archivestore.h"
#include "dialogs.h"
#include "archivetext.h"
#include "programremoval.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

// A positive archive number typed in Text6, or nothing.
std::optional<qint32> archiveNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || !std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        }))
        return std::nullopt;
    bool ok = false;
    const qint32 number = trimmed.toInt(&ok);
    if (!ok || number <= 0)
        return std::nullopt;
    return number;
}

} // namespace

ArchiveBrowser::ArchiveBrowser(ArchiveStore &archive, const ProgramFolder &folder, Dialogs &dialogs,
                               ArchiveChoice &choice, QObject *parent)
    : QObject(parent), m_archive(archive), m_folder(folder), m_dialogs(dialogs), m_choice(choice),
      m_list(new ArchiveListModel(archive, this))
{
}

ArchiveBrowser::~ArchiveBrowser()
{
    if (m_newRow)
        m_archive.releaseReservation(*m_newRow);
}

bool ArchiveBrowser::numberBoxRefuses(QChar c)
{
    const bool control = c.unicode() < 0x20 || c.unicode() == 0x7f;
    return !control && !(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

bool ArchiveBrowser::dataBoxRefuses(QChar c)
{
    return c == QLatin1Char('\'');
}

QString ArchiveBrowser::modificationText(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return {};
    return file.lastModified().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

QString ArchiveBrowser::numberLabel() const
{
    return m_boxes.progr > 0 ? QString::number(m_boxes.progr) : QString();
}

std::optional<ArchiveBrowser::Box> ArchiveBrowser::takeFocusRequest()
{
    return std::exchange(m_focusRequest, std::nullopt);
}

void ArchiveBrowser::load()
{
    m_customers = m_archive.customers();
    m_commands.customerList = true;
    m_selectedCustomer.clear();
    fillList(m_archive.programsOfCustomer(m_selectedCustomer));
    emit changed();
}

void ArchiveBrowser::fillList(std::vector<qint32> numbers)
{
    m_list->setRows(std::move(numbers), m_searchType);
    m_selectedLine = -1;
    // Until a line is clicked, "Varia" and "Elimina" would act on a row the user never chose.
    m_commands.varia = false;
    m_commands.elimina = false;
    showRow(m_list->size() > 0 ? m_archive.seek(m_list->number(0)) : std::nullopt);
}

void ArchiveBrowser::showRow(const std::optional<ArchiveRecord> &record)
{
    m_current = record;
    m_boxes = record.value_or(ArchiveRecord{});
    showNumber(m_boxes.progr);
}

void ArchiveBrowser::showNumber(qint32 number)
{
    m_boxes.progr = number;
    m_modifiedText = number > 0 ? modificationText(m_folder.programTextPath(number)) : QString();
}

void ArchiveBrowser::listCustomer()
{
    if (listingBlocked())
        return;
    fillList(m_archive.programsOfCustomer(m_selectedCustomer));
    if (m_list->size() > 0)
        m_commands.conferma = false;
}

void ArchiveBrowser::customerClicked(const QString &customer)
{
    if (listingBlocked() || !m_commands.customerList)
        return;
    m_selectedCustomer = customer;
    listCustomer();
    emit changed();
}

void ArchiveBrowser::searchCustomer()
{
    if (listingBlocked())
        return;
    m_commands.customerList = true;
    listCustomer();
    emit changed();
}

void ArchiveBrowser::setSearchType(SearchType type)
{
    m_searchType = type;
    listCustomer();
    emit changed();
}

void ArchiveBrowser::searchByText()
{
    if (listingBlocked())
        return;
    m_commands.customerList = false;
    m_searchText = m_searchText.trimmed();
    emit changed();
    if (m_searchText.isEmpty()
        && m_dialogs.question(ArchiveText::EmptySearchText, Dialogs::Buttons::YesNo, ArchiveText::EmptySearchTitle)
               != Dialogs::Button::Yes)
        return;
    fillList(m_searchType == SearchType::Drawing ? m_archive.searchByDrawing(m_searchText)
                                                 : m_archive.searchByDescription(m_searchText));
    emit changed();
}

void ArchiveBrowser::programClicked(int line)
{
    if (listingBlocked() || line < 0 || line >= m_list->size())
        return;
    selectProgram(line);
    emit changed();
}

void ArchiveBrowser::selectProgram(int line)
{
    const auto record = m_archive.seek(m_list->number(line));
    if (!record)
        return; // deleted meanwhile by another program
    m_selectedLine = line;
    showRow(record);
    m_commands.crea = m_commands.clonare = m_commands.cercaAgg = m_commands.varia = true;
    m_commands.gestioneDnc = m_commands.libero = m_commands.elimina = m_commands.conferma = true;
    m_numberLabelVisible = true;
    m_savedFields = *record;
}

void ArchiveBrowser::programDoubleClicked()
{
    m_dialogs.beep();
}

bool ArchiveBrowser::confirm()
{
    if (!m_commands.conferma)
        return false;
    if (m_selectedLine >= 0 && m_current) {
        m_choice.programChosen = true;
        m_choice.chosenRecord = m_current;
        return true;
    }
    m_choice.programChosen = false;
    m_dialogs.message(ArchiveText::NothingSelectedText, ArchiveText::NothingSelectedTitle,
                      Dialogs::Icon::Information);
    return false;
}

bool ArchiveBrowser::cancel()
{
    if (!m_commands.annulla)
        return false;
    m_choice.programChosen = false;
    m_choice.chosenRecord.reset();
    return true;
}

void ArchiveBrowser::help()
{
    m_dialogs.showHelp(HelpContext);
}

void ArchiveBrowser::findOrAdd()
{
    if (!m_commands.cercaAgg)
        return;
    searchByNumber(true);
    emit changed();
}

void ArchiveBrowser::searchByNumber(bool offerToAdd)
{
    const auto number = archiveNumber(m_numberText);
    if (!number)
        return;
    if (const auto found = m_archive.seek(*number)) {
        showFound(*found);
        return;
    }
    if (offerToAdd || m_editInProgress) {
        const QString question = ArchiveText::NumberNotFound.arg(m_numberText);
        if (m_dialogs.question(question, Dialogs::Buttons::YesNo, ArchiveText::NumberNotFoundTitle)
            == Dialogs::Button::Yes) {
            m_createMode = CreateMode::Requested;
            m_requestedNumber = *number;
            beginCreate();
            return;
        }
    }
    m_createMode = CreateMode::Automatic;
}

void ArchiveBrowser::showFound(const ArchiveRecord &record)
{
    if (listingBlocked())
        return;
    m_customers = m_archive.customers();
    const QString wanted = record.cliente.trimmed();
    const auto customer = std::find_if(m_customers.cbegin(), m_customers.cend(), [&](const QString &c) {
        return c.trimmed().compare(wanted, Qt::CaseInsensitive) == 0;
    });
    m_selectedCustomer = customer != m_customers.cend() ? *customer : QString();
    listCustomer();
    int line = m_list->lineOf(record.progr);
    if (line < 0) {
        // A blank customer is in no customer list: show the program on its own rather than
        // offering to add a number that exists.
        fillList({record.progr});
        line = 0;
    }
    selectProgram(line);
}

void ArchiveBrowser::proposeFreeNumber()
{
    if (!m_commands.libero)
        return;
    m_numberText = QString::number(m_archive.lowestFreeNumber());
    emit changed();
}

void ArchiveBrowser::cloneAs()
{
    if (!m_commands.clona)
        return;
    const auto number = archiveNumber(m_numberText);
    if (!number)
        return;
    if (m_archive.contains(*number)) {
        m_dialogs.message(ArchiveText::NumberExists);
        return;
    }
    searchByNumber(true);
    if (m_editInProgress && m_newRow == number)
        copySavedFields();
    emit changed();
}

void ArchiveBrowser::copySavedFields()
{
    m_boxes.cliente = m_savedFields.cliente;
    m_boxes.descrizione = m_savedFields.descrizione;
    m_boxes.disegno = m_savedFields.disegno;
    m_boxes.memo = m_savedFields.memo;
    m_boxes.macchina = m_savedFields.macchina;
}

void ArchiveBrowser::enterCreating()
{
    m_commandsBeforeCreating = m_commands;
    m_commands.gestioneDnc = m_commands.libero = m_commands.crea = m_commands.clonare = false;
    m_commands.varia = m_commands.cercaAgg = m_commands.conferma = m_commands.annulla = false;
    m_commands.elimina = false;
    // A second new row would drop the first one's typed data.
    m_commands.clona = false;
    m_commands.ok = true;
    m_editInProgress = true;
}

void ArchiveBrowser::leaveCreating()
{
    m_commands = m_commandsBeforeCreating;
    m_editInProgress = false;
}

bool ArchiveBrowser::beginNewRow(std::optional<qint32> reserved)
{
    std::optional<qint32> number = reserved;
    if (reserved) {
        m_createMode = CreateMode::Automatic;
    } else if (m_createMode == CreateMode::Requested) {
        if (m_archive.reserve(m_requestedNumber))
            number = m_requestedNumber;
        else if (m_archive.contains(m_requestedNumber))
            m_dialogs.message(ArchiveText::NumberExists);
        else
            m_dialogs.message(m_archive.lastError(), {}, Dialogs::Icon::Critical);
    } else {
        number = m_archive.reserveAutomatic();
        if (!number)
            m_dialogs.message(m_archive.lastError(), {}, Dialogs::Icon::Critical);
    }
    // A requested number serves one row: the next "Crea" numbers automatically again.
    const bool automatic = m_createMode == CreateMode::Automatic;
    m_createMode = CreateMode::Automatic;
    if (!number)
        return false;

    if (m_newRow)
        m_archive.releaseReservation(*m_newRow);
    m_newRow = number;
    m_boxes = ArchiveRecord{};
    showNumber(*number);
    m_numberLabelVisible = true;
    if (automatic)
        m_numberText = QString::number(*number);
    return true;
}

void ArchiveBrowser::create()
{
    if (!m_commands.crea)
        return;
    beginCreate();
    emit changed();
}

void ArchiveBrowser::createReceived(qint32 reservedNumber)
{
    beginCreate(reservedNumber);
    emit changed();
}

void ArchiveBrowser::beginCreate(std::optional<qint32> reserved)
{
    enterCreating();
    emit changed();
    if (m_chooseCustomer) {
        if (auto customer = m_chooseCustomer())
            m_chosenCustomer = *customer;
    }
    if (!beginNewRow(reserved)) {
        leaveCreating();
        return;
    }
    m_boxes.cliente = m_chosenCustomer;
    m_commands.dataBoxes = true;
    m_focusRequest = m_boxes.cliente.isEmpty() ? Box::Customer : Box::Drawing;
}

void ArchiveBrowser::cloneNew()
{
    if (!m_commands.clonare)
        return;
    enterCreating();
    if (m_archive.isEmpty()) {
        m_dialogs.message(ArchiveText::EmptyArchiveText, ArchiveText::EmptyArchiveTitle);
        leaveCreating();
        emit changed();
        return;
    }
    if (beginNewRow(std::nullopt)) {
        copySavedFields();
        m_commands.dataBoxes = true;
        m_focusRequest = Box::Customer;
    } else {
        leaveCreating();
    }
    emit changed();
}

void ArchiveBrowser::change()
{
    if (!m_commands.varia || !m_current)
        return;
    m_commands.gestioneDnc = m_commands.libero = m_commands.cercaAgg = false;
    m_commands.conferma = m_commands.annulla = false;
    // While the boxes hold a change, nothing may replace them unsaved.
    m_commands.crea = m_commands.clonare = m_commands.clona = false;
    m_commands.ok = true;
    m_commands.dataBoxes = true;
    m_changing = true;
    m_numberText = numberLabel();
    m_focusRequest = Box::Customer;
    emit changed();
}

void ArchiveBrowser::setBoxText(Box box, const QString &text)
{
    switch (box) {
    case Box::Customer: m_boxes.cliente = text; break;
    case Box::Drawing: m_boxes.disegno = text; break;
    case Box::Description: m_boxes.descrizione = text; break;
    case Box::Memo: m_boxes.memo = text; break;
    case Box::Machine: m_boxes.macchina = text; break;
    }
}

void ArchiveBrowser::save()
{
    if (!m_commands.ok)
        return;
    if (m_boxes.cliente.isEmpty() || m_boxes.disegno.isEmpty() || m_boxes.descrizione.isEmpty()) {
        m_dialogs.message(ArchiveText::IncompleteData);
        m_focusRequest = Box::Customer;
        emit changed();
        return;
    }
    // A row that cannot be written keeps the boxes open, so nothing typed is lost.
    if (m_editInProgress && m_newRow) {
        if (!m_archive.saveReserved(m_boxes)) {
            m_dialogs.message(m_archive.lastError(), {}, Dialogs::Icon::Critical);
            return;
        }
        m_newRow.reset();
        m_numberText = numberLabel();
    } else if (m_changing && m_current) {
        ArchiveRecord edited = m_boxes;
        edited.progr = m_current->progr;
        if (!m_archive.update(edited)) {
            m_dialogs.message(m_archive.lastError(), {}, Dialogs::Icon::Critical);
            return;
        }
        m_numberText = QString::number(edited.progr);
    }
    m_editInProgress = false;
    m_changing = false;
    refresh();
    m_commands.gestioneDnc = m_commands.libero = m_commands.crea = m_commands.clonare = true;
    m_commands.cercaAgg = m_commands.conferma = m_commands.annulla = m_commands.clona = true;
    m_commands.ok = m_commands.varia = m_commands.elimina = false;
    m_commands.dataBoxes = false;
    m_numberLabelVisible = false;
    emit changed();
}

void ArchiveBrowser::refresh()
{
    m_customers = m_archive.customers();
    fillList({});
    if (!m_numberText.isEmpty())
        searchByNumber(false);
}

void ArchiveBrowser::remove()
{
    if (!m_commands.elimina || !m_current)
        return;
    if (m_dialogs.question(ArchiveText::DeleteQuestion, Dialogs::Buttons::YesNo) != Dialogs::Button::Yes)
        return;
    const ProgramRemovalResult removal = removeArchivedProgram(m_archive, m_folder, m_current->progr);
    // The other steps go on whatever fails, but a row that stays must not look deleted.
    if (!removal.rowRemoved)
        m_dialogs.message(removal.error, {}, Dialogs::Icon::Critical);
    m_editInProgress = false;
    m_changing = false;
    m_current.reset();
    m_commands.varia = m_commands.ok = m_commands.elimina = false;
    m_commands.crea = m_commands.clonare = m_commands.cercaAgg = m_commands.annulla = true;
    m_commands.clona = true;
    m_commands.customerList = true;
    m_commands.dataBoxes = false;
    m_numberLabelVisible = false;
    m_numberText.clear();
    refresh();
    emit changed();
}
