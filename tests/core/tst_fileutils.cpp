// File and folder helpers: size texts, copying with failures, deleting,
// measuring.

#include "image/fileutils.h"

#include "platform/fastcopy.h"
#include "testutil.h"

#include <QLoggingCategory>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

void makeReadOnly(const QString& path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadOther);
}

} // namespace

class TestFileUtils : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(QStringLiteral("quillon.trace.debug=true")); // the traces are checked
    }

    void formatSize_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        const qint64 k = 1024;
        for (const auto& row : QList<QPair<qint64, QString>>{
                 {0, "0 B"}, {k, "1024 B"}, {k + 1, "1 KB"}, {1536, "1.50 KB"}, {8 * k, "8 KB"},
                 {k * k, "1024 KB"}, {k * k + 1, "1 MB"}, {3 * k * k * k / 2, "1.50 GB"},
                 {5 * k * k * k * k, "5120 GB"}})
            QTest::newRow(qPrintable(QString::number(row.first))) << row.first << row.second;
    }

    void formatSize()
    {
        QFETCH(qint64, bytes);
        QTEST(FormatSize(bytes), "text");
    }

    void copyFile()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("src.bin");
        const QByteArray data = QByteArray(3 * 1024 * 1024 + 17, 'q');
        QVERIFY(TestUtil::writeFile(src, data));
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(Platform::setModificationTime(src, old));
        CopyProgress progress{0};
        // Missing parent folders are made; the counter grows by the size; the date stays.
        QVERIFY(CopyFile(src, dir.filePath("a/b/c.bin"), &progress));
        QCOMPARE(TestUtil::readFile(dir.filePath("a/b/c.bin")), data);
        QCOMPARE(QFileInfo(dir.filePath("a/b/c.bin")).lastModified(), old);
        QCOMPARE(progress.load(), quint64(data.size()));
        // The same file, spelt the same or differently, is left alone.
        QVERIFY(CopyFile(src, src) && CopyFile(src, dir.filePath("a/../src.bin")));
        QCOMPARE(TestUtil::readFile(src), data);
        // A read-only target is replaced.
        QVERIFY(TestUtil::writeFile(dir.filePath("ro.bin"), "old"));
        makeReadOnly(dir.filePath("ro.bin"));
        QVERIFY(CopyFile(src, dir.filePath("ro.bin")));
        QCOMPARE(TestUtil::readFile(dir.filePath("ro.bin")), data);
        // Missing source, folder source, folder target: false, nothing made.
        QVERIFY(!CopyFile(dir.filePath("none"), dir.filePath("x")));
        QVERIFY(!QFileInfo::exists(dir.filePath("x")));
        QVERIFY(!CopyFile(dir.filePath("a"), dir.filePath("x")));
        QVERIFY(!CopyFile(src, dir.filePath("a")));
        QVERIFY(QFileInfo(dir.filePath("a")).isDir());
        // Reading /proc/self/mem fails at once after a successful open: no partial
        // target, an older target survives, no temporary file is left.
        QVERIFY(!CopyFile(QStringLiteral("/proc/self/mem"), dir.filePath("t.bin")));
        QVERIFY(!QFileInfo::exists(dir.filePath("t.bin")));
        QVERIFY(!CopyFile(QStringLiteral("/proc/self/mem"), dir.filePath("ro.bin")));
        QCOMPARE(TestUtil::readFile(dir.filePath("ro.bin")), data);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"ro.bin", "src.bin"}));
    }

    void copyFolders()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("Docs"), target = dir.filePath("out");
        QVERIFY(TestUtil::writeFile(src + "/a.txt", "new a") && TestUtil::writeFile(src + "/sub/b.txt", "new b"));
        QVERIFY(TestUtil::writeFile(src + "/.hidden", "h") && QDir().mkpath(src + "/empty"));
        QCOMPARE(PathSize(src + "/"), qint64(11)); // hidden files count
        QCOMPARE(PathSize(src + "/a.txt"), qint64(5));
        QCOMPARE(PathSize(dir.filePath("missing")), qint64(0));
        // Existing read-only files of the same names are replaced, others kept.
        QVERIFY(TestUtil::writeFile(target + "/a.txt", "old a") && TestUtil::writeFile(target + "/sub/b.txt", "old b"));
        QVERIFY(TestUtil::writeFile(target + "/other.txt", "untouched"));
        makeReadOnly(target + "/a.txt");
        makeReadOnly(target + "/sub/b.txt");
        CopyProgress progress{0};
        QVERIFY(CopyFolderContents(src, target, &progress));
        QStringList expected = TestUtil::listTree(src) << "other.txt";
        expected.sort();
        QCOMPARE(TestUtil::listTree(target), expected);
        using Pair = std::pair<const char*, const char*>;
        for (const Pair& f :
             {Pair{"a.txt", "new a"}, {"sub/b.txt", "new b"}, {".hidden", "h"}, {"other.txt", "untouched"}})
            QCOMPARE(TestUtil::readFile(target + "/" + f.first), QByteArray(f.second));
        QCOMPARE(progress.load(), quint64(11));
        // A folder is copied under its own name, trailing separators or not, with its date.
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(Platform::setModificationTime(src + "/sub", old));
        QVERIFY(CopyFolder(src + "/", dir.filePath("parent")));
        QCOMPARE(QFileInfo(dir.filePath("parent/Docs/sub")).lastModified(), old);
        QCOMPARE(TestUtil::readFile(dir.filePath("parent/Docs/sub/b.txt")), QByteArray("new b"));
        // Copying into itself would never end.
        QVERIFY(!CopyFolderContents(src, src + "/sub/inner"));
        QVERIFY(!CopyFolderContents(dir.filePath("missing"), target));
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
        QVERIFY(QDir().mkpath(dir.filePath("emptyf")) && TestUtil::writeFile(dir.filePath("ro"), "r"));
        makeReadOnly(dir.filePath("ro"));
        DeleteFileOrFolder(dir.filePath("emptyf"));
        DeleteFileOrFolder(dir.filePath("ro"));
        DeleteFileOrFolder(dir.filePath("missing")); // nothing happens
        // An empty path must not mean the working folder (made a throwaway one here).
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.filePath("full")));
        RemoveFolderTree(QString());
        QDir::setCurrent(cwd);
        QCOMPARE(TestUtil::listTree(dir.path()), (QStringList{"full", "full/x"}));
        RemoveFolderTree(dir.filePath("full"));
        QVERIFY(QDir(dir.path()).exists() && QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFileUtils)
#include "tst_fileutils.moc"
