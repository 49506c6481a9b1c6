// Content model figures against 7-Zip itself, on images made here (cached in
// /tmp/quillon-bench-cache between runs):
//   - the model built line by line from the `7z l` output of an image with
//     120,001 entries (a folder of 20,000 files and 100 folders of 999),
//     against the time 7z takes to print that listing, and the memory the
//     model takes per entry;
//   - the same for one folder of 100,000 files.
// Run: build-*/bin/bench_model
#include "core/tools.h"
#include "image/isocontent.h"
#include "runner/sevenzip.h"

#include "benchmain.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

QString cacheDir()
{
    const QString dir = QStringLiteral("/tmp/quillon-bench-cache");
    QDir().mkpath(dir);
    return dir;
}

void touch(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
}

// Builds (once) an image from a tree of empty files made by `fill`.
template <typename Fill> QString cachedImage(const QString& name, Fill fill)
{
    const QString image = cacheDir() + QLatin1Char('/') + name + QStringLiteral(".iso");
    if (QFileInfo::exists(image))
        return image;
    const QString src = cacheDir() + QLatin1Char('/') + name + QStringLiteral("-tree");
    QDir(src).removeRecursively();
    fill(src);
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("genisoimage"),
        {QStringLiteral("-quiet"), QStringLiteral("-input-charset"), QStringLiteral("utf-8"), QStringLiteral("-J"),
            QStringLiteral("-R"), QStringLiteral("-joliet-long"), QStringLiteral("-o"), image + QStringLiteral(".part"),
            src});
    p.waitForFinished(-1);
    if (p.exitCode() != 0 || !QFile::rename(image + QStringLiteral(".part"), image))
        return QString();
    QDir(src).removeRecursively();
    return image;
}

QString image120k()
{
    return cachedImage(QStringLiteral("model-120k"), [](const QString& src) {
        QDir().mkpath(src + QStringLiteral("/big"));
        for (int i = 0; i < 20000; ++i)
            touch(src + QStringLiteral("/big/file%1.txt").arg(i, 5, 10, QLatin1Char('0')));
        for (int d = 0; d < 100; ++d) {
            const QString folder = src + QStringLiteral("/dir%1").arg(d, 3, 10, QLatin1Char('0'));
            QDir().mkpath(folder);
            for (int i = 0; i < 999; ++i)
                touch(folder + QStringLiteral("/item%1.dat").arg(i, 4, 10, QLatin1Char('0')));
        }
    });
}

QString image100kOneFolder()
{
    return cachedImage(QStringLiteral("model-100k-one-folder"), [](const QString& src) {
        QDir().mkpath(src + QStringLiteral("/flat"));
        for (int i = 0; i < 100000; ++i)
            // Names that fit 8.3 as they are: mangling 100,000 colliding
            // names takes genisoimage many minutes.
            touch(src + QStringLiteral("/flat/f%1.bin").arg(i, 6, 10, QLatin1Char('0')));
    });
}

// Runs `7z l` and returns its output as the runner would hand it: one piece
// per line, line feed kept. `ms` gets the tool's running time.
QStringList listing(const QString& image, double& ms)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(Tools::archiveTool(), Tools::listArgs(image));
    p.waitForFinished(-1);
    const QByteArray out = p.readAll();
    ms = t.nsecsElapsed() / 1e6;
    QStringList pieces;
    for (const QByteArray& line : out.split('\n'))
        if (!line.trimmed().isEmpty())
            pieces << QString::fromUtf8(line) + QLatin1Char('\n');
    return pieces;
}

void modelFromListing(benchmark::State& state, const QString& image)
{
    if (image.isEmpty()) {
        state.SkipWithError("could not build the image");
        return;
    }
    double toolMs = 0, modelMs = 0, perEntry = 0;
    int entries = 0;
    for (auto _ : state) {
        const QStringList pieces = listing(image, toolMs);
        malloc_trim(0);
        const size_t before = mallinfo2().uordblks;
        QElapsedTimer t;
        t.start();
        auto* tree = new IsoContentTree;
        ListingReader reader(*tree);
        reader.Begin(QStringLiteral("image.iso"));
        for (const QString& piece : pieces)
            reader.Feed(piece);
        const bool complete = reader.EndOfRun();
        modelMs = t.nsecsElapsed() / 1e6;
        state.SetIterationTime(modelMs / 1000.0);
        entries = tree->EntryCount();
        perEntry = double(mallinfo2().uordblks - before) / entries;
        if (!complete)
            state.SkipWithError("listing incomplete");
        delete tree;
    }
    state.counters["entries"] = entries;
    state.counters["7z_list_ms"] = toolMs;
    state.counters["model_ms"] = modelMs;
    state.counters["model_vs_7z"] = modelMs / toolMs;
    state.counters["bytes_per_entry"] = perEntry;
}

void BM_Model120kEntries(benchmark::State& state)
{
    modelFromListing(state, image120k());
}

void BM_Model100kFilesOneFolder(benchmark::State& state)
{
    modelFromListing(state, image100kOneFolder());
}

BENCHMARK(BM_Model120kEntries)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Model100kFilesOneFolder)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QUILLON_BENCHMARK_MAIN()
