#include "burn/usbburnjob.h"

#include "testutil.h"
#include "usbstick.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The USB burn end to end: real tools writing to a loop device that stands
// in for the stick. Needs root, loop devices and FUSE; skips elsewhere.
class TestUsbBurn : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString isoOf(const QString& name) const { return m_dir.filePath(name + ".iso"); }

    // QUILLON_KEEP_STICKS=folder keeps the sticks and images for boot checks
    // in a virtual machine (tools/usb-boot-check.sh).
    static void keep(const QString& file, const QString& name)
    {
        const QString folder = qEnvironmentVariable("QUILLON_KEEP_STICKS");
        if (!folder.isEmpty())
            TestUtil::run("cp", {"--sparse=always", file, folder + "/" + name});
    }

    static QString partitionType(const UsbTest::LoopStick& stick)
    {
        const TestUtil::Result r = TestUtil::run("sfdisk", {"--part-type", stick.disk(), "1"});
        return QString::fromLatin1(r.output).trimmed();
    }

    static bool active(const UsbTest::LoopStick& stick)
    {
        return TestUtil::run("sfdisk", {"--json", stick.disk()}).output.contains("\"bootable\": true");
    }

    static QByteArray firstBytes(const QString& device, int count) { return TestUtil::readAt(device, 0, count); }

