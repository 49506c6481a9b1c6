// USB burn figures on a loop device (root only), on a hybrid image made here
// with 32 MB of data (96 MB for image mode). Each side of a pair gets a fresh
// stick (a new backing file, whose first write allocates its blocks), and the
// two take turns at going first.
//   copy_ratio: the copy stage inside a burn against `7z x` of the same image
//     onto the same kind of freshly mounted loop device;
//   pipeline_ratio: a whole FAT32 MBR burn (helper start included) against
//     the same tools run one after the other by hand (new table, format, copy,
//     boot code, both content sums, unmount and the FUSE driver's exit,
//     check, flush);
//   write_ratio (image mode): dd's time over the write stage's (the image
//     written with O_DIRECT and flushed), 1 or more when ours is as fast;
//     write_pair_ratio: the median of each pair's ratio (steadier under load);
//     wipe_write_ratio also counts our wipe of old signatures, which dd does
//     not do; verify_ratio: cmp's time over the read-back's.
// QUILLON_BENCH_STAGES=1 prints every stage's time of each burn.
// Run as root: build/bin/bench_usbburn
#include "burn/usbburnjob.h"
#include "core/tools.h"
#include "runner/sevenzip.h"
#include "runner/sevenziphash.h"

#include "benchmain.h"
#include "testutil.h"
#include "usbstick.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

struct Setup {
    QTemporaryDir dir;
    QString tree, image, hybrid, why;
    Setup()
    {
        why = UsbTest::cannotRun();
        tree = dir.filePath("tree");
        image = dir.filePath("image.iso");
        hybrid = dir.filePath("hybrid.iso");
        if (why.isEmpty()
            && !(UsbTest::makeLinuxTree(tree, 32 * 1024 * 1024)
                && TestUtil::makeIso(tree, image, UsbTest::linuxIsoArguments())
                && UsbTest::makeLinuxTree(dir.filePath("big"), 96 * 1024 * 1024)
                && UsbTest::makeHybridIso(dir.filePath("big"), hybrid)))
            why = "cannot build the test images";
    }
};

Setup& setup()
{
    static Setup s;
    return s;
}

// Seconds per step of a burn, by step name, from the progress with which
// each step announces itself.
struct StageClock {
    QMap<QString, double> seconds;
    QElapsedTimer clock;
    QString now;

    explicit StageClock(UsbBurnJob& job)
    {
        QObject::connect(&job, &Job::progress, [this, &job] {
            const QString name = job.current() ? job.current()->name() : QString();
            if (name != now)
                next(name);
        });
        QObject::connect(&job, &Job::finished, [this] { next(QString()); });
    }
    void next(const QString& name)
    {
        if (!now.isEmpty())
            seconds[now] += clock.elapsed() / 1000.0;
        now = name;
        clock.start();
    }
    void print() const
    {
        if (!qEnvironmentVariableIsSet("QUILLON_BENCH_STAGES"))
            return;
        for (auto it = seconds.begin(); it != seconds.end(); ++it)
            fprintf(stderr, "  %-32s %7.3f s\n", qPrintable(it.key()), it.value());
        fprintf(stderr, "\n");
    }
};

// A whole burn; returns its time and that of its copy stage, in seconds.
bool burn(const UsbTest::LoopStick& stick, double* total, double* copy)
{
    UsbBurnJob job(UsbBurnRequest {setup().image, stick.disk(), "FAT32", "BENCH", UsbStyle::Mbr},
        UsbTest::burnOptions(stick, setup().dir.path()));
    StageClock stages(job);
    QElapsedTimer clock;
    clock.start();
    const bool ended = TestUtil::finish(job, 600000);
    *total = clock.elapsed() / 1000.0;
    *copy = stages.seconds.value("Copying the files");
    stages.print();
    return ended && job.status() == Job::Status::Succeeded;
}

double timed(const QString& program, const QStringList& args, bool* ok)
{
    QElapsedTimer clock;
    clock.start();
    *ok = *ok && TestUtil::run(program, args, 600000).exitCode == 0;
    return clock.elapsed() / 1000.0;
}

