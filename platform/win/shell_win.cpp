#include "platform/shell.h"

#include <QDir>

#include <shellapi.h>
#include <windows.h>

namespace Platform {

qint64 volumeCapacity(const QString& path)
{
    const QByteArray local = QDir::toNativeSeparators(path).toLocal8Bit();
    ULARGE_INTEGER available, total, free;
    if (!GetDiskFreeSpaceExA(local.constData(), &available, &total, &free))
        return 0;
    return qint64(total.QuadPart);
}

} // namespace Platform
