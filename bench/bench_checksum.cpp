// The image checksum against sha256sum on the same file (a 4 GiB image by
// default, QUILLON_BENCH_CHECKSUM_GIB to change it; kept in
// /tmp/quillon-bench-cache between runs):
//   - cached: the file in the page cache, so both are bound by the hash;
//   - uncached: the file's cached pages dropped before each run, so both
//     read from the disk.
// ratio: ChecksumJob's time over sha256sum's (1 or less when ours is as fast),
// the median of the two sides' medians; the two take turns at going first.
// Run: build/bin/bench_checksum
#include "image/imagechecksum.h"

#include "benchmain.h"
#include "testutil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <fcntl.h>
#include <unistd.h>

namespace {

QString image()
{
    static QString path;
    if (!path.isEmpty())
        return path;
    const qint64 gib = qEnvironmentVariableIsSet("QUILLON_BENCH_CHECKSUM_GIB")
        ? qEnvironmentVariableIntValue("QUILLON_BENCH_CHECKSUM_GIB")
        : 4;
    const QString dir = QStringLiteral("/tmp/quillon-bench-cache");
    QDir().mkpath(dir);
    path = dir + QStringLiteral("/checksum-%1g.iso").arg(gib);
    const qint64 size = gib << 30;
    if (QFileInfo(path).size() == size)
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return path = QString();
    // Not sparse and not one repeated block, so no reader can skip work.
    QByteArray block = TestUtil::randomBytes(4 << 20);
    for (qint64 done = 0; done < size; done += block.size()) {
        block[0] = char(done >> 22);
        if (file.write(block) != block.size())
            return path = QString();
    }
    return path;
}

void warm(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray block(4 << 20, Qt::Uninitialized);
    while (file.read(block.data(), block.size()) > 0) { }
}

void dropCache(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

double ours(const QString& path, QString* hex)
{
    ChecksumJob job(path, HashKind::Sha256);
    QElapsedTimer clock;
    clock.start();
    const bool ended = TestUtil::finish(job, 600000);
    const double seconds = clock.elapsed() / 1000.0;
    *hex = ended && job.status() == Job::Status::Succeeded ? job.hex() : QString();
    return seconds;
}

double theirs(const QString& path, QString* hex)
{
    QElapsedTimer clock;
    clock.start();
    const TestUtil::Result run = TestUtil::run(QStringLiteral("sha256sum"), {path}, 600000);
    const double seconds = clock.elapsed() / 1000.0;
    *hex = run.exitCode == 0 ? QString::fromLatin1(run.output.left(64)) : QString();
    return seconds;
}

void ImageChecksum(benchmark::State& state, bool cached)
{
    const QString path = image();
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the image");
        return;
    }
    std::vector<double> mine, coreutils;
    bool oursFirst = true;
    for (auto _ : state) {
        QString a, b;
        double t = 0, s = 0;
        for (int turn = 0; turn < 2; ++turn) {
            if (cached)
                warm(path);
            else
                dropCache(path);
            if ((turn == 0) == oursFirst)
                t = ours(path, &a);
            else
                s = theirs(path, &b);
        }
        oursFirst = !oursFirst;
        if (a.isEmpty() || a != b) {
            state.SkipWithError("the sums differ or a run failed");
            return;
        }
        state.SetIterationTime(t);
        mine.push_back(t), coreutils.push_back(s);
    }
    state.counters["job_s"] = median(mine);
    state.counters["sha256sum_s"] = median(coreutils);
    state.counters["ratio"] = median(mine) / median(coreutils);
    state.counters["job_MBps"] = double(QFileInfo(path).size()) / 1e6 / median(mine);
}

} // namespace

BENCHMARK_CAPTURE(ImageChecksum, cached, true)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(ImageChecksum, uncached, false)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

QUILLON_BENCHMARK_MAIN()
