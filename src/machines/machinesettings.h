#pragma once

#include "machinefile.h"

#include <QList>
#include <QString>

#include <optional>

class Dialogs;
class ProgramFolder;

// What the communication settings window shows: the current choice of each option group
// (empty or 0 when none is chosen) and its text boxes.
struct MachineForm {
    QString baud;      // "300" … "38400"
    QString parity;    // "N", "O", "E"
    QString dataBits;  // "7", "8"
    QString stopBits;  // "1", "2"
    int comPort = 0;   // 1..16
    int flow = 0;      // 0 none, 1 XON/XOFF, 2 RTS, 3 XON/XOFF and RTS
    int lineEnd = 0;   // 0 "Cr + Lf", 1 "Lf", 2 "Cr "
    QString preamble;  // Text1
    QString postamble; // Text2
    bool ethernet = false; // Check1; Text3 and Text4 are enabled with it
    QString address;   // Text3
    QString port;      // Text4

    bool operator==(const MachineForm &) const = default;
};

inline const QList<int> BaudRates{300, 600, 1200, 2400, 4800, 9600, 19200, 38400};

// Shows a record in the form. An Ethernet record leaves the serial choices as they were; a
// serial record without a comma in its settings (an empty new machine) chooses no line option.
void ShowMachineSettings(const MachineRecord &record, MachineForm &form);
// Stores the form into the record. An Ethernet form changes only the settings; a serial one
// empties the address and port boxes.
void ApplySettings(MachineForm &form, MachineRecord &record);

// A machine name must survive cncsett.dat: no double quote, no line break, Latin-1 only.
bool isStorableMachineName(const QString &name);
// Text that may stand inside a quoted field of cncsett.dat (the Ethernet boxes).
bool isStorableFieldText(const QString &text);

// The key filter of the preamble and postamble boxes: backspace and digits pass, a letter is
// turned to upper case and passes when it is A-F. Gives the character to type, or nothing
// when the key is refused.
std::optional<QChar> filterHexKey(QChar typed);

// The logic of the communication settings window (ConfigScrn): it edits the record at
// CurrentMachine + 1 and writes cncsett.dat only on "Esci".
class MachineSettingsEditor {
public:
    MachineSettingsEditor(MachineState &machines, const ProgramFolder &folder, Dialogs &dialogs);

    // Opening: loads the machine list, selects the entry at CurrentMachine and shows it.
    void open();

    const QList<MachineListEntry> &entries() const { return m_entries; }
    // Position of the selected list entry, -1 when none.
    int selection() const { return m_selection; }
    MachineForm &form() { return m_form; }
    const MachineForm &form() const { return m_form; }

    // List1 selection; -1 when the user cleared it (nothing else changes then).
    void select(int position);
    // "Varia ": the form into the current record (memory only).
    void apply();
    // "Nuovo"
    void addMachine();
    // "Rinomina"
    void renameSelected();
    // "Esci": true when the window is to be closed.
    bool exit();
    // "Abbandona": true when the window is to be closed.
    bool abandon();
    // "?"
    void help();

private:
    MachineState &m_machines;
    const ProgramFolder &m_folder;
    Dialogs &m_dialogs;
    QList<MachineListEntry> m_entries;
    int m_selection = -1;
    MachineForm m_form;
};
