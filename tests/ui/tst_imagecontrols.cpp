// Picture controls and the frameless window base, with pictures the test draws itself.
#include "ui/checkboxheaderview.h"
#include "ui/imagebutton.h"
#include "ui/imagedialog.h"
#include "ui/lineedit.h"
#include "ui/mycombobox.h"
#include "ui/mytreewidget.h"
#include "ui/nofocusdelegate.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QColor kFrameColours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
}

class TestImageControls : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // A picture of one colour, or a strip of `frames` frames in kFrameColours.
    QString picture(const QString& name, int width, int height, int frames = 1)
    {
        QImage image(width, height, QImage::Format_ARGB32);
        QPainter painter(&image);
        const int w = width / frames;
        for (int i = 0; i < frames; ++i)
            painter.fillRect(i * w, 0, w, height, kFrameColours[i % 4]);
        painter.end();
        const QString path = m_dir.filePath(name + QStringLiteral(".png"));
        if (!image.save(path))
            qFatal("cannot write test picture %s", qPrintable(path));
        return path;
    }

    static QColor centreColour(QWidget* widget)
    {
        const QImage shot = widget->grab().toImage();
        return shot.pixelColor(shot.width() / 2, shot.height() / 2);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void buttonClicksOnlyWhenReleasedInside()
    {
        QWidget window;
        CImageButton button(&window);
        QVERIFY(button.SetImages(picture(QStringLiteral("b1"), 40, 20)));
        QCOMPARE(button.size(), QSize(40, 20));
        window.show();
        QSignalSpy withFlag(&button, qOverload<bool>(&CImageButton::clicked));
        QSignalSpy plain(&button, qOverload<>(&CImageButton::clicked));

        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 10));
        QTest::mouseMove(&button, QPoint(80, 50));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(80, 50));
        QCOMPARE(withFlag.count(), 0);
        QCOMPARE(plain.count(), 0);

        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(withFlag.count(), 1);
        QCOMPARE(withFlag.first().first().toBool(), true);
        QCOMPARE(plain.count(), 1);

        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(plain.count(), 1);
    }

    void stripShowsTheRightFrame_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("3 frames, normal") << 3 << true << QColor(Qt::red);
        QTest::newRow("3 frames, disabled shows frame 0") << 3 << false << QColor(Qt::red);
        QTest::newRow("4 frames, disabled shows frame 3") << 4 << false << QColor(Qt::yellow);
    }

    void stripShowsTheRightFrame()
    {
        QFETCH(int, frames);
        QFETCH(bool, enabled);
        QFETCH(QColor, expected);
        CImageButton button;
        button.SetImageStrip(picture(QStringLiteral("strip%1").arg(frames), 28 * frames, 28, frames),
                             frames);
        QCOMPARE(button.size(), QSize(28, 28));
        button.setEnabled(enabled);
        QCOMPARE(centreColour(&button), expected);
    }

    void stripFollowsMouse()
    {
        QWidget window;
        CImageButton button(&window);
        button.SetImageStrip(picture(QStringLiteral("strip3m"), 84, 28, 3), 3);
        window.show();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&button, &enter);
        QTest::mouseMove(&button, QPoint(14, 14));
        QCOMPARE(button.CurrentLook(), CBaseImageCtrl::Look::Hover);
        QCOMPARE(centreColour(&button), QColor(Qt::green));
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(14, 14));
        QCOMPARE(centreColour(&button), QColor(Qt::blue));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(14, 14));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
        QCOMPARE(centreColour(&button), QColor(Qt::red));
    }

    void badPicturesLeaveTheButtonUnchanged_data()
    {
        QTest::addColumn<QString>("normal");
        QTest::addColumn<QString>("hover");
        QTest::newRow("hover 1 px wider") << QStringLiteral("n2") << QStringLiteral("wide");
        QTest::newRow("normal missing") << QStringLiteral("missing") << QString();
    }

    void badPicturesLeaveTheButtonUnchanged()
    {
        QFETCH(QString, normal);
        QFETCH(QString, hover);
        const QString first = picture(QStringLiteral("n1"), 30, 10);
        picture(QStringLiteral("n2"), 50, 20);
        picture(QStringLiteral("wide"), 51, 20);
        CImageButton button;
        QVERIFY(button.SetImages(first, QString(), QString(), QString(), QStringLiteral("Old"),
                                 QString(), 3));
        const auto path = [this](const QString& n) {
            return n.isEmpty() ? QString() : m_dir.filePath(n + QStringLiteral(".png"));
        };
        QVERIFY(!button.SetImages(path(normal), path(hover), QString(), QString(),
                                  QStringLiteral("New"), QString(), 5));
        QCOMPARE(button.NormalImage(), first);
        QCOMPARE(button.HoverImage(), QString());
        QCOMPARE(button.Text(), QStringLiteral("Old"));
        QCOMPARE(button.TextStyle(), 3);
        QCOMPARE(button.size(), QSize(30, 10));
    }

    void disabledPictureFallsBackToNormal()
    {
        CImageButton button;
        const QString normal = picture(QStringLiteral("red"), 20, 20, 1);
        QVERIFY(button.SetImages(normal, normal, normal, QString()));
        button.setEnabled(false);
        QString name;
        QRect source;
        button.SourceFor(button.CurrentLook(), &name, &source);
        QCOMPARE(name, normal);
        QCOMPARE(source, QRect(0, 0, 20, 20));
    }

    void everyTextStylePaints()
    {
        // Styles 0..17 (17 draws nothing) must paint without trouble in every look.
        CImageButton button;
        QVERIFY(button.SetImages(picture(QStringLiteral("txt"), 108, 30)));
        for (int style = 0; style <= 17; ++style) {
            button.SetImages(button.NormalImage(), QString(), QString(), QString(),
                             QStringLiteral("Caption"), QStringLiteral("Second"), style);
            QVERIFY(!button.grab().isNull());
        }
        // Style 3 writes white text over the red picture: some pixel is white.
        button.SetImages(button.NormalImage(), QString(), QString(), QString(),
                         QStringLiteral("WWWW"), QString(), 3);
        const QImage shot = button.grab().toImage();
        bool white = false;
        for (int y = 0; y < shot.height() && !white; ++y)
            for (int x = 0; x < shot.width() && !white; ++x)
                white = shot.pixelColor(x, y).lightness() > 200;
        QVERIFY(white);
    }

    void dialogBackground()
    {
        ImageDialog dialog;
        QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialog.isModal());
        QVERIFY(dialog.SetBackgroundImage(picture(QStringLiteral("bg"), 200, 100)));
        QCOMPARE(dialog.size(), QSize(200, 100));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Can not load the image file")));
        QVERIFY(!dialog.SetBackgroundImage(QStringLiteral(":/vud/no-such-picture")));
        QCOMPARE(dialog.size(), QSize(200, 100));
        QCOMPARE(dialog.BackgroundImage(), m_dir.filePath(QStringLiteral("bg.png")));
        QVERIFY(!dialog.SetBackgroundImage(QString()));
    }

    void dragMovesOnlyWhenEnabled()
    {
        ImageDialog dialog;
        dialog.SetBackgroundImage(picture(QStringLiteral("drag"), 200, 100));
        dialog.move(100, 100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint start = dialog.pos();

        auto drag = [&dialog](const QPoint& from, const QPoint& delta) {
            QMouseEvent press(QEvent::MouseButtonPress, from, dialog.mapToGlobal(from), Qt::LeftButton,
                              Qt::LeftButton, {});
            QApplication::sendEvent(&dialog, &press);
            const QPoint to = from + delta;
            QMouseEvent move(QEvent::MouseMove, to, dialog.mapToGlobal(from) + delta, Qt::NoButton,
                             Qt::LeftButton, {});
            QApplication::sendEvent(&dialog, &move);
            QMouseEvent release(QEvent::MouseButtonRelease, to, dialog.mapToGlobal(from) + delta,
                                Qt::LeftButton, Qt::NoButton, {});
            QApplication::sendEvent(&dialog, &release);
        };
        drag(QPoint(10, 10), QPoint(30, 20));
        QCOMPARE(dialog.pos(), start);
        dialog.SetDragEnabled(true);
        drag(QPoint(10, 10), QPoint(30, 20));
        QCOMPARE(dialog.pos(), start + QPoint(30, 20));
    }

    void lineEditIconSquare_data()
    {
        QTest::addColumn<int>("iconX");
        QTest::addColumn<int>("iconY");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("from the left") << 5 << 4 << QRect(5, 4, 19, 19);
        QTest::newRow("from the right") << -24 << 4 << QRect(200 - 24, 4, 19, 19);
        QTest::newRow("from the bottom") << 0 << -4 << QRect(0, 27 - 4, 19, 19);
    }

    void lineEditIconSquare()
    {
        QFETCH(int, iconX);
        QFETCH(int, iconY);
        QFETCH(QRect, expected);
        CLineEdit edit;
        edit.setFixedSize(200, 27);
        edit.SetIcons(QString(), QString(), QString(), iconX, iconY);
        QCOMPARE(edit.IconRect(), expected);
    }

    void lineEditClicks()
    {
        CLineEdit edit;
        edit.setFixedSize(200, 27);
        edit.SetIcons(picture(QStringLiteral("i1"), 19, 19), picture(QStringLiteral("i2"), 19, 19),
                      picture(QStringLiteral("i3"), 19, 19), -24, 4);
        edit.show();
        QSignalSpy clicked(&edit, &CLineEdit::OnClicked);
        QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(10, 13));
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(200 - 15, 13));
        QCOMPARE(clicked.count(), 1);
        edit.setFocus();
        QTest::keyClick(&edit, Qt::Key_A);
        QCOMPARE(clicked.count(), 1);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(edit.text(), QStringLiteral("a"));
    }

    void headerTogglesRightOfTheBox_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("toggles");
        QTest::newRow("x 26") << 26 << false;
        QTest::newRow("x 27") << 27 << true;
        QTest::newRow("x 5") << 5 << false;
    }

    void headerTogglesRightOfTheBox()
    {
        QFETCH(int, x);
        QFETCH(bool, toggles);
        QTableWidget table(3, 2);
        auto* header = new SCheckBoxHeaderView(0, &table);
        table.setHorizontalHeader(header);
        header->resizeSection(0, 120);
        table.show();
        QSignalSpy spy(header, &SCheckBoxHeaderView::checkStausChange);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        QCOMPARE(header->AllSelected(), toggles);
        QCOMPARE(spy.count(), toggles ? 1 : 0);
        if (toggles) {
            QCOMPARE(spy.first().first().toBool(), true);
            QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
            QCOMPARE(spy.count(), 2);
            QCOMPARE(spy.last().first().toBool(), false);
        }
    }

    void headerIgnoresOtherColumns()
    {
        QTableWidget table(3, 2);
        auto* header = new SCheckBoxHeaderView(0, &table);
        table.setHorizontalHeader(header);
        header->resizeSection(0, 100);
        table.show();
        QSignalSpy spy(header, &SCheckBoxHeaderView::checkStausChange);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(150, 5));
        QCOMPARE(spy.count(), 0);
    }

    void treeClearsSelectionBelowTheRows()
    {
        CMyTreeWidget tree;
        tree.resize(300, 300);
        tree.setSelectionMode(QAbstractItemView::ExtendedSelection);
        auto* first = new QTreeWidgetItem(&tree, QStringList{QStringLiteral("one")});
        new QTreeWidgetItem(&tree, QStringList{QStringLiteral("two")});
        tree.show();
        const QRect row = tree.visualItemRect(first);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(tree.selectedItems().size(), 1);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(row.center().x(), 250));
        QVERIFY(tree.selectedItems().isEmpty());
    }

    void comboAnnouncesTheClickFirst()
    {
        CMyComboBox combo;
        combo.show();
        connect(&combo, &CMyComboBox::dropdownclicked, &combo, [&combo] {
            combo.clear();
            combo.addItems({QStringLiteral("sdb1"), QStringLiteral("sdc1")});
        });
        QSignalSpy spy(&combo, &CMyComboBox::dropdownclicked);
        QTest::mouseClick(&combo, Qt::RightButton);
        QCOMPARE(spy.count(), 0);
        QTest::mousePress(&combo, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(combo.view()->model()->rowCount(), 2);
        combo.hidePopup();
    }

    void delegateDropsTheFocusFrame()
    {
        // The focus state must not reach the style: paint with and without it
        // and compare the pictures.
        QTableWidget table(1, 1);
        table.setItem(0, 0, new QTableWidgetItem(QStringLiteral("item")));
        table.resize(200, 100);
        NoFocusDelegate delegate;
        QStyleOptionViewItem option;
        option.initFrom(&table);
        option.rect = QRect(0, 0, 100, 30);
        const QModelIndex index = table.model()->index(0, 0);
        QStyledItemDelegate standard;
        auto render = [&](bool focus, QStyledItemDelegate* d) {
            QImage image(100, 30, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            QStyleOptionViewItem o(option);
            if (focus)
                o.state |= QStyle::State_HasFocus;
            else
                o.state &= ~QStyle::State_HasFocus;
            d->paint(&painter, o, index);
            return image;
        };
        if (render(true, &standard) == render(false, &standard))
            QSKIP("this style draws no focus frame on items");
        QCOMPARE(render(true, &delegate), render(false, &delegate));
    }
};

QTEST_MAIN(TestImageControls)
#include "tst_imagecontrols.moc"
