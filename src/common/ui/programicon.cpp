#include "programicon.h"

namespace ProgramIcon {

QList<int> sizes()
{
    return {16, 32, 48, 64, 128, 256};
}

QIcon icon()
{
    QIcon icon;
    for (const int size : sizes())
        icon.addFile(QStringLiteral(":/icons/truv-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace ProgramIcon
