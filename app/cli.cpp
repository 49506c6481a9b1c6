#include "app/cli.h"

#include "burn/discburn.h"
#include "burn/discread.h"
#include "burn/drivediscovery.h"
#include "burn/usbburnjob.h"
#include "core/job.h"
#include "core/tools.h"
#include "core/util.h"
#include "image/createimagejob.h"
#include "image/editsession.h"
#include "image/extractjob.h"
#include "image/fileutils.h"
#include "image/imagelisting.h"
#include "image/isobuild.h"
#include "image/listingjob.h"
#include "image/stagedcontent.h"
#include "platform/console.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <memory>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;
constexpr int ExitInterrupted = 130;
constexpr int ScanTimeLimitMs = 60000;

const char* const Subcommands[] = {"extract", "create", "edit", "burn", "copy-disc", "list-drives"};
const char* const Pages[] = {"burn", "extract", "create", "edit", "copy-disc"};

// The command line's own texts.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString& reason, int status = ExitFailed)
{
    err() << "quillon: " << reason << Qt::endl;
    return status;
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// --- Progress on standard error ----------------------------------------------------

// A bar redrawn in place on a terminal, else a line for each new percentage
// or stage, so a log stays short.
class ProgressPrinter : public QObject {
public:
    explicit ProgressPrinter(Job* job)
        : m_terminal(Platform::isTerminal(2))
    {
        connect(job, &Job::progress, this, &ProgressPrinter::show);
    }
    ~ProgressPrinter() override { endLine(); }

    void endLine()
    {
        if (m_drawn)
            err() << Qt::endl;
        m_drawn = false;
    }

private:
    void show(const QString& stage, qint64 value, qint64 maximum)
    {
        const int percent = maximum > 0 ? int(qBound<qint64>(0, value * 100 / maximum, 100)) : -1;
        if (percent == m_percent && stage == m_stage)
            return;
        m_percent = percent;
        m_stage = stage;
        const QString figure = percent < 0 ? QStringLiteral("  ") : QStringLiteral("%1%").arg(percent, 3);
        if (!m_terminal) {
            err() << figure << ' ' << stage << Qt::endl;
            return;
        }
        constexpr int Width = 30;
        const int filled = percent < 0 ? 0 : percent * Width / 100;
        QString text = QStringLiteral("\r[") + QString(filled, QLatin1Char('#'))
            + QString(Width - filled, QLatin1Char(' ')) + QStringLiteral("] ") + figure + QLatin1Char(' ')
            + stage.left(40);
        err() << text << "\x1b[K" << Qt::flush;
        m_drawn = true;
    }

    bool m_terminal;
    bool m_drawn = false;
    int m_percent = -2;
    QString m_stage;
};

// Runs a job to its end with progress on standard error; Ctrl+C stops it as
// Stop does. The status comes back; `interrupted` says whether a signal ended it.
Job::Status runJob(Job& job, bool* interrupted = nullptr, bool showProgress = true)
{
    Platform::InterruptWatch watch;
    bool stoppedBySignal = false;
    QObject::connect(&watch, &Platform::InterruptWatch::interrupted, &job, [&] {
        stoppedBySignal = true;
        job.stop();
    });
    std::unique_ptr<ProgressPrinter> printer(showProgress ? new ProgressPrinter(&job) : nullptr);
    QEventLoop loop;
    QObject::connect(&job, &Job::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    job.start();
    if (job.isRunning())
        loop.exec();
    if (printer)
        printer->endLine();
    if (interrupted)
        *interrupted = stoppedBySignal;
    return job.status();
}

// The reason of the step that failed in a sequence, else the job's own.
QString failureOf(Job& job)
{
    for (Job* step : job.findChildren<Job*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (step->status() == Job::Status::Failed && !step->reason().isEmpty())
            return step->reason();
    }
    return job.reason();
}

int verdict(Job& job, bool interrupted, const QString& success, const QString& failureHeading)
{
    if (interrupted || job.status() == Job::Status::Stopped)
        return fail(CommandLine::tr("Stopped; nothing incomplete was left behind."), ExitInterrupted);
    if (job.status() != Job::Status::Succeeded) {
        const QString reason = failureOf(job);
        return fail(reason.isEmpty() ? failureHeading : failureHeading + QLatin1Char('\n') + reason);
    }
    out() << success << Qt::endl;
    return 0;
}

// An existing file is replaced only when asked to.
QString outputProblem(const QString& output, bool force)
{
    const QFileInfo info(output);
    if (info.isDir())
        return CommandLine::tr("%1 is a folder. Please choose a file name for the image.").arg(native(output));
    if (info.exists() && !force)
        return CommandLine::tr("%1 already exists. Add --force to replace it.").arg(native(output));
    return QString();
}

QString imageProblem(const QString& image)
{
    const QFileInfo info(image);
    if (!info.exists())
        return CommandLine::tr("The image %1 does not exist.").arg(native(image));
    if (!info.isFile())
        return CommandLine::tr("%1 is not an image file.").arg(native(image));
    if (!info.isReadable())
        return CommandLine::tr("The image %1 cannot be read.").arg(native(image));
    return QString();
}

// A path inside an image as the user types it ("/boot/grub", "boot\\grub"),
// in the model's form; empty for the root.
QString modelPath(const QString& typed)
{
    QString path = typed;
    return IsoContentTree::NormalizeName(path.replace(QLatin1Char('/'), QLatin1Char('\\')));
}

// "LEFT=RIGHT" split at the last "=", which the right side (a path in the
// image or a name) is least likely to hold.
bool splitPair(const QString& pair, QString& left, QString& right)
{
    const int at = pair.lastIndexOf(QLatin1Char('='));
    if (at <= 0 || at == pair.size() - 1)
        return false;
    left = pair.left(at);
    right = pair.mid(at + 1);
    return true;
}

// --- Subcommands -------------------------------------------------------------------------

struct Common {
    bool force = false;
    ToolSet tools = ToolSet::Installed();
};

int runExtract(const QStringList& positional, const Common& common)
{
    if (positional.size() < 2)
        return fail(CommandLine::tr("Usage: quillon extract IMAGE TARGET [ITEM...]"), ExitUsage);
    const QString image = QFileInfo(positional.at(0)).absoluteFilePath();
    const QString target = QFileInfo(positional.at(1)).absoluteFilePath();
    if (const QString problem = imageProblem(image); !problem.isEmpty())
        return fail(problem);
    if (QFileInfo(target).exists() && !QFileInfo(target).isDir())
        return fail(CommandLine::tr("%1 is not a folder.").arg(native(target)));

    IsoContentTree content;
    ListingReader reader(content);
    reader.SetSkipBootImages(true);
    ImageListingJob listing(reader, content, common.tools.archive, common.tools.xorriso, image);
    bool interrupted = false;
    runJob(listing, &interrupted, false);
    if (interrupted)
        return fail(CommandLine::tr("Stopped."), ExitInterrupted);
    if (listing.status() != Job::Status::Succeeded)
        return fail(listing.reason());

    QList<const IsoEntry*> entries;
    if (positional.size() == 2) {
        for (int i = 0; i < content.root.childCount(); ++i)
            entries << content.root.child(i);
    }
    for (const QString& item : positional.mid(2)) {
        const IsoEntry* entry = content.FindEntry(modelPath(item));
        if (!entry)
            return fail(CommandLine::tr("%1 is not in the image.").arg(item));
        entries << entry;
    }
    if (entries.isEmpty())
        return fail(CommandLine::tr("The image holds no files."));
    const QStringList replaced = FilesToReplace(entries, target, 8);
    if (!replaced.isEmpty() && !common.force)
        return fail(CommandLine::tr("These files already exist in %1. Add --force to replace them:\n%2")
                        .arg(native(target), replaced.join(QLatin1Char('\n'))));
    if (!QDir().mkpath(target))
        return fail(CommandLine::tr("The folder %1 cannot be created.").arg(native(target)));

    ExtractJob::Request request;
    request.image = image;
    request.outputFolder = target;
    for (const IsoEntry* entry : entries)
        request.items << ExtractItem::Of(*entry);
    request.existing = Existing::Replace;
    request.expectedSize = ExpectedSizes(content);
    request.program = common.tools.archive;
    request.xorriso = common.tools.xorriso;
    request.rockRidge = listing.rockRidge();
    ExtractJob job(request);
    runJob(job, &interrupted);
    // A partial result is a failure (status 1) that says how much arrived.
    const bool anyArrived = !job.placed().delivered.isEmpty() || !job.placed().kept.isEmpty();
    return verdict(job, interrupted,
        CommandLine::tr("Extracted %1 items to %2.").arg(job.placed().delivered.size()).arg(native(target)),
        anyArrived ? job.summary() : CommandLine::tr("The items could not be extracted."));
}

int runCreate(const QCommandLineParser& parser, const Common& common)
{
    const QStringList sources = parser.positionalArguments();
    if (!parser.isSet(QStringLiteral("output")) || sources.isEmpty())
        return fail(CommandLine::tr("Usage: quillon create --output IMAGE [--label LABEL] SOURCE..."), ExitUsage);
    const QString output = QFileInfo(parser.value(QStringLiteral("output"))).absoluteFilePath();
    if (const QString problem = outputProblem(output, common.force); !problem.isEmpty())
        return fail(problem);

    CreateImageJob::Request request;
    const QString type = parser.value(QStringLiteral("type")).toLower();
    if (type == QLatin1String("iso9660"))
        request.type = ImageType::Iso9660;
    else if (type == QLatin1String("udf"))
        request.type = ImageType::Udf;
    else if (type != QLatin1String("joliet"))
        return fail(CommandLine::tr("Unknown image type %1: use joliet, iso9660 or udf.").arg(type), ExitUsage);
    request.label = parser.value(QStringLiteral("label"));
    request.output = output;
    request.program = common.tools.builder;

    StagedContent staged(QStringLiteral("create"));
    if (!staged.isValid())
        return fail(CommandLine::tr("The working folder could not be created below %1.")
                        .arg(native(StagingArea::DefaultRoot())));
    for (const QString& source : sources) {
        const QFileInfo info(source);
        if (!info.exists())
            return fail(CommandLine::tr("%1 does not exist.").arg(native(source)));
        const StagedContent::Added added = info.isDir() ? staged.addFolders(QString(), {info.absoluteFilePath()})
                                                        : staged.addFiles(QString(), {info.absoluteFilePath()});
        if (!added.skipped.isEmpty())
            return fail(
                CommandLine::tr("%1 cannot be added: another item has its name, it cannot be read, or it holds a "
                                "backslash in a name.")
                    .arg(native(added.skipped.first().path)));
    }
    const QStringList large = IsoBuild::LargeFiles(staged.content().root);
    request.allowLargeFiles = !large.isEmpty();
    if (request.allowLargeFiles && request.type != ImageType::Udf)
        err() << CommandLine::tr("Files of 4 GiB or more show their true size only in the image's UDF tree.")
              << Qt::endl;

    CreateImageJob job(&staged, request);
    bool interrupted = false;
    runJob(job, &interrupted);
    if (job.status() == Job::Status::Failed)
        return fail(job.stepReason());
    return verdict(job, interrupted,
        CommandLine::tr("Created %1 (%2 bytes).").arg(native(output)).arg(QFileInfo(output).size()),
        CommandLine::tr("The ISO file could not be created."));
}

int runEdit(const QCommandLineParser& parser, const Common& common)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || !parser.isSet(QStringLiteral("output")))
        return fail(CommandLine::tr(
                        "Usage: quillon edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]... "
                        "[--rename /PATH=NEWNAME]..."),
            ExitUsage);
    const QString image = QFileInfo(positional.first()).absoluteFilePath();
    const QString output = QFileInfo(parser.value(QStringLiteral("output"))).absoluteFilePath();
    if (const QString problem = imageProblem(image); !problem.isEmpty())
        return fail(problem);
    if (const QString problem = outputProblem(output, common.force); !problem.isEmpty())
        return fail(problem);
    // Every change is read before the image is opened: a typing error costs no extraction.
    struct Pair {
        QString left, right;
    };
    QList<Pair> adds, renames;
    for (const QString& value : parser.values(QStringLiteral("add"))) {
        Pair pair;
        if (!splitPair(value, pair.left, pair.right))
            return fail(CommandLine::tr("--add needs SOURCE=/PATH/IN/IMAGE, not %1.").arg(value), ExitUsage);
        if (!QFileInfo::exists(pair.left))
            return fail(CommandLine::tr("%1 does not exist.").arg(native(pair.left)));
        adds << pair;
    }
    for (const QString& value : parser.values(QStringLiteral("rename"))) {
        Pair pair;
        if (!splitPair(value, pair.left, pair.right))
            return fail(CommandLine::tr("--rename needs /PATH=NEWNAME, not %1.").arg(value), ExitUsage);
        renames << pair;
    }

    EditSession session(common.tools);
    if (!session.isValid())
        return fail(CommandLine::tr("The working folder could not be created below %1.")
                        .arg(native(StagingArea::DefaultRoot())));
    bool listed = false;
    QString listingFailure;
    QEventLoop loop;
    QObject::connect(&session, &EditSession::listingEnded, &loop, [&](bool complete, const QString& reason) {
        listed = complete;
        listingFailure = reason;
        loop.quit();
    });
    Platform::InterruptWatch watch;
    bool interrupted = false;
    QObject::connect(&watch, &Platform::InterruptWatch::interrupted, &loop, [&] {
        interrupted = true;
        loop.quit();
    });
    session.open(image);
    // Only now does the session know the image it must not write over.
    if (const QString problem = session.saveTargetProblem(output); !problem.isEmpty()) {
        session.stopImageWork();
        return fail(problem);
    }
    loop.exec();
    if (interrupted) {
        session.stopImageWork();
        return fail(CommandLine::tr("Stopped."), ExitInterrupted);
    }
    if (!listed)
        return fail(listingFailure);

    for (const QString& path : parser.values(QStringLiteral("remove"))) {
        const IsoEntry* entry = session.findPath(path);
        if (!entry || entry == &session.content().root)
            return fail(CommandLine::tr("%1 is not in the image.").arg(path));
        session.removeEntry(entry->name);
    }
    for (const Pair& rename : renames) {
        IsoEntry* entry = session.findPath(rename.left);
        if (!entry || entry == &session.content().root)
            return fail(CommandLine::tr("%1 is not in the image.").arg(rename.left));
        if (const QString problem = session.nameProblem(entry->parent(), rename.right, entry); !problem.isEmpty())
            return fail(problem);
        session.renameEntry(entry->name, rename.right);
    }
    for (const Pair& add : adds) {
        // Into a folder of the image under the source's name, or to the path given.
        const QString sourceName = QFileInfo(QDir::cleanPath(add.left)).fileName();
        IsoEntry* folder = session.findPath(add.right);
        QString name = sourceName;
        if (!folder || !folder->isDir) {
            const QString path = modelPath(add.right);
            folder = path.isEmpty() ? nullptr : session.findPath(ParentPath(path));
            name = LastPathComponent(path);
            if (!folder || !folder->isDir)
                return fail(
                    CommandLine::tr("The image has no folder %1.").arg(QDir::fromNativeSeparators(ParentPath(path))));
        }
        if (const QString problem = session.nameProblem(folder, name, nullptr); !problem.isEmpty())
            return fail(problem);
        const EditSession::AddResult result = session.addItems(folder, {QFileInfo(add.left).absoluteFilePath()});
        if (result.added.isEmpty())
            return fail(
                CommandLine::tr("%1 cannot be added: it cannot be read, it holds a backslash in a name, or it links "
                                "back to a folder that holds it.")
                    .arg(native(add.left)));
        if (name != sourceName)
            session.renameEntry(result.added.first()->name, name);
    }

    // Which builder and what the copy will lack, before anything is written.
    const EditSession::SavePlan plan = session.savePlan();
    err() << plan.why << '\n';
    if (!plan.lost.isEmpty())
        err() << CommandLine::tr("The new image will not keep: %1").arg(plan.lost.join(QStringLiteral("; "))) << '\n';
    std::unique_ptr<JobSequence> save(session.makeSaveJob(output));
    runJob(*save, &interrupted);
    return verdict(*save, interrupted, CommandLine::tr("Saved %1.").arg(native(output)),
        CommandLine::tr("The ISO file could not be saved."));
}

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

