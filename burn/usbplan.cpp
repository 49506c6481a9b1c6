#include "burn/usbplan.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <limits>

namespace UsbPlan {

std::optional<ImageEntry> InstallImage(const QList<ImageEntry>& entries)
{
    for (const ImageEntry& e : entries) {
        if (!e.folder && e.path.compare(QLatin1String("sources/install.wim"), Qt::CaseInsensitive) == 0)
            return e;
    }
    return std::nullopt;
}

qint64 SpaceNeeded(const QList<ImageEntry>& entries, qint64 clusterBytes)
{
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    qint64 total = 0;
    for (const ImageEntry& e : entries) {
        const qint64 size = e.folder ? 1 : e.size;
        const qint64 clusters = size / clusterBytes + (size % clusterBytes ? 1 : 0);
        // Saturates: more than any stick holds, never a wrap to "it fits".
        if (clusters > (most - total) / clusterBytes)
            return most;
        total += clusters * clusterBytes;
    }
    return total;
}

QString EffectiveFileSystem(const QString& chosen, qint64 volumeBytes, bool gpt)
{
    if (gpt)
        return QStringLiteral("FAT32");
    if (chosen == QLatin1String("FAT") && volumeBytes >= FourGiB)
        return QStringLiteral("FAT32");
    return chosen;
}

Command FormatCommand(const QString& fileSystem, const QString& label, const QString& device, qint64 partitionStart)
{
    const bool wholeDisk = partitionStart <= 0;
    Command c;
    if (fileSystem == QLatin1String("FAT32") || fileSystem == QLatin1String("FAT")) {
        c.program = QStringLiteral("mkfs.vfat");
        c.arguments << QStringLiteral("-F")
                    << (fileSystem == QLatin1String("FAT") ? QStringLiteral("16") : QStringLiteral("32"));
        if (!label.isEmpty())
            c.arguments << QStringLiteral("-n") << label;
        if (wholeDisk)
            c.arguments << QStringLiteral("-I"); // no partition table: the disk is the volume
        else
            c.arguments << QStringLiteral("-h") << QString::number(partitionStart);
    } else if (fileSystem == QLatin1String("NTFS")) {
        c.program = QStringLiteral("mkntfs");
        c.arguments << QStringLiteral("--quick");
        if (!label.isEmpty())
            c.arguments << QStringLiteral("-L") << label;
        if (wholeDisk)
            c.arguments << QStringLiteral("-F");
        else // what a loader reading the boot sector expects; loop devices cannot tell
            c.arguments << QStringLiteral("-p") << QString::number(partitionStart) << QStringLiteral("-H")
                        << QStringLiteral("255") << QStringLiteral("-S") << QStringLiteral("63");
    } else if (fileSystem == QLatin1String("exFAT")) {
        c.program = QStringLiteral("mkfs.exfat");
        if (!label.isEmpty())
            c.arguments << QStringLiteral("-L") << label;
    } else {
        return {};
    }
    c.arguments << device;
    return c;
}

QString PartitionType(const QString& fileSystem, bool gptTable)
{
    if (gptTable)
        return QStringLiteral("EBD0A0A2-B9E5-4433-87C0-68B6B72699C7");
    if (fileSystem == QLatin1String("FAT32"))
        return QStringLiteral("c");
    if (fileSystem == QLatin1String("FAT"))
        return QStringLiteral("e");
    return QStringLiteral("7");
}

std::optional<PartitionEntry> ParsePartitionTable(const QByteArray& json, qint64 start)
{
    const QJsonObject table = QJsonDocument::fromJson(json).object().value(QLatin1String("partitiontable")).toObject();
    if (table.isEmpty())
        return std::nullopt;
    std::optional<PartitionEntry> found;
    bool othersBootable = false;
    for (const QJsonValue& v : table.value(QLatin1String("partitions")).toArray()) {
        const QJsonObject p = v.toObject();
        const bool bootable = p.value(QLatin1String("bootable")).toBool();
        if (qint64(p.value(QLatin1String("start")).toDouble(-1)) != start) {
            othersBootable = othersBootable || bootable;
            continue;
        }
        found = PartitionEntry {
            table.value(QLatin1String("label")).toString(), p.value(QLatin1String("type")).toString(), bootable, false};
    }
    if (found)
        found->othersBootable = othersBootable;
    return found;
}

QString UnsafeLabelCharacters(const QString& label)
{
    QString found;
    for (const QChar c : label) {
        if (QStringLiteral("&|<>^\"%").contains(c) && !found.contains(c))
            found += c;
    }
    return found;
}

// --- Mounting --------------------------------------------------------------------

namespace {

struct MountLine {
    QString majorMinor;
    QString mountPoint;
    QString source;
};

// mountinfo escapes blanks and a few others as octal (\040).
QString unescape(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\') && i + 3 < text.size()) {
            bool ok = false;
            const int code = text.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += text.at(i);
    }
    return out;
}

QList<MountLine> parseMountinfo(const QString& mountinfo)
{
    QList<MountLine> mounts;
    for (const QString& line : mountinfo.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char(' '));
        const int dash = f.indexOf(QStringLiteral("-"));
        if (f.size() < 5 || dash < 0 || dash + 2 >= f.size())
            continue;
        mounts << MountLine {f.at(2), unescape(f.at(4)), unescape(f.at(dash + 2))};
    }
    return mounts;
}

} // namespace

