#include "usbstick.h"

#include "testutil.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace UsbTest {

QString cannotRun()
{
    if (::geteuid() != 0)
        return "loop devices need root; run the tests as root to burn to one";
    if (!QFileInfo::exists("/dev/fuse"))
        return "no FUSE (/dev/fuse): the stick's file systems cannot be mounted";
    for (const char* tool : {"losetup", "sfdisk", "mkfs.vfat", "mkntfs", "mkfs.exfat", "fusefat", "ntfs-3g",
             "mount.exfat-fuse", "grub-mkimage", "mcopy", "wimlib-imagex", "genisoimage", "xorriso", "wipefs"}) {
        if (!TestUtil::haveProgram(QLatin1String(tool)) && !QFileInfo::exists("/usr/sbin/" + QLatin1String(tool)))
            return QLatin1String(tool) + QLatin1String(" is not installed");
    }
    if (!QFileInfo::exists("/usr/lib/ISOLINUX/isolinux.bin"))
        return "isolinux is not installed";
    if (TestUtil::run("losetup", {"-f"}).exitCode != 0)
        return "no free loop device";
    return QString();
}

LoopStick::LoopStick(const QString& backingFile, qint64 megabytes, StartState state, const QString& writtenImage)
    : m_file(backingFile)
{
    if (!TestUtil::makeSparseFile(m_file, megabytes * 1024 * 1024)) {
        m_error = "cannot create " + m_file;
        return;
    }
    QString table;
    switch (state) {
    case StartState::Blank:
        break;
    case StartState::MbrOne:
        table = "label: dos\nstart=2048, type=83\n";
        break;
    case StartState::MbrTwo:
        table = "label: dos\nstart=2048, size=20480, type=83\nstart=24576, type=7, bootable\n";
        break;
    case StartState::GptOne:
        table = "label: gpt\nstart=2048, type=0FC63DAF-8483-4772-8E79-3D69D8477DE4\n";
        break;
    case StartState::Written:
        if (TestUtil::run("dd", {"if=" + writtenImage, "of=" + m_file, "conv=notrunc,fsync", "bs=1M", "status=none"})
                .exitCode
            != 0) {
            m_error = "dd failed";
            return;
        }
        break;
    }
    const QString script = "printf '" + table + "' | sfdisk -q \"$0\"";
    if (!table.isEmpty() && TestUtil::run("sh", {"-c", QString(script).replace("\n", "\\n"), m_file}).exitCode != 0) {
        m_error = "sfdisk failed on " + m_file;
        return;
    }
    const TestUtil::Result attach = TestUtil::run("losetup", {"-f", "--show", "-P", m_file});
    m_disk = QString::fromLocal8Bit(attach.output).trimmed();
    if (attach.exitCode != 0 || !m_disk.startsWith(QLatin1String("/dev/loop"))) {
        m_error = "losetup failed: " + QString::fromLocal8Bit(attach.output);
        m_disk.clear();
        return;
    }
    if (!table.isEmpty() && partition(1).isEmpty())
        m_error = "no node for the first partition of " + m_disk;
}

QString LoopStick::partition(int number) const
{
    const QString name = QFileInfo(m_disk).fileName() + "p" + QString::number(number);
    const QString sys = QString("/sys/block/%1/%2").arg(QFileInfo(m_disk).fileName(), name);
    if (!QFileInfo::exists(sys))
        TestUtil::run("partx", {"-a", m_disk});
    if (!QFileInfo::exists(sys))
        return QString();
    const QString node = "/dev/" + name;
    // Without udev nobody makes the partition's node: make it from sysfs's numbers.
    const QStringList numbers = QString::fromLatin1(TestUtil::readFile(sys + "/dev")).trimmed().split(':');
    if (numbers.size() != 2)
        return QString();
    const dev_t wanted = makedev(numbers.at(0).toUInt(), numbers.at(1).toUInt());
    struct stat st = {};
    if (::stat(QFile::encodeName(node).constData(), &st) == 0 && st.st_rdev == wanted)
        return node;
    ::unlink(QFile::encodeName(node).constData());
    return ::mknod(QFile::encodeName(node).constData(), S_IFBLK | 0600, wanted) == 0 ? node : QString();
}

LoopStick::~LoopStick()
{
    if (m_disk.isEmpty())
        return;
    for (const QByteArray& line : TestUtil::readFile("/proc/self/mountinfo").split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        const int dash = f.indexOf("-");
        if (dash > 4 && dash + 2 < f.size() && f.at(dash + 2).startsWith(m_disk.toLocal8Bit()))
            TestUtil::run("umount", {QString::fromLocal8Bit(f.at(4))});
    }
    TestUtil::run("losetup", {"-d", m_disk});
}

