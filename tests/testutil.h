#pragma once

#include "core/job.h"
#include "core/tools.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class EditSession;
struct IsoEntry;

// Helpers shared by the tests: run real tools, make files and images.
namespace TestUtil {

struct Result {
    int exitCode = -1;
    QByteArray output; // stdout and stderr merged
};

// Runs a program to its end (no shell) and returns its exit code and output.
Result run(const QString& program, const QStringList& arguments, int timeoutMs = 120000);

// True when the program is on the PATH.
bool haveProgram(const QString& program);

// Writes a file with the given bytes, creating parent folders.
bool writeFile(const QString& path, const QByteArray& bytes);

// The whole content of a file, or "<missing>" when it cannot be read.
QByteArray readFile(const QString& path);

// `length` bytes of a file or device from `position`; empty when unreadable.
QByteArray readAt(const QString& path, qint64 position, qint64 length);

// Random bytes; the same size always gives the same bytes.
QByteArray randomBytes(qint64 size);

// A file of `size` zero bytes that takes no disk space (sparse), parents created.
bool makeSparseFile(const QString& path, qint64 size);

// Sorted relative paths of everything below a folder, hidden items included.
QStringList listTree(const QString& folder);

// The path of a file under tests/data.
QString dataPath(const QString& relativePath);

// Recorded tool output from tests/data, cut into pieces as the runner cuts it.
QStringList fixturePieces(const QString& relativePath);

// The stand-in recorder and reader, built next to the tests.
QString standInTool();
// Makes the stand-in play that recording of tests/data, then end with `status`.
void playStandIn(const QString& recorded, int status = 0);

// Starts a job and waits for its end; false when it did not end in time.
bool finish(Job& job, int timeoutMs = 120000);

// Runs a sequence to its end; the reason of the step that failed, if any,
// in `reason`.
Job::Status finishSequence(JobSequence& job, QString* reason = nullptr);

// An image opened for editing as the edit page opens it: listed, extracted
// and its queued work done; null when any of it failed.
std::unique_ptr<EditSession> openEditSession(const QString& image, const ToolSet& tools = ToolSet::Installed());
// Runs the session's save job to its end; `reason` as for finishSequence.
Job::Status saveEditSession(EditSession& session, const QString& output, QString* reason = nullptr);

// A log (any class with Feed) fed the pieces in order.
template <class Log> Log fed(Log log, const QStringList& pieces)
{
    for (const QString& piece : pieces)
        log.Feed(piece);
    return log;
}

// Builds an ISO image from a folder with genisoimage (Joliet + Rock Ridge)
// plus any extra arguments; returns true on success.
bool makeIso(const QString& sourceFolder, const QString& image, const QStringList& extra = {});

// Paths (forward slashes, no leading slash) of every file and folder in an
// image, as xorriso lists them.
QStringList xorrisoFind(const QString& image);

// The "El Torito boot img" rows of `xorriso -report_el_torito plain`, split
// into fields: [1] platform, [2] bootable y/n, [3] emulation, [4] load
// segment, [6] load size, [7] LBA.
QList<QStringList> xorrisoBootImages(const QString& image);
// The path of each boot image in the image's tree ("/isolinux/isolinux.bin"),
// by entry number; empty for an image that is no file of the tree.
QStringList xorrisoBootPaths(const QString& image);

// Platform, bootable, emulation, load segment and load size of each entry
// (the boot img fields that a rebuilt image must keep; not the LBA).
QList<QStringList> xorrisoBootFacts(const QString& image);

// An entry of a content model: a file unless `isDir`.
IsoEntry entry(const QString& name, bool isDir = false, const QString& size = {}, const QString& localPath = {});

// Sorted "/"-separated paths of every entry below `folder` of a model.
QStringList modelPaths(const IsoEntry& folder);

} // namespace TestUtil
