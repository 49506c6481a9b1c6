// The stages of a USB burn that differ on Linux: the helper for everything
// privileged (table, format, mount, boot code, raw write), Debian's tools for
// the rest, GRUB as the BIOS boot code.
#include "burn/usbburnjob.h"

#ifndef Q_OS_WIN

#include "burn/usbhelperclient.h"
#include "runner/mount.h"
#include "runner/mtools.h"
#include "runner/sevenziphash.h"
#include "runner/sfdisk.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

using UsbPlan::BiosLoader;
using Plan = UsbToolStep::Plan;
using Request = UsbHelperStep::Request;

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

// Makes the folder (relative to root) and its missing parents; the ones it
// made join `made`, so the check can leave them out.
bool makeFolders(const QString& root, const QString& relative, QStringList& made)
{
    QString path;
    for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += (path.isEmpty() ? QString() : QStringLiteral("/")) + part;
        if (QFileInfo(root + QLatin1Char('/') + path).isDir())
            continue;
        if (!QDir().mkdir(root + QLatin1Char('/') + path))
            return false;
        made << path;
    }
    return true;
}

} // namespace

QString UsbBurnJob::kernelFileSystems() const
{
    return readText(QStringLiteral("/proc/filesystems"));
}

QString UsbBurnJob::checkPlatform() const
{
    // Every tool of ours is there before anything is written; the helper checks its own.
    QStringList tools;
    if (!m_efiImage.isEmpty())
        tools << QStringLiteral("mcopy");
    if (!m_request.gpt() && m_loader.kind != BiosLoader::None)
        tools << QStringLiteral("grub-mkimage") << QStringLiteral("grub-bios-setup");
    for (const QString& tool : tools) {
        const QString missing = systemTool(tool, {}).failure;
        if (!missing.isEmpty())
            return missing + QLatin1Char(' ') + tr("Nothing was written.");
    }
    if (!Mount::UsesFuseFat(m_fileSystem, kernelFileSystems()))
        return QString();
    const QString name = UsbPlan::NameFuseFatRefuses(m_entries);
    if (name.isEmpty())
        return QString();
    return tr("FAT on this system goes through fusefat, which cannot write the name \"%1\"; "
              "choose NTFS or exFAT. Nothing was written.")
        .arg(name);
}

void UsbBurnJob::addHelperStart()
{
    add(new UsbHelperStartStep(m_helper,
            [this] {
                return m_options.helperCommand ? m_options.helperCommand(m_volume.device)
                                               : defaultHelperCommand(m_volume.device, false);
            }),
        1);
}

UsbHelperStep* UsbBurnJob::helper(
    const QString& name, const QString& stageText, std::function<QStringList()> request, int weight, bool touches)
{
    auto* job = new UsbHelperStep(name, stageText, m_helper, [this, request, touches] {
        Request r;
        r.fields = request();
        r.skip = r.fields.isEmpty();
        if (touches && !r.skip)
            m_touched = true;
        return r;
    });
    add(job, weight);
    return job;
}

void UsbBurnJob::addDeviceStages()
{
    addHelperStart();
    helper(
        tr("Unmounting the USB disk"), tr("Unmounting the USB disk..."),
        [] { return QStringList {QStringLiteral("unmount")}; }, 1, false);
    helper(
        tr("Erasing the USB disk"), tr("The USB disk is under formating..."),
        [] { return QStringList {QStringLiteral("wipe")}; }, 1);
    UsbHelperStep* table = helper(
        tr("Writing the partition table"), tr("The USB disk is under formating..."),
        [this] {
            return QStringList {QStringLiteral("partition"),
                m_request.gpt() ? QStringLiteral("gpt") : QStringLiteral("mbr"), m_fileSystem};
        },
        1);
    table->accept = [this](const QString& node) {
        m_partition = node;
        return node.isEmpty() ? tr("The new partition did not appear.") : QString();
    };
    helper(
        tr("Formatting the USB disk"), tr("The USB disk is under formating..."),
        [this] {
            return QStringList {QStringLiteral("format"), m_fileSystem, m_request.label};
        },
        4);

    UsbHelperStep* mount = helper(
        tr("Mounting the USB disk"), tr("Mounting the USB disk..."),
        [this] {
            m_mountPoint = QDir(m_tempFolder).absoluteFilePath(QStringLiteral("stick"));
            QDir().mkpath(m_mountPoint);
            m_mountPoint = QFileInfo(m_mountPoint).canonicalFilePath(); // as the mount table writes it
            return QStringList {QStringLiteral("mount"), m_fileSystem, m_mountPoint};
        },
        1);
    mount->accept = [this](const QString&) {
        m_mounted = true;
        return QString();
    };
}

