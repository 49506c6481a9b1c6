#include "burn/drivediscovery.h"

#include "core/util.h"
#include "image/fileutils.h"
#include "runner/recorder.h"

#include <QDir>
#include <QRegExp>

// --- USB disks -------------------------------------------------------------------

QString DiskItemText(const Platform::UsbDisk& disk)
{
    QStringList parts {QDir::toNativeSeparators(disk.device)};
#ifdef Q_OS_WIN
    parts.first() += QLatin1Char('\\');
#endif
    QString name = disk.vendor.simplified();
    const QString model = disk.model.simplified();
    // Some sticks repeat the vendor in the model.
    if (!model.isEmpty() && !model.startsWith(name, Qt::CaseInsensitive))
        name = (name + QLatin1Char(' ') + model).trimmed();
    else if (!model.isEmpty())
        name = model;
    if (!name.isEmpty())
        parts << name;
    parts << FormatSize(disk.size);
    if (!disk.labels.isEmpty())
        parts << QLatin1Char('[') + disk.labels.join(QStringLiteral(", ")) + QLatin1Char(']');
    return parts.join(QStringLiteral("  "));
}

QList<Platform::UsbDisk> DriveAccess::UsbDisks() const
{
    return Platform::usbDisks(root);
}

std::optional<Platform::UsbDisk> DriveAccess::FindUsbDisk(const QString& device) const
{
    for (const Platform::UsbDisk& disk : UsbDisks()) {
        if (disk.device == device)
            return disk;
    }
    return std::nullopt;
}

QList<Platform::OpticalDrive> DriveAccess::OpticalDrives() const
{
    if (probe)
        return probe();
    QList<Platform::OpticalDrive> drives;
    for (const QString& device : Platform::opticalDevices(root))
        drives << Platform::queryOpticalDrive(device, root);
    return drives;
}

// --- Optical recorders -------------------------------------------------------------

// Lower case, each pair of blanks made one (a single pass), trimmed.
static QString normalizedName(const QString& text)
{
    return text.toLower().replace(QLatin1String("  "), QLatin1String(" ")).trimmed();
}

QString GetCDRNoToDriver(const QString& address, const QString& name, const QList<Platform::OpticalDrive>& drives)
{
    Util::WriteLog(
        QStringLiteral("CBurnDialog::GetCDRNoToDriver for windows entry") + address + QStringLiteral(",name:") + name);
    const QStringList parts = address.split(QLatin1Char(','));
    if (parts.size() != 3) {
        Util::WriteLog(QStringLiteral("GetCDRNoToDriver not valid") + address);
        return QString();
    }
    const int bus = parts[0].toInt();
    const int target = parts[1].toInt();
    const int lun = parts[2].toInt();
    for (const Platform::OpticalDrive& drive : drives) {
        if (drive.hasAddress) {
            Util::WriteLog(
                QStringLiteral("GetCDRNoToDriver info:%1 %2 %3").arg(drive.bus).arg(drive.target).arg(drive.lun));
            if (drive.bus == bus && drive.target == target && drive.lun == lun)
                return drive.device;
            continue;
        }
        if (!drive.hasProduct) {
            Util::WriteLog(QStringLiteral("carry_cdb carry_cdb returns error:") + drive.device);
            continue;
        }
        const QString product = normalizedName(drive.product);
        const QString wanted = normalizedName(name);
        Util::WriteLog(QStringLiteral("carry_cdb DeviceIoControl returns :") + product + QLatin1Char(',') + wanted);
        if (wanted.contains(product))
            return drive.device;
    }
    return QString();
}

QStringList ParseScanbusLine(const QString& line, const QList<Platform::OpticalDrive>& drives)
{
    const std::optional<ScanbusFields> fields = ParseScanbusFields(line);
    if (!fields)
        return {};
    const QString drive = GetCDRNoToDriver(fields->address, fields->name, drives);
    if (drive.isEmpty()) {
        Util::WriteLog(line + QStringLiteral("GetCDRNoToDriver return null"));
        return {};
    }
    return {drive + QStringLiteral(": ") + fields->name, fields->address};
}

ScanbusJob::ScanbusJob(const QString& recorder, const DriveAccess& drives, QObject* parent)
    : ToolJob(parent)
    , m_access(drives)
{
    setCommand(recorder, Tools::scanBusArgs());
    // A recorder hung on a drive would keep the pages from ever listing one.
    setTimeLimit(ScanLimitMs,
        tr("The disc recorder did not finish looking for drives within %1 seconds; no disc drive is listed.")
            .arg(ScanLimitMs / 1000));
}

void ScanbusJob::handlePiece(const QString& piece)
{
    // Only a line that can be a recorder's is worth asking the drives for.
    if (!m_probed && piece.contains(QLatin1Char('\t')) && piece.contains(QLatin1Char('\''))) {
        m_probed = true;
        m_drives = m_access.OpticalDrives();
    }
    const QStringList item = ParseScanbusLine(piece, m_drives);
    if (item.size() == 2)
        emit recorderFound(item[0], item[1]);
}
