#include "burn/usbburnjob.h"

#include "testutil.h"
#include "usbstick.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// An install image of 4 GiB + 1 byte: a real WIM padded with a sparse tail,
// in an image built with the large-file option. The image and the stick stay
// small on disk; the one real 4 GiB write is 7-Zip taking the install image
// out to the working folder, as the burn must.
class TestUsbBurnLarge : public QObject {
    Q_OBJECT

private slots:
    void splitsTheInstallImage()
    {
        const QString why = UsbTest::cannotRun();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString wimSource = dir.filePath("wim-source");
        QVERIFY(TestUtil::writeFile(wimSource + "/Windows/System32/config.txt", QByteArray(300 * 1024, 'c')));
        QVERIFY(TestUtil::writeFile(wimSource + "/setup.txt", "setup\n"));
        const QString tree = dir.filePath("windows");
        const qint64 installBytes = UsbPlan::FourGiB + 1;
        QVERIFY(UsbTest::makeWindowsTree(tree, wimSource, installBytes));
        const QString image = dir.filePath("windows.iso");
        // The image is written sparse: its 4 GiB of zeros take no disk space.
        const TestUtil::Result built = TestUtil::run("sh",
            {"-c",
                "tree=$0 out=$1; shift; genisoimage -quiet -udf -J -R -allow-limited-size \"$@\" "
                "-o /dev/stdout \"$tree\" | cp --sparse=always /dev/stdin \"$out\"",
                tree, image, "-b", "boot/etfsboot.com", "-c", "boot/boot.cat", "-no-emul-boot"},
            600000);
        QVERIFY2(built.exitCode == 0, built.output.constData());

        // Room for the parts as a real install image would need it; sparse, like the image.
        UsbTest::LoopStick stick(dir.filePath("stick.img"), 5 * 1024, UsbTest::StartState::Blank);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        const QString disk = stick.disk();
        UsbBurnJob job(
            UsbBurnRequest {image, disk, "FAT32", "WIN", UsbStyle::Mbr}, UsbTest::burnOptions(stick, dir.path()));
        QSignalSpy progress(&job, &Job::progress);
        QVERIFY(TestUtil::finish(job, 900000));
        QVERIFY2(job.status() == Job::Status::Succeeded, qPrintable(job.reason()));
        QStringList stages;
        for (const QList<QVariant>& p : progress)
            stages << p.at(0).toString();
        QVERIFY(stages.contains("Extract the wim file ..."));
        QVERIFY(stages.contains("Process the wim file larger than 4 GB..."));
        // The working copy is gone, and so is our working folder.
        QCOMPARE(QDir(dir.path()).entryList({"quillon-usb-*"}, QDir::AllEntries | QDir::Hidden), QStringList());

        const QString mounted = dir.filePath("check");
        QVERIFY(UsbTest::mountReadOnly("FAT32", stick.partition(1), mounted));
        const QMap<QString, qint64> onStick = UsbTest::treeSizes(mounted);
        QVERIFY(!onStick.contains("sources/install.wim"));
        QVERIFY(onStick.contains("sources/install.swm"));
        QCOMPARE(onStick.value("sources/boot.wim"), qint64(2 * 1024 * 1024));
        // The parts are a split set the splitter accepts, holding what the original held.
        const QString applied = dir.filePath("applied");
        const TestUtil::Result apply = TestUtil::run("wimlib-imagex",
            {"apply", mounted + "/sources/install.swm", "1", applied, "--ref=" + mounted + "/sources/install*.swm"});
        UsbTest::unmount(mounted);
        QVERIFY2(apply.exitCode == 0, apply.output.constData());
        QCOMPARE(UsbTest::differentFiles(wimSource, applied), QStringList());
        QCOMPARE(UsbTest::treeSizes(applied).keys(), UsbTest::treeSizes(wimSource).keys());
    }
};

QTEST_GUILESS_MAIN(TestUsbBurnLarge)
#include "tst_usbburn_large.moc"
