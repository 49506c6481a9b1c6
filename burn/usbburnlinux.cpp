// The stages of a USB burn that differ on Linux: Debian's format, mount and
// partition tools, GRUB as the BIOS boot code, and unmounting at the end.
#include "burn/usbburnjob.h"

#ifndef Q_OS_WIN

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

using UsbPlan::BiosLoader;
using Plan = UsbToolStep::Plan;

namespace {

Plan skipped()
{
    Plan plan;
    plan.skip = true;
    return plan;
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Room GRUB's core image needs between the MBR and the partition.
constexpr qint64 GrubGapSectors = 1024;

} // namespace

UsbPlan::Command UsbBurnJob::mountCommand() const
{
    return UsbPlan::MountCommand(
        m_fileSystem, m_volume.device, m_mountPoint, readText(QStringLiteral("/proc/filesystems")));
}

QString UsbBurnJob::checkPlatform() const
{
    // Every tool is there before anything is written.
    QStringList tools {QStringLiteral("umount"), mountCommand().program,
        UsbPlan::FormatCommand(m_fileSystem, QString(), m_volume.device, m_volume.start).program,
        UsbPlan::CheckCommand(m_fileSystem, m_volume.device).program};
    if (m_volume.partition > 0)
        tools << QStringLiteral("sfdisk");
    if (!m_request.gpt && m_loader.kind != BiosLoader::None)
        tools << QStringLiteral("grub-mkimage") << QStringLiteral("grub-bios-setup");
    for (const QString& tool : tools) {
        const QString missing = systemTool(tool, {}, false).failure;
        if (!missing.isEmpty())
            return missing + QLatin1Char(' ') + tr("Nothing was written.");
    }
    if (mountCommand().program != QLatin1String("fusefat"))
        return QString();
    const QString name = UsbPlan::NameFuseFatRefuses(m_entries);
    if (name.isEmpty())
        return QString();
    return tr("FAT on this system goes through fusefat, which cannot write the name \"%1\"; "
              "choose NTFS or exFAT. Nothing was written.")
        .arg(name);
}

Plan UsbBurnJob::touching(const Plan& plan)
{
    m_touched = m_touched || plan.failure.isEmpty();
    return plan;
}

void UsbBurnJob::decideBiosBoot()
{
    m_noBiosReason.clear();
    if (m_request.gpt)
        return;
    if (m_loader.kind == BiosLoader::None)
        m_noBiosReason = tr("the image has no loader a BIOS can start from a USB disk");
    else if (m_volume.partition == 0)
        m_noBiosReason = tr("the USB disk has no partition table to hold BIOS boot code");
    else if (!m_partition || m_partition->table != QLatin1String("dos"))
        m_noBiosReason = tr("BIOS boot code needs an MBR partition table");
    else if (m_volume.start < GrubGapSectors)
        m_noBiosReason = tr("the partition starts too close to the disk's start for BIOS boot code");
}

void UsbBurnJob::addDeviceStages()
{
    UsbToolStep* table = tool(
        tr("Reading the partition table"), tr("Reading the partition table..."),
        [this] {
            if (m_volume.partition == 0)
                return skipped();
            return systemTool(QStringLiteral("sfdisk"), {QStringLiteral("--json"), m_volume.disk}, true);
        },
        1);
    table->verdict = [this, table](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            return tr("sfdisk ended with exit status %1. %2")
                .arg(exitCode)
                .arg(UsbToolStep::lastLines(table->output()));
        m_partition = UsbPlan::ParsePartitionTable(table->output().toUtf8(), m_volume.start);
        if (!m_partition)
            return tr("The partition table of %1 does not list %2.").arg(m_volume.disk, m_volume.device);
        return QString();
    };
    connect(table, &Job::finished, this, [this](Job::Status status) {
        if (status == Job::Status::Succeeded)
            decideBiosBoot();
    });

    tool(
        tr("Unmounting the USB disk"), tr("Unmounting the USB disk..."),
        [this] {
            const QStringList points =
                UsbPlan::MountPointsOf(Platform::mountTable(), m_volume.device, m_volume.majorMinor);
            if (points.isEmpty())
                return skipped();
            return systemTool(QStringLiteral("umount"), points, true);
        },
        1);

    // Firmware and boot code go by the type and the active flag, not by what was formatted.
    tool(
        tr("Setting the partition type"), tr("Setting the partition type..."),
        [this] {
            if (!m_partition)
                return skipped();
            const QString type = UsbPlan::PartitionType(m_fileSystem, m_partition->table == QLatin1String("gpt"));
            if (m_partition->type.compare(type, Qt::CaseInsensitive) == 0)
                return skipped();
            return touching(systemTool(QStringLiteral("sfdisk"),
                {QStringLiteral("--no-reread"), QStringLiteral("--no-tell-kernel"), QStringLiteral("--part-type"),
                    m_volume.disk, QString::number(m_volume.partition), type},
                true));
        },
        1);
    tool(
        tr("Marking the partition active"), tr("Setting the partition type..."),
        [this] {
            if (!m_partition || m_partition->table != QLatin1String("dos") || m_request.gpt
                || (m_partition->bootable && !m_partition->othersBootable))
                return skipped();
            return touching(systemTool(QStringLiteral("sfdisk"),
                {QStringLiteral("--no-reread"), QStringLiteral("--no-tell-kernel"), QStringLiteral("--activate"),
                    m_volume.disk, QString::number(m_volume.partition)},
                true));
        },
        1);

    tool(
        tr("Formatting the USB disk"), tr("The USB disk is under formating..."),
        [this] {
            const UsbPlan::Command format =
                UsbPlan::FormatCommand(m_fileSystem, m_request.label, m_volume.device, m_volume.start);
            return touching(systemTool(format.program, format.arguments, true));
        },
        4);

    UsbToolStep* mount = tool(
        tr("Mounting the USB disk"), tr("Mounting the USB disk..."),
        [this] {
            m_mountPoint = QDir(m_tempFolder).absoluteFilePath(QStringLiteral("stick"));
            if (!QDir().mkpath(m_mountPoint)) {
                Plan plan;
                plan.failure = tr("Cannot create the folder %1.").arg(m_mountPoint);
                return plan;
            }
            m_mountPoint = QFileInfo(m_mountPoint).canonicalFilePath(); // as the mount table writes it
            UsbPlan::Command mount = mountCommand();
            const QString owner = Platform::ownerMountOptions();
            if (!owner.isEmpty()) { // a mount made through pkexec, written to by us
                const int at = mount.arguments.indexOf(QStringLiteral("-o"));
                if (at >= 0)
                    mount.arguments[at + 1] += QStringLiteral(",allow_other");
                else
                    mount.arguments = QStringList {QStringLiteral("-o"), owner} + mount.arguments;
            }
            return systemTool(mount.program, mount.arguments, true);
        },
        1);
    mount->verdict = [this, mount](int exitCode, QProcess::ExitStatus status) {
        m_mounted = UsbPlan::IsMountedFrom(Platform::mountTable(), m_mountPoint, m_volume.device);
        if (m_mounted && status == QProcess::NormalExit && exitCode == 0)
            return QString();
        return tr("The new file system could not be mounted (exit status %1). %2")
            .arg(exitCode)
            .arg(UsbToolStep::lastLines(mount->output()));
    };

    // BIOS boot code: GRUB's core image, with the hand-over to the image's own
    // loader built in, embedded behind the MBR; its files only pass through
    // a folder of ours on the stick while grub-bios-setup reads them.
    const QString installing = tr("The USB disk is installing bootsect...");
    step(
        tr("Preparing the boot code"), [this] { return prepareGrub(); }, 1);
    tool(
        tr("Building the boot code"), installing,
        [this] {
            if (m_grubFolder.isEmpty())
                return skipped();
            const QString modules = QFileInfo(m_options.toolPath(QStringLiteral("grub-bios-setup"))).path();
            return systemTool(QStringLiteral("grub-mkimage"),
                QStringList {QStringLiteral("-O"), QStringLiteral("i386-pc"), QStringLiteral("-d"), modules,
                    QStringLiteral("-o"), m_grubFolder + QStringLiteral("/core.img"), QStringLiteral("-p"),
                    QStringLiteral("(,msdos%1)/boot/grub").arg(m_volume.partition), QStringLiteral("-c"),
                    m_tempFolder + QStringLiteral("/grub-early.cfg")}
                    + UsbPlan::GrubModules(),
                false);
        },
        1);
    UsbToolStep* setup = tool(
        tr("Installing the boot code"), installing,
        [this] {
            if (m_grubFolder.isEmpty())
                return skipped();
            return systemTool(QStringLiteral("grub-bios-setup"),
                {QStringLiteral("--skip-fs-probe"), QStringLiteral("-d"), m_grubFolder, QStringLiteral("-m"),
                    m_tempFolder + QStringLiteral("/device.map"), m_volume.disk},
                true);
        },
        1);
    connect(setup, &Job::finished, this, [this](Job::Status status) {
        m_biosInstalled = status == Job::Status::Succeeded && !m_grubFolder.isEmpty();
        if (!m_grubFolder.isEmpty())
            QDir(m_grubFolder).removeRecursively();
    });
}

QString UsbBurnJob::prepareGrub()
{
    m_grubFolder.clear();
    if (m_request.gpt || !m_noBiosReason.isEmpty())
        return QString();
    const QString modules = QFileInfo(m_options.toolPath(QStringLiteral("grub-bios-setup"))).path();
    if (modules.isEmpty() || modules == QLatin1String("."))
        return tr("grub-bios-setup is missing (install the package grub-pc-bin).");
    const QString folder = m_mountPoint + QStringLiteral("/.bios-setup");
    QFile early(m_tempFolder + QStringLiteral("/grub-early.cfg"));
    QFile map(m_tempFolder + QStringLiteral("/device.map"));
    if (!QDir().mkpath(folder)
        || !QFile::copy(modules + QStringLiteral("/boot.img"), folder + QStringLiteral("/boot.img"))
        || !early.open(QIODevice::WriteOnly) || !map.open(QIODevice::WriteOnly))
        return tr("Cannot write the boot code's files to the USB disk.");
    early.write(UsbPlan::GrubConfig(m_loader, m_volume.partition).toUtf8());
    // The stick is the first BIOS disk when it boots.
    map.write(QStringLiteral("(hd0) %1\n").arg(m_volume.disk).toUtf8());
    m_grubFolder = folder;
    return QString();
}

void UsbBurnJob::addFinalStages()
{
    UsbToolStep* unmount = tool(
        tr("Unmounting the USB disk"), tr("Writing the last data to the USB disk..."),
        [this] { return systemTool(QStringLiteral("umount"), {m_mountPoint}, true); }, 2);
    unmount->verdict = [this](int exitCode, QProcess::ExitStatus) {
        m_mounted = UsbPlan::IsMountedFrom(Platform::mountTable(), m_mountPoint, m_volume.device);
        if (m_mounted)
            return tr("The USB disk could not be unmounted (exit status %1).").arg(exitCode);
        return QString();
    };
    UsbToolStep* fsck = tool(
        tr("Checking the file system"), tr("Checking the USB disk..."),
        [this] {
            const UsbPlan::Command check = UsbPlan::CheckCommand(m_fileSystem, m_volume.device);
            return systemTool(check.program, check.arguments, true);
        },
        2);
    fsck->verdict = [fsck](int exitCode, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && exitCode == 0)
            return QString();
        return tr("The file system on the USB disk is not clean: %1").arg(UsbToolStep::lastLines(fsck->output()));
    };
}

void UsbBurnJob::cleanUpStick()
{
    // A stop while the mount tool ran may have left it mounted all the same.
    if (!m_mountPoint.isEmpty())
        m_mounted = UsbPlan::IsMountedFrom(Platform::mountTable(), m_mountPoint, m_volume.device);
    if (m_mounted) {
        if (!m_grubFolder.isEmpty())
            QDir(m_grubFolder).removeRecursively();
        const QString umount = QStringLiteral("umount");
        const QStringList command =
            m_options.elevate ? m_options.elevate(umount, {m_mountPoint}) : QStringList {umount, m_mountPoint};
        QProcess::execute(command.first(), command.mid(1));
        m_mounted = UsbPlan::IsMountedFrom(Platform::mountTable(), m_mountPoint, m_volume.device);
    }
    if (!m_mounted && !m_mountPoint.isEmpty())
        QDir().rmdir(m_mountPoint); // only ever an empty folder: never below a mount
}

#endif
