#pragma once

#include <QString>
#include <QStringList>

// The image named on the command line (a desktop entry's %f, a path typed in a
// terminal, or a file: address) as an absolute path; empty when there is none.
// Takes the arguments as QCoreApplication::arguments() gives them, program
// first; options are skipped, and after "--" every argument is a name.
QString ImageArgument(const QStringList& arguments);
