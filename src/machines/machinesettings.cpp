#include "machinesettings.h"

#include "dialogs.h"
#include "numerictext.h"
#include "machinetext.h"

namespace {

bool isSelectablePort(int port)
{
    return port >= 1 && port <= 16;
}

QString charAfter(const QString &text, qsizetype position)
{
    return text.mid(position, 1);
}

} // namespace

void ShowMachineSettings(const MachineRecord &record, MachineForm &form)
{
    if (isSelectablePort(record.comPort))
        form.comPort = record.comPort;

    const QString &settings = record.settings;
    const qsizetype comma = settings.indexOf(QLatin1Char(','));
    const QString head = comma < 0 ? settings : settings.left(comma);
    const qsizetype colon = head.indexOf(QLatin1Char(':'));

    if (colon >= 0) {
        form.ethernet = true;
        form.address = head.left(colon);
        form.port = head.mid(colon + 1);
        return;
    }

    form.ethernet = false;
    form.address.clear();
    form.port.clear();
    if (comma < 0) {
        // No line settings to show (a machine added to an empty list copies the empty record).
        form.baud.clear();
        form.parity.clear();
        form.dataBits.clear();
        form.stopBits.clear();
        if (!isSelectablePort(record.comPort))
            form.comPort = 0;
    } else {
        const int baud = int(leadingNumber(head));
        if (BaudRates.contains(baud))
            form.baud = QString::number(baud);
        const QString parity = charAfter(settings, comma + 1).toUpper();
        if (parity == u"N" || parity == u"E" || parity == u"O")
            form.parity = parity;
        const int dataBits = int(leadingNumber(charAfter(settings, comma + 3)));
        if (dataBits == 7 || dataBits == 8)
            form.dataBits = QString::number(dataBits);
        const int stopBits = int(leadingNumber(charAfter(settings, comma + 5)));
        if (stopBits == 1 || stopBits == 2)
            form.stopBits = QString::number(stopBits);
    }
    if (record.handshaking >= 0 && record.handshaking <= 3)
        form.flow = record.handshaking;
    form.preamble = record.preamble;
    form.postamble = record.postamble;
    if (record.lineEnd >= 0 && record.lineEnd <= 2)
        form.lineEnd = record.lineEnd;
}

void ApplySettings(MachineForm &form, MachineRecord &record)
{
    if (form.ethernet) {
        record.settings = form.address.trimmed() + QLatin1Char(':') + form.port.trimmed() + QLatin1Char(',');
        return;
    }
    form.address.clear();
    form.port.clear();
    record.comPort = qint16(form.comPort);
    record.settings = QStringList{form.baud, form.parity, form.dataBits, form.stopBits}.join(QLatin1Char(','));
    record.handshaking = qint16(form.flow);
    record.preamble = form.preamble;
    record.postamble = form.postamble;
    record.lineEnd = qint16(form.lineEnd);
}

bool isStorableFieldText(const QString &text)
{
    for (const QChar c : text) {
        if (c == u'"' || c == u'\r' || c == u'\n' || c.unicode() > 0xFF)
            return false;
    }
    return true;
}

bool isStorableMachineName(const QString &name)
{
    return isStorableFieldText(name);
}

std::optional<QChar> filterHexKey(QChar typed)
{
    if (typed == u'\b' || (typed >= u'0' && typed <= u'9'))
        return typed;
    const QChar upper = typed.toUpper();
    if (upper >= u'A' && upper <= u'F')
        return upper;
    return std::nullopt;
}

MachineSettingsEditor::MachineSettingsEditor(MachineState &machines, const ProgramFolder &folder,
                                             Dialogs &dialogs)
    : m_machines(machines), m_folder(folder), m_dialogs(dialogs)
{
}

void MachineSettingsEditor::open()
{
    const MachineList list = LoadMachineList(m_machines, m_folder);
    ReportMachineList(list, m_dialogs);
    m_entries = list.entries;
    m_selection = -1;
    if (list.selection >= 0)
        select(list.selection);
    else
        ShowMachineSettings(m_machines.currentRecord(), m_form);
}

void MachineSettingsEditor::select(int position)
{
    if (position < 0 || position >= m_entries.size()) {
        m_selection = -1;
        return;
    }
    m_selection = position;
    m_machines.currentMachine = qint16(m_entries.at(position).recordIndex - 1);
    ShowMachineSettings(m_machines.currentRecord(), m_form);
}

void MachineSettingsEditor::apply()
{
    ApplySettings(m_form, m_machines.currentRecord());
}

void MachineSettingsEditor::addMachine()
{
    if (m_entries.size() >= MachineTable::Capacity) {
        m_dialogs.message(MachineText::TableFull, {}, Dialogs::Icon::Exclamation);
        return;
    }
    const std::optional<QString> answer = m_dialogs.inputText(MachineText::NewPrompt, MachineText::NewTitle);
    if (!answer)
        return;
    const QString name = answer->toUpper().trimmed();
    if (name.isEmpty())
        return;
    if (!isStorableMachineName(name)) {
        m_dialogs.message(MachineText::InvalidName);
        return;
    }
    for (const MachineListEntry &entry : std::as_const(m_entries)) {
        if (entry.name.trimmed() == name) {
            m_dialogs.message(MachineText::NameInUse);
            return;
        }
    }

    const int index = int(m_entries.size()) + 1;
    MachineRecord record = m_machines.table.at(index - 1);
    record.name = name;
    m_machines.table.at(index) = record;
    m_entries.append({name, index});
    select(int(m_entries.size()) - 1);
}

void MachineSettingsEditor::renameSelected()
{
    if (m_selection < 0) {
        m_dialogs.message(MachineText::SelectMachine);
        return;
    }
    const std::optional<QString> answer = m_dialogs.inputText(MachineText::RenamePrompt, MachineText::RenameTitle,
                                                              m_entries.at(m_selection).name);
    if (!answer || answer->isEmpty() || !isStorableMachineName(*answer)) {
        m_dialogs.message(MachineText::InvalidName);
        return;
    }
    m_entries[m_selection].name = *answer;
    m_machines.table.at(m_selection + 1).name = *answer;
}

bool MachineSettingsEditor::exit()
{
    apply();
    if (m_dialogs.question(MachineText::SaveQuestion, Dialogs::Buttons::YesNo, MachineText::EndTitle,
                           Dialogs::Icon::None) != Dialogs::Button::Yes)
        return false;
    QString error;
    if (!SaveMachineFile(m_machines, m_folder, &error)) {
        m_dialogs.message(error, {}, Dialogs::Icon::Exclamation);
        return false;
    }
    return true;
}

bool MachineSettingsEditor::abandon()
{
    return m_dialogs.question(MachineText::AbandonQuestion, Dialogs::Buttons::YesNo, MachineText::EndTitle,
                              Dialogs::Icon::None) == Dialogs::Button::Yes;
}

void MachineSettingsEditor::help()
{
    m_dialogs.showHelp(MachineText::SettingsHelpContext);
}
