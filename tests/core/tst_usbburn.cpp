#include "burn/usbburnjob.h"
#include "burn/usbhelperprotocol.h"

#include "testutil.h"
#include "usbstick.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using UsbTest::StartState;

Q_DECLARE_METATYPE(StartState)
Q_DECLARE_METATYPE(UsbStyle)

// The USB burn end to end: real tools and the real helper writing to a loop
// device that stands in for the stick, whatever it held before; the result
// read back by tools of their own (sfdisk, blkid, cmp, FUSE mounts). Needs
// root, loop devices and FUSE; skips elsewhere.
class TestUsbBurn : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString isoOf(const QString& name) const { return m_dir.filePath(name + ".iso"); }
    QString treeOf(const QString& name) const { return m_dir.filePath(name); }

    // QUILLON_KEEP_STICKS=folder keeps the sticks and images for boot checks
    // in a virtual machine (make boot-check).
    static void keep(const QString& file, const QString& name)
    {
        const QString folder = qEnvironmentVariable("QUILLON_KEEP_STICKS");
        if (!folder.isEmpty())
            TestUtil::run("cp", {"--sparse=always", file, folder + "/" + name});
    }

    static QByteArray firstBytes(const QString& device, int count) { return TestUtil::readAt(device, 0, count); }

    static QString helperProgram() { return QCoreApplication::applicationDirPath() + "/quillon-usb-helper"; }

