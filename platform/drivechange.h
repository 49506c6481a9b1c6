#pragma once

#include <QObject>
#include <QString>

// One device event as the system's device manager reports it (on Linux a
// udev uevent with a few of its properties).
struct DriveEvent {
    QString action; // "add", "remove", "change", "bind", ...
    QString subsystem; // "block", "usb", "scsi", ...
    QString devType; // "disk", "partition" for block devices
    QString fsUsage; // ID_FS_USAGE: "filesystem" when a volume is on it
    bool mediaChange = false; // DISK_MEDIA_CHANGE: media came or went in an existing drive
};

// True when the event is a volume (a disk or partition carrying a file system)
// that arrived or was removed. Media changes in an existing drive (a disc put
// into an optical drive), other devices and other actions do not count.
bool IsVolumeArrivalOrRemoval(const DriveEvent& event);

// Watches the system for volume arrivals and removals and emits
// sigdrivechange() once per volume. On Windows the main window's native event
// hook does this instead, and start() returns false.
class CDriveMonitor : public QObject {
    Q_OBJECT
public:
    explicit CDriveMonitor(QObject* parent = nullptr);
    ~CDriveMonitor() override;

    // False (with a trace) when the system offers no device events; the
    // program then simply runs without drive-change notification.
    bool start();
    bool isActive() const;

signals:
    void sigdrivechange();

private:
    void onReadable();

    struct Private;
    Private* d = nullptr;
};

// What the windows listen to for volume arrivals and removals, whoever
// detects them (the monitor here, the main window's event hook on Windows).
class DriveChangeSignal : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void sigdrivechange();
};
