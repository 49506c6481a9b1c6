#include "helper/usbhelper.h"

#include "burn/usbhelperprotocol.h"
#include "platform/blockvolume.h"
#include "platform/drives.h"
#include "runner/mkfs.h"
#include "runner/mount.h"
#include "runner/sfdisk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <poll.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

constexpr qint64 ChunkBytes = 4 * 1024 * 1024;
constexpr int ProgressEveryMs = 200;

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).trimmed() : QString();
}

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString lastLines(const QByteArray& output)
{
    QStringList lines;
    for (const QString& line : QString::fromLocal8Bit(output).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines.mid(std::max(0, int(lines.size()) - 3)).join(QLatin1Char(' '));
}

// The uid of the user pkexec started us for; -1 when root started us itself.
int callerUid()
{
    bool ok = false;
    const int uid = qEnvironmentVariable("PKEXEC_UID").toInt(&ok);
    return ok ? uid : -1;
}

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

// "progress DONE TOTAL", formatted on the stack: the one place where the
// helper's own code gives the fortified C library something to check.
QByteArray progressLine(qint64 done, qint64 total)
{
    char line[64];
    const int n = std::snprintf(
        line, sizeof line, "progress\t%lld\t%lld\n", static_cast<long long>(done), static_cast<long long>(total));
    return QByteArray(line, std::max(0, std::min(n, int(sizeof line) - 1)));
}

} // namespace

