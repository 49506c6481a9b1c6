#include "platform/blockvolume.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace Platform {

namespace {

QString readLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll()).trimmed();
}

} // namespace

std::optional<BlockVolume> describeBlockVolume(const QString& device, QString* why)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(device).constData(), &st) != 0 || !S_ISBLK(st.st_mode)) {
        *why = QObject::tr("%1 is not a disk or partition.").arg(device);
        return std::nullopt;
    }
    BlockVolume volume;
    volume.device = device;
    volume.majorMinor = QStringLiteral("%1:%2").arg(major(st.st_rdev)).arg(minor(st.st_rdev));
    const QString sys = QFileInfo(QStringLiteral("/sys/dev/block/") + volume.majorMinor).canonicalFilePath();
    if (sys.isEmpty()) {
        *why = QObject::tr("The system does not know %1.").arg(device);
        return std::nullopt;
    }
    volume.bytes = readLine(sys + QStringLiteral("/size")).toLongLong() * 512;
    volume.disk = device;
    if (QFileInfo::exists(sys + QStringLiteral("/partition"))) {
        volume.partition = readLine(sys + QStringLiteral("/partition")).toInt();
        volume.start = readLine(sys + QStringLiteral("/start")).toLongLong();
        volume.disk = QStringLiteral("/dev/") + QFileInfo(QFileInfo(sys).path()).fileName();
        struct stat diskStat = {};
        if (::stat(QFile::encodeName(volume.disk).constData(), &diskStat) != 0 || !S_ISBLK(diskStat.st_mode)) {
            *why = QObject::tr("The disk of %1 (%2) has no device node.").arg(device, volume.disk);
            return std::nullopt;
        }
    }
    return volume;
}

QString mountTable()
{
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool runningPrivileged()
{
    return ::geteuid() == 0;
}

QStringList privilegedCommand(const QString& program, const QStringList& arguments)
{
    if (runningPrivileged())
        return QStringList {program} + arguments;
    // pkexec wants an absolute program path and does not search sbin for users.
    QString path = program;
    if (!QFileInfo(path).isAbsolute()) {
        path = QStandardPaths::findExecutable(program,
            {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin"), QStringLiteral("/bin")});
        if (path.isEmpty())
            path = program;
    }
    return QStringList {QStringLiteral("pkexec"), path} + arguments;
}

QString ownerMountOptions()
{
    if (runningPrivileged())
        return QString();
    return QStringLiteral("uid=%1,gid=%2").arg(::getuid()).arg(::getgid());
}

} // namespace Platform
