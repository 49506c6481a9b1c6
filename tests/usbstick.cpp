#include "usbstick.h"

#include "testutil.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace UsbTest {

namespace {

int runWithInput(const QString& program, const QStringList& args, const QByteArray& input)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted())
        return -1;
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QByteArray randomBytes(qint64 size)
{
    QByteArray bytes(int(size), Qt::Uninitialized);
    QRandomGenerator generator{quint32(size)};
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), int(size / 4));
    return bytes;
}

QString readLine(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).trimmed() : QString();
}

} // namespace

QString cannotRun()
{
    if (::geteuid() != 0)
        return QStringLiteral("loop devices need root; run the tests as root to burn to one");
    if (!QFileInfo::exists(QStringLiteral("/dev/fuse")) && !QFileInfo::exists(QStringLiteral("/dev/loop-control")))
        return QStringLiteral("neither FUSE (/dev/fuse) nor loop devices (/dev/loop-control) exist here");
    if (!QFileInfo::exists(QStringLiteral("/dev/fuse")))
        return QStringLiteral("no FUSE (/dev/fuse): the stick's file systems cannot be mounted");
    for (const char* tool : {"losetup", "sfdisk", "mkfs.vfat", "mkntfs", "mkfs.exfat", "fusefat", "ntfs-3g",
                             "mount.exfat-fuse", "grub-mkimage", "mcopy", "wimlib-imagex", "genisoimage"}) {
        if (!TestUtil::haveProgram(QLatin1String(tool))
            && !QFileInfo::exists(QStringLiteral("/usr/sbin/") + QLatin1String(tool)))
            return QStringLiteral("%1 is not installed").arg(QLatin1String(tool));
    }
    if (!QFileInfo::exists(QStringLiteral("/usr/lib/ISOLINUX/isolinux.bin")))
        return QStringLiteral("isolinux is not installed");
    if (TestUtil::run(QStringLiteral("losetup"), {QStringLiteral("-f")}).exitCode != 0)
        return QStringLiteral("no free loop device");
    return QString();
}

LoopStick::LoopStick(const QString& backingFile, qint64 megabytes, bool partitioned)
    : m_file(backingFile)
{
    if (!TestUtil::makeSparseFile(m_file, megabytes * 1024 * 1024)) {
        m_error = QStringLiteral("cannot create ") + m_file;
        return;
    }
    if (partitioned
        && runWithInput(QStringLiteral("sfdisk"), {QStringLiteral("-q"), m_file}, "label: dos\nstart=2048, type=83\n") != 0) {
        m_error = QStringLiteral("sfdisk failed on ") + m_file;
        return;
    }
    const TestUtil::Result attach =
        TestUtil::run(QStringLiteral("losetup"), {QStringLiteral("-f"), QStringLiteral("--show"), QStringLiteral("-P"), m_file});
    m_disk = QString::fromLocal8Bit(attach.output).trimmed();
    if (attach.exitCode != 0 || !m_disk.startsWith(QLatin1String("/dev/loop"))) {
        m_error = QStringLiteral("losetup failed: ") + QString::fromLocal8Bit(attach.output);
        m_disk.clear();
        return;
    }
    m_volume = m_disk;
    if (!partitioned)
        return;
    const QString name = QFileInfo(m_disk).fileName();
    const QString sys = QStringLiteral("/sys/block/%1/%1p1").arg(name);
    if (!QFileInfo::exists(sys))
        TestUtil::run(QStringLiteral("partx"), {QStringLiteral("-a"), m_disk});
    m_volume = m_disk + QStringLiteral("p1");
    // Without udev nobody makes the partition's node: make it from sysfs's numbers.
    if (!QFileInfo::exists(m_volume)) {
        const QStringList numbers = readLine(sys + QStringLiteral("/dev")).split(QLatin1Char(':'));
        if (numbers.size() != 2
            || ::mknod(QFile::encodeName(m_volume).constData(), S_IFBLK | 0600,
                       makedev(numbers.at(0).toUInt(), numbers.at(1).toUInt())) != 0)
            m_error = QStringLiteral("no node for ") + m_volume;
    }
}

