#include "burn/usbhelperprotocol.h"
#include "burn/usbplan.h"
#include "runner/mkfs.h"
#include "runner/mount.h"
#include "runner/sevenziphash.h"
#include "runner/sfdisk.h"

#include "testutil.h"

#include <QtTest>

#include <limits>

using namespace UsbPlan;

// The USB burn's decisions and its tools' command lines and parsers, from
// recorded tool output (tests/data/7z, tests/data/sfdisk).
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

        // 100 MiB behind the table's first MiB: 2 MiB of it go to the file system.
        constexpr qint64 MiB = 1 << 20;
        QVERIFY(CheckSpace(98 * MiB, 101 * MiB).fits);
        QVERIFY(!CheckSpace(98 * MiB + 1, 101 * MiB).fits);
        QCOMPARE(CheckSpace(98 * MiB + 1, 101 * MiB).needed, 100 * MiB + 1);
        QVERIFY(!CheckSpace(most, 101 * MiB).fits);
        QVERIFY(!CheckSpace(0, MiB / 2).fits);
    }

    void fileSystemAndFormat()
    {
        QCOMPARE(EffectiveFileSystem("NTFS", 16 * FourGiB, true), QString("FAT32"));
        QCOMPARE(EffectiveFileSystem("FAT", FourGiB, false), QString("FAT32"));
        QCOMPARE(EffectiveFileSystem("FAT", FourGiB - 1, false), QString("FAT"));
        QCOMPARE(EffectiveFileSystem("exFAT", FourGiB, false), QString("exFAT"));

        // The label is one argument, blanks and all; no label, no option.
        ToolCommand c = Mkfs::FormatCommand("FAT32", "MY STICK", "/dev/sdb1", 2048);
        QCOMPARE(c.arguments, (QStringList {"-F", "32", "-n", "MY STICK", "-h", "2048", "/dev/sdb1"}));
        QVERIFY(!Mkfs::FormatCommand("NTFS", QString(), "/dev/sdb1", 2048).arguments.contains("-L"));
        QCOMPARE(
            Mkfs::FormatCommand("exFAT", "A&B", "/dev/sdb1", 2048).arguments, (QStringList {"-L", "A&B", "/dev/sdb1"}));
        QVERIFY(Mkfs::FormatCommand("ext4", "X", "/dev/sdb1", 2048).program.isEmpty());

        // Labels the formatter would refuse after the table was already gone.
        QCOMPARE(Mkfs::LabelProblem("FAT32", "DATA 2024"), QString());
        QCOMPARE(
            Mkfs::LabelProblem("FAT32", "A*B.C*"), QString("FAT32 does not allow these characters in a label: *."));
        QCOMPARE(Mkfs::LabelProblem("FAT", QString::fromUtf8("ÄPFEL")),
            QString::fromUtf8("FAT does not allow these characters in a label: Ä"));
        QCOMPARE(Mkfs::LabelProblem("exFAT", QString::fromUtf8("ÄPFEL.1")), QString());
        QCOMPARE(Mkfs::LabelProblem("NTFS", "A|B"), QString("NTFS does not allow these characters in a label: |"));
        QVERIFY(Mkfs::LabelProblem("exFAT", "TWELVE CHARS").contains("at most 11"));

        QCOMPARE(UnsafeLabelCharacters("A&B|C&\"%"), QString("&|\"%"));
    }

    void partitionTable()
    {
        // One partition from 1 MiB to the end; MBR types by file system, GPT an EFI System partition.
        const ToolCommand mbr = Sfdisk::NewTableCommand("/dev/sdb", Sfdisk::Style::Mbr, "exFAT");
        QCOMPARE(mbr.arguments.last(), QString("/dev/sdb"));
        QVERIFY(mbr.arguments.contains("--wipe"));
        QCOMPARE(mbr.input, QByteArray("label: dos\nstart=2048, type=7, bootable\n"));
        QCOMPARE(Sfdisk::NewTableCommand("/dev/sdb", Sfdisk::Style::Mbr, "FAT").input,
            QByteArray("label: dos\nstart=2048, type=c, bootable\n"));
        QCOMPARE(Sfdisk::NewTableCommand("/dev/sdb", Sfdisk::Style::Gpt, "FAT32").input,
            QByteArray("label: gpt\nstart=2048, type=C12A7328-F81F-11D2-BA4B-00A0C93EC93B\n"));

        const auto table = Sfdisk::ParseJson(fixture("sfdisk/json-dos.txt").toUtf8());
        QVERIFY(table);
        QCOMPARE(table->label, QString("dos"));
        QCOMPARE(table->partitions.size(), 1);
        QCOMPARE(table->partitions[0].node, QString("/dev/loop1p1"));
        QCOMPARE(table->partitions[0].start, qint64(2048));
        QVERIFY(table->partitions[0].bootable);
        QVERIFY(!Sfdisk::ParseJson("sfdisk: cannot open /dev/sdz"));
    }

    void mounts()
    {
        const QString mountinfo = "22 1 254:1 / / rw,relatime - ext4 /dev/vda rw\n"
                                  "45 22 0:40 / /media/u/MY\\040STICK rw,nosuid - fuseblk /dev/sdb1 rw,user_id=0\n"
                                  "46 45 8:17 /sub /media/u/MY\\040STICK/inner rw - vfat /dev/disk/by-label/X rw\n"
                                  "47 22 8:18 / /media/u/other rw - vfat /dev/sdb2 rw\n";
        // By source path or by the device numbers (a bind or a by-label source); deepest first.
        QCOMPARE(Mount::MountPointsOf(mountinfo, {"/dev/sdb", "/dev/sdb1"}, {"8:16", "8:17"}),
            (QStringList {"/media/u/MY STICK/inner", "/media/u/MY STICK"}));
        QCOMPARE(Mount::MountPointsOf(mountinfo, {"/dev/sdc1"}, {"8:33"}), QStringList());
        QVERIFY(Mount::IsMountedFrom(mountinfo, "/media/u/MY STICK", "/dev/sdb1"));
        QVERIFY(!Mount::IsMountedFrom(mountinfo, "/media/u/other", "/dev/sdb1"));

        // FUSE's FAT driver as a block-device mount, so the table names the device.
        const ToolCommand fuse =
            Mount::MountCommand("FAT32", "/dev/sdb1", "/m", "nodev\tfuse\n\tfuseblk\n\text4\n", {});
        QCOMPARE(fuse.program, QString("fusefat"));
        QVERIFY(fuse.arguments.contains("rw+,blkdev,fsname=/dev/sdb1"));
        QVERIFY(Mount::UsesFuseFat("FAT", "\text4\n"));
        QCOMPARE(Mount::FuseFatLabelEntry("TEST LABEL"), QString("TESTLAB.EL"));
        QCOMPARE(Mount::FuseFatLabelEntry("DATA"), QString("DATA"));
        QVERIFY(!Mount::UsesFuseFat("FAT", "\tvfat\n"));
        // A mount made for a user through pkexec is the user's to write.
        QCOMPARE(Mount::MountCommand("FAT", "/dev/sdb1", "/m", "\tvfat\n", "uid=1000,gid=1000").arguments,
            (QStringList {"-t", "vfat", "-o", "uid=1000,gid=1000", "/dev/sdb1", "/m"}));
        QCOMPARE(Mount::MountCommand("NTFS", "/dev/sdb1", "/m", "", "uid=1000,gid=1000").arguments,
            (QStringList {"-o", "allow_other,uid=1000,gid=1000", "/dev/sdb1", "/m"}));
        QCOMPARE(Mount::MountCommand("exFAT", "/dev/sdb1", "/m", "\tvfat\n", {}).program, QString("mount.exfat-fuse"));

        QCOMPARE(NameFuseFatRefuses(entries({"a/b c.txt", "Übersicht.txt"})), QString("Übersicht.txt"));
        QCOMPARE(NameFuseFatRefuses(entries({"a/b c.txt"})), QString());
    }

    void namesAndImages()
    {
        QCOMPARE(NameClashes(entries({"docs/readme.txt", "Docs/README.TXT", "b.txt", "B.TXT", "c.txt"})),
            (QStringList {"b.txt, B.TXT", "docs/readme.txt, Docs/README.TXT"}));
        QCOMPARE(NameClashes(entries({"a:b", "c/d?", "ok.txt", "dot.", "blank "})),
            (QStringList {"a:b", "c/d?", "dot.", "blank "}));
        QCOMPARE(NameClashes(entries({"Straße.txt", "readme.txt"})), QStringList());

        // A hybrid image: an MBR entry or a GPT header; an ISO's zeroed system area is neither.
        QByteArray head(1024, '\0');
        QVERIFY(!IsHybridImage(head));
        head[510] = char(0x55);
        head[511] = char(0xaa);
        QVERIFY(!IsHybridImage(head)); // a boot sector without partitions
        head[446 + 16 + 4] = char(0x17); // second entry: type and size
        head[446 + 16 + 12] = char(0x40);
        QVERIFY(IsHybridImage(head));
        QByteArray gpt(1024, '\0');
        gpt.replace(512, 8, "EFI PART");
        QVERIFY(IsHybridImage(gpt));
        QVERIFY(!IsHybridImage(QByteArray(100, '\0')));
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

        QCOMPARE(GrubConfig(hybrid, 1), QString("set root=(hd0,msdos1)\nconfigfile \"/boot/quillon/grub.cfg\"\n"));
        // A name GRUB would otherwise read as syntax stays one word.
        const QString odd = GrubConfig({BiosLoader::Bootmgr, "/my \"$boot\""}, 2);
        QVERIFY(odd.startsWith("set root=(hd0,msdos2)\n"));
        QVERIFY(odd.contains("ntldr \"/my \\\"\\$boot\\\"\""));
    }

    // isolinux configurations as GRUB menus whose entries boot by themselves.
    void syslinuxMenus()
    {
        // One KERNEL and no LABEL, TIMEOUT 0: GRUB's own translation stops at a prompt.
        const QString bare = SyslinuxMenu("# iPXE\nTIMEOUT 0\nKERNEL ipxe.krn\n", "/isolinux.cfg");
        QVERIFY2(bare.startsWith("set default=0\nset timeout=0\nmenuentry \"ipxe.krn\" {\n  linux16 \"/ipxe.krn\"\n"
                                 "  boot\n}\n"),
            qPrintable(bare));
        QVERIFY(bare.endsWith("syslinux_configfile --isolinux \"/isolinux.cfg\"\n}\n"));

        const QString menu = SyslinuxMenu("UI vesamenu.c32\nTIMEOUT 25\nDEFAULT live\n"
                                          "LABEL hdt\n  MENU LABEL Hardware\n  KERNEL hdt.c32\n"
                                          "label rescue\n  kernel vmlinuz\n  append initrd=initrd.gz,extra.gz rescue\n"
                                          "LABEL live\n  MENU LABEL ^Live system\n  LINUX /live/vmlinuz boot=live\n"
                                          "  INITRD /live/initrd.img\n",
            "/isolinux/isolinux.cfg");
        QVERIFY2(menu.startsWith("set default=1\nset timeout=3\n"), qPrintable(menu)); // no module entry counted
        QVERIFY(!menu.contains("hdt"));
        QVERIFY(menu.contains("menuentry \"rescue\" {\n  linux16 \"/isolinux/vmlinuz\" \"rescue\"\n"
                              "  initrd16 \"/isolinux/initrd.gz\"\n  initrd16 \"/isolinux/extra.gz\"\n  boot\n}\n"));
        QVERIFY(menu.contains("menuentry \"Live system\" {\n  linux16 \"/live/vmlinuz\" \"boot=live\"\n"
                              "  initrd16 \"/live/initrd.img\"\n  boot\n}\n"));
        // Several entries and no timeout: a short wait, so the choice can be seen.
        QVERIFY(SyslinuxMenu("LABEL a\nKERNEL a\nLABEL b\nKERNEL b\n", "/s.cfg")
                    .startsWith("set default=0\nset timeout=5\n"));
    }

    void contentSumsAndHelperLines()
    {
        // Recorded: 7z t -scrcSHA256 of an image, 7z h -scrcSHA256 -r of a folder (7-Zip 26.02).
        const QString tested = "Everything is Ok\n\nFolders: 1\nFiles: 2\nSize:       5\nCompressed: 364544\n\n"
                               "SHA256 for data:              2f5fc07185e248c31bffcabe42340bec1a65dc8679d427f9618e4ef3"
                               "feb1a2b8-00000001\nSHA256 for data and names:    ac6fa1b28533f3e6c5ed10d04d201ae0f52006"
                               "3f3772456d18d3094eeae9e134-00000002\n";
        QCOMPARE(ParseContentSum(tested),
            QString("ac6fa1b28533f3e6c5ed10d04d201ae0f520063f3772456d18d3094eeae9e134-00000002"));
        QCOMPARE(ParseContentSum("ERROR: Cannot open the file as archive\n"), QString());
        QCOMPARE(Tools::folderSumArgs("/m", {"sources/install.swm"}),
            (QStringList {"h", "-scrcSHA256", "-r", "-x!sources/install.swm", "/m/*"}));

        // Paths with tabs, line ends and percent signs survive the helper's lines.
        const QStringList fields {"write", "/home/u/a\tb\nc%41.iso", ""};
        const QByteArray line = UsbHelperProtocol::encode(fields);
        QCOMPARE(line.count('\n'), 1);
        QCOMPARE(line.count('\t'), 2);
        QCOMPARE(UsbHelperProtocol::decode(line), fields);
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
