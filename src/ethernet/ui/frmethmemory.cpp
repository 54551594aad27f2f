// The Ethernet window's commands on the CNC memory: delete and rename a program.
#include "frmeth.h"

#include "cncdirectory.h"
#include "cncresults.h"
#include "dialogs.h"
#include "ethernettext.h"

#include <QLineEdit>

namespace {

constexpr int CloseAfterRefusedDeleteMs = 20;

// O12, O0012 and 12 name one program; an empty text (a number that could not be read) none.
bool sameProgram(const QString &a, const QString &b)
{
    const std::optional<long> number = typedProgramNumber(a);
    return number && number == typedProgramNumber(b);
}

} // namespace

std::optional<long> frmeth::checkedProgramInText1()
{
    Text1->setText(Text1->text().trimmed());
    if (Text1->text().isEmpty()) {
        m_dialogs.message(EthernetText::NothingSelected);
        return std::nullopt;
    }
    const std::optional<long> number = typedProgramNumber(Text1->text());
    if (!number) {
        m_dialogs.message(EthernetText::InvalidNumber);
        return std::nullopt;
    }
    if (!esiste(Text1->text())) {
        m_dialogs.message(EthernetText::NotInCnc);
        return std::nullopt;
    }
    return number;
}

void frmeth::deleteProgram()
{
    const std::optional<long> number = checkedProgramInText1();
    if (!number)
        return;
    readActivePrograms([this, number = *number](const QString &main, const QString &running) {
        const QString program = Text1->text();
        if (sameProgram(program, main))
            return m_dialogs.message(EthernetText::SelectedOnCnc, EthernetText::ActiveTitle);
        if (sameProgram(program, running))
            return m_dialogs.message(EthernetText::RunningOnCnc, EthernetText::ActiveTitle);
        if (m_dialogs.question(EthernetText::AskDelete + u'\r' + program, Dialogs::Buttons::YesNo,
                               EthernetText::DeleteTitle)
            != Dialogs::Button::Yes)
            return;
        const CncOperationLog::Row row = m_log.beginDelete(number);
        m_worker.run([number](CncLibrary &library, unsigned short handle,
                              const TransferStop &) { return library.cnc_delete(handle, short(number)); },
                     [this, row](short result) {
                         m_log.callEnded(row, result);
                         if (result != EW_OK)
                             return fail(result, CloseAfterRefusedDeleteMs);
                         refresh();
                     });
    });
}

void frmeth::renameProgram()
{
    const std::optional<long> number = checkedProgramInText1();
    if (!number)
        return;
    readActivePrograms([this, oldNumber = *number](const QString &main, const QString &running) {
        const QString program = Text1->text();
        if (sameProgram(program, main))
            return m_dialogs.message(EthernetText::SelectedOnCnc, EthernetText::ActiveTitle);
        if (sameProgram(program, running))
            return m_dialogs.message(EthernetText::SubprogramSelected, EthernetText::ActiveTitle);
        Text2->setText(Text2->text().trimmed());
        if (Text2->text().isEmpty())
            return m_dialogs.message(EthernetText::NothingSelected);
        const std::optional<long> newNumber = typedProgramNumber(Text2->text());
        if (!newNumber)
            return m_dialogs.message(EthernetText::InvalidNumber);
        if (esiste(Text2->text()))
            return m_dialogs.message(EthernetText::AlreadyInCnc);
        if (m_dialogs.question(EthernetText::AskRename + u'\r' + program, Dialogs::Buttons::YesNo,
                               EthernetText::DeleteTitle)
            != Dialogs::Button::Yes)
            return;
        const CncOperationLog::Row row = m_log.beginRename(oldNumber, *newNumber);
        m_worker.run([oldNumber, newNumber = *newNumber](CncLibrary &library, unsigned short handle,
                                                         const TransferStop &) {
            return library.cnc_renameprog(handle, oldNumber, newNumber);
        }, [this, row](short result) {
            m_log.callEnded(row, result);
            if (result != EW_OK)
                return m_dialogs.message(testoerrore(result));
            refresh();
        });
    });
}
