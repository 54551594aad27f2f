#include "cnccalls.h"

CncCalls::CncCalls(QObject *parent) : QObject(parent)
{
    // One thread: the library's calls on a handle must not overlap, and they keep their order.
    m_worker.setMaxThreadCount(1);
    m_worker.setExpiryTimeout(-1);
}

CncCalls::~CncCalls()
{
    m_worker.waitForDone();
}

void CncCalls::run(std::function<short()> call, std::function<void(short)> then)
{
    m_worker.start([this, call = std::move(call), then = std::move(then)]() mutable {
        const short result = call();
        // Delivered to this object's thread; an object gone meanwhile takes its events with it.
        QMetaObject::invokeMethod(this, [then = std::move(then), result] { then(result); }, Qt::QueuedConnection);
    });
}

void CncCalls::waitForCalls()
{
    m_worker.waitForDone();
}
