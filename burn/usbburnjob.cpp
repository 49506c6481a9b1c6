#include "burn/usbburnjob.h"

#include "burn/drivediscovery.h"
#include "burn/usbhelperprotocol.h"
#include "core/tools.h"
#include "image/eltorito.h"
#include "image/extractjob.h"
#include "image/fileutils.h"
#include "platform/blockvolume.h"
#include "platform/leftovers.h"
#include "runner/mkfs.h"
#include "runner/mount.h"
#include "runner/sevenzip.h"
#include "runner/wimsplitter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>

using UsbPlan::BiosLoader;
using Plan = UsbToolStep::Plan;

namespace {

QString archiveToolReason(const QString& output, const QString& image)
{
    return UsbToolStep::archiveReason(output, image);
}

} // namespace

QString UsbToolStep::archiveReason(const QString& output, const QString& image)
{
    ArchiveToolLog log;
    log.SetSubject(image);
    for (const QString& line : output.split(QLatin1Char('\n')))
        log.Feed(line);
    return log.Errors().isEmpty() ? UsbToolStep::lastLines(output) : log.Reason();
}

namespace {

const char* packageOf(const QString& tool)
{
    static const struct {
        const char* tool;
        const char* package;
    } packages[] = {{"mkfs.vfat", "dosfstools"}, {"fsck.vfat", "dosfstools"}, {"mkntfs", "ntfs-3g"},
        {"ntfsfix", "ntfs-3g"}, {"ntfs-3g", "ntfs-3g"}, {"mkfs.exfat", "exfatprogs"}, {"fsck.exfat", "exfatprogs"},
        {"mount.exfat-fuse", "exfat-fuse"}, {"fusefat", "fusefat"}, {"sfdisk", "fdisk"},
        {"grub-mkimage", "grub-common"}, {"grub-bios-setup", "grub-pc-bin"}};
    for (const auto& p : packages) {
        if (tool == QLatin1String(p.tool))
            return p.package;
    }
    return "mount";
}

} // namespace

// --- UsbToolStep --------------------------------------------------------------------

UsbToolStep::UsbToolStep(const QString& name, const QString& stageText, std::function<Plan()> prepare, QObject* parent)
    : ToolJob(parent)
    , m_stageText(stageText)
    , m_prepare(std::move(prepare))
{
    setName(name);
}

QString UsbToolStep::lastLines(const QString& output, int count)
{
    QStringList lines;
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines << trimmed;
    }
    return lines.mid(std::max(0, int(lines.size()) - count)).join(QLatin1Char(' '));
}

void UsbToolStep::doStart()
{
    m_output.clear();
    const Plan plan = m_prepare();
    if (!plan.failure.isEmpty()) {
        fail(plan.failure);
        return;
    }
    if (plan.skip) {
        succeed();
        return;
    }
    setProgress(m_stageText, 0, 0);
    setCommand(plan.program, plan.arguments);
    ToolJob::doStart();
}

void UsbToolStep::handlePiece(const QString& piece)
{
    m_output += piece;
    if (!piece.endsWith(QLatin1Char('\n')))
        m_output += QLatin1Char('\n'); // pieces cut at CR or backspaces are lines too
    if (percent) {
        if (const std::optional<int> value = percent(piece))
            setProgress(m_stageText, *value, 100);
    }
    ToolJob::handlePiece(piece);
}

QString UsbToolStep::judge(int exitCode, QProcess::ExitStatus status)
{
    if (verdict)
        return verdict(exitCode, status);
    QString reason = ToolJob::judge(exitCode, status);
    const QString said = lastLines(m_output);
    if (!reason.isEmpty() && !said.isEmpty())
        reason += QLatin1Char(' ') + said;
    return reason;
}

// --- UsbBurnJob --------------------------------------------------------------------

