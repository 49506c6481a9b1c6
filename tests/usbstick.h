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

// A file-backed loop device: a whole disk, or one holding an MBR table with
// one partition (start 2048, type 83, not active). The destructor unmounts
// whatever is mounted from it and detaches it.
class LoopStick {
public:
    LoopStick(const QString& backingFile, qint64 megabytes, bool partitioned);
    ~LoopStick();
    LoopStick(const LoopStick&) = delete;
    LoopStick& operator=(const LoopStick&) = delete;

    QString error() const { return m_error; }
    QString disk() const { return m_disk; } // /dev/loopN
    QString volume() const { return m_volume; } // /dev/loopNp1, or the disk
    QString file() const { return m_file; }

private:
    QString m_file;
    QString m_disk;
    QString m_volume;
    QString m_error;
};

// The default burn options, except that this stick counts as a listed
// removable volume and the work goes to `tempFolder`.
UsbBurnJob::Options burnOptions(const LoopStick& stick, const QString& tempFolder);

// Mounts a volume read-only (kernel driver if present, else FUSE); false on failure.
bool mountReadOnly(const QString& fileSystem, const QString& device, const QString& folder);
void unmount(const QString& folder);

// Relative path -> size (-1 for folders) of everything below a folder.
QMap<QString, qint64> treeSizes(const QString& folder);
// Relative paths of the files whose content differs between two folders, and
// of the folders of `expected` that `actual` lacks.
QStringList differentFiles(const QString& expected, const QString& actual);

// A hybrid image tree: isolinux for BIOS, GRUB for UEFI (EFI/BOOT/BOOTX64.EFI
// and an El Torito EFI image), a GRUB configuration, nested data files.
bool makeLinuxTree(const QString& folder, qint64 dataBytes);
QStringList linuxIsoArguments();
// A Windows-like tree: bootmgr, boot/etfsboot.com, sources/boot.wim and a
// real sources/install.wim captured from `wimSource`, padded to installBytes
// (sparse) when that is larger.
bool makeWindowsTree(const QString& folder, const QString& wimSource, qint64 installBytes);
QStringList windowsIsoArguments();

} // namespace UsbTest
