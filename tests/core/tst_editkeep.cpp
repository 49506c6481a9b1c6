// What an edit keeps of the original: the system area of hybrid images, Rock
// Ridge links and modes, zisofs content, for a user who is not root (CTest
// runs this as nobody) and images whose files are read-only. xorriso's own
// reports are the oracle.

#include "core/job.h"
#include "image/editsession.h"
#include "image/filecopy.h"
#include "runner/xorriso.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

class TestEditKeep : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_reason;
    int m_count = 0;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // A tree as installer images have it: read-only files and folders, links
    // to a file, to a folder, to itself and to nothing.
    QString makeTree(const QString& name)
    {
        const QString tree = path(name);
        // xorriso makes an isohybrid MBR only for a real isolinux loader.
        const QByteArray loader = TestUtil::readFile("/usr/lib/ISOLINUX/isolinux.bin");
        TestUtil::writeFile(tree + "/isolinux/isolinux.bin", loader.isEmpty() ? TestUtil::randomBytes(30000) : loader);
        TestUtil::writeFile(tree + "/boot/grub/eltorito.img", TestUtil::randomBytes(8192));
        TestUtil::writeFile(tree + "/boot/efi.img", TestUtil::randomBytes(200 * 1024));
        TestUtil::writeFile(tree + "/docs/normal.txt", "normal\n");
        TestUtil::writeFile(tree + "/docs/old.txt", "old\n");
        TestUtil::writeFile(tree + "/gone/file.txt", "gone\n");
        QFile::link("normal.txt", tree + "/docs/link.txt");
        QFile::link("docs", tree + "/folderlink");
        QFile::link(".", tree + "/debian");
        QFile::link("nowhere", tree + "/dangling");
        for (const char* file :
            {"/isolinux/isolinux.bin", "/boot/grub/eltorito.img", "/docs/normal.txt", "/docs/old.txt"})
            QFile::setPermissions(tree + file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        for (const char* folder : {"/docs", "/isolinux"})
            QFile::setPermissions(tree + folder,
                QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                    | QFile::ExeOther);
        return tree;
    }

    static QStringList xorriso(const QStringList& args)
    {
        return QString::fromUtf8(TestUtil::run("xorriso", args).output).split('\n');
    }

    // Links with their targets and modes of the nodes, as xorriso lists them.
    static QStringList rockRidge(const QString& image)
    {
        QStringList nodes;
        for (const QString& line : xorriso(Tools::rockRidgeTreeArgs(image))) {
            if (line.trimmed() == Xorriso::FilterMarker())
                break;
            if (const auto node = Xorriso::ParseLsdl(line)) {
                if (node->type != 'e' && node->path != "/" && !node->path.startsWith("/added")
                    && !node->path.startsWith("/new") && !node->path.startsWith("/docs/renamed")
                    && !node->path.startsWith("/docs/old") && !node->path.startsWith("/gone"))
                    nodes << QStringLiteral("%1 %2 %3 %4")
                                 .arg(node->type)
                                 .arg(node->mode, 3, 8)
                                 .arg(node->path, node->target);
            }
        }
        nodes.sort();
        return nodes;
    }

    // The options -report_el_torito as_mkisofs would give to make the boot
    // setup again, without their values (sizes and places change).
    static QStringList bootOptions(const QString& image)
    {
        QStringList options;
        for (const QString& line : xorriso({"-indev", image, "-report_el_torito", "as_mkisofs"})) {
            if (line.startsWith('-'))
                options << line.section(' ', 0, 0);
        }
        return options;
    }

    static Xorriso::SystemArea systemArea(const QString& image)
    {
        return Xorriso::ParseSystemArea(xorriso(Tools::systemAreaReportArgs(image)));
    }

    Job::Status save(EditSession& session, const QString& output)
    {
        return TestUtil::saveEditSession(session, output, &m_reason);
    }

    // The same edits on every image: a file added, one renamed, a folder
    // removed, a folder made.
    void edit(EditSession& s)
    {
        const QString added = path(QString("added%1/added.txt").arg(++m_count));
        QVERIFY(TestUtil::writeFile(added, "added\n"));
        QCOMPARE(s.addItems(&s.content().root, {added}).added.size(), 1);
        QVERIFY(s.renameEntry("docs\\old.txt", "renamed.txt"));
        QVERIFY(s.removeEntry("gone"));
        QVERIFY(s.newFolder(&s.content().root, "new"));
        QVERIFY(s.hasUnsavedChanges());
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        for (const char* tool : {"genisoimage", "xorriso", "7z"}) {
            if (!TestUtil::haveProgram(tool))
                QSKIP("genisoimage, xorriso and 7z are needed");
        }
        if (geteuid() == 0)
            qWarning("Running as root: read-only files do not stop root, so this run proves less.");
        QVERIFY(m_dir.isValid());
    }

    void parsers_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("parsed"); // type, octal mode, size, path, target; empty: no node
        QTest::newRow("file") << "-r--r--r--    1 0        0           38912 Dec  8 00:44 '/isolinux/isolinux.bin'"
                              << "- 444 38912 /isolinux/isolinux.bin ";
        QTest::newRow("folder, old date") << "dr-xr-xr-x    1 0        0               0 Jan  3  2019 '/docs'"
                                          << "d 555 0 /docs ";
        QTest::newRow("link") << "lrwxrwxrwx    1 0        0               0 Dec  8 00:44 '/debian' -> '.'"
                              << "l 777 0 /debian .";
        QTest::newRow("quote in names")
            << "lrwxrwxrwx    1 0        0               0 Dec  8 00:44 '/it'\"'\"'s *' -> 'a '\"'\"'b'"
            << "l 777 0 /it's * a 'b";
        QTest::newRow("boot catalog") << "er--r--r--    1 0        0            2048 Dec  8 00:44 '/boot.cat'"
                                      << "e 444 2048 /boot.cat ";
        QTest::newRow("message") << "xorriso : NOTE : Loading ISO image tree from LBA 0" << QString();
        QTest::newRow("unclosed quote") << "-rw-r--r--    1 0        0               3 Dec  8 00:44 '/a" << QString();
    }

    void parsers()
    {
        QFETCH(QString, line);
        QFETCH(QString, parsed);
        const auto node = Xorriso::ParseLsdl(line);
        QCOMPARE(bool(node), !parsed.isEmpty());
        if (node)
            QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(node->type)
                         .arg(node->mode, 0, 8)
                         .arg(node->size)
                         .arg(node->path, node->target),
                parsed);
    }

    // Each kind of hybrid image keeps its system area and El Torito setup
    // through the edits, and its links and modes.
    void hybridKept_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("isohybrid MBR, EFI entry, GPT")
            << QStringList {"-isohybrid-mbr", "/usr/lib/ISOLINUX/isohdpfx.bin", "-b", "isolinux/isolinux.bin", "-c",
                   "isolinux/boot.cat", "-no-emul-boot", "-boot-load-size", "4", "-boot-info-table",
                   "-eltorito-alt-boot", "-e", "boot/efi.img", "-no-emul-boot", "-isohybrid-gpt-basdat"};
        QTest::newRow("GRUB2 MBR, appended EFI partition") << QStringList {"--grub2-mbr",
            "/usr/lib/grub/i386-pc/boot_hybrid.img", "-b", "boot/grub/eltorito.img", "-no-emul-boot", "-boot-load-size",
            "4", "-boot-info-table", "--grub2-boot-info", "-append_partition", "2", "0xef", "@EFI@",
            "-eltorito-alt-boot", "-e", "--interval:appended_partition_2:all::", "-no-emul-boot"};
        // Its GPT has gap fillers that a new layout may need fewer of.
        QTest::newRow("grub-mkrescue: GRUB2 MBR, GPT, APM, HFS+") << QStringList {"grub-mkrescue"};
    }

    void hybridKept()
    {
        QFETCH(QStringList, args);
        for (const char* file : {"/usr/lib/ISOLINUX/isohdpfx.bin", "/usr/lib/grub/i386-pc/boot_hybrid.img"}) {
            if (args.contains(QString(file)) && !QFileInfo::exists(file))
                QSKIP("isolinux and grub-pc-bin are needed");
        }
        const QString tag = QString::number(++m_count);
        const QString efi = path("efi" + tag + ".img");
        QVERIFY(TestUtil::writeFile(efi, TestUtil::randomBytes(300 * 1024)));
        args.replaceInStrings("@EFI@", efi);
        const QString original = path("hybrid" + tag + ".iso");
        const bool rescue = args == QStringList {"grub-mkrescue"};
        if (rescue && (!TestUtil::haveProgram("grub-mkrescue") || !QFileInfo::exists("/usr/lib/grub/x86_64-efi")))
            QSKIP("grub-common, grub-pc-bin and grub-efi-amd64-bin are needed");
        const auto made = rescue ? TestUtil::run("grub-mkrescue", {"-o", original, makeTree("hybrid" + tag)})
                                 : TestUtil::run("xorriso",
                                     QStringList {"-as", "mkisofs", "-R", "-J", "-V", "HYBRID", "-o", original} + args
                                         << makeTree("hybrid" + tag));
        QVERIFY2(made.exitCode == 0, made.output.constData());
        QVERIFY(!systemArea(original).empty());

        const auto s = TestUtil::openEditSession(original);
        QVERIFY(s);
        QVERIFY2(s->savePlan().xorriso, qPrintable(s->savePlan().why));
        QVERIFY(s->savePlan().lost.isEmpty());
        QCOMPARE(s->content().FindEntry("docs\\link.txt")->linkTarget, QString("normal.txt"));
        edit(*s);
        const QString saved = path("hybrid-saved" + tag + ".iso");
        QVERIFY2(save(*s, saved) == Job::Status::Succeeded, qPrintable(m_reason));
        QVERIFY(!s->hasUnsavedChanges());

        Xorriso::SystemArea before = systemArea(original), after = systemArea(saved);
        QCOMPARE(after.summary, before.summary);
        QCOMPARE(after.mbrTypes, before.mbrTypes);
        QCOMPARE(after.gptEntries, before.gptEntries);
        QCOMPARE(after.partitionPaths, before.partitionPaths);
        QCOMPARE(bootOptions(saved), bootOptions(original));
        QCOMPARE(TestUtil::xorrisoBootFacts(saved), TestUtil::xorrisoBootFacts(original));
        QCOMPARE(rockRidge(saved), rockRidge(original));
        QStringList found = TestUtil::xorrisoFind(saved);
        QVERIFY(found.contains("added.txt") && found.contains("docs/renamed.txt") && found.contains("new"));
        QVERIFY(!found.contains("gone") && !found.contains("docs/old.txt"));
    }

    // Without a system area genisoimage writes the image from the working
    // folder: the loader it patches is read-only in the image, the links are
    // links again.
    void linksThroughGenisoimage()
    {
        const QString original = path("plain.iso");
        // genisoimage would patch the read-only loader of the source tree.
        const auto made = TestUtil::run("xorriso",
            {"-as", "mkisofs", "-R", "-J", "-o", original, "-b", "isolinux/isolinux.bin", "-no-emul-boot",
                "-boot-load-size", "4", "-boot-info-table", makeTree("plain")});
        QVERIFY2(made.exitCode == 0, made.output.constData());
        const auto s = TestUtil::openEditSession(original);
        QVERIFY(s);
        QVERIFY(!s->savePlan().xorriso);
        QVERIFY(QFileInfo(s->working("debian")).isSymLink());
        edit(*s);
        const QString saved = path("plain-saved.iso");
        QVERIFY2(save(*s, saved) == Job::Status::Succeeded, qPrintable(m_reason));
        QStringList links, expected;
        for (const QString& node : rockRidge(saved)) {
            if (node.startsWith('l'))
                links << node;
        }
        for (const QString& node : rockRidge(original)) {
            if (node.startsWith('l'))
                expected << node;
        }
        QCOMPARE(links, expected);
        QCOMPARE(expected.size(), 4);

        // Exported, links stay links to their targets, under the edited names.
        QTemporaryDir out;
        std::unique_ptr<JobSequence> job(s->makeExportJob({"docs", "debian", "dangling", "folderlink"}, out.path()));
        QCOMPARE(TestUtil::finishSequence(*job, &m_reason), Job::Status::Succeeded);
        QCOMPARE(QFileInfo(out.filePath("docs/link.txt")).symLinkTarget(), out.filePath("docs/normal.txt"));
        QCOMPARE(QFileInfo(out.filePath("debian")).symLinkTarget(), out.path());
        QCOMPARE(QFileInfo(out.filePath("dangling")).symLinkTarget(), out.filePath("nowhere"));
        QCOMPARE(QFileInfo(out.filePath("folderlink")).symLinkTarget(), out.filePath("docs"));
        QCOMPARE(TestUtil::readFile(out.filePath("docs/renamed.txt")), QByteArray("old\n"));

        // A link the working folder lost is named before anything is written.
        QVERIFY(QFile::remove(s->working("dangling")));
        QVERIFY(TestUtil::writeFile(s->working("dangling"), ""));
        QCOMPARE(save(*s, path("plain-lost.iso")), Job::Status::Failed);
        QVERIFY2(m_reason.contains("dangling"), qPrintable(m_reason));
        QVERIFY(!QFileInfo::exists(path("plain-lost.iso")));
    }

    // 7-Zip gives zisofs files as stored; the working folder and the saved
    // image hold them decompressed.
    void zisofsUnpacked()
    {
        const QByteArray data = QByteArray(3 * 1000 * 1000, 'z') + TestUtil::randomBytes(12345);
        QVERIFY(TestUtil::writeFile(path("zf/big.bin"), data));
        const QString original = path("zisofs.iso");
        const auto made = TestUtil::run("xorriso",
            {"-outdev", original, "-map", path("zf"), "/", "-find", "/", "-type", "f", "-exec", "set_filter",
                "--zisofs", "--"});
        QVERIFY2(made.exitCode == 0, made.output.constData());
        const auto s = TestUtil::openEditSession(original);
        QVERIFY(s);
        QCOMPARE(s->content().FindEntry("big.bin")->size(), quint64(data.size()));
        QCOMPARE(TestUtil::readFile(s->working("big.bin")), data);
        const QString saved = path("zisofs-saved.iso");
        QVERIFY2(save(*s, saved) == Job::Status::Succeeded, qPrintable(m_reason));
        const auto back = TestUtil::openEditSession(saved);
        QVERIFY(back);
        QCOMPARE(TestUtil::readFile(back->working("big.bin")), data);
    }

    // The open image cannot be the target however its path is written.
    void saveTarget()
    {
        QCOMPARE(EditSession::WithIsoSuffix("/a/backup"), QString("/a/backup.iso"));
        QCOMPARE(EditSession::WithIsoSuffix("/a/backup.ISO"), QString("/a/backup.ISO"));
        const QString original = path("target.iso");
        QVERIFY(TestUtil::makeIso(makeTree("target"), original));
        const auto s = TestUtil::openEditSession(original);
        QVERIFY(s);
        QVERIFY(QFile::link(original, path("alias.iso")));
        QVERIFY(QDir().mkpath(path("sub")));
        for (const QString& same : {original, path("sub/../target.iso"), path("alias.iso"), path("./target.iso")})
            QVERIFY2(!s->saveTargetProblem(same).isEmpty(), qPrintable(same));
        QVERIFY(s->saveTargetProblem(path("other.iso")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEditKeep)
#include "tst_editkeep.moc"
