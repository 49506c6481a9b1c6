// Boot catalog reading and boot image extraction, checked against images
// made by genisoimage and against what xorriso reports about them.

#include "image/eltorito.h"

#include "testutil.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One "El Torito boot img" row of `xorriso -report_el_torito plain`.
struct ReportRow
{
    QString platform; // BIOS, UEFI, ...
    bool bootable = false;
    QString emulation; // none, fd1.2, fd1.4, fd2.8, hd
    int loadSize = 0;
    quint32 lba = 0;
};

QList<ReportRow> xorrisoReport(const QString& image)
{
    const TestUtil::Result r = TestUtil::run(
        QStringLiteral("xorriso"),
        {QStringLiteral("-indev"), image, QStringLiteral("-report_el_torito"), QStringLiteral("plain")});
    QList<ReportRow> rows;
    for (const QByteArray& raw : r.output.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (!line.startsWith(QLatin1String("El Torito boot img :")))
            continue;
        const QStringList f = line.mid(20).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.size() < 8)
            continue;
        ReportRow row;
        row.platform = f[1];
        row.bootable = f[2] == QLatin1String("y");
        row.emulation = f[3];
        row.loadSize = f[6].toInt();
        row.lba = f[7].toUInt();
        rows << row;
    }
    return rows;
}

QByteArray readAt(const QString& path, qint64 position, qint64 length)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(position))
        return {};
    return f.read(length);
}

bool patch(const QString& from, const QString& to, qint64 position, const QByteArray& bytes)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        return false;
    QFile f(to);
    f.setPermissions(f.permissions() | QFileDevice::WriteOwner);
    return f.open(QIODevice::ReadWrite) && f.seek(position) && f.write(bytes) == bytes.size();
}

QByteArray randomBytes(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char(QRandomGenerator::global()->bounded(256));
    return data;
}

// A hard-disk image: a master boot record with one partition over 64 sectors.
QByteArray hardDiskImage()
{
    QByteArray d(64 * 512, '\0');
    const unsigned char entry[16] = {0x80, 0, 2, 0, 0x01, 0, 32, 1, 1, 0, 0, 0, 63, 0, 0, 0};
    for (int i = 0; i < 16; ++i)
        d[446 + i] = char(entry[i]);
    d[510] = char(0x55);
    d[511] = char(0xAA);
    return d;
}

quint32 catalogSector(const QString& image)
{
    const QByteArray b = readAt(image, 17 * 2048 + 0x47, 4);
    return quint32(uchar(b[0])) | quint32(uchar(b[1])) << 8 | quint32(uchar(b[2])) << 16
        | quint32(uchar(b[3])) << 24;
}

} // namespace

