// The program's own dialogs, answered from inside their real modal loop.
#include "ui/aboutusdialog.h"
#include "ui/commdialog.h"
#include "ui/filedialog.h"
#include "ui/gerneraldialog.h"
#include "ui/inputdialog.h"
#include "ui/messages.h"
#include "ui/progressdialog.h"

#include "testutil.h"
#include "uitestutil.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestDialogs : public QObject {
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

    // Long texts: the dialog grows to show all of it, within the screen, with
    // its buttons below the text; a list longer than the screen scrolls.
    void dialogsGrowToTheirText_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        const QString question = QStringLiteral(
            "The file install.wim is 4 GiB or larger. An ISO 9660 or Joliet image records a smaller size for it, "
            "and most systems then read it cut off. Only its UDF tree holds the true size, so the image should be "
            "read as UDF. Create the image anyway?");
        QStringList names;
        for (int i = 0; i < 200; ++i)
            names << QStringLiteral("sources/part%1 with a long name.swm").arg(i);
        const QString list = QStringLiteral("These items were not added:\n") + names.join(QLatin1Char('\n'));
        for (const char* kind : {"question", "open folder", "notice"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, long text").arg(kind))) << kind << question;
            QTest::newRow(qPrintable(QStringLiteral("%1, long list").arg(kind))) << kind << list;
        }
    }

    void dialogsGrowToTheirText()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        CommDialog comm;
        GerneralDialog notice;
        QDialog* dialog = &comm;
        QLabel* label = comm.Label();
        QWidget* ok = comm.OkButton();
        if (kind == QLatin1String("question")) {
            comm.SetWordWrap();
            comm.SetText(text);
        } else if (kind == QLatin1String("open folder")) {
            comm.SetText(text); // no word wrap asked for
            comm.SetOpenFolder(QStringLiteral("/tmp"));
        } else {
            notice.SetContent(QStringLiteral(":/vud/select_files_extract"), text);
            notice.AddOkButton(120);
            dialog = &notice;
            label = notice.Label();
            ok = notice.OkButton();
        }
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        bool checked = false;
        ModalAnswers<> answer([&](QDialog*) {
            [&] {
                QVERIFY(dialog->width() <= screen.width() && dialog->height() <= screen.height());
                QVERIFY(dialog->rect().contains(ok->geometry()));
                auto* area = dialog->findChild<QScrollArea*>();
                const QWidget* shown = area ? static_cast<QWidget*>(area) : label;
                QVERIFY(shown->geometry().bottom() < ok->y());
                QVERIFY(dialog->rect().contains(shown->geometry()));
                // All of the text is there, in view or by scrolling.
                if (label->wordWrap())
                    QVERIFY(label->height() >= label->heightForWidth(label->width()));
                else
                    QVERIFY(
                        label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height());
                QCOMPARE(area != nullptr, text.count(QLatin1Char('\n')) > 100);
                checked = true;
            }();
            return 1;
        });
        dialog->exec();
        QVERIFY(checked);
    }

    // Without a file manager or a browser, the folder or the address is shown.
    void openFailsShowsWhere()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        const auto restore = qScopeGuard([this] { initTestCase(); });
        QStringList shown;
        ModalAnswers<CommDialog> answer([&](CommDialog* d) {
            shown << d->Text();
            return 1;
        });
        CommDialog dialog;
        dialog.SetOpenFolder(QStringLiteral("/media/out folder"));
        dialog.OnBtnCancel();
        OpenUrl(QStringLiteral("https://example.org/help"));
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[0].endsWith(QStringLiteral(":\n/media/out folder")));
        QVERIFY(shown[1].endsWith(QStringLiteral(":\nhttps://example.org/help")));
    }

    // Without a compositor transparent corners would show black: the dialog
    // is opaque and its corners take the colour of its body.
    void squareCornersWithoutCompositor()
    {
        CommDialog dialog;
        dialog.SetTranslucent(false);
        QVERIFY(!dialog.testAttribute(Qt::WA_TranslucentBackground));
        const QImage picture(QStringLiteral(":/vud/commdialogbg"));
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
        int body = 0;
        while (qAlpha(picture.pixel(picture.width() / 2, body)) < 255)
            ++body;
        const QImage shown = dialog.grab().toImage();
        QCOMPARE(shown.pixelColor(0, 0), picture.pixelColor(picture.width() / 2, body));
        QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1), shown.pixelColor(0, 0));
    }

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
            notice.SetContent(drawPicture(dir.filePath("picture.png"), 300, 150), QStringLiteral("Pick the files"));
            notice.AddOkButton(120);
            QCOMPARE(notice.size(), QSize(300, 150));
            dialog = &notice;
        }
        // The real modal loop; a dialog the button left open ends with -1.
        ModalAnswers<> answer([&](QDialog* d) {
            clickButton(d, button.constData());
            return -1;
        });
        QCOMPARE(dialog->exec(), result);
        QCOMPARE(m_recorder.urls.size(), kind == QLatin1String("folder") ? 1 : 0);
        if (!m_recorder.urls.isEmpty())
            QCOMPARE(m_recorder.urls.first(), QUrl::fromLocalFile(dir.path()));
    }

    // The default button has the focus and its frame; Enter presses it from
    // anywhere (the name field too), Space the focused button, Tab moves on.
    // A progress dialog has no default: Enter must not stop its run.
    void keyboardPressesTheDefaultButton_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("result");
        QTest::newRow("message Enter") << "message" << QList<int> {Qt::Key_Return} << 1;
        QTest::newRow("message Space") << "message" << QList<int> {Qt::Key_Space} << 1;
        QTest::newRow("message Tab Space: NO") << "message" << QList<int> {Qt::Key_Tab, Qt::Key_Space} << 0;
        QTest::newRow("choices Enter: the first") << "choices" << QList<int> {Qt::Key_Enter} << 1;
        QTest::newRow("notice Enter") << "notice" << QList<int> {Qt::Key_Return} << 1;
        QTest::newRow("name typed, Enter") << "input" << QList<int> {Qt::Key_X, Qt::Key_Return} << 1;
    }

    void keyboardPressesTheDefaultButton()
    {
        QFETCH(QString, kind);
        QFETCH(QList<int>, keys);
        QFETCH(int, result);
        QTemporaryDir dir;
        std::unique_ptr<QDialog> dialog;
        if (kind == QLatin1String("notice")) {
            auto* notice = new GerneralDialog;
            notice->SetContent(drawPicture(dir.filePath("picture.png"), 300, 150), QStringLiteral("Pick the files"));
            notice->AddOkButton(120);
            dialog.reset(notice);
        } else if (kind == QLatin1String("input")) {
            dialog.reset(new CInputDialog);
        } else {
            auto* message = new CommDialog;
            if (kind == QLatin1String("choices"))
                message->SetChoices({QStringLiteral("Replace"), QStringLiteral("Keep Mine")});
            dialog.reset(message);
        }
        bool framed = false;
        ModalAnswers<> answer([&](QDialog* d) {
            d->activateWindow();
            if (!QTest::qWaitForWindowActive(d))
                return -2;
            auto* focused = qobject_cast<CImageButton*>(d->focusWidget());
            if (focused) {
                const QImage withFrame = focused->grab().toImage();
                focused->clearFocus();
                framed = focused->grab().toImage() != withFrame;
                focused->setFocus();
            }
            for (int key : keys)
                QTest::keyClick(d->focusWidget(), Qt::Key(key));
            return -1;
        });
        QCOMPARE(dialog->exec(), result);
        QCOMPARE(framed, kind != QLatin1String("input"));
        if (auto* input = qobject_cast<CInputDialog*>(dialog.get()))
            QCOMPARE(input->GetText(), QStringLiteral("x"));

        CProgressDialog progress;
        QSignalSpy cancelled(&progress, &CProgressDialog::SigCancel);
        progress.show();
        QTest::keyClick(&progress, Qt::Key_Return);
        QVERIFY(progress.isVisible());
        QCOMPARE(cancelled.count(), 0);
    }

    void illustratedBackgroundMovesTextRightOfThePicture()
    {
        QTemporaryDir dir;
        CommDialog dialog;
        const QRect plain = dialog.Label()->geometry();
        QVERIFY(dialog.SetBackgroundImage(drawPicture(dir.filePath("picture.png"), 420, 188)));
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
        ModalAnswers<CInputDialog> answer([](CInputDialog* d) {
            d->LineEdit()->setText(QStringLiteral("  New Folder  "));
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
        const QStringList wanted {dir.filePath(QStringLiteral("alpha")), dir.filePath(QStringLiteral("beta")),
            dir.filePath(QStringLiteral("notes.txt"))};

        CFileDialog dialog(nullptr, true);
        dialog.setDirectory(dir.path());
        // Selects the wanted rows and presses Open.
        ModalAnswers<> answer([&](QDialog* d) {
            auto* list = d->findChild<QListView*>(QStringLiteral("listView"));
            QAbstractItemModel* model = list->model();
            // The folder is read in the background.
            if (!QTest::qWaitFor([&] { return model->rowCount(list->rootIndex()) == 4; }))
                return 0;
            for (int row = 0; row < 4; ++row) {
                const QModelIndex index = model->index(row, 0, list->rootIndex());
                if (wanted.contains(dir.filePath(index.data().toString())))
                    list->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
            QTest::mouseClick(d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open), Qt::LeftButton);
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
        QCOMPARE(m_recorder.urls, QList<QUrl> {QUrl(CAboutusDialog::ProjectUrl())});
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
