// The command line end to end: the real program on images the tests build,
// its results read back with 7-Zip and xorriso.

#include "testutil.h"
#include "usbstick.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program; // the program of the build tree
    QString m_plain; // Rock Ridge only, no Joliet
    QString m_boot; // bootable, Joliet and Rock Ridge

    QString path(const QString& name) const { return m_dir.filePath(name); }

    Run quillon(const QStringList& arguments, const QString& program = QString(), const QByteArray& input = {}) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        // The tests' own data folder, not the user's.
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("xdg")));
        process.setProcessEnvironment(environment);
        process.start(program.isEmpty() ? m_program : program, arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(180000))
            return {};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

    // Files and their bytes below a folder, as one comparable list.
    static QStringList contentOf(const QString& folder)
    {
        QStringList content;
        for (const QString& name : TestUtil::listTree(folder)) {
            const QFileInfo info(folder + "/" + name);
            content << name
                    + (info.isDir() ? QStringLiteral("/")
                                    : QStringLiteral(" ")
                                + QString::fromLatin1(TestUtil::readFile(info.filePath()).toHex().left(64)));
        }
        return content;
    }

    // What 7-Zip extracts from an image, the independent reader.
    QString sevenZipTree(const QString& image)
    {
        const QString folder = path(QFileInfo(image).completeBaseName() + ".7z");
        if (!QFileInfo::exists(folder))
            TestUtil::run("7z", {"x", "-y", "-o" + folder, image});
        QDir(folder + "/[BOOT]").removeRecursively();
        return folder;
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
        m_program = QCoreApplication::applicationDirPath() + "/quillon";
        QVERIFY(QFileInfo(m_program).isExecutable());
        const QString tree = path("tree");
        TestUtil::writeFile(tree + "/isolinux/isolinux.bin", TestUtil::randomBytes(30000));
        TestUtil::writeFile(tree + "/isolinux/isolinux.cfg", "default live\n");
        TestUtil::writeFile(tree + "/docs/readme.txt", "read me\n");
        TestUtil::writeFile(tree + "/docs/deep/notes.txt", "notes\n");
        TestUtil::writeFile(tree + "/data/big.bin", TestUtil::randomBytes(3 * 1024 * 1024));
        TestUtil::writeFile(
            tree + "/a long name with spaces and more than sixty-four characters, to be sure.txt", "long\n");
        m_plain = path("plain.iso");
        QVERIFY(TestUtil::run("genisoimage", {"-quiet", "-R", "-o", m_plain, tree}).exitCode == 0);
        m_boot = path("boot.iso");
        QVERIFY(TestUtil::makeIso(tree, m_boot,
            {"-V", "QUILLON_CLI", "-b", "isolinux/isolinux.bin", "-c", "isolinux/boot.cat", "-no-emul-boot",
                "-boot-load-size", "4", "-boot-info-table"}));
    }

    void helpVersionAndUsage()
    {
        const Run help = quillon({"--help"});
        QCOMPARE(help.status, 0);
        for (const char* word : {"extract", "create", "edit", "burn", "copy-disc", "list-drives", "--force"})
            QVERIFY2(help.out.contains(QLatin1String(word)), word);
        const Run version = quillon({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY2(QRegularExpression("^quillon \\d+\\.\\d+").match(version.out).hasMatch(), qPrintable(version.out));
        QCOMPARE(quillon({"extract", "--no-such-option", "a", "b"}).status, 2);
        QCOMPARE(quillon({"create", path("x.iso")}).status, 2);
        // The window without a display: a message and status 1, no abort.
        const Run window = quillon({});
        QCOMPARE(window.status, 1);
        QVERIFY2(window.err.contains("display"), qPrintable(window.err));
    }

    // Everything, or named items, of a Rock Ridge-only and a Joliet image, as 7-Zip extracts them.
    void extract()
    {
        for (const QString& image : {m_plain, m_boot}) {
            const QString target = path(QFileInfo(image).completeBaseName() + "-all");
            const Run all = quillon({"extract", image, target});
            QVERIFY2(all.status == 0, qPrintable(all.err));
            QCOMPARE(contentOf(target), contentOf(sevenZipTree(image)));
        }
        const QString some = path("some");
        const Run items = quillon({"extract", m_boot, some, "/docs/readme.txt", "data"});
        QVERIFY2(items.status == 0, qPrintable(items.err));
        QCOMPARE(TestUtil::listTree(some), QStringList({"data", "data/big.bin", "readme.txt"}));

        // A file of the user's is replaced only with --force.
        QVERIFY(TestUtil::writeFile(some + "/readme.txt", "mine"));
        const Run refused = quillon({"extract", m_boot, some, "/docs/readme.txt"});
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.err.contains("--force"), qPrintable(refused.err));
        QCOMPARE(TestUtil::readFile(some + "/readme.txt"), QByteArray("mine"));
        QCOMPARE(quillon({"extract", "--force", m_boot, some, "/docs/readme.txt"}).status, 0);
        QCOMPARE(TestUtil::readFile(some + "/readme.txt"), QByteArray("read me\n"));

        QCOMPARE(quillon({"extract", m_boot, some, "/no/such/file"}).status, 1);
        const Run missing = quillon({"extract", path("missing.iso"), some});
        QCOMPARE(missing.status, 1);
        QVERIFY2(missing.err.contains("does not exist"), qPrintable(missing.err));
        QVERIFY(TestUtil::writeFile(path("text.iso"), "this is no image\n"));
        const Run unreadable = quillon({"extract", path("text.iso"), some});
        QCOMPARE(unreadable.status, 1);
        QVERIFY2(unreadable.err.contains("text.iso"), qPrintable(unreadable.err));
    }

    void create()
    {
        const QString sources = path("sources");
        QVERIFY(TestUtil::writeFile(sources + "/folder/inner.txt", "inner\n"));
        QVERIFY(TestUtil::writeFile(sources + "/single.txt", "single\n"));
        const QString output = path("created.iso");
        const Run run = quillon(
            {"create", "--output", output, "--label", "MY_LABEL", sources + "/folder", sources + "/single.txt"});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QStringList found = TestUtil::xorrisoFind(output);
        found.sort();
        QCOMPARE(found, QStringList({"folder", "folder/inner.txt", "single.txt"}));
        const TestUtil::Result pvd = TestUtil::run("xorriso", {"-indev", output, "-pvd_info"});
        QVERIFY2(pvd.output.contains("MY_LABEL"), pvd.output.constData());

        // An existing image stays unless --force says otherwise.
        const QByteArray before = TestUtil::readFile(output);
        const Run again = quillon({"create", "--output", output, sources + "/single.txt"});
        QCOMPARE(again.status, 1);
        QVERIFY2(again.err.contains("--force"), qPrintable(again.err));
        QCOMPARE(TestUtil::readFile(output), before);
        QCOMPARE(quillon({"create", "--force", "--output", output, sources + "/single.txt"}).status, 0);
        QCOMPARE(TestUtil::xorrisoFind(output), QStringList({"single.txt"}));
        QCOMPARE(quillon({"create", "--output", path("none.iso"), path("no-such-source")}).status, 1);
        QVERIFY(!QFileInfo::exists(path("none.iso")));
    }

    // Each kind of change, in a saved image that keeps the boot entry and label.
    void edit()
    {
        const QString added = path("added.txt");
        QVERIFY(TestUtil::writeFile(added, "added\n"));
        const QString output = path("edited.iso");
        const Run run = quillon({"edit", m_boot, "--output", output, "--add", added + "=/docs", "--add",
            added + "=/renamed-copy.txt", "--remove", "/docs/deep", "--rename", "/docs/readme.txt=README.TXT"});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QStringList found = TestUtil::xorrisoFind(output);
        QVERIFY2(
            found.contains("docs/added.txt") && found.contains("renamed-copy.txt") && found.contains("docs/README.TXT"),
            qPrintable(found.join(' ')));
        QVERIFY(!found.contains("docs/deep") && !found.contains("docs/readme.txt"));
        QVERIFY(found.contains("data/big.bin"));
        QCOMPARE(TestUtil::xorrisoBootFacts(output), TestUtil::xorrisoBootFacts(m_boot));
        QVERIFY(TestUtil::run("xorriso", {"-indev", output, "-pvd_info"}).output.contains("QUILLON_CLI"));

        const Run exists = quillon({"edit", m_boot, "--output", output, "--remove", "/docs"});
        QCOMPARE(exists.status, 1);
        QVERIFY2(exists.err.contains("--force"), qPrintable(exists.err));
        QCOMPARE(quillon({"edit", m_boot, "--output", path("e2.iso"), "--remove", "/not/there"}).status, 1);
        QCOMPARE(quillon({"edit", m_boot, "--output", m_boot, "--force"}).status, 1);
        QVERIFY(!QFileInfo::exists(path("e2.iso")));
        const Run missing = quillon({"edit", path("missing.iso"), "--output", path("e3.iso")});
        QCOMPARE(missing.status, 1);
        QVERIFY2(missing.err.contains("does not exist"), qPrintable(missing.err));
    }

    // The sum line is sha256sum's; the sums file beside the image decides the status.
    void checksum()
    {
        const TestUtil::Result theirs = TestUtil::run("sha256sum", {m_boot});
        const Run unchecked = quillon({"checksum", m_boot});
        QCOMPARE(unchecked.status, 0);
        QCOMPARE(unchecked.out.toUtf8(), theirs.output);
        const QString sums = path("SHA256SUMS");
        for (const bool same : {true, false}) {
            QByteArray line = theirs.output;
            line.replace(m_dir.path().toUtf8() + "/", same ? "" : "./");
            if (!same)
                line[0] = line[0] == '0' ? '1' : '0';
            QVERIFY(TestUtil::writeFile(sums, line));
            const Run run = quillon({"checksum", "--sha256", m_boot});
            QCOMPARE(run.status, same ? 0 : 1);
            QVERIFY2(run.err.contains(same ? "matches SHA256SUMS" : "does not match SHA256SUMS"), qPrintable(run.err));
        }
        QFile::remove(sums);
        QCOMPARE(quillon({"checksum", m_boot, "--md5", "--sha1"}).status, 2);
        QCOMPARE(quillon({"checksum"}).status, 2);
        QCOMPARE(quillon({"checksum", path("missing.iso")}).status, 1);
    }

    // Refusals that must never write anything; the loop stick end to end where root and FUSE allow.
    void burnUsb()
    {
        const Run notUsb = quillon({"burn", m_boot, "--usb", "/dev/null", "--yes"});
        QCOMPARE(notUsb.status, 1);
        QVERIFY2(notUsb.err.contains("is not a USB disk"), qPrintable(notUsb.err));
        QCOMPARE(quillon({"burn", m_boot, "--usb", "/dev/null", "--style", "zip"}).status, 1);
        QCOMPARE(quillon({"burn", m_boot}).status, 2);

        const QString why = UsbTest::cannotRun();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        UsbTest::LoopStick stick(path("stick.img"), 64, true);
        QVERIFY2(stick.error().isEmpty(), qPrintable(stick.error()));
        // Not listed as a stick: refused even with --yes, unless the test switch says so.
        QCOMPARE(quillon({"burn", m_boot, "--usb", stick.disk(), "--yes"}).status, 1);
        // A partition is no USB disk: the whole stick is burned.
        QCOMPARE(quillon({"burn", m_boot, "--usb", stick.partition(1), "--allow-loop-device", "--yes"}).status, 1);
        // Without --yes the terminal is asked; "n" writes nothing.
        const QByteArray before = TestUtil::readAt(stick.disk(), 0, 1024 * 1024 + 4096);
        const Run declined = quillon({"burn", m_boot, "--usb", stick.disk(), "--allow-loop-device"}, QString(), "n\n");
        QCOMPARE(declined.status, 1);
        QCOMPARE(TestUtil::readAt(stick.disk(), 0, 1024 * 1024 + 4096), before);
        // Image mode takes hybrid images only, whatever file system is named.
        const Run notHybrid = quillon({"burn", m_boot, "--usb", stick.disk(), "--allow-loop-device", "--yes", "--style",
            "image", "--file-system", "ext4"});
        QCOMPARE(notHybrid.status, 1);
        QVERIFY2(notHybrid.err.contains("no partition table of its own"), qPrintable(notHybrid.err));
        QCOMPARE(TestUtil::readAt(stick.disk(), 0, 1024 * 1024 + 4096), before);

        const Run burned = quillon({"burn", m_boot, "--usb", stick.disk(), "--allow-loop-device", "--yes",
            "--file-system", "NTFS", "--label", "stick"});
        QVERIFY2(burned.status == 0, qPrintable(burned.err + burned.out));
        QVERIFY2(burned.out.contains("can be removed"), qPrintable(burned.out));
        const QString mounted = path("mounted");
        QVERIFY(QDir().mkpath(mounted));
        QVERIFY(UsbTest::mountReadOnly("NTFS", stick.partition(1), mounted));
        // The image's tree, as the builder took it in (its boot image patched in place).
        const QStringList differences = UsbTest::differentFiles(path("tree"), mounted);
        UsbTest::unmount(mounted);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join('\n')));
    }

    // Recorder and reader through the stand-in, in an application folder of
    // the test's own (tools are found beside the program).
    void discJobsAndInterrupt()
    {
        const QString app = path("app");
        QVERIFY(QDir().mkpath(app + "/cdrtools"));
        const QString program = app + "/quillon";
        // A copy: the program finds its folder through a link's target.
        QVERIFY(QFile::copy(m_program, program));
        const QString bin = QCoreApplication::applicationDirPath();
        QVERIFY(QFile::link(bin + "/7z", app + "/7z"));
        for (const char* tool : {"cdrecord", "readcd"})
            QVERIFY(QFile::link(TestUtil::standInTool(), app + "/cdrtools/" + tool));

        // This folder has no image builder: the message names its package.
        const Run noBuilder = quillon({"create", "--output", path("nb.iso"), path("tree/docs")}, program);
        QCOMPARE(noBuilder.status, 1);
        QVERIFY2(noBuilder.err.contains("Install the package genisoimage"), qPrintable(noBuilder.err));

        TestUtil::playStandIn("readom/read-ok.txt");
        qputenv("QUILLON_STANDIN_SECTORS", "3000");
        const Run copied = quillon({"copy-disc", "1,0,0", "--output", path("disc")}, program);
        QVERIFY2(copied.status == 0, qPrintable(copied.err));
        QCOMPARE(QFileInfo(path("disc.iso")).size(), qint64(3000) * 2048);
        const Run again = quillon({"copy-disc", "1,0,0", "--output", path("disc.iso")}, program);
        QCOMPARE(again.status, 1);
        QVERIFY2(again.err.contains("--force"), qPrintable(again.err));

        TestUtil::playStandIn("readom/read-error.txt", 255);
        qputenv("QUILLON_STANDIN_READ", "700");
        const Run broken = quillon({"copy-disc", "1,0,0", "--output", path("broken.iso")}, program);
        QCOMPARE(broken.status, 1);
        QVERIFY(!QFileInfo::exists(path("broken.iso")));
        qunsetenv("QUILLON_STANDIN_READ");

        TestUtil::playStandIn("cdrskin/burn-ok.raw");
        const Run burned = quillon({"burn", m_boot, "--disc", "1,0,0"}, program);
        QVERIFY2(burned.status == 0, qPrintable(burned.err));
        TestUtil::playStandIn("cdrskin/burn-no-space.raw", 255);
        QCOMPARE(quillon({"burn", m_boot, "--disc", "1,0,0"}, program).status, 1);

        TestUtil::playStandIn("cdrskin/scanbus-none.raw");
        const Run drives = quillon({"list-drives"}, program);
        QCOMPARE(drives.status, 0);
        QVERIFY2(drives.err.contains("No CD/DVD recorder found"), qPrintable(drives.err));

        // Ctrl+C during a slow read: a non-zero status and no partial image.
        TestUtil::playStandIn("readom/read-ok.txt");
        qputenv("QUILLON_STANDIN_SECTORS", "100000");
        qputenv("QUILLON_STANDIN_DELAY_MS", "20");
        QProcess process;
        process.start(program, {"copy-disc", "1,0,0", "--output", path("stopped.iso")});
        QVERIFY(process.waitForStarted());
        QTest::qWait(1500);
        ::kill(pid_t(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(20000));
        qunsetenv("QUILLON_STANDIN_DELAY_MS");
        qunsetenv("QUILLON_STANDIN_SECTORS");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY(process.exitCode() != 0);
        QVERIFY(!QFileInfo::exists(path("stopped.iso")));
        QCOMPARE(QDir(m_dir.path()).entryList({".stopped.iso*"}, QDir::Hidden | QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
