#pragma once

#include "archivechoice.h"
#include "archivelistmodel.h"
#include "archiverecord.h"
#include "programfolder.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class ArchiveStore;
class Dialogs;

// The archive browser's state and commands, searches and record editing, without widgets:
// the window (Form1) shows what this holds and hands it every user action.
class ArchiveBrowser : public QObject {
    Q_OBJECT
public:
    // The data boxes: Text1, Text2, Text3, Text4, Text7.
    enum class Box { Customer, Drawing, Description, Memo, Machine };
    enum class CreateMode { Automatic, Requested };

    // Which commands the user can reach, by caption.
    struct Commands {
        bool crea = true;
        bool clonare = true;
        bool varia = false;
        bool elimina = false;
        bool ok = false;
        bool cercaAgg = true;
        bool libero = true;
        bool clona = true;
        bool conferma = true;
        bool annulla = true;
        bool gestioneDnc = true;
        bool customerList = true; // DBList1
        bool dataBoxes = false;

        bool operator==(const Commands &) const = default;
    };

    // Shows the customer choice window; nullopt when it was closed without a choice.
    using CustomerChooser = std::function<std::optional<QString>()>;

    static constexpr int HelpContext = 102;

    ArchiveBrowser(ArchiveStore &archive, const ProgramFolder &folder, Dialogs &dialogs, ArchiveChoice &choice,
                   QObject *parent = nullptr);
    ~ArchiveBrowser() override;

    // Text6 takes digits only; control keys such as backspace pass.
    static bool numberBoxRefuses(QChar c);
    // Text1, Text2, Text3 and Text7 refuse the apostrophe.
    static bool dataBoxRefuses(QChar c);
    // The last-write time of a program's text file, or nothing when there is no file.
    static QString modificationText(const QString &path);

    void setCustomerChooser(CustomerChooser chooser) { m_chooseCustomer = std::move(chooser); }

    // The window's load: the customer list and an empty program list.
    void load();

    // Searches and lists
    void customerClicked(const QString &customer);
    void searchCustomer(); // "Cerca" under "Ricerca per cliente"
    void setSearchType(SearchType type);
    void setSearchText(const QString &text) { m_searchText = text; }
    void searchByText(); // "Cerca" under "Ricerca disegno/Descrizione"
    void programClicked(int line);
    void programDoubleClicked();

    // "Conferma": true when a program was handed over and the window may close.
    bool confirm();
    // "Annulla e ritorna": true when the window may close.
    bool cancel();
    void help();

    // "Progressivo" panel
    void setNumberText(const QString &text) { m_numberText = text; }
    void findOrAdd(); // "Cerca/agg."
    void proposeFreeNumber(); // "Libero"
    void cloneAs(); // "Clona"

    // Record commands
    void create(); // "Crea"
    // "Crea" for a program received by DNC: its text is already P + number and its row is
    // reserved, so the record begins with that number.
    void createReceived(qint32 reservedNumber);
    void cloneNew(); // "Clonare"
    void change(); // "Varia"
    void save(); // "OK"
    void remove(); // "Elimina"
    void setBoxText(Box box, const QString &text);

    const QStringList &customers() const { return m_customers; }
    const QString &selectedCustomer() const { return m_selectedCustomer; }
    SearchType searchType() const { return m_searchType; }
    const QString &searchText() const { return m_searchText; }
    ArchiveListModel *programList() const { return m_list; }
    int selectedLine() const { return m_selectedLine; }
    // The data boxes; progr is the number that Label4 shows (0: none).
    const ArchiveRecord &boxes() const { return m_boxes; }
    QString numberLabel() const;
    bool numberLabelVisible() const { return m_numberLabelVisible; }
    const QString &modifiedText() const { return m_modifiedText; }
    const QString &numberText() const { return m_numberText; }
    const Commands &commands() const { return m_commands; }

    bool editInProgress() const { return m_editInProgress; }
    bool changing() const { return m_changing; }
    CreateMode createMode() const { return m_createMode; }
    qint32 requestedNumber() const { return m_requestedNumber; }
    const QString &chosenCustomer() const { return m_chosenCustomer; }
    const ArchiveRecord &savedFields() const { return m_savedFields; }
    // The box that should get the focus now, once.
    std::optional<Box> takeFocusRequest();

signals:
    void changed();

private:
    bool listingBlocked() const { return m_editInProgress || m_changing; }
    void fillList(std::vector<qint32> numbers);
    void listCustomer();
    void showRow(const std::optional<ArchiveRecord> &record);
    void showNumber(qint32 number);
    void selectProgram(int line);
    void searchByNumber(bool offerToAdd);
    void showFound(const ArchiveRecord &record);
    void beginCreate(std::optional<qint32> reserved = std::nullopt);
    bool beginNewRow(std::optional<qint32> reserved);
    void enterCreating();
    void leaveCreating();
    void refresh();
    void copySavedFields();

    ArchiveStore &m_archive;
    const ProgramFolder &m_folder;
    Dialogs &m_dialogs;
    ArchiveChoice &m_choice;
    CustomerChooser m_chooseCustomer;
    ArchiveListModel *m_list;

    QStringList m_customers;
    QString m_selectedCustomer;
    SearchType m_searchType = SearchType::Drawing;
    QString m_searchText;
    int m_selectedLine = -1;
    std::optional<ArchiveRecord> m_current; // the row the data boxes show
    ArchiveRecord m_boxes;
    bool m_numberLabelVisible = false;
    QString m_modifiedText;
    QString m_numberText;
    Commands m_commands;
    Commands m_commandsBeforeCreating;

    bool m_editInProgress = false;
    bool m_changing = false; // after "Varia", until "OK" or "Elimina"
    std::optional<qint32> m_newRow; // the reserved number of the row being created
    CreateMode m_createMode = CreateMode::Automatic;
    qint32 m_requestedNumber = 0;
    QString m_chosenCustomer;
    ArchiveRecord m_savedFields;
    std::optional<Box> m_focusRequest;
};
