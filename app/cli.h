#pragma once

#include <QStringList>

// The command line on the engine: the same jobs the window runs, without a
// display. `arguments` are the program's, program name first.

// True when the arguments ask for a subcommand, --help or --version rather
// than the window.
bool IsCommandLineRun(const QStringList& arguments);

// Runs it; needs a QCoreApplication. Returns the exit status: 0 only when the
// job's own check passed.
int RunCommandLine(const QStringList& arguments);

// What --help prints.
QString CommandLineHelp();

// The page `--page NAME` asks the window to open ("burn", "extract",
// "create", "edit", "copy-disc"), empty when none; `error` is set for a name
// that is no page.
QString PageArgument(const QStringList& arguments, QString* error);
