#include "platform/process.h"

#include <windows.h>

namespace Platform {

QString exeSuffix()
{
    return QStringLiteral(".exe");
}

void signalProcess(qint64 pid, bool force)
{
    // Console tools have no window to close: both requests end the process.
    Q_UNUSED(force);
    HANDLE h = OpenProcess(PROCESS_TERMINATE, FALSE, DWORD(pid));
    if (h) {
        TerminateProcess(h, 1);
        CloseHandle(h);
    }
}

QProcessEnvironment toolEnvironment()
{
    return QProcessEnvironment::systemEnvironment();
}

} // namespace Platform
