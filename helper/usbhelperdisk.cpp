// The helper's operations on the stick's table and file system: unmount,
// wipe, partition, format, mount, BIOS boot code, check.
#include "platform/blockvolume.h"
#include "runner/mkfs.h"
#include "runner/mount.h"
#include "runner/sfdisk.h"

#include "helper/usbhelper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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
