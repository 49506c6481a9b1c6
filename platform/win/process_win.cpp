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

void startOwnProcessGroup()
{
}

ChildExitWatch::ChildExitWatch(qint64 pid)
{
    if (pid > 0) {
        HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
        if (h)
            m_handle = qintptr(h);
    }
}

ChildExitWatch::~ChildExitWatch()
{
    if (m_handle != -1)
        CloseHandle(HANDLE(m_handle));
}

bool ChildExitWatch::wait(int ms)
{
    if (m_handle == -1) {
        Sleep(DWORD(ms));
        return true;
    }
    return WaitForSingleObject(HANDLE(m_handle), DWORD(ms)) != WAIT_TIMEOUT;
}

QProcessEnvironment toolEnvironment()
{
    return QProcessEnvironment::systemEnvironment();
}

} // namespace Platform
