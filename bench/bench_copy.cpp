// Copy figures (files cached in /tmp/quillon-bench-cache between runs):
//   - CopyFile of a 1 GiB file against `cp` on the same disk, in the same run;
//   - CFileCopy::RemainingBytes with a queued folder of 100,000 files, per
//     call after the first (the worker is busy with a long copy meanwhile).
// Run: build-*/bin/bench_copy
#include "image/filecopy.h"
#include "image/fileutils.h"

#include "benchmain.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

QString cacheDir()
{
    const QString dir = QStringLiteral("/tmp/quillon-bench-cache");
    QDir().mkpath(dir);
    return dir;
}

QString bigFile()
{
    const QString path = cacheDir() + QStringLiteral("/copy-1g.bin");
    const qint64 size = 1LL << 30;
    if (QFileInfo(path).size() == size)
        return path;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    QByteArray block(1 << 20, '\0');
    for (int i = 0; i < block.size(); ++i)
        block[i] = char(i * 131 + 7); // not sparse, not all zero
    for (qint64 done = 0; done < size; done += block.size()) {
        block[0] = char(done >> 20);
        f.write(block);
    }
    return path;
}

QString manyFilesFolder()
{
    const QString dir = cacheDir() + QStringLiteral("/copy-100k-files");
    const QString done = dir + QStringLiteral(".complete");
    if (QFileInfo::exists(done))
        return dir;
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    for (int i = 0; i < 100000; ++i) {
        QFile f(dir + QStringLiteral("/f%1.txt").arg(i, 6, 10, QLatin1Char('0')));
        f.open(QIODevice::WriteOnly);
        f.write("0123456789");
    }
    QFile(done).open(QIODevice::WriteOnly);
    return dir;
}

double runCp(const QString& src, const QString& dst)
{
    QFile::remove(dst);
    QElapsedTimer t;
    t.start();
    QProcess::execute(QStringLiteral("cp"), {src, dst});
    return t.nsecsElapsed() / 1e9;
}

double runCopyFile(const QString& src, const QString& dst)
{
    QFile::remove(dst);
    QElapsedTimer t;
    t.start();
    CopyFile(src, dst);
    return t.nsecsElapsed() / 1e9;
}

void BM_CopyFile1GiBvsCp(benchmark::State& state)
{
    const QString src = bigFile();
    if (src.isEmpty()) {
        state.SkipWithError("could not write the source file");
        return;
    }
    const QString dst = cacheDir() + QStringLiteral("/copy-target.bin");
    double ours = 0, cp = 0;
    int n = 0;
    for (auto _ : state) {
        // Alternate the order so neither side always meets a warmer cache.
        if (n % 2 == 0) {
            cp += runCp(src, dst);
            const double s = runCopyFile(src, dst);
            ours += s;
            state.SetIterationTime(s);
        } else {
            const double s = runCopyFile(src, dst);
            ours += s;
            state.SetIterationTime(s);
            cp += runCp(src, dst);
        }
        ++n;
    }
    QFile::remove(dst);
    const double mib = 1024.0;
    state.counters["CopyFile_MiBps"] = mib * n / ours;
    state.counters["cp_MiBps"] = mib * n / cp;
    state.counters["ratio_vs_cp"] = cp / ours;
}

void BM_RemainingBytes100kFolder(benchmark::State& state)
{
    const QString folder = manyFilesFolder();
    const QString src = bigFile();
    const QString target = cacheDir() + QStringLiteral("/remaining-target");
    QDir(target).removeRecursively();
    CFileCopy worker;
    // A long first task keeps the folder task queued while we poll.
    worker.AddTask(src, target + QStringLiteral("/big.bin"), CFileCopy::Copy);
    worker.AddTask(folder, target, CFileCopy::Copy);
    QElapsedTimer first;
    first.start();
    worker.RemainingBytes();
    const double firstMs = first.nsecsElapsed() / 1e6;
    for (auto _ : state)
        benchmark::DoNotOptimize(worker.RemainingBytes());
    state.counters["first_call_ms"] = firstMs;
    worker.Clear();
    worker.Stop();
    worker.wait();
    QDir(target).removeRecursively();
}

BENCHMARK(BM_CopyFile1GiBvsCp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_RemainingBytes100kFolder)->Unit(benchmark::kMicrosecond)->Iterations(2000);

} // namespace

QUILLON_BENCHMARK_MAIN()
