// What a page gathers for an image and its staged copy: the folder walk with
// its refusals, the copies with their dates, removal, the checks before a
// build, the staging folders' life; and the image built from it: the
// builder's run with its private output folder, and the whole create pipeline.

#include "core/tools.h"
#include "image/createimagejob.h"
#include "image/filecopy.h"
#include "image/isobuild.h"
#include "image/isobuildjob.h"
#include "image/stagedcontent.h"
#include "image/staging.h"
#include "platform/fastcopy.h"

#include "testutil.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A stand-in builder: a shell script that gets the real arguments.
QString standIn(const QTemporaryDir& dir, const QString& name, const QByteArray& body)
{
    const QString path = dir.filePath(name);
    TestUtil::writeFile(path, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

IsoBuildJob::Request request(const QString& output, const QString& program)
{
    IsoBuildJob::Request r;
    r.output = output;
    r.program = program;
    r.arguments = [](const QString& file) {
        return QStringList {QStringLiteral("-o"), file};
    };
    return r;
}

// Nothing of a run is left beside the target but the target itself.
QStringList besideTarget(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({QStringLiteral(".out.iso.*")}, QDir::AllEntries | QDir::Hidden);
}

} // namespace

class TestStagedContent : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString src(const QString& relative) const { return m_dir.filePath(QStringLiteral("src/") + relative); }
    static bool idle(StagedContent& staged) { return staged.copier()->WaitForIdle(30000); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(TestUtil::writeFile(src("Docs/readme.md"), "# docs\n"));
        QVERIFY(TestUtil::writeFile(src("Docs/.disk/info"), "installer tree"));
        QVERIFY(TestUtil::writeFile(src("Docs/.htaccess"), "deny"));
        QVERIFY(QDir().mkpath(src("Docs/Empty")));
        QVERIFY(QFile::link(src("Docs"), src("Docs/Empty/back")));
        QVERIFY(TestUtil::writeFile(src("a.txt"), "alpha"));
        QVERIFY(TestUtil::writeFile(src("other/a.txt"), "another alpha"));
    }

    // Hidden items are content; a link back up is refused and named; the
    // copies and their folders keep the sources' dates.
    void walkAndStage()
    {
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(Platform::setModificationTime(src("Docs/.disk/info"), old));
        QVERIFY(Platform::setModificationTime(src("Docs/.disk"), old));

        StagedContent staged(QStringLiteral("create"));
        QVERIFY(staged.isValid());
        const StagedContent::Added added = staged.addFolders(QString(), {src("Docs")});
        QCOMPARE(added.entries.size(), 1);
        const IsoContentTree& content = staged.content();
        QVERIFY(content.FindEntry(QStringLiteral("Docs\\.disk\\info")));
        QVERIFY(content.FindEntry(QStringLiteral("Docs\\.htaccess")));
        QVERIFY(!content.FindEntry(QStringLiteral("Docs\\Empty\\back")));
        QCOMPARE(added.skipped.size(), 1);
        QCOMPARE(added.skipped.first().reason, ContentCollector::Reason::Loop);
        QCOMPARE(content.LocalFilesSize(), qint64(7 + 14 + 4));

        QVERIFY(idle(staged));
        QVERIFY(staged.verify().isEmpty());
        const QFileInfo copy(staged.stagedPath(QStringLiteral("Docs\\.disk\\info")));
        QCOMPARE(copy.lastModified(), old);
        QCOMPARE(QFileInfo(staged.stagedPath(QStringLiteral("Docs\\.disk"))).lastModified(), old);
        QVERIFY(QFileInfo(staged.stagedPath(QStringLiteral("Docs\\Empty"))).isDir());
    }

    // The same file again is no news; a different one of that name is reported.
    void sameNameRules()
    {
        StagedContent staged(QStringLiteral("create"));
        QCOMPARE(staged.addFiles(QString(), {src("a.txt"), src("a.txt")}).entries.size(), 1);
        QVERIFY(staged.addFiles(QString(), {src("a.txt")}).skipped.isEmpty());
        const StagedContent::Added other = staged.addFiles(QString(), {src("other/a.txt")});
        QVERIFY(other.entries.isEmpty());
        QCOMPARE(other.skipped.size(), 1);
        QCOMPARE(other.skipped.first().reason, ContentCollector::Reason::NameTaken);
        QCOMPARE(other.skipped.first().path, QDir::toNativeSeparators(src("other/a.txt")));
        // Into a folder of the model.
        staged.addFolders(QString(), {src("Docs")});
        QCOMPARE(staged.addFiles(QStringLiteral("Docs\\"), {src("other/a.txt")}).entries.size(), 1);
        QVERIFY(idle(staged));
        QCOMPARE(TestUtil::readFile(staged.stagedPath(QStringLiteral("Docs\\a.txt"))), QByteArray("another alpha"));
    }

    // A copy that failed is named by the check; removal takes the staged copy.
    void verifyAndRemove()
    {
        StagedContent staged(QStringLiteral("create"));
        QVERIFY(idle(staged));
        // A file where the staged folder should go: its copies fail, as on a full disk.
        QVERIFY(TestUtil::writeFile(staged.stagedPath(QStringLiteral("Docs")), "in the way"));
        staged.addFolders(QString(), {src("Docs")});
        staged.addFiles(QString(), {src("a.txt")});
        QVERIFY(idle(staged));
        const QStringList missing = staged.verify();
        QVERIFY(missing.contains(QDir::toNativeSeparators(src("Docs/readme.md"))));
        QVERIFY(!missing.contains(QDir::toNativeSeparators(src("a.txt"))));
        QVERIFY(staged.remove(QStringLiteral("Docs")));
        QVERIFY(!staged.remove(QStringLiteral("Docs")));
        QVERIFY(idle(staged));
        QVERIFY(staged.verify().isEmpty());
        QVERIFY(!QFileInfo::exists(staged.stagedPath(QStringLiteral("Docs"))));
    }

    // A folder goes with its owner, or with all of this run's at the end.
    void folderLife()
    {
        QString folder;
        {
            StagedContent staged(QStringLiteral("create"));
            staged.addFiles(QString(), {src("a.txt")});
            folder = staged.folder();
            QVERIFY(idle(staged));
            QVERIFY(QFileInfo::exists(folder + QStringLiteral("/a.txt")));
        }
        QVERIFY(!QFileInfo::exists(folder));
        StagedContent live(QStringLiteral("edit"));
        QVERIFY(QFileInfo::exists(live.folder()));
        StagedContent::RemoveOwnFolders();
        QVERIFY(!QFileInfo::exists(live.folder()));
    }

    void largeFiles()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::makeSparseFile(dir.filePath(QStringLiteral("exact")), IsoBuild::LargeFileBytes));
        QVERIFY(TestUtil::makeSparseFile(dir.filePath(QStringLiteral("below")), IsoBuild::LargeFileBytes - 1));
        IsoContentTree tree;
        for (const QString& name : {QStringLiteral("a\\exact"), QStringLiteral("below"), QStringLiteral("missing")}) {
            QVERIFY(tree.AddEntry(TestUtil::entry(name, false, {}, dir.filePath(name.section('\\', -1)))));
        }
        QCOMPARE(IsoBuild::LargeFiles(tree.root), QStringList {QStringLiteral("a\\exact")});
    }

    void isInside()
    {
        QVERIFY(IsoBuild::IsInside(QStringLiteral("/a/b/c.iso"), QStringLiteral("/a/b")));
        QVERIFY(IsoBuild::IsInside(QStringLiteral("/a/b/x/../c.iso"), QStringLiteral("/a/b/")));
        QVERIFY(IsoBuild::IsInside(QStringLiteral("/a/b"), QStringLiteral("/a/b")));
        QVERIFY(!IsoBuild::IsInside(QStringLiteral("/a/bc.iso"), QStringLiteral("/a/b")));
        QVERIFY(!IsoBuild::IsInside(QString(), QStringLiteral("/a")));
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
        QStringList expected {
            root + QStringLiteral("/create-%1-1").arg(dead), root + QStringLiteral("/edit-%1-7").arg(dead)};
        for (const QString& path : expected
                + QStringList {root + QStringLiteral("/create-1-3"), // pid 1 lives
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

    // A failing builder: its own words reach the reason, an older image of
    // that name stays, nothing is left behind.
    void builderFailsOrIsStopped()
    {
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("out.iso"));
        QVERIFY(TestUtil::writeFile(output, "older image"));
        const QString failing = standIn(dir, QStringLiteral("fail.sh"),
            "echo 'genisoimage: No space left on device. Unable to write'; "
            "echo partial > \"$2\"; exit 1");
        IsoBuildJob job(request(output, failing));
        QVERIFY(TestUtil::finish(job, 10000));
        QCOMPARE(job.status(), Job::Status::Failed);
        QVERIFY2(job.reason().contains(QLatin1String("No space left on device")), qPrintable(job.reason()));
        QCOMPARE(TestUtil::readFile(output), QByteArray("older image"));
        QVERIFY(besideTarget(dir).isEmpty());

        // Stopped while writing: silent after stop(), no partial file.
        const QString slow = standIn(dir, QStringLiteral("slow.sh"), "echo partial > \"$2\"; exec sleep 30");
        IsoBuildJob stopped(request(output, slow));
        QSignalSpy stoppedSpy(&stopped, &Job::finished);
        stopped.start();
        QTRY_VERIFY(!besideTarget(dir).isEmpty()
            && QFileInfo::exists(dir.filePath(besideTarget(dir).first() + QStringLiteral("/out.iso"))));
        stopped.stop();
        QCOMPARE(stoppedSpy.count(), 1);
        QCOMPARE(stopped.status(), Job::Status::Stopped);
        QVERIFY(besideTarget(dir).isEmpty());
        QCOMPARE(TestUtil::readFile(output), QByteArray("older image"));
        QTest::qWait(100);
        QCOMPARE(stoppedSpy.count(), 1);
    }

    // The pipeline over staged content with the real builder: copies waited
    // for, progress never backwards, the image in place; a failed check is
    // named by its step.
    void pipeline()
    {
        QTemporaryDir dir;
        QVERIFY(TestUtil::writeFile(dir.filePath("src/Docs/a.txt"), "alpha"));
        QVERIFY(TestUtil::writeFile(dir.filePath("src/Docs/big.bin"), QByteArray(3 << 20, 'b')));
        StagedContent staged(QStringLiteral("create"));
        staged.addFolders(QString(), {dir.filePath("src/Docs")});

        CreateImageJob::Request r;
        r.output = dir.filePath(QStringLiteral("made.iso"));
        r.program = Tools::builderTool();
        CreateImageJob job(&staged, r);
        qint64 last = -1;
        bool backwards = false;
        QStringList stages;
        connect(&job, &Job::progress, this, [&](const QString& stage, qint64 value, qint64) {
            backwards = backwards || value < last;
            last = value;
            if (stages.isEmpty() || stages.last() != stage)
                stages << stage;
        });
        QVERIFY(TestUtil::finish(job, 60000));
        QCOMPARE(job.status(), Job::Status::Succeeded);
        QVERIFY(!backwards);
        QCOMPARE(last, JobSequence::Scale);
        QCOMPARE(stages.last(), QStringLiteral("Creating ISO file..."));
        QCOMPARE(TestUtil::xorrisoFind(r.output),
            (QStringList {QStringLiteral("Docs"), QStringLiteral("Docs/a.txt"), QStringLiteral("Docs/big.bin")}));

        // A staged copy cut short or gone missing: the check fails, naming
        // its step, and no builder runs.
        QVERIFY(QFile::resize(staged.stagedPath(QStringLiteral("Docs\\big.bin")), 1 << 20));
        QCOMPARE(staged.verify(), QStringList {QDir::toNativeSeparators(dir.filePath("src/Docs/big.bin"))});
        QVERIFY(QFile::remove(staged.stagedPath(QStringLiteral("Docs\\a.txt"))));
        r.output = dir.filePath(QStringLiteral("never.iso"));
        CreateImageJob broken(&staged, r);
        QVERIFY(TestUtil::finish(broken, 10000));
        QCOMPARE(broken.status(), Job::Status::Failed);
        QVERIFY(broken.reason().startsWith(QLatin1String("Copy files and folders...: ")));
        QVERIFY(broken.stepReason().contains(QDir::toNativeSeparators(dir.filePath("src/Docs/a.txt"))));
        QVERIFY(!QFileInfo::exists(r.output));
    }
};

QTEST_GUILESS_MAIN(TestStagedContent)
#include "tst_stagedcontent.moc"
