#include "platform/fastcopy.h"

#include <QDateTime>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

qint64 copyRange(int fromFd, int toFd, qint64 length)
{
    for (;;) {
        const ssize_t n = ::copy_file_range(fromFd, nullptr, toFd, nullptr, size_t(length), 0);
        if (n >= 0)
            return n;
        if (errno == EINTR)
            continue;
        if (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP || errno == EBADF
            || errno == ETXTBSY)
            return CopyUnsupported;
        return CopyFailed;
    }
}

void adviseSequential(int fd)
{
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

} // namespace Platform

namespace Platform {

bool setModificationTime(const QString& path, const QDateTime& time)
{
    const qint64 ms = time.toMSecsSinceEpoch();
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT; // access time as it is
    times[1].tv_sec = time_t(ms / 1000);
    times[1].tv_nsec = long(ms % 1000) * 1000000L;
    if (times[1].tv_nsec < 0) {
        times[1].tv_sec -= 1;
        times[1].tv_nsec += 1000000000L;
    }
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

} // namespace Platform
