#include "platform/drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <fcntl.h>
#include <scsi/scsi.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace Platform {

namespace {

// An unanswered INQUIRY must not hold the page for long.
constexpr unsigned InquiryTimeoutMs = 5000;
constexpr int SectorBytes = 512;

QString under(const QString& root, const QString& path)
{
    if (root == QLatin1String("/"))
        return path;
    return QDir::cleanPath(root + QLatin1Char('/') + path);
}

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}

bool ignoredDevice(const QString& name)
{
    static const char* const prefixes[] = {"loop", "ram", "zram", "dm-", "md", "sr", "fd", "nbd"};
    return std::any_of(std::begin(prefixes), std::end(prefixes),
        [&](const char* prefix) { return name.startsWith(QLatin1String(prefix)); });
}

// The block devices of the system: every disk and the disk of every partition.
struct BlockTree {
    QStringList disks; // sys/block entries, sorted
    QHash<QString, QString> diskOf; // "sda2" -> "sda", "sda" -> "sda"
    QHash<QString, QStringList> parts; // "sda" -> partitions in number order

    explicit BlockTree(const QString& root)
    {
        const QString block = under(root, QStringLiteral("/sys/block"));
        disks = QDir(block).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& disk : disks) {
            diskOf.insert(disk, disk);
            QList<QPair<int, QString>> numbered;
            const QDir diskDir(block + QLatin1Char('/') + disk);
            for (const QString& entry : diskDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                const QString number = readText(diskDir.filePath(entry + QStringLiteral("/partition")));
                if (number.isEmpty())
                    continue;
                numbered.append({number.toInt(), entry});
                diskOf.insert(entry, disk);
            }
            std::sort(numbered.begin(), numbered.end());
            for (const auto& part : numbered)
                parts[disk].append(part.second);
        }
    }
};

// The disks below a block device name, through device-mapper and RAID layers.
void addDisksOf(const QString& root, const BlockTree& tree, const QString& name, QSet<QString>& disks, int depth = 0)
{
    if (depth > 8 || name.isEmpty())
        return;
    const QDir slaves(under(root, QStringLiteral("/sys/block/") + name + QStringLiteral("/slaves")));
    const QStringList below =
        slaves.exists() ? slaves.entryList(QDir::AllEntries | QDir::NoDotAndDotDot) : QStringList();
    if (!below.isEmpty()) {
        for (const QString& slave : below)
            addDisksOf(root, tree, slave, disks, depth + 1);
        return;
    }
    const QString disk = tree.diskOf.value(name);
    if (!disk.isEmpty())
        disks.insert(disk);
}

// "/dev/sda2", "/dev/mapper/vg-root" (a link to ../dm-0), "/dev/disk/by-uuid/..."
QString blockNameOfNode(const QString& root, const QString& node)
{
    const QFileInfo info(under(root, node));
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return QFileInfo(target.isEmpty() ? node : target).fileName();
}

// The block device holding a path of the running system, by its device number.
QString blockNameOfPath(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QString();
    const QString link = QStringLiteral("/sys/dev/block/%1:%2").arg(major(st.st_dev)).arg(minor(st.st_dev));
    return QFileInfo(QFileInfo(link).canonicalFilePath()).fileName();
}

bool isSystemMountPoint(const QString& mountPoint)
{
    for (const char* system : {"/", "/boot", "/home"}) {
        const QLatin1String dir(system);
        if (mountPoint == dir || (dir.size() > 1 && mountPoint.startsWith(dir + QLatin1Char('/'))))
            return true;
    }
    return false;
}

// Disks that hold the system: "/", "/boot", "/home" and swap.
QSet<QString> systemDisks(const QString& root, const BlockTree& tree)
{
    QSet<QString> disks;
    auto addNode = [&](const QString& node) {
        if (node.startsWith(QLatin1String("/dev/")))
            addDisksOf(root, tree, blockNameOfNode(root, node), disks);
    };
    const bool live = root == QLatin1String("/");
    QString mounts = readText(under(root, QStringLiteral("/proc/self/mounts")));
    if (mounts.isEmpty())
        mounts = readText(under(root, QStringLiteral("/proc/mounts")));
    for (const QString& line : mounts.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() < 2)
            continue;
        // The mount table writes a blank in a path as "\040".
        const QString mountPoint = QString(fields[1]).replace(QLatin1String("\\040"), QLatin1String(" "));
        if (!isSystemMountPoint(mountPoint))
            continue;
        addNode(fields[0]);
        if (live) // "/dev/root" and the like name no node: ask the mount point itself
            addDisksOf(root, tree, blockNameOfPath(mountPoint), disks);
    }
    const QStringList swaps = readText(under(root, QStringLiteral("/proc/swaps"))).split(QLatin1Char('\n'));
    for (int i = 1; i < swaps.size(); ++i) {
        const QString swap = swaps[i].section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (swap.startsWith(QLatin1String("/dev/")))
            addNode(swap);
        else if (live && !swap.isEmpty()) // a swap file: the disk it lives on
            addDisksOf(root, tree, blockNameOfPath(swap), disks);
    }
    return disks;
}

using Properties = QHash<QString, QString>;

Properties udevProperties(const QString& root, const QString& majorMinor)
{
    Properties properties;
    const QString data = readText(under(root, QStringLiteral("/run/udev/data/b") + majorMinor));
    for (const QString& line : data.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("E:")))
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals > 2)
            properties.insert(line.mid(2, equals - 2), line.mid(equals + 1));
    }
    return properties;
}

