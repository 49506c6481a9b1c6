// The burn page headless: drive lists over a fake system, every check before
// a burn, and the disc burn with the stand-in recorder.
#include "burn/gui/burndialog.h"
#include "ui/filedialogs.h"
#include "ui/messages.h"
#include "runner/tools.h"
#include "testutil.h"
#include "ui/imagebutton.h"
#include "ui/progressdialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString fixture(const QString& name)
{
    return QStringLiteral(QUILLON_TEST_DATA "/") + name;
}

Platform::OpticalDrive drive(const QString& device, int bus)
{
    Platform::OpticalDrive drive;
    drive.device = device;
    drive.hasAddress = true;
    drive.bus = bus;
    return drive;
}

QStringList items(QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

} // namespace

class TestBurnDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_root; // the fake system

    // A removable stick of `bytes` with one partition.
    void addStick(const QString& name, qint64 bytes)
    {
        const QString sys = m_root + "/sys/block/" + name;
        QVERIFY(TestUtil::writeFile(sys + "/removable", "1\n"));
        QVERIFY(TestUtil::writeFile(sys + "/size", QByteArray::number(bytes / 512) + "\n"));
        QVERIFY(TestUtil::writeFile(sys + "/" + name + "1/partition", "1\n"));
        QVERIFY(TestUtil::writeFile(sys + "/" + name + "1/size", QByteArray::number(bytes / 512) + "\n"));
    }

    void recorders(const QString& recorded)
    {
        qputenv("QUILLON_STANDIN_OUTPUT", fixture(recorded).toUtf8());
    }

