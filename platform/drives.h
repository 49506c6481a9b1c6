#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the system knows about the drives a burn or a disc copy may use.
namespace Platform {

// A volume (a file system) on a disk the system calls removable.
struct RemovableVolume {
    QString device; // "/dev/sdb1" on Linux, "E:" on Windows
    QString label; // may be empty
    qint64 size = 0; // bytes
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

// Volumes on removable disks, in device order. Never a fixed disk, the disk
// holding "/", "/boot", "/home" or swap, an optical drive, nor a loop, RAM,
// zram or device-mapper device.
QList<RemovableVolume> removableVolumes(const QString& root = QStringLiteral("/"));

// Device names of the optical drives, in order ("/dev/sr0", "/dev/sr1").
QStringList opticalDevices(const QString& root = QStringLiteral("/"));

// Asks the drive for its SCSI address and, when that fails, for its
// INQUIRY product identification (a few seconds at most).
OpticalDrive queryOpticalDrive(const QString& device, const QString& root = QStringLiteral("/"));

} // namespace Platform