private slots:
    void initTestCase()
    {
        const QString why = UsbTest::cannotRun();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        QVERIFY(m_dir.isValid());
        QVERIFY(UsbTest::makeLinuxTree(treeOf("linux"), 12 * 1024 * 1024));
        QVERIFY(TestUtil::makeIso(treeOf("linux"), isoOf("linux"), UsbTest::linuxIsoArguments()));
        // Rock Ridge only, isohybrid, the UEFI loader only inside the El Torito EFI image.
        QVERIFY(UsbTest::makeLinuxTree(treeOf("hybrid"), 4 * 1024 * 1024, false));
        QVERIFY(UsbTest::makeHybridIso(treeOf("hybrid"), isoOf("hybrid")));
        // As 7-Zip reads it: the image holds isolinux.bin with its boot information table.
        QVERIFY(QDir(treeOf("hybrid")).removeRecursively());
        QCOMPARE(TestUtil::run("7z", {"x", "-y", "-x![BOOT]", "-o" + treeOf("hybrid"), isoOf("hybrid")}).exitCode, 0);
        QVERIFY(UsbTest::makeWindowsTree(treeOf("windows"), treeOf("linux") + "/data/nested", 0));
        QVERIFY(TestUtil::makeIso(treeOf("windows"), isoOf("windows"), UsbTest::windowsIsoArguments()));
        QVERIFY(TestUtil::writeFile(treeOf("unicode") + QString::fromUtf8("/Überblick.txt"), "names\n"));
        QVERIFY(TestUtil::writeFile(treeOf("unicode") + QString::fromUtf8("/Ordner ä/Datei ö.txt"), "more\n"));
        QVERIFY(TestUtil::makeIso(treeOf("unicode"), isoOf("unicode")));
        QVERIFY(TestUtil::writeFile(treeOf("clash") + "/docs/readme.txt", "one\n"));
        QVERIFY(TestUtil::writeFile(treeOf("clash") + "/docs/README.TXT", "two\n"));
        QVERIFY(TestUtil::makeIso(treeOf("clash"), isoOf("clash")));
        keep(isoOf("linux"), "linux.iso");
        keep(isoOf("hybrid"), "hybrid.iso");
        keep(isoOf("windows"), "windows.iso");
    }

    void wholeStick_data()
    {
        QTest::addColumn<StartState>("state");
        QTest::addColumn<UsbStyle>("style");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("fileSystem");
        QTest::addColumn<QString>("blkidType"); // what the partition holds afterwards
        QTest::addColumn<QString>("type"); // its partition type
        QTest::addColumn<bool>("bios");
        QTest::addColumn<bool>("uefi");

        const QString esp = "C12A7328-F81F-11D2-BA4B-00A0C93EC93B";
        const struct {
            const char* name;
            StartState state;
        } states[] = {{"blank", StartState::Blank}, {"written with dd", StartState::Written},
            {"GPT, one partition", StartState::GptOne}, {"MBR, two partitions", StartState::MbrTwo}};
        for (const auto& s : states) {
            QTest::addRow("%s, MBR FAT32", s.name) << s.state << UsbStyle::Mbr << "hybrid"
                                                   << "FAT32"
                                                   << "vfat"
                                                   << "C" << true << true;
            QTest::addRow("%s, GPT", s.name) << s.state << UsbStyle::Gpt << "hybrid"
                                             << "NTFS"
                                             << "vfat" << esp << false << true;
            QTest::addRow("%s, image", s.name) << s.state << UsbStyle::Image << "hybrid"
                                               << "NTFS"
                                               << "" << QString() << true << true;
        }
        QTest::newRow("linux with Joliet, NTFS: BIOS only, UEFI reads FAT")
            << StartState::MbrOne << UsbStyle::Mbr << "linux"
            << "NTFS"
            << "ntfs"
            << "7" << true << false;
        QTest::newRow("windows, exFAT") << StartState::MbrOne << UsbStyle::Mbr << "windows"
                                        << "exFAT"
                                        << "exfat"
                                        << "7" << true << false;
        QTest::newRow("windows, FAT on a small stick stays FAT16") << StartState::Blank << UsbStyle::Mbr << "windows"
                                                                   << "FAT"
                                                                   << "vfat"
                                                                   << "C" << true << false;
        QTest::newRow("names beyond ASCII, exFAT: nothing to start") << StartState::Blank << UsbStyle::Mbr << "unicode"
                                                                     << "exFAT"
                                                                     << "exfat"
                                                                     << "7" << false << false;
    }

    void wholeStick()
    {
        QFETCH(StartState, state);
        QFETCH(UsbStyle, style);
        QFETCH(QString, image);
        QFETCH(QString, fileSystem);
        QFETCH(QString, blkidType);
        QFETCH(QString, type);
        QFETCH(bool, bios);
        QFETCH(bool, uefi);

        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), 128, state, isoOf("hybrid"));
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        int starts = 0;
        UsbBurnRequest request {isoOf(image), stick.disk(), fileSystem, "TEST LABEL", style};
        UsbBurnJob job(request, UsbTest::burnOptions(stick, m_dir.path(), &starts));
        QSignalSpy progress(&job, &Job::progress);
        QSignalSpy moved(&job, &UsbBurnJob::bytesMoved);
        QVERIFY(TestUtil::finish(job, 240000));
        QVERIFY2(job.status() == Job::Status::Succeeded, qPrintable(job.reason()));
        QVERIFY2(job.resultMessage().startsWith("Burning Successfully..."), qPrintable(job.resultMessage()));
        QVERIFY2(job.resultMessage().endsWith("The USB disk can be removed."), qPrintable(job.resultMessage()));
        QCOMPARE(starts, 1); // one authentication at most
        QCOMPARE(job.startsOnBios(), bios);
        QCOMPARE(job.startsOnUefi(), uefi);

        // One bar that never goes back, ending full.
        qint64 last = 0;
        for (const QList<QVariant>& p : progress) {
            QVERIFY(p.at(1).toLongLong() >= last);
            last = p.at(1).toLongLong();
        }
        QCOMPARE(last, JobSequence::Scale);
        // The stages that move data say how much (7-Zip is silent on a quick
        // copy); the last stages move none.
        if (!moved.isEmpty())
            QCOMPARE(moved.last(), (QList<QVariant> {qint64(0), qint64(0)}));

        const UsbTest::TableSeen table = UsbTest::readTable(stick.disk());
        if (style == UsbStyle::Image) {
            // The stick is the image: its table, and its bytes.
            const UsbTest::TableSeen original = UsbTest::readTable(isoOf(image));
            QCOMPARE(table.label, original.label);
            QCOMPARE(table.starts, original.starts);
            const QString size = QString::number(QFileInfo(isoOf(image)).size());
            QCOMPARE(TestUtil::run("cmp", {"-n", size, isoOf(image), stick.disk()}).exitCode, 0);
            // Written, then read back: each in bytes of the image, to the end.
            int whole = 0;
            for (const QList<QVariant>& m : moved.mid(0, moved.size() - 1)) {
                QCOMPARE(m.at(1).toLongLong(), QFileInfo(isoOf(image)).size());
                whole += m.at(0) == m.at(1);
            }
            QCOMPARE(whole, 2);
            return;
        }
        QCOMPARE(table.label, style == UsbStyle::Gpt ? QString("gpt") : QString("dos"));
        QCOMPARE(table.starts, QList<qint64>({2048})); // one partition, at 1 MiB
        QCOMPARE(table.types, QStringList({type}));
        QCOMPARE(table.bootable, QList<bool>({style == UsbStyle::Mbr}));
        // No trace of what the stick held before.
        QVERIFY(UsbTest::blkid(stick.disk(), "TYPE") != "iso9660");
        const QString partition = stick.partition(1);
        QVERIFY(!partition.isEmpty());
        QCOMPARE(UsbTest::blkid(partition, "TYPE"), blkidType);
        QCOMPARE(UsbTest::blkid(partition, "LABEL"), QString("TEST LABEL"));
        // GRUB's boot.img starts with a short jump.
        if (bios)
            QCOMPARE(firstBytes(stick.disk(), 2), QByteArray("\xeb\x63", 2));

        const QString mountPoint = m_dir.filePath("check");
        const QString mountedAs = blkidType == "vfat" ? "FAT32" : blkidType == "ntfs" ? "NTFS" : "exFAT";
        QVERIFY(UsbTest::mountReadOnly(mountedAs, partition, mountPoint));
        const QStringList different = UsbTest::differentFiles(treeOf(image), mountPoint);
        const QMap<QString, qint64> have = UsbTest::treeSizes(mountPoint);
        const QByteArray loader = TestUtil::readFile(mountPoint + "/EFI/BOOT/BOOTX64.EFI");
        const QByteArray menu = TestUtil::readFile(mountPoint + "/boot/quillon/grub.cfg");
        UsbTest::unmount(mountPoint);
        QVERIFY2(different.isEmpty(), qPrintable(different.join(", ")));
        QVERIFY(!have.contains(".bios-setup") && !have.contains("[BOOT]"));
        if (image == "hybrid" && uefi) // out of the El Torito EFI image
            QCOMPARE(loader, TestUtil::readFile(treeOf("hybrid") + ".BOOTX64.EFI"));
        if (bios && image != "windows") { // isolinux's entries as a GRUB menu that boots
            QVERIFY2(menu.contains("menuentry \"Test entry read from isolinux.cfg\" {\n  linux16 \"/isolinux/vmlinuz\" "
                                   "\"quiet\"\n  boot\n}"),
                menu.constData());
            QVERIFY(menu.startsWith("set default=0\nset timeout=60\n"));
        }
        QVERIFY(!QFileInfo::exists(job.mountPoint()));
        keep(stick.file(), QString(QTest::currentDataTag()).replace(QRegularExpression("[^A-Za-z0-9]+"), "-") + ".img");
    }

    // The read-back finds one byte that differs, and where.
    void readBackFindsADifference()
    {
        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), 64, StartState::Blank);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        const QString image = isoOf("hybrid");
        const qint64 at = QFileInfo(image).size() - 5;
        QCOMPARE(
            TestUtil::run("dd", {"if=" + image, "of=" + stick.disk(), "bs=1M", "conv=fsync", "status=none"}).exitCode,
            0);
        QFile disk(stick.disk());
        QVERIFY(disk.open(QIODevice::ReadWrite) && disk.seek(at));
        const char flipped = char(~TestUtil::readAt(image, at, 1).at(0));
        QVERIFY(disk.write(&flipped, 1) == 1 && disk.flush());
        ::fsync(disk.handle());
        disk.close();
        QProcess helper;
        helper.start(helperProgram(), {stick.disk(), UsbHelperProtocol::AllowLoopOption});
        // The end of its input would stop it: quit only once it answered.
        helper.write(UsbHelperProtocol::encode({"verify", image}));
        QByteArray said;
        while (!said.contains("error\t") && !said.contains("ok\n") && helper.waitForReadyRead(60000))
            said += helper.readAllStandardOutput();
        helper.write(UsbHelperProtocol::encode({"quit"}));
        QVERIFY(helper.waitForFinished(60000));
        QVERIFY2(said.endsWith(UsbHelperProtocol::encode(
                     {"error", QString("%1 differs from the image at byte %2.").arg(stick.disk()).arg(at)})),
            said.constData());
    }

    void helperRefusesWhatDiscoveryWouldNotList()
    {
        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), 64, StartState::MbrOne);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        const QByteArray before = firstBytes(stick.disk(), 4096);
        // A loop device is no USB disk unless root itself asks for it; a partition is no whole disk.
        const QList<QStringList> refused {{stick.disk()}, {stick.partition(1), UsbHelperProtocol::AllowLoopOption},
            {"/dev/null", UsbHelperProtocol::AllowLoopOption}, {}};
        for (const QStringList& args : refused) {
            const TestUtil::Result r = TestUtil::run(helperProgram(), args);
            QVERIFY2(r.output.startsWith("refused\t"), r.output.constData());
            QVERIFY(r.exitCode != 0);
        }
        // Through pkexec, even root's helper takes no loop device.
        const TestUtil::Result viaPkexec = TestUtil::run(
            "env", {"PKEXEC_UID=1000", helperProgram(), stick.disk(), UsbHelperProtocol::AllowLoopOption});
        QVERIFY2(viaPkexec.output.startsWith("refused\t"), viaPkexec.output.constData());

        // The default discovery: the job refuses before the helper is asked.
        int starts = 0;
        UsbBurnJob::Options options = UsbBurnJob::defaultOptions();
        options.helperCommand = [&starts](const QString& device) {
            ++starts;
            return UsbBurnJob::defaultHelperCommand(device, true);
        };
        UsbBurnJob job(UsbBurnRequest {isoOf("linux"), stick.disk(), "FAT32", "", UsbStyle::Mbr}, options);
        QVERIFY(TestUtil::finish(job, 240000));
        QCOMPARE(job.status(), Job::Status::Failed);
        QVERIFY2(job.reason().contains("left alone"), qPrintable(job.reason()));
        QVERIFY(job.resultMessage().contains("was not changed"));
        QCOMPARE(starts, 0);
        QCOMPARE(firstBytes(stick.disk(), 4096), before);
    }

    void failingStages_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("image");
        QTest::addColumn<UsbStyle>("style");
        QTest::addColumn<QString>("label");
        QTest::addColumn<qint64>("stickMegabytes");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("touched");
        QTest::newRow("stick too small") << ""
                                         << "linux" << UsbStyle::Mbr << "" << qint64(12)
                                         << "Preparing the burn: The image needs" << false;
        QTest::newRow("names FAT cannot hold apart")
            << ""
            << "clash" << UsbStyle::Mbr << "" << qint64(64)
            << "Preparing the burn: FAT32 cannot hold these names of the image apart, or refuses them: "
               "docs/README.TXT, docs/readme.txt."
            << false;
        QTest::newRow("a label FAT refuses") << ""
                                             << "linux" << UsbStyle::Mbr << "A*B.C" << qint64(64)
                                             << "Checking the request: The volume label \"A*B.C\" cannot be used: "
                                                "FAT32 does not allow these characters in a label: *."
                                             << false;
        QTest::newRow("image mode, image without a table")
            << ""
            << "linux" << UsbStyle::Image << "" << qint64(64)
            << "Checking the request: The image has no partition table of its own" << false;
        QTest::newRow("archive tool cannot start")
            << "no 7z"
            << "linux" << UsbStyle::Mbr << "" << qint64(64) << "Reading the image: Could not start" << false;
        QTest::newRow("image removed mid-run")
            << "remove image"
            << "linux" << UsbStyle::Mbr << "" << qint64(64) << "Copying the files:" << true;
        QTest::newRow("names fusefat cannot write")
            << "fusefat"
            << "unicode" << UsbStyle::Mbr << "" << qint64(64)
            << "Preparing the burn: FAT on this system goes through fusefat" << false;
        // The small image may be written before the stick shrinks: then the read-back fails.
        QTest::newRow("stick gone mid-write")
            << "shrink"
            << "hybrid" << UsbStyle::Image << "" << qint64(64) << "ing /dev/loop" << true;
    }

    void failingStages()
    {
        QFETCH(QString, failure);
        QFETCH(QString, image);
        QFETCH(UsbStyle, style);
        QFETCH(QString, label);
        QFETCH(qint64, stickMegabytes);
        QFETCH(QString, reason);
        QFETCH(bool, touched);

        if (failure == "fusefat" && TestUtil::readFile("/proc/filesystems").contains("vfat"))
            QSKIP("the kernel writes FAT here itself");
        const QString doomed = m_dir.filePath("doomed.iso");
        QFile::remove(doomed);
        QVERIFY(QFile::copy(isoOf(image), doomed));
        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), stickMegabytes, StartState::MbrOne);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        const QByteArray before = firstBytes(stick.disk(), 1024 * 1024 + 64 * 1024);

        UsbBurnJob::Options options = UsbTest::burnOptions(stick, m_dir.path());
        if (failure == "no 7z")
            options.tools.archive = m_dir.filePath("no-such-7z");
        UsbBurnJob job(UsbBurnRequest {doomed, stick.disk(), "FAT32", label, style}, options);
        bool shrunk = false;
        connect(&job, &Job::progress, this, [&](const QString& stage) {
            if (failure == "remove image" && stage == "The USB disk is under formating...")
                QFile::remove(doomed);
        });
        // The stick's capacity drops to 1 MiB under the writer, as when it is pulled.
        connect(&job, &UsbBurnJob::bytesMoved, this, [&](qint64 done) {
            if (failure == "shrink" && !shrunk && done > 0) {
                shrunk = true;
                QFile(stick.file()).resize(1024 * 1024);
                TestUtil::run("losetup", {"-c", stick.disk()});
            }
        });
        QVERIFY(TestUtil::finish(job, 240000));
        QCOMPARE(job.status(), Job::Status::Failed);
        if (failure == "shrink")
            QVERIFY2(
                job.reason().contains(reason) && job.reason().contains("was it removed?"), qPrintable(job.reason()));
        else
            QVERIFY2(job.reason().startsWith(reason), qPrintable(job.reason()));
        QVERIFY(!job.resultMessage().contains("Successfully"));
        QVERIFY2(
            job.resultMessage().contains(touched ? "incomplete" : "was not changed"), qPrintable(job.resultMessage()));
        if (!touched)
            QCOMPARE(firstBytes(stick.disk(), 1024 * 1024 + 64 * 1024), before);
        QVERIFY(!QFileInfo::exists(job.mountPoint()));
    }

    // Not root: the helper starts through pkexec, once; a refusal (126/127)
    // ends the burn before the stick is touched.
    void authorisationIsAskedOnce_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("authorised") << 0;
        QTest::newRow("dismissed") << 126;
        QTest::newRow("not authorised") << 127;
    }

    void authorisationIsAskedOnce()
    {
        QFETCH(int, answer);
        const QString asked = m_dir.filePath("elevated.txt");
        const QString pkexec = m_dir.filePath("pkexec");
        QFile::remove(asked);
        QVERIFY(TestUtil::writeFile(pkexec,
            QString("#!/bin/sh\necho \"$1\" >> '%1'\n%2\n")
                .arg(asked, answer ? QString("exit %1").arg(answer) : "exec \"$@\"")
                .toUtf8()));
        QVERIFY(QFile::setPermissions(pkexec, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), 64, StartState::MbrTwo);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        const QByteArray before = firstBytes(stick.disk(), 1024 * 1024);
        UsbBurnJob::Options options = UsbTest::burnOptions(stick, m_dir.path());
        options.helperCommand = [pkexec](const QString& device) {
            return QStringList {pkexec} + UsbBurnJob::defaultHelperCommand(device, true);
        };
        UsbBurnJob job(UsbBurnRequest {isoOf("linux"), stick.disk(), "FAT32", "", UsbStyle::Mbr}, options);
        QVERIFY(TestUtil::finish(job, 240000));
        const QStringList programs = QString::fromUtf8(TestUtil::readFile(asked)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(programs, QStringList({helperProgram()}));
        if (answer != 0) {
            QCOMPARE(job.status(), Job::Status::Failed);
            QVERIFY2(job.reason().contains("Authorisation was refused."), qPrintable(job.reason()));
            QVERIFY(job.resultMessage().contains("was not changed"));
            QCOMPARE(firstBytes(stick.disk(), 1024 * 1024), before);
            return;
        }
        QVERIFY2(job.status() == Job::Status::Succeeded, qPrintable(job.reason()));
    }

    void stopDuringCopyUnmounts()
    {
        UsbTest::LoopStick stick(m_dir.filePath("stick.img"), 128, StartState::Blank);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        UsbBurnJob job(UsbBurnRequest {isoOf("linux"), stick.disk(), "FAT32", "", UsbStyle::Mbr},
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
        QVERIFY(!TestUtil::readFile("/proc/self/mountinfo").contains(stick.disk().toLocal8Bit() + "p1 "));
    }
};

QTEST_GUILESS_MAIN(TestUsbBurn)
#include "tst_usbburn.moc"
