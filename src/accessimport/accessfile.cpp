#include "accessfile.h"

#include <QFile>

namespace AccessFile {

bool isAccessFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Four bytes of page header, then the format's name closed by a NUL.
    const QByteArray head = file.read(20);
    return head.mid(4, 16) == QByteArrayLiteral("Standard Jet DB\0")
        || head.mid(4, 16) == QByteArrayLiteral("Standard ACE DB\0");
}

} // namespace AccessFile
