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
#include <QTemporaryFile>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

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

namespace {

// Whether a process has one of these device nodes open. Only the links in
// /proc are read, never what they point at: a hung FUSE mount elsewhere
// cannot block us.
bool heldOpen(const QStringList& devices)
{
    QList<QByteArray> names;
    for (const QString& device : devices)
        names << QFile::encodeName(device);
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return false;
    bool held = false;
    while (const dirent* process = ::readdir(proc)) {
        if (held || process->d_name[0] < '1' || process->d_name[0] > '9')
            continue;
        const QByteArray folder = QByteArray("/proc/") + process->d_name + "/fd";
        DIR* fds = ::opendir(folder.constData());
        if (!fds)
            continue; // gone meanwhile
        while (const dirent* fd = ::readdir(fds)) {
            char target[256];
            const QByteArray link = folder + '/' + fd->d_name;
            const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
            if (n > 0 && names.contains(QByteArray(target, int(n)))) {
                held = true;
                break;
            }
        }
        ::closedir(fds);
    }
    ::closedir(proc);
    return held;
}

} // namespace

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
    // the disk is ours again once no process holds one of its nodes open.
    waitForDrivers();
    QElapsedTimer waited;
    waited.start();
    while (heldOpen(devices) && waited.elapsed() < 30000)
        QThread::msleep(10);
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
        QThread::msleep(10);
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
    // fusefat can stay in the foreground without printing a line per call:
    // as our child it shares our scheduling (a driver in a session of its own
    // copied 1.4 times slower on a busy machine) and its end is known.
    if (mount.program == QLatin1String("fusefat"))
        return startDriver(mount.program, QStringList {QStringLiteral("-f")} + mount.arguments, canonical, part);
    const QString failed = run(mount.program, mount.arguments);
    if (!Mount::IsMountedFrom(Platform::mountTable(), canonical, part))
        return QStringLiteral("%1 could not be mounted. %2").arg(part, failed);
    return QString();
}

QString UsbHelper::startDriver(
    const QString& tool, const QStringList& arguments, const QString& mountPoint, const QString& device)
{
    const QString program = systemProgram(tool);
    if (program.isEmpty())
        return QStringLiteral("%1 is not installed.").arg(tool);
    QTemporaryFile log;
    if (!log.open())
        return QStringLiteral("Cannot start %1: no room for its output.").arg(tool);
    QList<QByteArray> words {QFile::encodeName(program)};
    for (const QString& argument : arguments)
        words << argument.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    QByteArray locale("LC_ALL=C.UTF-8");
    std::vector<char*> envp {locale.data()};
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "LC_ALL=", 7) != 0)
            envp.push_back(*e);
    }
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, log.handle(), 1);
    posix_spawn_file_actions_adddup2(&actions, log.handle(), 2);
    // A group of its own: a signal meant for us leaves the mounted driver alone.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int failed = ::posix_spawn(&pid, argv.front(), &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (failed != 0)
        return QStringLiteral("%1 did not start: %2").arg(tool, QString::fromLocal8Bit(std::strerror(failed)));
    QElapsedTimer waited;
    waited.start();
    int status = 0;
    while (!Mount::IsMountedFrom(Platform::mountTable(), mountPoint, device)) {
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            log.seek(0); // the driver wrote through its own copy of the descriptor
            return QStringLiteral("%1 could not be mounted. %2 ended: %3").arg(device, tool, lastLines(log.readAll()));
        }
        if (waited.elapsed() > 30000) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, &status, 0);
            return QStringLiteral("%1 could not be mounted: %2 did not mount it within 30 seconds.").arg(device, tool);
        }
        QThread::msleep(2);
    }
    m_drivers << pid;
    return QString();
}

void UsbHelper::waitForDrivers()
{
    QElapsedTimer waited;
    waited.start();
    for (const qint64 pid : qAsConst(m_drivers)) {
        int status = 0;
        while (::waitpid(pid_t(pid), &status, WNOHANG) == 0 && waited.elapsed() < 30000)
            QThread::msleep(2);
    }
    m_drivers.clear();
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
    // returned: only that finding is asked again, for five seconds at most.
    for (int attempt = 0; attempt < 25 && failure.contains(QLatin1String("dirty bit")); ++attempt) {
        QThread::msleep(200);
        failure = run(fsck.program, fsck.arguments);
    }
    return failure;
}
