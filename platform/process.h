#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace Platform {

// Suffix of executables on this platform ("" or ".exe").
QString exeSuffix();

// Asks a child process to end (force = false) or ends it at once (force = true).
void signalProcess(qint64 pid, bool force);

// Environment for tool children: numbers always with a decimal point, while
// file names and messages keep their UTF-8 characters.
QProcessEnvironment toolEnvironment();

} // namespace Platform
