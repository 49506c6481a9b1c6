#include "burn/usbplan.h"

#include "testutil.h"

#include <QtTest>

#include <limits>

using namespace UsbPlan;

// The USB burn's decisions, from recorded tool output (tests/data/7z, tests/data/sfdisk).
class TestUsbPlan : public QObject {
    Q_OBJECT

    static QString fixture(const QString& name)
    {
        return QString::fromUtf8(TestUtil::readFile(QStringLiteral(QUILLON_TEST_DATA "/") + name));
    }

    static QList<ImageEntry> entries(std::initializer_list<const char*> files)
    {
        QList<ImageEntry> list;
        for (const char* f : files)
            list << ImageEntry {QString::fromUtf8(f), 10, false};
        return list;
    }

private slots:
    void technicalListing()
    {
        const auto boot = ParseTechnicalListing(fixture("7z/slt-eltorito.txt"));
        QVERIFY(boot);
        QStringList paths;
        for (const ImageEntry& e : *boot)
            paths << e.path + (e.folder ? "/" : "");
        // El Torito's boot image is no file of the tree, and the archive's own header is no entry.
        QCOMPARE(paths,
            (QStringList {"isolinux/", "isolinux/boot.cat", "isolinux/isolinux.bin", "isolinux/isolinux.cfg",
                "isolinux/ldlinux.c32"}));
        QCOMPARE(boot->at(2).size, qint64(38912));

        // Eleven digits: the summary-line rule would have called this small.
        const auto large = ParseTechnicalListing(fixture("7z/slt-large.txt"));
        QVERIFY(large);
        const auto install = InstallImage(*large);
        QVERIFY(install);
        QCOMPARE(install->size, FourGiB + 1);
        QVERIFY(IsLargeInstallImage(FourGiB));
        QVERIFY(!IsLargeInstallImage(FourGiB - 1));

        QVERIFY(!ParseTechnicalListing(fixture("7z/slt-not-an-archive.txt")));
        QVERIFY(!InstallImage(*boot));

        // A size that is no count of bytes would mislead the space check.
        for (const char* garbled : {"Size = -1", "Size = 12ab", "Size = 99999999999999999999"})
            QVERIFY(!ParseTechnicalListing(fixture("7z/slt-eltorito.txt").replace("Size = 38912", garbled)));
    }

    void spaceNeeded()
    {
        QCOMPARE(SpaceNeeded({{"a", 1, false}, {"b", 4096, false}, {"c", 0, false}, {"d", 0, true}}, 4096),
            qint64(3 * 4096));
        // Sizes a crafted image may list: the sum saturates instead of wrapping to "it fits".
        const qint64 most = std::numeric_limits<qint64>::max();
        QCOMPARE(SpaceNeeded({{"a", most, false}}, 32768), most);
        QCOMPARE(SpaceNeeded({{"a", most / 2, false}, {"b", most / 2, false}, {"c", most / 2, false}}, 32768), most);
    }

    void fileSystemAndFormat()
    {
        QCOMPARE(EffectiveFileSystem("NTFS", 16 * FourGiB, true), QString("FAT32"));
        QCOMPARE(EffectiveFileSystem("FAT", FourGiB, false), QString("FAT32"));
        QCOMPARE(EffectiveFileSystem("FAT", FourGiB - 1, false), QString("FAT"));
        QCOMPARE(EffectiveFileSystem("exFAT", FourGiB, false), QString("exFAT"));

        // The label is one argument, blanks and all; no label, no option.
        Command c = FormatCommand("FAT32", "MY STICK", "/dev/sdb1", 2048);
        QCOMPARE(c.arguments, (QStringList {"-F", "32", "-n", "MY STICK", "-h", "2048", "/dev/sdb1"}));
        QVERIFY(!FormatCommand("NTFS", QString(), "/dev/sdb", 0).arguments.contains("-L"));
        QVERIFY(FormatCommand("NTFS", QString(), "/dev/sdb", 0).arguments.contains("-F")); // whole disk
        QCOMPARE(FormatCommand("exFAT", "A&B", "/dev/sdb1", 2048).arguments, (QStringList {"-L", "A&B", "/dev/sdb1"}));
        QVERIFY(FormatCommand("ext4", "X", "/dev/sdb1", 2048).program.isEmpty());

        // MBR types are checked on a real stick by the USB burn test.
        QCOMPARE(PartitionType("FAT32", true), QString("EBD0A0A2-B9E5-4433-87C0-68B6B72699C7"));

        QCOMPARE(UnsafeLabelCharacters("DATA 2024"), QString());
        QCOMPARE(UnsafeLabelCharacters("A&B|C&\"%"), QString("&|\"%"));
    }

