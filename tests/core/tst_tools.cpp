#include "core/util.h"
#include "runner/tools.h"

#include <QtTest>

// The exact argument lists handed to each tool: the tools, not a shell, read them.
class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void toolPaths()
    {
        QCOMPARE(Tools::archiveTool(), AppDir() + "/7z/7z");
        QCOMPARE(Tools::recorderTool(), AppDir() + "/cdrtools/cdrecord");
        QCOMPARE(Tools::readerTool(), AppDir() + "/cdrtools/readcd");
        QCOMPARE(Tools::builderTool(), AppDir() + "/cdrtools/mkisofs");
        QCOMPARE(Tools::splitterTool(), AppDir() + "/wimlib/wimlib-imagex");
    }

    void argumentLists_data()
    {
        QTest::addColumn<QStringList>("actual");
        QTest::addColumn<QStringList>("expected");
        const QString iso = "/home/u/My Images/a.iso";
        QTest::newRow("list") << Tools::listArgs(iso) << QStringList{"l", "-spd", iso};
        QTest::newRow("install probe") << Tools::installProbeArgs(iso)
                                       << QStringList{"l", "-spd", iso, "sources/install.wim"};
        QTest::newRow("extract chosen, separators for this platform")
            << Tools::extractArgs(iso, "/tmp/out dir", {"boot\\bcd", "boot\\fonts", "setup.exe"})
            << QStringList{"x", iso, "-y", "-bb3", "-bsp2", "-o/tmp/out dir", "-spd", "--", "boot/bcd",
                           "boot/fonts", "setup.exe"};
        QTest::newRow("extract all") << Tools::extractAllArgs("/w/tmp", iso)
                                     << QStringList{"x", "-y", "-bb3", "-bsp2", "-o/w/tmp", iso};
        QTest::newRow("copy to drive") << Tools::copyToDriveArgs("/media/usb", iso, QString())
                                       << QStringList{"x", "-bsp2", "-y", "-x![BOOT]", "-o/media/usb/", iso};
        QTest::newRow("copy to drive, only the split install image left out")
            << Tools::copyToDriveArgs("/media/usb", iso, "sources\\install.wim")
            << QStringList{"x", "-bsp2", "-y", "-x![BOOT]", "-x!sources/install.wim", "-o/media/usb/", iso};
        QTest::newRow("extract flat") << Tools::extractFlatArgs(iso, "/w", "sources\\install.wim")
                                      << QStringList{"e", "-y", iso, "-o/w", "sources/install.wim"};
        QTest::newRow("scan bus") << Tools::scanBusArgs() << QStringList{"-scanbus"};
        QTest::newRow("write image, no literal quotes")
            << Tools::writeImageArgs("1,0,0", iso)
            << QStringList{"-v", "-eject", "dev=1,0,0", "-sao", "driveropts=burnfree", iso};
        QTest::newRow("eject") << Tools::ejectArgs("1,0,0") << QStringList{"-dev=1,0,0", "-eject"};
        QTest::newRow("read disc") << Tools::readDiscArgs("0,1,0", "/w/disc.iso")
                                   << QStringList{"-dev=0,1,0", "-f=/w/disc.iso"};
        QTest::newRow("create joliet")
            << Tools::createImageArgs(Tools::ImageType::Joliet, "/o.iso", "/d/tmp")
            << QStringList{"-joliet", "-R", "-joliet-long", "-o", "/o.iso", "/d/tmp"};
        QTest::newRow("create iso9660")
            << Tools::createImageArgs(Tools::ImageType::Iso9660, "/o.iso", "/d/tmp")
            << QStringList{"-l", "-R", "-o", "/o.iso", "/d/tmp"};
        QTest::newRow("create udf") << Tools::createImageArgs(Tools::ImageType::Udf, "/o.iso", "/d/tmp")
                                    << QStringList{"-udf", "-R", "-joliet-long", "-o", "/o.iso", "/d/tmp"};
        // A no-emulation image named with "-b" alone makes the builder take it
        // for a diskette and abort; the EFI entry and the table stay per entry.
        Tools::SaveEditedOptions edited;
        edited.volumeLabel = "LIVE";
        edited.catalogPath = "isolinux/boot.cat";
        edited.excludedFiles << "/d/tmp/isolinux/boot.cat";
        Tools::BootImageArgs bios;
        bios.entry.bootable = true;
        bios.entry.sectorCount = 4;
        bios.infoTable = true;
        bios.path = "isolinux/isolinux.bin";
        Tools::BootImageArgs efi;
        efi.entry.bootable = true;
        efi.entry.platform = 0xEF;
        efi.entry.sectorCount = 140;
        efi.path = "boot2.img";
        edited.bootImages << bios << efi;
        edited.graftFiles << qMakePair(QString("boot2.img"), QString("/d/own/a=b.img"));
        QTest::newRow("save edited, BIOS and EFI")
            << Tools::saveEditedArgs(edited, "/o.iso", "/d/tmp")
            << QStringList{"-udf", "-J", "-joliet-long", "-R", "-V", "LIVE", "-x", "/d/tmp/isolinux/boot.cat",
                           "-c", "isolinux/boot.cat", "-b", "isolinux/isolinux.bin", "-no-emul-boot",
                           "-boot-load-size", "4", "-boot-info-table", "-eltorito-alt-boot", "-e", "boot2.img",
                           "-no-emul-boot", "-boot-load-size", "140", "-graft-points", "-o", "/o.iso",
                           "boot2.img=/d/own/a\\=b.img", "/d/tmp"};
        QTest::newRow("save edited, no boot image")
            << Tools::saveEditedArgs(Tools::SaveEditedOptions(), "/o.iso", "/d/tmp")
            << QStringList{"-udf", "-J", "-joliet-long", "-R", "-o", "/o.iso", "/d/tmp"};
        QTest::newRow("split") << Tools::splitArgs("/m/sources/install.wim", "/m/sources/install.swm", 3800)
                               << QStringList{"split", "/m/sources/install.wim", "/m/sources/install.swm", "3800"};
    }

    void argumentLists()
    {
        QFETCH(QStringList, actual);
        QFETCH(QStringList, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
