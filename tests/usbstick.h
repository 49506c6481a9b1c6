#pragma once

#include "burn/usbburnjob.h"

#include <QMap>
#include <QString>
#include <QStringList>

// Loop devices standing in for USB sticks, and the bootable images the USB
// burn tests write to them.
namespace UsbTest {

// Why this machine cannot run the end-to-end USB tests; empty when it can.
QString cannotRun();

// What a stick holds before the burn.
enum class StartState {
    Blank, // zeros, no table
    MbrOne, // MBR, one partition (start 2048, type 83, not active)
    MbrTwo, // MBR, two partitions, the second active
    GptOne, // GPT, one Linux partition at 1 MiB
    Written, // a hybrid image written with dd (the image given)
};

// A file-backed loop device standing in for a whole stick. The destructor
// unmounts whatever is mounted from it and detaches it.
class LoopStick {
public:
    LoopStick(const QString& backingFile, qint64 megabytes, StartState state, const QString& writtenImage = {});
    // A blank stick, or one with one MBR partition.
    LoopStick(const QString& backingFile, qint64 megabytes, bool partitioned)
        : LoopStick(backingFile, megabytes, partitioned ? StartState::MbrOne : StartState::Blank)
    {
    }
    ~LoopStick();
    LoopStick(const LoopStick&) = delete;
    LoopStick& operator=(const LoopStick&) = delete;

    QString error() const { return m_error; }
    QString disk() const { return m_disk; } // /dev/loopN
    QString file() const { return m_file; }
    // The node of partition `number` as the kernel knows it now (made from
    // sysfs where nobody made it); empty when there is none.
    QString partition(int number) const;

private:
    QString m_file;
    QString m_disk;
    QString m_error;
};

// The default burn options, except that this stick counts as a listed USB
// disk (for the helper too) and the work goes to `tempFolder`. Every helper
// start adds one to `*helperStarts`.
UsbBurnJob::Options burnOptions(const LoopStick& stick, const QString& tempFolder, int* helperStarts = nullptr);

// "sfdisk --json" of a disk, read by sfdisk itself.
struct TableSeen {
    QString label; // "dos", "gpt", empty for none
    QList<qint64> starts;
    QStringList types;
    QList<bool> bootable;
};
TableSeen readTable(const QString& disk);
// blkid's word for a device: "TYPE", "LABEL", ...
QString blkid(const QString& device, const QString& tag);

// Mounts a volume read-only (kernel driver if present, else FUSE); false on failure.
bool mountReadOnly(const QString& fileSystem, const QString& device, const QString& folder);
void unmount(const QString& folder);

// Relative path -> size (-1 for folders) of everything below a folder.
QMap<QString, qint64> treeSizes(const QString& folder);
// Relative paths of the files whose content differs between two folders, and
// of the folders of `expected` that `actual` lacks.
QStringList differentFiles(const QString& expected, const QString& actual);

// A hybrid image tree: isolinux for BIOS, GRUB for UEFI (EFI/BOOT/BOOTX64.EFI
// and an El Torito EFI image), a GRUB configuration, nested data files. With
// loaderInTree false the UEFI loader is only inside the El Torito EFI image
// (and in folder + ".BOOTX64.EFI", to compare with).
bool makeLinuxTree(const QString& folder, qint64 dataBytes, bool loaderInTree = true);
QStringList linuxIsoArguments();
// The tree as a Rock Ridge-only (no Joliet) image with an isohybrid MBR, as
// images made to be written to a stick are (xorriso).
bool makeHybridIso(const QString& tree, const QString& image);
// A Windows-like tree: bootmgr, boot/etfsboot.com, sources/boot.wim and a
// real sources/install.wim captured from `wimSource`, padded to installBytes
// (sparse) when that is larger.
bool makeWindowsTree(const QString& folder, const QString& wimSource, qint64 installBytes);
QStringList windowsIsoArguments();

} // namespace UsbTest