UsbBurnJob::UsbBurnJob(const UsbBurnRequest& request, const Options& options, QObject* parent)
    : JobSequence(parent)
    , m_request(request)
    , m_options(options)
    , m_helper(new UsbHelperClient(this))
{
    setName(tr("USB burn"));
    // Connected first, so the stick is unmounted before anyone else hears the end.
    connect(this, &Job::finished, this, [this](Job::Status status) { onEnded(status); });
    // Every step announces itself here first: the figures of one that moves bytes end with it.
    connect(this, &Job::progress, this, [this] {
        if (m_bytesShown && !m_byteSteps.contains(current())) {
            m_bytesShown = false;
            emit bytesMoved(0, 0);
        }
    });
    if (m_request.style == UsbStyle::Image)
        buildImageMode();
    else
        build();
}

UsbBurnJob::~UsbBurnJob()
{
    if (isRunning())
        stop();
}

QStringList UsbBurnJob::defaultHelperCommand(const QString& device, bool allowLoop)
{
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + UsbHelperProtocol::HelperName;
    const bool root = Platform::runningPrivileged();
    // pkexec only grants the one action to the installed helper.
    QString helper =
        QFileInfo(beside).isExecutable() && (root || !QFileInfo::exists(UsbHelperProtocol::InstalledHelper))
        ? beside
        : UsbHelperProtocol::InstalledHelper;
    QStringList command {helper, device};
    if (allowLoop && root)
        command << UsbHelperProtocol::AllowLoopOption;
    if (!root)
        command.prepend(QStringLiteral("pkexec"));
    return command;
}

