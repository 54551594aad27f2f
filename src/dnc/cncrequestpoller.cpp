#include "cncrequestpoller.h"

#include "cncdirectory.h"
#include "cncdownload.h"
#include "cncresults.h"
#include "cncupload.h"
#include "cncworker.h"
#include "consoleoutput.h"
#include "dnctext.h"
#include "ethernetreceive.h"
#include "ethernetsend.h"
#include "ethernettext.h"
#include "multiprogram.h"
#include "settingsstore.h"
#include "textfile.h"

namespace {

constexpr long ConnectTimeoutSeconds = 10;

// Why the renumbered text may not be written: nobody is there to say --continue, so every
// number already taken and every call that cannot be followed stops it.
QString refusal(const MultiProgramCheck &check, long destination, const CncDirectory &directory)
{
    if (directory.contains(destination))
        return EthernetText::ExistsOnCnc;
    if (check.clean())
        return {};
    QStringList reasons;
    const QStringList taken = check.takenNumbers();
    if (!taken.isEmpty())
        reasons.append(EthernetText::TakenOnCnc + QStringLiteral(": ") + taken.join(QStringLiteral(", ")));
    reasons.append(check.problems);
    return reasons.isEmpty() ? DncText::RequestNotWritable : reasons.join(u'\n');
}

// The library's message for a result, or its number when it has none.
QString resultText(short code)
{
    const QString text = testoerrore(code);
    return text.isEmpty() ? QString::number(code) : text;
}

} // namespace

struct CncRequestPoller::Found {
    short directoryResult = EW_OK;
    QString directoryFailure;
    bool present = false;
    QByteArray text;
    QString failure;
};

CncRequestPoller::CncRequestPoller(const QString &machine, const CncAddress &address,
                                   std::shared_ptr<CncLibrary> library, const ProgramFolder &folder,
                                   RemoteRequest::Settings settings, int pollMilliseconds, ConsoleOutput &errors,
                                   QObject *parent)
    : QObject(parent), m_machine(machine), m_address(address), m_library(std::move(library)), m_folder(folder),
      m_settings(std::move(settings)), m_errors(errors)
{
    m_timer.setInterval(pollMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &CncRequestPoller::poll);
}

CncRequestPoller::~CncRequestPoller()
{
    stop();
}

void CncRequestPoller::start()
{
    m_timer.start();
    poll();
}

void CncRequestPoller::stop()
{
    m_timer.stop();
    endPoll();
}

void CncRequestPoller::endPoll()
{
    // Never destroyed inside its own answer: the handle goes back once the call in flight ends.
    if (m_worker) {
        m_worker->abandon();
        m_worker.release()->deleteLater();
    }
}

void CncRequestPoller::tellUnreachable(const QString &why)
{
    if (!m_unreachable)
        m_errors.line(DncText::CncUnreachable.arg(m_machine, why).arg(m_timer.interval() / 1000.0));
    m_unreachable = true;
}

void CncRequestPoller::poll()
{
    // A poll still under way (a CNC slow to answer) is not doubled.
    if (m_worker)
        return;
    m_worker = std::make_unique<CncWorker>(m_library);
    m_worker->connect(m_address.host.toLatin1(), m_address.port, ConnectTimeoutSeconds, [this](short connected) {
        if (connected != EW_OK) {
            tellUnreachable(resultText(connected));
            endPoll();
            return;
        }
        auto found = std::make_shared<Found>();
        const long request = m_settings.requestProgram;
        const UploadLimits limits = configuredUploadLimits(SettingsStore());
        m_worker->run(
            [found, request, limits](CncLibrary &cnc, unsigned short handle, const TransferStop &stop) {
                const CncDirectory directory = readCncDirectory(cnc, handle);
                found->directoryResult = directory.result;
                if (directory.result != EW_OK) {
                    found->directoryFailure = directoryFailure(directory);
                    return directory.result;
                }
                found->present = directory.contains(request);
                if (!found->present)
                    return short(EW_OK);
                const ReceivedProgram program = receiveProgram(cnc, handle, request, limits, stop);
                found->failure = program.failure;
                found->text = terminalText(program.lines);
                return short(EW_OK);
            },
            [this, found](short) { requestRead(*found); });
    });
}