QString UsbBurnJob::copyEfiFiles()
{
    const QString from = m_tempFolder + QStringLiteral("/efi");
    const QString loader = from + QStringLiteral("/EFI/BOOT/BOOTX64.EFI");
    bool found = false;
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        found = found || path.compare(loader, Qt::CaseInsensitive) == 0;
    }
    if (!found) {
        m_uefi = false;
        m_noUefiReason = tr("neither the image nor its El Torito EFI image has EFI/BOOT/BOOTX64.EFI");
        QDir(from).removeRecursively();
        return QString();
    }
    // Beside the image's own files; on FAT a name differing only in case is the same file.
    QDirIterator files(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = QDir(from).relativeFilePath(path);
        const QString target = m_mountPoint + QLatin1Char('/') + relative;
        if (QFileInfo::exists(target))
            continue;
        if (!makeFolders(m_mountPoint, QFileInfo(relative).path(), m_addedFiles) || !QFile::copy(path, target))
            return tr("Cannot copy %1 of the El Torito EFI image to the USB disk.").arg(relative);
        m_addedFiles << relative;
    }
    QDir(from).removeRecursively();
    return QString();
}

void UsbBurnJob::addEfiStages()
{
    tool(
        tr("Reading the UEFI loader"), tr("Burning the USB disk..."),
        [this] {
            if (m_efiImage.isEmpty())
                return skipped();
            QDir().mkpath(m_tempFolder + QStringLiteral("/efi"));
            const ToolCommand mcopy =
                Mtools::CopyOutCommand(m_efiImage, QStringLiteral("::/EFI"), m_tempFolder + QStringLiteral("/efi/"));
            return systemTool(mcopy.program, mcopy.arguments);
        },
        1);
    step(
        tr("Copying the UEFI loader"), [this] { return m_efiImage.isEmpty() ? QString() : copyEfiFiles(); }, 1);

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
                    QStringLiteral("(,msdos1)/boot/grub"), QStringLiteral("-c"),
                    m_tempFolder + QStringLiteral("/grub-early.cfg")}
                    + UsbPlan::GrubModules());
        },
        1);
    UsbHelperStep* setup = helper(
        tr("Installing the boot code"), installing,
        [this] {
            if (m_grubFolder.isEmpty())
                return QStringList();
            return QStringList {QStringLiteral("bios-boot"), m_grubFolder};
        },
        1);
    connect(setup, &Job::finished, this, [this](Job::Status status) {
        m_biosInstalled = status == Job::Status::Succeeded && !m_grubFolder.isEmpty();
        if (!m_grubFolder.isEmpty())
            QDir(m_grubFolder).removeRecursively();
    });
}

QString UsbBurnJob::writeSyslinuxMenu()
{
    const QString cfg = readText(m_mountPoint + m_loader.file);
    const QString menu = m_mountPoint + QLatin1Char('/') + UsbPlan::SyslinuxMenuPath;
    QFile file(menu);
    if (!makeFolders(m_mountPoint, QFileInfo(UsbPlan::SyslinuxMenuPath).path(), m_addedFiles)
        || !file.open(QIODevice::WriteOnly))
        return tr("Cannot write the boot menu to the USB disk.");
    file.write(UsbPlan::SyslinuxMenu(cfg, m_loader.file).toUtf8());
    m_addedFiles << UsbPlan::SyslinuxMenuPath;
    return QString();
}

QString UsbBurnJob::prepareGrub()
{
    m_grubFolder.clear();
    if (m_request.gpt() || !m_noBiosReason.isEmpty())
        return QString();
    const QString modules = QFileInfo(m_options.toolPath(QStringLiteral("grub-bios-setup"))).path();
    if (modules.isEmpty() || modules == QLatin1String("."))
        return tr("grub-bios-setup is missing (install the package grub-pc-bin).");
    if (m_loader.kind == BiosLoader::Syslinux) {
        const QString failed = writeSyslinuxMenu();
        if (!failed.isEmpty())
            return failed;
    }
    const QString folder = m_mountPoint + QStringLiteral("/.bios-setup");
    QFile early(m_tempFolder + QStringLiteral("/grub-early.cfg"));
    if (!QDir().mkpath(folder)
        || !QFile::copy(modules + QStringLiteral("/boot.img"), folder + QStringLiteral("/boot.img"))
        || !early.open(QIODevice::WriteOnly))
        return tr("Cannot write the boot code's files to the USB disk.");
    early.write(UsbPlan::GrubConfig(m_loader, 1).toUtf8());
    m_grubFolder = folder;
    return QString();
}

