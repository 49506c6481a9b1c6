#include "platform/fastcopy.h"

#include <QDateTime>
#include <QDir>
#include <QString>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace Platform {

qint64 copyRange(int, int, qint64)
{
    return CopyUnsupported;
}

void adviseSequential(int)
{
}

bool setModificationTime(const QString& path, const QDateTime& time)
{
    // Folders open only with backup semantics.
    HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
        FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    // FILETIME counts 100 ns units since 1601-01-01.
    const quint64 ticks = quint64(time.toMSecsSinceEpoch() + Q_INT64_C(11644473600000)) * 10000;
    FILETIME written;
    written.dwLowDateTime = DWORD(ticks & 0xffffffffu);
    written.dwHighDateTime = DWORD(ticks >> 32);
    const bool ok = SetFileTime(handle, nullptr, nullptr, &written) != 0;
    CloseHandle(handle);
    return ok;
}

} // namespace Platform
