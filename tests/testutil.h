#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Helpers shared by the tests: run real tools, make files and images.
namespace TestUtil {

struct Result
{
    int exitCode = -1;
    QByteArray output; // stdout and stderr merged
};

// Runs a program to its end (no shell) and returns its exit code and output.
Result run(const QString& program, const QStringList& arguments, int timeoutMs = 120000);

// True when the program is on the PATH.
bool haveProgram(const QString& program);

// Writes a file with the given bytes, creating parent folders.
bool writeFile(const QString& path, const QByteArray& bytes);

// Builds an ISO image from a folder with genisoimage (Joliet + Rock Ridge)
// plus any extra arguments; returns true on success.
bool makeIso(const QString& sourceFolder, const QString& image, const QStringList& extra = {});

// Paths (forward slashes, no leading slash) of every file and folder in an
// image, as xorriso lists them.
QStringList xorrisoFind(const QString& image);

} // namespace TestUtil
