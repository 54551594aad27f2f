#include "transferstop.h"

#include <QThread>

#include <algorithm>

bool TransferStop::pause(int milliseconds) const
{
    // In short steps, so that a stop is seen within a few milliseconds.
    constexpr int StepMs = 5;
    for (int waited = 0; waited < milliseconds && !requested(); waited += StepMs)
        QThread::msleep(ulong(std::min(StepMs, milliseconds - waited)));
    return !requested();
}
