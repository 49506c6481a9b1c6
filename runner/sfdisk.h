#pragma once

#include "runner/toolcommand.h"

#include <QList>
#include <QString>

#include <optional>

// util-linux's sfdisk (partition tables) and wipefs (old signatures).
namespace Sfdisk {

// The one partition of a stick starts at 1 MiB: aligned for flash, and room
// for GRUB's core image behind the MBR.
constexpr qint64 FirstSector = 2048;
const QString EfiSystemType = QStringLiteral("C12A7328-F81F-11D2-BA4B-00A0C93EC93B");

enum class Style { Mbr, Gpt };

// MBR type byte: 0x0C (FAT32 LBA) for FAT32 and FAT, 0x07 for NTFS and exFAT.
QString MbrType(const QString& fileSystem);

// A new table on the whole disk with one partition from 1 MiB to the end:
// active with the file system's type (MBR), or an EFI System partition
// (GPT, protective MBR included). Old signatures go with the old table.
ToolCommand NewTableCommand(const QString& disk, Style style, const QString& fileSystem);
ToolCommand DumpCommand(const QString& disk);

struct Partition {
    QString node; // "/dev/sdb1"
    qint64 start = 0; // 512-byte sectors
    qint64 size = 0; // 512-byte sectors
    QString type; // "c", "7", a GUID (upper case)
    bool bootable = false;
};
struct Table {
    QString label; // "dos" or "gpt"
    QList<Partition> partitions;
};
// "sfdisk --json" text; nothing when it is no table.
std::optional<Table> ParseJson(const QByteArray& json);

} // namespace Sfdisk

namespace Wipefs {
// Every signature on each device (partitions first, then the disk).
ToolCommand WipeCommand(const QStringList& devices);
} // namespace Wipefs
