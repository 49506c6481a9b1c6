#pragma once

#include "core/job.h"
#include "platform/drives.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// --- Removable volumes -----------------------------------------------------------

// "/dev/sdb1  KINGSTON  14.91 GB" ("E:\  KINGSTON  14.91 GB" on Windows);
// without a label "/dev/sdb1  14.91 GB".
QString VolumeItemText(const Platform::RemovableVolume& volume);

// The volume of that device as discovery lists it right now, or nothing.
// A burn refuses a device this does not find: it never writes to a disk the
// user could not have chosen from the list.
std::optional<Platform::RemovableVolume> FindRemovableVolume(const QString& device);

// --- Optical recorders -------------------------------------------------------------

// The optical drives with the answers of their identity queries, in order.
// Tests replace the probe (no drive answers ioctls in a fake tree).
using OpticalProbe = std::function<QList<Platform::OpticalDrive>()>;
QList<Platform::OpticalDrive> ProbeOpticalDrives();
void SetOpticalProbeForTest(OpticalProbe probe); // empty: the real drives

// The drive (device name, or Windows drive letter) whose SCSI address is the
// recorder address, or, for a drive that gave no address, whose product
// identification is part of the name (a blank identification matches every
// name). Empty when no drive matches.
QString GetCDRNoToDriver(const QString& address, const QString& name,
                         const QList<Platform::OpticalDrive>& drives);

// Empty, or the item text ("/dev/sr0: HL-DT-ST DVDRAM GH24NSD1 LG00") and the
// recorder address.
QStringList ParseScanbusLine(const QString& line, const QList<Platform::OpticalDrive>& drives);

// One bus scan with the recorder. Reports each recorder that sits in a drive
// of this system. Ends, always, when the tool ends or cannot start.
class ScanbusJob : public ToolJob
{
    Q_OBJECT
public:
    explicit ScanbusJob(QObject* parent = nullptr);

signals:
    void recorderFound(QString text, QString address);

protected:
    void handlePiece(const QString& piece) override;

private:
    // Drives are asked once per scan, when the first recorder line arrives.
    bool m_probed = false;
    QList<Platform::OpticalDrive> m_drives;
};
