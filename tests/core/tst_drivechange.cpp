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
        // A USB stick: the disk without a file system, then its partition.
        QTest::newRow("stick disk added") << DriveEvent{"add", "block", "disk", ""} << false;
        QTest::newRow("stick partition added") << DriveEvent{"add", "block", "partition", fs} << true;
        QTest::newRow("stick partition removed") << DriveEvent{"remove", "block", "partition", fs} << true;
        // A stick formatted without a partition table carries the file system itself.
        QTest::newRow("superfloppy added") << DriveEvent{"add", "block", "disk", fs} << true;
        QTest::newRow("partition changed") << DriveEvent{"change", "block", "partition", fs} << false;
        // A disc going into an optical drive.
        QTest::newRow("disc inserted") << DriveEvent{"change", "block", "disk", fs, true} << false;
        QTest::newRow("media flag on add") << DriveEvent{"add", "block", "disk", fs, true} << false;
        // Not volumes.
        QTest::newRow("encrypted partition") << DriveEvent{"add", "block", "partition", "crypto"} << false;
        QTest::newRow("usb device with fs-like property") << DriveEvent{"add", "usb", "usb_device", fs} << false;
        QTest::newRow("empty record") << DriveEvent() << false;
    }

    void filter()
    {
        QFETCH(DriveEvent, event);
        QTEST(IsVolumeArrivalOrRemoval(event), "counts");
    }
};

QTEST_GUILESS_MAIN(TestDriveChange)
#include "tst_drivechange.moc"