void UsbBurnJob::addCheckStages()
{
    // 7-Zip's sum over names and contents, of the image and of the stick.
    // fusefat shows a FAT volume label as a file of the root folder: left out on both sides.
    auto labelEntry = [this] {
        return Mount::UsesFuseFat(m_fileSystem, kernelFileSystems()) && !m_request.label.isEmpty()
            ? QStringList {Mount::FuseFatLabelEntry(m_request.label)}
            : QStringList();
    };
    auto leftOut = [this] {
        QStringList paths;
        if (m_installImage)
            paths << m_installImage->path;
        return paths;
    };
    UsbToolStep* image = tool(
        tr("Reading the image back"), tr("Checking the USB disk..."),
        [this, leftOut] {
            return Plan {m_options.tools.archive, Tools::imageSumArgs(m_request.image, leftOut()), false, QString()};
        },
        8);
    image->verdict = [this, image](int exitCode, QProcess::ExitStatus status) {
        m_imageSum = ParseContentSum(image->output());
        if (status != QProcess::NormalExit || exitCode != 0 || m_imageSum.isEmpty())
            return tr("The image could not be read. %1")
                .arg(UsbToolStep::archiveReason(image->output(), m_request.image));
        return QString();
    };
    UsbToolStep* stick = tool(
        tr("Reading the USB disk back"), tr("Checking the USB disk..."),
        [this, labelEntry] {
            QStringList paths = m_addedFiles + labelEntry();
            if (m_installImage) {
                const QString split = UsbPlan::SplitTarget(m_installImage->path);
                paths << split << split.left(split.size() - 4) + QStringLiteral("*.swm");
            }
            return Plan {m_options.tools.archive, Tools::folderSumArgs(m_mountPoint, paths), false, QString()};
        },
        8);
    stick->verdict = [this, stick](int exitCode, QProcess::ExitStatus status) {
        m_stickSum = ParseContentSum(stick->output());
        if (status == QProcess::NormalExit && exitCode == 0 && !m_stickSum.isEmpty() && m_stickSum == m_imageSum)
            return QString();
        const QString root = m_mountPoint + QLatin1Char('/');
        const QStringList wrong = UsbPlan::MissingOrDifferent(
            m_entries, m_installImage ? m_installImage->path : QString(), [&root](const QString& path) -> qint64 {
                const QFileInfo info(root + path);
                if (!info.exists())
                    return -1;
                return info.isDir() ? 0 : info.size();
            });
        if (!wrong.isEmpty())
            return tr(
                "%n file(s) of the image are missing or incomplete on the USB disk: %1", nullptr, int(wrong.size()))
                .arg(QStringList(wrong.mid(0, 5)).join(QStringLiteral(", ")));
        return tr("The files on the USB disk differ from the image's.");
    };
}

void UsbBurnJob::addFinalStages()
{
    UsbHelperStep* unmount = helper(
        tr("Unmounting the USB disk"), tr("Writing the last data to the USB disk..."),
        [] { return QStringList {QStringLiteral("unmount")}; }, 2, false);
    unmount->accept = [this](const QString&) {
        m_mounted = false;
        QDir().rmdir(m_mountPoint);
        return QString();
    };
    helper(
        tr("Checking the file system"), tr("Checking the USB disk..."),
        [this] {
            return QStringList {QStringLiteral("check"), m_fileSystem};
        },
        2, false)
        ->explain = [](const QString& why) {
        return tr("The file system on the USB disk is not clean: %1").arg(why);
    };
    UsbHelperStep* flush = helper(
        tr("Flushing the USB disk"), tr("Writing the last data to the USB disk..."),
        [] { return QStringList {QStringLiteral("flush")}; }, 1, false);
    flush->accept = [this](const QString&) {
        m_done = true;
        return QString();
    };
}

void UsbBurnJob::buildImageMode()
{
    step(
        tr("Checking the request"), [this] { return checkRequest(); }, 1);
    addHelperStart();
    helper(
        tr("Unmounting the USB disk"), tr("Unmounting the USB disk..."),
        [] { return QStringList {QStringLiteral("unmount")}; }, 1, false);
    helper(
        tr("Erasing the USB disk"), tr("Writing the image..."), [] { return QStringList {QStringLiteral("wipe")}; }, 1);
    UsbHelperStep* write = helper(
        tr("Writing the image"), tr("Writing the image..."),
        [this] {
            return QStringList {QStringLiteral("write"), m_request.image};
        },
        60);
    countBytes(write);
    UsbHelperStep* verify = helper(
        tr("Reading the image back"), tr("Checking the USB disk..."),
        [this] {
            return QStringList {QStringLiteral("verify"), m_request.image};
        },
        40, false);
    countBytes(verify);
    UsbHelperStep* flush = helper(
        tr("Flushing the USB disk"), tr("Writing the last data to the USB disk..."),
        [] { return QStringList {QStringLiteral("flush")}; }, 1, false);
    flush->accept = [this](const QString&) {
        m_done = true;
        m_biosInstalled = true;
        m_uefi = true;
        return QString();
    };
}

void UsbBurnJob::cleanUpStick()
{
    if (!m_grubFolder.isEmpty() && m_mounted)
        QDir(m_grubFolder).removeRecursively();
    if (m_mounted && m_helper->isRunning()) {
        const QStringList answer = m_helper->call({QStringLiteral("unmount")}, 60000);
        if (answer.value(0) == QLatin1String("ok"))
            m_mounted = false;
    }
    // A helper that is gone may have left the mount behind: look.
    if (m_mounted && !m_partition.isEmpty())
        m_mounted = Mount::IsMountedFrom(Platform::mountTable(), m_mountPoint, m_partition);
    if (!m_mounted && !m_mountPoint.isEmpty())
        QDir().rmdir(m_mountPoint); // only ever an empty folder: never below a mount
}

#endif
