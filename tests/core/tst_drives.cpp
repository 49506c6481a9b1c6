// Drives: discovery over fake sysfs, mount and udev trees, the recorder
// match, the device events that count; and the recorder scan, the disc burn
// and the disc read end to end with the stand-in recorder and reader playing
// recorded output.
#include "burn/discburn.h"
#include "burn/discread.h"
#include "burn/drivediscovery.h"
#include "platform/drivechange.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using Platform::OpticalDrive;

Q_DECLARE_METATYPE(DriveEvent)

namespace {

// A fake system: block devices in sys/block, the mount table, swaps, and
// (optionally) udev's database.
class FakeSystem {
public:
    QTemporaryDir dir;

    QString root() const { return dir.path(); }

    void write(const QString& path, const QByteArray& text) const { QVERIFY(TestUtil::writeFile(root() + path, text)); }

    // A disk of `sectors` 512-byte sectors; partitions as name -> sectors.
    void disk(const QString& name, bool removable, qint64 sectors, int major,
        const QList<QPair<QString, qint64>>& parts = {}) const
    {
        const QString sys = "/sys/block/" + name;
        write(sys + "/removable", removable ? "1\n" : "0\n");
        write(sys + "/size", QByteArray::number(sectors) + "\n");
        write(sys + "/dev", QByteArray::number(major) + ":0\n");
        int number = 0;
        for (const auto& part : parts) {
            ++number;
            write(sys + "/" + part.first + "/partition", QByteArray::number(number) + "\n");
            write(sys + "/" + part.first + "/size", QByteArray::number(part.second) + "\n");
            write(sys + "/" + part.first + "/dev", QByteArray::number(major) + ":" + QByteArray::number(number) + "\n");
        }
    }

    void udev(const QString& majorMinor, const QByteArray& properties) const
    {
        write("/run/udev/data/b" + majorMinor, properties);
    }
};

constexpr qint64 GiB = 1024 * 1024 * 2; // in sectors

QStringList devices(const QList<Platform::UsbDisk>& volumes)
{
    QStringList names;
    for (const auto& volume : volumes)
        names << volume.device;
    return names;
}

using TestUtil::playStandIn;

struct Run {
    Job::Status status = Job::Status::Idle;
    QString reason;
    QList<QPair<qint64, qint64>> progress;
};

Run runJob(Job& job)
{
    Run run;
    QObject::connect(&job, &Job::progress, [&](const QString&, qint64 value, qint64 maximum) {
        run.progress.append({value, maximum});
    });
    TestUtil::finish(job, 20000);
    run.status = job.status();
    run.reason = job.reason();
    return run;
}

} // namespace

