// The edit engine (the session the page and `quillon edit` use) against the
// plain tools, on a bootable 450 MB image:
// - open to browsable (listing complete) against `7z l` alone, and to fully
//   extracted against `7z x` alone;
// - save (waits, checks, boot rebuild, build, result check) against
//   genisoimage alone with the same arguments on the same working folder;
// - the save of a hybrid image with one file added against xorriso's
//   `-boot_image any replay` of the same change by hand.
// With --resave IN OUT it opens IN and saves it as OUT instead
// (tools/bootcheck.sh boots both).
#include "core/job.h"
#include "core/tools.h"
#include "image/bootrebuild.h"
#include "image/editsession.h"
#include "image/isocontent.h"
#include "runner/isobuilder.h"
#include "runner/sevenzip.h"

#include "benchmain.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

constexpr int BigFiles = 45;
constexpr qint64 BigFileBytes = 10 * 1000 * 1000; // 45 x 10 MB = 450 MB

QTemporaryDir* g_work = nullptr;

QString work(const QString& relative)
{
    return g_work->path() + QLatin1Char('/') + relative;
}

bool writeBytes(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

bool runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// 450 MB of pseudo-random bytes with a no-emulation loader, as an image.
const QString& bigImage()
{
    static QString image;
    if (!image.isEmpty())
        return image;
    const QString root = work(QStringLiteral("big"));
    QByteArray block(int(BigFileBytes), Qt::Uninitialized);
    quint32 x = 12345;
    for (int i = 0; i < BigFiles; ++i) {
        for (int j = 0; j < block.size(); ++j) {
            x = x * 1103515245u + 12345u;
            block[j] = char(x >> 24);
        }
        writeBytes(root + QStringLiteral("/data/f%1.bin").arg(i), block);
    }
    writeBytes(root + QStringLiteral("/boot/loader.bin"), block.left(8192));
    image = work(QStringLiteral("big.iso"));
    runTool(QStringLiteral("genisoimage"),
        {"-quiet", "-J", "-R", "-V", "BIG", "-b", "boot/loader.bin", "-no-emul-boot", "-boot-load-size", "4", "-o",
            image, root});
    return image;
}

struct Opened {
    double listedSeconds = 0;
    double extractedSeconds = 0;
};

Opened openSession(EditSession& session, const QString& image)
{
    Opened times;
    QElapsedTimer clock;
    clock.start();
    bool listed = false, extracted = false;
    QEventLoop loop;
    QObject::connect(&session, &EditSession::listingEnded, &loop, [&] {
        listed = true;
        times.listedSeconds = clock.nsecsElapsed() / 1e9;
    });
    QObject::connect(&session, &EditSession::extractionEnded, &loop, [&] {
        extracted = true;
        loop.quit();
    });
    session.open(image);
    if (!extracted)
        loop.exec();
    times.extractedSeconds = clock.nsecsElapsed() / 1e9;
    if (!listed)
        times.listedSeconds = times.extractedSeconds;
    QObject::disconnect(&session, nullptr, &loop, nullptr);
    return times;
}

bool saveSession(EditSession& session, const QString& output)
{
    std::unique_ptr<JobSequence> job(session.makeSaveJob(output));
    QEventLoop loop;
    QObject::connect(job.get(), &Job::finished, &loop, &QEventLoop::quit);
    job->start();
    if (job->isRunning())
        loop.exec();
    return job->status() == Job::Status::Succeeded;
}

// Every run starts alike: the image in the page cache, nothing dirty left
// from the run before.
void settle(const QString& image)
{
    QFile f(image);
    if (f.open(QIODevice::ReadOnly))
        while (!f.read(1 << 20).isEmpty()) { }
    ::sync();
}

double timed(const std::function<bool()>& work, benchmark::State& state)
{
    QElapsedTimer clock;
    clock.start();
    if (!work())
        state.SkipWithError("run failed");
    return clock.nsecsElapsed() / 1e9;
}

// Page and tool take turns at going first.
void BM_Open(benchmark::State& state)
{
    const QString image = bigImage();
    bool pageFirst = true;
    std::vector<double> listed, lists, extracted, extracts, listedPairs, extractedPairs;
    for (auto _ : state) {
        Opened times;
        double list = 0, extract = 0;
        const auto page = [&] {
            settle(image);
            EditSession session(ToolSet::Installed());
            times = openSession(session, image);
        };
        const auto tools = [&] {
            QDir(work(QStringLiteral("x"))).removeRecursively();
            settle(image);
            list = timed([&] { return runTool(Tools::archiveTool(), Tools::listArgs(image)); }, state);
            extract = timed(
                [&] { return runTool(Tools::archiveTool(), Tools::extractAllArgs(work(QStringLiteral("x")), image)); },
                state);
        };
        if (pageFirst) {
            page();
            tools();
        } else {
            tools();
            page();
        }
        pageFirst = !pageFirst;
        state.SetIterationTime(times.extractedSeconds);
        listed.push_back(times.listedSeconds);
        lists.push_back(list);
        extracted.push_back(times.extractedSeconds);
        extracts.push_back(extract);
        listedPairs.push_back(times.listedSeconds / list);
        extractedPairs.push_back(times.extractedSeconds / extract);
    }
    state.counters["listed_s"] = median(listed);
    state.counters["7z_l_s"] = median(lists);
    state.counters["listed_ratio"] = median(listed) / median(lists);
    state.counters["extracted_s"] = median(extracted);
    state.counters["7z_x_s"] = median(extracts);
    state.counters["extracted_ratio"] = median(extracted) / median(extracts);
    state.counters["listed_pair_ratio"] = median(listedPairs);
    state.counters["extracted_pair_ratio"] = median(extractedPairs);
}
BENCHMARK(BM_Open)->UseManualTime()->Iterations(10)->Unit(benchmark::kSecond);

// Our save against the builder run by hand with the same arguments, taking
// turns at going first.
void compareSave(benchmark::State& state, EditSession& session, const QString& builder, const QStringList& byHand,
    const QString& byHandOutput, const char* builderCounter)
{
    const QString output = work(QStringLiteral("saved.iso"));
    bool pageFirst = true;
    std::vector<double> pageTimes, builderTimes, pairRatios;
    for (auto _ : state) {
        double pageSeconds = 0, builderSeconds = 0;
        const auto onPage = [&] {
            QFile::remove(output);
            ::sync();
            pageSeconds = timed([&] { return saveSession(session, output); }, state);
        };
        const auto alone = [&] {
            QFile::remove(byHandOutput);
            ::sync();
            builderSeconds = timed([&] { return runTool(builder, byHand); }, state);
        };
        if (pageFirst) {
            onPage();
            alone();
        } else {
            alone();
            onPage();
        }
        pageFirst = !pageFirst;
        state.SetIterationTime(pageSeconds);
        pageTimes.push_back(pageSeconds);
        builderTimes.push_back(builderSeconds);
        pairRatios.push_back(pageSeconds / builderSeconds);
    }
    state.counters["page_s"] = median(pageTimes);
    state.counters[builderCounter] = median(builderTimes);
    state.counters["ratio"] = median(pageTimes) / median(builderTimes);
    // Neighbours in time meet the same disk state: the steadier figure.
    state.counters["pair_ratio"] = median(pairRatios);
    std::printf("%s: ours %.3f s, by hand %.3f s, ratio %.3f (pairs %.3f)\n", builderCounter, median(pageTimes),
        median(builderTimes), median(pageTimes) / median(builderTimes), median(pairRatios));
}

void BM_Save(benchmark::State& state)
{
    const QString image = bigImage();
    EditSession session(ToolSet::Installed());
    openSession(session, image);
    const QString plain = work(QStringLiteral("plain.iso"));
    // The same arguments the page gave the builder.
    const BootRebuildPlan plan = PlanBootRebuild(
        ReadImageBoot(image), session.content().root, session.workingFolder(), work(QStringLiteral("own")));
    compareSave(state, session, Tools::builderTool(),
        Tools::saveEditedArgs(plan.options, plain, session.workingFolder()), plain, "genisoimage_s");
}
BENCHMARK(BM_Save)->UseManualTime()->Iterations(16)->Unit(benchmark::kSecond);

// The same 450 MB as a hybrid image (isohybrid MBR, EFI entry, GPT), which
// the session saves through xorriso's replay of the boot setup.
QString hybridImage()
{
    bigImage(); // its tree
    const QString root = work(QStringLiteral("big"));
    writeBytes(root + QStringLiteral("/boot/efi.img"), QByteArray(300 * 1024, 'e'));
    const QString image = work(QStringLiteral("hybrid.iso"));
    QDir().mkpath(root + QStringLiteral("/isolinux"));
    QFile::copy(QStringLiteral("/usr/lib/ISOLINUX/isolinux.bin"), root + QStringLiteral("/isolinux/isolinux.bin"));
    runTool(QStringLiteral("xorriso"),
        {"-as", "mkisofs", "-R", "-J", "-V", "HYBRID", "-isohybrid-mbr", "/usr/lib/ISOLINUX/isohdpfx.bin", "-b",
            "isolinux/isolinux.bin", "-c", "isolinux/boot.cat", "-no-emul-boot", "-boot-load-size", "4",
            "-boot-info-table", "-eltorito-alt-boot", "-e", "boot/efi.img", "-no-emul-boot", "-isohybrid-gpt-basdat",
            "-o", image, root});
    return image;
}

// One file added, saved by the session against xorriso's own replay of the
// same change written by hand.
void BM_SaveHybrid(benchmark::State& state)
{
    const QString image = hybridImage();
    const QString added = work(QStringLiteral("added.bin"));
    writeBytes(added, QByteArray(1 << 20, 'a'));
    EditSession session(ToolSet::Installed());
    openSession(session, image);
    session.addItems(&session.content().root, {added});
    if (!session.savePlan().xorriso) {
        state.SkipWithError(qPrintable(session.savePlan().why));
        return;
    }
    const QString plain = work(QStringLiteral("plain-hybrid.iso"));
    compareSave(state, session, QStringLiteral("xorriso"),
        {"-indev", image, "-outdev", plain, "-compliance", "no_emul_toc", "-boot_image", "any", "replay", "-map", added,
            "/added.bin", "-commit"},
        plain, "xorriso_s");
}
BENCHMARK(BM_SaveHybrid)->UseManualTime()->Iterations(10)->Unit(benchmark::kSecond);

int resave(const QString& input, const QString& output)
{
    EditSession session(ToolSet::Installed());
    openSession(session, input);
    const bool ok = saveSession(session, output);
    std::printf("%s: %s\n", ok ? "saved" : "failed", qPrintable(output));
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc == 4 && QByteArray(argv[1]) == "--resave")
        return resave(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    QTemporaryDir dir;
    g_work = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
