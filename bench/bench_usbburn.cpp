// USB burn figures on a loop device (root only), on a hybrid image made here
// with 32 MB of data (96 MB for image mode):
//   copy_ratio: the copy stage inside a burn against `7z x` of the same image
//     onto the same kind of freshly mounted loop device;
//   pipeline_ratio: a whole FAT32 MBR burn against the same tools run one
//     after the other by hand (new table, format, copy, boot code, both
//     content sums, unmount, check);
//   write_ratio, verify_ratio (image mode): dd's and cmp's speed over ours,
//     1 or more when ours is as fast.
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
#include <QTemporaryDir>

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

// A whole burn; returns its time and that of its copy stage, in seconds.
bool burn(const UsbTest::LoopStick& stick, double* total, double* copy)
{
    UsbBurnJob job(UsbBurnRequest {setup().image, stick.disk(), "FAT32", "BENCH", UsbStyle::Mbr},
        UsbTest::burnOptions(stick, setup().dir.path()));
    QElapsedTimer clock, copyClock;
    QString stage;
    qint64 copyMs = 0;
    QObject::connect(&job, &Job::progress, [&](const QString& now) {
        if (now == stage)
            return;
        if (stage == "Burning the USB disk...")
            copyMs = copyClock.elapsed();
        if (now == "Burning the USB disk...")
            copyClock.start();
        stage = now;
    });
    clock.start();
    const bool ended = TestUtil::finish(job, 600000);
    *total = clock.elapsed() / 1000.0;
    *copy = copyMs / 1000.0;
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
    t += timed("fusefat", {"-o", "rw+,blkdev,fsname=" + volume, volume, mp}, ok);
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
    t += timed("umount", {mp}, ok);
    t += timed("fsck.vfat", {"-n", volume}, ok);
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

// Image mode's write and read-back stages against dd and cmp on the same stick.
void ImageMode(benchmark::State& state)
{
    if (!setup().why.isEmpty()) {
        state.SkipWithError(qPrintable(setup().why));
        return;
    }
    std::vector<double> writes, verifies, dds, cmps;
    for (auto _ : state) {
        UsbTest::LoopStick stick(setup().dir.filePath("stick.img"), 256, UsbTest::StartState::Blank);
        UsbBurnJob job(UsbBurnRequest {setup().hybrid, stick.disk(), "", "", UsbStyle::Image},
            UsbTest::burnOptions(stick, setup().dir.path()));
        QElapsedTimer clock;
        QString stage;
        double write = 0, verify = 0;
        QObject::connect(&job, &Job::progress, [&](const QString& now) {
            // Each stage from its first text ("Writing the image...") to the next stage's.
            const QString kind = now.startsWith("Writing the image") ? "write"
                : now == "Checking the USB disk..." || now.startsWith("Comparing the USB disk with the image")
                ? "verify"
                : now;
            if (kind == stage)
                return;
            if (stage == "write")
                write = clock.elapsed() / 1000.0;
            if (stage == "verify")
                verify = clock.elapsed() / 1000.0;
            clock.start();
            stage = kind;
        });
        if (!TestUtil::finish(job, 600000) || job.status() != Job::Status::Succeeded) {
            state.SkipWithError(qPrintable(job.reason()));
            return;
        }
        bool ok = true;
        const double dd = timed("dd",
            {"if=" + setup().hybrid, "of=" + stick.disk(), "bs=4M", "oflag=direct", "conv=fsync", "status=none"}, &ok);
        TestUtil::run("blockdev", {"--flushbufs", stick.disk()});
        const double cmp =
            timed("cmp", {"-n", QString::number(QFileInfo(setup().hybrid).size()), setup().hybrid, stick.disk()}, &ok);
        if (!ok) {
            state.SkipWithError("dd or cmp failed");
            return;
        }
        state.SetIterationTime(write + verify);
        writes.push_back(write), verifies.push_back(verify), dds.push_back(dd), cmps.push_back(cmp);
    }
    state.counters["write_s"] = median(writes);
    state.counters["dd_s"] = median(dds);
    state.counters["write_ratio"] = median(dds) / median(writes);
    state.counters["verify_s"] = median(verifies);
    state.counters["cmp_s"] = median(cmps);
    state.counters["verify_ratio"] = median(cmps) / median(verifies);
}

} // namespace

BENCHMARK(Burn)->UseManualTime()->Iterations(7)->Unit(benchmark::kSecond);
BENCHMARK(ImageMode)->UseManualTime()->Iterations(5)->Unit(benchmark::kSecond);

QUILLON_BENCHMARK_MAIN()
