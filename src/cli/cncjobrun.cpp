#include "cncjobrun.h"

#include "cnclibrary.h"
#include "cncresults.h"
#include "interruptsignals.h"

#include <QEventLoop>
#include <QTextStream>

#include <atomic>

namespace {

constexpr long ConnectTimeoutSeconds = 10;
// How long a stopped job may take to end its transfer on the CNC before the command goes.
constexpr int StopGraceMs = 1500;

} // namespace

CncJobOutcome runCncJob(std::shared_ptr<CncLibrary> library, const CncAddress &address, CncJob job,
                        const QString &stopMessage, QTextStream &err)
{
    CncWorker worker(std::move(library));
    QEventLoop loop;
    // Shared with the job: after a signal it may still run on its own, past this function's end.
    auto status = std::make_shared<std::atomic<int>>(1);
    auto messages = std::make_shared<QStringList>();
    worker.connect(address.host.toLatin1(), address.port, ConnectTimeoutSeconds, [&](short connected) {
        if (connected != EW_OK) {
            messages->append(testoerrore(connected));
            return loop.quit();
        }
        worker.run(
            [job, messages, status](CncLibrary &cnc, unsigned short handle, const TransferStop &stop) {
                *status = job(cnc, handle, stop, *messages);
                return short(EW_OK);
            },
            [&loop](short) { loop.quit(); });
    });

    int signalNumber = 0;
    InterruptSignals interrupts;
    QObject::connect(&interrupts, &InterruptSignals::received, &loop, [&](int received) {
        signalNumber = received;
        loop.quit();
    });
    loop.exec();

    // The handle goes back now; after a signal, the call in flight is not waited for beyond this.
    worker.abandon();
    worker.waitUntilIdle(StopGraceMs);
    if (signalNumber != 0) {
        // The job's own messages stay unread: it may still be writing them.
        err << stopMessage << Qt::endl;
        return {128 + signalNumber, true, {stopMessage}};
    }
    for (const QString &message : std::as_const(*messages))
        err << message << Qt::endl;
    return {status->load(), false, *messages};
}
