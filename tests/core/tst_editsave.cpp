// Saving an edited image: every El Torito entry, the label and the content
// come back as the original had them, checked with xorriso and 7-Zip as
// independent readers; failures leave no partial file.

#include "image/bootrebuild.h"
#include "image/editsave.h"
#include "image/isobuildjob.h"
#include "image/fileutils.h"
#include "image/isocontent.h"

#include "testutil.h"
#include "runner/isobuilder.h"
#include "runner/tools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Opened
{
    IsoContentTree model;
    ImageBootRecord boot;
    QString work;
    QStringList bootImageNames;
};

} // namespace

class TestEditSave : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_count = 0;
    QString m_reason; // of the last save

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // An isolinux-like tree: the loader, its neighbours and some content.
    QString makeTree(const QString& name)
    {
        const QString tree = path(name);
        TestUtil::writeFile(tree + "/isolinux/isolinux.bin", TestUtil::randomBytes(30000));
        TestUtil::writeFile(tree + "/isolinux/ldlinux.c32", TestUtil::randomBytes(5000));
        TestUtil::writeFile(tree + "/isolinux/isolinux.cfg", "default live\n");
        TestUtil::writeFile(tree + "/boot/loader.bin", TestUtil::randomBytes(6144));
        TestUtil::writeFile(tree + "/boot/floppy.img", TestUtil::randomBytes(1474560));
        TestUtil::writeFile(tree + "/docs/readme.txt", "read me\n");
        TestUtil::writeFile(tree + "/docs/deep/notes.txt", "notes\n");
        TestUtil::writeFile(tree + "/boot/efi.img", TestUtil::randomBytes(70000));
        return tree;
    }

    bool open(const QString& image, Opened& o)
    {
        o.work = path(QStringLiteral("work%1").arg(++m_count));
        if (TestUtil::run(QStringLiteral("7z"), {"x", "-y", "-o" + o.work, image}).exitCode != 0)
            return false;
        ListingReader reader(o.model);
        reader.SetSkipBootImages(true);
        reader.Begin(QFileInfo(image).fileName());
        for (const QByteArray& line : TestUtil::run(QStringLiteral("7z"), {"l", image}).output.split('\n'))
            reader.Feed(QString::fromUtf8(line) + QLatin1Char('\n'));
        if (!reader.EndOfRun())
            return false;
        o.bootImageNames = reader.BootImageNames();
        for (const QString& pseudo : PseudoEntriesToRemove(o.model, o.bootImageNames))
            RemoveFolderTree(o.work + "/" + QString(pseudo).replace('\\', '/'));
        o.boot = ReadImageBoot(image);
        return o.boot.readable;
    }

    // Plans and runs a save; the job's status comes back, its reason in m_reason.
    Job::Status save(const Opened& o, const QString& output, const QString& program = Tools::builderTool())
    {
        const BootRebuildPlan plan = PlanBootRebuild(o.boot, o.model.root, o.work, path("own" + QString::number(++m_count)));
        m_reason = plan.error;
        if (!plan.error.isEmpty())
            return Job::Status::Failed;
        IsoBuildJob::Request request;
        request.output = output;
        request.program = program;
        request.arguments = [&](const QString& file) { return Tools::saveEditedArgs(plan.options, file, o.work); };
        request.check = [&](const QString& file) { return CompareSavedBoot(o.boot, file); };
        IsoBuildJob job(request);
        TestUtil::finish(job);
        m_reason = job.reason();
        return job.status();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        for (const char* tool : {"genisoimage", "xorriso", "7z"}) {
            if (!TestUtil::haveProgram(tool))
                QSKIP("genisoimage, xorriso and 7z are needed");
        }
        QVERIFY(m_dir.isValid());
    }

    // Each kind of boot image survives an edit, a save, a reopen and a second save.
    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("args");
        const QStringList table{"-V", "QUILLON_LIVE 2026", "-b", "isolinux/isolinux.bin", "-c",
                                "isolinux/boot.cat", "-no-emul-boot", "-boot-load-size", "4", "-boot-info-table"};
        QTest::newRow("no-emulation with boot info table") << table;
        QTest::newRow("no-emulation without table")
            << QStringList{"-V", "NOTABLE", "-b", "boot/loader.bin", "-no-emul-boot", "-boot-load-size", "4"};
        QTest::newRow("1.44 MB floppy emulation") << QStringList{"-b", "boot/floppy.img", "-c", "boot/boot.cat"};
        QTest::newRow("BIOS and EFI")
            << table + QStringList{"-eltorito-alt-boot", "-e", "boot/efi.img", "-no-emul-boot"};
    }

    void roundTrip()
    {
        QFETCH(QStringList, args);
        const QString tag = QString::number(++m_count);
        const QString original = path("original" + tag + ".iso");
        QVERIFY(TestUtil::makeIso(makeTree("tree" + tag), original, args));

        Opened first;
        QVERIFY(open(original, first));
        QVERIFY(!first.bootImageNames.isEmpty());
        QVERIFY(!first.model.FindEntry("[BOOT]"));
        QVERIFY(!QFileInfo::exists(first.work + "/[BOOT]"));
        // An edit: a folder goes, a file comes.
        QVERIFY(first.model.RemoveEntry("docs"));
        RemoveFolderTree(first.work + "/docs");
        QVERIFY(first.model.AddEntry(TestUtil::entry("added.txt", false, "6")));
        QVERIFY(TestUtil::writeFile(first.work + "/added.txt", "added\n"));

        const QString saved = path("saved" + tag + ".iso");
        QVERIFY2(save(first, saved) == Job::Status::Succeeded, qPrintable(m_reason));
        QCOMPARE(TestUtil::xorrisoBootFacts(saved), TestUtil::xorrisoBootFacts(original));
        QCOMPARE(TestUtil::xorrisoBootPaths(saved), TestUtil::xorrisoBootPaths(original));
        QStringList found = TestUtil::xorrisoFind(saved);
        found.sort();
        QCOMPARE(found, TestUtil::modelPaths(first.model.root));
        QCOMPARE(ReadImageBoot(saved).volumeLabel, first.boot.volumeLabel);

        // 7-Zip reads the same content back, and no [BOOT] folder.
        Opened second;
        QVERIFY(open(saved, second));
        QCOMPARE(TestUtil::modelPaths(second.model.root), TestUtil::modelPaths(first.model.root));
        const QString again = path("again" + tag + ".iso");
        QCOMPARE(save(second, again), Job::Status::Succeeded);
        QCOMPARE(TestUtil::xorrisoBootFacts(again), TestUtil::xorrisoBootFacts(original));
        QCOMPARE(TestUtil::xorrisoBootPaths(again), TestUtil::xorrisoBootPaths(original));
        QVERIFY(CompareSavedBoot(first.boot, again).isEmpty());
    }

    // A boot image whose file the user deleted goes in as a file of ours,
    // with its table patched on our copy; the working folder stays as it was.
    void bootImageNotInTree()
    {
        const QString original = path("gone.iso");
        QVERIFY(TestUtil::makeIso(makeTree("gone"), original,
                                  {"-b", "isolinux/isolinux.bin", "-no-emul-boot", "-boot-load-size", "4",
                                   "-boot-info-table", "-eltorito-alt-boot", "-e", "boot/efi.img", "-no-emul-boot"}));
        Opened o;
        QVERIFY(open(original, o));
        QVERIFY(o.boot.images[0].infoTable);
        QVERIFY(!o.boot.images[1].infoTable);
        for (const char* name : {"isolinux\\isolinux.bin", "boot\\efi.img"}) {
            QVERIFY(o.model.RemoveEntry(name));
            QVERIFY(QFile::remove(o.work + "/" + QString(name).replace('\\', '/')));
        }
        const QStringList before = TestUtil::listTree(o.work);
        const QString saved = path("gone-saved.iso");
        QVERIFY2(save(o, saved) == Job::Status::Succeeded, qPrintable(m_reason));
        QCOMPARE(TestUtil::xorrisoBootPaths(saved), QStringList({"/boot.bin", "/boot2.img"}));
        QCOMPARE(TestUtil::xorrisoBootFacts(saved), TestUtil::xorrisoBootFacts(original));
        QCOMPARE(TestUtil::listTree(o.work), before);
    }

    // The check notices a lost table, other load sizes and another label.
    void checkFindsDifferences()
    {
        const QString tree = makeTree("diff");
        const QStringList base{"-b", "isolinux/isolinux.bin", "-no-emul-boot", "-boot-load-size", "4"};
        const QString withTable = path("diff-table.iso"), without = path("diff-plain.iso"),
                      longer = path("diff-8.iso"), labelled = path("diff-label.iso");
        // The builder patches the table into its source: the plain image first.
        QVERIFY(TestUtil::makeIso(tree, without, base));
        QVERIFY(TestUtil::makeIso(tree, withTable, base + QStringList{"-boot-info-table"}));
        QVERIFY(TestUtil::makeIso(tree, longer, {"-b", "isolinux/isolinux.bin", "-no-emul-boot", "-boot-load-size", "8",
                                                 "-boot-info-table"}));
        QVERIFY(TestUtil::makeIso(tree, labelled, base + QStringList{"-boot-info-table", "-V", "OTHER"}));
        const ImageBootRecord record = ReadImageBoot(withTable);
        QVERIFY(record.images.size() == 1 && record.images[0].infoTable);
        QVERIFY(!ReadImageBoot(without).images[0].infoTable);
        QVERIFY(CompareSavedBoot(record, withTable).isEmpty());
        for (const QString& other : {without, longer, labelled})
            QVERIFY(!CompareSavedBoot(record, other).isEmpty());
        QVERIFY(!CompareSavedBoot(record, path("missing.iso")).isEmpty());
        QVERIFY(!CompareSavedBoot(ReadImageBoot(without), path("gone.iso")).isEmpty());
    }

    // Failures: a message, no partial file, an older target untouched.
    void failures()
    {
        const QString original = path("fail.iso");
        QVERIFY(TestUtil::makeIso(makeTree("fail"), original,
                                  {"-b", "boot/loader.bin", "-no-emul-boot", "-boot-load-size", "4"}));
        Opened o;
        QVERIFY(open(original, o));
        QCOMPARE(save(o, path("no-such-folder/out.iso")), Job::Status::Failed);
        QVERIFY(!m_reason.isEmpty());

        const QString target = path("keep.iso");
        QVERIFY(TestUtil::writeFile(target, "older image"));
        QCOMPARE(save(o, target, path("no-such-builder")), Job::Status::Failed);
        QVERIFY2(m_reason.contains("no-such-builder"), qPrintable(m_reason));
        QCOMPARE(TestUtil::readFile(target), QByteArray("older image"));

        // A file of the model that the working folder lost stops the save early.
        QVERIFY(QFile::resize(o.work + "/docs/readme.txt", 2));
        QVERIFY(QFile::remove(o.work + "/docs/deep/notes.txt"));
        QCOMPARE(MissingFromWorkingFolder(o.model.root, o.work),
                 QStringList({"docs\\deep\\notes.txt", "docs\\readme.txt"}));
        QCOMPARE(QDir(m_dir.path()).entryList({".keep.iso*", ".out.iso*"}, QDir::Hidden | QDir::AllEntries),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(TestEditSave)
#include "tst_editsave.moc"
