#include "burn/usbplan.h"

#include "runner/sfdisk.h"

#include <QMap>

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

SpaceCheck CheckSpace(qint64 fileBytes, qint64 diskBytes)
{
    const qint64 room = diskBytes - Sfdisk::FirstSector * 512;
    const qint64 slack = qMax<qint64>(room / 50, 0);
    SpaceCheck check;
    check.needed = fileBytes > std::numeric_limits<qint64>::max() - slack ? fileBytes : fileBytes + slack;
    check.fits = check.needed <= room;
    return check;
}

QString EffectiveFileSystem(const QString& chosen, qint64 volumeBytes, bool gpt)
{
    if (gpt)
        return QStringLiteral("FAT32");
    if (chosen == QLatin1String("FAT") && volumeBytes >= FourGiB)
        return QStringLiteral("FAT32");
    return chosen;
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

// --- Names and images ----------------------------------------------------------

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

QStringList NameClashes(const QList<ImageEntry>& entries)
{
    QStringList problems;
    QMap<QString, QStringList> byFolded;
    for (const ImageEntry& e : entries)
        byFolded[e.path.toCaseFolded()] << e.path;
    for (const QStringList& same : byFolded) {
        if (same.size() > 1)
            problems << same.join(QStringLiteral(", "));
    }
    static const QString refused = QStringLiteral("\"*:<>?\\|");
    for (const ImageEntry& e : entries) {
        const QString name = e.path.section(QLatin1Char('/'), -1);
        const bool bad =
            std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20 || refused.contains(c); });
        if (bad || name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
            problems << e.path;
    }
    return problems;
}

bool IsHybridImage(const QByteArray& head)
{
    if (head.size() >= 1024 && head.mid(512, 8) == "EFI PART")
        return true;
    if (head.size() < 512 || quint8(head.at(510)) != 0x55 || quint8(head.at(511)) != 0xaa)
        return false;
    // An entry with a type and a size; an ISO's system area is zeros otherwise.
    for (int i = 0; i < 4; ++i) {
        const int at = 446 + 16 * i;
        const quint8 type = quint8(head.at(at + 4));
        quint32 sectors = 0;
        for (int k = 3; k >= 0; --k)
            sectors = (sectors << 8) | quint8(head.at(at + 12 + k));
        if (type != 0 && sectors != 0)
            return true;
    }
    return false;
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

namespace {

// Double quotes keep blanks in a name; inside them GRUB still reads $ and
// backslash escapes, so those are escaped.
QString quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    text.replace(QLatin1Char('$'), QStringLiteral("\\$"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

struct SyslinuxEntry {
    QString label;
    QString title;
    QString kernel;
    QStringList append;
    QString initrd;
};

} // namespace

QString GrubConfig(const LoaderChoice& loader, int partition)
{
    QString cfg = QStringLiteral("set root=(hd0,msdos%1)\n").arg(partition);
    switch (loader.kind) {
    case BiosLoader::Bootmgr:
        cfg += QStringLiteral("ntldr %1\nboot\n").arg(quoted(loader.file));
        break;
    case BiosLoader::Syslinux:
        cfg += QStringLiteral("configfile %1\n").arg(quoted(QLatin1Char('/') + SyslinuxMenuPath));
        break;
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

QString SyslinuxMenu(const QString& cfgText, const QString& cfgPath)
{
    const QString folder = cfgPath.left(cfgPath.lastIndexOf(QLatin1Char('/')));
    auto resolve = [&folder](const QString& path) {
        return path.startsWith(QLatin1Char('/')) ? path : folder + QLatin1Char('/') + path;
    };
    QList<SyslinuxEntry> entries;
    SyslinuxEntry global; // KERNEL and APPEND before any LABEL: what isolinux boots by itself
    QString defaultLabel;
    int timeoutTenths = 0;
    for (const QString& raw : cfgText.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        const QString keyword = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty).toLower();
        const QString rest = line.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty).trimmed();
        SyslinuxEntry& entry = entries.isEmpty() ? global : entries.last();
        if (keyword == QLatin1String("label")) {
            entries.append(SyslinuxEntry {rest, rest, {}, {}, {}});
        } else if (keyword == QLatin1String("kernel") || keyword == QLatin1String("linux")) {
            entry.kernel = rest.section(QLatin1Char(' '), 0, 0);
            entry.append = rest.section(QLatin1Char(' '), 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        } else if (keyword == QLatin1String("append")) {
            entry.append += rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        } else if (keyword == QLatin1String("initrd")) {
            entry.initrd = rest;
        } else if (keyword == QLatin1String("menu") && rest.startsWith(QLatin1String("label "), Qt::CaseInsensitive)
            && !entries.isEmpty()) {
            entry.title = rest.mid(6).trimmed().remove(QLatin1Char('^'));
        } else if (keyword == QLatin1String("default")) {
            defaultLabel = rest;
        } else if (keyword == QLatin1String("timeout")) {
            timeoutTenths = rest.toInt();
        }
    }
    if (!global.kernel.isEmpty()) {
        global.title = global.kernel.section(QLatin1Char('/'), -1);
        entries.prepend(global);
    }

    QString menu;
    int count = 0;
    int defaultIndex = 0;
    for (SyslinuxEntry& e : entries) {
        // Modules (menus, chain loaders) and local boot have no GRUB kernel.
        if (e.kernel.isEmpty() || e.kernel.endsWith(QLatin1String(".c32"), Qt::CaseInsensitive))
            continue;
        QStringList args;
        for (const QString& arg : qAsConst(e.append)) {
            if (arg.startsWith(QLatin1String("initrd="), Qt::CaseInsensitive))
                e.initrd = arg.mid(7);
            else
                args << quoted(arg);
        }
        if (e.label.compare(defaultLabel, Qt::CaseInsensitive) == 0)
            defaultIndex = count;
        menu += QStringLiteral("menuentry %1 {\n  linux16 %2%3\n")
                    .arg(quoted(e.title), quoted(resolve(e.kernel)),
                        args.isEmpty() ? QString() : QLatin1Char(' ') + args.join(QLatin1Char(' ')));
        for (const QString& initrd : e.initrd.split(QLatin1Char(','), Qt::SkipEmptyParts))
            menu += QStringLiteral("  initrd16 %1\n").arg(quoted(resolve(initrd)));
        menu += QStringLiteral("  boot\n}\n");
        ++count;
    }
    menu +=
        QStringLiteral("menuentry \"isolinux menu\" {\n  syslinux_configfile --isolinux %1\n}\n").arg(quoted(cfgPath));
    // A menu of one boots at once, as isolinux does; a real choice waits a little.
    const int timeout = timeoutTenths > 0 ? (timeoutTenths + 9) / 10 : count > 1 ? 5 : 0;
    return QStringLiteral("set default=%1\nset timeout=%2\n").arg(defaultIndex).arg(timeout) + menu;
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
