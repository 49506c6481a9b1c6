// Saving an edited image: every El Torito entry, the label and the content
// come back as the original had them, checked with xorriso and 7-Zip as
// independent readers; failures leave no partial file.

#include "core/job.h"
#include "image/bootrebuild.h"
#include "image/editsave.h"
#include "image/editsession.h"
#include "image/filecopy.h"
#include "image/fileutils.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestEditSave : public QObject {
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

    Job::Status save(EditSession& session, const QString& output)
    {
        return TestUtil::saveEditSession(session, output, &m_reason);
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
        const QStringList table {"-V", "QUILLON_LIVE 2026", "-b", "isolinux/isolinux.bin", "-c", "isolinux/boot.cat",
            "-no-emul-boot", "-boot-load-size", "4", "-boot-info-table"};
        QTest::newRow("no-emulation with boot info table") << table;
        QTest::newRow("no-emulation without table")
            << QStringList {"-V", "NOTABLE", "-b", "boot/loader.bin", "-no-emul-boot", "-boot-load-size", "4"};
        QTest::newRow("1.44 MB floppy emulation") << QStringList {"-b", "boot/floppy.img", "-c", "boot/boot.cat"};
        QTest::newRow("BIOS and EFI") << table
                + QStringList {"-eltorito-alt-boot", "-e", "boot/efi.img", "-no-emul-boot"};
    }

    void roundTrip()
    {
        QFETCH(QStringList, args);
        const QString tag = QString::number(++m_count);
        const QString original = path("original" + tag + ".iso");
        QVERIFY(TestUtil::makeIso(makeTree("tree" + tag), original, args));

        const auto first = TestUtil::openEditSession(original);
        QVERIFY(first);
        QVERIFY(!first->content().FindEntry("[BOOT]"));
        QVERIFY(!QFileInfo::exists(first->workingFolder() + "/[BOOT]"));
        // An edit: a folder goes, a file comes.
        QVERIFY(first->removeEntry("docs"));
        const QString added = path("added" + tag + "/added.txt");
        QVERIFY(TestUtil::writeFile(added, "added\n"));
        QCOMPARE(first->addItems(&first->content().root, {added}).added.size(), 1);

        const QString saved = path("saved" + tag + ".iso");
        QVERIFY2(save(*first, saved) == Job::Status::Succeeded, qPrintable(m_reason));
        QCOMPARE(TestUtil::xorrisoBootFacts(saved), TestUtil::xorrisoBootFacts(original));
        QCOMPARE(TestUtil::xorrisoBootPaths(saved), TestUtil::xorrisoBootPaths(original));
        QStringList found = TestUtil::xorrisoFind(saved);
        found.sort();
        QCOMPARE(found, TestUtil::modelPaths(first->content().root));
        QVERIFY(found.contains("added.txt") && !found.contains("docs"));
        QCOMPARE(ReadImageBoot(saved).volumeLabel, first->boot().volumeLabel);

        // 7-Zip reads the same content back, and no [BOOT] folder.
        const auto second = TestUtil::openEditSession(saved);
        QVERIFY(second);
        QCOMPARE(TestUtil::modelPaths(second->content().root), TestUtil::modelPaths(first->content().root));
        const QString again = path("again" + tag + ".iso");
        QCOMPARE(save(*second, again), Job::Status::Succeeded);
        QCOMPARE(TestUtil::xorrisoBootFacts(again), TestUtil::xorrisoBootFacts(original));
        QCOMPARE(TestUtil::xorrisoBootPaths(again), TestUtil::xorrisoBootPaths(original));
        QVERIFY(CompareSavedBoot(first->boot(), again).isEmpty());
    }

    // A boot image whose file the user deleted goes in as a file of ours,
    // with its table patched on our copy; the working folder stays as it was.
    void bootImageNotInTree()
    {
        const QString original = path("gone.iso");
        QVERIFY(TestUtil::makeIso(makeTree("gone"), original,
            {"-b", "isolinux/isolinux.bin", "-no-emul-boot", "-boot-load-size", "4", "-boot-info-table",
                "-eltorito-alt-boot", "-e", "boot/efi.img", "-no-emul-boot"}));
        const auto o = TestUtil::openEditSession(original);
        QVERIFY(o);
        QVERIFY(o->boot().images[0].infoTable);
        QVERIFY(!o->boot().images[1].infoTable);
        for (const char* name : {"isolinux\\isolinux.bin", "boot\\efi.img"})
            QVERIFY(o->removeEntry(name));
        QVERIFY(o->copier()->WaitForIdle(10000));
        const QStringList before = TestUtil::listTree(o->workingFolder());
        const QString saved = path("gone-saved.iso");
        QVERIFY2(save(*o, saved) == Job::Status::Succeeded, qPrintable(m_reason));
        QCOMPARE(TestUtil::xorrisoBootPaths(saved), QStringList({"/boot.bin", "/boot2.img"}));
        QCOMPARE(TestUtil::xorrisoBootFacts(saved), TestUtil::xorrisoBootFacts(original));
        QCOMPARE(TestUtil::listTree(o->workingFolder()), before);
    }

    // The check notices a lost table, other load sizes and another label.
    void checkFindsDifferences()
    {
        const QString tree = makeTree("diff");
        const QStringList base {"-b", "isolinux/isolinux.bin", "-no-emul-boot", "-boot-load-size", "4"};
        const QString withTable = path("diff-table.iso"), without = path("diff-plain.iso"), longer = path("diff-8.iso"),
                      labelled = path("diff-label.iso");
        // The builder patches the table into its source: the plain image first.
        QVERIFY(TestUtil::makeIso(tree, without, base));
        QVERIFY(TestUtil::makeIso(tree, withTable, base + QStringList {"-boot-info-table"}));
        QVERIFY(TestUtil::makeIso(tree, longer,
            {"-b", "isolinux/isolinux.bin", "-no-emul-boot", "-boot-load-size", "8", "-boot-info-table"}));
        QVERIFY(TestUtil::makeIso(tree, labelled, base + QStringList {"-boot-info-table", "-V", "OTHER"}));
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
        QVERIFY(TestUtil::makeIso(
            makeTree("fail"), original, {"-b", "boot/loader.bin", "-no-emul-boot", "-boot-load-size", "4"}));
        const auto o = TestUtil::openEditSession(original);
        QVERIFY(o);
        QCOMPARE(save(*o, path("no-such-folder/out.iso")), Job::Status::Failed);
        QVERIFY(!m_reason.isEmpty());
        QVERIFY(!o->saveTargetProblem(original).isEmpty());
        QVERIFY(!o->saveTargetProblem(m_dir.path()).isEmpty());

        const QString target = path("keep.iso");
        QVERIFY(TestUtil::writeFile(target, "older image"));
        ToolSet broken = ToolSet::Installed();
        broken.builder = path("no-such-builder");
        const auto b = TestUtil::openEditSession(original, broken);
        QVERIFY(b);
        QCOMPARE(save(*b, target), Job::Status::Failed);
        QVERIFY2(m_reason.contains("no-such-builder"), qPrintable(m_reason));
        QCOMPARE(TestUtil::readFile(target), QByteArray("older image"));

        // A file of the model that the working folder lost stops the save early.
        QVERIFY(QFile::resize(o->workingFolder() + "/docs/readme.txt", 2));
        QVERIFY(QFile::remove(o->workingFolder() + "/docs/deep/notes.txt"));
        QCOMPARE(save(*o, path("lost.iso")), Job::Status::Failed);
        QVERIFY2(
            m_reason.contains("docs/deep/notes.txt") && m_reason.contains("docs/readme.txt"), qPrintable(m_reason));
        QVERIFY(!QFileInfo::exists(path("lost.iso")));
        QCOMPARE(
            QDir(m_dir.path()).entryList({".keep.iso*", ".out.iso*"}, QDir::Hidden | QDir::AllEntries), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestEditSave)
#include "tst_editsave.moc"