// udev writes unsafe label characters as "\x20".
QString decodeUdevText(const QString& encoded)
{
    QByteArray bytes;
    const QByteArray raw = encoded.toUtf8();
    for (int i = 0; i < raw.size(); ++i) {
        bool ok = false;
        if (raw[i] == '\\' && i + 3 < raw.size() && raw[i + 1] == 'x') {
            const int value = raw.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                bytes.append(char(value));
                i += 3;
                continue;
            }
        }
        bytes.append(raw[i]);
    }
    return QString::fromUtf8(bytes);
}

QString labelFromLinks(const QString& root, const QString& name)
{
    const QDir labels(under(root, QStringLiteral("/dev/disk/by-label")));
    for (const QFileInfo& link : labels.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (QFileInfo(link.symLinkTarget()).fileName() == name)
            return decodeUdevText(link.fileName());
    }
    return QString();
}

} // namespace

QList<UsbDisk> usbDisks(const QString& root)
{
    const BlockTree tree(root);
    const QSet<QString> system = systemDisks(root, tree);
    const bool haveUdev = QDir(under(root, QStringLiteral("/run/udev/data"))).exists();
    const QString block = under(root, QStringLiteral("/sys/block")) + QLatin1Char('/');

    auto labelOf = [&](const QString& name, const Properties& properties) {
        if (!haveUdev)
            return labelFromLinks(root, name);
        const QString encoded = properties.value(QStringLiteral("ID_FS_LABEL_ENC"));
        return encoded.isEmpty() ? properties.value(QStringLiteral("ID_FS_LABEL")) : decodeUdevText(encoded);
    };

    QList<UsbDisk> disks;
    for (const QString& disk : tree.disks) {
        if (ignoredDevice(disk) || system.contains(disk))
            continue;
        const QString sys = block + disk;
        const Properties properties = udevProperties(root, readText(sys + QStringLiteral("/dev")));
        if (properties.value(QStringLiteral("UDISKS_SYSTEM")) == QLatin1String("1")
            || properties.value(QStringLiteral("UDISKS_IGNORE")) == QLatin1String("1"))
            continue;
        // Many USB disks call themselves fixed; their place on the bus says what they are.
        const bool onUsb = properties.value(QStringLiteral("ID_BUS")) == QLatin1String("usb")
            || QFileInfo(sys).canonicalFilePath().contains(QLatin1String("/usb"));
        if (!onUsb && readText(sys + QStringLiteral("/removable")) != QLatin1String("1"))
            continue;
        UsbDisk found;
        found.device = QStringLiteral("/dev/") + disk;
        found.size = readText(sys + QStringLiteral("/size")).toLongLong() * SectorBytes;
        if (found.size < 1024 * 1024) // a card reader without a card
            continue;
        found.vendor = decodeUdevText(properties.value(QStringLiteral("ID_VENDOR_ENC"))).trimmed();
        if (found.vendor.isEmpty())
            found.vendor = readText(sys + QStringLiteral("/device/vendor"));
        found.model = decodeUdevText(properties.value(QStringLiteral("ID_MODEL_ENC"))).trimmed();
        if (found.model.isEmpty())
            found.model = readText(sys + QStringLiteral("/device/model"));
        // A hybrid image written whole has its label on the disk itself.
        const QStringList names = QStringList {disk} + tree.parts.value(disk);
        for (const QString& name : names) {
            const QString node = name == disk ? sys : sys + QLatin1Char('/') + name;
            const QString label =
                labelOf(name, name == disk ? properties : udevProperties(root, readText(node + QStringLiteral("/dev"))))
                    .trimmed();
            if (!label.isEmpty() && !found.labels.contains(label))
                found.labels << label;
        }
        disks.append(found);
    }
    return disks;
}

QStringList opticalDevices(const QString& root)
{
    QStringList names = QDir(under(root, QStringLiteral("/sys/block")))
                            .entryList({QStringLiteral("sr*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(),
        [](const QString& a, const QString& b) { return a.mid(2).toInt() < b.mid(2).toInt(); });
    QStringList devices;
    for (const QString& name : names)
        devices << QStringLiteral("/dev/") + name;
    return devices;
}

OpticalDrive queryOpticalDrive(const QString& device, const QString& root)
{
    OpticalDrive drive;
    drive.device = device;
    const int fd = ::open(QFile::encodeName(under(root, device)).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return drive;

    struct {
        int devId;
        int hostUniqueId;
    } idlun {};
    if (::ioctl(fd, SCSI_IOCTL_GET_IDLUN, &idlun) == 0) {
        drive.hasAddress = true;
        drive.target = idlun.devId & 0xff;
        drive.lun = (idlun.devId >> 8) & 0xff;
        drive.bus = (idlun.devId >> 24) & 0xff; // the host number, as the recorder prints it
        ::close(fd);
        return drive;
    }

    unsigned char cdb[6] = {0x12, 0, 0, 0, 36, 0}; // standard INQUIRY, 36 bytes
    unsigned char answer[36] = {};
    unsigned char sense[96] = {};
    sg_io_hdr_t io {};
    io.interface_id = 'S';
    io.dxfer_direction = SG_DXFER_FROM_DEV;
    io.cmd_len = sizeof cdb;
    io.cmdp = cdb;
    io.dxfer_len = sizeof answer;
    io.dxferp = answer;
    io.mx_sb_len = sizeof sense;
    io.sbp = sense;
    io.timeout = InquiryTimeoutMs;
    if (::ioctl(fd, SG_IO, &io) == 0 && (io.info & SG_INFO_OK_MASK) == SG_INFO_OK) {
        drive.hasProduct = true;
        const char* product = reinterpret_cast<const char*>(answer + 16);
        drive.product = QString::fromLatin1(product, int(strnlen(product, 16)));
    }
    ::close(fd);
    return drive;
}

} // namespace Platform
