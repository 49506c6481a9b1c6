// Which device events count as a volume arriving or going.
#include "platform/drivechange.h"

#include <QTest>

Q_DECLARE_METATYPE(DriveEvent)

class TestDriveChange : public QObject
{
    Q_OBJECT

private slots:
    void filter_data()
    {
        QTest::addColumn<DriveEvent>("event");
        QTest::addColumn<bool>("counts");
        const QString fs = QStringLiteral("filesystem");
        auto ev = [](const char* action, const char* subsystem, const char* devType,
                     const QString& usage, bool media = false) {
            DriveEvent e;
            e.action = QLatin1String(action);
            e.subsystem = QLatin1String(subsystem);
            e.devType = QLatin1String(devType);
            e.fsUsage = usage;
            e.mediaChange = media;
            return e;
        };
        // A USB stick: the disk without a file system, then its partition.
        QTest::newRow("stick disk added") << ev("add", "block", "disk", QString()) << false;
        QTest::newRow("stick partition added") << ev("add", "block", "partition", fs) << true;
        QTest::newRow("stick partition removed") << ev("remove", "block", "partition", fs) << true;
        QTest::newRow("stick disk removed") << ev("remove", "block", "disk", QString()) << false;
        // A stick formatted without a partition table carries the file system itself.
        QTest::newRow("superfloppy added") << ev("add", "block", "disk", fs) << true;
        QTest::newRow("partition changed") << ev("change", "block", "partition", fs) << false;
        // Discs going in and out of an optical drive.
        QTest::newRow("disc inserted") << ev("change", "block", "disk", fs, true) << false;
        QTest::newRow("disc ejected") << ev("change", "block", "disk", QString(), true) << false;
        QTest::newRow("media flag on add") << ev("add", "block", "disk", fs, true) << false;
        // Not volumes.
        QTest::newRow("encrypted partition") << ev("add", "block", "partition", QStringLiteral("crypto"))
                                             << false;
        QTest::newRow("raid member") << ev("add", "block", "partition", QStringLiteral("raid")) << false;
        QTest::newRow("usb interface") << ev("add", "usb", "usb_interface", QString()) << false;
        QTest::newRow("usb device with fs-like property") << ev("add", "usb", "usb_device", fs) << false;
        QTest::newRow("scsi host") << ev("add", "scsi", "scsi_host", QString()) << false;
        QTest::newRow("bind") << ev("bind", "block", "partition", fs) << false;
        QTest::newRow("empty record") << DriveEvent() << false;
    }

    void filter()
    {
        QFETCH(DriveEvent, event);
        QFETCH(bool, counts);
        QCOMPARE(IsVolumeArrivalOrRemoval(event), counts);
    }

    void monitorStartsOrDeclines()
    {
        // Without udev (a container) start() declines with a trace; either way
        // it must not crash and must agree with isActive().
        CDriveMonitor monitor;
        const bool started = monitor.start();
        QCOMPARE(monitor.isActive(), started);
        QCOMPARE(monitor.start(), started);
    }
};

QTEST_GUILESS_MAIN(TestDriveChange)
#include "tst_drivechange.moc"
