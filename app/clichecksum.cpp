// The checksum subcommand: the sum as sha256sum prints it, then whether it
// matches the one published beside the image.
#include "app/clicommon.h"
#include "image/imagechecksum.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace Cli {

int runChecksum(const QCommandLineParser& parser)
{
    const QStringList positional = parser.positionalArguments();
    static const struct {
        const char* option;
        HashKind kind;
    } options[] = {{"sha256", HashKind::Sha256}, {"sha1", HashKind::Sha1}, {"md5", HashKind::Md5}};
    QList<HashKind> kinds;
    for (const auto& o : options) {
        if (parser.isSet(QLatin1String(o.option)))
            kinds << o.kind;
    }
    if (positional.size() != 1 || kinds.size() > 1)
        return fail(CommandLine::tr("Usage: quillon checksum IMAGE [--sha256|--sha1|--md5]"), ExitUsage);
    const QString image = QFileInfo(positional.first()).absoluteFilePath();
    if (const QString problem = imageProblem(image); !problem.isEmpty())
        return fail(problem);

    ChecksumJob job(image, kinds.isEmpty() ? HashKind::Sha256 : kinds.first());
    bool interrupted = false;
    runJob(job, &interrupted);
    if (interrupted || job.status() == Job::Status::Stopped)
        return fail(CommandLine::tr("Stopped."), ExitInterrupted);
    if (job.status() != Job::Status::Succeeded)
        return fail(job.reason());
    // As the user named it, so that the line can go into a sums file of theirs.
    out() << Checksum::SumLineFor(job.hex(), positional.first()) << Qt::endl;
    err() << job.verdictText() << Qt::endl;
    return job.comparison() == ChecksumJob::Comparison::Differs ? ExitFailed : 0;
}

} // namespace Cli
