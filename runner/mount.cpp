#include "runner/mount.h"

#include <QRegularExpression>

#include <algorithm>

namespace Mount {

namespace {

bool kernelHas(const QString& kernelFileSystems, const char* type)
{
    return kernelFileSystems.contains(
        QRegularExpression(QStringLiteral("(^|\\s)") + QLatin1String(type) + QStringLiteral("(\\s|$)")));
}

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

bool UsesFuseFat(const QString& fileSystem, const QString& kernelFileSystems)
{
    return fileSystem.startsWith(QLatin1String("FAT")) && !kernelHas(kernelFileSystems, "vfat");
}

ToolCommand MountCommand(const QString& fileSystem, const QString& device, const QString& mountPoint,
    const QString& kernelFileSystems, const QString& owner)
{
    const QString mount = QStringLiteral("mount");
    auto withOwner = [&](QString options) {
        if (!owner.isEmpty())
            options += (options.isEmpty() ? QString() : QStringLiteral(",")) + owner;
        return options;
    };
    auto kernel = [&](const char* type) {
        QStringList args {QStringLiteral("-t"), QLatin1String(type)};
        if (!owner.isEmpty())
            args << QStringLiteral("-o") << owner;
        return ToolCommand {mount, args << device << mountPoint, {}};
    };
    // FUSE mounts made by root are only open to others with allow_other.
    const QString fuseOwner = owner.isEmpty() ? QString() : owner + QStringLiteral(",allow_other");
    if (fileSystem == QLatin1String("FAT32") || fileSystem == QLatin1String("FAT")) {
        if (kernelHas(kernelFileSystems, "vfat"))
            return kernel("vfat");
        QString options = QStringLiteral("rw+,blkdev,fsname=") + device;
        if (!fuseOwner.isEmpty())
            options += QStringLiteral(",allow_other");
        return {QStringLiteral("fusefat"), {QStringLiteral("-o"), options, device, mountPoint}, {}};
    }
    if (fileSystem == QLatin1String("NTFS")) {
        if (kernelHas(kernelFileSystems, "ntfs3"))
            return kernel("ntfs3");
        QStringList args;
        if (!fuseOwner.isEmpty())
            args << QStringLiteral("-o") << withOwner(QStringLiteral("allow_other"));
        return {QStringLiteral("ntfs-3g"), args << device << mountPoint, {}};
    }
    if (fileSystem == QLatin1String("exFAT")) {
        if (kernelHas(kernelFileSystems, "exfat"))
            return kernel("exfat");
        QStringList args;
        if (!fuseOwner.isEmpty())
            args << QStringLiteral("-o") << withOwner(QStringLiteral("allow_other"));
        return {QStringLiteral("mount.exfat-fuse"), args << device << mountPoint, {}};
    }
    return {};
}

QString FuseFatLabelEntry(const QString& label)
{
    const QString padded = label.leftJustified(11, QLatin1Char(' '), true);
    const QString base = padded.left(8).remove(QLatin1Char(' '));
    const QString extension = padded.mid(8).remove(QLatin1Char(' '));
    return extension.isEmpty() ? base : base + QLatin1Char('.') + extension;
}

ToolCommand UnmountCommand(const QStringList& mountPoints)
{
    return {QStringLiteral("umount"), mountPoints, {}};
}

QStringList MountPointsOf(const QString& mountinfo, const QStringList& devices, const QStringList& majorMinors)
{
    QStringList points;
    for (const MountLine& m : parseMountinfo(mountinfo)) {
        if ((devices.contains(m.source) || majorMinors.contains(m.majorMinor)) && !points.contains(m.mountPoint))
            points << m.mountPoint;
    }
    std::stable_sort(points.begin(), points.end(),
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

} // namespace Mount
