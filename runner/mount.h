#pragma once

#include "runner/toolcommand.h"

#include <QString>
#include <QStringList>

// Mounting a stick's file system: the kernel's driver through mount, or a
// FUSE driver (fusefat, ntfs-3g, exfat-fuse) where the kernel has none.
namespace Mount {

// `owner` ("uid=1000,gid=1000", or empty) makes a privileged mount writable
// by that user.
ToolCommand MountCommand(const QString& fileSystem, const QString& device, const QString& mountPoint,
    const QString& kernelFileSystems, const QString& owner);
ToolCommand UnmountCommand(const QStringList& mountPoints);

// Whether the copy goes through fusefat, which writes ASCII names only and
// refuses to set file attributes.
bool UsesFuseFat(const QString& fileSystem, const QString& kernelFileSystems);

// The name under which fusefat shows a FAT volume label as a file of the
// root folder: its 8.3 form without blanks ("TEST LABEL" is "TESTLAB.EL").
QString FuseFatLabelEntry(const QString& label);

// Mount points of every file system whose source is one of the devices (by
// path or by "major:minor"), from /proc/self/mountinfo text; deepest first so
// they can be unmounted in that order.
QStringList MountPointsOf(const QString& mountinfo, const QStringList& devices, const QStringList& majorMinors);
// Whether the mount point is mounted from the device.
bool IsMountedFrom(const QString& mountinfo, const QString& mountPoint, const QString& device);

} // namespace Mount
