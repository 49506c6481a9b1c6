// File and folder helpers: size texts, copying with failures, deleting,
// measuring.

#include "image/fileutils.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void makeReadOnly(const QString& path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadOther);
}

} // namespace

class TestFileUtils : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void formatSize_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0 B";
        QTest::newRow("1024") << qint64(1024) << "1024 B";
        QTest::newRow("1025") << qint64(1025) << "1 KB";
        QTest::newRow("1536") << qint64(1536) << "1.50 KB";
        QTest::newRow("8192") << qint64(8192) << "8 KB";
        QTest::newRow("1 MiB") << qint64(1048576) << "1024 KB";
        QTest::newRow("1 MiB + 1") << qint64(1048577) << "1 MB";
        QTest::newRow("1.5 GiB") << qint64(1610612736) << "1.50 GB";
        QTest::newRow("5 TiB stays GB") << qint64(5) * 1024 * 1024 * 1024 * 1024 << "5120 GB";
    }

    void formatSize()
    {
        QFETCH(qint64, bytes);
        QTEST(FormatSize(bytes), "text");
    }

    void texts()
    {
        QCOMPARE(CollapseSpaces(QStringLiteral("a  b     c ")), QStringLiteral("a b c "));
        QCOMPARE(FormatDateTime(QDateTime(QDate(2019, 3, 19), QTime(11, 22, 4))),
                 QStringLiteral("2019-03-19 11:22:04"));
    }

    void copyFile()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("src.bin");
        const QByteArray data = QByteArray(3 * 1024 * 1024 + 17, 'q');
        QVERIFY(TestUtil::writeFile(src, data));
        CopyProgress progress{0};
        // Missing parent folders are made; the counter grows by the size.
        QVERIFY(CopyFile(src, dir.filePath("a/b/c.bin"), &progress));
        QCOMPARE(contents(dir.filePath("a/b/c.bin")), data);
        QCOMPARE(progress.load(), quint64(data.size()));
        // The same file, spelt the same or differently, is left alone.
        QVERIFY(CopyFile(src, src));
        QVERIFY(CopyFile(src, dir.filePath("a/../src.bin")));
        QCOMPARE(contents(src), data);
        // A read-only target is replaced.
        const QString ro = dir.filePath("ro.bin");
        QVERIFY(TestUtil::writeFile(ro, "old"));
        makeReadOnly(ro);
        QVERIFY(CopyFile(src, ro));
        QCOMPARE(contents(ro), data);
        // Missing source, folder source, folder target: false, nothing made.
        QVERIFY(!CopyFile(dir.filePath("none"), dir.filePath("x")));
        QVERIFY(!QFileInfo::exists(dir.filePath("x")));
        QVERIFY(!CopyFile(dir.filePath("a"), dir.filePath("x")));
        QVERIFY(!CopyFile(src, dir.filePath("a")));
        QVERIFY(QFileInfo(dir.filePath("a")).isDir());
    }

    void failedCopyLeavesNoPartialTarget()
    {
        // Reading this file fails at once, after a successful open.
        const QString unreadable = QStringLiteral("/proc/self/mem");
        if (!QFileInfo(unreadable).isFile())
            QSKIP("needs /proc/self/mem");
        QTemporaryDir dir;
        const QString target = dir.filePath("t.bin");
        QVERIFY(!CopyFile(unreadable, target));
        QVERIFY(!QFileInfo::exists(target));
        // An older target survives a failed copy.
        QVERIFY(TestUtil::writeFile(target, "keep"));
        QVERIFY(!CopyFile(unreadable, target));
        QCOMPARE(contents(target), QByteArray("keep"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"t.bin"});
    }

    void copyFolders()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("Docs");
        QVERIFY(TestUtil::writeFile(src + "/a.txt", "new a"));
        QVERIFY(TestUtil::writeFile(src + "/sub/b.txt", "new b"));
        QVERIFY(TestUtil::writeFile(src + "/.hidden", "h"));
        QVERIFY(QDir().mkpath(src + "/empty"));
        // Existing read-only files of the same names are replaced.
        const QString target = dir.filePath("out");
        QVERIFY(TestUtil::writeFile(target + "/a.txt", "old a"));
        QVERIFY(TestUtil::writeFile(target + "/sub/b.txt", "old b"));
        QVERIFY(TestUtil::writeFile(target + "/other.txt", "untouched"));
        makeReadOnly(target + "/a.txt");
        makeReadOnly(target + "/sub/b.txt");
        CopyProgress progress{0};
        QVERIFY(CopyFolderContents(src, target, &progress));
        QCOMPARE(contents(target + "/a.txt"), QByteArray("new a"));
        QCOMPARE(contents(target + "/sub/b.txt"), QByteArray("new b"));
        QCOMPARE(contents(target + "/.hidden"), QByteArray("h"));
        QCOMPARE(contents(target + "/other.txt"), QByteArray("untouched"));
        QVERIFY(QFileInfo(target + "/empty").isDir());
        QCOMPARE(progress.load(), quint64(11));
        QCOMPARE(contents(src + "/a.txt"), QByteArray("new a")); // source intact
        // A folder is copied under its own name, trailing separators or not.
        QVERIFY(CopyFolder(src + "/", dir.filePath("parent")));
        QCOMPARE(contents(dir.filePath("parent/Docs/sub/b.txt")), QByteArray("new b"));
        // Copying into itself would never end.
        QVERIFY(!CopyFolderContents(src, src + "/sub/inner"));
        QVERIFY(!CopyFolderContents(dir.filePath("missing"), target));
    }

    void sizes()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("f/a"), QByteArray(100, 'a')));
        QVERIFY(TestUtil::writeFile(dir.filePath("f/s/b"), QByteArray(20, 'b')));
        QVERIFY(TestUtil::writeFile(dir.filePath("f/.h"), QByteArray(3, 'h')));
        QCOMPARE(FolderSize(dir.filePath("f")), qint64(123));
        QCOMPARE(FolderSize(dir.filePath("f") + "/"), qint64(123));
        QCOMPARE(PathSize(dir.filePath("f/a")), qint64(100));
        QCOMPARE(PathSize(dir.filePath("none")), qint64(0));
        QVERIFY(DiskCapacity(dir.path()) > 0);
        QCOMPARE(DiskCapacity(QStringLiteral("/no/such/drive")), qint64(0));
        QCOMPARE(DiskCapacity(QString()), qint64(0));
        QVERIFY(PathExists(dir.filePath("f/a")));
        QVERIFY(!PathExists(QString()));
    }

    void deleting()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("full/x"), "x"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not empty"));
        DeleteFileOrFolder(dir.filePath("full"));
        QVERIFY(QFileInfo::exists(dir.filePath("full/x")));
        // The folder's permissions were not opened up on the way.
        QVERIFY(!(QFile::permissions(dir.filePath("full")) & QFileDevice::WriteOther));
        QVERIFY(QDir().mkpath(dir.filePath("emptyf")));
        DeleteFileOrFolder(dir.filePath("emptyf"));
        QVERIFY(!QFileInfo::exists(dir.filePath("emptyf")));
        QVERIFY(TestUtil::writeFile(dir.filePath("ro"), "r"));
        makeReadOnly(dir.filePath("ro"));
        DeleteFileOrFolder(dir.filePath("ro"));
        QVERIFY(!QFileInfo::exists(dir.filePath("ro")));
        DeleteFileOrFolder(dir.filePath("missing")); // nothing happens
        RemoveFolderTree(QString());
        RemoveFolderTree(dir.filePath("full"));
        QVERIFY(!QFileInfo::exists(dir.filePath("full")));
        QVERIFY(QFileInfo::exists(dir.path()));
    }
};

QTEST_GUILESS_MAIN(TestFileUtils)
#include "tst_fileutils.moc"
