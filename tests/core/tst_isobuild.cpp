// Content checks before a build and the per-page staging folders.

#include "image/isobuild.h"
#include "image/isocontent.h"
#include "image/staging.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace IsoBuild;

class TestIsoBuild : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void largeFiles()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::makeSparseFile(dir.filePath(QStringLiteral("exact")), LargeFileBytes));
        QVERIFY(TestUtil::makeSparseFile(dir.filePath(QStringLiteral("below")), LargeFileBytes - 1));
        IsoContentTree tree;
        for (const QString& name : {QStringLiteral("a\\exact"), QStringLiteral("below"), QStringLiteral("missing")}) {
            QVERIFY(tree.AddEntry(TestUtil::entry(name, false, {}, dir.filePath(name.section('\\', -1)))));
        }
        QCOMPARE(LargeFiles(tree.root), QStringList{QStringLiteral("a\\exact")});
    }

    void isInside()
    {
        QVERIFY(IsInside(QStringLiteral("/a/b/c.iso"), QStringLiteral("/a/b")));
        QVERIFY(IsInside(QStringLiteral("/a/b/x/../c.iso"), QStringLiteral("/a/b/")));
        QVERIFY(IsInside(QStringLiteral("/a/b"), QStringLiteral("/a/b")));
        QVERIFY(!IsInside(QStringLiteral("/a/bc.iso"), QStringLiteral("/a/b")));
        QVERIFY(!IsInside(QString(), QStringLiteral("/a")));
    }

    void stagingFolders()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("staging"));
        StagingArea first(QStringLiteral("create"), root);
        StagingArea second(QStringLiteral("edit"), root);
        QVERIFY(first.isValid() && second.isValid());
        QVERIFY(first.path() != second.path());
        QVERIFY(QFileInfo(first.path()).isDir());

        // Folders of ended runs are stale; live ones and foreign names are not.
        QProcess ended;
        ended.start(QStringLiteral("true"), QStringList());
        QVERIFY(ended.waitForStarted());
        const qint64 dead = ended.processId();
        QVERIFY(ended.waitForFinished());
        QStringList expected{root + QStringLiteral("/create-%1-1").arg(dead), root + QStringLiteral("/edit-%1-7").arg(dead)};
        for (const QString& path : expected + QStringList{root + QStringLiteral("/create-1-3"), // pid 1 lives
                                                          root + QStringLiteral("/notes-%1").arg(dead)})
            QVERIFY(QDir().mkpath(path));
        QStringList stale = StagingArea::StaleFolders(root);
        stale.sort();
        expected.sort();
        QCOMPARE(stale, expected);

        // A new area never reuses an existing folder name.
        StagingArea third(QStringLiteral("create"), root);
        QVERIFY(third.isValid());
        QVERIFY(third.path() != first.path());
        QVERIFY(QDir(third.path()).isEmpty());

        // The top of the file system is never a staging root.
        QVERIFY(!StagingArea(QStringLiteral("create"), QStringLiteral("/")).isValid());
        QVERIFY(StagingArea::StaleFolders(QStringLiteral("/")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestIsoBuild)
#include "tst_isobuild.moc"
