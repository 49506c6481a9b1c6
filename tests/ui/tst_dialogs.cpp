// The program's own dialogs, answered through the ModalHook seam or from
// inside their real modal loop.
#include "testutil.h"
#include "uitestutil.h"
#include "ui/aboutusdialog.h"
#include "ui/commdialog.h"
#include "ui/filedialog.h"
#include "ui/gerneraldialog.h"
#include "ui/imagebutton.h"
#include "ui/inputdialog.h"
#include "ui/modalhook.h"
#include "ui/progressdialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
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

namespace {
QString whitePicture(const QTemporaryDir& dir, int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    return picture.save(path) ? path : QString();
}
} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private:
    UrlRecorder m_recorder;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_recorder, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_recorder, "open");
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
        QTest::newRow("offset range") << 15 << 10 << 20 << QStringLiteral("50%");
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

    void stopHidesAndCancelsOnce_data()
    {
        QTest::addColumn<bool>("stopDisabled");
        QTest::newRow("stop") << false;
        QTest::newRow("stop disabled") << true;
    }

    void stopHidesAndCancelsOnce()
    {
        QFETCH(bool, stopDisabled);
        CProgressDialog dialog;
        dialog.SetRange(0, 10);
        dialog.show();
        if (stopDisabled)
            dialog.DisableStop();
        QSignalSpy cancel(&dialog, &CProgressDialog::SigCancel);
        bool visibleWhenCancelled = false;
        connect(&dialog, &CProgressDialog::SigCancel, this, [&] { visibleWhenCancelled = dialog.isVisible(); });
        // Escape and close requests must not hide a run without its Stop.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        QVERIFY(dialog.isVisible());
        QCOMPARE(cancel.count(), 0);
        clickButton(&dialog, "btncancel");
        QCOMPARE(cancel.count(), stopDisabled ? 0 : 1);
        QCOMPARE(dialog.isVisible(), stopDisabled);
        QVERIFY(!visibleWhenCancelled);
    }

    void buttonsGiveTheirResults_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("message OK") << "message" << QByteArray("btnok") << 1;
        QTest::newRow("message NO") << "message" << QByteArray("btncancel") << 0;
        QTest::newRow("message close") << "message" << QByteArray("btnclose") << 0;
        QTest::newRow("Open Folder keeps it open") << "folder" << QByteArray("btncancel") << -1;
        QTest::newRow("notice OK") << "notice" << QByteArray("btnok") << 1;
        QTest::newRow("notice close") << "notice" << QByteArray("btnclose") << 0;
    }

    void buttonsGiveTheirResults()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, button);
        QFETCH(int, result);
        QTemporaryDir dir;
        CommDialog message;
        GerneralDialog notice;
        QDialog* dialog = &message;
        if (kind == QLatin1String("folder"))
            message.SetOpenFolder(dir.path());
        if (kind == QLatin1String("notice")) {
            notice.SetContent(whitePicture(dir, 300, 150), QStringLiteral("Please select the files"));
            notice.AddOkButton(120);
            QCOMPARE(notice.size(), QSize(300, 150));
            dialog = &notice;
        }
        // The real modal loop; a dialog the button left open ends with -1.
        QTimer::singleShot(0, dialog, [&] {
            clickButton(dialog, button.constData());
            if (dialog->isVisible())
                dialog->done(-1);
        });
        QCOMPARE(dialog->exec(), result);
        QCOMPARE(m_recorder.urls.size(), kind == QLatin1String("folder") ? 1 : 0);
        if (!m_recorder.urls.isEmpty())
            QCOMPARE(m_recorder.urls.first(), QUrl::fromLocalFile(dir.path()));
    }

    void illustratedBackgroundMovesTextRightOfThePicture()
    {
        QTemporaryDir dir;
        CommDialog dialog;
        const QRect plain = dialog.Label()->geometry();
        QVERIFY(dialog.SetBackgroundImage(whitePicture(dir, 420, 188)));
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
        ModalHook::Scope answer([](QDialog* d) {
            qobject_cast<CInputDialog*>(d)->LineEdit()->setText(QStringLiteral("  New Folder  "));
            clickButton(d, "btnok");
            return d->result();
        });
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(dialog.GetText(), QStringLiteral("New Folder"));
    }

    void fileDialogReturnsFoldersAndFiles()
    {
        QVERIFY(!(CFileDialog(nullptr, false).filter() & QDir::Files));
        QTemporaryDir dir;
        for (const char* name : {"alpha", "beta", "gamma"})
            QVERIFY(QDir(dir.path()).mkdir(QLatin1String(name)));
        QVERIFY(TestUtil::writeFile(dir.filePath(QStringLiteral("notes.txt")), {}));
        const QStringList wanted{dir.filePath(QStringLiteral("alpha")), dir.filePath(QStringLiteral("beta")),
                                 dir.filePath(QStringLiteral("notes.txt"))};

        CFileDialog dialog(nullptr, true);
        dialog.setDirectory(dir.path());
        // Selects the wanted rows and presses Open.
        const auto pickAndAccept = [&](QDialog* d) {
            auto* list = d->findChild<QListView*>(QStringLiteral("listView"));
            QVERIFY(list);
            QAbstractItemModel* model = list->model();
            // The folder is read in the background.
            QTRY_COMPARE(model->rowCount(list->rootIndex()), 4);
            for (int row = 0; row < 4; ++row) {
                const QModelIndex index = model->index(row, 0, list->rootIndex());
                if (wanted.contains(dir.filePath(index.data().toString())))
                    list->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
            QPushButton* open = d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
            QVERIFY(open && open->isEnabled());
            QTest::mouseClick(open, Qt::LeftButton);
        };
        ModalHook::Scope answer([&](QDialog* d) {
            pickAndAccept(d);
            return d->result();
        });
        QCOMPARE(dialog.exec(), 1);
        QStringList selected = dialog.selectedFiles();
        selected.sort();
        QCOMPARE(selected, wanted);
    }

    void aboutBoxLinkOpensTheProjectPage()
    {
        CAboutusDialog about;
        auto* url = about.findChild<QLabel*>(QStringLiteral("label_url"));
        QVERIFY(url);
        QVERIFY(url->text().contains(CAboutusDialog::ProjectUrl()));
        emit url->linkActivated(CAboutusDialog::ProjectUrl());
        QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(CAboutusDialog::ProjectUrl())});
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
