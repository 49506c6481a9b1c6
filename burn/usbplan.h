#pragma once

#include "runner/sevenzip.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The decisions of a USB burn, as pure functions of what the image, the
// volume and the system say. The job (usbburnjob.h) runs them.
namespace UsbPlan {

constexpr qint64 FourGiB = Q_INT64_C(4294967296);
constexpr int SplitPartMiB = 3800;

// One entry of an image, from the archive tool's technical listing.
using ImageEntry = ListedItem;

// The install image, sources/install.wim in any case; nothing when absent.
std::optional<ImageEntry> InstallImage(const QList<ImageEntry>& entries);
// FAT32 cannot hold a file of 4 GiB or more: such an install image is split.
inline bool IsLargeInstallImage(qint64 size)
{
    return size >= FourGiB;
}

// Bytes the files take on the stick, each rounded up to a cluster of
// clusterBytes, folders one cluster each; the largest qint64 when that
// does not fit one.
qint64 SpaceNeeded(const QList<ImageEntry>& entries, qint64 clusterBytes);

// --- File system and format -----------------------------------------------------

// What is really formatted: FAT32 in GPT mode whatever the list shows; FAT
// (FAT16) cannot address 4 GiB or more, so FAT32 from there on.
QString EffectiveFileSystem(const QString& chosen, qint64 volumeBytes, bool gpt);

struct Command {
    QString program;
    QStringList arguments;
};

// Format command for a Linux volume; partitionStart (512-byte sectors) is
// recorded in the boot sector of a partition (0 for a whole disk). Empty
// program for an unknown file system.
Command FormatCommand(const QString& fileSystem, const QString& label, const QString& device, qint64 partitionStart);

// MBR partition type byte for a file system ("c" FAT32 LBA, "e" FAT16 LBA,
// "7" NTFS/exFAT); GPT tables get Microsoft basic data.
QString PartitionType(const QString& fileSystem, bool gptTable);

// The volume's entry in its disk's partition table, from "sfdisk --json".
struct PartitionEntry {
    QString table; // "dos" or "gpt"
    QString type; // "c", "7", a GUID ...
    bool bootable = false; // the MBR active flag
    bool othersBootable = false;
};
// Nothing when the text is no table or no partition starts at `start`.
std::optional<PartitionEntry> ParsePartitionTable(const QByteArray& json, qint64 start);

// A label the Windows command interpreter would read as syntax ("&|<>^\"%"):
// the offending characters, empty when the label is safe.
QString UnsafeLabelCharacters(const QString& label);

// --- Mounting ---------------------------------------------------------------------

// Mount points of every filesystem whose source is the device (by path or by
// its "major:minor" numbers), from /proc/self/mountinfo text; deepest first so
// they can be unmounted in that order.
QStringList MountPointsOf(const QString& mountinfo, const QString& device, const QString& majorMinor);
// Whether the mount point is mounted from the device.
bool IsMountedFrom(const QString& mountinfo, const QString& mountPoint, const QString& device);

// The kernel's driver where /proc/filesystems lists it, else its FUSE driver
// as a block-device mount (synchronous unmount, device named as the source).
Command MountCommand(
    const QString& fileSystem, const QString& device, const QString& mountPoint, const QString& kernelFileSystems);

// The first name the FUSE FAT driver (fusefat) would refuse: it writes ASCII
// names only. Empty when every name is fine.
QString NameFuseFatRefuses(const QList<ImageEntry>& entries);

// Read-only check of a filesystem that is not mounted.
Command CheckCommand(const QString& fileSystem, const QString& device);

// --- Boot code -------------------------------------------------------------------

enum class BiosLoader { None, Bootmgr, Syslinux, Grub };

struct LoaderChoice {
    BiosLoader kind = BiosLoader::None;
    QString file; // path on the stick: "/bootmgr", "/isolinux/isolinux.cfg", ...
};

// The image's own loader a BIOS can start through GRUB: bootmgr first (a
// Windows image), then an isolinux/syslinux configuration (the BIOS path of
// hybrid images), then a GRUB configuration.
LoaderChoice ChooseBiosLoader(const QList<ImageEntry>& entries);
// Whether UEFI firmware finds a loader: EFI/BOOT/BOOTX64.EFI, any case.
bool HasUefiLoader(const QList<ImageEntry>& entries);

// GRUB's embedded configuration: hand over to the image's loader on the
// partition the BIOS booted from.
QString GrubConfig(const LoaderChoice& loader, int partition);
// Modules built into core.img: no module folder is needed on the stick.
QStringList GrubModules();

// --- Check ---------------------------------------------------------------------

// The first part of a split install image: "sources/install.swm" beside it.
QString SplitTarget(const QString& installImage);

// Paths of image files that are missing on the stick or have another size.
// `present` gives the size of a path on the stick (-1 missing). The split
// install image (its path in the image, empty for none) counts as present
// when its first part is; the parts themselves are checked by the splitter.
QStringList MissingOrDifferent(
    const QList<ImageEntry>& entries, const QString& splitImage, const std::function<qint64(const QString&)>& present);

} // namespace UsbPlan