QStringList MountPointsOf(const QString& mountinfo, const QString& device, const QString& majorMinor)
{
    QStringList points;
    for (const MountLine& m : parseMountinfo(mountinfo)) {
        if ((m.source == device || m.majorMinor == majorMinor) && !points.contains(m.mountPoint))
            points << m.mountPoint;
    }
    std::sort(points.begin(), points.end(),
        [](const QString& a, const QString& b) { return a.count(QLatin1Char('/')) > b.count(QLatin1Char('/')); });
    return points;
}

bool IsMountedFrom(const QString& mountinfo, const QString& mountPoint, const QString& device)
{
    for (const MountLine& m : parseMountinfo(mountinfo)) {
        if (m.mountPoint == mountPoint && m.source == device)
            return true;
    }
    return false;
}

Command MountCommand(
    const QString& fileSystem, const QString& device, const QString& mountPoint, const QString& kernelFileSystems)
{
    auto kernelHas = [&](const char* type) {
        return kernelFileSystems.contains(
            QRegularExpression(QStringLiteral("(^|\\s)") + QLatin1String(type) + QStringLiteral("(\\s|$)")));
    };
    const QString mount = QStringLiteral("mount");
    if (fileSystem == QLatin1String("FAT32") || fileSystem == QLatin1String("FAT")) {
        if (kernelHas("vfat"))
            return {mount, {QStringLiteral("-t"), QStringLiteral("vfat"), device, mountPoint}};
        return {QStringLiteral("fusefat"),
            {QStringLiteral("-o"), QStringLiteral("rw+,blkdev,fsname=") + device, device, mountPoint}};
    }
    if (fileSystem == QLatin1String("NTFS")) {
        if (kernelHas("ntfs3"))
            return {mount, {QStringLiteral("-t"), QStringLiteral("ntfs3"), device, mountPoint}};
        return {QStringLiteral("ntfs-3g"), {device, mountPoint}};
    }
    if (fileSystem == QLatin1String("exFAT")) {
        if (kernelHas("exfat"))
            return {mount, {QStringLiteral("-t"), QStringLiteral("exfat"), device, mountPoint}};
        return {QStringLiteral("mount.exfat-fuse"), {device, mountPoint}};
    }
    return {};
}

QString NameFuseFatRefuses(const QList<ImageEntry>& entries)
{
    for (const ImageEntry& e : entries) {
        for (const QChar c : e.path) {
            if (c.unicode() > 0x7e)
                return e.path;
        }
    }
    return QString();
}

Command CheckCommand(const QString& fileSystem, const QString& device)
{
    if (fileSystem == QLatin1String("NTFS"))
        return {QStringLiteral("ntfsfix"), {QStringLiteral("-n"), device}};
    if (fileSystem == QLatin1String("exFAT"))
        return {QStringLiteral("fsck.exfat"), {QStringLiteral("-n"), device}};
    return {QStringLiteral("fsck.vfat"), {QStringLiteral("-n"), device}};
}

// --- Boot code -------------------------------------------------------------------

