// Boot catalog reading and boot image extraction, checked against images
// made by genisoimage and against what xorriso reports about them.

#include "image/eltorito.h"

#include "fuzz/catalogwriter.h"
#include "testutil.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

using TestUtil::readAt;

// A copy of `from` with `bytes` written at `position`.
bool patch(const QString& from, const QString& to, qint64 position, const QByteArray& bytes)
{
    QFile::remove(to);
    QFile f(to);
    return QFile::copy(from, to) && f.setPermissions(f.permissions() | QFileDevice::WriteOwner)
        && f.open(QIODevice::ReadWrite) && f.seek(position) && f.write(bytes) == bytes.size();
}

// A hard-disk image: a master boot record with one partition over 64 sectors.
QByteArray hardDiskImage()
{
    QByteArray d(64 * 512, '\0');
    d.replace(446, 16, QByteArray("\x80\0\x02\0\x01\0\x20\x01\x01\0\0\0\x3f\0\0\0", 16));
    d.replace(510, 2, "\x55\xAA");
    return d;
}

const qint64 kBootRecord = 17 * 2048;

qint64 catalogOffset(const QString& image)
{
    return qint64(qFromLittleEndian<quint32>(readAt(image, kBootRecord + 0x47, 4).constData())) * 2048;
}

const QStringList kNoEmul4 {"-b", "boot/boot.bin", "-no-emul-boot", "-boot-load-size", "4"};

} // namespace

