// The edit page against the plain tools, on a bootable 450 MB image:
// - open to browsable (listing complete) against `7z l` alone, and to fully
//   extracted against `7z x` alone;
// - save (waits, checks, boot rebuild, build, result check) against
//   genisoimage alone with the same arguments on the same working folder.
// With --resave IN OUT it opens IN on the page and saves it as OUT instead
// (tools/bootcheck.sh boots both).
#include "image/bootrebuild.h"
#include "image/isocontent.h"
#include "pages/page4.h"
#include "runner/tools.h"
#include "scripteddialogs.h"
#include "runner/sevenzip.h"
#include "runner/isobuilder.h"

#include "benchmain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

ScriptedDialogs g_dialogs; // answers the choosers; result messages must not wait for a click

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
            {"-quiet", "-J", "-R", "-V", "BIG", "-b", "boot/loader.bin", "-no-emul-boot", "-boot-load-size", "4",
             "-o", image, root});
    return image;
}

// Starts something on the page and runs the event loop until `signal`
// comes; its bool argument is the result.
template <class Signal>
bool runUntil(CPage4& page, Signal signal, const std::function<void()>& start)
{
    bool ended = false, result = false;
    QEventLoop loop;
    const auto connection = QObject::connect(&page, signal, &loop, [&](bool ok) {
        ended = true;
        result = ok;
        loop.quit();
    });
    start();
    if (!ended)
        loop.exec();
    QObject::disconnect(connection);
    return result;
}

struct Opened
{
    double listedSeconds = 0;
    double extractedSeconds = 0;
};

Opened openOnPage(CPage4& page, const QString& image)
{
    Opened times;
    QElapsedTimer clock;
    clock.start();
    bool extracted = false;
    const auto connection = QObject::connect(&page, &CPage4::sigExtractionEnded, [&] { extracted = true; });
    runUntil(page, &CPage4::sigListingEnded, [&] { page.LoadImage(image); });
    times.listedSeconds = clock.nsecsElapsed() / 1e9;
    if (!extracted)
        runUntil(page, &CPage4::sigExtractionEnded, [] {});
    times.extractedSeconds = clock.nsecsElapsed() / 1e9;
    QObject::disconnect(connection);
    return times;
}

bool saveOnPage(CPage4& page, const QString& output)
{
    g_dialogs.answers << (output);
    return runUntil(page, &CPage4::sigSaveEnded, [&] { page.OnSave(); });
}

// Every run starts alike: the image in the page cache, nothing dirty left
// from the run before.
void settle(const QString& image)
{
    QFile f(image);
    if (f.open(QIODevice::ReadOnly))
        while (!f.read(1 << 20).isEmpty()) {
        }
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
            CPage4 edit(nullptr, PageContext{&g_dialogs});
            times = openOnPage(edit, image);
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

void BM_Save(benchmark::State& state)
{
    const QString image = bigImage();
    CPage4 page(nullptr, PageContext{&g_dialogs});
    openOnPage(page, image);
    const QString output = work(QStringLiteral("saved.iso"));
    const QString plain = work(QStringLiteral("plain.iso"));
    // The same arguments the page gave the builder.
    const BootRebuildPlan plan = PlanBootRebuild(ReadImageBoot(image), page.Content().root, page.WorkingFolder(),
                                                 work(QStringLiteral("own")));
    bool pageFirst = true;
    std::vector<double> pageTimes, builderTimes, pairRatios;
    for (auto _ : state) {
        double pageSeconds = 0, builderSeconds = 0;
        const auto onPage = [&] {
            QFile::remove(output);
            ::sync();
            pageSeconds = timed([&] { return saveOnPage(page, output); }, state);
        };
        const auto builder = [&] {
            QFile::remove(plain);
            ::sync();
            builderSeconds = timed(
                [&] {
                    return runTool(Tools::builderTool(),
                                   Tools::saveEditedArgs(plan.options, plain, page.WorkingFolder()));
                },
                state);
        };
        if (pageFirst) {
            onPage();
            builder();
        } else {
            builder();
            onPage();
        }
        pageFirst = !pageFirst;
        state.SetIterationTime(pageSeconds);
        pageTimes.push_back(pageSeconds);
        builderTimes.push_back(builderSeconds);
        pairRatios.push_back(pageSeconds / builderSeconds);
    }
    state.counters["page_s"] = median(pageTimes);
    state.counters["genisoimage_s"] = median(builderTimes);
    state.counters["ratio"] = median(pageTimes) / median(builderTimes);
    // Neighbours in time meet the same disk state: the steadier figure.
    state.counters["pair_ratio"] = median(pairRatios);
}
BENCHMARK(BM_Save)->UseManualTime()->Iterations(16)->Unit(benchmark::kSecond);

int resave(const QString& input, const QString& output)
{
    CPage4 page(nullptr, PageContext{&g_dialogs});
    openOnPage(page, input);
    const bool ok = saveOnPage(page, output);
    const QString message = g_dialogs.last().text;
    std::printf("%s: %s\n", ok ? "saved" : "failed", qPrintable(message));
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
