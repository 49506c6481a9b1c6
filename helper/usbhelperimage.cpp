// The helper's raw operations on the whole stick: the image written as it
// is, read back and compared, and the final flush.
#include "helper/usbhelper.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int ProgressEveryMs = 200;

// Reads until the buffer is full or the file ends.
qint64 readFull(int fd, char* buffer, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

struct AlignedBuffer {
    char* data = nullptr;
    explicit AlignedBuffer(qint64 size)
    {
        void* p = nullptr;
        if (::posix_memalign(&p, 4096, size_t(size)) == 0)
            data = static_cast<char*>(p);
    }
    ~AlignedBuffer() { std::free(data); }
};

} // namespace

qint64 UsbHelper::chunkBytes() const
{
    // One request per write where the disk takes a megabyte or more at once:
    // a larger write is only cut up again (a loop device takes 1280 KiB),
    // a smaller one costs a round trip per piece.
    constexpr qint64 MiB = 1024 * 1024;
    const qint64 most = readText(QStringLiteral("/sys/block/%1/queue/max_sectors_kb").arg(m_name)).toLongLong() * 1024;
    return std::clamp<qint64>(most / (64 * 1024) * (64 * 1024), MiB, 4 * MiB);
}

int UsbHelper::openImageAsCaller(const QString& image, QString& why) const
{
    const int uid = callerUid();
    if (uid >= 0 && ::seteuid(uid_t(uid)) != 0) {
        why = errnoText();
        return -1;
    }
    const int fd = ::open(QFile::encodeName(image).constData(), O_RDONLY | O_CLOEXEC);
    why = fd < 0 ? QStringLiteral("Cannot read %1: %2").arg(image, errnoText()) : QString();
    if (uid >= 0 && ::seteuid(0) != 0) {
        ::close(fd);
        why = errnoText();
        return -1;
    }
    return fd;
}

QString UsbHelper::passOverImage(const QString& image, bool writing, const PieceStep& step)
{
    QString why;
    const int in = openImageAsCaller(image, why);
    if (in < 0)
        return why;
    struct stat st = {};
    ::fstat(in, &st);
    const qint64 total = st.st_size;
    if (total > m_size) {
        ::close(in);
        return QStringLiteral("The image (%1 bytes) is larger than %2 (%3 bytes).")
            .arg(total)
            .arg(m_device)
            .arg(m_size);
    }
    // Past the page cache: what the stick really holds. O_EXCL for writing:
    // the kernel refuses while anything has the disk or a partition open or mounted.
    const int dev = ::open(
        QFile::encodeName(m_device).constData(), (writing ? O_WRONLY | O_EXCL : O_RDONLY) | O_DIRECT | O_CLOEXEC);
    if (dev < 0) {
        ::close(in);
        return QStringLiteral("Cannot open %1 for %2: %3")
            .arg(m_device, writing ? QStringLiteral("writing") : QStringLiteral("reading"), errnoText());
    }
    ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
    const qint64 chunk = chunkBytes();
    AlignedBuffer piece(chunk), spare(chunk);
    QElapsedTimer shown;
    shown.start();
    qint64 done = 0;
    QString failure;
    while (done < total && piece.data && spare.data) {
        if (stopAsked()) {
            failure = QStringLiteral("stopped");
            break;
        }
        const qint64 got = readFull(in, piece.data, std::min(chunk, total - done));
        // The system reads the next piece of the image while this one goes to the disk.
        ::posix_fadvise(in, done + got, chunk, POSIX_FADV_WILLNEED);
        if (got <= 0) {
            failure = QStringLiteral("Cannot read %1: %2")
                          .arg(image, got < 0 ? errnoText() : QStringLiteral("it ended early"));
            break;
        }
        // Direct transfers go in whole sectors; an image ending mid-sector gets zeros.
        const qint64 padded = (got + 511) / 512 * 512;
        std::memset(piece.data + got, 0, size_t(padded - got));
        failure = step(dev, piece.data, got, padded, done, spare.data);
        if (!failure.isEmpty())
            break;
        done += got;
        if (shown.elapsed() >= ProgressEveryMs || done == total) {
            answerProgress(done, total);
            shown.restart();
        }
    }
    if (!piece.data || !spare.data)
        failure = QStringLiteral("Out of memory.");
    if (failure.isEmpty() && writing && ::fsync(dev) != 0)
        failure = QStringLiteral("Flushing %1 failed: %2").arg(m_device, errnoText());
    ::close(dev);
    ::close(in);
    return failure;
}

qint64 UsbHelper::transfer(bool writing, int dev, char* data, qint64 length, qint64 at, QString& why)
{
    qint64 moved = 0;
    why = QStringLiteral("the disk ended there; was it removed?");
    while (moved < length) {
        const ssize_t n = writing ? ::pwrite(dev, data + moved, size_t(length - moved), at + moved)
                                  : ::pread(dev, data + moved, size_t(length - moved), at + moved);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            why = errnoText();
        if (n <= 0)
            break;
        moved += n;
    }
    return moved;
}

QString UsbHelper::writeImage(const QString& image)
{
    return passOverImage(image, true, [this](int dev, char* piece, qint64, qint64 padded, qint64 at, char*) {
        QString why;
        const qint64 written = transfer(true, dev, piece, padded, at, why);
        return written < padded
            ? QStringLiteral("Writing to %1 failed at byte %2: %3").arg(m_device).arg(at + written).arg(why)
            : QString();
    });
}

QString UsbHelper::verifyImage(const QString& image)
{
    return passOverImage(image, false, [this](int dev, char* piece, qint64 got, qint64 padded, qint64 at, char* read) {
        QString why;
        const qint64 back = transfer(false, dev, read, padded, at, why);
        if (back < got)
            return QStringLiteral("Reading %1 back failed at byte %2: %3").arg(m_device).arg(at + back).arg(why);
        if (std::memcmp(piece, read, size_t(got)) == 0)
            return QString();
        qint64 differs = 0;
        while (piece[differs] == read[differs])
            ++differs;
        return QStringLiteral("%1 differs from the image at byte %2.").arg(m_device).arg(at + differs);
    });
}

QString UsbHelper::flush()
{
    const int fd = ::open(QFile::encodeName(m_device).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QStringLiteral("Cannot open %1: %2").arg(m_device, errnoText());
    QString failure;
    if (::fsync(fd) != 0 || ::ioctl(fd, BLKFLSBUF, 0) != 0)
        failure = QStringLiteral("Flushing %1 failed: %2").arg(m_device, errnoText());
    // The system sees the partitions a written image brought (busy is no failure).
    ::ioctl(fd, BLKRRPART, 0);
    ::close(fd);
    return failure;
}