LoopStick::~LoopStick()
{
    if (m_disk.isEmpty())
        return;
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    if (mounts.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : mounts.readAll().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            const int dash = f.indexOf("-");
            if (dash > 4 && dash + 2 < f.size()
                && (f.at(dash + 2) == m_volume.toLocal8Bit() || f.at(dash + 2) == m_disk.toLocal8Bit()))
                TestUtil::run(QStringLiteral("umount"), {QString::fromLocal8Bit(f.at(4))});
        }
    }
    TestUtil::run(QStringLiteral("losetup"), {QStringLiteral("-d"), m_disk});
}

bool mountReadOnly(const QString& fileSystem, const QString& device, const QString& folder)
{
    QDir().mkpath(folder);
    QStringList command;
    if (fileSystem == QLatin1String("NTFS"))
        command = QStringList{QStringLiteral("ntfs-3g"), QStringLiteral("-o"), QStringLiteral("ro")};
    else if (fileSystem == QLatin1String("exFAT"))
        command = QStringList{QStringLiteral("mount.exfat-fuse"), QStringLiteral("-o"), QStringLiteral("ro")};
    else
        command = QStringList{QStringLiteral("fusefat"), QStringLiteral("-o"),
                              QStringLiteral("ro,blkdev,fsname=") + device};
    command << device << folder;
    return TestUtil::run(command.first(), command.mid(1)).exitCode == 0;
}

void unmount(const QString& folder)
{
    TestUtil::run(QStringLiteral("umount"), {folder});
}

QMap<QString, qint64> treeSizes(const QString& folder)
{
    QMap<QString, qint64> sizes;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        sizes.insert(QDir(folder).relativeFilePath(info.filePath()), info.isDir() ? -1 : info.size());
    }
    return sizes;
}

