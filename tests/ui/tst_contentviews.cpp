// Folder tree and file table over the content model, file icons and types,
// and the test seams of the file choosers and message shortcuts.

#include "image/isocontent.h"
#include "pages/contentviews.h"
#include "ui/commdialog.h"
#include "ui/fileicons.h"
#include "ui/gerneraldialog.h"
#include "ui/messages.h"

#include "uitestutil.h"

#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

class TestContentViews : public QObject {
    Q_OBJECT

    IsoContentTree m_content;
    QTreeWidget m_tree;
    QTableWidget m_table;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_content.label = QStringLiteral("win.iso");
        // Listing order, including a file before its folder.
        for (const char* name : {"setup.exe", "boot\\bcd", "boot\\", "boot\\fonts\\", "boot\\fonts\\chs_boot.ttf",
                 "sources\\", "README", "Sources.txt"}) {
            IsoEntry e;
            e.name = QString::fromLatin1(name);
            e.isDir = e.name.endsWith(QLatin1Char('\\'));
            if (e.isDir)
                e.name.chop(1);
            e.sizeText = e.name == QLatin1String("setup.exe") ? QStringLiteral("1536") : QString();
            m_content.AddEntry(e);
        }
        m_table.setColumnCount(ContentView::ColumnCount);
    }

    // Folders only, in listing order; revealing a folder expands its parent
    // and selects it alone (browsing and prefixes: the extract page's tests).
    void folderTree()
    {
        QTreeWidgetItem* top = ContentView::ShowContent(&m_tree, m_content);
        QCOMPARE(m_tree.topLevelItemCount(), 1);
        QCOMPARE(top->childCount(), 2);
        QCOMPARE(top->child(1)->text(0), QStringLiteral("sources"));
        top->child(0)->setExpanded(false);
        top->child(1)->setSelected(true);
        ContentView::RevealFolder(&m_tree, m_content.FindEntry(QStringLiteral("boot\\fonts")));
        QVERIFY(top->child(0)->isExpanded());
        QCOMPARE(m_tree.selectedItems(), QList<QTreeWidgetItem*> {top->child(0)->child(0)});
    }

    void fileTable()
    {
        QCOMPARE(ContentView::FillFileTable(&m_table, &m_content.root).size(), 5);
        auto text = [&](int r, int c) {
            return m_table.item(r, c)->text();
        };
        QCOMPARE(QStringList({text(0, 0), text(0, 1), text(1, 0), text(1, 1), text(1, 2), text(3, 2)}),
            QStringList({"setup.exe", "1.50 KB", "boot", "", "Folder", ""})); // README has no type
        QCOMPARE(m_table.item(1, 0)->data(Qt::UserRole).toInt(), 1);
        QVERIFY(!m_table.item(0, 0)->data(Qt::UserRole).isValid());
        ContentView::FillFileTable(&m_table, m_content.FindEntry(QStringLiteral("boot\\fonts")));
        QCOMPARE(text(0, 1), QStringLiteral("0 B")); // empty size text
        // The filter matches display names in any case; rows map to their entries.
        const QList<IsoEntry*> filtered = ContentView::FillFileTable(&m_table, &m_content.root, "SOURCES");
        QCOMPARE(filtered, (QList<IsoEntry*> {m_content.FindEntry("sources"), m_content.FindEntry("Sources.txt")}));
        QVERIFY(ContentView::FillFileTable(&m_table, nullptr).isEmpty());
        QCOMPARE(m_table.rowCount(), 0);
    }

    void checkBoxes()
    {
        ContentView::FillFileTable(&m_table, &m_content.root);
        QTableWidgetItem* size = m_table.item(2, 1);
        // On the box itself the item toggles by itself: nothing more here.
        QVERIFY(!ContentView::ToggleRowCheck(&m_table, m_table.item(2, 0), 16));
        QCOMPARE(m_table.item(2, 0)->checkState(), Qt::Unchecked);
        QVERIFY(ContentView::ToggleRowCheck(&m_table, size, 17));
        QCOMPARE(m_table.item(2, 0)->checkState(), Qt::Checked);
        QVERIFY(ContentView::ToggleRowCheck(&m_table, size, 200));
        QCOMPARE(m_table.item(2, 0)->checkState(), Qt::Unchecked);
        QTableWidgetItem stray(QStringLiteral("not in the table"));
        QVERIFY(!ContentView::ToggleRowCheck(&m_table, &stray, 200));
        QVERIFY(!ContentView::ToggleRowCheck(&m_table, nullptr, 200));
        ContentView::SetAllChecked(&m_table, true);
        QCOMPARE(ContentView::CheckedRows(&m_table), (QList<int> {0, 1, 2, 3, 4}));
        // Check marks do not survive a refill.
        ContentView::FillFileTable(&m_table, &m_content.root);
        QVERIFY(ContentView::CheckedRows(&m_table).isEmpty());
    }

    void iconsAndTypes()
    {
        QCOMPARE(ExtensionOf(QStringLiteral("a.tar.gz")), QStringLiteral(".gz"));
        QCOMPARE(ExtensionOf(QStringLiteral(".bashrc")), QString());
        // Cached per extension (case counts); no extension means the generic icon.
        QCOMPARE(FileIconFor("other.exe").cacheKey(), FileIconFor("setup.exe").cacheKey());
        QCOMPARE(FileIconFor("X.EXE").cacheKey(), FileIconFor("SETUP.EXE").cacheKey());
        QCOMPARE(FileIconFor(".bashrc").cacheKey(), FileIconFor("README").cacheKey());
        QCOMPARE(FileTypeFor(QStringLiteral("README")), QString());
        QVERIFY(!FileTypeFor(QStringLiteral("a.qqqzzz")).isEmpty());
    }

    // The shortcuts build the real dialogs.
    void realDialogs()
    {
        QString text, folder;
        bool single = false;
        ModalAnswers<> answer([&](QDialog* d) {
            if (auto* c = qobject_cast<CommDialog*>(d)) {
                folder = c->OpenFolderPath();
                single = c->CancelButton()->isHidden();
                text = c->Text();
            } else {
                text = qobject_cast<GerneralDialog*>(d)->Text();
            }
            return 1;
        });
        ShowMessage(QStringLiteral("Plain"));
        QVERIFY(text == QStringLiteral("Plain") && single);
        ShowOpenFolderMessage(QStringLiteral("Opened"), QStringLiteral("/out"));
        QCOMPARE(folder, QStringLiteral("/out"));
        QCOMPARE(AskQuestion(QStringLiteral(":/vud/none"), QStringLiteral("Q?")), 1);
        QVERIFY(text == QStringLiteral("Q?") && !single);
        ShowPictureMessage(QStringLiteral(":/vud/select_files_extract"), QStringLiteral("Pick one"));
        QCOMPARE(text, QStringLiteral("Pick one"));
    }
};

QTEST_MAIN(TestContentViews)
#include "tst_contentviews.moc"