void CncRequestPoller::requestRead(const Found &found)
{
    if (found.directoryResult != EW_OK) {
        tellUnreachable(found.directoryFailure);
        endPoll();
        return;
    }
    if (m_unreachable)
        m_errors.line(DncText::CncAnswers.arg(m_machine));
    m_unreachable = false;
    if (!found.present) {
        endPoll();
        return;
    }
    // Answered already, but the CNC kept it: only the delete is tried again.
    if (found.text == m_undeleted) {
        writeAndDelete(found.text, 0, {}, {}, false);
        return;
    }
    if (!found.failure.isEmpty()) {
        m_errors.line(DncText::RequestNotRead.arg(m_machine, programNumberText(m_settings.requestProgram),
                                                  found.failure));
        endPoll();
        return;
    }
    // A program under that number that asks for nothing is the shop's own: it stays.
    const std::optional<qint32> number = RemoteRequest::requestedNumber(found.text, m_settings);
    if (!number) {
        endPoll();
        return;
    }
    const auto program = RemoteRequest::programToSend(m_folder, *number);
    if (program.index() == 1) {
        writeAndDelete(found.text, *number, {}, std::get<1>(program));
        return;
    }
    QString error;
    const std::optional<QByteArray> text = TextFile::read(std::get<0>(program), &error);
    if (!text) {
        writeAndDelete(found.text, *number, {}, DncText::RequestTextMissing.arg(*number).arg(std::get<0>(program), error));
        return;
    }
    const QStringList lines = linesToSend(*text);
    const std::variant<SendPlan, QString> plan = planSend(lines, {});
    if (const QString *refused = std::get_if<QString>(&plan)) {
        writeAndDelete(found.text, *number, {}, *refused);
        return;
    }
    writeAndDelete(found.text, *number, lines, {});
}

void CncRequestPoller::writeAndDelete(const QByteArray &request, qint32 number, const QStringList &lines,
                                      const QString &reason, bool answer)
{
    struct Outcome {
        QString refusal;     // why the program was not written
        qint64 characters = 0;
        short deleted = EW_OK;
    };
    auto outcome = std::make_shared<Outcome>();
    outcome->refusal = reason;
    const long requestProgram = m_settings.requestProgram;
    m_worker->run(
        [outcome, lines, requestProgram, answer](CncLibrary &cnc, unsigned short handle, const TransferStop &stop) {
            if (answer && outcome->refusal.isEmpty()) {
                const SendPlan plan = std::get<SendPlan>(planSend(lines, {}));
                const CncDirectory directory = readCncDirectory(cnc, handle);
                if (directory.result != EW_OK) {
                    outcome->refusal = directoryFailure(directory);
                } else {
                    const MultiProgramCheck check = renumberPrograms(
                        plan.lines, plan.destination, [&directory](long n) { return directory.contains(n); });
                    outcome->refusal =
                        refusal(check, typedProgramNumber(plan.destination).value_or(0), directory);
                    if (outcome->refusal.isEmpty()) {
                        const SendOutcome sent = downloadChecked(cnc, handle, check.lines, plan.destination, stop);
                        if (sent.sent())
                            outcome->characters = terminalText(check.lines).size();
                        else
                            outcome->refusal = sent.messages.join(u'\n');
                    }
                }
            }
            // Handled either way: left there, the request would be answered again at every poll.
            outcome->deleted = cnc.cnc_delete(handle, short(requestProgram));
            return short(EW_OK);
        },
        [this, outcome, request, number, answer](short) {
            if (outcome->deleted != EW_OK) {
                // Told once; tried again at every poll.
                if (m_undeleted != request)
                    m_errors.line(DncText::RequestNotDeleted.arg(
                        m_machine, programNumberText(m_settings.requestProgram), resultText(outcome->deleted)));
                m_undeleted = request;
            } else {
                m_undeleted.clear();
            }
            endPoll();
            if (!answer)
                return;
            if (outcome->refusal.isEmpty())
                emit answered(m_machine, number, outcome->characters, true);
            else
                emit refused(m_machine, request, outcome->refusal);
        });
}