QStringList differentFiles(const QString& expected, const QString& actual)
{
    QStringList different;
    const QMap<QString, qint64> sizes = treeSizes(expected);
    for (auto it = sizes.begin(); it != sizes.end(); ++it) {
        if (it.value() < 0)
            continue;
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

QByteArray bootManagerStandIn()
{
    // as --32 (.code16): set a stack, DS = CS, find the text by call/pop,
    // print it with INT 10h teletype, halt.
    static const unsigned char code[] = {0xfa, 0x31, 0xc0, 0x8e, 0xd0, 0xbc, 0x00, 0x70, 0xfb, 0x0e, 0x1f, 0xe8,
                                         0x00, 0x00, 0x5e, 0x81, 0xc6, 0x16, 0x00, 0xb4, 0x0e, 0xbb, 0x07, 0x00,
                                         0xac, 0x84, 0xc0, 0x74, 0x04, 0xcd, 0x10, 0xeb, 0xf7, 0xf4, 0xeb, 0xfd};
    return QByteArray(reinterpret_cast<const char*>(code), sizeof code) + "Boot manager stand-in started" + '\0';
}

bool makeLinuxTree(const QString& folder, qint64 dataBytes)
{
    const QString isolinux = folder + QStringLiteral("/isolinux/");
    QDir().mkpath(isolinux);
    if (!QFile::copy(QStringLiteral("/usr/lib/ISOLINUX/isolinux.bin"), isolinux + QStringLiteral("isolinux.bin"))
        || !QFile::copy(QStringLiteral("/usr/lib/syslinux/modules/bios/ldlinux.c32"), isolinux + QStringLiteral("ldlinux.c32")))
        return false;
    TestUtil::writeFile(isolinux + QStringLiteral("isolinux.cfg"),
                        "SAY Quillon test image: isolinux started\nPROMPT 1\nTIMEOUT 600\nDEFAULT isolinux-entry\n"
                        "LABEL isolinux-entry\n  MENU LABEL Test entry read from isolinux.cfg\n"
                        "  KERNEL /isolinux/vmlinuz\n  APPEND quiet\n");
    TestUtil::writeFile(folder + QStringLiteral("/boot/grub/grub.cfg"),
                        "set timeout=-1\nmenuentry \"Test entry read from boot/grub/grub.cfg\" {\n  echo started\n}\n");
    // UEFI: GRUB that finds the image's grub.cfg wherever it was started from.
    const QString work = folder + QStringLiteral(".work");
    QDir().mkpath(work);
    TestUtil::writeFile(work + QStringLiteral("/efi.cfg"),
                        "search --no-floppy --file --set=root /boot/grub/grub.cfg\nset prefix=($root)/boot/grub\n"
                        "configfile /boot/grub/grub.cfg\n");
    const QString efiLoader = folder + QStringLiteral("/EFI/BOOT/BOOTX64.EFI");
    QDir().mkpath(QFileInfo(efiLoader).path());
    if (TestUtil::run(QStringLiteral("grub-mkimage"),
                      {QStringLiteral("-O"), QStringLiteral("x86_64-efi"), QStringLiteral("-o"), efiLoader,
                       QStringLiteral("-p"), QStringLiteral("/boot/grub"), QStringLiteral("-c"),
                       work + QStringLiteral("/efi.cfg"), QStringLiteral("part_gpt"), QStringLiteral("part_msdos"),
                       QStringLiteral("fat"), QStringLiteral("iso9660"), QStringLiteral("normal"),
                       QStringLiteral("configfile"), QStringLiteral("search"), QStringLiteral("echo"),
                       QStringLiteral("test")})
            .exitCode != 0)
        return false;
    // The El Torito EFI entry: a FAT image holding the same loader.
    const QString efiImage = folder + QStringLiteral("/boot/efi.img");
    if (TestUtil::run(QStringLiteral("mkfs.vfat"), {QStringLiteral("-C"), efiImage, QStringLiteral("4096")}).exitCode != 0
        || TestUtil::run(QStringLiteral("mmd"), {QStringLiteral("-i"), efiImage, QStringLiteral("::/EFI"),
                                                 QStringLiteral("::/EFI/BOOT")}).exitCode != 0
        || TestUtil::run(QStringLiteral("mcopy"), {QStringLiteral("-i"), efiImage, efiLoader,
                                                   QStringLiteral("::/EFI/BOOT/")}).exitCode != 0)
        return false;
    QDir(work).removeRecursively();
    QDir().mkpath(folder + QStringLiteral("/data/empty"));
    return TestUtil::writeFile(folder + QStringLiteral("/data/big.bin"), randomBytes(dataBytes))
        && TestUtil::writeFile(folder + QStringLiteral("/data/nested/deeper/readme.txt"), "nested\n")
        && TestUtil::writeFile(folder + QStringLiteral("/data/Notes with blanks.txt"), "blanks\n");
}

QStringList linuxIsoArguments()
{
    return {QStringLiteral("-b"), QStringLiteral("isolinux/isolinux.bin"), QStringLiteral("-c"),
            QStringLiteral("isolinux/boot.cat"), QStringLiteral("-no-emul-boot"), QStringLiteral("-boot-load-size"),
            QStringLiteral("4"), QStringLiteral("-boot-info-table"), QStringLiteral("-eltorito-alt-boot"),
            QStringLiteral("-e"), QStringLiteral("boot/efi.img"), QStringLiteral("-no-emul-boot")};
}

bool makeWindowsTree(const QString& folder, const QString& wimSource, qint64 installBytes)
{
    const QString wim = folder + QStringLiteral("/sources/install.wim");
    QDir().mkpath(folder + QStringLiteral("/sources"));
    if (TestUtil::run(QStringLiteral("wimlib-imagex"),
                      {QStringLiteral("capture"), wimSource, wim, QStringLiteral("Test"), QStringLiteral("--compress=none")})
            .exitCode != 0)
        return false;
    if (installBytes > QFileInfo(wim).size() && !QFile(wim).resize(installBytes))
        return false;
    return TestUtil::writeFile(folder + QStringLiteral("/bootmgr"), bootManagerStandIn())
        && TestUtil::writeFile(folder + QStringLiteral("/boot/etfsboot.com"), bootManagerStandIn())
        && TestUtil::writeFile(folder + QStringLiteral("/boot/bcd"), randomBytes(64 * 1024))
        && TestUtil::writeFile(folder + QStringLiteral("/sources/boot.wim"), randomBytes(2 * 1024 * 1024));
}

QStringList windowsIsoArguments()
{
    return {QStringLiteral("-b"), QStringLiteral("boot/etfsboot.com"), QStringLiteral("-c"),
            QStringLiteral("boot/boot.cat"), QStringLiteral("-no-emul-boot"), QStringLiteral("-boot-load-size"),
            QStringLiteral("4")};
}

} // namespace UsbTest
