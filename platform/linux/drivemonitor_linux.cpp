#include "core/trace.h"
#include "platform/drivechange.h"

#include <QDebug>
#include <QFileInfo>
#include <QSocketNotifier>

#include <libudev.h>

struct CDriveMonitor::Private {
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    QSocketNotifier* notifier = nullptr;
};

CDriveMonitor::CDriveMonitor(QObject* parent)
    : QObject(parent)
    , d(new Private)
{
}

CDriveMonitor::~CDriveMonitor()
{
    delete d->notifier;
    if (d->monitor)
        udev_monitor_unref(d->monitor);
    if (d->context)
        udev_unref(d->context);
    delete d;
}

bool CDriveMonitor::isActive() const
{
    return d->notifier != nullptr;
}

bool CDriveMonitor::start()
{
    if (d->notifier)
        return true;
    // Without the udev daemon (a container, a minimal system) a monitor can be
    // created but never hears anything.
    if (!QFileInfo::exists(QStringLiteral("/run/udev/control"))) {
        qCDebug(lcTrace) << "CDriveMonitor: the udev daemon is not running, drive changes are not watched";
        return false;
    }
    d->context = udev_new();
    if (!d->context) {
        qCDebug(lcTrace) << "CDriveMonitor: no udev context, drive changes are not watched";
        return false;
    }
    d->monitor = udev_monitor_new_from_netlink(d->context, "udev");
    if (!d->monitor || udev_monitor_filter_add_match_subsystem_devtype(d->monitor, "block", nullptr) < 0
        || udev_monitor_enable_receiving(d->monitor) < 0) {
        qCDebug(lcTrace) << "CDriveMonitor: no udev monitor, drive changes are not watched";
        if (d->monitor)
            udev_monitor_unref(d->monitor);
        d->monitor = nullptr;
        udev_unref(d->context);
        d->context = nullptr;
        return false;
    }
    const int fd = udev_monitor_get_fd(d->monitor);
    d->notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    connect(d->notifier, &QSocketNotifier::activated, this, &CDriveMonitor::onReadable);
    return true;
}

void CDriveMonitor::onReadable()
{
    // One readable notification may carry several events; take all of them.
    while (udev_device* device = udev_monitor_receive_device(d->monitor)) {
        auto text = [](const char* value) {
            return value ? QString::fromUtf8(value) : QString();
        };
        DriveEvent event;
        event.action = text(udev_device_get_action(device));
        event.subsystem = text(udev_device_get_subsystem(device));
        event.devType = text(udev_device_get_devtype(device));
        event.fsUsage = text(udev_device_get_property_value(device, "ID_FS_USAGE"));
        event.mediaChange = text(udev_device_get_property_value(device, "DISK_MEDIA_CHANGE")) == "1";
        const QString node = text(udev_device_get_devnode(device));
        udev_device_unref(device);
        qCDebug(lcTrace) << "CDriveMonitor: device event" << event.action << node << event.devType << event.fsUsage;
        if (IsVolumeArrivalOrRemoval(event))
            emit sigdrivechange();
    }
}
