// The edit page end to end, headless: images made by genisoimage, opened with
// the real 7-Zip (held back a little before extracting, so edits meet a
// running extraction), saved by genisoimage and read back with xorriso.
#include "image/extractjob.h"
#include "image/filecopy.h"
#include "pages/contentviews.h"
#include "pages/editpage.h"
#include "ui/inputdialog.h"
#include "ui/lineedit.h"
#include "ui/progressdialog.h"

#include "scripteddialogs.h"
#include "testutil.h"
#include "uitestutil.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class TestPage4 : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QMap<QString, QString> m_images; // by kind
    ScriptedDialogs m_dialogs;
    PageContext m_context {&m_dialogs};
    std::unique_ptr<CPage4> m_page;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString makeImage(const QString& kind, const QStringList& args)
    {
        const QString tree = path("tree-" + kind);
        TestUtil::writeFile(tree + "/isolinux/isolinux.bin", TestUtil::randomBytes(24000));
        TestUtil::writeFile(tree + "/isolinux/ldlinux.c32", TestUtil::randomBytes(3000));
        TestUtil::writeFile(tree + "/boot/loader.bin", TestUtil::randomBytes(4096));
        TestUtil::writeFile(tree + "/docs/readme.txt", "read me");
        TestUtil::writeFile(tree + "/extra/sub/a.txt", "a");
        TestUtil::writeFile(tree + "/beta.txt", "beta");
        TestUtil::writeFile(tree + "/" + kind + ".txt", kind.toUtf8());
        const QString image = path(kind + ".iso");
        return TestUtil::makeIso(tree, image, args) ? image : QString();
    }

    bool load(const QString& image)
    {
        QSignalSpy ended(m_page.get(), &CPage4::sigListingEnded);
        m_dialogs.answers << image;
        m_page->OnLoadISO();
        return ended.wait(20000) && ended.first().first().toBool();
    }

    bool waitExtraction()
    {
        QSignalSpy ended(m_page.get(), &CPage4::sigExtractionEnded);
        return !m_page->IsExtracting() || ended.wait(30000);
    }

    bool check(const QString& name, bool on = true)
    {
        const int row = rowOf(m_page->Table(), name);
        if (row < 0)
            return false;
        m_page->Table()->item(row, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        return true;
    }

    // Runs a save or an export to its end; false when it did not end.
    bool run(void (CPage4::*start)(), const QString& answer, bool* succeeded = nullptr)
    {
        QSignalSpy saved(m_page.get(), &CPage4::sigSaveEnded);
        QSignalSpy exported(m_page.get(), &CPage4::sigExportEnded);
        m_dialogs.answers << answer;
        (m_page.get()->*start)();
        QSignalSpy& spy = start == &CPage4::OnSave ? saved : exported;
        if (spy.isEmpty() && !spy.wait(60000))
            return false;
        if (succeeded)
            *succeeded = spy.first().first().toBool();
        return true;
    }

    bool save(const QString& output)
    {
        bool ok = false;
        return run(&CPage4::OnSave, output, &ok) && ok;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        for (const char* tool : {"genisoimage", "xorriso", "7z"}) {
            if (!TestUtil::haveProgram(tool))
                QSKIP("genisoimage, xorriso and 7z are needed");
        }
        const QStringList table {"-V", "EDIT_LIVE", "-b", "isolinux/isolinux.bin", "-c", "isolinux/boot.cat",
            "-no-emul-boot", "-boot-load-size", "4", "-boot-info-table"};
        m_images["table"] = makeImage("table", table);
        m_images["plain"] = makeImage("plain", {"-b", "boot/loader.bin", "-no-emul-boot", "-boot-load-size", "4"});
        for (const QString& image : m_images)
            QVERIFY(!image.isEmpty());
        // 7-Zip waits a moment before it extracts: edits meet a running extraction.
        const QString slow = path("slow7z");
        QVERIFY(TestUtil::writeFile(slow, "#!/bin/sh\n[ \"$1\" = x ] && sleep 2\nexec 7z \"$@\"\n"));
        QFile::setPermissions(slow, QFile::permissions(slow) | QFile::ExeOwner);
        m_context.tools.archive = slow;
        QVERIFY(TestUtil::writeFile(path("added/file.txt"), "added file"));
        QVERIFY(TestUtil::writeFile(path("added/folder/inner/deep.txt"), "deep"));
    }

    void init()
    {
        m_dialogs = ScriptedDialogs();
        m_page.reset(new CPage4(nullptr, m_context));
        m_page->InitializeUI();
    }

    void cleanup() { m_page.reset(); }

    // Open, edit during the extraction, save: the saved image holds the
    // model and boots like the original (each boot kind: the save job's tests).
    void editAndSave()
    {
        CPage4& page = *m_page;
        const QString original = m_images["table"];
        QVERIFY(load(original));
        QVERIFY(page.IsExtracting());
        QVERIFY(!page.Content().FindEntry("[BOOT]"));
        QVERIFY(page.findChild<QWidget*>("save")->isEnabled());

        QVERIFY(check("docs"));
        page.OnDelete();
        QVERIFY(check("extra"));
        ModalAnswers<CInputDialog> answer([](CInputDialog* d) {
            d->LineEdit()->setText("renamed");
            return 1;
        });
        page.OnRename();
        m_dialogs.answers << path("added/file.txt") + "\n" + path("added/folder");
        page.OnAdd();
        QVERIFY(page.IsExtracting());
        QVERIFY(page.DeferredCount() >= 4);
        QVERIFY(rowOf(page.Table(), "file.txt") >= 0 && rowOf(page.Table(), "renamed") >= 0);
        QCOMPARE(rowOf(page.Table(), "docs"), -1);
        QVERIFY(page.Content().FindEntry("renamed\\sub\\a.txt"));
        QVERIFY(page.Content().FindEntry("folder\\inner\\deep.txt"));

        const QString saved = path("saved.iso");
        QVERIFY(save(saved));
        QCOMPARE(m_dialogs.last().text, QString("Save ISO file successfully!"));
        QCOMPARE(m_dialogs.last().folder, m_dir.path());
        QCOMPARE(TestUtil::xorrisoBootFacts(saved), TestUtil::xorrisoBootFacts(original));
        QCOMPARE(TestUtil::xorrisoBootPaths(saved), TestUtil::xorrisoBootPaths(original));
        QStringList found = TestUtil::xorrisoFind(saved);
        found.sort();
        QCOMPARE(found, TestUtil::modelPaths(page.Content().root));
        QCOMPARE(TestUtil::readFile(page.WorkingFolder() + "/folder/inner/deep.txt"), QByteArray("deep"));
    }

    // A second image opened during the first's extraction: only its content.
    void secondImageReplacesFirst()
    {
        QVERIFY(load(m_images["table"]));
        QVERIFY(m_page->IsExtracting());
        const QString first = m_page->WorkingFolder();
        QVERIFY(load(m_images["plain"]));
        QVERIFY(waitExtraction());
        QVERIFY(m_page->Copier()->WaitForIdle(10000));
        QCOMPARE(TestUtil::listTree(m_page->WorkingFolder()), TestUtil::modelPaths(m_page->Content().root));
        QVERIFY(!QFileInfo::exists(first));
        QVERIFY(m_page->Content().FindEntry("plain.txt") && !m_page->Content().FindEntry("table.txt"));
        // A closed page leaves no extracted image behind in the data folder.
        const QString staging = QFileInfo(m_page->WorkingFolder()).path();
        m_page.reset();
        QVERIFY2(!QFileInfo::exists(staging), qPrintable(staging));
    }

    // Rows stand for their entries under a filter; the filter stays per folder.
    void searchFilter()
    {
        CPage4& page = *m_page;
        QVERIFY(load(m_images["plain"]));
        page.SearchBox()->setText("E");
        QCOMPARE(page.Table()->rowCount(), 2);
        QVERIFY(rowOf(page.Table(), "beta.txt") == 0 && rowOf(page.Table(), "extra") == 1);
        page.Table()->setCurrentCell(rowOf(page.Table(), "extra"), 0);
        page.OnListViewDoubleClicked();
        QCOMPARE(page.CurrentFolder()->name, QString("extra"));
        QCOMPARE(page.Table()->rowCount(), 0); // "sub" has no e
        page.Tree()->setCurrentItem(page.Tree()->topLevelItem(0));
        page.OnTreeCurrentChanged();
        QVERIFY(check("beta.txt"));
        page.OnDelete();
        QVERIFY(!page.Content().FindEntry("beta.txt"));
        QVERIFY(page.Content().FindEntry("boot") && page.Content().FindEntry("docs"));
        page.SearchBox()->clear();
        QCOMPARE(page.Table()->rowCount(), page.Content().root.childCount());
    }

    // Exports copy an added file from its own place and an image entry from
    // the working folder, after the extraction.
    void exportItems()
    {
        CPage4& page = *m_page;
        QVERIFY(load(m_images["plain"]));
        m_dialogs.answers << path("added/file.txt");
        page.OnAdd();
        QVERIFY(check("file.txt") && check("extra"));
        QTemporaryDir out;
        bool ok = false;
        QVERIFY(run(&CPage4::OnExport, out.path(), &ok));
        QVERIFY2(ok, qPrintable(m_dialogs.last().text));
        QCOMPARE(m_dialogs.last().text, QString("Export Successfully !"));
        QCOMPARE(TestUtil::listTree(out.path()), QStringList({"extra", "extra/sub", "extra/sub/a.txt", "file.txt"}));
        QCOMPARE(TestUtil::readFile(out.path() + "/file.txt"), QByteArray("added file"));
    }

    // Stop while the save waits for the extraction: no build, no message,
    // the edits stay; a later save works.
    void stopWhileWaiting()
    {
        CPage4& page = *m_page;
        QVERIFY(load(m_images["table"]));
        m_dialogs.answers << path("added/file.txt");
        page.OnAdd();
        QSignalSpy ended(&page, &CPage4::sigSaveEnded);
        m_dialogs.answers << path("stopped.iso");
        page.OnSave();
        QVERIFY(page.Running() && page.Progress()->isVisible());
        m_dialogs.said.clear();
        page.StopCreate();
        QCOMPARE(ended.size(), 1);
        QVERIFY(!ended.first().first().toBool());
        QVERIFY(m_dialogs.said.isEmpty());
        QVERIFY(!QFileInfo::exists(path("stopped.iso")));
        QVERIFY(save(path("after-stop.iso")));
        QVERIFY(TestUtil::xorrisoFind(path("after-stop.iso")).contains("file.txt"));
    }

    // Rename and New refuse unusable names; New makes a folder that is saved.
    void namesAndNewFolder()
    {
        CPage4& page = *m_page;
        QVERIFY(load(m_images["plain"]));
        QString typed;
        ModalAnswers<CInputDialog> answer([&](CInputDialog* d) {
            d->LineEdit()->setText(typed);
            return 1;
        });
        QVERIFY(check("beta.txt"));
        for (const char* bad : {"a/b", "a\\b", "DOCS"}) {
            typed = bad;
            m_dialogs.said.clear();
            page.OnRename();
            QCOMPARE(m_dialogs.said.size(), 1);
            QVERIFY(page.Content().FindEntry("beta.txt"));
        }
        typed = "made";
        page.OnNew();
        QVERIFY(page.Content().FindEntry("made") && page.Content().FindEntry("made")->isDir);
        QVERIFY(save(path("new-folder.iso")));
        QVERIFY(TestUtil::xorrisoFind(path("new-folder.iso")).contains("made"));
        // A local item whose name the folder already holds is named, not added.
        QVERIFY(TestUtil::writeFile(path("other/beta.txt"), "another beta"));
        m_dialogs.answers << path("other/beta.txt");
        m_dialogs.said.clear();
        page.OnAdd();
        QVERIFY(m_dialogs.last().text.contains("beta.txt"));
        QVERIFY(page.Content().FindEntry("beta.txt")->localPath.isEmpty());
    }

    // Failures end with a message and leave the page usable.
    void failures()
    {
        CPage4& page = *m_page;
        QVERIFY(load(m_images["plain"]));
        bool ok = true;
        QVERIFY(run(&CPage4::OnSave, path("no-such-folder/x.iso"), &ok));
        QVERIFY(!ok);
        QVERIFY2(m_dialogs.last().text.startsWith("The ISO file could not be"), qPrintable(m_dialogs.last().text));
        QVERIFY(!page.Progress()->isVisible());

        QVERIFY(QFile::rename(path("slow7z"), path("slow7z.away")));
        QVERIFY(!load(m_images["plain"]));
        QVERIFY(QFile::rename(path("slow7z.away"), path("slow7z")));
        QVERIFY2(m_dialogs.last().text.contains("could not be started"), qPrintable(m_dialogs.last().text));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(page.findChild<QWidget*>("loadiso")->isEnabled());
        QVERIFY(!page.findChild<QWidget*>("save")->isEnabled());
        QVERIFY(!page.IsExtracting());

        const QString junk = path("junk.iso");
        QVERIFY(TestUtil::writeFile(junk, QByteArray(100000, 'j')));
        QVERIFY(!load(junk));
        QVERIFY(m_dialogs.last().text.contains("could not be read"));
        QVERIFY(page.findChild<QWidget*>("loadiso")->isEnabled());
    }
};

QTEST_MAIN(TestPage4)
#include "tst_editpage.moc"
