#include "cncworker.h"

#include "cnclibrary.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct CncWorker::State {
    explicit State(std::shared_ptr<CncLibrary> library) : library(std::move(library)) {}

    // Takes the next job, or none once the worker is abandoned and nothing is left.
    std::function<void()> next()
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return !jobs.empty() || ending; });
        if (jobs.empty())
            return {};
        std::function<void()> job = std::move(jobs.front());
        jobs.pop_front();
        ++running;
        return job;
    }
    void done()
    {
        std::lock_guard lock(mutex);
        --running;
        changed.notify_all();
    }
    void loop()
    {
        while (std::function<void()> job = next()) {
            job();
            done();
        }
    }

    const std::shared_ptr<CncLibrary> library;
    TransferStop stop;
    // Only the worker's thread touches these two.
    unsigned short handle = 0;
    bool connectAsked = false;

    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    std::deque<std::function<void()>> jobs;
    int running = 0;
    bool ending = false;
    // Where results go; cleared under the mutex by abandon(), so no result is posted after it.
    QObject *receiver = nullptr;
};

CncWorker::CncWorker(std::shared_ptr<CncLibrary> library, QObject *parent)
    : QObject(parent), m_state(std::make_shared<State>(std::move(library)))
{
    m_state->receiver = this;
    // The thread keeps the state, and with it the library, for as long as it runs.
    std::thread([state = m_state] { state->loop(); }).detach();
}

CncWorker::~CncWorker()
{
    abandon();
}

void CncWorker::connect(const QByteArray &host, unsigned short port, long timeoutSeconds,
                        std::function<void(short)> then)
{
    auto state = m_state.get();
    run(
        [state, host, port, timeoutSeconds](CncLibrary &library, unsigned short, const TransferStop &) {
            state->connectAsked = true;
            return library.cnc_allclibhndl3(host.constData(), port, timeoutSeconds, &state->handle);
        },
        std::move(then));
}

void CncWorker::run(Call call, std::function<void(short)> then)
{
    if (m_abandoned)
        return;
    std::lock_guard lock(m_state->mutex);
    m_state->jobs.push_back([state = m_state.get(), call = std::move(call), then = std::move(then)]() mutable {
        const short result = call(*state->library, state->handle, state->stop);
        std::lock_guard lock(state->mutex);
        if (!state->receiver || !then)
            return;
        // Posted to the worker object itself: a worker deleted meanwhile takes the result with it.
        auto *worker = static_cast<CncWorker *>(state->receiver);
        QMetaObject::invokeMethod(
            worker,
            [worker, then = std::move(then), result] {
                // A result queued just before abandon() is dropped here, on this thread.
                if (!worker->isAbandoned())
                    then(result);
            },
            Qt::QueuedConnection);
    });
    m_state->changed.notify_all();
}

void CncWorker::abandon()
{
    if (m_abandoned)
        return;
    m_abandoned = true;
    m_state->stop.request();
    std::lock_guard lock(m_state->mutex);
    m_state->receiver = nullptr;
    m_state->jobs.push_back([state = m_state.get()] {
        // Its result has nobody left to be told: whoever asked for the connection is gone.
        if (state->connectAsked)
            state->library->cnc_freelibhndl(state->handle);
    });
    m_state->ending = true;
    m_state->changed.notify_all();
}

bool CncWorker::isBusy() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->running > 0 || !m_state->jobs.empty();
}

bool CncWorker::waitUntilIdle(int milliseconds) const
{
    std::unique_lock lock(m_state->mutex);
    return m_state->changed.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] {
        return m_state->running == 0 && m_state->jobs.empty();
    });
}
