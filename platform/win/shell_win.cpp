#include "platform/shell.h"

#include <QDir>

#include <windows.h>
#include <shellapi.h>

namespace Platform {

void openFolder(const QString& path)
{
    const QByteArray folder = QDir::toNativeSeparators(path).toLocal8Bit();
    ShellExecuteA(nullptr, "open", "explorer.exe", folder.constData(), nullptr, SW_SHOWNORMAL);
}

qint64 volumeCapacity(const QString& path)
{
    const QByteArray local = QDir::toNativeSeparators(path).toLocal8Bit();
    ULARGE_INTEGER available, total, free;
    if (!GetDiskFreeSpaceExA(local.constData(), &available, &total, &free))
        return 0;
    return qint64(total.QuadPart);
}

} // namespace Platform
