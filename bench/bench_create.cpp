// The create page against the plain tools:
// - building a 450 MB image through the page (staging already done) against
//   genisoimage alone on the same staged tree;
// - adding a folder of 20,000 files: time until the rows are in the list, and
//   staging time against `cp -r` of the same folder.
#include "core/tools.h"
#include "image/filecopy.h"
#include "image/fileutils.h"
#include "pages/createpage.h"
#include "runner/isobuilder.h"
#include "ui/mytreewidget.h"

#include "benchmain.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr int BigFiles = 45;
constexpr qint64 BigFileBytes = 10 * 1000 * 1000; // 45 x 10 MB = 450 MB
constexpr int SmallFolders = 100;
constexpr int SmallFilesPerFolder = 200; // 20,000 files

QTemporaryDir* g_work = nullptr;
// Answers the pages' dialogs; every page of the benchmarks uses it.
ScriptedDialogs g_dialogs;

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

// 450 MB in 45 files of pseudo-random bytes.
const QString& bigTree()
{
    static QString root;
    if (!root.isEmpty())
        return root;
    root = work(QStringLiteral("big"));
    QByteArray block(int(BigFileBytes), Qt::Uninitialized);
    quint32 x = 12345;
    for (int i = 0; i < BigFiles; ++i) {
        for (int j = 0; j < block.size(); ++j) {
            x = x * 1664525u + 1013904223u;
            block[j] = char(x >> 24);
        }
        writeBytes(root + QStringLiteral("/d%1/f%2.bin").arg(i % 5).arg(i), block);
    }
    return root;
}

// 20,000 files of 1 to 8 KB in 100 folders.
const QString& smallTree()
{
    static QString root;
    if (!root.isEmpty())
        return root;
    root = work(QStringLiteral("small"));
    for (int d = 0; d < SmallFolders; ++d) {
        for (int f = 0; f < SmallFilesPerFolder; ++f) {
            const int size = 1024 * (1 + (d * SmallFilesPerFolder + f) % 8);
            writeBytes(root + QStringLiteral("/folder%1/file%2.txt").arg(d, 3, 10, QLatin1Char('0')).arg(f),
                QByteArray(size, char('a' + f % 26)));
        }
    }
    return root;
}

bool runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(-1) || !p.waitForFinished(-1))
        return false;
    p.readAll();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

std::unique_ptr<CPage3> g_page;

// A page with the 450 MB tree staged, shared by the build benchmarks.
CPage3* stagedPage()
{
    if (!g_page) {
        g_page = std::make_unique<CPage3>(nullptr, PageContext {&g_dialogs});
        g_dialogs.answers << bigTree();
        g_page->OnAddDir();
        g_page->Copier()->WaitForIdle(-1);
    }
    return g_page.get();
}

// Create through the page, as the button does; true for a good image.
bool createThroughPage(CPage3* page, const QString& image)
{
    bool done = false;
    bool succeeded = false;
    QEventLoop loop;
    const auto connection = QObject::connect(page, &CPage3::sigCreateEnded, &loop, [&](bool ok) {
        done = true;
        succeeded = ok;
        loop.quit();
    });
    g_dialogs.answers << image;
    page->OnCreate();
    if (!done)
        loop.exec();
    QObject::disconnect(connection);
    return succeeded;
}

double seconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// Both builds in every iteration, in turns, so both meet the same disk state;
// the benchmark's time is the page's, the counters give both and their ratio.
void BM_BuildPageVsAlone(benchmark::State& state)
{
    CPage3* page = stagedPage();
    const QString image = work(QStringLiteral("build.iso"));
    const QStringList args = Tools::createImageArgs(Tools::ImageType::Joliet, image, page->StagingFolder());
    std::vector<double> pageTimes;
    std::vector<double> aloneTimes;
    bool pageFirst = true;
    for (auto _ : state) {
        double pageTime = 0;
        double aloneTime = 0;
        for (int turn = 0; turn < 2; ++turn) {
            QElapsedTimer timer;
            timer.start();
            if ((turn == 0) == pageFirst) {
                if (!createThroughPage(page, image))
                    state.SkipWithError("build through the page failed");
                pageTime = seconds(timer);
            } else {
                if (!runTool(Tools::builderTool(), args))
                    state.SkipWithError("genisoimage failed");
                aloneTime = seconds(timer);
            }
            QFile::remove(image);
        }
        // The run after a removed 450 MB image meets its write-back: take turns.
        pageFirst = !pageFirst;
        state.SetIterationTime(pageTime);
        pageTimes.push_back(pageTime);
        aloneTimes.push_back(aloneTime);
    }
    // Medians: a run that meets the disk's write-back takes twice as long,
    // whoever runs it.
    const double pageMedian = median(pageTimes);
    const double alone = median(aloneTimes);
    state.counters["page_median_ms"] = 1000 * pageMedian;
    state.counters["alone_median_ms"] = 1000 * alone;
    state.counters["ratio"] = alone > 0 ? pageMedian / alone : 0;
    state.SetBytesProcessed(state.iterations() * BigFiles * BigFileBytes);
}

// Rows: OnAddDir until it returns with every row in the list.
void BM_AddFolderRows(benchmark::State& state)
{
    const QString tree = smallTree();
    for (auto _ : state) {
        state.PauseTiming();
        auto page = std::make_unique<CPage3>(nullptr, PageContext {&g_dialogs});
        page->Copier()->Stop(); // rows only: no copying in the background
        page->Copier()->wait();
        g_dialogs.answers << tree;
        state.ResumeTiming();
        page->OnAddDir();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (page->List()->topLevelItemCount() != 1 || page->List()->topLevelItem(0)->childCount() != SmallFolders)
            state.SkipWithError("rows missing");
        const QString staging = page->StagingFolder();
        page.reset();
        RemoveFolderTree(staging);
        state.ResumeTiming();
    }
    state.counters["files"] = SmallFolders * SmallFilesPerFolder;
}

// Staging (from the click until the worker is idle) against `cp -r` of the
// same folder, taking turns, each started after a sync so neither pays for the
// other's write-back.
void BM_StagingVsCp(benchmark::State& state)
{
    const QString tree = smallTree();
    const QString cpTarget = work(QStringLiteral("cp-target"));
    std::vector<double> stagingTimes;
    std::vector<double> cpTimes;
    bool stagingFirst = true;
    for (auto _ : state) {
        double stagingTime = 0;
        for (int turn = 0; turn < 2; ++turn) {
            ::sync();
            if ((turn == 0) == stagingFirst) {
                auto page = std::make_unique<CPage3>(nullptr, PageContext {&g_dialogs});
                page->Copier()->WaitForIdle(-1);
                g_dialogs.answers << tree;
                QElapsedTimer timer;
                timer.start();
                page->OnAddDir();
                page->Copier()->WaitForIdle(-1);
                stagingTime = seconds(timer);
                stagingTimes.push_back(stagingTime);
                if (!page->Copier()->TakeFailures().isEmpty())
                    state.SkipWithError("copy failures");
                const QString staging = page->StagingFolder();
                page.reset();
                RemoveFolderTree(staging);
            } else {
                QElapsedTimer timer;
                timer.start();
                if (!runTool(QStringLiteral("cp"), {QStringLiteral("-r"), tree, cpTarget}))
                    state.SkipWithError("cp failed");
                cpTimes.push_back(seconds(timer));
                RemoveFolderTree(cpTarget);
            }
        }
        stagingFirst = !stagingFirst;
        state.SetIterationTime(stagingTime);
    }
    const double staging = median(stagingTimes);
    const double cp = median(cpTimes);
    state.counters["staging_median_ms"] = 1000 * staging;
    state.counters["cp_median_ms"] = 1000 * cp;
    // Throughput of staging relative to cp -r (1 = as fast).
    state.counters["throughput_ratio"] = staging > 0 ? cp / staging : 0;
}

BENCHMARK(BM_BuildPageVsAlone)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_AddFolderRows)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_StagingVsCp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(4);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // staging below the test data folder
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/bench_create-XXXXXX"));
    g_work = &work;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_page) {
        const QString staging = g_page->StagingFolder();
        g_page.reset();
        RemoveFolderTree(staging);
    }
    return 0;
}
