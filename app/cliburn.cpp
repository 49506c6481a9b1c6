// The drive subcommands: burn (USB stick or disc), copy-disc, list-drives.
#include "app/clicommon.h"
#include "burn/discburn.h"
#include "burn/discread.h"
#include "burn/drivediscovery.h"
#include "burn/usbburnjob.h"
#include "image/fileutils.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <QTimer>

#include <optional>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Cli {

namespace {

// Asks on the terminal; anything but yes is no.
bool confirmOnTerminal(const QString& question)
{
    err() << question << " [y/N] " << Qt::flush;
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

bool isRoot()
{
#ifdef Q_OS_WIN
    return false;
#else
    return ::geteuid() == 0;
#endif
}

// A loop device as a stand-in stick ("/dev/loop3"): only for tests, only as root.
std::optional<Platform::UsbDisk> loopDisk(const QString& device)
{
#ifdef Q_OS_WIN
    Q_UNUSED(device);
    return std::nullopt;
#else
    static const QRegularExpression loop(QStringLiteral("^/dev/loop\\d+$"));
    struct stat info = {};
    if (!loop.match(device).hasMatch() || ::stat(QFile::encodeName(device).constData(), &info) != 0
        || !S_ISBLK(info.st_mode))
        return std::nullopt;
    QFile file(device);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    Platform::UsbDisk disk;
    disk.device = device;
    // Block devices report no size through QFile: seek to the end.
    disk.size = qint64(::lseek(file.handle(), 0, SEEK_END));
    if (disk.size <= 0)
        return std::nullopt;
    return disk;
#endif
}

// A recorder given as its address ("1,0,0") or as its drive ("/dev/sr0").
QString recorderAddress(const QString& drive, const Common& common, QString& problem)
{
    static const QRegularExpression address(QStringLiteral("^\\d+,\\d+,\\d+$"));
    if (address.match(drive).hasMatch())
        return drive;
    ScanbusJob scan(common.tools.recorder, DriveAccess());
    QString found;
    QObject::connect(&scan, &ScanbusJob::recorderFound, &scan, [&](const QString& text, const QString& at) {
        if (found.isEmpty() && text.startsWith(drive + QLatin1Char(':')))
            found = at;
    });
    QTimer::singleShot(ScanTimeLimitMs, &scan, [&scan] { scan.stop(); });
    runJob(scan, nullptr, false);
    if (found.isEmpty())
        problem = CommandLine::tr("No CD/DVD recorder %1 found. quillon list-drives shows the recorders.").arg(drive);
    return found;
}

} // namespace

int runBurn(const QCommandLineParser& parser, const Common& common)
{
    const QStringList positional = parser.positionalArguments();
    const bool usb = parser.isSet(QStringLiteral("usb"));
    const bool disc = parser.isSet(QStringLiteral("disc"));
    if (positional.size() != 1 || usb == disc)
        return fail(
            CommandLine::tr(
                "Usage: quillon burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT] "
                "[--label LABEL] [--yes]\n       quillon burn IMAGE --disc RECORDER"),
            ExitUsage);
    const QString image = QFileInfo(positional.first()).absoluteFilePath();
    if (const QString problem = imageProblem(image); !problem.isEmpty())
        return fail(problem);
    bool interrupted = false;

    if (disc) {
        QString problem;
        const QString address = recorderAddress(parser.value(QStringLiteral("disc")), common, problem);
        if (address.isEmpty())
            return fail(problem);
        DiscBurnJob job(common.tools.recorder, address, image);
        runJob(job, &interrupted);
        return verdict(job, interrupted, CommandLine::tr("Burning disc successfully."),
            CommandLine::tr("The disc could not be burned."));
    }

    const QString device = parser.value(QStringLiteral("usb"));
    const bool allowLoop = parser.isSet(QStringLiteral("allow-loop-device"));
    if (allowLoop && !isRoot())
        return fail(CommandLine::tr("--allow-loop-device is for tests and only accepted as root."));
    const DriveAccess drives;
    std::optional<Platform::UsbDisk> disk = drives.FindUsbDisk(device);
    if (!disk && allowLoop)
        disk = loopDisk(device);
    if (!disk)
        return fail(CommandLine::tr("%1 is not a USB disk. quillon list-drives shows the USB disks.").arg(device));
    const QString style = parser.value(QStringLiteral("style")).toLower();
    if (style != QLatin1String("mbr") && style != QLatin1String("gpt") && style != QLatin1String("image"))
        return fail(CommandLine::tr("Unknown partition style %1: use mbr, gpt or image.").arg(style), ExitUsage);
    const bool imageMode = style == QLatin1String("image");
    if (disk->size < QFileInfo(image).size() + (imageMode ? 0 : UsbBurnJob::HeadroomBytes))
        return fail(CommandLine::tr("Insufficient space on disk, please change a large-capacity USB or CD/DVD."));

    UsbBurnRequest request;
    request.image = image;
    request.device = disk->device;
    request.fileSystem = parser.value(QStringLiteral("file-system"));
    static const QStringList systems {
        QStringLiteral("FAT32"), QStringLiteral("NTFS"), QStringLiteral("exFAT"), QStringLiteral("FAT")};
    bool known = false;
    for (const QString& system : systems) {
        if (system.compare(request.fileSystem, Qt::CaseInsensitive) == 0) {
            request.fileSystem = system;
            known = true;
        }
    }
    // Image mode writes the image's own file systems: the choice is ignored, not refused.
    if (!known && !imageMode)
        return fail(CommandLine::tr("Unknown file system %1: use FAT32, NTFS, exFAT or FAT.").arg(request.fileSystem),
            ExitUsage);
    request.style = imageMode ? UsbStyle::Image : style == QLatin1String("gpt") ? UsbStyle::Gpt : UsbStyle::Mbr;
    request.label = parser.value(QStringLiteral("label")).toUpper().left(11);

    if (!parser.isSet(QStringLiteral("yes"))
        && !confirmOnTerminal(CommandLine::tr("All data on %1 will be deleted. Continue?").arg(disk->device)))
        return fail(CommandLine::tr("Nothing was written."));

    UsbBurnJob::Options options = UsbBurnJob::defaultOptions();
    options.tools = common.tools;
    const QString chosen = disk->device;
    options.listed = [drives, allowLoop, chosen](const QString& candidate) {
        if (drives.FindUsbDisk(candidate))
            return true;
        return allowLoop && candidate == chosen && loopDisk(candidate).has_value();
    };
    options.helperCommand = [allowLoop](const QString& device) {
        return UsbBurnJob::defaultHelperCommand(device, allowLoop);
    };
    UsbBurnJob job(request, options);
    runJob(job, &interrupted);
    if (interrupted)
        return fail(job.resultMessage(), ExitInterrupted);
    if (job.status() != Job::Status::Succeeded)
        return fail(job.resultMessage());
    out() << job.resultMessage() << Qt::endl;
    return 0;
}

int runCopyDisc(const QCommandLineParser& parser, const Common& common)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || !parser.isSet(QStringLiteral("output")))
        return fail(CommandLine::tr("Usage: quillon copy-disc DRIVE --output IMAGE"), ExitUsage);
    const QString output = DiscImagePath(QFileInfo(parser.value(QStringLiteral("output"))).absoluteFilePath());
    if (const QString problem = outputProblem(output, common.force); !problem.isEmpty())
        return fail(problem);
    if (const QString problem = CheckDiscImageTarget(output); !problem.isEmpty())
        return fail(problem);
    QString problem;
    const QString address = recorderAddress(positional.first(), common, problem);
    if (address.isEmpty())
        return fail(problem);
    ReadDiscJob job(common.tools.reader, address, output);
    bool interrupted = false;
    runJob(job, &interrupted);
    return verdict(job, interrupted, CommandLine::tr("Copied the disc to %1.").arg(native(output)),
        CommandLine::tr("The disc could not be read."));
}

