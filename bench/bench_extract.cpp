// Extract page figures against 7-Zip alone, on images made here:
//   listing of 120,000 entries (one folder of 20,000 files) until tree and
//   table are shown, filling the table with that folder, and extracting a
//   450 MB image, and select-all plus extraction in a folder of 100,000
//   files. Run: build-*/bin/bench_extract
#include "core/tools.h"
#include "image/extractjob.h"
#include "pages/contentviews.h"
#include "pages/extractpage.h"
#include "runner/runcommandthread.h"
#include "runner/sevenzip.h"

#include "benchmain.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <memory>

namespace {

ScriptedDialogs g_dialogs; // answers the choosers; result messages must not wait for a click

// Images are kept between runs (they take a while to build).
QString workDir()
{
    const QString dir = QDir::tempPath() + QStringLiteral("/quillon-bench-extract");
    QDir().mkpath(dir);
    return dir;
}

bool runTool(const QString& program, const QStringList& args, int timeoutMs = 600000)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted() || !p.waitForFinished(timeoutMs))
        return false;
    p.readAll();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool makeIso(const QString& source, const QString& image)
{
    return runTool(QStringLiteral("genisoimage"),
        {QStringLiteral("-quiet"), QStringLiteral("-input-charset"), QStringLiteral("utf-8"), QStringLiteral("-J"),
            QStringLiteral("-R"), QStringLiteral("-joliet-long"), QStringLiteral("-o"), image, source});
}

void touch(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
}

// 120,000 entries: "big" with 20,000 files, and 100 more folders holding
// 99,899 files between them.
QString manyEntriesImage()
{
    static QString image;
    if (!image.isEmpty())
        return image;
    if (QFile::exists(workDir() + QStringLiteral("/many.iso")))
        return image = workDir() + QStringLiteral("/many.iso");
    const QString src = workDir() + QStringLiteral("/many");
    QDir().mkpath(src + QStringLiteral("/big"));
    for (int i = 0; i < 20000; ++i)
        touch(src + QStringLiteral("/big/file%1.txt").arg(i, 5, 10, QLatin1Char('0')));
    for (int d = 0; d < 100; ++d) {
        const QString folder = src + QStringLiteral("/dir%1").arg(d, 3, 10, QLatin1Char('0'));
        QDir().mkpath(folder);
        const int files = d == 99 ? 998 : 999;
        for (int i = 0; i < files; ++i)
            touch(folder + QStringLiteral("/item%1.dat").arg(i, 4, 10, QLatin1Char('0')));
    }
    image = workDir() + QStringLiteral("/many.iso");
    if (!makeIso(src, image + QStringLiteral(".part")) || !QFile::rename(image + QStringLiteral(".part"), image))
        image = QString();
    QDir(src).removeRecursively();
    return image;
}

// About 450 MB in three files (sparse sources: the image holds the bytes).
QString largeImage()
{
    static QString image;
    if (!image.isEmpty())
        return image;
    if (QFile::exists(workDir() + QStringLiteral("/large.iso")))
        return image = workDir() + QStringLiteral("/large.iso");
    const QString src = workDir() + QStringLiteral("/large");
    QDir().mkpath(src + QStringLiteral("/data"));
    for (int i = 0; i < 3; ++i) {
        QFile f(src + QStringLiteral("/data/part%1.bin").arg(i));
        f.open(QIODevice::WriteOnly);
        f.resize(qint64(150) * 1024 * 1024);
    }
    image = workDir() + QStringLiteral("/large.iso");
    if (!makeIso(src, image + QStringLiteral(".part")) || !QFile::rename(image + QStringLiteral(".part"), image))
        image = QString();
    QDir(src).removeRecursively();
    return image;
}

