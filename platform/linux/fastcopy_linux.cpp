#include "platform/fastcopy.h"

#include <cerrno>
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
        if (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP
            || errno == EBADF || errno == ETXTBSY)
            return CopyUnsupported;
        return CopyFailed;
    }
}

} // namespace Platform