private slots:
    void initTestCase()
    {
        const QString why = UsbTest::cannotRun();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        QVERIFY(m_dir.isValid());
        const QString linuxTree = m_dir.filePath("linux"), windowsTree = m_dir.filePath("windows");
        QVERIFY(UsbTest::makeLinuxTree(linuxTree, 12 * 1024 * 1024));
        QVERIFY(TestUtil::makeIso(linuxTree, isoOf("linux"), UsbTest::linuxIsoArguments()));
        QVERIFY(UsbTest::makeWindowsTree(windowsTree, linuxTree + "/data/nested", 0));
        QVERIFY(TestUtil::makeIso(windowsTree, isoOf("windows"), UsbTest::windowsIsoArguments()));
        const QString unicode = m_dir.filePath("unicode");
        QVERIFY(TestUtil::writeFile(unicode + QString::fromUtf8("/Überblick.txt"), "names\n"));
        QVERIFY(TestUtil::writeFile(unicode + QString::fromUtf8("/Ordner ä/Datei ö.txt"), "more\n"));
        QVERIFY(TestUtil::makeIso(unicode, isoOf("unicode")));
        keep(isoOf("linux"), "linux.iso");
        keep(isoOf("windows"), "windows.iso");
    }

    void burnsAndChecks_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("fileSystem");
        QTest::addColumn<bool>("gpt");
        QTest::addColumn<bool>("partitioned");
        QTest::addColumn<QString>("mountedAs"); // what the stick really holds
        QTest::addColumn<QString>("type"); // partition type afterwards
        QTest::addColumn<bool>("bios");
        QTest::addColumn<QString>("note"); // part of the final message

        QTest::newRow("linux, FAT32, MBR") << "linux"
                                           << "FAT32" << false << true << "FAT32"
                                           << "c" << true << "";
        QTest::newRow("linux, NTFS, MBR: BIOS only, UEFI reads FAT") << "linux"
                                                                     << "NTFS" << false << true << "NTFS"
                                                                     << "7" << true << "";
        QTest::newRow("windows, exFAT, MBR") << "windows"
                                             << "exFAT" << false << true << "exFAT"
                                             << "7" << true << "";
        QTest::newRow("windows, FAT on a small stick stays FAT16") << "windows"
                                                                   << "FAT" << false << true << "FAT"
                                                                   << "e" << true << "";
        QTest::newRow("linux, GPT mode formats FAT32 whatever was chosen") << "linux"
                                                                           << "NTFS" << true << true << "FAT32"
                                                                           << "c" << false << "";
        QTest::newRow("linux, MBR mode on an unpartitioned stick: UEFI only") << "linux"
                                                                              << "FAT32" << false << false << "FAT32"
                                                                              << "" << false << "starts on UEFI only";
        QTest::newRow("windows, NTFS on an unpartitioned stick: nothing starts it")
            << "windows"
            << "NTFS" << false << false << "NTFS"
            << "" << false << "Neither BIOS nor UEFI";
        QTest::newRow("names beyond ASCII, exFAT") << "unicode"
                                                   << "exFAT" << false << true << "exFAT"
                                                   << "7" << false << "Neither BIOS nor UEFI";
    }

    void burnsAndChecks()
    {
        QFETCH(QString, image);
        QFETCH(QString, fileSystem);
        QFETCH(bool, gpt);
        QFETCH(bool, partitioned);
        QFETCH(QString, mountedAs);
        QFETCH(QString, type);
        QFETCH(bool, bios);
        QFETCH(QString, note);

        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), 128, partitioned);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        const bool isLinux = image == QLatin1String("linux");
        UsbBurnRequest request {isoOf(image), stick.volume(), fileSystem, "TEST LABEL", gpt};
        UsbBurnJob job(request, UsbTest::burnOptions(stick, m_dir.path()));
        QSignalSpy progress(&job, &Job::progress);
        QVERIFY(TestUtil::finish(job, 240000));
        QVERIFY2(job.status() == Job::Status::Succeeded, qPrintable(job.reason()));
        QVERIFY(job.resultMessage().startsWith("Burning Successfully..."));
        QVERIFY2(job.resultMessage().contains(note), qPrintable(job.resultMessage()));
        QCOMPARE(job.startsOnBios(), bios);
        QCOMPARE(job.startsOnUefi(), isLinux && mountedAs == QLatin1String("FAT32"));

        // One bar that never goes back, ending full, through the copy's own percentages.
        qint64 last = 0;
        QStringList stages;
        for (const QList<QVariant>& p : progress) {
            QVERIFY(p.at(1).toLongLong() >= last);
            last = p.at(1).toLongLong();
            stages << p.at(0).toString();
        }
        QCOMPARE(last, JobSequence::Scale);
        QVERIFY(stages.contains("The USB disk is under formating..."));
        QVERIFY(stages.contains("Burning the USB disk..."));
        QCOMPARE(stages.contains("The USB disk is installing bootsect..."), bios);

        if (partitioned) {
            QCOMPARE(partitionType(stick), type);
            QCOMPARE(active(stick), !gpt);
        }
        // GRUB's boot.img starts with a short jump; the partition table stays.
        if (bios)
            QCOMPARE(firstBytes(stick.disk(), 2), QByteArray("\xeb\x63", 2));

        const QString mountPoint = m_dir.filePath("check");
        QVERIFY(UsbTest::mountReadOnly(mountedAs, stick.volume(), mountPoint));
        const QString tree = m_dir.filePath(image);
        const QStringList different = UsbTest::differentFiles(tree, mountPoint);
        const QMap<QString, qint64> have = UsbTest::treeSizes(mountPoint);
        const bool bootFolderLeft = have.contains(".bios-setup") || have.contains("[BOOT]");
        UsbTest::unmount(mountPoint);
        QVERIFY2(different.isEmpty(), qPrintable(different.join(", ")));
        QVERIFY(!bootFolderLeft);
        QVERIFY(!QFileInfo::exists(job.mountPoint()));
        keep(stick.file(), QString(QTest::currentDataTag()).replace(QRegularExpression("[^A-Za-z0-9]+"), "-") + ".img");
    }

    void refusesWhatDiscoveryWouldNotList()
    {
        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), 64, true);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        const QByteArray before = firstBytes(stick.disk(), 4096);
        // The default discovery: a loop device is no removable disk.
        UsbBurnJob job(
            UsbBurnRequest {isoOf("linux"), stick.volume(), "FAT32", "", false}, UsbBurnJob::defaultOptions());
        QVERIFY(TestUtil::finish(job, 240000));
        QCOMPARE(job.status(), Job::Status::Failed);
        QVERIFY2(job.reason().contains("left alone"), qPrintable(job.reason()));
        QVERIFY(job.resultMessage().contains("was not changed"));
        QCOMPARE(firstBytes(stick.disk(), 4096), before);
    }

    void failingStages_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("image");
        QTest::addColumn<qint64>("stickMegabytes");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("touched");
        QTest::newRow("stick too small") << "small"
                                         << "linux" << qint64(12) << "Preparing the burn: The image needs" << false;
        QTest::newRow("format tool missing")
            << "no mkfs"
            << "linux" << qint64(64) << "Preparing the burn: mkfs.vfat is missing" << false;
        QTest::newRow("archive tool cannot start")
            << "no 7z"
            << "linux" << qint64(64) << "Reading the image: Could not start" << false;
        QTest::newRow("image removed mid-run") << "remove image"
                                               << "linux" << qint64(64) << "Copying the files:" << true;
        QTest::newRow("names fusefat cannot write")
            << "fusefat"
            << "unicode" << qint64(64) << "Preparing the burn: FAT on this system goes through fusefat" << false;
    }

    void failingStages()
    {
        QFETCH(QString, failure);
        QFETCH(QString, image);
        QFETCH(qint64, stickMegabytes);
        QFETCH(QString, reason);
        QFETCH(bool, touched);

        if (failure == "fusefat" && TestUtil::readFile("/proc/filesystems").contains("vfat"))
            QSKIP("the kernel writes FAT here itself");
        const QString doomed = m_dir.filePath("doomed.iso");
        QFile::remove(doomed);
        QVERIFY(QFile::copy(isoOf(image), doomed));
        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), stickMegabytes, true);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        const QByteArray before = firstBytes(stick.volume(), 64 * 1024);

        UsbBurnJob::Options options = UsbTest::burnOptions(stick, m_dir.path());
        if (failure == "no mkfs") {
            const auto find = options.toolPath;
            options.toolPath = [find](const QString& tool) {
                return tool == "mkfs.vfat" ? QString() : find(tool);
            };
        }
        if (failure == "no 7z")
            options.tools.archive = m_dir.filePath("no-such-7z");
        UsbBurnJob job(UsbBurnRequest {doomed, stick.volume(), "FAT32", "", false}, options);
        if (failure == "remove image") {
            connect(&job, &Job::progress, this, [doomed](const QString& stage) {
                if (stage == "The USB disk is under formating...")
                    QFile::remove(doomed);
            });
        }
        QVERIFY(TestUtil::finish(job, 240000));
        QCOMPARE(job.status(), Job::Status::Failed);
        QVERIFY2(job.reason().startsWith(reason), qPrintable(job.reason()));
        QVERIFY(!job.resultMessage().contains("Successfully"));
        QVERIFY2(
            job.resultMessage().contains(touched ? "incomplete" : "was not changed"), qPrintable(job.resultMessage()));
        if (!touched)
            QCOMPARE(firstBytes(stick.volume(), 64 * 1024), before);
        QVERIFY(!QFileInfo::exists(job.mountPoint()));
    }

    // Not root: every privileged stage goes through the elevation program
    // (pkexec), and a refusal (126/127) ends the burn before the stick is touched.
    void privilegedStagesGoThroughElevation_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("authorised") << 0;
        QTest::newRow("dismissed") << 126;
        QTest::newRow("not authorised") << 127;
    }

    void privilegedStagesGoThroughElevation()
    {
        QFETCH(int, answer);
        const QString asked = m_dir.filePath("elevated.txt");
        const QString elevator = m_dir.filePath("elevate");
        QFile::remove(asked);
        QVERIFY(TestUtil::writeFile(elevator,
            QString("#!/bin/sh\necho \"$1\" >> '%1'\n%2\n")
                .arg(asked, answer ? QString("exit %1").arg(answer) : "exec \"$@\"")
                .toUtf8()));
        QVERIFY(QFile::setPermissions(elevator, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), 64, true);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        const QByteArray before = firstBytes(stick.disk(), 1024 * 1024);
        UsbBurnJob::Options options = UsbTest::burnOptions(stick, m_dir.path());
        options.elevate = [elevator](const QString& program, const QStringList& arguments) {
            return QStringList {elevator, program} + arguments;
        };
        UsbBurnJob job(UsbBurnRequest {isoOf("linux"), stick.volume(), "FAT32", "", false}, options);
        QVERIFY(TestUtil::finish(job, 240000));
        QStringList tools;
        for (const QString& program : QString::fromUtf8(TestUtil::readFile(asked)).split('\n', Qt::SkipEmptyParts)) {
            tools << QFileInfo(program).fileName();
            if (tools.last().startsWith("mkfs") || tools.last().startsWith("grub")) // the provisioned links
                QVERIFY2(program.startsWith(QCoreApplication::applicationDirPath() + "/"), qPrintable(program));
        }
        if (answer != 0) {
            QCOMPARE(job.status(), Job::Status::Failed);
            QVERIFY2(job.reason().contains("Authorisation was refused."), qPrintable(job.reason()));
            QVERIFY(job.resultMessage().contains("was not changed"));
            QCOMPARE(tools.size(), 1); // nothing after the refusal
            QCOMPARE(firstBytes(stick.disk(), 1024 * 1024), before);
            return;
        }
        QCOMPARE(job.status(), Job::Status::Succeeded);
        for (const char* tool : {"sfdisk", "mkfs.vfat", "grub-bios-setup", "umount", "fsck.vfat"})
            QVERIFY2(tools.contains(tool), qPrintable(tools.join(' ')));
        QVERIFY(!tools.contains("7z")); // the copy runs as the user, onto a mount the user may write
    }

    void stopDuringCopyUnmounts()
    {
        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), 128, true);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        UsbBurnJob job(UsbBurnRequest {isoOf("linux"), stick.volume(), "FAT32", "", false},
            UsbTest::burnOptions(stick, m_dir.path()));
        connect(&job, &Job::progress, this, [&job](const QString& stage, qint64 value) {
            if (stage == "Burning the USB disk..." && value > 0 && job.isRunning())
                QTimer::singleShot(0, &job, &Job::stop);
        });
        QVERIFY(TestUtil::finish(job, 240000));
        QCOMPARE(job.status(), Job::Status::Stopped);
        QVERIFY2(job.resultMessage().contains("stopped") && job.resultMessage().contains("incomplete"),
            qPrintable(job.resultMessage()));
        QVERIFY(!job.mountPoint().isEmpty());
        QVERIFY(!QFileInfo::exists(job.mountPoint()));
        QVERIFY(!TestUtil::readFile("/proc/self/mountinfo").contains(stick.volume().toLocal8Bit() + ' '));
    }
};

QTEST_GUILESS_MAIN(TestUsbBurn)
#include "tst_usbburn.moc"