namespace {

const ImageEntry* findFile(const QList<ImageEntry>& entries, const QString& path)
{
    for (const ImageEntry& e : entries) {
        if (!e.folder && e.path.compare(path, Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

} // namespace

LoaderChoice ChooseBiosLoader(const QList<ImageEntry>& entries)
{
    if (const ImageEntry* e = findFile(entries, QStringLiteral("bootmgr")))
        return {BiosLoader::Bootmgr, QLatin1Char('/') + e->path};
    static const char* const syslinux[] = {"isolinux/isolinux.cfg", "boot/isolinux/isolinux.cfg", "isolinux.cfg",
        "syslinux/syslinux.cfg", "boot/syslinux/syslinux.cfg", "syslinux.cfg"};
    for (const char* path : syslinux) {
        if (const ImageEntry* e = findFile(entries, QLatin1String(path)))
            return {BiosLoader::Syslinux, QLatin1Char('/') + e->path};
    }
    static const char* const grub[] = {"boot/grub/grub.cfg", "boot/grub2/grub.cfg", "grub/grub.cfg"};
    for (const char* path : grub) {
        if (const ImageEntry* e = findFile(entries, QLatin1String(path)))
            return {BiosLoader::Grub, QLatin1Char('/') + e->path};
    }
    return {};
}

bool HasUefiLoader(const QList<ImageEntry>& entries)
{
    return findFile(entries, QStringLiteral("EFI/BOOT/BOOTX64.EFI")) != nullptr;
}

QString GrubConfig(const LoaderChoice& loader, int partition)
{
    // Double quotes keep blanks in a name; inside them GRUB still reads $ and
    // backslash escapes, so those are escaped.
    auto quoted = [](QString path) {
        path.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
        path.replace(QLatin1Char('$'), QStringLiteral("\\$"));
        return QLatin1Char('"') + path + QLatin1Char('"');
    };
    QString cfg = QStringLiteral("set root=(hd0,msdos%1)\n").arg(partition);
    switch (loader.kind) {
    case BiosLoader::Bootmgr:
        cfg += QStringLiteral("ntldr %1\nboot\n").arg(quoted(loader.file));
        break;
    case BiosLoader::Syslinux: {
        const bool isolinux = loader.file.endsWith(QLatin1String("isolinux.cfg"), Qt::CaseInsensitive);
        cfg += QStringLiteral("syslinux_configfile %1 %2\n")
                   .arg(isolinux ? QStringLiteral("--isolinux") : QStringLiteral("--syslinux"), quoted(loader.file));
        break;
    }
    case BiosLoader::Grub: {
        const QString folder = loader.file.left(loader.file.lastIndexOf(QLatin1Char('/')));
        cfg += QStringLiteral("set prefix=($root)%1\nconfigfile %2\n").arg(folder, quoted(loader.file));
        break;
    }
    case BiosLoader::None:
        break;
    }
    return cfg;
}

QStringList GrubModules()
{
    return {QStringLiteral("biosdisk"), QStringLiteral("part_msdos"), QStringLiteral("fat"), QStringLiteral("exfat"),
        QStringLiteral("ntfs"), QStringLiteral("normal"), QStringLiteral("configfile"), QStringLiteral("search"),
        QStringLiteral("ntldr"), QStringLiteral("chain"), QStringLiteral("syslinuxcfg"), QStringLiteral("linux"),
        QStringLiteral("linux16"), QStringLiteral("multiboot"), QStringLiteral("multiboot2"), QStringLiteral("cpuid"),
        QStringLiteral("drivemap"), QStringLiteral("echo"), QStringLiteral("test"), QStringLiteral("all_video"),
        QStringLiteral("gfxterm"), QStringLiteral("boot"), QStringLiteral("minicmd"), QStringLiteral("ls"),
        QStringLiteral("cat"), QStringLiteral("sleep"), QStringLiteral("halt"), QStringLiteral("reboot")};
}

// --- Check -----------------------------------------------------------------------

QStringList MissingOrDifferent(
    const QList<ImageEntry>& entries, const QString& splitImage, const std::function<qint64(const QString&)>& present)
{
    QStringList wrong;
    for (const ImageEntry& e : entries) {
        if (!splitImage.isEmpty() && e.path == splitImage) {
            const QString first = SplitTarget(splitImage);
            if (present(first) < 0)
                wrong << first;
            continue;
        }
        const qint64 size = present(e.path);
        if (e.folder ? size < 0 : size != e.size)
            wrong << e.path;
    }
    return wrong;
}

QString SplitTarget(const QString& installImage)
{
    return installImage.left(installImage.size() - 4) + QStringLiteral(".swm");
}

} // namespace UsbPlan
