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

// Whether files taking `fileBytes` (SpaceNeeded) fit a stick of `diskBytes`:
// the partition starts at 1 MiB, and the file system's own tables take up to
// a fiftieth of it. `needed` counts that share too.
struct SpaceCheck {
    qint64 needed = 0;
    bool fits = false;
};
SpaceCheck CheckSpace(qint64 fileBytes, qint64 diskBytes);

// --- File system and format -----------------------------------------------------

// What is really formatted: FAT32 in GPT mode whatever the list shows; FAT
// (FAT16) cannot address 4 GiB or more, so FAT32 from there on.
QString EffectiveFileSystem(const QString& chosen, qint64 volumeBytes, bool gpt);

// A label the Windows command interpreter would read as syntax ("&|<>^\"%"):
// the offending characters, empty when the label is safe.
QString UnsafeLabelCharacters(const QString& label);

// --- Names and images ----------------------------------------------------------

// The first name the FUSE FAT driver (fusefat) would refuse: it writes ASCII
// names only. Empty when every name is fine.
QString NameFuseFatRefuses(const QList<ImageEntry>& entries);

// Names FAT, NTFS (as Windows reads it) and exFAT cannot hold apart: paths
// that differ only in case, one line per group ("a/readme.txt, a/README.TXT"),
// and paths with characters those file systems refuse. Empty when all fit.
QStringList NameClashes(const QList<ImageEntry>& entries);

// Whether the image's first sectors hold a partition table with partitions
// (an MBR with an entry, or a GPT header), as images made to be written to a
// stick whole do. `head` is at least the first 1024 bytes.
bool IsHybridImage(const QByteArray& head);

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

// Where the stick keeps the GRUB menu made from an isolinux configuration.
const QString SyslinuxMenuPath = QStringLiteral("boot/quillon/grub.cfg");

// GRUB's embedded configuration: hand over to the image's loader on the
// partition the BIOS booted from (for isolinux, to the menu made from it).
QString GrubConfig(const LoaderChoice& loader, int partition);

// A GRUB menu that boots what an isolinux configuration boots: an entry per
// kernel (each ending in boot), its default, a timeout, and the isolinux
// menu itself as the last entry. `cfgPath` ("/isolinux/isolinux.cfg") is
// where relative kernel paths start.
QString SyslinuxMenu(const QString& cfgText, const QString& cfgPath);
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