double msSince(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// Loads the image in a fresh page; returns ms until the table was filled
// (tree and table shown) and, in `endMs`, until the listing run had ended.
double loadInPage(CPage2& page, const QString& image, double* endMs)
{
    QEventLoop loop;
    QElapsedTimer timer;
    double shownMs = -1;
    auto shown = QObject::connect(page.Table()->model(), &QAbstractItemModel::rowsInserted, &loop, [&] {
        if (shownMs < 0)
            shownMs = msSince(timer);
    });
    auto ended = QObject::connect(&page, &CPage2::sigListingEnded, &loop, [&] { loop.quit(); });
    timer.start();
    page.LoadImage(image);
    loop.exec();
    *endMs = msSince(timer);
    QObject::disconnect(shown);
    QObject::disconnect(ended);
    return shownMs;
}

void BM_LoadImage120k(benchmark::State& state)
{
    const QString image = manyEntriesImage();
    if (image.isEmpty()) {
        state.SkipWithError("could not build the image");
        return;
    }
    double toolMs = 0, shownMs = 0, endMs = 0;
    int n = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        runTool(Tools::archiveTool(), Tools::listArgs(image));
        const double tool = msSince(t);

        CPage2 page(nullptr, PageContext {&g_dialogs});
        page.InitializeUI();
        double end = 0;
        const double shown = loadInPage(page, image, &end);
        state.SetIterationTime(shown / 1000.0);
        toolMs += tool;
        shownMs += shown;
        endMs += end;
        ++n;
        if (page.Content().EntryCount() != 120000)
            state.SkipWithError("unexpected entry count");
    }
    state.counters["7z_l_ms"] = toolMs / n;
    state.counters["page_shown_ms"] = shownMs / n;
    state.counters["page_run_end_ms"] = endMs / n;
    state.counters["ratio_shown"] = shownMs / toolMs;
}
BENCHMARK(BM_LoadImage120k)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// Breakdown of the load: the runner delivering 7-Zip's pieces to this thread
// with nothing done to them, and the listing reader fed a recorded listing.
void BM_ListingRunnerOnly(benchmark::State& state)
{
    const QString image = manyEntriesImage();
    qint64 pieces = 0;
    for (auto _ : state) {
        CRunCommandThread runner;
        QEventLoop loop;
        QObject::connect(&runner, &CRunCommandThread::standoutputline, &loop, [&](const QString&) { ++pieces; });
        QObject::connect(&runner, &CRunCommandThread::sigfinished, &loop, &QEventLoop::quit);
        runner.setCommand(Tools::archiveTool(), Tools::listArgs(image));
        runner.start();
        loop.exec();
        runner.wait();
    }
    state.counters["pieces"] = double(pieces) / double(state.iterations());
}
BENCHMARK(BM_ListingRunnerOnly)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ListingParseOnly(benchmark::State& state)
{
    const QString image = manyEntriesImage();
    QProcess p;
    p.start(Tools::archiveTool(), Tools::listArgs(image));
    p.waitForFinished(-1);
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (auto _ : state) {
        IsoContentTree content;
        ListingReader reader(content);
        ArchiveToolLog log;
        reader.Begin(QStringLiteral("many.iso"));
        for (const QString& line : lines) {
            log.Feed(line);
            reader.Feed(line);
        }
        benchmark::DoNotOptimize(content.EntryCount());
    }
}
BENCHMARK(BM_ListingParseOnly)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_FillFileTable20k(benchmark::State& state)
{
    const QString image = manyEntriesImage();
    CPage2 page(nullptr, PageContext {&g_dialogs});
    page.InitializeUI();
    double end = 0;
    loadInPage(page, image, &end);
    const IsoEntry* big = page.Content().FindEntry(QStringLiteral("big"));
    if (!big || big->childCount() != 20000) {
        state.SkipWithError("folder big not found");
        return;
    }
    for (auto _ : state) {
        const QList<IsoEntry*> rows = ContentView::FillFileTable(page.Table(), big);
        benchmark::DoNotOptimize(rows.size());
    }
}
BENCHMARK(BM_FillFileTable20k)->Iterations(5)->Unit(benchmark::kMillisecond);

// A one-file image: what the page adds to every extraction, whatever its size.
QString smallImage()
{
    const QString image = workDir() + QStringLiteral("/small.iso");
    if (QFile::exists(image))
        return image;
    const QString src = workDir() + QStringLiteral("/smallsrc");
    QDir().mkpath(src + QStringLiteral("/data"));
    touch(src + QStringLiteral("/data/one.txt"));
    const bool ok = makeIso(src, image);
    QDir(src).removeRecursively();
    return ok ? image : QString();
}

