#include "platform/blockvolume.h"
#include "platform/shell.h"

#include <QObject>

namespace Platform {

std::optional<BlockVolume> describeBlockVolume(const QString& device, QString* why)
{
    // A drive letter and its colon; format and bootsect take it as it is.
    if (device.size() != 2 || !device.at(0).isLetter() || device.at(1) != QLatin1Char(':')) {
        *why = QObject::tr("%1 is not a drive.").arg(device);
        return std::nullopt;
    }
    BlockVolume volume;
    volume.device = volume.disk = device;
    volume.bytes = volumeCapacity(device + QLatin1Char('\\'));
    return volume;
}

QString mountTable()
{
    return QString(); // drive letters are mounted by Windows itself
}

bool runningPrivileged()
{
    return true; // format and bootsect run with the program's own rights
}

QStringList privilegedCommand(const QString& program, const QStringList& arguments)
{
    return QStringList {program} + arguments;
}

QString ownerMountOptions()
{
    return QString();
}

} // namespace Platform