private slots:
    void initTestCase()
    {
        m_root = m_dir.path() + "/root";
        Platform::setDiscoveryRootForTest(m_root);
        Tools::SetToolForTest("/cdrtools/cdrecord", QCoreApplication::applicationDirPath() + "/standin_disctool");
        SetOpticalProbeForTest([] { return QList<Platform::OpticalDrive>{drive("/dev/sr0", 1), drive("/dev/sr1", 2)}; });
        MessageTest::setEnabled(true);
    }

    void init()
    {
        QDir(m_root).removeRecursively();
        QDir().mkpath(m_root + "/sys/block");
        recorders("cdrskin/scanbus-none.raw");
        qunsetenv("QUILLON_STANDIN_STATUS");
        MessageTest::clear();
    }

    void listsAndRefreshKinds()
    {
        addStick("sdb", Q_INT64_C(4000000000));
        recorders("cdrskin/scanbus-two.txt");
        CBurnDialog page;
        QCOMPARE(items(page.DiscList()), QStringList({"/dev/sr0: HL-DT-ST DVDRAM GH24NSD1 LG00",
                                                       "/dev/sr1: ASUS BW-16D1HT 3.02"}));
        QCOMPARE(page.DiscList()->itemData(1).toString(), QStringLiteral("2,0,0"));
        QCOMPARE(items(page.UsbList()), QStringList({"/dev/sdb1  3.73 GB"}));
        QVERIFY(page.DiscList()->isEnabled());
        QVERIFY(!page.UsbList()->isEnabled() && !page.LabelField()->isEnabled());

        // Kind 2 refreshes only the removable list, kind 1 only the optical one.
        page.DiscList()->setCurrentIndex(1);
        addStick("sdc", Q_INT64_C(8000000000));
        const int scans = page.ScansRun();
        page.InitializeUSBAndDVDComboBox(2);
        QCOMPARE(page.ScansRun(), scans);
        QCOMPARE(page.UsbList()->count(), 2);
        QCOMPARE(page.DiscList()->currentIndex(), 1);
        QDir(m_root + "/sys/block/sdc").removeRecursively();
        page.InitializeUSBAndDVDComboBox(1);
        QCOMPARE(page.ScansRun(), scans + 1);
        QCOMPARE(page.UsbList()->count(), 2);
        QCOMPARE(page.DiscList()->currentIndex(), 1); // the remembered recorder again

        // Switching modes keeps the chosen drives.
        page.UsbList()->setCurrentIndex(1);
        page.UsbRadio()->setChecked(true);
        QVERIFY(page.UsbList()->isEnabled() && !page.DiscList()->isEnabled());
        QCOMPARE(page.UsbList()->count(), 1); // sdc is gone
        QCOMPARE(page.DiscList()->currentIndex(), 1);
    }

    void scanWithoutRecorderEndsOnStartFailure()
    {
        Tools::SetToolForTest("/cdrtools/cdrecord", m_dir.path() + "/no-such-recorder");
        QElapsedTimer clock;
        clock.start();
        CBurnDialog page; // the first scan runs in the constructor
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(page.DiscList()->count(), 0);
        Tools::SetToolForTest("/cdrtools/cdrecord", QCoreApplication::applicationDirPath() + "/standin_disctool");
    }

    void labelAndPartitionStyle()
    {
        CBurnDialog page;
        page.UsbRadio()->setChecked(true);
        QTest::keyClicks(page.LabelField(), "abc");
        QCOMPARE(page.LabelField()->text(), QStringLiteral("ABC"));
        QTest::keyClicks(page.LabelField(), "defghijkl");
        QCOMPARE(page.LabelField()->text(), QStringLiteral("ABCDEFGHIJK"));

        page.FileSystemList()->setCurrentIndex(1);
        page.PartitionList()->setCurrentIndex(1); // GPT
        QCOMPARE(page.FileSystemList()->currentText(), QStringLiteral("FAT32"));
        QVERIFY(!page.FileSystemList()->isEnabled());
        page.DiscRadio()->setChecked(true);
        page.UsbRadio()->setChecked(true);
        QVERIFY(!page.FileSystemList()->isEnabled()); // still GPT
        page.PartitionList()->setCurrentIndex(0);
        QVERIFY(page.FileSystemList()->isEnabled());
        QCOMPARE(page.FileSystemList()->currentText(), QStringLiteral("FAT32"));
    }

    void imageCheck()
    {
        CBurnDialog page;
        for (const char* name : {"WIN.ISO.bak", "disc.img", "folder.iso"}) {
            const QString path = m_dir.path() + "/" + QLatin1String(name);
            if (QByteArray(name).startsWith("folder"))
                QDir().mkpath(path);
            else
                QVERIFY(TestUtil::writeFile(path, "x"));
            page.ImageField()->setText(path);
            page.onBurn();
            QCOMPARE(MessageTest::last().picture, QStringLiteral(":/vud/burn-fails"));
            MessageTest::clear();
        }
        // Upper case passes the check; with no recorder, Burn does nothing.
        const QString upper = m_dir.path() + "/IMAGES/WIN.ISO";
        QVERIFY(TestUtil::writeFile(upper, "x"));
        page.ImageField()->setText(upper);
        page.onBurn();
        QVERIFY(MessageTest::shown().isEmpty());
        QVERIFY(!page.BurnJob());
        QVERIFY(!page.Progress()->isVisible());
    }

    void usbChecks()
    {
        const QString image = m_dir.path() + "/big.iso";
        QVERIFY(TestUtil::makeSparseFile(image, Q_INT64_C(3950000000)));
        CBurnDialog page;
        page.ImageField()->setText(image);
        page.UsbRadio()->setChecked(true);

        page.onBurn();
        QCOMPARE(MessageTest::last().picture, QStringLiteral(":/vud/insert_usb"));
        QCOMPARE(MessageTest::last().text, QStringLiteral("Please insert your USB drive to computer"));

        addStick("sdb", Q_INT64_C(4000000000));
        page.InitializeUSBAndDVDComboBox(2);
        MessageTest::clear();
        MessageTest::queueAnswers({0});
        page.onBurn(); // not confirmed: nothing more
        QCOMPARE(MessageTest::shown().size(), 1);
        QCOMPARE(MessageTest::last().picture, QStringLiteral(":/vud/format_usb"));

        MessageTest::clear();
        MessageTest::queueAnswers({1});
        QSignalSpy ended(&page, &CBurnDialog::sigBurnEnded);
        page.onBurn(); // 3,950,000,000 + 50 MiB > 4,000,000,000
        QCOMPARE(MessageTest::last().picture, QStringLiteral(":/vud/insufficient_space"));
        QCOMPARE(ended.size(), 0);

        // A stick that left since the list was filled is not written to.
        QDir(m_root + "/sys/block/sdb").removeRecursively();
        addStick("sdb", Q_INT64_C(16000000000));
        page.InitializeUSBAndDVDComboBox(2);
        QDir(m_root + "/sys/block/sdb").removeRecursively();
        MessageTest::clear();
        MessageTest::queueAnswers({1});
        page.onBurn();
        QCOMPARE(MessageTest::last().picture, QStringLiteral(":/vud/insert_usb"));
        QCOMPARE(ended.size(), 0);
    }

    void usbBurnReportsTheJobsEnd()
    {
        const QString image = m_dir.path() + "/usb.iso";
        QVERIFY(TestUtil::writeFile(image, "x"));
        addStick("quillonfake", Q_INT64_C(16000000000)); // no such device node: nothing real is touched
        CBurnDialog page;
        page.ImageField()->setText(image);
        page.UsbRadio()->setChecked(true);
        QSignalSpy ended(&page, &CBurnDialog::sigBurnEnded);
        MessageTest::clear();
        MessageTest::queueAnswers({1});
        page.onBurn();
        QVERIFY(!ended.isEmpty() || ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), false);
        QVERIFY(page.UsbJob());
        QCOMPARE(page.UsbJob()->request().device, QStringLiteral("/dev/quillonfake1"));
        QVERIFY2(MessageTest::last().text.startsWith("Burning failed. Checking the request: /dev/quillonfake1"),
                 qPrintable(MessageTest::last().text));
        QVERIFY(MessageTest::last().text.endsWith("The USB disk was not changed."));
        QVERIFY(!page.Progress()->isVisible());
        QDir(m_root + "/sys/block/quillonfake").removeRecursively();
    }

    void discBurn()
    {
        const QString image = m_dir.path() + "/disc.iso";
        QVERIFY(TestUtil::writeFile(image, "x"));
        recorders("cdrskin/scanbus-two.txt");
        CBurnDialog page;
        page.ImageField()->setText(image);
        QSignalSpy ended(&page, &CBurnDialog::sigBurnEnded);

        recorders("wodim/burn-ok.raw");
        page.onBurn();
        QVERIFY(page.Progress()->isVisible());
        QVERIFY(!page.Progress()->StopButton()->isEnabled());
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), true);
        QCOMPARE(MessageTest::last().text, QStringLiteral("Burning disc successfully."));
        QVERIFY(!page.Progress()->isVisible());

        recorders("wodim/burn-write-error.raw");
        qputenv("QUILLON_STANDIN_STATUS", "255");
        page.onBurn();
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), false);
        QVERIFY2(MessageTest::last().text.contains("Writing to the disc failed"),
                 qPrintable(MessageTest::last().text));

        Tools::SetToolForTest("/cdrtools/cdrecord", m_dir.path() + "/no-such-recorder");
        page.onBurn();
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), false);
        QVERIFY(MessageTest::last().text.contains("no-such-recorder"));
        QVERIFY(!page.Progress()->isVisible());
        Tools::SetToolForTest("/cdrtools/cdrecord", QCoreApplication::applicationDirPath() + "/standin_disctool");
    }
};

QTEST_MAIN(TestBurnDialog)
#include "tst_burndialog.moc"