void UsbHelper::answerProgress(qint64 done, qint64 total) const
{
    const QByteArray line = progressLine(done, total);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

UsbHelper::UsbHelper(const QString& device, bool allowLoop)
    : m_device(device)
    , m_name(QFileInfo(device).fileName())
{
    static const QRegularExpression wholeDisk(QStringLiteral("^/dev/(sd[a-z]+|mmcblk\\d+|nvme\\d+n\\d+|loop\\d+)$"));
    struct stat st = {};
    if (!wholeDisk.match(device).hasMatch() || ::stat(QFile::encodeName(device).constData(), &st) != 0
        || !S_ISBLK(st.st_mode) || !QFileInfo::exists(QStringLiteral("/sys/block/") + m_name)) {
        m_refusal = QStringLiteral("%1 is not a whole disk.").arg(device);
        return;
    }
    bool listed = false;
    for (const Platform::UsbDisk& disk : Platform::usbDisks())
        listed = listed || disk.device == device;
    // Only root itself may stand a loop device in for a stick, never a user through pkexec.
    if (!listed && allowLoop && m_name.startsWith(QLatin1String("loop")) && ::getuid() == 0 && callerUid() < 0)
        listed = true;
    if (!listed) {
        m_refusal = QStringLiteral("%1 is not a USB disk Quillon lists; it was left alone.").arg(device);
        return;
    }
    m_size = readText(QStringLiteral("/sys/block/%1/size").arg(m_name)).toLongLong() * 512;
    if (m_size <= 0)
        m_refusal = QStringLiteral("%1 holds no medium.").arg(device);
}

void UsbHelper::answer(const QStringList& fields) const
{
    const QByteArray line = UsbHelperProtocol::encode(fields);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

QString UsbHelper::run(const QString& tool, const QStringList& arguments, const QByteArray& input)
{
    static const QStringList folders {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin"),
        QStringLiteral("/bin"), QStringLiteral("/usr/lib/grub/i386-pc")};
    const QString program = QStandardPaths::findExecutable(tool, folders);
    if (program.isEmpty())
        return QStringLiteral("%1 is not installed.").arg(tool);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return QStringLiteral("%1 did not start: %2").arg(tool, process.errorString());
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return QString();
    return QStringLiteral("%1 ended with exit status %2: %3")
        .arg(tool)
        .arg(process.exitCode())
        .arg(lastLines(process.readAll()));
}

QStringList UsbHelper::partitionNodes(bool makeNodes) const
{
    const QString sys = QStringLiteral("/sys/block/") + m_name;
    QList<QPair<int, QString>> numbered;
    for (const QString& entry : QDir(sys).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString number = readText(sys + QLatin1Char('/') + entry + QStringLiteral("/partition"));
        if (!number.isEmpty())
            numbered.append({number.toInt(), entry});
    }
    std::sort(numbered.begin(), numbered.end());
    QStringList nodes;
    for (const auto& part : numbered) {
        const QString node = QStringLiteral("/dev/") + part.second;
        const QStringList numbers = readText(sys + QLatin1Char('/') + part.second + QStringLiteral("/dev")).split(':');
        if (numbers.size() != 2)
            continue;
        const dev_t wanted = makedev(numbers.at(0).toUInt(), numbers.at(1).toUInt());
        struct stat st = {};
        const bool present = ::stat(QFile::encodeName(node).constData(), &st) == 0;
        if (present && S_ISBLK(st.st_mode) && st.st_rdev == wanted) {
            nodes << node;
            continue;
        }
        // Without udev nobody makes (or renumbers) a partition's node.
        if (!makeNodes)
            continue;
        if (present)
            ::unlink(QFile::encodeName(node).constData());
        if (::mknod(QFile::encodeName(node).constData(), S_IFBLK | 0600, wanted) == 0)
            nodes << node;
    }
    return nodes;
}

QString UsbHelper::firstPartition() const
{
    const QStringList nodes = partitionNodes(true);
    return nodes.isEmpty() ? QString() : nodes.first();
}

QString UsbHelper::unmountAll()
{
    QStringList devices {m_device};
    QStringList numbers {readText(QStringLiteral("/sys/block/%1/dev").arg(m_name))};
    for (const QString& node : partitionNodes(false)) {
        devices << node;
        numbers << readText(QStringLiteral("/sys/block/%1/%2/dev").arg(m_name, QFileInfo(node).fileName()));
    }
    const QStringList points = Mount::MountPointsOf(Platform::mountTable(), devices, numbers);
    if (points.isEmpty())
        return QString();
    const ToolCommand umount = Mount::UnmountCommand(points);
    const QString failed = run(umount.program, umount.arguments);
    const QStringList left = Mount::MountPointsOf(Platform::mountTable(), devices, numbers);
    if (!left.isEmpty())
        return QStringLiteral("%1 is still mounted at %2. %3").arg(m_device, left.join(QStringLiteral(", ")), failed);
    // A FUSE driver may still be writing its last data after umount returns:
    // the disk is ours again once nothing holds it open (O_EXCL).
    QElapsedTimer waited;
    waited.start();
    for (const QString& device : qAsConst(devices)) {
        for (;;) {
            const int fd = ::open(QFile::encodeName(device).constData(), O_RDONLY | O_EXCL | O_CLOEXEC);
            if (fd >= 0) {
                ::close(fd);
                break;
            }
            if (errno != EBUSY || waited.elapsed() > 30000)
                break;
            QThread::msleep(50);
        }
    }
    return QString();
}

QString UsbHelper::wipe()
{
    QStringList devices = partitionNodes(true);
    devices << m_device;
    const ToolCommand wipefs = Wipefs::WipeCommand(devices);
    return run(wipefs.program, wipefs.arguments);
}

QString UsbHelper::partition(const QString& style, const QString& fileSystem, QString& node)
{
    if (style != QLatin1String("mbr") && style != QLatin1String("gpt"))
        return QStringLiteral("Unknown partition style %1.").arg(style);
    const bool gpt = style == QLatin1String("gpt");
    const ToolCommand sfdisk =
        Sfdisk::NewTableCommand(m_device, gpt ? Sfdisk::Style::Gpt : Sfdisk::Style::Mbr, fileSystem);
    const QString failed = run(sfdisk.program, sfdisk.arguments, sfdisk.input);
    // sfdisk tells the kernel; partx makes sure of it where a re-read is refused.
    run(QStringLiteral("partx"), {QStringLiteral("-u"), m_device});
    QElapsedTimer waited;
    waited.start();
    const QString sys = QStringLiteral("/sys/block/%1/").arg(m_name);
    while (waited.elapsed() < 5000) {
        node = firstPartition();
        const QString part = sys + QFileInfo(node).fileName();
        if (!node.isEmpty() && readText(part + QStringLiteral("/start")).toLongLong() == Sfdisk::FirstSector)
            break;
        node.clear();
        QThread::msleep(100);
    }
    if (node.isEmpty())
        return QStringLiteral("The new partition of %1 did not appear. %2").arg(m_device, failed);
    return QString();
}

QString UsbHelper::format(const QString& fileSystem, const QString& label)
{
    const QString problem = Mkfs::LabelProblem(fileSystem, label);
    if (!problem.isEmpty())
        return problem;
    const QString part = firstPartition();
    if (part.isEmpty())
        return QStringLiteral("%1 has no partition to format.").arg(m_device);
    const ToolCommand mkfs = Mkfs::FormatCommand(fileSystem, label, part, Sfdisk::FirstSector);
    if (mkfs.program.isEmpty())
        return QStringLiteral("Unknown file system %1.").arg(fileSystem);
    return run(mkfs.program, mkfs.arguments);
}

QString UsbHelper::mount(const QString& fileSystem, const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isAbsolute() || !info.isDir() || info.isSymLink()
        || !QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty())
        return QStringLiteral("%1 is no empty folder to mount on.").arg(folder);
    const QString part = firstPartition();
    if (part.isEmpty())
        return QStringLiteral("%1 has no partition to mount.").arg(m_device);
    QString owner;
    if (const int uid = callerUid(); uid >= 0) {
        const passwd* user = ::getpwuid(uid_t(uid));
        owner = QStringLiteral("uid=%1,gid=%2").arg(uid).arg(user ? user->pw_gid : uid);
    }
    const QString canonical = info.canonicalFilePath();
    const ToolCommand mount =
        Mount::MountCommand(fileSystem, part, canonical, readText(QStringLiteral("/proc/filesystems")), owner);
    if (mount.program.isEmpty())
        return QStringLiteral("Unknown file system %1.").arg(fileSystem);
    const QString failed = run(mount.program, mount.arguments);
    if (!Mount::IsMountedFrom(Platform::mountTable(), canonical, part))
        return QStringLiteral("%1 could not be mounted. %2").arg(part, failed);
    return QString();
}

QString UsbHelper::biosBoot(const QString& folder)
{
    for (const char* name : {"boot.img", "core.img"}) {
        const QFileInfo file(folder + QLatin1Char('/') + QLatin1String(name));
        if (!file.isFile() || file.isSymLink())
            return QStringLiteral("%1 has no %2.").arg(folder, QLatin1String(name));
    }
    QTemporaryDir work;
    QFile map(work.filePath(QStringLiteral("device.map")));
    if (!work.isValid() || !map.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write GRUB's device map.");
    // The stick is the first BIOS disk when it boots.
    map.write(QStringLiteral("(hd0) %1\n").arg(m_device).toUtf8());
    map.close();
    return run(QStringLiteral("grub-bios-setup"),
        {QStringLiteral("--skip-fs-probe"), QStringLiteral("-d"), folder, QStringLiteral("-m"), map.fileName(),
            m_device});
}

QString UsbHelper::check(const QString& fileSystem)
{
    const QString part = firstPartition();
    if (part.isEmpty())
        return QStringLiteral("%1 has no partition to check.").arg(m_device);
    const ToolCommand fsck = Mkfs::CheckCommand(fileSystem, part);
    QString failure = run(fsck.program, fsck.arguments);
    // A FUSE driver may clear the dirty bit a moment after its unmount
    // returned: only that finding is asked again, a few times.
    for (int attempt = 0; attempt < 5 && failure.contains(QLatin1String("dirty bit")); ++attempt) {
        ::sleep(1);
        failure = run(fsck.program, fsck.arguments);
    }
    return failure;
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

bool UsbHelper::stopAsked()
{
    pollfd fd {m_in, POLLIN, 0};
    while (!m_eof && ::poll(&fd, 1, 0) > 0) {
        char buffer[256];
        const ssize_t n = ::read(m_in, buffer, sizeof buffer);
        if (n <= 0) {
            m_eof = true;
            break;
        }
        m_pending.append(buffer, int(n));
    }
    int at = 0;
    while ((at = m_pending.indexOf('\n')) >= 0) {
        const QStringList request = UsbHelperProtocol::decode(m_pending.left(at + 1));
        m_pending.remove(0, at + 1);
        if (request.value(0) == QLatin1String("stop"))
            m_stopped = true;
    }
    return m_stopped || m_eof;
}

QString UsbHelper::writeImage(const QString& image)
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
    // O_EXCL: the kernel refuses while anything has the disk or a partition open or mounted.
    const int out = ::open(QFile::encodeName(m_device).constData(), O_WRONLY | O_DIRECT | O_EXCL | O_CLOEXEC);
    if (out < 0) {
        ::close(in);
        return QStringLiteral("Cannot open %1 for writing: %2").arg(m_device, errnoText());
    }
    ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
    AlignedBuffer buffer(ChunkBytes);
    QElapsedTimer shown;
    shown.start();
    qint64 done = 0;
    QString failure;
    while (done < total && buffer.data) {
        if (stopAsked()) {
            failure = QStringLiteral("stopped");
            break;
        }
        const qint64 got = readFull(in, buffer.data, ChunkBytes);
        if (got <= 0) {
            failure = QStringLiteral("Cannot read %1: %2")
                          .arg(image, got < 0 ? errnoText() : QStringLiteral("it ended early"));
            break;
        }
        // Direct writes go in whole sectors; an image ending mid-sector gets zeros.
        const qint64 padded = (got + 511) / 512 * 512;
        std::memset(buffer.data + got, 0, size_t(padded - got));
        qint64 written = 0;
        QString why = QStringLiteral("the disk ended there; was it removed?");
        while (written < padded) {
            const ssize_t n = ::pwrite(out, buffer.data + written, size_t(padded - written), done + written);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                why = errnoText();
            if (n <= 0)
                break;
            written += n;
        }
        if (written < padded) {
            failure = QStringLiteral("Writing to %1 failed at byte %2: %3").arg(m_device).arg(done + written).arg(why);
            break;
        }
        done += got;
        if (shown.elapsed() >= ProgressEveryMs || done == total) {
            answerProgress(done, total);
            shown.restart();
        }
    }
    if (!buffer.data)
        failure = QStringLiteral("Out of memory.");
    if (failure.isEmpty() && ::fsync(out) != 0)
        failure = QStringLiteral("Flushing %1 failed: %2").arg(m_device, errnoText());
    ::close(out);
    ::close(in);
    return failure;
}

QString UsbHelper::verifyImage(const QString& image)
{
    QString why;
    const int in = openImageAsCaller(image, why);
    if (in < 0)
        return why;
    struct stat st = {};
    ::fstat(in, &st);
    const qint64 total = st.st_size;
    // Past the page cache: what the stick really holds.
    const int dev = ::open(QFile::encodeName(m_device).constData(), O_RDONLY | O_DIRECT | O_CLOEXEC);
    if (dev < 0) {
        ::close(in);
        return QStringLiteral("Cannot open %1 for reading: %2").arg(m_device, errnoText());
    }
    ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
    AlignedBuffer mine(ChunkBytes), theirs(ChunkBytes);
    QElapsedTimer shown;
    shown.start();
    qint64 done = 0;
    QString failure;
    while (done < total && mine.data && theirs.data) {
        if (stopAsked()) {
            failure = QStringLiteral("stopped");
            break;
        }
        const qint64 got = readFull(in, mine.data, std::min(ChunkBytes, total - done));
        const qint64 padded = (got + 511) / 512 * 512;
        qint64 read = 0;
        QString why = QStringLiteral("the disk ended there; was it removed?");
        while (got > 0 && read < padded) {
            const ssize_t n = ::pread(dev, theirs.data + read, size_t(padded - read), done + read);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                why = errnoText();
            if (n <= 0)
                break;
            read += n;
        }
        if (got <= 0) {
            failure = QStringLiteral("Cannot read %1 again.").arg(image);
            break;
        }
        if (read < got) {
            failure = QStringLiteral("Reading %1 back failed at byte %2: %3").arg(m_device).arg(done + read).arg(why);
            break;
        }
        if (std::memcmp(mine.data, theirs.data, size_t(got)) != 0) {
            qint64 at = 0;
            while (mine.data[at] == theirs.data[at])
                ++at;
            failure = QStringLiteral("%1 differs from the image at byte %2.").arg(m_device).arg(done + at);
            break;
        }
        done += got;
        if (shown.elapsed() >= ProgressEveryMs || done == total) {
            answerProgress(done, total);
            shown.restart();
        }
    }
    if (!mine.data || !theirs.data)
        failure = QStringLiteral("Out of memory.");
    ::close(dev);
    ::close(in);
    return failure;
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

int UsbHelper::serve(int in)
{
    m_in = in;
    for (;;) {
        int at = m_pending.indexOf('\n');
        while (at < 0 && !m_eof) {
            char buffer[4096];
            const ssize_t n = ::read(m_in, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                m_eof = true;
                break;
            }
            m_pending.append(buffer, int(n));
            at = m_pending.indexOf('\n');
        }
        if (at < 0)
            return 0; // Quillon went away
        const QStringList request = UsbHelperProtocol::decode(m_pending.left(at + 1));
        m_pending.remove(0, at + 1);
        const QString what = request.value(0);
        m_stopped = false;
        QString failure;
        QString value;
        if (what == QLatin1String("quit"))
            return 0;
        if (what == QLatin1String("stop") || what.isEmpty())
            continue; // late: what it stopped has already ended
        if (what == QLatin1String("unmount"))
            failure = unmountAll();
        else if (what == QLatin1String("wipe"))
            failure = wipe();
        else if (what == QLatin1String("partition") && request.size() == 3)
            failure = partition(request.at(1), request.at(2), value);
        else if (what == QLatin1String("format") && request.size() == 3)
            failure = format(request.at(1), request.at(2));
        else if (what == QLatin1String("mount") && request.size() == 3)
            failure = mount(request.at(1), request.at(2));
        else if (what == QLatin1String("bios-boot") && request.size() == 2)
            failure = biosBoot(request.at(1));
        else if (what == QLatin1String("check") && request.size() == 2)
            failure = check(request.at(1));
        else if (what == QLatin1String("write") && request.size() == 2)
            failure = writeImage(request.at(1));
        else if (what == QLatin1String("verify") && request.size() == 2)
            failure = verifyImage(request.at(1));
        else if (what == QLatin1String("flush"))
            failure = flush();
        else
            failure = QStringLiteral("Unknown request %1.").arg(what);
        if (failure.isEmpty())
            answer(value.isEmpty() ? QStringList {QStringLiteral("ok")} : QStringList {QStringLiteral("ok"), value});
        else
            answer({QStringLiteral("error"), failure});
        if (m_eof)
            return 0;
    }
}