UsbBurnJob::Options burnOptions(const LoopStick& stick, const QString& tempFolder, int* helperStarts)
{
    UsbBurnJob::Options options = UsbBurnJob::defaultOptions();
    const QString disk = stick.disk();
    options.listed = [disk](const QString& device) {
        return device == disk;
    };
    options.helperCommand = [helperStarts](const QString& device) {
        if (helperStarts)
            ++*helperStarts;
        return UsbBurnJob::defaultHelperCommand(device, true);
    };
    options.tempFolder = tempFolder;
    return options;
}

TableSeen readTable(const QString& disk)
{
    TableSeen seen;
    const QJsonObject table = QJsonDocument::fromJson(TestUtil::run("sfdisk", {"--json", disk}).output)
                                  .object()
                                  .value("partitiontable")
                                  .toObject();
    seen.label = table.value("label").toString();
    for (const QJsonValue& v : table.value("partitions").toArray()) {
        seen.starts << qint64(v.toObject().value("start").toDouble());
        seen.types << v.toObject().value("type").toString().toUpper();
        seen.bootable << v.toObject().value("bootable").toBool();
    }
    return seen;
}

QString blkid(const QString& device, const QString& tag)
{
    return QString::fromUtf8(TestUtil::run("blkid", {"-p", "-o", "value", "-s", tag, device}).output).trimmed();
}

bool mountReadOnly(const QString& fileSystem, const QString& device, const QString& folder)
{
    QDir().mkpath(folder);
    const QString program = fileSystem == QLatin1String("NTFS") ? "ntfs-3g"
        : fileSystem == QLatin1String("exFAT")                  ? "mount.exfat-fuse"
                                                                : "fusefat";
    const QString options = program == QLatin1String("fusefat") ? "ro,blkdev,fsname=" + device : "ro";
    return TestUtil::run(program, {"-o", options, device, folder}).exitCode == 0;
}

void unmount(const QString& folder)
{
    TestUtil::run("umount", {folder});
}

QMap<QString, qint64> treeSizes(const QString& folder)
{
    QMap<QString, qint64> sizes;
    for (const QString& path : TestUtil::listTree(folder)) {
        const QFileInfo info(folder + QLatin1Char('/') + path);
        sizes.insert(path, info.isDir() ? -1 : info.size());
    }
    return sizes;
}

QStringList differentFiles(const QString& expected, const QString& actual)
{
    QStringList different;
    const QMap<QString, qint64> sizes = treeSizes(expected);
    for (auto it = sizes.begin(); it != sizes.end(); ++it) {
        if (it.value() < 0) {
            if (!QFileInfo(actual + QLatin1Char('/') + it.key()).isDir())
                different << it.key();
            continue;
        }
        auto hash = [](const QString& path) {
            QFile file(path);
            QCryptographicHash h(QCryptographicHash::Sha1);
            return file.open(QIODevice::ReadOnly) && h.addData(&file) ? h.result() : QByteArray();
        };
        const QByteArray want = hash(expected + QLatin1Char('/') + it.key());
        if (want.isEmpty() || want != hash(actual + QLatin1Char('/') + it.key()))
            different << it.key();
    }
    return different;
}

// The boot manager stand-in: real-mode code that prints a line and halts,
// whether GRUB's ntldr or El Torito loads it.
static QByteArray bootManagerStandIn()
{
    // as --32 (.code16): set a stack, DS = CS, find the text by call/pop,
    // print it with INT 10h teletype, halt.
    static const unsigned char code[] = {0xfa, 0x31, 0xc0, 0x8e, 0xd0, 0xbc, 0x00, 0x70, 0xfb, 0x0e, 0x1f, 0xe8, 0x00,
        0x00, 0x5e, 0x81, 0xc6, 0x16, 0x00, 0xb4, 0x0e, 0xbb, 0x07, 0x00, 0xac, 0x84, 0xc0, 0x74, 0x04, 0xcd, 0x10,
        0xeb, 0xf7, 0xf4, 0xeb, 0xfd};
    return QByteArray(reinterpret_cast<const char*>(code), sizeof code) + "Boot manager stand-in started" + '\0';
}

