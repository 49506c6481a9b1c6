// The edit page end to end, headless: images made by genisoimage, opened with
// the real 7-Zip (held back a little before extracting, so edits meet a
// running extraction), saved by genisoimage and read back with xorriso.
#include "app/mainwindow.h"
#include "image/extractjob.h"
#include "image/filecopy.h"
#include "pages/contentviews.h"
#include "pages/editpage.h"
#include "pages/searchhits.h"
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

    bool check(const QString& name, bool on = true, CPage4* page = nullptr)
    {
        QTableWidget* table = (page ? page : m_page.get())->Table();
        const int row = rowOf(table, name);
        if (row < 0)
            return false;
        table->item(row, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
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

    // An edit page of `window` with its image open and one change made.
    CPage4* openChanged(MainWindow& window)
    {
        window.show();
        window.OpenStartPage("edit", m_images["plain"]);
        auto* page = qobject_cast<CPage4*>(window.CurrentPage());
        QSignalSpy listed(page, &CPage4::sigListingEnded);
        if (!page || !listed.wait(20000) || page->Session()->hasUnsavedChanges() || !check("beta.txt", true, page))
            return nullptr;
        page->OnDelete();
        return page->Session()->hasUnsavedChanges() ? page : nullptr;
    }

    // Every item below a folder: "name/" for a folder, "name -> target" for
    // a link, "name: content" for a file.
    static QStringList describe(const QString& folder)
    {
        QStringList items;
        for (const QString& name : TestUtil::listTree(folder)) {
            const QFileInfo info(folder + "/" + name);
            if (info.isSymLink())
                items << name + " -> " + info.symLinkTarget().section('/', -1);
            else if (info.isDir())
                items << name + "/";
            else
                items << name + ": " + QString::fromUtf8(TestUtil::readFile(info.filePath()));
        }
        return items;
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

    // Export into a folder that holds items of the same names asks first;
    // nothing of the user's goes without that choice, a folder of theirs is
    // merged into, their link is replaced (never followed), and a file never
    // takes a folder's place or the other way round.
    void exportAsksAboutExisting_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("after"); // of the items the export touches
        const QStringList untouched {"beta.txt: mine", "boot: my boot file", "docs -> elsewhere", "elsewhere/",
            "elsewhere/keep.txt: elsewhere", "extra/", "extra/mine.txt: my own", "extra/sub/", "extra/sub/a.txt: my a",
            "plain.txt -> elsewhere"};
        QTest::newRow("replace") << 0
                                 << QStringList {"beta.txt: beta", "boot: my boot file", "docs/",
                                        "docs/readme.txt: read me", "elsewhere/", "elsewhere/keep.txt: elsewhere",
                                        "extra/", "extra/mine.txt: my own", "extra/sub/", "extra/sub/a.txt: a",
                                        "plain.txt: plain"};
        QTest::newRow("keep mine") << 1 << untouched;
        QTest::newRow("cancel") << 2 << untouched;
    }

    void exportAsksAboutExisting()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, after);
        CPage4& page = *m_page;
        QVERIFY(load(m_images["plain"]));
        QTemporaryDir out;
        QVERIFY(TestUtil::writeFile(out.filePath("beta.txt"), "mine"));
        QVERIFY(TestUtil::writeFile(out.filePath("boot"), "my boot file"));
        QVERIFY(TestUtil::writeFile(out.filePath("extra/mine.txt"), "my own"));
        QVERIFY(TestUtil::writeFile(out.filePath("extra/sub/a.txt"), "my a"));
        QVERIFY(TestUtil::writeFile(out.filePath("elsewhere/keep.txt"), "elsewhere"));
        QVERIFY(QFile::link("elsewhere", out.filePath("docs")));
        QVERIFY(QFile::link("elsewhere", out.filePath("plain.txt")));
        for (const char* name : {"beta.txt", "extra", "docs", "boot", "plain.txt"})
            QVERIFY(check(name));
        m_dialogs.confirmations << answer;
        m_dialogs.answers << out.path();
        QSignalSpy exported(&page, &CPage4::sigExportEnded);
        page.OnExport();
        QCOMPARE(bool(page.Running()), answer != 2);
        QVERIFY(!page.Running() || exported.wait(60000));
        QVERIFY(!m_dialogs.said.isEmpty());
        const ScriptedDialogs::Said question = m_dialogs.said.first();
        QCOMPARE(question.kind, ScriptedDialogs::Said::Choice);
        QCOMPARE(question.choices, QStringList({"Replace", "Keep Mine", "Cancel"}));
        for (const char* name : {"beta.txt", "extra/sub/a.txt", "docs", "plain.txt"})
            QVERIFY2(question.text.contains(name), qPrintable(question.text));
        QVERIFY(!question.text.contains("boot")); // never replaced, so not asked about
        QCOMPARE(describe(out.path()), after);
        if (answer != 2) {
            // The file where a folder would go is named; no success is claimed.
            QVERIFY(!exported.first().first().toBool());
            QVERIFY2(m_dialogs.last().text.contains("boot"), qPrintable(m_dialogs.last().text));
        }
    }

    // Back, Load ISO and closing the program with changes not saved ask
    // Save / Discard / Cancel; Save leaves only after the save succeeded,
    // Cancel keeps everything.
    void unsavedChanges_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::addColumn<int>("answer");
        for (const char* leave : {"back", "load", "close"}) {
            QTest::newRow(qPrintable(QString(leave) + " save")) << QString(leave) << 0;
            QTest::newRow(qPrintable(QString(leave) + " discard")) << QString(leave) << 1;
            QTest::newRow(qPrintable(QString(leave) + " cancel")) << QString(leave) << 2;
        }
    }

    void unsavedChanges()
    {
        QFETCH(QString, leave);
        QFETCH(int, answer);
        MainWindow window(nullptr, m_context);
        CPage4* page = openChanged(window);
        QVERIFY(page);
        const int rows = page->Table()->rowCount(); // with the change

        const QString saved = path("unsaved-" + leave + ".iso");
        m_dialogs.confirmations << answer;
        if (answer == 0)
            m_dialogs.answers << saved;
        m_dialogs.answers << m_images["table"]; // for Load ISO
        QSignalSpy saveEnded(page, &CPage4::sigSaveEnded);
        bool mayClose = false;
        int closeCalls = 0;
        if (leave == "back")
            page->close();
        else if (leave == "load")
            page->OnLoadISO();
        else
            mayClose = page->MayClose([&] { ++closeCalls; });
        QVERIFY(!m_dialogs.said.isEmpty());
        QCOMPARE(m_dialogs.said.first().choices, QStringList({"Save", "Discard", "Cancel"}));
        QVERIFY(m_dialogs.said.first().text.contains("plain.iso"));
        if (answer == 0) {
            QVERIFY(saveEnded.wait(60000));
            QVERIFY(saveEnded.first().first().toBool());
            QVERIFY(!TestUtil::xorrisoFind(saved).contains("beta.txt"));
        }
        QTest::qWait(50); // what waited for the save goes on
        const bool left = answer != 2;
        QCOMPARE(page->isHidden(), left && leave == "back");
        QCOMPARE(page->ImagePath(), left && leave == "load" ? m_images["table"] : m_images["plain"]);
        QCOMPARE(mayClose, answer == 1 && leave == "close");
        QCOMPARE(closeCalls, answer == 0 && leave == "close" ? 1 : 0);
        if (!left) {
            QVERIFY(page->Session()->hasUnsavedChanges());
            QCOMPARE(page->Table()->rowCount(), rows);
            QVERIFY(!m_dialogs.requests.contains("ChooseOpenFile:ISO Files(*.ISO)"));
        }
    }

    // The search finds names anywhere in the image and shows their folders;
    // choosing a hit opens its folder with the hit selected.
    void searchWholeImage()
    {
        CPage4& page = *m_page;
        QVERIFY(load(m_images["plain"]));
        page.SearchBox()->setText("A.TXT");
        SearchHits* hits = page.Hits();
        QVERIFY(!hits->isHidden());
        QStringList shown;
        for (int i = 0; i < hits->topLevelItemCount(); ++i)
            shown << hits->topLevelItem(i)->text(0) + " " + hits->topLevelItem(i)->text(1);
        QCOMPARE(shown, QStringList({"beta.txt /", "a.txt /extra/sub"}));
        QTest::keyClick(page.SearchBox(), Qt::Key_Down);
        QTest::keyClick(hits, Qt::Key_Down);
        QTest::keyClick(hits, Qt::Key_Return);
        QVERIFY(hits->isHidden());
        QCOMPARE(page.CurrentFolder()->name, QString("extra\\sub"));
        QCOMPARE(page.Table()->currentRow(), rowOf(page.Table(), "a.txt"));
        QVERIFY(page.Table()->item(page.Table()->currentRow(), 0)->isSelected());
        QCOMPARE(ContentView::EntryOfItem(page.Tree()->currentItem()), page.CurrentFolder());
        page.SearchBox()->setText("no such name");
        QVERIFY(hits->isHidden());
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

    // Last: once the program has closed, no tool starts any more in this process.
    // Closing the window with changes asks first; after Save it closes once
    // the save has succeeded.
    void closingTheProgram()
    {
        int exitCode = -1;
        PageContext context = m_context;
        context.exit = [&](int code) {
            exitCode = code;
        };
        MainWindow window(nullptr, context);
        CPage4* page = openChanged(window);
        QVERIFY(page);
        m_dialogs.confirmations << 2;
        window.close();
        QCOMPARE(m_dialogs.last().kind, ScriptedDialogs::Said::Choice);
        QCOMPARE(exitCode, -1);
        QVERIFY(window.isVisible());

        QSignalSpy saveEnded(page, &CPage4::sigSaveEnded);
        m_dialogs.confirmations << 0;
        m_dialogs.answers << path("closing.iso");
        window.close();
        QCOMPARE(exitCode, -1);
        QVERIFY(saveEnded.wait(60000));
        QTRY_COMPARE(exitCode, 0);
        QVERIFY(!TestUtil::xorrisoFind(path("closing.iso")).contains("beta.txt"));
    }
};

QTEST_MAIN(TestPage4)
#include "tst_editpage.moc"
