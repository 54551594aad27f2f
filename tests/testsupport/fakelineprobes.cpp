#include "fakelineprobes.h"

#include <QThread>

bool FakePinger::ping(const QString &address)
{
    ++calls;
    if (answering.contains(address))
        return true;
    QThread::msleep(ulong(silentMs));
    return false;
}