void BM_Extract(benchmark::State& state)
{
    const QString image = state.range(0) ? largeImage() : smallImage();
    if (image.isEmpty()) {
        state.SkipWithError("could not build the image");
        return;
    }
    const QString out = workDir() + QStringLiteral("/out");
    CPage2 page(nullptr, PageContext {&g_dialogs});
    page.InitializeUI();
    double end = 0;
    loadInPage(page, image, &end);
    // Warm the page cache once so neither side pays for the first read.
    runTool(Tools::archiveTool(), {QStringLiteral("t"), image});

    const auto byTool = [&] {
        QDir(out).removeRecursively();
        QElapsedTimer t;
        t.start();
        runTool(Tools::archiveTool(), {QStringLiteral("x"), image, QStringLiteral("-y"), QStringLiteral("-o") + out});
        return msSince(t);
    };
    const auto byPage = [&] {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        ContentView::SetAllChecked(page.Table(), true);
        g_dialogs.answers << (out);
        QEventLoop loop;
        bool ok = false;
        auto ended = QObject::connect(&page, &CPage2::sigExtractionEnded, &loop, [&](bool s) {
            ok = s;
            loop.quit();
        });
        QElapsedTimer t;
        t.start();
        page.OnExtract();
        loop.exec();
        const double viaPage = msSince(t);
        QObject::disconnect(ended);
        if (!ok)
            state.SkipWithError("extraction through the page failed");
        return viaPage;
    };
    // The two take turns at going first, so neither always follows the
    // other's removal of 450 MB.
    std::vector<double> tools, pages, pairs;
    bool pageFirst = false;
    for (auto _ : state) {
        double tool = 0, viaPage = 0;
        if (pageFirst) {
            viaPage = byPage();
            tool = byTool();
        } else {
            tool = byTool();
            viaPage = byPage();
        }
        pageFirst = !pageFirst;
        state.SetIterationTime(viaPage / 1000.0);
        tools.push_back(tool);
        pages.push_back(viaPage);
        pairs.push_back(viaPage / tool);
    }
    QDir(out).removeRecursively();
    state.counters["7z_x_ms"] = median(tools);
    state.counters["page_ms"] = median(pages);
    state.counters["ratio"] = median(pages) / median(tools);
    state.counters["pair_ratio"] = median(pairs);
}
// 1: the 450 MB image; 0: a one-file image.
BENCHMARK(BM_Extract)->Arg(1)->Arg(0)->UseManualTime()->Iterations(12)->Unit(benchmark::kMillisecond);

// 100,000 empty files in the image's root folder.
QString hundredThousandImage()
{
    const QString image = workDir() + QStringLiteral("/100k.iso");
    if (QFile::exists(image))
        return image;
    const QString src = workDir() + QStringLiteral("/100ksrc");
    QDir().mkpath(src);
    for (int i = 0; i < 100000; ++i)
        touch(src + QStringLiteral("/f%1.txt").arg(i, 6, 10, QLatin1Char('0')));
    const bool ok =
        makeIso(src, image + QStringLiteral(".part")) && QFile::rename(image + QStringLiteral(".part"), image);
    QDir(src).removeRecursively();
    return ok ? image : QString();
}

// Select-all in a folder of 100,000 files, then Extract until the page's end.
void BM_ExtractSelectAll100k(benchmark::State& state)
{
    const QString image = hundredThousandImage();
    if (image.isEmpty()) {
        state.SkipWithError("could not build the image");
        return;
    }
    const QString out = workDir() + QStringLiteral("/out100k");
    CPage2 page(nullptr, PageContext {&g_dialogs});
    page.InitializeUI();
    double end = 0;
    loadInPage(page, image, &end);
    std::vector<double> selects, extracts;
    int arrived = 0;
    for (auto _ : state) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        QElapsedTimer t;
        t.start();
        page.slotSelectAll(true);
        selects.push_back(msSince(t));
        g_dialogs.answers << out;
        QEventLoop loop;
        bool ok = false;
        auto ended = QObject::connect(&page, &CPage2::sigExtractionEnded, &loop, [&](bool s) {
            ok = s;
            loop.quit();
        });
        t.start();
        page.OnExtract();
        if (page.isEnabled()) // refused before the run began
            ok = false;
        else
            loop.exec();
        extracts.push_back(msSince(t));
        QObject::disconnect(ended);
        state.SetIterationTime((selects.back() + extracts.back()) / 1000.0);
        arrived = QDir(out).entryList(QDir::Files).size();
        if (!ok)
            state.SkipWithError("the extraction failed");
        page.slotSelectAll(false);
    }
    QDir(out).removeRecursively();
    state.counters["select_ms"] = median(selects);
    state.counters["extract_ms"] = median(extracts);
    state.counters["files"] = arrived;
}
BENCHMARK(BM_ExtractSelectAll100k)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