UsbBurnJob::Options UsbBurnJob::defaultOptions()
{
    Options options;
    options.listed = [](const QString& device) {
        return DriveAccess().FindUsbDisk(device).has_value();
    };
    options.toolPath = [](const QString& tool) {
        const QString provisioned = Tools::linkedSystemTool(tool);
        if (!provisioned.isEmpty())
            return provisioned;
        return QStandardPaths::findExecutable(tool,
            {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin"), QStringLiteral("/bin")});
    };
    options.tempFolder = QDir::tempPath();
    options.tools = ToolSet::Installed();
    options.helperCommand = [](const QString& device) {
        return defaultHelperCommand(device, false);
    };
    return options;
}

UsbToolStep* UsbBurnJob::tool(const QString& name, const QString& stageText, std::function<Plan()> prepare, int weight)
{
    auto* job = new UsbToolStep(name, stageText, std::move(prepare));
    add(job, weight);
    return job;
}

StepJob* UsbBurnJob::step(const QString& name, std::function<QString()> work, int weight)
{
    auto* job = new StepJob(std::move(work));
    job->setName(name);
    add(job, weight);
    return job;
}

void UsbBurnJob::countBytes(Job* step, std::function<qint64()> total)
{
    m_byteSteps.insert(step);
    connect(step, &Job::progress, this, [this, total](const QString&, qint64 value, qint64 maximum) {
        const qint64 bytes = total ? total() : maximum;
        if (maximum <= 0 || bytes <= 0)
            return;
        const double share = double(qBound<qint64>(0, value, maximum)) / double(maximum);
        m_bytesShown = true;
        emit bytesMoved(total ? qint64(double(bytes) * share) : value, bytes);
    });
}

Plan UsbBurnJob::systemTool(const QString& tool, const QStringList& arguments) const
{
    const QString path = m_options.toolPath ? m_options.toolPath(tool) : tool;
    if (path.isEmpty() || !QFileInfo(path).isExecutable()) {
        Plan plan;
        plan.failure = tr("%1 is missing (install the package %2).").arg(tool, QLatin1String(packageOf(tool)));
        return plan;
    }
    return Plan {path, arguments, false, QString()};
}

QString UsbBurnJob::checkRequest()
{
    const QFileInfo image(m_request.image);
    if (!image.isFile())
        return tr("The image %1 does not exist.").arg(QDir::toNativeSeparators(m_request.image));
    static const QStringList known {
        QStringLiteral("FAT32"), QStringLiteral("NTFS"), QStringLiteral("exFAT"), QStringLiteral("FAT")};
    if (m_request.style == UsbStyle::Mbr && !known.contains(m_request.fileSystem))
        return tr("Unknown file system \"%1\".").arg(m_request.fileSystem);
    if (!m_options.listed || !m_options.listed(m_request.device))
        return tr("%1 is not a USB disk this page lists; it was left alone.").arg(m_request.device);
    QString why;
    const std::optional<Platform::BlockVolume> volume = Platform::describeBlockVolume(m_request.device, &why);
    if (!volume)
        return why;
    if (volume->partition != 0)
        return tr("%1 is a partition; choose the whole USB disk.").arg(m_request.device);
    m_volume = *volume;
    if (m_request.style == UsbStyle::Image) {
        QFile file(m_request.image);
        if (!file.open(QIODevice::ReadOnly))
            return tr("The image %1 cannot be read.").arg(QDir::toNativeSeparators(m_request.image));
        if (!UsbPlan::IsHybridImage(file.read(1024)))
            return tr("The image has no partition table of its own, so written as it is it would not start; "
                      "choose MBR or GPT instead. Nothing was written.");
        if (file.size() > m_volume.bytes)
            return tr("The image needs %1 on the USB disk, which holds %2; nothing was written.")
                .arg(FormatSize(file.size()), FormatSize(m_volume.bytes));
    } else {
        m_fileSystem = UsbPlan::EffectiveFileSystem(m_request.fileSystem, m_volume.bytes, m_request.gpt());
        const QString label = Mkfs::LabelProblem(m_fileSystem, m_request.label);
        if (!label.isEmpty())
            return tr("The volume label \"%1\" cannot be used: %2. Nothing was written.").arg(m_request.label, label);
    }
    QTemporaryDir temp(m_options.tempFolder + QStringLiteral("/quillon-usb-XXXXXX"));
    if (!temp.isValid())
        return tr("Cannot create a working folder in %1.").arg(QDir::toNativeSeparators(m_options.tempFolder));
    temp.setAutoRemove(false);
    m_tempFolder = temp.path();
    Leftovers::Note(m_tempFolder);
    return QString();
}

QString UsbBurnJob::takeListing(const QString& output)
{
    const std::optional<QList<UsbPlan::ImageEntry>> entries = ParseTechnicalListing(output);
    if (!entries)
        return tr("The image could not be read. %1").arg(archiveToolReason(output, m_request.image));
    m_entries = *entries;
    return QString();
}

QString UsbBurnJob::plan()
{
    const QStringList clashes = UsbPlan::NameClashes(m_entries);
    if (!clashes.isEmpty())
        return tr("%1 cannot hold these names of the image apart, or refuses them: %2. Nothing was written.")
            .arg(m_fileSystem, clashes.mid(0, 5).join(QStringLiteral("; ")));
    m_installImage = UsbPlan::InstallImage(m_entries);
    if (m_installImage && !UsbPlan::IsLargeInstallImage(m_installImage->size))
        m_installImage.reset();
    m_copyBytes = 0;
    for (const UsbPlan::ImageEntry& entry : qAsConst(m_entries)) {
        if (!entry.folder && !(m_installImage && entry.path == m_installImage->path))
            m_copyBytes += entry.size;
    }
    m_loader = UsbPlan::ChooseBiosLoader(m_entries);
    m_noBiosReason.clear();
    if (!m_request.gpt() && m_loader.kind == BiosLoader::None)
        m_noBiosReason = tr("the image has no loader a BIOS can start from a USB disk");
    m_noUefiReason.clear();
    m_efiImage.clear();
    if (!m_fileSystem.startsWith(QLatin1String("FAT")))
        m_noUefiReason = tr("UEFI firmware reads FAT file systems only");
    else if (!UsbPlan::HasUefiLoader(m_entries)) {
        // Some images keep their UEFI loader only inside the El Torito EFI image.
        QList<BootEntry> boot;
        if (ReadBootCatalog(m_request.image, boot)) {
            for (const BootEntry& entry : qAsConst(boot)) {
                if (entry.platform == 0xEF) {
                    m_efiImage = m_tempFolder + QStringLiteral("/efi.img");
                    if (!ExtractBootImage(m_request.image, entry, m_efiImage))
                        m_efiImage.clear();
                    break;
                }
            }
        }
        if (m_efiImage.isEmpty())
            m_noUefiReason = tr("the image has no EFI/BOOT/BOOTX64.EFI");
    }
    m_uefi = m_noUefiReason.isEmpty();
    const QString platform = checkPlatform();
    if (!platform.isEmpty())
        return platform;
    // Large clusters as the formatters pick them for sticks.
    QList<UsbPlan::ImageEntry> onStick = m_entries;
    if (!m_efiImage.isEmpty())
        onStick << UsbPlan::ImageEntry {m_efiImage, QFileInfo(m_efiImage).size(), false};
    const UsbPlan::SpaceCheck space = UsbPlan::CheckSpace(UsbPlan::SpaceNeeded(onStick, 32 * 1024), m_volume.bytes);
    if (!space.fits)
        return tr("The image needs %1 on the USB disk, which holds %2; nothing was written.")
            .arg(FormatSize(space.needed), FormatSize(m_volume.bytes));
    return QString();
}

void UsbBurnJob::build()
{
    step(
        tr("Checking the request"), [this] { return checkRequest(); }, 1);
    UsbToolStep* listing = tool(
        tr("Reading the image"), tr("Reading the image..."),
        [this] {
            return Plan {m_options.tools.archive, Tools::technicalListArgs(m_request.image), false, QString()};
        },
        1);
    listing->verdict = [this, listing](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            return tr("The image could not be read. %1").arg(archiveToolReason(listing->output(), m_request.image));
        return takeListing(listing->output());
    };
    step(
        tr("Preparing the burn"), [this] { return plan(); }, 1);
    addDeviceStages();

    UsbToolStep* copy = tool(
        tr("Copying the files"), tr("Burning the USB disk..."),
        [this] {
            const QStringList args = Tools::copyToDriveArgs(
                m_mountPoint, m_request.image, m_installImage ? m_installImage->path : QString());
            return Plan {m_options.tools.archive, args, false, QString()};
        },
        60);
    copy->percent = [](const QString& piece) -> std::optional<int> {
        if (const std::optional<ExtractProgress> p = ParseExtractProgress(piece))
            return p->percent;
        return std::nullopt;
    };
    countBytes(copy, [this] { return m_copyBytes; });
    copy->verdict = [this, copy](int exitCode, QProcess::ExitStatus status) {
        const QString output = copy->output();
#ifndef Q_OS_WIN
        // fusefat cannot set Unix attributes (Rock Ridge images); the content check judges the files.
        if (Mount::UsesFuseFat(m_fileSystem, kernelFileSystems())) {
            static const QRegularExpression attribute(
                QStringLiteral("ERROR: Cannot set file attribute : errno=38[^\\n]*"));
            const int errors = output.count(QLatin1String("ERROR:"));
            const int attributes = int(output.count(attribute));
            if (status == QProcess::NormalExit && exitCode == 2 && errors > 0 && errors == attributes)
                return QString();
        }
#endif
        const QString reason = archiveToolReason(output, m_request.image);
        if (status != QProcess::NormalExit || exitCode != 0 || !output.contains(QLatin1String("Everything is Ok")))
            return reason.isEmpty() ? tr("7-Zip ended with exit status %1.").arg(exitCode) : reason;
        return QString();
    };
#ifndef Q_OS_WIN
    addEfiStages();
#endif

    UsbToolStep* extract = tool(
        tr("Taking out the install image"), tr("Extract the wim file ..."),
        [this] {
            if (!m_installImage)
                return Plan {QString(), {}, true, QString()};
            // Unknown free space is no reason to refuse: the tool's own failure decides.
            const qint64 room = QStorageInfo(m_tempFolder).bytesAvailable();
            if (room >= 0 && room < m_installImage->size + 16 * 1024 * 1024) {
                Plan plan;
                plan.failure = tr("There is no room for the install image (%1) in %2: %3 free.")
                                   .arg(FormatSize(m_installImage->size), QDir::toNativeSeparators(m_tempFolder),
                                       FormatSize(room));
                return plan;
            }
            return Plan {m_options.tools.archive,
                Tools::extractFlatArgs(m_request.image, m_tempFolder, m_installImage->path), false, QString()};
        },
        15);
    extract->verdict = [this, extract](int exitCode, QProcess::ExitStatus status) {
        const QFileInfo taken(m_tempFolder + QStringLiteral("/install.wim"));
        if (status == QProcess::NormalExit && exitCode == 0 && taken.size() == m_installImage->size)
            return QString();
        return archiveToolReason(extract->output(), m_request.image);
    };

    UsbToolStep* split = tool(
        tr("Splitting the install image"), tr("Process the wim file larger than 4 GB..."),
        [this] {
            if (!m_installImage)
                return Plan {QString(), {}, true, QString()};
            const QString target = m_mountPoint + QLatin1Char('/') + UsbPlan::SplitTarget(m_installImage->path);
            QDir().mkpath(QFileInfo(target).path());
            return Plan {m_options.tools.splitter,
                Tools::splitArgs(m_tempFolder + QStringLiteral("/install.wim"), target, UsbPlan::SplitPartMiB), false,
                QString()};
        },
        15);
    split->percent = &ParseSplitProgress;
    countBytes(split, [this] { return m_installImage ? m_installImage->size : 0; });
    connect(split, &Job::finished, this, [this] { QFile::remove(m_tempFolder + QStringLiteral("/install.wim")); });

#ifndef Q_OS_WIN
    addCheckStages();
#endif
    addFinalStages();
}

void UsbBurnJob::onEnded(Job::Status status)
{
    if (status != Status::Succeeded)
        cleanUpStick();
    m_helper->quit();
    // Only the files we put there: the folder may still hold the stick's mount point.
    if (!m_tempFolder.isEmpty()) {
        for (const char* name : {"install.wim", "grub-early.cfg", "efi.img"})
            QFile::remove(m_tempFolder + QLatin1Char('/') + QLatin1String(name));
        if (!m_mounted)
            QDir().rmdir(m_tempFolder + QStringLiteral("/stick"));
        if (QDir().rmdir(m_tempFolder))
            Leftovers::Forget(m_tempFolder);
    }
}

QString UsbBurnJob::resultMessage() const
{
    switch (status()) {
    case Status::Succeeded: {
        QString text = tr("Burning Successfully...");
        const bool bios = m_request.style != UsbStyle::Mbr || m_biosInstalled;
        if (m_request.style == UsbStyle::Image)
            ; // the image starts as it was made to
        else if (!bios && m_uefi)
            text += QLatin1Char('\n') + tr("The USB disk starts on UEFI only: %1.").arg(m_noBiosReason);
        else if (!bios)
            text += QLatin1Char('\n')
                + tr("Neither BIOS nor UEFI can start from the USB disk: %1; %2.").arg(m_noBiosReason, m_noUefiReason);
        else if (m_request.gpt() && !m_uefi)
            text += QLatin1Char('\n') + tr("UEFI cannot start from the USB disk: %1.").arg(m_noUefiReason);
        if (m_done)
            text += QLatin1Char('\n') + tr("The USB disk can be removed.");
        return text;
    }
    case Status::Failed:
    case Status::Stopped: {
        QString text = status() == Status::Failed ? tr("Burning failed. %1").arg(reason()) : tr("Burning was stopped.");
        text += QLatin1Char('\n');
        if (m_mounted)
            text += tr("The USB disk is incomplete and still mounted at %1.").arg(m_mountPoint);
        else
            text += m_touched ? tr("The USB disk is incomplete.") : tr("The USB disk was not changed.");
        return text;
    }
    default:
        return QString();
    }
}
