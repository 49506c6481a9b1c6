#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace Platform {

// Suffix of executables on this platform ("" or ".exe").
QString exeSuffix();

// Asks a child process to end (force = false) or ends it at once (force = true).
void signalProcess(qint64 pid, bool force);

// Watches one child for its end without touching its output pipes, so a
// reader can pause while output gathers and still notice the end at once.
class ChildExitWatch {
public:
    explicit ChildExitWatch(qint64 pid);
    ~ChildExitWatch();
    ChildExitWatch(const ChildExitWatch&) = delete;
    ChildExitWatch& operator=(const ChildExitWatch&) = delete;
    // Waits up to `ms`; true when the child has ended (or cannot be watched
    // and the time is over, so the caller looks for itself).
    bool wait(int ms);

private:
    qintptr m_handle = -1;
};

// Environment for tool children: numbers always with a decimal point, while
// file names and messages keep their UTF-8 characters.
QProcessEnvironment toolEnvironment();

} // namespace Platform
