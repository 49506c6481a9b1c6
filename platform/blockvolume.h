#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace Platform {

// What the system says about the volume a USB burn writes to.
struct BlockVolume {
    QString device; // as chosen ("/dev/sdb1"; "E:" on Windows)
    QString disk; // its whole disk ("/dev/sdb"); the device itself when unpartitioned
    int partition = 0; // partition number; 0 for a whole disk
    qint64 start = 0; // first 512-byte sector of the partition on its disk
    qint64 bytes = 0; // size of the volume
    QString majorMinor; // "8:17", how mount tables name the device
};

// Nothing when the path is not a block device the system knows; `why` says so.
std::optional<BlockVolume> describeBlockVolume(const QString& device, QString* why);

// The system's table of mounted filesystems (Linux: /proc/self/mountinfo).
QString mountTable();

// Whether tools that write to devices can run directly.
bool runningPrivileged();

// The command line that runs a privileged tool: as it is when we are
// privileged, otherwise through polkit's pkexec.
QStringList privilegedCommand(const QString& program, const QStringList& arguments);

// "uid=...,gid=..." so a filesystem a privileged mount made can be written by
// us; empty when we are privileged.
QString ownerMountOptions();

} // namespace Platform
