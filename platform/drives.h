#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the system knows about the drives a burn or a disc copy may use.
namespace Platform {

// A whole USB disk (or a disk the system calls removable), whatever it holds:
// nothing, one or several partitions, a written hybrid image.
struct UsbDisk {
    QString device; // "/dev/sdb" on Linux, "E:" on Windows
    QString vendor; // may be empty
    QString model; // may be empty
    qint64 size = 0; // bytes
    QStringList labels; // of its volumes, in device order; may be empty
};

// One optical drive and the answers of its two identity queries.
struct OpticalDrive {
    QString device; // "/dev/sr0" on Linux, "E" on Windows
    bool hasAddress = false; // the SCSI address query answered
    int bus = 0; // host (port) number
    int target = 0;
    int lun = 0;
    bool hasProduct = false; // the INQUIRY answered
    QString product; // product identification, INQUIRY bytes 16 to 31
};

// Discovery reads the system below `root`: "/", or a fake tree (sys/block,
// proc/mounts, proc/swaps, run/udev/data, dev/disk/by-label).

// Whole disks that are removable or sit on USB, in device order. Never a disk
// holding "/", "/boot", "/home" or swap, one udev marks as a system disk
// (UDISKS_SYSTEM, where udisks2 gets its hint) or hides (UDISKS_IGNORE), an
// optical drive, a disk without a medium, nor a loop, RAM, zram or
// device-mapper device.
QList<UsbDisk> usbDisks(const QString& root = QStringLiteral("/"));

// Device names of the optical drives, in order ("/dev/sr0", "/dev/sr1").
QStringList opticalDevices(const QString& root = QStringLiteral("/"));

// Asks the drive for its SCSI address and, when that fails, for its
// INQUIRY product identification (a few seconds at most).
OpticalDrive queryOpticalDrive(const QString& device, const QString& root = QStringLiteral("/"));

} // namespace Platform