    void partitionTable()
    {
        const auto entry = ParsePartitionTable(fixture("sfdisk/json-dos.txt").toUtf8(), 2048);
        QVERIFY(entry);
        QCOMPARE(entry->table, QString("dos"));
        QCOMPARE(entry->type, QString("7"));
        QVERIFY(entry->bootable);
        QVERIFY(!entry->othersBootable);
        QVERIFY(!ParsePartitionTable(fixture("sfdisk/json-dos.txt").toUtf8(), 63));
        QVERIFY(!ParsePartitionTable("sfdisk: cannot open /dev/sdz", 2048));

        const QByteArray two = R"({"partitiontable": {"label": "dos", "partitions": [
            {"node": "/dev/sdb1", "start": 2048, "size": 100, "type": "83", "bootable": true},
            {"node": "/dev/sdb2", "start": 4096, "size": 100, "type": "c"}]}})";
        const auto second = ParsePartitionTable(two, 4096);
        QVERIFY(second);
        QVERIFY(!second->bootable);
        QVERIFY(second->othersBootable);
    }

    void mounts()
    {
        const QString mountinfo = "22 1 254:1 / / rw,relatime - ext4 /dev/vda rw\n"
                                  "45 22 0:40 / /media/u/MY\\040STICK rw,nosuid - fuseblk /dev/sdb1 rw,user_id=0\n"
                                  "46 45 8:17 /sub /media/u/MY\\040STICK/inner rw - vfat /dev/disk/by-label/X rw\n"
                                  "47 22 8:18 / /media/u/other rw - vfat /dev/sdb2 rw\n";
        // By source path or by the device numbers (a bind or a by-label source); deepest first.
        QCOMPARE(MountPointsOf(mountinfo, "/dev/sdb1", "8:17"),
            (QStringList {"/media/u/MY STICK/inner", "/media/u/MY STICK"}));
        QCOMPARE(MountPointsOf(mountinfo, "/dev/sdc1", "8:33"), QStringList());
        QVERIFY(IsMountedFrom(mountinfo, "/media/u/MY STICK", "/dev/sdb1"));
        QVERIFY(!IsMountedFrom(mountinfo, "/media/u/other", "/dev/sdb1"));

        // FUSE's FAT driver as a block-device mount, so the table names the device.
        const Command fuse = MountCommand("FAT32", "/dev/sdb1", "/m", "nodev\tfuse\n\tfuseblk\n\text4\n");
        QCOMPARE(fuse.program, QString("fusefat"));
        QVERIFY(fuse.arguments.contains("rw+,blkdev,fsname=/dev/sdb1"));
        QCOMPARE(MountCommand("FAT", "/dev/sdb1", "/m", "\tvfat\n").program, QString("mount"));
        QCOMPARE(MountCommand("exFAT", "/dev/sdb1", "/m", "\tvfat\n").program, QString("mount.exfat-fuse"));
        QCOMPARE(MountCommand("NTFS", "/dev/sdb1", "/m", "\tntfs3\n").arguments.at(1), QString("ntfs3"));

        QCOMPARE(NameFuseFatRefuses(entries({"a/b c.txt", "Übersicht.txt"})), QString("Übersicht.txt"));
        QCOMPARE(NameFuseFatRefuses(entries({"a/b c.txt"})), QString());
    }

    void bootLoaders()
    {
        QCOMPARE(ChooseBiosLoader(entries({"BOOTMGR", "isolinux/isolinux.cfg"})).file, QString("/BOOTMGR"));
        const LoaderChoice hybrid = ChooseBiosLoader(entries({"boot/grub/grub.cfg", "isolinux/isolinux.cfg"}));
        QCOMPARE(hybrid.kind, BiosLoader::Syslinux);
        QCOMPARE(ChooseBiosLoader(entries({"boot/grub/grub.cfg", "EFI/BOOT/grub.cfg"})).kind, BiosLoader::Grub);
        QCOMPARE(ChooseBiosLoader(entries({"data/isolinux.cfg.bak", "README"})).kind, BiosLoader::None);
        QVERIFY(HasUefiLoader(entries({"efi/boot/bootx64.efi"})));
        QVERIFY(!HasUefiLoader(entries({"EFI/BOOT/grubx64.efi"})));

        QVERIFY(GrubConfig(hybrid, 1).contains("syslinux_configfile --isolinux \"/isolinux/isolinux.cfg\""));
        // A name GRUB would otherwise read as syntax stays one word.
        const QString odd = GrubConfig({BiosLoader::Bootmgr, "/my \"$boot\""}, 2);
        QVERIFY(odd.startsWith("set root=(hd0,msdos2)\n"));
        QVERIFY(odd.contains("ntldr \"/my \\\"\\$boot\\\"\""));
    }

    void check()
    {
        QList<ImageEntry> image {{"sources", 0, true}, {"sources/install.wim", FourGiB + 1, false},
            {"sources/boot.wim", 100, false}, {"empty", 0, true}};
        QMap<QString, qint64> stick {
            {"sources", 0}, {"sources/install.swm", 10}, {"sources/install2.swm", 10}, {"sources/boot.wim", 99}};
        auto present = [&stick](const QString& p) {
            return stick.value(p, -1);
        };
        QCOMPARE(
            MissingOrDifferent(image, "sources/install.wim", present), (QStringList {"sources/boot.wim", "empty"}));
        QCOMPARE(MissingOrDifferent(image, QString(), present).first(), QString("sources/install.wim"));
    }
};

QTEST_GUILESS_MAIN(TestUsbPlan)
#include "tst_usbplan.moc"
