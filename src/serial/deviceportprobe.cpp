#include "deviceportprobe.h"

#include "qtserialport.h"

#include <fcntl.h>
#include <unistd.h>

bool DevicePortProbe::canOpen(int comPort)
{
    if (comPort < 1)
        return false;
    const QByteArray path = QtSerialPort::devicePath(comPort).toLocal8Bit();
    // Not blocking: a modem line that is down must not hold the test.
    const int device = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (device < 0)
        return false;
    const bool terminal = ::isatty(device) == 1;
    ::close(device);
    return terminal;
}