QString subcommandOf(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument.startsWith(QLatin1Char('-')))
            return QString(); // options of the window come first; a subcommand is the first word
        for (const char* name : Subcommands) {
            if (argument == QLatin1String(name))
                return argument;
        }
        return QString();
    }
    return QString();
}

} // namespace

QString CommandLineHelp()
{
    return CommandLine::tr(
        "Usage: quillon [IMAGE]\n"
        "       quillon --page burn|extract|create|edit|copy-disc [IMAGE]\n"
        "       quillon SUBCOMMAND ...\n"
        "\n"
        "Without a subcommand the window starts, with IMAGE open on the Extract page (or on the page\n"
        "--page names). The subcommands run the same jobs without a display:\n"
        "\n"
        "  extract IMAGE TARGET [ITEM...]      extract the items (everything when none) into TARGET\n"
        "  create --output IMAGE [--label LABEL] [--type joliet|iso9660|udf] SOURCE...\n"
        "                                      build an image from files and folders\n"
        "  edit IMAGE --output NEW [--add SOURCE=/PATH/IN/IMAGE]... [--remove /PATH]...\n"
        "       [--rename /PATH=NEWNAME]...    save a changed copy that boots as the original\n"
        "  burn IMAGE --usb DEVICE [--style mbr|gpt|image] [--file-system FAT32|NTFS|exFAT|FAT]\n"
        "       [--label LABEL] [--yes]        make a bootable USB stick (image: write a hybrid\n"
        "                                      image as it is; file system and label ignored)\n"
        "  burn IMAGE --disc RECORDER          write the image to a CD/DVD\n"
        "  copy-disc DRIVE --output IMAGE      read a CD/DVD into an image\n"
        "  list-drives                         the USB disks and recorders one can burn to\n"
        "\n"
        "Options:\n"
        "  --force               replace an existing output file (extract: existing files)\n"
        "  --yes                 write to the USB disk without asking\n"
        "  --allow-loop-device   accept a loop device as a USB disk (tests; root only)\n"
        "  -h, --help            show this help\n"
        "  -v, --version         show the version\n"
        "\n"
        "Progress goes to standard error, results to standard output. The exit status is 0 only\n"
        "when the job's own check passed; Ctrl+C stops the job and removes partial output.");
}

