#pragma once

#include "runner/toolcommand.h"

#include <QString>

// The format and check tools of a stick's file systems: dosfstools,
// ntfs-3g, exfatprogs.
namespace Mkfs {

// Format command for a partition that starts at partitionStart (512-byte
// sectors, recorded in the boot sector); empty program for an unknown file
// system.
ToolCommand FormatCommand(
    const QString& fileSystem, const QString& label, const QString& device, qint64 partitionStart);

// Read-only check of a file system that is not mounted.
ToolCommand CheckCommand(const QString& fileSystem, const QString& device);

// What the file system refuses in a label ("too long", or the characters),
// in the user's words; empty when the formatter takes it as it is.
QString LabelProblem(const QString& fileSystem, const QString& label);

} // namespace Mkfs