// The burn's tools by hand, in its order; the copy's own time in *copy.
double byHand(const UsbTest::LoopStick& stick, double* copy, bool* ok)
{
    const QString mp = setup().dir.filePath("hand");
    QDir().mkpath(mp);
    const QString cfg = setup().dir.filePath("early.cfg");
    const QString map = setup().dir.filePath("device.map");
    TestUtil::writeFile(cfg, "set root=(hd0,msdos1)\nconfigfile /boot/quillon/grub.cfg\n");
    TestUtil::writeFile(map, ("(hd0) " + stick.disk() + "\n").toUtf8());
    double t = timed(Tools::archiveTool(), {"l", "-slt", setup().image}, ok);
    t += timed("wipefs", {"--all", "--force", stick.partition(1), stick.disk()}, ok);
    t += timed(
        "sh", {"-c", "printf 'label: dos\\nstart=2048, type=c, bootable\\n' | sfdisk -q \"$0\"", stick.disk()}, ok);
    const QString volume = stick.partition(1);
    t += timed("mkfs.vfat", {"-F", "32", "-n", "BENCH", "-h", "2048", volume}, ok);
    // In the foreground, so that its exit (its last data written) can be waited for.
    QProcess fuse;
    fuse.setStandardOutputFile(QProcess::nullDevice()); // nobody reads it: a full pipe would stop the driver
    fuse.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    fuse.start("fusefat", {"-f", "-o", "rw+,blkdev,fsname=" + volume, volume, mp});
    const QByteArray field = " " + QFileInfo(mp).canonicalFilePath().toUtf8() + " ";
    while (fuse.state() != QProcess::NotRunning && !TestUtil::readFile("/proc/self/mountinfo").contains(field))
        QThread::msleep(2);
    t += clock.elapsed() / 1000.0;
    QDir().mkpath(mp + "/.bios-setup");
    QFile::copy("/usr/lib/grub/i386-pc/boot.img", mp + "/.bios-setup/boot.img");
    t += timed("grub-mkimage",
        QStringList {"-O", "i386-pc", "-d", "/usr/lib/grub/i386-pc", "-o", mp + "/.bios-setup/core.img", "-p",
            "(,msdos1)/boot/grub", "-c", cfg}
            + UsbPlan::GrubModules(),
        ok);
    t += timed("/usr/lib/grub/i386-pc/grub-bios-setup",
        {"--skip-fs-probe", "-d", mp + "/.bios-setup", "-m", map, stick.disk()}, ok);
    QDir(mp + "/.bios-setup").removeRecursively();
    *copy = timed(Tools::archiveTool(), Tools::copyToDriveArgs(mp, setup().image, QString()), ok);
    t += *copy;
    t += timed(Tools::archiveTool(), Tools::imageSumArgs(setup().image, {}), ok);
    t += timed(Tools::archiveTool(), Tools::folderSumArgs(mp, {"BENCH"}), ok);
    clock.start();
    *ok = *ok && TestUtil::run("umount", {mp}).exitCode == 0 && fuse.waitForFinished(60000);
    t += clock.elapsed() / 1000.0;
    t += timed("fsck.vfat", {"-n", volume}, ok);
    t += timed("blockdev", {"--flushbufs", stick.disk()}, ok);
    return t;
}