bool IsCommandLineRun(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--"))
            break;
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("-v")
            || a == QLatin1String("--version"))
            return true;
    }
    return !subcommandOf(arguments).isEmpty();
}

QString PageArgument(const QStringList& arguments, QString* error)
{
    for (int i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments.at(i) == QLatin1String("--page") && i + 1 < arguments.size())
            value = arguments.at(i + 1);
        else if (arguments.at(i).startsWith(QLatin1String("--page=")))
            value = arguments.at(i).mid(7);
        else
            continue;
        for (const char* page : Pages) {
            if (value == QLatin1String(page))
                return value;
        }
        if (error)
            *error = CommandLine::tr("Unknown page %1: use burn, extract, create, edit or copy-disc.").arg(value);
        return QString();
    }
    return QString();
}

int RunCommandLine(const QStringList& arguments)
{
    // Engine texts in the user's language, as the window shows them.
    QTranslator translator;
    translator.load(AppDir() + Util::TranslationFileFor(QLocale()));
    QCoreApplication::installTranslator(&translator);

    const QString subcommand = subcommandOf(arguments);
    QStringList rest = arguments;
    if (!subcommand.isEmpty())
        rest.removeAt(rest.indexOf(subcommand, 1));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption({QStringLiteral("force"), QString()});
    parser.addOption({QStringLiteral("page"), QString(), QStringLiteral("PAGE")});
    if (subcommand == QLatin1String("create") || subcommand == QLatin1String("edit")
        || subcommand == QLatin1String("copy-disc"))
        parser.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("IMAGE")});
    if (subcommand == QLatin1String("create")) {
        parser.addOption({QStringLiteral("label"), QString(), QStringLiteral("LABEL")});
        parser.addOption({QStringLiteral("type"), QString(), QStringLiteral("TYPE"), QStringLiteral("joliet")});
    }
    if (subcommand == QLatin1String("edit")) {
        parser.addOption({QStringLiteral("add"), QString(), QStringLiteral("SOURCE=PATH")});
        parser.addOption({QStringLiteral("remove"), QString(), QStringLiteral("PATH")});
        parser.addOption({QStringLiteral("rename"), QString(), QStringLiteral("PATH=NAME")});
    }
    if (subcommand == QLatin1String("burn")) {
        parser.addOption({QStringLiteral("usb"), QString(), QStringLiteral("DEVICE")});
        parser.addOption({QStringLiteral("disc"), QString(), QStringLiteral("RECORDER")});
        parser.addOption({QStringLiteral("style"), QString(), QStringLiteral("STYLE"), QStringLiteral("mbr")});
        parser.addOption({QStringLiteral("file-system"), QString(), QStringLiteral("FS"), QStringLiteral("FAT32")});
        parser.addOption({QStringLiteral("label"), QString(), QStringLiteral("LABEL")});
        parser.addOption({QStringLiteral("yes"), QString()});
        parser.addOption({QStringLiteral("allow-loop-device"), QString()});
    }
    if (!parser.parse(rest))
        return fail(
            parser.errorText() + QLatin1Char('\n') + CommandLine::tr("quillon --help shows the usage."), ExitUsage);
    if (parser.isSet(help)) {
        out() << CommandLineHelp() << Qt::endl;
        return 0;
    }
    if (parser.isSet(version)) {
        out() << "quillon " << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    }

    Common common;
    common.force = parser.isSet(QStringLiteral("force"));
    if (subcommand == QLatin1String("extract"))
        return runExtract(parser.positionalArguments(), common);
    if (subcommand == QLatin1String("create"))
        return runCreate(parser, common);
    if (subcommand == QLatin1String("edit"))
        return runEdit(parser, common);
    if (subcommand == QLatin1String("burn"))
        return runBurn(parser, common);
    if (subcommand == QLatin1String("copy-disc"))
        return runCopyDisc(parser, common);
    if (subcommand == QLatin1String("list-drives"))
        return runListDrives(common);
    return fail(CommandLine::tr("quillon --help shows the usage."), ExitUsage);
}