class TestElTorito : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_tree;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString makeImage(const QString& name, const QStringList& args)
    {
        const QString image = path(name);
        if (!QFileInfo::exists(image) && !TestUtil::makeIso(m_tree, image, args))
            return QString();
        return image;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!TestUtil::haveProgram(QStringLiteral("genisoimage"))
            || !TestUtil::haveProgram(QStringLiteral("xorriso")))
            QSKIP("genisoimage and xorriso are needed");
        QVERIFY(m_dir.isValid());
        m_tree = path(QStringLiteral("tree"));
        QVERIFY(TestUtil::writeFile(m_tree + QStringLiteral("/boot/boot.bin"), randomBytes(4096)));
        QVERIFY(TestUtil::writeFile(m_tree + QStringLiteral("/boot/efi.img"), randomBytes(65536)));
        QVERIFY(TestUtil::writeFile(m_tree + QStringLiteral("/boot/fd.img"), randomBytes(1474560)));
        QVERIFY(TestUtil::writeFile(m_tree + QStringLiteral("/boot/hd.img"), hardDiskImage()));
        QVERIFY(TestUtil::writeFile(m_tree + QStringLiteral("/readme.txt"), "hello\n"));
    }

    // Each image is extracted and compared with the bytes xorriso points at.
    void extract_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<qint64>("expectedBytes");
        const QString noEmul = QStringLiteral("-no-emul-boot");
        QTest::newRow("no emulation, 4 sectors")
            << QStringList{"-b", "boot/boot.bin", noEmul, "-boot-load-size", "4"} << qint64(2048);
        QTest::newRow("no emulation, 8 sectors")
            << QStringList{"-b", "boot/boot.bin", noEmul, "-boot-load-size", "8"} << qint64(4096);
        QTest::newRow("1.44 MB floppy") << QStringList{"-b", "boot/fd.img"} << qint64(2880 * 512);
        QTest::newRow("hard disk") << QStringList{"-b", "boot/hd.img", "-hard-disk-boot"} << qint64(512);
        QTest::newRow("with EFI section")
            << QStringList{"-b", "boot/boot.bin", noEmul, "-boot-load-size", "4", "-eltorito-alt-boot",
                           "-e", "boot/efi.img", noEmul}
            << qint64(2048);
    }

    void extract()
    {
        QFETCH(QStringList, args);
        QFETCH(qint64, expectedBytes);
        const QString image = makeImage(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_')
                                            .remove(',') + QStringLiteral(".iso"),
                                        args);
        QVERIFY(!image.isEmpty());
        const QList<ReportRow> report = xorrisoReport(image);
        QVERIFY(!report.isEmpty());

        const QString out = path(QStringLiteral("boot.bin"));
        QFile::remove(out);
        QVERIFY(Util::BootExtract(image, out));
        QCOMPARE(QFileInfo(out).size(), expectedBytes);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), readAt(image, qint64(report[0].lba) * 2048, expectedBytes));

        // The whole catalog agrees with xorriso, entry by entry.
        QList<BootEntry> entries;
        QVERIFY(ReadBootCatalog(image, entries));
        QCOMPARE(entries.size(), report.size());
        static const QStringList emulations{"none", "fd1.2", "fd1.4", "fd2.8", "hd"};
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(entries[i].bootable, report[i].bootable);
            QCOMPARE(entries[i].loadRba, report[i].lba);
            QCOMPARE(emulations.value(entries[i].mediaType), report[i].emulation);
            QCOMPARE(int(entries[i].sectorCount), report[i].loadSize);
            QCOMPARE(entries[i].platform == 0xEF, report[i].platform == QLatin1String("UEFI"));
        }
        if (entries.size() > 1) {
            const QString efi = path(QStringLiteral("efi.out"));
            QVERIFY(ExtractBootImage(image, entries[1], efi));
            QFile e(efi), original(m_tree + QStringLiteral("/boot/efi.img"));
            QVERIFY(e.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
            QCOMPARE(e.readAll(), original.readAll());
        }
    }

    void longerOutputIsTruncated()
    {
        const QString image = makeImage(QStringLiteral("no_emulation_4_sectors.iso"),
                                        {"-b", "boot/boot.bin", "-no-emul-boot", "-boot-load-size", "4"});
        QVERIFY(!image.isEmpty());
        const QString out = path(QStringLiteral("long.bin"));
        QVERIFY(TestUtil::writeFile(out, QByteArray(100000, 'x')));
        QVERIFY(Util::BootExtract(image, out));
        QCOMPARE(QFileInfo(out).size(), qint64(2048));
    }

    // Damaged or unbootable images: the result, the debug line, and no file.
    void damaged_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<bool>("result");
        QTest::addColumn<qint64>("fileSize"); // -1: no file
        QTest::addColumn<QString>("message");
        QTest::newRow("no boot record") << "plain" << false << qint64(-1) << "Invalid boot-record-volume!\n";
        QTest::newRow("wrong signature") << "signature" << false << qint64(-1)
                                         << "Invalid signature in boot-record-volume!\n";
        QTest::newRow("bad key bytes") << "key" << false << qint64(-1)
                                       << "Invalid validation-entry in boot-catalog!\n";
        QTest::newRow("wrong checksum only") << "checksum" << true << qint64(2048) << QString();
        QTest::newRow("not bootable") << "noboot" << true << qint64(-1) << QString();
        QTest::newRow("sector count 0") << "count0" << true << qint64(0) << QString();
        QTest::newRow("truncated") << "truncated" << true << qint64(-1) << "Util::Read error";
        QTest::newRow("catalog past the end") << "catalogpast" << false << qint64(-1) << "Util::Read error";
        QTest::newRow("empty file") << "empty" << false << qint64(-1) << "Util::Read error";
    }

    void damaged()
    {
        QFETCH(QString, variant);
        QFETCH(bool, result);
        QFETCH(qint64, fileSize);
        QFETCH(QString, message);
        const QString bootable = makeImage(QStringLiteral("no_emulation_4_sectors.iso"),
                                           {"-b", "boot/boot.bin", "-no-emul-boot", "-boot-load-size", "4"});
        QVERIFY(!bootable.isEmpty());
        const qint64 catalog = qint64(catalogSector(bootable)) * 2048;
        QString image = path(variant + QStringLiteral(".iso"));
        if (variant == QLatin1String("plain")) {
            image = makeImage(QStringLiteral("plain.iso"), {});
        } else if (variant == QLatin1String("signature")) {
            QVERIFY(patch(bootable, image, 17 * 2048 + 7, "EL TORITO SPECIFICATIOX"));
        } else if (variant == QLatin1String("key")) {
            QVERIFY(patch(bootable, image, catalog + 30, QByteArray("\x55\xAB", 2)));
        } else if (variant == QLatin1String("checksum")) {
            QVERIFY(patch(bootable, image, catalog + 28, QByteArray("\x12\x34", 2)));
        } else if (variant == QLatin1String("noboot")) {
            image = makeImage(QStringLiteral("noboot.iso"), {"-b", "boot/boot.bin", "-no-emul-boot",
                                                             "-boot-load-size", "8", "-no-boot"});
        } else if (variant == QLatin1String("count0")) {
            QVERIFY(patch(bootable, image, catalog + 32 + 6, QByteArray("\0\0", 2)));
        } else if (variant == QLatin1String("truncated")) {
            QList<BootEntry> entries;
            QVERIFY(ReadBootCatalog(bootable, entries));
            QVERIFY(patch(bootable, image, 0, QByteArray()));
            QFile f(image);
            QVERIFY(f.resize(qint64(entries[0].loadRba) * 2048 + 1000));
        } else if (variant == QLatin1String("catalogpast")) {
            QVERIFY(patch(bootable, image, 17 * 2048 + 0x47, QByteArray("\xff\xff\xff\x00", 4)));
        } else if (variant == QLatin1String("empty")) {
            QVERIFY(TestUtil::writeFile(image, QByteArray()));
        }
        QVERIFY(!image.isEmpty());
        if (!message.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
        const QString out = path(QStringLiteral("damaged.bin"));
        QFile::remove(out);
        QCOMPARE(Util::BootExtract(image, out), result);
        QCOMPARE(QFileInfo::exists(out) ? QFileInfo(out).size() : qint64(-1), fileSize);
    }

    // Random catalogs behind a valid validation entry: never a crash, never
    // more entries than one sector holds, never a boot image past the file.
    void randomCatalogs()
    {
        const QString bootable = makeImage(QStringLiteral("no_emulation_4_sectors.iso"),
                                           {"-b", "boot/boot.bin", "-no-emul-boot", "-boot-load-size", "4"});
        QVERIFY(!bootable.isEmpty());
        const qint64 catalog = qint64(catalogSector(bootable)) * 2048;
        const qint64 imageSize = QFileInfo(bootable).size();
        const QString image = path(QStringLiteral("random.iso"));
        const QString out = path(QStringLiteral("random.bin"));
        QVERIFY(patch(bootable, image, 0, QByteArray()));
        QFile f(image);
        QVERIFY(f.open(QIODevice::ReadWrite));
        for (int round = 0; round < 200; ++round) {
            QByteArray sector = randomBytes(2048);
            sector[0] = 1;
            sector[30] = char(0x55);
            sector[31] = char(0xAA);
            if (round % 2)
                sector[64] = char(0x90 + round % 4 / 2); // section headers now and then
            QVERIFY(f.seek(catalog) && f.write(sector) == 2048 && f.flush());
            QList<BootEntry> entries;
            QVERIFY(ReadBootCatalog(image, entries));
            QVERIFY(entries.size() >= 1 && entries.size() <= 63);
            QFile::remove(out);
            QVERIFY(Util::BootExtract(image, out));
            if (QFileInfo::exists(out)) {
                const BootEntry& e = entries[0];
                QVERIFY(e.bootable);
                QVERIFY(qint64(e.loadRba) * 2048 + QFileInfo(out).size() <= imageSize);
            }
        }
    }

    void readStatus()
    {
        QFile file(path(QStringLiteral("ten.bin")));
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
        file.write("0123456789");
        QDataStream stream(&file);
        char buffer[16] = {};
        QCOMPARE(Util::Read(stream, 2, 8, buffer), 0);
        QCOMPARE(QByteArray(buffer, 8), QByteArray("23456789"));
        QTest::ignoreMessage(QtDebugMsg, "Util::Read error");
        QCOMPARE(Util::Read(stream, 5, 6, buffer), 232);
        QCOMPARE(Util::Read(stream, -1, 1, buffer), 25);
        QDataStream detached;
        QCOMPARE(Util::Read(detached, 0, 1, buffer), 25);
    }
};

QTEST_GUILESS_MAIN(TestElTorito)
#include "tst_eltorito.moc"
