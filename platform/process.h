#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace Platform {

// Suffix of executables on this platform ("" or ".exe").
QString exeSuffix();

// Asks a tool child and everything it started to end (force = false) or ends
// them at once (force = true). A child started with startOwnProcessGroup in
// it leads its own group, and the whole group gets the signal.
void signalProcess(qint64 pid, bool force);

// Called in a new child before the tool's program takes over, so the tool and
// its own children form one group that a stop reaches as a whole.
void startOwnProcessGroup();

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