class TestElTorito : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_tree;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString makeImage(const QString& name, const QStringList& args)
    {
        const QString image = path(name);
        return QFileInfo::exists(image) || TestUtil::makeIso(m_tree, image, args) ? image : QString();
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("quillon.trace.debug=true")); // the traces are checked
        QStandardPaths::setTestModeEnabled(true);
        if (!TestUtil::haveProgram("genisoimage") || !TestUtil::haveProgram("xorriso"))
            QSKIP("genisoimage and xorriso are needed");
        m_tree = path(QStringLiteral("tree"));
        QVERIFY(TestUtil::writeFile(m_tree + "/boot/boot.bin", TestUtil::randomBytes(4096)));
        QVERIFY(TestUtil::writeFile(m_tree + "/boot/efi.img", TestUtil::randomBytes(65536)));
        QVERIFY(TestUtil::writeFile(m_tree + "/boot/fd.img", TestUtil::randomBytes(1474560)));
        QVERIFY(TestUtil::writeFile(m_tree + "/boot/hd.img", hardDiskImage()));
    }

    // Each image is extracted and compared with the bytes xorriso points at.
    void extract_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<qint64>("expectedBytes");
        QTest::newRow("no-emul-8") << QStringList {"-b", "boot/boot.bin", "-no-emul-boot", "-boot-load-size", "8"}
                                   << qint64(4096);
        QTest::newRow("floppy-1.44") << QStringList {"-b", "boot/fd.img"} << qint64(2880 * 512);
        QTest::newRow("hard-disk") << QStringList {"-b", "boot/hd.img", "-hard-disk-boot"} << qint64(512);
        // The first entry is the plain no-emulation case.
        QTest::newRow("with-efi") << kNoEmul4
                + QStringList {"-eltorito-alt-boot", "-e", "boot/efi.img", "-no-emul-boot"}
                                  << qint64(2048);
    }

    void extract()
    {
        QFETCH(QStringList, args);
        QFETCH(qint64, expectedBytes);
        const QString image = makeImage(QString::fromLatin1(QTest::currentDataTag()) + ".iso", args);
        QVERIFY(!image.isEmpty());
        const QList<QStringList> report = TestUtil::xorrisoBootImages(image);
        QVERIFY(!report.isEmpty());

        // A longer file already there is cut to the boot image's size.
        const QString out = path(QStringLiteral("boot.out"));
        QVERIFY(TestUtil::writeFile(out, QByteArray(2000000, 'x')));
        QVERIFY(Util::BootExtract(image, out));
        QCOMPARE(TestUtil::readFile(out), readAt(image, report[0][7].toLongLong() * 2048, expectedBytes));

        // The whole catalog agrees with xorriso, entry by entry.
        QList<BootEntry> entries;
        QVERIFY(ReadBootCatalog(image, entries));
        QCOMPARE(entries.size(), report.size());
        static const QStringList emulations {"none", "fd1.2", "fd1.4", "fd2.8", "hd"};
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(entries[i].platform == 0xEF ? "UEFI" : "BIOS", report[i][1]);
            QCOMPARE(entries[i].bootable ? "y" : "n", report[i][2]);
            QCOMPARE(emulations.value(entries[i].mediaType), report[i][3]);
            QCOMPARE(QString::number(entries[i].sectorCount), report[i][6]);
            QCOMPARE(QString::number(entries[i].loadRba), report[i][7]);
        }
        if (entries.size() > 1) {
            QVERIFY(ExtractBootImage(image, entries[1], path(QStringLiteral("efi.out"))));
            QCOMPARE(TestUtil::readFile(path("efi.out")), TestUtil::readFile(m_tree + "/boot/efi.img"));
        }
    }

    // Damaged or unbootable images: the result, the debug line, and no file.
    // Entries after chains of selection-criteria extensions, in sections of
    // their own platforms, on a catalog written here.
    void entriesAfterExtensions()
    {
        QTemporaryDir dir;
        BootEntry initial {true, 0, 0, 0x7C0, 4, 40};
        CatalogWriter::Section bios {0, {{true, 0, 2, 0, 0, 50}, {false, 0, 4, 0x7C0, 1, 60}}, {2, 1}};
        CatalogWriter::Section efi {0xEF, {{true, 0xEF, 0, 0, 2880, 70}}, {0}};
        const QString image = dir.filePath("catalog.iso");
        QVERIFY(TestUtil::writeFile(image, CatalogWriter::Image(0, initial, {bios, efi})));
        QList<BootEntry> entries;
        QVERIFY(ReadBootCatalog(image, entries));
        QCOMPARE(entries.size(), 4);
        QList<quint32> rbas;
        for (const BootEntry& e : entries)
            rbas << e.loadRba;
        QCOMPARE(rbas, (QList<quint32> {40, 50, 60, 70}));
        QCOMPARE(entries[2].bootable, false);
        QCOMPARE(entries[2].mediaType, quint8(4));
        QCOMPARE(entries[3].platform, quint8(0xEF));
        QCOMPARE(entries[3].sectorCount, quint16(2880));
    }

    void damaged_data()
    {
        QTest::addColumn<QString>("base"); // boot, plain, noboot, empty or truncated
        QTest::addColumn<qint64>("at"); // patch position; -1 - n: n bytes into the catalog
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("result");
        QTest::addColumn<qint64>("fileSize"); // -1: no file
        QTest::addColumn<QString>("message");
        const QString readError = QStringLiteral("Util::Read error");
        QTest::newRow("no boot record") << "plain" << 0ll << QByteArray() << false << -1ll
                                        << "Invalid boot-record-volume!\n";
        QTest::newRow("wrong signature") << "boot" << kBootRecord + 7 << QByteArray("EL TORITO SPECIFICATIOX") << false
                                         << -1ll << "Invalid signature in boot-record-volume!\n";
        QTest::newRow("bad key bytes") << "boot" << -1 - 30ll << QByteArray("\x55\xAB", 2) << false << -1ll
                                       << "Invalid validation-entry in boot-catalog!\n";
        QTest::newRow("wrong checksum only")
            << "boot" << -1 - 28ll << QByteArray("\x12\x34", 2) << true << 2048ll << QString();
        QTest::newRow("not bootable") << "noboot" << 0ll << QByteArray() << true << -1ll << QString();
        QTest::newRow("sector count 0") << "boot" << -1 - 38ll << QByteArray("\0\0", 2) << true << 0ll << QString();
        QTest::newRow("truncated") << "truncated" << 0ll << QByteArray() << true << -1ll << readError;
        QTest::newRow("catalog past the end")
            << "boot" << kBootRecord + 0x47 << QByteArray("\xff\xff\xff\x00", 4) << false << -1ll << readError;
        QTest::newRow("empty file") << "empty" << 0ll << QByteArray() << false << -1ll << readError;
    }

    void damaged()
    {
        QFETCH(QString, base);
        QFETCH(qint64, at);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString bootable = makeImage(QStringLiteral("no-emul-4.iso"), kNoEmul4);
        QVERIFY(!bootable.isEmpty());
        QString image = path(QStringLiteral("damaged.iso"));
        if (base == QLatin1String("plain") || base == QLatin1String("noboot")) {
            image = makeImage(
                base + ".iso", base == QLatin1String("plain") ? QStringList() : kNoEmul4 + QStringList {"-no-boot"});
        } else if (base == QLatin1String("empty")) {
            QVERIFY(TestUtil::writeFile(image, QByteArray()));
        } else if (base == QLatin1String("truncated")) {
            QList<BootEntry> entries;
            QVERIFY(ReadBootCatalog(bootable, entries));
            QVERIFY(patch(bootable, image, 0, QByteArray()));
            QVERIFY(QFile::resize(image, qint64(entries[0].loadRba) * 2048 + 1000));
        } else {
            QVERIFY(patch(bootable, image, at < 0 ? catalogOffset(bootable) - 1 - at : at, bytes));
        }
        QVERIFY(!image.isEmpty());
        if (!message.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
        const QString out = path(QStringLiteral("damaged.out"));
        QFile::remove(out);
        QTEST(Util::BootExtract(image, out), "result");
        QTEST(QFileInfo::exists(out) ? QFileInfo(out).size() : qint64(-1), "fileSize");
    }
};

QTEST_GUILESS_MAIN(TestElTorito)
#include "tst_eltorito.moc"
