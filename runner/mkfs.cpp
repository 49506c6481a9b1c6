#include "runner/mkfs.h"

#include <QCoreApplication>

namespace Mkfs {

ToolCommand FormatCommand(const QString& fileSystem, const QString& label, const QString& device, qint64 partitionStart)
{
    ToolCommand c;
    if (fileSystem == QLatin1String("FAT32") || fileSystem == QLatin1String("FAT")) {
        c.program = QStringLiteral("mkfs.vfat");
        c.arguments << QStringLiteral("-F")
                    << (fileSystem == QLatin1String("FAT") ? QStringLiteral("16") : QStringLiteral("32"));
        if (!label.isEmpty())
            c.arguments << QStringLiteral("-n") << label;
        c.arguments << QStringLiteral("-h") << QString::number(partitionStart);
    } else if (fileSystem == QLatin1String("NTFS")) {
        c.program = QStringLiteral("mkntfs");
        c.arguments << QStringLiteral("--quick");
        if (!label.isEmpty())
            c.arguments << QStringLiteral("-L") << label;
        // What a loader reading the boot sector expects; loop devices cannot tell.
        c.arguments << QStringLiteral("-p") << QString::number(partitionStart) << QStringLiteral("-H")
                    << QStringLiteral("255") << QStringLiteral("-S") << QStringLiteral("63");
    } else if (fileSystem == QLatin1String("exFAT")) {
        c.program = QStringLiteral("mkfs.exfat");
        if (!label.isEmpty())
            c.arguments << QStringLiteral("-L") << label;
    } else {
        return {};
    }
    c.arguments << device;
    return c;
}

ToolCommand CheckCommand(const QString& fileSystem, const QString& device)
{
    if (fileSystem == QLatin1String("NTFS"))
        return {QStringLiteral("ntfsfix"), {QStringLiteral("-n"), device}, {}};
    if (fileSystem == QLatin1String("exFAT"))
        return {QStringLiteral("fsck.exfat"), {QStringLiteral("-n"), device}, {}};
    return {QStringLiteral("fsck.vfat"), {QStringLiteral("-n"), device}, {}};
}

QString LabelProblem(const QString& fileSystem, const QString& label)
{
    const bool fat = fileSystem.startsWith(QLatin1String("FAT"));
    // mkfs.vfat: 11 bytes of the DOS code page; exFAT: 11 UTF-16 units; NTFS: 128.
    const int most = fileSystem == QLatin1String("NTFS") ? 128 : 11;
    if ((fat ? label.toLatin1().size() : label.size()) > most)
        return QCoreApplication::translate("Mkfs", "a %1 label holds at most %n characters", nullptr, most)
            .arg(fileSystem);
    const QString forbidden = fat ? QStringLiteral("\"*+,./:;<=>?[\\]|") : QStringLiteral("\"*/:<>?\\|");
    QString found;
    for (const QChar c : label) {
        const bool bad =
            c.unicode() < 0x20 || c.unicode() == 0x7f || forbidden.contains(c) || (fat && c.unicode() > 0x7e);
        if (bad && !found.contains(c))
            found += c;
    }
    if (found.isEmpty())
        return QString();
    return QCoreApplication::translate("Mkfs", "%1 does not allow these characters in a label: %2")
        .arg(fileSystem, found);
}

} // namespace Mkfs