int runListDrives(const Common& common)
{
    const DriveAccess drives;
    const QList<Platform::UsbDisk> volumes = drives.UsbDisks();
    for (const Platform::UsbDisk& disk : volumes)
        out() << "usb\t" << disk.device << '\t' << DiskItemText(disk) << Qt::endl;
    ScanbusJob scan(common.tools.recorder, drives);
    int recorders = 0;
    QObject::connect(&scan, &ScanbusJob::recorderFound, &scan, [&](const QString& text, const QString& address) {
        out() << "recorder\t" << address << '\t' << text << Qt::endl;
        ++recorders;
    });
    bool timedOut = false;
    QTimer::singleShot(ScanTimeLimitMs, &scan, [&] {
        timedOut = true;
        scan.stop();
    });
    bool interrupted = false;
    runJob(scan, &interrupted, false);
    if (interrupted)
        return fail(CommandLine::tr("Stopped."), ExitInterrupted);
    if (timedOut)
        return fail(
            CommandLine::tr("The recorder's bus scan did not end within %1 seconds.").arg(ScanTimeLimitMs / 1000));
    if (volumes.isEmpty())
        err() << CommandLine::tr("No USB disk found — plug one in.") << Qt::endl;
    if (recorders == 0)
        err() << CommandLine::tr("No CD/DVD recorder found.") << Qt::endl;
    return 0;
}

} // namespace Cli
