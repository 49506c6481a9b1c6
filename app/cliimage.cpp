// The image subcommands: extract, create, edit.
#include "app/clicommon.h"
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
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

#include <memory>

namespace Cli {

namespace {

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

} // namespace

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

} // namespace Cli
