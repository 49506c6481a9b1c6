#pragma once

#include "platform/drives.h"
#include "runner/tooljob.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// --- USB disks -------------------------------------------------------------------

// "/dev/sdb  SanDisk Cruzer Blade  14.91 GB  [DEBIAN, EFI]": device, vendor and
// model, size, the labels of its volumes; parts it does not know left out.
QString DiskItemText(const Platform::UsbDisk& disk);

// Where a window finds the drives: the system, or a fake tree below `root`
// with optical drives that answer from a list (no drive answers ioctls there).
struct DriveAccess {
    using OpticalProbe = std::function<QList<Platform::OpticalDrive>()>;

    QString root = QStringLiteral("/");
    OpticalProbe probe; // empty: the drives below root are asked

    QList<Platform::UsbDisk> UsbDisks() const;
    // The disk of that device as discovery lists it right now, or nothing.
    // A burn refuses a device this does not find: it never writes to a disk
    // the user could not have chosen from the list.
    std::optional<Platform::UsbDisk> FindUsbDisk(const QString& device) const;
    // The optical drives with the answers of their identity queries, in order.
    QList<Platform::OpticalDrive> OpticalDrives() const;
};

// --- Optical recorders -------------------------------------------------------------

// The drive (device name, or Windows drive letter) whose SCSI address is the
// recorder address, or, for a drive that gave no address, whose product
// identification is part of the name (a blank identification matches every
// name). Empty when no drive matches.
QString GetCDRNoToDriver(const QString& address, const QString& name, const QList<Platform::OpticalDrive>& drives);

// Empty, or the item text ("/dev/sr0: HL-DT-ST DVDRAM GH24NSD1 LG00") and the
// recorder address.
QStringList ParseScanbusLine(const QString& line, const QList<Platform::OpticalDrive>& drives);

// One bus scan with the recorder. Reports each recorder that sits in a drive
// of this system. Ends, always, when the tool ends or cannot start.
class ScanbusJob : public ToolJob {
    Q_OBJECT
public:
    ScanbusJob(const QString& recorder, const DriveAccess& drives, QObject* parent = nullptr);

    static constexpr int ScanLimitMs = 30000;

signals:
    void recorderFound(QString text, QString address);

protected:
    void handlePiece(const QString& piece) override;

private:
    // Drives are asked once per scan, when the first recorder line arrives.
    DriveAccess m_access;
    bool m_probed = false;
    QList<Platform::OpticalDrive> m_drives;
};
