// The program's own dialogs, answered through the ModalHook seam or through
// the running modal dialog (QTimer::singleShot + activeModalWidget).
#include "ui/aboutusdialog.h"
#include "ui/commdialog.h"
#include "ui/filedialog.h"
#include "ui/gerneraldialog.h"
#include "ui/imagebutton.h"
#include "ui/inputdialog.h"
#include "ui/modalhook.h"
#include "ui/progressdialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Receives the addresses the dialogs open, instead of a browser or file manager.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class TestDialogs : public QObject
{
    Q_OBJECT

private:
    UrlRecorder m_recorder;

    static void click(QWidget* dialog, const char* name)
    {
        auto* button = dialog->findChild<CImageButton*>(QLatin1String(name));
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
    }

    // Selects the named rows of the dialog's list and presses its accept button.
    static void pickAndAccept(CFileDialog* fileDialog, const QStringList& wanted)
    {
        auto* list = fileDialog->findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(list);
        QAbstractItemModel* model = list->model();
        // The folder is read in the background.
        QTRY_COMPARE(model->rowCount(list->rootIndex()), 4);
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
            const QModelIndex index = model->index(row, 0, list->rootIndex());
            if (wanted.contains(index.data().toString()))
                list->selectionModel()->select(index,
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        auto* box = fileDialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QVERIFY(box);
        QPushButton* accept = box->button(QDialogButtonBox::Open);
        if (!accept)
            accept = box->button(QDialogButtonBox::Save);
        QVERIFY(accept);
        QVERIFY(accept->isEnabled());
        QTest::mouseClick(accept, Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_recorder, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_recorder, "open");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void init() { m_recorder.urls.clear(); }

    void percentText_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("text");
        QTest::newRow("50 of 200") << 50 << 0 << 200 << QStringLiteral("25%");
        QTest::newRow("1 of 3") << 1 << 0 << 3 << QStringLiteral("33.33%");
        QTest::newRow("empty range") << 0 << 0 << 0 << QStringLiteral("0%");
        QTest::newRow("1 of 8") << 1 << 0 << 8 << QStringLiteral("12.50%");
        QTest::newRow("offset range") << 15 << 10 << 20 << QStringLiteral("50%");
        QTest::newRow("full") << 100 << 0 << 100 << QStringLiteral("100%");
        QTest::newRow("huge range") << 2000000000 << -2000000000 << 2000000000 << QStringLiteral("100%");
    }

    void percentText()
    {
        QFETCH(int, value);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(QString, text);
        CProgressDialog dialog;
        dialog.SetRange(minimum, maximum);
        dialog.SetValue(value);
        QCOMPARE(dialog.ProgressBar()->format(), text);
        QCOMPARE(dialog.IsFinished(), value == maximum);
    }

    void stopHidesAndCancelsOnce()
    {
        CProgressDialog dialog;
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        QVERIFY(dialog.OkButton()->isHidden());
        QVERIFY(dialog.CloseButton()->isHidden());
        QSignalSpy cancel(&dialog, &CProgressDialog::SigCancel);
        bool visibleWhenCancelled = true;
        connect(&dialog, &CProgressDialog::SigCancel, this,
                [&] { visibleWhenCancelled = dialog.isVisible(); });
        dialog.SetRange(0, 10);
        dialog.show();
        click(&dialog, "btncancel");
        QCOMPARE(cancel.count(), 1);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!visibleWhenCancelled);
    }

    void escapeDoesNotHideARun()
    {
        CProgressDialog dialog;
        dialog.show();
        QSignalSpy cancel(&dialog, &CProgressDialog::SigCancel);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        QVERIFY(dialog.isVisible());
        QCOMPARE(cancel.count(), 0);
        dialog.hide();
        QVERIFY(!dialog.isVisible());
    }

    void disabledStopCannotBePressed()
    {
        CProgressDialog dialog;
        dialog.show();
        dialog.DisableStop();
        QSignalSpy cancel(&dialog, &CProgressDialog::SigCancel);
        click(&dialog, "btncancel");
        QCOMPARE(cancel.count(), 0);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.StopButton()->isEnabled());
        if (QFile::exists(QStringLiteral(":/vud/Stop1")))
            QCOMPARE(dialog.StopButton()->TextStyle(), 13);
    }

    void buttonsGiveTheirResults_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << QByteArray("btnok") << 1;
        QTest::newRow("NO") << QByteArray("btncancel") << 0;
        QTest::newRow("close") << QByteArray("btnclose") << 0;
    }

    void buttonsGiveTheirResults()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, result);
        CommDialog dialog;
        dialog.SetText(QStringLiteral("Delete it?"));
        ModalHook::Scope answer([&](QDialog* d) {
            click(d, button.constData());
            return d->result();
        });
        QCOMPARE(dialog.exec(), result);
        QCOMPARE(dialog.Text(), QStringLiteral("Delete it?"));
    }

    void openFolderKeepsTheDialogOpen()
    {
        // The real modal loop, answered from inside it.
        QTemporaryDir folder;
        CommDialog dialog;
        dialog.SetText(QStringLiteral("Done."));
        dialog.SetOpenFolder(folder.path());
        bool stayedOpen = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* running = QApplication::activeModalWidget();
            QCOMPARE(running, &dialog);
            click(running, "btncancel");
            stayedOpen = running->isVisible();
            click(running, "btnok");
        });
        QCOMPARE(dialog.exec(), 1);
        QVERIFY(stayedOpen);
        QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl::fromLocalFile(folder.path())});
        if (QFile::exists(QStringLiteral(":/vud/Open-Folder1")))
            QCOMPARE(dialog.CancelButton()->Text(), QStringLiteral("Open Folder"));
    }

    void singleButtonCentresOk()
    {
        CommDialog dialog;
        dialog.SetSingleButton();
        QVERIFY(dialog.CancelButton()->isHidden());
        QCOMPARE(dialog.OkButton()->x(), (dialog.width() - dialog.OkButton()->width()) / 2);
        QCOMPARE(dialog.OkButton()->y(), 140);
    }

    void illustratedBackgroundMovesTextRightOfThePicture()
    {
        QTemporaryDir dir;
        QImage picture(420, 188, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        const QString path = dir.filePath(QStringLiteral("warning.png"));
        QVERIFY(picture.save(path));
        CommDialog dialog;
        const QRect plain = dialog.Label()->geometry();
        QCOMPARE(plain.topLeft(), QPoint(40, 70));
        QVERIFY(dialog.SetBackgroundImage(path));
        QCOMPARE(dialog.Label()->x(), int(ImageDialog::IllustrationWidth));
        QVERIFY(dialog.Label()->geometry().right() < 420);
        QVERIFY(dialog.OkButton()->x() >= ImageDialog::IllustrationWidth);
        QVERIFY(dialog.CancelButton()->geometry().right() < 420);
        // A picture that fails to load changes nothing.
        CommDialog other;
        other.SetBackgroundImage(dir.filePath(QStringLiteral("missing.png")));
        QCOMPARE(other.Label()->geometry(), plain);
    }

    void inputTrims()
    {
        CInputDialog dialog;
        dialog.SetText(QStringLiteral("  boot.img \t"));
        QCOMPARE(dialog.LineEdit()->text(), QStringLiteral("boot.img"));
        QCOMPARE(dialog.LineEdit()->selectedText(), QStringLiteral("boot.img"));
        QCOMPARE(dialog.Label()->text(), QStringLiteral("Please input the name:"));
        ModalHook::Scope answer([](QDialog* d) {
            auto* input = qobject_cast<CInputDialog*>(d);
            input->LineEdit()->setText(QStringLiteral("  New Folder  "));
            click(d, "btnok");
            return d->result();
        });
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(dialog.GetText(), QStringLiteral("New Folder"));
    }

    void noticeDialog()
    {
        GerneralDialog dialog;
        QTemporaryDir dir;
        QImage picture(300, 150, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        const QString path = dir.filePath(QStringLiteral("notice.png"));
        QVERIFY(picture.save(path));
        dialog.SetContent(path, QStringLiteral("Please select the files"));
        dialog.AddOkButton(120, 0);
        QCOMPARE(dialog.size(), QSize(300, 150));
        QCOMPARE(dialog.Text(), QStringLiteral("Please select the files"));
        QVERIFY(dialog.Label()->wordWrap());
        QCOMPARE(dialog.OkButton()->y(), 130);
        QCOMPARE(dialog.OkButton()->x(), (300 - dialog.OkButton()->width()) / 2);
        QCOMPARE(dialog.CloseButton()->x(), 300 - dialog.CloseButton()->width() - 1);
        {
            ModalHook::Scope answer([](QDialog* d) {
                click(d, "btnok");
                return d->result();
            });
            QCOMPARE(dialog.exec(), 1);
        }
        QTimer::singleShot(0, this, [] { click(QApplication::activeModalWidget(), "btnclose"); });
        QCOMPARE(dialog.exec(), 0);
    }

    void fileDialogFoldersOnly()
    {
        CFileDialog folders(nullptr, false);
        QVERIFY(!(folders.filter() & QDir::Files));
        QVERIFY(folders.filter() & QDir::Dirs);
        QVERIFY(folders.testOption(QFileDialog::DontUseNativeDialog));
        CFileDialog both(nullptr, true);
        QVERIFY(both.filter() & QDir::Files);
    }

    void fileDialogReturnsFoldersAndFiles()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("alpha")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("beta")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gamma")));
        QFile file(dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        CFileDialog dialog(nullptr, true);
        dialog.setDirectory(dir.path());
        const QStringList wanted{QStringLiteral("alpha"), QStringLiteral("beta"),
                                 QStringLiteral("notes.txt")};
        ModalHook::Scope answer([&](QDialog* d) {
            pickAndAccept(qobject_cast<CFileDialog*>(d), wanted);
            return d->result();
        });
        QCOMPARE(dialog.exec(), 1);
        QStringList selected = dialog.selectedFiles();
        selected.sort();
        QCOMPARE(selected, (QStringList{dir.filePath(QStringLiteral("alpha")),
                                        dir.filePath(QStringLiteral("beta")),
                                        dir.filePath(QStringLiteral("notes.txt"))}));
    }

    void aboutBoxLinkOpensTheProjectPage()
    {
        CAboutusDialog about;
        auto* url = about.findChild<QLabel*>(QStringLiteral("label_url"));
        QVERIFY(url);
        QVERIFY(url->text().contains(CAboutusDialog::ProjectUrl()));
        QVERIFY(!about.findChild<QLabel*>(QStringLiteral("label_first"))->text().isEmpty());
        QCOMPARE(about.windowTitle(), QStringLiteral("About Quillon"));
        emit url->linkActivated(CAboutusDialog::ProjectUrl());
        QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(CAboutusDialog::ProjectUrl())});
        ModalHook::Scope answer([](QDialog* d) {
            click(d, "close");
            return d->result();
        });
        QCOMPARE(about.exec(), 0);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
