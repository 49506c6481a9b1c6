#pragma once

#include <QtGlobal>

namespace Platform {

enum : qint64 { CopyUnsupported = -2, CopyFailed = -1 };

// Copies up to `length` bytes from the current position of `fromFd` to the
// current position of `toFd` inside the kernel. Returns the bytes copied
// (0 at the end of the source), CopyFailed on an error (errno set), or
// CopyUnsupported when the system or the pair of files cannot do it; the
// caller then copies through a buffer.
qint64 copyRange(int fromFd, int toFd, qint64 length);

// Tells the system that `fd` will be read from start to end once, so it
// reads ahead further (a no-op where there is no such hint).
void adviseSequential(int fd);

} // namespace Platform

class QDateTime;
class QString;

namespace Platform {

// Gives a file or folder the modification time `time` (copies keep their
// source's date). False when the system refused.
bool setModificationTime(const QString& path, const QDateTime& time);

} // namespace Platform
