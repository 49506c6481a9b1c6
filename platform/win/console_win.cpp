#include "platform/console.h"

#include <QMetaObject>

#include <io.h>
#include <windows.h>

namespace Platform {

bool isTerminal(int stream)
{
    return _isatty(stream) != 0;
}

namespace {

InterruptWatch* g_watch = nullptr;

BOOL WINAPI onControl(DWORD type)
{
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT && type != CTRL_CLOSE_EVENT)
        return FALSE;
    if (g_watch)
        QMetaObject::invokeMethod(g_watch, "interrupted", Qt::QueuedConnection);
    return TRUE;
}

} // namespace

InterruptWatch::InterruptWatch(QObject* parent)
    : QObject(parent)
{
    g_watch = this;
    m_signal = 0;
    SetConsoleCtrlHandler(onControl, TRUE);
}

InterruptWatch::~InterruptWatch()
{
    SetConsoleCtrlHandler(onControl, FALSE);
    g_watch = nullptr;
}

} // namespace Platform