bool makeLinuxTree(const QString& folder, qint64 dataBytes, bool loaderInTree)
{
    const QString isolinux = folder + "/isolinux/";
    QDir().mkpath(isolinux);
    if (!QFile::copy("/usr/lib/ISOLINUX/isolinux.bin", isolinux + "isolinux.bin")
        || !QFile::copy("/usr/lib/syslinux/modules/bios/ldlinux.c32", isolinux + "ldlinux.c32"))
        return false;
    TestUtil::writeFile(isolinux + "isolinux.cfg",
        "SAY Quillon test image: isolinux started\nPROMPT 1\nTIMEOUT 600\nDEFAULT isolinux-entry\n"
        "LABEL isolinux-entry\n  MENU LABEL Test entry read from isolinux.cfg\n"
        "  KERNEL /isolinux/vmlinuz\n  APPEND quiet\n");
    TestUtil::writeFile(folder + "/boot/grub/grub.cfg",
        "set timeout=-1\nmenuentry \"Test entry read from boot/grub/grub.cfg\" {\n  echo started\n}\n");
    // UEFI: GRUB that finds the image's grub.cfg wherever it was started from.
    const QString work = folder + ".work";
    QDir().mkpath(work);
    TestUtil::writeFile(work + "/efi.cfg",
        "search --no-floppy --file --set=root /boot/grub/grub.cfg\nset prefix=($root)/boot/grub\n"
        "configfile /boot/grub/grub.cfg\n");
    const QString efiLoader = folder + "/EFI/BOOT/BOOTX64.EFI";
    QDir().mkpath(QFileInfo(efiLoader).path());
    if (TestUtil::run("grub-mkimage",
            {"-O", "x86_64-efi", "-o", efiLoader, "-p", "/boot/grub", "-c", work + "/efi.cfg", "part_gpt", "part_msdos",
                "fat", "iso9660", "normal", "configfile", "search", "echo", "test"})
            .exitCode
        != 0)
        return false;
    // The El Torito EFI entry: a FAT image holding the same loader.
    const QString efiImage = folder + "/boot/efi.img";
    if (TestUtil::run("mkfs.vfat", {"-C", efiImage, "4096"}).exitCode != 0
        || TestUtil::run("mmd", {"-i", efiImage, "::/EFI", "::/EFI/BOOT"}).exitCode != 0
        || TestUtil::run("mcopy", {"-i", efiImage, efiLoader, "::/EFI/BOOT/"}).exitCode != 0)
        return false;
    QDir(work).removeRecursively();
    if (!loaderInTree) {
        QFile::remove(folder + ".BOOTX64.EFI");
        if (!QFile::rename(efiLoader, folder + ".BOOTX64.EFI"))
            return false;
        QDir(folder + "/EFI").removeRecursively();
    }
    QDir().mkpath(folder + "/data/empty");
    return TestUtil::writeFile(folder + "/data/big.bin", TestUtil::randomBytes(dataBytes))
        && TestUtil::writeFile(folder + "/data/nested/deeper/readme.txt", "nested\n")
        && TestUtil::writeFile(folder + "/data/Notes with blanks.txt", "blanks\n");
}

QStringList linuxIsoArguments()
{
    return {"-b", "isolinux/isolinux.bin", "-c", "isolinux/boot.cat", "-no-emul-boot", "-boot-load-size", "4",
        "-boot-info-table", "-eltorito-alt-boot", "-e", "boot/efi.img", "-no-emul-boot"};
}

bool makeHybridIso(const QString& tree, const QString& image)
{
    QFile::remove(image);
    QStringList args {
        "-as", "mkisofs", "-quiet", "-R", "-V", "QUILLON_HYBRID", "-isohybrid-mbr", "/usr/lib/ISOLINUX/isohdpfx.bin"};
    args << linuxIsoArguments() << "-isohybrid-gpt-basdat"
         << "-o" << image << tree;
    return TestUtil::run("xorriso", args).exitCode == 0;
}

bool makeWindowsTree(const QString& folder, const QString& wimSource, qint64 installBytes)
{
    const QString wim = folder + "/sources/install.wim";
    QDir().mkpath(folder + "/sources");
    if (TestUtil::run("wimlib-imagex", {"capture", wimSource, wim, "Test", "--compress=none"}).exitCode != 0)
        return false;
    if (installBytes > QFileInfo(wim).size() && !QFile(wim).resize(installBytes))
        return false;
    return TestUtil::writeFile(folder + "/bootmgr", bootManagerStandIn())
        && TestUtil::writeFile(folder + "/boot/etfsboot.com", bootManagerStandIn())
        && TestUtil::writeFile(folder + "/boot/bcd", TestUtil::randomBytes(64 * 1024))
        && TestUtil::writeFile(folder + "/sources/boot.wim", TestUtil::randomBytes(2 * 1024 * 1024));
}

QStringList windowsIsoArguments()
{
    return {"-b", "boot/etfsboot.com", "-c", "boot/boot.cat", "-no-emul-boot", "-boot-load-size", "4"};
}

} // namespace UsbTest