class TestDrives : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void cleanup()
    {
        for (const char* name : {"QUILLON_STANDIN_OUTPUT", "QUILLON_STANDIN_STATUS", "QUILLON_STANDIN_ARGS",
                 "QUILLON_STANDIN_SECTORS", "QUILLON_STANDIN_READ", "QUILLON_STANDIN_DELAY_MS"})
            qunsetenv(name);
    }

    void usbDisksAreWholeSticksOnly()
    {
        FakeSystem system;
        system.disk("sda", false, 500 * GiB, 8, {{"sda1", 500 * GiB}}); // fixed SATA disk
        system.disk("sdb", true, 15 * GiB, 16, {{"sdb1", 10 * GiB}, {"sdb2", 5 * GiB}}); // two partitions
        system.disk("sdc", true, 8 * GiB, 32); // blank, or a whole-disk file system
        system.disk("sdd", true, 64 * GiB, 48, {{"sdd1", 60 * GiB}, {"sdd2", 4 * GiB}}); // holds "/"
        system.disk("sde", true, 0, 64); // card reader, no card
        system.disk("sdf", true, 32 * GiB, 80, {{"sdf1", 32 * GiB}}); // under /home through dm
        system.disk("sdg", true, 4 * GiB, 96, {{"sdg1", 4 * GiB}}); // swap
        system.disk("sdh", false, 30 * GiB, 112, {{"sdh1", 30 * GiB}}); // a USB disk that says it is fixed
        system.disk("sdi", true, 16 * GiB, 128); // udisks2's system hint
        system.disk("sdj", true, 16 * GiB, 144, {{"sdj1", 1 * GiB}}); // the system's EFI partition
        for (const char* virt : {"loop0", "zram0", "dm-0", "ram0", "sr0"})
            system.disk(virt, true, 2 * GiB, 7);
        system.write("/sys/block/dm-0/slaves/sdf1", "");
        system.write("/dev/dm-0", "");
        QDir().mkpath(system.root() + "/dev/mapper");
        QVERIFY(QFile::link(system.root() + "/dev/dm-0", system.root() + "/dev/mapper/home"));
        system.write("/proc/mounts",
            "/dev/sdd1 / ext4 rw 0 0\n/dev/mapper/home /home ext4 rw 0 0\n"
            "/dev/sdb1 /media/stick vfat rw 0 0\n/dev/sdj1 /boot/efi vfat rw 0 0\nproc /proc proc rw 0 0\n");
        system.write("/proc/swaps", "Filename Type Size Used Priority\n/dev/sdg1 partition 4194300 0 -2\n");
        system.write("/sys/block/sdb/device/vendor", "Kingston\n");
        system.write("/sys/block/sdb/device/model", "DataTraveler 3.0\n");

        // Without udev's database: whole disks with a medium, whatever they hold.
        QCOMPARE(devices(Platform::usbDisks(system.root())), QStringList({"/dev/sdb", "/dev/sdc", "/dev/sdi"}));

        // With it: its names and labels, the bus, and the system hint.
        system.udev("16:0", "E:ID_BUS=usb\nE:ID_VENDOR_ENC=Kingston\nE:ID_MODEL_ENC=DataTraveler\\x203.0\n");
        system.udev("16:1", "E:ID_FS_USAGE=filesystem\nE:ID_FS_TYPE=vfat\nE:ID_FS_LABEL_ENC=KINGSTON\\x20X\n");
        system.udev("16:2", "E:ID_FS_USAGE=filesystem\nE:ID_FS_TYPE=ntfs\nE:ID_FS_LABEL=DATA\n");
        system.udev("32:0", "E:ID_FS_TYPE=iso9660\nE:ID_FS_LABEL=Debian 12\n"); // a hybrid image written whole
        system.udev("112:0", "E:ID_BUS=usb\nE:ID_VENDOR_ENC=WD\nE:ID_MODEL_ENC=WD\\x20Elements\n");
        system.udev("128:0", "E:ID_BUS=usb\nE:UDISKS_SYSTEM=1\n");
        const auto disks = Platform::usbDisks(system.root());
        QCOMPARE(devices(disks), QStringList({"/dev/sdb", "/dev/sdc", "/dev/sdh"}));
        QCOMPARE(disks[0].size, 15 * GiB * 512);
        QCOMPARE(
            DiskItemText(disks[0]), QStringLiteral("/dev/sdb  Kingston DataTraveler 3.0  15 GB  [KINGSTON X, DATA]"));
        QCOMPARE(DiskItemText(disks[1]), QStringLiteral("/dev/sdc  8 GB  [Debian 12]"));
        QCOMPARE(DiskItemText(disks[2]), QStringLiteral("/dev/sdh  WD Elements  30 GB")); // no vendor twice
    }

    void labelsFromLinksWithoutUdev()
    {
        FakeSystem system;
        system.disk("sdb", true, 2 * GiB, 8, {{"sdb1", 2 * GiB}});
        system.write("/dev/sdb1", "");
        QDir().mkpath(system.root() + "/dev/disk/by-label");
        QVERIFY(QFile::link(system.root() + "/dev/sdb1", system.root() + "/dev/disk/by-label/MY\\x20STICK"));
        const auto disks = Platform::usbDisks(system.root());
        QCOMPARE(disks.size(), 1);
        QCOMPARE(disks[0].labels, QStringList({"MY STICK"}));

        const DriveAccess drives {system.root(), {}};
        QVERIFY(drives.FindUsbDisk("/dev/sdb"));
        QVERIFY(!drives.FindUsbDisk("/dev/sdb1")); // the whole disk is burned, never a partition
        QVERIFY(!drives.FindUsbDisk("/dev/sda"));
    }

    void opticalDevicesInOrder()
    {
        FakeSystem system;
        for (const char* name : {"sr10", "sr1", "sr0", "sda"})
            system.disk(name, true, 0, 11);
        QCOMPARE(Platform::opticalDevices(system.root()), QStringList({"/dev/sr0", "/dev/sr1", "/dev/sr10"}));
        // A node that is no drive answers neither query.
        const OpticalDrive drive = Platform::queryOpticalDrive("/dev/sr0", system.root());
        QVERIFY(!drive.hasAddress && !drive.hasProduct);
    }

    // A recorder goes to the drive of its bus, target and LUN; a drive
    // without an address answers by product name, case and blank runs aside;
    // a blank identification matches every name.
    void recordersMatchDrives()
    {
        // Device, has an address, bus, target, LUN, has a product, product.
        const QList<OpticalDrive> drives {{"/dev/sr0", true, 1, 0, 0, false, {}},
            {"/dev/sr1", true, 1, 1, 0, false, {}}, {"/dev/sr2", true, 1, 0, 1, false, {}},
            {"/dev/sr3", false, 0, 0, 0, false, {}}, // answers neither query
            {"/dev/sr4", false, 0, 0, 0, true, "dvdram  GH24NSD1"}};
        const struct {
            const char* address;
            const char* name;
            const char* device;
        } cases[] = {{"1,0,0", "ANY", "/dev/sr0"}, {"1,1,0", "ANY", "/dev/sr1"}, {"1,0,1", "ANY", "/dev/sr2"},
            {"2,0,0", "HL-DT-ST DVDRAM GH24NSD1 LG00", "/dev/sr4"}, {"1,1,1", "TSSTcorp CDDVDW SH-224DB SB00", ""},
            {"1,0", "HL-DT-ST DVDRAM GH24NSD1 LG00", ""}};
        for (const auto& c : cases)
            QVERIFY2(GetCDRNoToDriver(c.address, c.name, drives) == QLatin1String(c.device), c.address);
        const OpticalDrive blank {"/dev/sr0", false, 0, 0, 0, true, ""};
        QCOMPARE(GetCDRNoToDriver("1,0,0", "TSSTcorp CDDVDW SH-224DB SB00", {blank}), QStringLiteral("/dev/sr0"));
    }

    // Recorders go to drives by address, not by their order in the list.
    void scanRunsTheRecorder()
    {
        playStandIn("cdrskin/scanbus-two.txt");
        int probes = 0;
        const DriveAccess drives {"/", [&] {
                                      ++probes;
                                      return QList<OpticalDrive> {{"/dev/sr0", true, 2, 0, 0, false, {}},
                                          {"/dev/sr1", true, 1, 0, 0, false, {}}};
                                  }};
        ScanbusJob scan(TestUtil::standInTool(), drives);
        QSignalSpy found(&scan, &ScanbusJob::recorderFound);
        QVERIFY(TestUtil::finish(scan, 10000));
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0], QVariantList({"/dev/sr1: HL-DT-ST DVDRAM GH24NSD1 LG00", "1,0,0"}));
        QCOMPARE(found[1], QVariantList({"/dev/sr0: ASUS BW-16D1HT 3.02", "2,0,0"}));
        QCOMPARE(probes, 1); // the drives are asked once per scan

        // No recorder: the drives are not asked at all.
        playStandIn("cdrskin/scanbus-none.raw");
        ScanbusJob empty(TestUtil::standInTool(), drives);
        QVERIFY(TestUtil::finish(empty, 10000));
        QCOMPARE(probes, 1);

        ScanbusJob missing("/nonexistent/cdrecord", DriveAccess());
        QVERIFY(TestUtil::finish(missing, 5000));
        QCOMPARE(missing.status(), Job::Status::Failed);
    }

    // Which device events count as a volume arriving or going.
    void volumeEvents_data()
    {
        QTest::addColumn<DriveEvent>("event");
        QTest::addColumn<bool>("counts");
        const QString fs = QStringLiteral("filesystem");
        // A USB stick: the disk without a file system, then its partition.
        QTest::newRow("stick disk added") << DriveEvent {"add", "block", "disk", ""} << false;
        QTest::newRow("stick partition added") << DriveEvent {"add", "block", "partition", fs} << true;
        QTest::newRow("stick partition removed") << DriveEvent {"remove", "block", "partition", fs} << true;
        // A stick formatted without a partition table carries the file system itself.
        QTest::newRow("superfloppy added") << DriveEvent {"add", "block", "disk", fs} << true;
        QTest::newRow("partition changed") << DriveEvent {"change", "block", "partition", fs} << false;
        // A disc going into an optical drive.
        QTest::newRow("disc inserted") << DriveEvent {"change", "block", "disk", fs, true} << false;
        QTest::newRow("media flag on add") << DriveEvent {"add", "block", "disk", fs, true} << false;
        // Not volumes.
        QTest::newRow("encrypted partition") << DriveEvent {"add", "block", "partition", "crypto"} << false;
        QTest::newRow("usb device with fs-like property") << DriveEvent {"add", "usb", "usb_device", fs} << false;
        QTest::newRow("empty record") << DriveEvent() << false;
    }

    void volumeEvents()
    {
        QFETCH(DriveEvent, event);
        QTEST(IsVolumeArrivalOrRemoval(event), "counts");
    }

    void burnEndToEnd()
    {
        const QString image = m_dir.path() + "/my image \"1\".iso";
        QVERIFY(TestUtil::writeFile(image, "x"));
        const QString args = m_dir.path() + "/args.txt";
        qputenv("QUILLON_STANDIN_ARGS", args.toUtf8());

        playStandIn("cdrskin/burn-ok.raw");
        DiscBurnJob ok(TestUtil::standInTool(), "0,1,0", image);
        Run run = runJob(ok);
        QCOMPARE(run.status, Job::Status::Succeeded);
        QVERIFY(!run.progress.isEmpty());
        QCOMPARE(run.progress.last(), qMakePair(qint64(100), qint64(100)));
        // The address as "dev=", the image as one argument, quotes and all.
        const QStringList passed = QString::fromUtf8(TestUtil::readFile(args)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(passed.mid(2, 1), QStringList("dev=0,1,0"));
        QCOMPARE(passed.last(), image);

        playStandIn("wodim/burn-write-error.raw", 255);
        DiscBurnJob broken(TestUtil::standInTool(), "1,0,0", image);
        run = runJob(broken);
        QCOMPARE(run.status, Job::Status::Failed);
        QVERIFY2(run.reason.contains("Writing to the disc failed"), qPrintable(run.reason));
        QVERIFY(run.progress.contains(qMakePair(qint64(10), qint64(100)))); // 71 of 650

        // A status the recorder does not explain is still a failure.
        playStandIn("cdrskin/burn-ok.raw", 1);
        DiscBurnJob unexplained(TestUtil::standInTool(), "1,0,0", image);
        run = runJob(unexplained);
        QCOMPARE(run.status, Job::Status::Failed);
        QVERIFY2(run.reason.contains("exit status 1"), qPrintable(run.reason));

        // Status 0 does not hide a failure the recorder reported.
        playStandIn("wodim/burn-no-disc.raw", 0);
        DiscBurnJob empty(TestUtil::standInTool(), "1,0,0", image);
        QCOMPARE(runJob(empty).status, Job::Status::Failed);
    }

    void imageTargets()
    {
        QCOMPARE(DiscImagePath(" /a/disc "), QStringLiteral("/a/disc.iso"));
        QCOMPARE(DiscImagePath("/a/disc.ISO"), QStringLiteral("/a/disc.ISO"));
        QCOMPARE(DiscImagePath("/a.b/disc"), QStringLiteral("/a.b/disc.iso"));
        QCOMPARE(DiscImagePath(m_dir.path()), m_dir.path());
        QVERIFY(CheckDiscImageTarget(m_dir.path() + "/new.iso").isEmpty());
        QVERIFY(!CheckDiscImageTarget(m_dir.path()).isEmpty());
        QVERIFY(!CheckDiscImageTarget(m_dir.path() + "/missing/new.iso").isEmpty());
        if (geteuid() != 0) { // root writes anywhere
            const QString locked = m_dir.path() + "/locked";
            QDir().mkpath(locked);
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
            QVERIFY(!CheckDiscImageTarget(locked + "/new.iso").isEmpty());
        }
    }

    void readEndToEnd()
    {
        const QString target = m_dir.path() + "/disc.iso";
        QVERIFY(TestUtil::writeFile(target, "an older image"));
        const auto leftovers = [&] {
            return QDir(m_dir.path()).entryList({"*.part"}, QDir::Hidden | QDir::Files);
        };

        // A whole disc: progress over its sectors, then the image in place.
        playStandIn("readom/read-ok.txt");
        qputenv("QUILLON_STANDIN_SECTORS", "1000");
        ReadDiscJob whole(TestUtil::standInTool(), "1,0,0", target);
        Run run = runJob(whole);
        QCOMPARE(run.status, Job::Status::Succeeded);
        QCOMPARE(run.progress.first(), qMakePair(qint64(0), qint64(1000)));
        QCOMPARE(run.progress.last(), qMakePair(qint64(1000), qint64(1000)));
        QCOMPARE(QFileInfo(target).size(), 1000 * ReadDiscJob::SectorBytes);
        QVERIFY(leftovers().isEmpty());

        // A second reading of another disc takes its own size.
        qputenv("QUILLON_STANDIN_SECTORS", "300");
        ReadDiscJob second(TestUtil::standInTool(), "1,0,0", target);
        run = runJob(second);
        QCOMPARE(run.status, Job::Status::Succeeded);
        QCOMPARE(run.progress.last(), qMakePair(qint64(300), qint64(300)));
        QCOMPARE(QFileInfo(target).size(), 300 * ReadDiscJob::SectorBytes);

        // Failures keep the earlier image and leave no partial file: a medium
        // error midway; one sector less than announced, or no size announced,
        // though the reader says nothing and ends well; an empty drive.
        const struct {
            const char* fixture;
            int status;
            const char* sectors; // announced; below 0: not at all
            const char* read; // written; empty: as announced
            const char* reason;
        } failures[] = {{"readom/read-error.txt", 255, "1000", "400", "cannot be read"},
            {"readom/read-ok.txt", 0, "1000", "999", "incomplete"},
            {"readom/read-ok.txt", 0, "-1", "999", "did not say how large"},
            {"readom/read-no-disc.txt", 255, "1000", "", "no readable disc"}};
        for (const auto& f : failures) {
            playStandIn(f.fixture, f.status);
            qputenv("QUILLON_STANDIN_SECTORS", f.sectors);
            qputenv("QUILLON_STANDIN_READ", f.read);
            ReadDiscJob failed(TestUtil::standInTool(), "1,0,0", target);
            run = runJob(failed);
            QCOMPARE(run.status, Job::Status::Failed);
            QVERIFY2(run.reason.contains(f.reason), qPrintable(run.reason));
            QCOMPARE(QFileInfo(target).size(), 300 * ReadDiscJob::SectorBytes);
            QVERIFY(leftovers().isEmpty());
        }

        ReadDiscJob missing(m_dir.path() + "/no-such-reader", "1,0,0", target);
        QCOMPARE(runJob(missing).status, Job::Status::Failed);
        QCOMPARE(QFileInfo(target).size(), 300 * ReadDiscJob::SectorBytes);
    }

    void stopRemovesThePartialImage()
    {
        const QString target = m_dir.path() + "/stopped.iso";
        playStandIn("readom/read-ok.txt");
        qputenv("QUILLON_STANDIN_SECTORS", "100000");
        qputenv("QUILLON_STANDIN_DELAY_MS", "20");
        ReadDiscJob job(TestUtil::standInTool(), "1,0,0", target);
        QSignalSpy progress(&job, &Job::progress);
        job.start();
        QTRY_VERIFY_WITH_TIMEOUT(progress.size() > 2, 10000);
        QVERIFY(QFile::exists(job.partPath()));
        job.stop();
        QCOMPARE(job.status(), Job::Status::Stopped);
        QVERIFY(!QFile::exists(job.partPath()));
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_GUILESS_MAIN(TestDrives)
#include "tst_drives.moc"
