// The extract page end to end, headless: images made by genisoimage, listed
// and extracted by the real 7-Zip; dialogs answered from a script.
#include "core/tools.h"
#include "image/extractjob.h"
#include "pages/contentviews.h"
#include "pages/extractpage.h"
#include "ui/checkboxheaderview.h"
#include "ui/progressdialog.h"
#include "ui/settings.h"

#include "scripteddialogs.h"
#include "testutil.h"
#include "uitestutil.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using Said = ScriptedDialogs::Said;
using TestUtil::listTree;
using TestUtil::readFile;

class TestPage2 : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_image; // bootable: boot, sources, "-y", a name with spaces, [BOOT]
    QString m_largeImage; // 300 MB of sparse files
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CPage2> m_page;
    std::unique_ptr<QTemporaryDir> m_out; // the output folder, holding a file of the user's

    QString out() const { return m_out->path(); }

    QString src() const { return m_dir.path() + "/src"; }

    // Loads through the page's own chooser, then opens and ticks (see below).
    bool load(const QString& image, const QStringList& folders = {}, const QStringList& names = {})
    {
        QSignalSpy ended(m_page.get(), &CPage2::sigListingEnded);
        m_dialogs.answers.clear();
        m_dialogs.answers << image;
        m_page->OnLoadISO();
        return ended.wait(20000) && openAndTick(folders, names);
    }

    // Opens `folders` by double-clicks and ticks `names` there.
    bool openAndTick(const QStringList& folders, const QStringList& names = {})
    {
        QTableWidget* table = m_page->Table();
        for (const QString& folder : folders) {
            table->setCurrentCell(rowOf(table, folder), 0);
            m_page->OnListViewDoubleClicked();
            if (LastPathComponent(m_page->CurrentFolder()->name) != folder)
                return false;
        }
        for (const QString& name : names) {
            if (rowOf(table, name) < 0)
                return false;
            table->item(rowOf(table, name), 0)->setCheckState(Qt::Checked);
        }
        return true;
    }

    // Shows the image's root through the tree.
    void showRoot()
    {
        m_page->Tree()->setCurrentItem(m_page->Tree()->topLevelItem(0));
        m_page->OnTreeCurrentChanged();
    }

    // Runs OnExtract with `folder` as the chooser's answer; true when the run ended.
    bool extract(const QString& folder = QString())
    {
        QSignalSpy ended(m_page.get(), &CPage2::sigExtractionEnded);
        m_dialogs.answers << (folder.isEmpty() ? out() : folder);
        m_page->OnExtract();
        return !m_page->Job() || !m_page->Job()->isRunning() || ended.wait(60000);
    }

    void verifyUsable()
    {
        QVERIFY(m_page->isEnabled());
        QVERIFY(!m_page->Progress()->isVisible());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(m_page->findChild<QWidget*>("loadiso")->isEnabled());
        QVERIFY(m_page->findChild<QWidget*>("extract")->isEnabled());
        QCOMPARE(readFile(out() + "/keep.txt"), QByteArray("mine"));
    }

    void verifyMessage(const QString& part)
    {
        QCOMPARE(m_dialogs.said.size(), 1);
        QVERIFY2(m_dialogs.last().text.contains(part), qPrintable(m_dialogs.last().text));
    }

    // A shell script that runs `before`, then the installed 7-Zip.
    QString script(const QString& name, const QByteArray& before = QByteArray())
    {
        const QString path = m_dir.path() + "/" + name;
        if (!TestUtil::writeFile(path, "#!/bin/sh\n" + before + "exec '" + Tools::archiveTool().toUtf8() + "' \"$@\"\n")
            || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // A fresh page whose 7-Zip is `archive` (empty: the installed one).
    void newPage(const QString& archive = QString())
    {
        m_page.reset();
        PageContext context {&m_dialogs};
        if (!archive.isEmpty())
            context.tools.archive = archive;
        m_page.reset(new CPage2(nullptr, context));
        m_page->InitializeUI();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        const QList<QPair<QString, QByteArray>> files {{"boot/bcd", QByteArray(300000, 'b')},
            {"boot/fonts/a.ttf", "font a"}, {"boot/fonts/b.ttf", "font b"}, {"sources/f1.bin", QByteArray(70000, 's')},
            {"sources/setup.exe", "nested setup"}, {"setup.exe", "root setup"}, {"-y", "a name like a switch"},
            {"Program Files/My App/read me.txt", "spaces"}};
        for (const auto& file : files)
            QVERIFY(TestUtil::writeFile(src() + "/" + file.first, file.second));
        m_image = m_dir.path() + "/content.iso";
        QVERIFY(TestUtil::makeIso(src(), m_image, {"-b", "boot/bcd", "-no-emul-boot", "-boot-load-size", "4"}));
        QVERIFY(TestUtil::makeSparseFile(m_dir.path() + "/largesrc/big/one.bin", 150 * 1024 * 1024));
        QVERIFY(TestUtil::makeSparseFile(m_dir.path() + "/largesrc/big/two.bin", 150 * 1024 * 1024));
        m_largeImage = m_dir.path() + "/large.iso";
        QVERIFY(TestUtil::makeIso(m_dir.path() + "/largesrc", m_largeImage));
    }

    void init()
    {
        m_dialogs = ScriptedDialogs();
        newPage();
        m_out.reset(new QTemporaryDir);
        QVERIFY(TestUtil::writeFile(out() + "/keep.txt", "mine"));
    }

    void cleanup()
    {
        m_page.reset();
        m_out.reset();
    }

    // Check marks belong to one table fill; the tree follows the table.
    void listingAndBrowsing()
    {
        CPage2& page = *m_page;
        QVERIFY(load(m_image));
        QCOMPARE(m_dialogs.requests, QStringList {"ChooseOpenFile:ISO Files(*.ISO)"});
        QVERIFY(m_dialogs.said.isEmpty());
        verifyUsable();
        QCOMPARE(page.Tree()->topLevelItem(0)->text(0), QString("content.iso"));
        const int rows = page.Table()->rowCount(); // [BOOT] and boot.catalog besides the tree's items
        QCOMPARE(rows, 7);
        page.slotSelectAll(true);
        QCOMPARE(ContentView::CheckedRows(page.Table()).size(), rows);
        QVERIFY(openAndTick({"boot"}));
        QVERIFY(ContentView::CheckedRows(page.Table()).isEmpty());
        QCOMPARE(page.Tree()->selectedItems().size(), 1);
        QCOMPARE(page.Tree()->selectedItems().first()->text(0), QString("boot"));
        page.Table()->setCurrentCell(rowOf(page.Table(), "bcd"), 0);
        page.OnListViewDoubleClicked(); // a file: nothing happens
        QCOMPARE(page.CurrentFolder()->name, QString("boot"));
        showRoot();
        QCOMPARE(page.CurrentFolder(), &page.Content().root);
        QCOMPARE(page.Table()->rowCount(), rows);
    }

    // Folder path opened by double-clicks, ticked names, and what the output
    // folder holds afterwards.
    void extractTickedItems_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QStringList>("after");
        // sources/setup.exe shares a ticked name but stays behind.
        QTest::newRow("root: bare names, nothing moved or removed")
            << QStringList {} << QStringList {"setup.exe", "-y", "Program Files"}
            << QStringList {"-y", "Program Files", "Program Files/My App", "Program Files/My App/read me.txt",
                   "keep.txt", "setup.exe"};
        QTest::newRow("bcd and fonts from boot: no boot folder left")
            << QStringList {"boot"} << QStringList {"bcd", "fonts"}
            << QStringList {"bcd", "fonts", "fonts/a.ttf", "fonts/b.ttf", "keep.txt"};
        QTest::newRow("a name with spaces, two folders down") << QStringList {"Program Files",
            "My App"} << QStringList {"read me.txt"} << QStringList {"keep.txt", "read me.txt"};
        QTest::newRow("El Torito entry without a date")
            << QStringList {"[BOOT]"} << QStringList {"Boot-NoEmul.img"} << QStringList {"Boot-NoEmul.img", "keep.txt"};
    }

    void extractTickedItems()
    {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, ticked);
        QFETCH(QStringList, after);
        QVERIFY(load(m_image, folders, ticked));
        QVERIFY(extract());

        QCOMPARE(m_page->Job()->status(), ExtractJob::Status::Succeeded);
        QCOMPARE(m_dialogs.said.size(), 1);
        QCOMPARE(m_dialogs.last().kind, Said::OpenFolder);
        QCOMPARE(m_dialogs.last().folder, out());
        QCOMPARE(listTree(out()), after);
        for (const QString& path : after) {
            const QString source = src() + "/" + folders.join('/') + "/" + path;
            if (ticked.contains(path.section('/', 0, 0)) && QFileInfo(source).isFile())
                QCOMPARE(readFile(out() + "/" + path), readFile(source));
        }
        verifyUsable();
    }

    // Ticks stay with their items while the user looks into other folders,
    // and the header's box follows the folder shown.
    void ticksAcrossFolders()
    {
        CPage2& page = *m_page;
        auto* header = static_cast<SCheckBoxHeaderView*>(page.Table()->horizontalHeader());
        QVERIFY(load(m_image, {}, {"setup.exe"}));
        QVERIFY(!header->AllSelected());
        QVERIFY(openAndTick({"boot"}));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, header->CheckBoxRect(QRect(0, 0, 149, 20)).center());
        QCOMPARE(ContentView::CheckedRows(page.Table()).size(), 2);
        QVERIFY(header->AllSelected());
        page.Table()->item(rowOf(page.Table(), "fonts"), 0)->setCheckState(Qt::Unchecked);
        QVERIFY(!header->AllSelected());
        showRoot(); // back to the root: setup.exe is still ticked
        QCOMPARE(ContentView::CheckedRows(page.Table()), QList<int> {rowOf(page.Table(), "setup.exe")});
        QVERIFY(!header->AllSelected());
        QVERIFY(openAndTick({"sources"})); // a folder never ticked: the first click ticks all
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(60, 5)); // the caption: no toggle
        QVERIFY(ContentView::CheckedRows(page.Table()).isEmpty());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, header->CheckBoxRect(QRect(0, 0, 149, 20)).center());
        QCOMPARE(ContentView::CheckedRows(page.Table()).size(), page.Table()->rowCount());
        page.slotSelectAll(false);

        QVERIFY(extract());
        QCOMPARE(page.Job()->status(), ExtractJob::Status::Succeeded);
        QCOMPARE(listTree(out()), (QStringList {"bcd", "keep.txt", "setup.exe"}));
        QCOMPARE(readFile(out() + "/setup.exe"), QByteArray("root setup"));
    }

    // A double-click on a folder row opens it and leaves its box as it was;
    // a single click still ticks; a double-click on a file changes nothing.
    void doubleClickOpensWithoutTicking()
    {
        CPage2& page = *m_page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(load(m_image, {}, {"setup.exe"}));
        QTableWidget* table = page.Table();
        const auto rowPoint = [table](const QString& name) {
            return table->visualItemRect(table->item(rowOf(table, name), 1)).center();
        };
        // The page reads the cursor's position to tell a click on the box from one on the name.
        const auto click = [table](const QPoint& at) {
            QCursor::setPos(table->viewport()->mapToGlobal(at));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        };
        const auto doubleClick = [table, click](const QPoint& at) {
            // What the window system delivers: press, release, press, double-click, release.
            click(at);
            QTest::mousePress(table->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, at);
        };
        click(rowPoint("sources"));
        QCOMPARE(ContentView::CheckedRows(table).size(), 2); // setup.exe and sources
        click(rowPoint("sources"));
        doubleClick(rowPoint("boot"));
        QCOMPARE(page.CurrentFolder()->name, QString("boot"));
        QVERIFY(ContentView::CheckedRows(table).isEmpty());
        QCOMPARE(page.ChosenItems().size(), 1); // setup.exe only
        doubleClick(rowPoint("bcd"));
        QCOMPARE(page.CurrentFolder()->name, QString("boot"));
        QVERIFY(ContentView::CheckedRows(table).isEmpty());
        click(rowPoint("bcd"));
        QCOMPARE(ContentView::CheckedRows(table), QList<int> {rowOf(table, "bcd")});
        showRoot();
        QCOMPARE(page.ChosenItems().size(), 2); // setup.exe and boot/bcd, not the boot folder
        QVERIFY(!page.ChosenItems().contains(page.Content().FindEntry("boot")));
    }

    // Enter opens the current folder row, Backspace goes up (in the table and
    // the tree), the arrow keys in the tree show the folder they reach.
    void keyboardNavigation()
    {
        CPage2& page = *m_page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(load(m_image));
        QTableWidget* table = page.Table();
        table->setFocus();
        table->setCurrentCell(rowOf(table, "setup.exe"), 0);
        QTest::keyClick(table, Qt::Key_Return); // a file: stays
        QCOMPARE(page.CurrentFolder(), &page.Content().root);
        table->setCurrentCell(rowOf(table, "Program Files"), 0);
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(page.CurrentFolder()->name, QString("Program Files"));
        table->setCurrentCell(rowOf(table, "My App"), 0);
        QTest::keyClick(table, Qt::Key_Enter);
        QCOMPARE(page.CurrentFolder()->name, QString("Program Files\\My App"));
        QCOMPARE(page.Tree()->currentItem()->text(0), QString("My App"));
        QTest::keyClick(table, Qt::Key_Backspace);
        QCOMPARE(page.CurrentFolder()->name, QString("Program Files"));
        QCOMPARE(rowOf(table, "My App"), 0);
        QTest::keyClick(page.Tree(), Qt::Key_Backspace);
        QCOMPARE(page.CurrentFolder(), &page.Content().root);
        QTest::keyClick(page.Tree(), Qt::Key_Backspace); // nothing above the root
        QCOMPARE(page.CurrentFolder(), &page.Content().root);

        page.Tree()->setCurrentItem(page.Tree()->topLevelItem(0));
        page.OnTreeCurrentChanged();
        QTest::keyClick(page.Tree(), Qt::Key_Down); // the first folder below the root
        const QString first = page.Tree()->topLevelItem(0)->child(0)->text(0);
        QCOMPARE(LastPathComponent(page.CurrentFolder()->name), first);
        QCOMPARE(table->rowCount(), page.CurrentFolder()->childCount());
    }

    // An image dropped on the page is listed (and remembered as recent);
    // anything else, or a drop during a listing, is refused.
    void dropAnImage()
    {
        CPage2& page = *m_page;
        Settings::ClearRecentImages();
        const QString notImage = m_dir.path() + "/notes.txt";
        QVERIFY(TestUtil::writeFile(notImage, "text"));
        QVERIFY(!dropFiles(&page, {notImage}));
        QVERIFY(!dropFiles(&page, {m_image, m_image}));
        QVERIFY(!dropFiles(&page, {m_dir.path() + "/missing.iso"}));
        QSignalSpy ended(&page, &CPage2::sigListingEnded);
        QVERIFY(dropFiles(&page, {m_image}));
        QVERIFY(page.IsListing());
        QVERIFY(!dropFiles(&page, {m_largeImage}));
        QVERIFY(ended.wait(20000));
        QCOMPARE(page.Table()->rowCount(), 7);
        QCOMPARE(page.ImagePath(), m_image);
        QCOMPARE(Settings::RecentImages(), QStringList {m_image});
        QVERIFY(m_dialogs.requests.isEmpty()); // no chooser
    }

    // Without an image the user is told to load one; with nothing ticked or
    // highlighted, what to do; without ticks the highlighted rows are the
    // selection; two items of one name are refused; a cancelled chooser ends it.
    void whatExtractTakes()
    {
        CPage2& page = *m_page;
        page.OnExtract();
        verifyMessage("load an ISO image");
        m_dialogs.said.clear();
        QVERIFY(load(m_image));
        page.OnExtract();
        QCOMPARE(m_dialogs.last().kind, Said::Picture);
        QCOMPARE(m_dialogs.requests.size(), 1); // only the image was asked for
        m_dialogs.said.clear();
        QVERIFY(openAndTick({"boot"}));
        page.Table()->selectRow(rowOf(page.Table(), "fonts"));
        QVERIFY(extract());
        QCOMPARE(listTree(out()), (QStringList {"fonts", "fonts/a.ttf", "fonts/b.ttf", "keep.txt"}));

        m_dialogs.said.clear();
        showRoot();
        page.Table()->item(rowOf(page.Table(), "setup.exe"), 0)->setCheckState(Qt::Checked);
        QVERIFY(openAndTick({"sources"}));
        page.Table()->item(rowOf(page.Table(), "setup.exe"), 0)->setCheckState(Qt::Checked);
        page.OnExtract();
        verifyMessage("More than one selected item is called setup.exe");
        QCOMPARE(m_dialogs.requests.size(), 2); // the image and the first output folder only

        m_dialogs.said.clear();
        page.slotSelectAll(false);
        page.OnExtract(); // no answer left: the folder chooser is cancelled
        QVERIFY(m_dialogs.said.isEmpty());
        QCOMPARE(m_dialogs.requests.size(), 3);
        verifyUsable();
    }

    // Files of the user's that would be replaced: asked once, with the
    // count and the first names; each answer does what it says.
    void askBeforeReplacing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("setup"); // out/setup.exe afterwards
        QTest::addColumn<bool>("extracted");
        QTest::newRow("replace") << 0 << QByteArray("root setup") << true;
        QTest::newRow("keep mine") << 1 << QByteArray("mine") << true;
        QTest::newRow("cancel") << 2 << QByteArray("mine") << false;
        QTest::newRow("closed") << -1 << QByteArray("mine") << false;
    }

    void askBeforeReplacing()
    {
        QFETCH(int, answer);
        QFETCH(QByteArray, setup);
        QFETCH(bool, extracted);
        QVERIFY(TestUtil::writeFile(out() + "/setup.exe", "mine"));
        QVERIFY(TestUtil::writeFile(out() + "/boot/fonts/a.ttf", "mine"));
        QVERIFY(load(m_image, {}, {"setup.exe", "boot", "-y"}));
        m_dialogs.confirmations << answer;
        QVERIFY(extract());
        const Said question = m_dialogs.said.first();
        QCOMPARE(question.kind, Said::Choice);
        QCOMPARE(question.choices, (QStringList {"Replace", "Keep Mine", "Cancel"}));
        QVERIFY2(question.text.startsWith("2 file(s) in " + out()), qPrintable(question.text));
        QVERIFY(question.text.contains("\nsetup.exe") && question.text.contains("\nboot/fonts/a.ttf"));
        QCOMPARE(readFile(out() + "/setup.exe"), setup);
        QCOMPARE(readFile(out() + "/boot/fonts/a.ttf"), setup == "mine" ? QByteArray("mine") : QByteArray("font a"));
        QCOMPARE(QFileInfo::exists(out() + "/boot/bcd"), extracted);
        QCOMPARE(QFileInfo::exists(out() + "/-y"), extracted);
        QCOMPARE(m_dialogs.said.size(), extracted ? 2 : 1);
        if (extracted) {
            QCOMPARE(m_dialogs.last().kind, Said::OpenFolder);
            QCOMPARE(m_dialogs.last().text.contains("kept"), answer == 1);
        }
    }

    void stopDuringLargeExtraction()
    {
        // The real 7-Zip, extracting after a pause: the whole run is over in a
        // few hundred ms, too short a window to press Stop in reliably.
        newPage(script("slow-7z", "[ \"$1\" = x ] && sleep 2\n"));
        CPage2& page = *m_page;
        QVERIFY(load(m_largeImage, {}, {"big"}));
        m_dialogs.answers << out();
        QSignalSpy ended(&page, &CPage2::sigExtractionEnded);
        page.OnExtract();
        QVERIFY(page.Job() && page.Job()->isRunning());
        QVERIFY(page.Progress()->isVisible());
        QVERIFY(!page.isEnabled());
        const QString staging = page.Job()->stagingFolder();
        QTRY_VERIFY_WITH_TIMEOUT(processWithArgument(staging), 5000);

        page.Progress()->OnBtnCancel(); // the Stop button
        QCOMPARE(page.Job()->status(), ExtractJob::Status::Stopped);
        QVERIFY(!processWithArgument(staging));
        QVERIFY(!QFileInfo::exists(staging));
        QTest::qWait(50); // a late end signal would arrive here
        QCOMPARE(ended.count(), 0);
        QVERIFY(m_dialogs.said.isEmpty());
        verifyUsable();

        QVERIFY(load(m_image, {}, {"setup.exe"}));
        QVERIFY(extract());
        QCOMPARE(page.Job()->status(), ExtractJob::Status::Succeeded);
    }

    // Images 7-Zip cannot list, or lists as another kind of archive: a clear
    // message, nothing shown, buttons and cursor back.
    void unreadableImage_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("says");
        QTest::newRow("not an ISO") << "random"
                                    << "damaged.\nCannot open the file as archive";
        QTest::newRow("truncated ISO") << "cut"
                                       << "damaged.\nCannot open the file as [Iso] archive";
        QTest::newRow("zip") << "zip"
                             << "The file unreadable.iso is not an ISO or UDF image: 7-Zip reads it as a zip archive.";
    }

    void unreadableImage()
    {
        QFETCH(QString, kind);
        QFETCH(QString, says);
        const QString image = m_dir.path() + "/unreadable.iso";
        QFile::remove(image);
        if (kind == "zip")
            QCOMPARE(TestUtil::run(Tools::archiveTool(), {"a", "-tzip", image, src() + "/setup.exe"}).exitCode, 0);
        else
            QVERIFY(
                TestUtil::writeFile(image, kind == "cut" ? readFile(m_image).left(50000) : QByteArray(100000, '\x17')));
        QVERIFY(load(image));
        verifyMessage(says);
        QCOMPARE(m_page->Tree()->topLevelItemCount(), 0);
        QCOMPARE(m_page->Table()->rowCount(), 0);
        verifyUsable();
        QVERIFY(load(m_image));
        QVERIFY(m_page->Table()->rowCount() > 0);
    }

    // Listed in full but its data cut off: a warning, then a failed
    // extraction that says why, never a success.
    void damagedImage()
    {
        const QString image = m_dir.path() + "/damaged.iso";
        QVERIFY(QFile::copy(m_largeImage, image));
        QVERIFY(QFile::resize(image, QFileInfo(m_largeImage).size() / 2));
        QVERIFY(load(image, {"big"}, {"one.bin", "two.bin"}));
        verifyMessage("damaged or incomplete");
        m_dialogs.said.clear();
        QVERIFY(extract());
        QCOMPARE(m_page->Job()->status(), ExtractJob::Status::Failed);
        verifyMessage("Data Error");
        // What arrived is said first, then what did not.
        QVERIFY2(m_dialogs.last().text.startsWith("1 of 2 items were extracted.\n"), qPrintable(m_dialogs.last().text));
        QVERIFY(m_dialogs.last().text.contains("Not extracted: two.bin"));
        // A cut-off file is not left under its real name, where it would look whole.
        QCOMPARE(listTree(out()), (QStringList {"keep.txt", "one.bin"}));
        QCOMPARE(QFileInfo(out() + "/one.bin").size(), 150 * 1024 * 1024);
        verifyUsable();
    }

    void missingTool()
    {
        const QString tool = script("gone-7z");
        newPage(tool);
        QVERIFY(load(m_image, {}, {"setup.exe"}));
        QVERIFY(QFile::remove(tool));
        QVERIFY(extract());
        verifyMessage("7-Zip could not be started");
        QCOMPARE(listTree(out()), QStringList {"keep.txt"});
        verifyUsable();
        m_dialogs.said.clear();
        QVERIFY(load(m_image));
        verifyMessage("7-Zip could not be started");
        verifyUsable();
    }

    // The output folder refuses the data: one clear message, the user's
    // same-named folder untouched, no staging folder left.
    void outputFolderFails_data()
    {
        QTest::addColumn<QString>("remount");
        QTest::addColumn<QString>("says");
        QTest::newRow("read-only") << "remount,ro"
                                   << "Cannot write to the folder";
        QTest::newRow("disk full") << ""
                                   << "No space left on device";
    }

    void outputFolderFails()
    {
        QFETCH(QString, remount);
        QFETCH(QString, says);
        const QString folder = m_dir.path() + "/" + QTest::currentDataTag();
        QVERIFY(QDir().mkpath(folder));
        if (TestUtil::run("mount", {"-t", "tmpfs", "-o", "size=40m", "tmpfs", folder}).exitCode != 0)
            QSKIP("Needs root to mount a small tmpfs");
        const auto unmount = qScopeGuard([&] { TestUtil::run("umount", {folder}); });
        QVERIFY(TestUtil::writeFile(folder + "/big/mine.txt", "mine"));
        if (!remount.isEmpty())
            QCOMPARE(TestUtil::run("mount", {"-o", remount, folder}).exitCode, 0);
        QVERIFY(load(m_largeImage, {}, {"big"}));
        QVERIFY(extract(folder));
        verifyMessage(says);
        QCOMPARE(readFile(folder + "/big/mine.txt"), QByteArray("mine"));
        for (const QString& path : listTree(folder))
            QVERIFY2(!path.startsWith(".quillon-extract"), qPrintable(path));
        verifyUsable();
    }

    // Traces ("... is called!!") stay off stderr unless asked for.
    void tracesQuietByDefault()
    {
        static QStringList seen;
        seen.clear();
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
                if (type == QtDebugMsg)
                    seen << text;
            });
        QVERIFY(load(m_image));
        qInstallMessageHandler(previous);
        QVERIFY2(seen.isEmpty(), qPrintable(seen.join('\n')));
    }
};

QTEST_MAIN(TestPage2)
#include "tst_extractpage.moc"
