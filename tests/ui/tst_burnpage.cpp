// The burn page headless: drive lists over a fake system, every check before
// a burn, and the disc burn with the stand-in recorder.
#include "pages/burnpage.h"
#include "ui/emptylisttext.h"
#include "ui/imagebutton.h"
#include "ui/progressdialog.h"
#include "ui/settings.h"

#include "scripteddialogs.h"
#include "testutil.h"
#include "uitestutil.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QStringList items(QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

} // namespace

class TestBurnDialog : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_root; // the fake system
    ScriptedDialogs m_dialogs;
    PageContext m_context {&m_dialogs};

    // A removable stick of `bytes` with one partition.
    void addStick(const QString& name, qint64 bytes)
    {
        const QString sys = m_root + "/sys/block/" + name;
        QVERIFY(TestUtil::writeFile(sys + "/removable", "1\n"));
        QVERIFY(TestUtil::writeFile(sys + "/size", QByteArray::number(bytes / 512) + "\n"));
        QVERIFY(TestUtil::writeFile(sys + "/" + name + "1/partition", "1\n"));
        QVERIFY(TestUtil::writeFile(sys + "/" + name + "1/size", QByteArray::number(bytes / 512) + "\n"));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true); // settings in ~/.qttest, not the user's
        m_root = m_dir.path() + "/root";
        m_context.tools.recorder = m_dir.path() + "/recorder";
        QVERIFY(QFile::copy(TestUtil::standInTool(), m_context.tools.recorder));
        m_context.drives.root = m_root;
        m_context.drives.probe = twoRecorders;
    }

    void init()
    {
        QDir(m_root).removeRecursively();
        QDir().mkpath(m_root + "/sys/block");
        TestUtil::playStandIn("cdrskin/scanbus-none.raw");
        m_dialogs = ScriptedDialogs();
        Settings::SetValue(QLatin1String(CBurnDialog::PartitionStyleKey), QVariant());
        Settings::SetValue(QLatin1String(CBurnDialog::FileSystemKey), QVariant());
    }

    // A USB burn's partition style and file system come back on the next
    // page; GPT keeps FAT32 whatever was kept.
    void burnOptionsAreKept()
    {
        const QString image = m_dir.path() + "/kept.iso";
        QVERIFY(TestUtil::writeFile(image, "x"));
        addStick("quillonfake", Q_INT64_C(16000000000)); // no such device node: nothing real is touched
        {
            CBurnDialog page(nullptr, m_context);
            QCOMPARE(page.findChild<QComboBox*>("sysfilelist")->currentText(), QStringLiteral("FAT32"));
            page.ImageField()->setText(image);
            page.UsbRadio()->setChecked(true);
            page.findChild<QComboBox*>("sysfilelist")->setCurrentText(QStringLiteral("exFAT"));
            QSignalSpy ended(&page, &CBurnDialog::sigBurnEnded);
            m_dialogs.confirmations << 1;
            page.onBurn();
            QVERIFY(!ended.isEmpty() || ended.wait(10000));
        }
        CBurnDialog again(nullptr, m_context);
        QCOMPARE(again.findChild<QComboBox*>("sysfilelist")->currentText(), QStringLiteral("exFAT"));
        QCOMPARE(again.findChild<QComboBox*>("ptlist")->currentIndex(), 0);
        Settings::SetValue(QLatin1String(CBurnDialog::PartitionStyleKey), 1);
        CBurnDialog gpt(nullptr, m_context);
        QCOMPARE(gpt.findChild<QComboBox*>("ptlist")->currentIndex(), 1);
        QCOMPARE(gpt.findChild<QComboBox*>("sysfilelist")->currentText(), QStringLiteral("FAT32"));
        QDir(m_root + "/sys/block/quillonfake").removeRecursively();
    }

    void listsAndRefreshKinds()
    {
        addStick("sdb", Q_INT64_C(4000000000));
        TestUtil::playStandIn("cdrskin/scanbus-two.txt");
        CBurnDialog page(nullptr, m_context);
        QCOMPARE(items(page.DiscList()),
            QStringList({"/dev/sr0: HL-DT-ST DVDRAM GH24NSD1 LG00", "/dev/sr1: ASUS BW-16D1HT 3.02"}));
        QCOMPARE(page.DiscList()->itemData(1).toString(), QStringLiteral("2,0,0"));
        QCOMPARE(items(page.UsbList()), QStringList({"/dev/sdb  3.73 GB"})); // the whole stick
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
        PageContext context = m_context;
        context.tools.recorder = m_dir.path() + "/no-such-recorder";
        QElapsedTimer clock;
        clock.start();
        CBurnDialog page(nullptr, context); // the first scan runs in the constructor
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(page.DiscList()->count(), 0);
    }

    void labelAndPartitionStyle()
    {
        CBurnDialog page(nullptr, m_context);
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

        // Image mode is offered for an image with a partition table of its own, and only then.
        QByteArray hybrid(2048, '\0');
        hybrid[446 + 4] = char(0x17);
        hybrid[446 + 12] = char(0x40);
        hybrid[510] = char(0x55);
        hybrid[511] = char(0xaa);
        const QString image = m_dir.path() + "/hybrid.iso";
        QVERIFY(TestUtil::writeFile(image, hybrid));
        QCOMPARE(page.PartitionList()->count(), 2);
        page.ImageField()->setText(image);
        QCOMPARE(page.PartitionList()->count(), 3);
        QCOMPARE(page.PartitionList()->itemText(2), QStringLiteral("Image (write the ISO as it is)"));
        page.PartitionList()->setCurrentIndex(2);
        QVERIFY(!page.FileSystemList()->isEnabled() && !page.LabelField()->isEnabled());
        page.ImageField()->setText(m_dir.path() + "/none.iso");
        QCOMPARE(page.PartitionList()->count(), 2);
        QVERIFY(page.FileSystemList()->isEnabled() && page.LabelField()->isEnabled());
    }

    // A caption chooses its option as its radio button does.
    void captionsChooseTheirOption()
    {
        CBurnDialog page(nullptr, m_context);
        for (const char* caption : {"bootUSB", "selectDVD", "selectUSB", "bootDVD"}) {
            QTest::mouseClick(page.findChild<QLabel*>(caption), Qt::LeftButton);
            QCOMPARE(page.UsbRadio()->isChecked(), QByteArray(caption).endsWith("USB"));
            QCOMPARE(page.UsbList()->isEnabled(), page.UsbRadio()->isChecked());
        }
    }

    // The link beside the image: its sum and the comparison, for this image only.
    void checksumOfTheImage()
    {
        CBurnDialog page(nullptr, m_context);
        QVERIFY(!page.ChecksumLink()->isVisibleTo(&page));
        const QString image = m_dir.path() + "/summed/image.iso";
        QVERIFY(TestUtil::writeFile(image, "test"));
        const QString md5 = "098f6bcd4621d373cade4e832627b4f6";
        QVERIFY(TestUtil::writeFile(m_dir.path() + "/summed/MD5SUMS", md5.toUtf8() + "  image.iso\n"));
        page.ImageField()->setText(image);
        QVERIFY(page.ChecksumLink()->isVisibleTo(&page));
        emit page.ChecksumLink()->linkActivated(QStringLiteral("checksum"));
        QVERIFY(page.SumJob());
        QTRY_COMPARE(page.SumJob()->status(), Job::Status::Succeeded);
        QCOMPARE(page.ChecksumResult()->text(), "MD5: " + md5 + "\nThe MD5 checksum matches MD5SUMS.");
        QVERIFY(!page.Progress()->isVisible());
        page.ImageField()->setText(m_dir.path() + "/other.iso");
        QCOMPARE(page.ChecksumResult()->text(), QString());
        emit page.ChecksumLink()->linkActivated(QStringLiteral("checksum")); // no such image: the job says so
        QVERIFY2(m_dialogs.last().text.contains("other.iso cannot be read"), qPrintable(m_dialogs.last().text));
        QVERIFY(!page.Progress()->isVisible());
    }

    void imageCheck()
    {
        CBurnDialog page(nullptr, m_context);
        for (const char* name : {"WIN.ISO.bak", "disc.img", "folder.iso"}) {
            const QString path = m_dir.path() + "/" + QLatin1String(name);
            if (QByteArray(name).startsWith("folder"))
                QDir().mkpath(path);
            else
                QVERIFY(TestUtil::writeFile(path, "x"));
            page.ImageField()->setText(path);
            page.onBurn();
            QCOMPARE(m_dialogs.last().picture, QStringLiteral(":/vud/burn-fails"));
            m_dialogs.said.clear();
        }
        // Upper case passes the check; with no recorder, Burn says so.
        const QString upper = m_dir.path() + "/IMAGES/WIN.ISO";
        QVERIFY(TestUtil::writeFile(upper, "x"));
        page.ImageField()->setText(upper);
        page.onBurn();
        QCOMPARE(m_dialogs.said.size(), 1);
        QVERIFY(m_dialogs.last().text.startsWith(CBurnDialog::NoRecorderText()));
        QVERIFY(!page.BurnJob());
        QVERIFY(!page.Progress()->isVisible());
    }

    void usbChecks()
    {
        const QString image = m_dir.path() + "/big.iso";
        QVERIFY(TestUtil::makeSparseFile(image, Q_INT64_C(3950000000)));
        CBurnDialog page(nullptr, m_context);
        page.ImageField()->setText(image);
        page.UsbRadio()->setChecked(true);

        page.onBurn();
        QCOMPARE(m_dialogs.last().picture, QStringLiteral(":/vud/insert_usb"));
        QCOMPARE(m_dialogs.last().text,
            CBurnDialog::NoUsbText() + QStringLiteral("\nPlease insert your USB drive to computer"));
        // The empty list says the same in its box.
        auto* usbList = page.findChild<QComboBox*>("usblist");
        QCOMPARE(EmptyListText(usbList), CBurnDialog::NoUsbText());
        page.show();
        const QImage empty = usbList->grab().toImage();
        SetEmptyListText(usbList, QString());
        QVERIFY(usbList->grab().toImage() != empty);
        SetEmptyListText(usbList, CBurnDialog::NoUsbText());

        addStick("sdb", Q_INT64_C(4000000000));
        page.InitializeUSBAndDVDComboBox(2);
        m_dialogs.said.clear();
        m_dialogs.confirmations << 0;
        page.onBurn(); // not confirmed: nothing more
        QCOMPARE(m_dialogs.said.size(), 1);
        QCOMPARE(m_dialogs.last().picture, QStringLiteral(":/vud/format_usb"));

        m_dialogs.said.clear();
        m_dialogs.confirmations << 1;
        QSignalSpy ended(&page, &CBurnDialog::sigBurnEnded);
        page.onBurn(); // 3,950,000,000 + 50 MiB > 4,000,000,000
        QCOMPARE(m_dialogs.last().picture, QStringLiteral(":/vud/insufficient_space"));
        QCOMPARE(ended.size(), 0);

        // A stick that left since the list was filled is not written to.
        QDir(m_root + "/sys/block/sdb").removeRecursively();
        addStick("sdb", Q_INT64_C(16000000000));
        page.InitializeUSBAndDVDComboBox(2);
        QDir(m_root + "/sys/block/sdb").removeRecursively();
        m_dialogs.said.clear();
        m_dialogs.confirmations << 1;
        page.onBurn();
        QCOMPARE(m_dialogs.last().picture, QStringLiteral(":/vud/insert_usb"));
        QCOMPARE(ended.size(), 0);
    }

    void usbBurnReportsTheJobsEnd()
    {
        const QString image = m_dir.path() + "/usb.iso";
        QVERIFY(TestUtil::writeFile(image, "x"));
        addStick("quillonfake", Q_INT64_C(16000000000)); // no such device node: nothing real is touched
        CBurnDialog page(nullptr, m_context);
        page.ImageField()->setText(image);
        page.UsbRadio()->setChecked(true);
        QSignalSpy ended(&page, &CBurnDialog::sigBurnEnded);
        m_dialogs.said.clear();
        m_dialogs.confirmations << 1;
        page.onBurn();
        QVERIFY(!ended.isEmpty() || ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), false);
        QVERIFY2(m_dialogs.last().text.startsWith("Burning failed. Checking the request: /dev/quillonfake "),
            qPrintable(m_dialogs.last().text));
        QVERIFY(m_dialogs.last().text.endsWith("The USB disk was not changed."));
        QVERIFY(!page.Progress()->isVisible());
        QDir(m_root + "/sys/block/quillonfake").removeRecursively();
    }

    void discBurn()
    {
        const QString image = m_dir.path() + "/disc.iso";
        QVERIFY(TestUtil::writeFile(image, "x"));
        TestUtil::playStandIn("cdrskin/scanbus-two.txt");
        CBurnDialog page(nullptr, m_context);
        page.ImageField()->setText(image);
        QSignalSpy ended(&page, &CBurnDialog::sigBurnEnded);

        TestUtil::playStandIn("wodim/burn-ok.raw");
        page.onBurn();
        QVERIFY(page.Progress()->isVisible());
        QVERIFY(page.Progress()->StopButton()->isEnabled()); // a hung recorder must not hold the program
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), true);
        QCOMPARE(m_dialogs.last().text, QStringLiteral("Burning disc successfully."));
        QVERIFY(!page.Progress()->isVisible());

        // Stopped halfway: never told as a success.
        qputenv("QUILLON_STANDIN_DELAY_MS", "200");
        page.onBurn();
        QTRY_VERIFY_WITH_TIMEOUT(page.BurnJob() && page.BurnJob()->isRunning(), 5000);
        page.Progress()->OnBtnCancel();
        QCOMPARE(ended.last().first().toBool(), false);
        QCOMPARE(m_dialogs.last().text, QStringLiteral("The burn was stopped. The disc may be unusable."));
        qunsetenv("QUILLON_STANDIN_DELAY_MS");

        TestUtil::playStandIn("wodim/burn-write-error.raw", 255);
        page.onBurn();
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), false);
        QVERIFY2(m_dialogs.last().text.contains("Writing to the disc failed"), qPrintable(m_dialogs.last().text));

        const QString recorder = m_dir.path() + "/recorder";
        QVERIFY(QFile::rename(recorder, recorder + ".away"));
        page.onBurn();
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.last().first().toBool(), false);
        QVERIFY2(m_dialogs.last().text.contains("Could not start"), qPrintable(m_dialogs.last().text));
        QVERIFY(!page.Progress()->isVisible());
        QVERIFY(QFile::rename(recorder + ".away", recorder));
    }
};

QTEST_MAIN(TestBurnDialog)
#include "tst_burnpage.moc"