// One burn and the same tools by hand per round, each on a fresh stick; the
// iteration time is the burn's.
void Burn(benchmark::State& state)
{
    if (!setup().why.isEmpty()) {
        state.SkipWithError(qPrintable(setup().why));
        return;
    }
    std::vector<double> jobTotals, jobCopies, handTotals, handCopies, copyPairs, totalPairs;
    bool jobFirst = true;
    for (auto _ : state) {
        bool ok = true;
        double total = 0, copy = 0, hand = 0, handCopyNow = 0;
        // The two sides take turns at going first, so neither always meets
        // the other's leftovers (writeback, a detached loop device).
        for (int turn = 0; turn < 2 && ok; ++turn) {
            UsbTest::LoopStick stick(setup().dir.filePath("stick.img"), 128, UsbTest::StartState::MbrOne);
            ok = stick.error().isEmpty();
            if ((turn == 0) == jobFirst)
                ok = ok && burn(stick, &total, &copy);
            else
                hand = byHand(stick, &handCopyNow, &ok);
        }
        jobFirst = !jobFirst;
        if (!ok) {
            state.SkipWithError("a burn or a tool failed");
            return;
        }
        state.SetIterationTime(total);
        jobTotals.push_back(total), jobCopies.push_back(copy);
        handTotals.push_back(hand), handCopies.push_back(handCopyNow);
        copyPairs.push_back(copy / handCopyNow), totalPairs.push_back(total / hand);
    }
    // FUSE writes vary from round to round: medians, and the median of the
    // two sides of one round.
    state.counters["copy_stage_s"] = median(jobCopies);
    state.counters["7z_by_hand_s"] = median(handCopies);
    state.counters["copy_ratio"] = median(jobCopies) / median(handCopies);
    state.counters["copy_pair_ratio"] = median(copyPairs);
    state.counters["pipeline_s"] = median(jobTotals);
    state.counters["tools_by_hand_s"] = median(handTotals);
    state.counters["pipeline_ratio"] = median(jobTotals) / median(handTotals);
    state.counters["pipeline_pair_ratio"] = median(totalPairs);
}

// Image mode's write and read-back stages against dd and cmp.
void ImageMode(benchmark::State& state)
{
    if (!setup().why.isEmpty()) {
        state.SkipWithError(qPrintable(setup().why));
        return;
    }
    std::vector<double> writes, wipes, verifies, dds, cmps, writePairs;
    bool jobFirst = true;
    for (auto _ : state) {
        double dd = 0, cmp = 0;
        QMap<QString, double> seconds;
        for (int turn = 0; turn < 2; ++turn) {
            UsbTest::LoopStick stick(setup().dir.filePath("stick.img"), 256, UsbTest::StartState::Blank);
            if ((turn == 0) != jobFirst) {
                bool ok = stick.error().isEmpty();
                dd = timed("dd",
                    {"if=" + setup().hybrid, "of=" + stick.disk(), "bs=4M", "oflag=direct", "conv=fsync",
                        "status=none"},
                    &ok);
                TestUtil::run("blockdev", {"--flushbufs", stick.disk()});
                const QString size = QString::number(QFileInfo(setup().hybrid).size());
                cmp = timed("cmp", {"-n", size, setup().hybrid, stick.disk()}, &ok);
                if (!ok) {
                    state.SkipWithError("dd or cmp failed");
                    return;
                }
                continue;
            }
            UsbBurnJob job(UsbBurnRequest {setup().hybrid, stick.disk(), "", "", UsbStyle::Image},
                UsbTest::burnOptions(stick, setup().dir.path()));
            StageClock stages(job);
            if (!TestUtil::finish(job, 600000) || job.status() != Job::Status::Succeeded) {
                state.SkipWithError(qPrintable(job.reason()));
                return;
            }
            stages.print();
            seconds = stages.seconds;
        }
        jobFirst = !jobFirst;
        const double write = seconds.value("Writing the image"), verify = seconds.value("Reading the image back");
        state.SetIterationTime(write + verify);
        writes.push_back(write), wipes.push_back(seconds.value("Erasing the USB disk"));
        verifies.push_back(verify), dds.push_back(dd), cmps.push_back(cmp);
        writePairs.push_back(dd / write);
    }
    state.counters["write_s"] = median(writes);
    state.counters["wipe_s"] = median(wipes);
    state.counters["dd_s"] = median(dds);
    state.counters["write_ratio"] = median(dds) / median(writes);
    state.counters["write_pair_ratio"] = median(writePairs);
    state.counters["wipe_write_ratio"] = median(dds) / (median(wipes) + median(writes));
    state.counters["verify_s"] = median(verifies);
    state.counters["cmp_s"] = median(cmps);
    state.counters["verify_ratio"] = median(cmps) / median(verifies);
}

} // namespace

BENCHMARK(Burn)->UseManualTime()->Iterations(7)->Unit(benchmark::kSecond);
BENCHMARK(ImageMode)->UseManualTime()->Iterations(9)->Unit(benchmark::kSecond);

QUILLON_BENCHMARK_MAIN()
