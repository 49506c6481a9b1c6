#include "platform/drivechange.h"

bool IsVolumeArrivalOrRemoval(const DriveEvent& event)
{
    if (event.subsystem != QLatin1String("block"))
        return false;
    if (event.action != QLatin1String("add") && event.action != QLatin1String("remove"))
        return false;
    if (event.mediaChange)
        return false;
    if (event.devType != QLatin1String("disk") && event.devType != QLatin1String("partition"))
        return false;
    // A stick shows up as a disk and a partition; only the one with the file
    // system is a volume, so one stick gives one notification.
    return event.fsUsage == QLatin1String("filesystem");
}
