// Folder tree and file table over the content model, file icons and types,
// and the test seams of the file choosers and message shortcuts.

#include "image/gui/contentviews.h"
#include "image/gui/fileicons.h"
#include "image/gui/filedialogs.h"
#include "image/gui/messages.h"
#include "image/isocontent.h"
#include "ui/commdialog.h"
#include "ui/gerneraldialog.h"
#include "ui/imagebutton.h"
#include "ui/modalhook.h"

#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

IsoEntry entry(const QString& name, bool isDir, const QString& size = QString())
{
    IsoEntry e;
    e.name = name;
    e.isDir = isDir;
    e.sizeText = size;
    e.dateText = QStringLiteral("2019-03-19 11:22:04");
    return e;
}

} // namespace

class TestContentViews : public QObject
{
    Q_OBJECT

    IsoContentTree m_content;
    QTreeWidget* m_tree = nullptr;
    QTableWidget* m_table = nullptr;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_content.label = QStringLiteral("win.iso");
        // Listing order, including a file before its folder.
        for (const IsoEntry& e :
             {entry("setup.exe", false, "1536"), entry("boot\\bcd", false, "8192"), entry("boot", true),
              entry("boot\\fonts", true), entry("boot\\fonts\\chs_boot.ttf", false, ""),
              entry("sources", true), entry("README", false, "0"), entry("Sources.txt", false, "7")})
            m_content.AddEntry(e);
        m_tree = new QTreeWidget;
        m_table = new QTableWidget;
        m_table->setColumnCount(ContentView::ColumnCount);
    }

    void cleanupTestCase()
    {
        delete m_tree;
        delete m_table;
    }

    void folderTree()
    {
        QTreeWidgetItem* top = ContentView::ShowContent(m_tree, m_content);
        QCOMPARE(m_tree->topLevelItemCount(), 1);
        QCOMPARE(top->text(0), QStringLiteral("win.iso"));
        QVERIFY(top->isExpanded());
        QCOMPARE(ContentView::EntryOfItem(top), &m_content.root);
        // Folders only, in listing order.
        QCOMPARE(top->childCount(), 2);
        QCOMPARE(top->child(0)->text(0), QStringLiteral("boot"));
        QCOMPARE(top->child(1)->text(0), QStringLiteral("sources"));
        QCOMPARE(top->child(0)->child(0)->text(0), QStringLiteral("fonts"));
        IsoEntry* fonts = m_content.FindEntry(QStringLiteral("boot\\fonts"));
        QCOMPARE(ContentView::FindTreeItem(top, fonts), top->child(0)->child(0));
        QVERIFY(!ContentView::FindTreeItem(top, m_content.FindEntry(QStringLiteral("boot\\bcd"))));
        QCOMPARE(ContentView::FolderPrefix(m_tree, fonts), QStringLiteral("boot\\fonts\\"));
        QCOMPARE(ContentView::FolderPrefix(m_tree, &m_content.root), QString());
        // Revealing a folder expands its parent and selects it alone.
        top->child(0)->setExpanded(false);
        top->child(1)->setSelected(true);
        ContentView::RevealFolder(m_tree, fonts);
        QVERIFY(top->child(0)->isExpanded());
        QCOMPARE(m_tree->selectedItems(), QList<QTreeWidgetItem*>{top->child(0)->child(0)});
        m_tree->setCurrentItem(top->child(1));
        QCOMPARE(ContentView::FolderOfCurrentItem(m_tree), m_content.FindEntry(QStringLiteral("sources")));
    }

    void fileTable()
    {
        const QList<IsoEntry*> rows = ContentView::FillFileTable(m_table, &m_content.root);
        QCOMPARE(rows.size(), 5);
        QCOMPARE(m_table->rowCount(), 5);
        auto text = [&](int r, int c) { return m_table->item(r, c)->text(); };
        QCOMPARE(text(0, 0), QStringLiteral("setup.exe"));
        QCOMPARE(text(0, 1), QStringLiteral("1.50 KB"));
        QCOMPARE(text(0, 3), QStringLiteral("2019-03-19 11:22:04"));
        QCOMPARE(text(1, 0), QStringLiteral("boot"));
        QCOMPARE(text(1, 1), QString());
        QCOMPARE(text(1, 2), QStringLiteral("Folder"));
        QCOMPARE(m_table->item(1, 0)->data(Qt::UserRole).toInt(), 1);
        QVERIFY(!m_table->item(0, 0)->data(Qt::UserRole).isValid());
        QCOMPARE(text(3, 2), QString()); // README has no extension, so no type
        for (int r = 0; r < 5; ++r)
            QCOMPARE(m_table->item(r, 0)->checkState(), Qt::Unchecked);

        const QList<IsoEntry*> boot =
            ContentView::FillFileTable(m_table, m_content.FindEntry(QStringLiteral("boot")));
        QCOMPARE(text(0, 1), QStringLiteral("8 KB"));
        QCOMPARE(boot.at(0)->name, QStringLiteral("boot\\bcd"));
        ContentView::FillFileTable(m_table, m_content.FindEntry(QStringLiteral("boot\\fonts")));
        QCOMPARE(text(0, 1), QStringLiteral("0 B")); // empty size text
        // The filter matches display names in any case; rows map to their entries.
        const QList<IsoEntry*> filtered =
            ContentView::FillFileTable(m_table, &m_content.root, QStringLiteral("SOURCES"));
        QCOMPARE(filtered.size(), 2);
        QCOMPARE(filtered.at(0), m_content.FindEntry(QStringLiteral("sources")));
        QCOMPARE(filtered.at(1)->name, QStringLiteral("Sources.txt"));
        QVERIFY(ContentView::FillFileTable(m_table, nullptr).isEmpty());
        QCOMPARE(m_table->rowCount(), 0);
    }

    void checkBoxes()
    {
        ContentView::FillFileTable(m_table, &m_content.root);
        QTableWidgetItem* size = m_table->item(2, 1);
        // On the box itself the item toggles by itself: nothing more here.
        QVERIFY(!ContentView::ToggleRowCheck(m_table, m_table->item(2, 0), 16));
        QCOMPARE(m_table->item(2, 0)->checkState(), Qt::Unchecked);
        QVERIFY(ContentView::ToggleRowCheck(m_table, size, 17));
        QCOMPARE(m_table->item(2, 0)->checkState(), Qt::Checked);
        QVERIFY(ContentView::ToggleRowCheck(m_table, size, 200));
        QCOMPARE(m_table->item(2, 0)->checkState(), Qt::Unchecked);
        m_table->item(2, 0)->setCheckState(Qt::PartiallyChecked);
        QVERIFY(!ContentView::ToggleRowCheck(m_table, size, 200));
        QTableWidgetItem stray(QStringLiteral("not in the table"));
        QVERIFY(!ContentView::ToggleRowCheck(m_table, &stray, 200));
        QVERIFY(!ContentView::ToggleRowCheck(m_table, nullptr, 200));

        ContentView::SetAllChecked(m_table, true);
        QCOMPARE(ContentView::CheckedRows(m_table), (QList<int>{0, 1, 2, 3, 4}));
        ContentView::SetAllChecked(m_table, false);
        QVERIFY(ContentView::CheckedRows(m_table).isEmpty());
        // Check marks do not survive a refill.
        ContentView::SetAllChecked(m_table, true);
        ContentView::FillFileTable(m_table, &m_content.root);
        QVERIFY(ContentView::CheckedRows(m_table).isEmpty());
    }

    void iconsAndTypes()
    {
        QCOMPARE(ExtensionOf(QStringLiteral("a.tar.gz")), QStringLiteral(".gz"));
        QCOMPARE(ExtensionOf(QStringLiteral(".bashrc")), QString());
        QCOMPARE(ExtensionOf(QStringLiteral("README")), QString());
        // Names without an extension share the generic file icon.
        const QIcon generic = FileIconFor(QStringLiteral("README"));
        QCOMPARE(FileIconFor(QStringLiteral(".bashrc")).cacheKey(), generic.cacheKey());
        // Cached per extension: asking again gives the very same icon, and
        // the upper-case spelling is an entry of its own.
        const QIcon exe = FileIconFor(QStringLiteral("setup.exe"));
        QCOMPARE(FileIconFor(QStringLiteral("other.exe")).cacheKey(), exe.cacheKey());
        const QIcon upper = FileIconFor(QStringLiteral("SETUP.EXE"));
        QCOMPARE(FileIconFor(QStringLiteral("X.EXE")).cacheKey(), upper.cacheKey());
        QVERIFY(!FileTypeFor(QStringLiteral("a.txt")).isEmpty());
        QCOMPARE(FileTypeFor(QStringLiteral("a.txt")), FileTypeFor(QStringLiteral("b.txt")));
        QCOMPARE(FileTypeFor(QStringLiteral("README")), QString());
        QVERIFY(!FileTypeFor(QStringLiteral("a.qqqzzz")).isEmpty());
    }

    void dialogAnswers()
    {
        SetDialogAnswersForTest({QStringLiteral("/tmp/out"), QStringLiteral("/x/a.iso"),
                                 QStringLiteral("/a\n/b/c d\n"), QString(), QStringLiteral("/s.iso")});
        QVERIFY(DialogTestModeActive());
        QCOMPARE(ChooseFolder(nullptr), QStringLiteral("/tmp/out"));
        QCOMPARE(ChooseOpenFile(nullptr, QStringLiteral("ISO Files(*.ISO)")), QStringLiteral("/x/a.iso"));
        QCOMPARE(ChooseItems(nullptr, true), (QStringList{"/a", "/b/c d"}));
        QVERIFY(ChooseOpenFiles(nullptr).isEmpty()); // an empty answer cancels
        QCOMPARE(PendingDialogAnswersForTest(), 1);
        QCOMPARE(ChooseSaveFile(nullptr, QStringLiteral("*.iso")), QStringLiteral("/s.iso"));
        QCOMPARE(ChooseFolder(nullptr), QString()); // queue empty: cancelled, no dialog
        QCOMPARE(DialogRequestsForTest(),
                 (QStringList{"ChooseFolder", "ChooseOpenFile:ISO Files(*.ISO)", "ChooseItems:files",
                              "ChooseOpenFiles", "ChooseSaveFile:*.iso", "ChooseFolder"}));
        ResetDialogsForTest();
        QVERIFY(!DialogTestModeActive());
        QVERIFY(DialogRequestsForTest().isEmpty());
    }

    void messagesRecorded()
    {
        MessageTest::setEnabled(true);
        MessageTest::queueAnswers({1});
        QCOMPARE(AskQuestion(QStringLiteral(":/vud/q"), QStringLiteral("Sure?")), 1);
        QCOMPARE(AskQuestion(QStringLiteral(":/vud/q"), QStringLiteral("Again?")), 0);
        ShowMessage(QStringLiteral("Done."));
        ShowOpenFolderMessage(QStringLiteral("Extract files successfully."), QStringLiteral("/out"));
        ShowPictureMessage(QStringLiteral(":/vud/select_files_extract"), QStringLiteral("Pick"));
        const QList<ShownMessage> shown = MessageTest::shown();
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown[0].kind, ShownMessage::Question);
        QCOMPARE(shown[0].picture, QStringLiteral(":/vud/q"));
        QCOMPARE(shown[2].text, QStringLiteral("Done."));
        QCOMPARE(shown[3].folder, QStringLiteral("/out"));
        QCOMPARE(MessageTest::last().kind, ShownMessage::Picture);
        MessageTest::setEnabled(false);
        QVERIFY(MessageTest::shown().isEmpty());
    }

    // Without the recorder the shortcuts build the real dialogs.
    void realDialogs()
    {
        QString text, folder;
        bool single = false;
        {
            ModalHook::Scope answer([&](QDialog* d) {
                auto* c = qobject_cast<CommDialog*>(d);
                text = c->Text();
                folder = c->OpenFolderPath();
                single = c->CancelButton()->isHidden();
                return 1;
            });
            ShowMessage(QStringLiteral("Plain"));
            QCOMPARE(text, QStringLiteral("Plain"));
            QVERIFY(single);
            ShowOpenFolderMessage(QStringLiteral("Opened"), QStringLiteral("/out"));
            QCOMPARE(folder, QStringLiteral("/out"));
            QCOMPARE(AskQuestion(QStringLiteral(":/vud/none"), QStringLiteral("Q?")), 1);
            QCOMPARE(text, QStringLiteral("Q?"));
        }
        {
            ModalHook::Scope answer([&](QDialog* d) {
                text = qobject_cast<GerneralDialog*>(d)->Text();
                return 1;
            });
            ShowPictureMessage(QStringLiteral(":/vud/select_files_extract"), QStringLiteral("Pick one"));
            QCOMPARE(text, QStringLiteral("Pick one"));
        }
    }
};

QTEST_MAIN(TestContentViews)
#include "tst_contentviews.moc"
