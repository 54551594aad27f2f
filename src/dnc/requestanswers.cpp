#include "requestanswers.h"

#include "consoleoutput.h"
#include "dnctext.h"
#include "machinelistener.h"

#include <QPointer>
#include <QTimer>

RequestAnswers::RequestAnswers(const ProgramFolder &folder, RemoteRequest::Settings settings, ConsoleOutput &errors,
                               QObject *parent)
    : QObject(parent), m_folder(folder), m_settings(std::move(settings)), m_errors(errors)
{
}

bool RequestAnswers::take(const QString &machine, MachineListener &listener, const QByteArray &raw)
{
    const std::optional<qint32> number = RemoteRequest::requestedNumber(raw, m_settings);
    if (!number)
        return false;
    const auto program = RemoteRequest::programToSend(m_folder, *number);
    if (program.index() == 1) {
        emit refused(machine, raw, std::get<1>(program));
        return true;
    }
    m_errors.line(DncText::RequestWaiting.arg(machine).arg(*number).arg(m_settings.delayMilliseconds / 1000.0));
    // The program is looked up again when it goes: it may have changed during the delay.
    QTimer::singleShot(m_settings.delayMilliseconds, &listener,
                       [this, guard = QPointer<RequestAnswers>(this), machine, &listener, raw, number = *number] {
                           if (!guard)
                               return;
                           const auto now = RemoteRequest::programToSend(m_folder, number);
                           if (now.index() == 1) {
                               emit refused(machine, raw, std::get<1>(now));
                               return;
                           }
                           const bool taken = listener.answer(
                               std::get<0>(now), [guard, machine, number](qint64 sent, bool whole) {
                                   if (guard)
                                       emit guard->answered(machine, number, sent, whole);
                               });
                           if (!taken)
                               emit refused(machine, raw, DncText::RequestBusy.arg(number));
                       });
    return true;
}
