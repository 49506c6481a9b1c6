// Picture controls and the frameless window base, with pictures the test draws itself.
#include "ui/checkboxheaderview.h"
#include "ui/imagebutton.h"
#include "ui/imagedialog.h"
#include "ui/lineedit.h"
#include "ui/mycombobox.h"
#include "ui/mytreewidget.h"

#include "uitestutil.h"

#include <QLoggingCategory>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
QColor centreColour(QWidget* widget)
{
    const QImage shot = widget->grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}
} // namespace

class TestImageControls : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("quillon.trace.debug=true")); // the traces are checked
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void buttonFollowsMouseAndClicksOnlyWhenReleasedInside()
    {
        QWidget window;
        CImageButton button(&window);
        button.SetImageStrip(drawPicture(m_dir.filePath("strip3m.png"), 84, 28, 3), 3);
        window.show();
        QSignalSpy clicked(&button, qOverload<>(&CImageButton::clicked));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&button, &enter);
        QTest::mouseMove(&button, QPoint(14, 14));
        QCOMPARE(centreColour(&button), QColor(Qt::green));
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(14, 14));
        QCOMPARE(centreColour(&button), QColor(Qt::blue));

        QTest::mouseMove(&button, QPoint(80, 50));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(80, 50));
        QCOMPARE(clicked.count(), 0);

        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(14, 14));
        QCOMPARE(clicked.count(), 1);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
        QCOMPARE(centreColour(&button), QColor(Qt::red));
    }

    void disabledLook_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("single picture falls back to normal") << 1 << QColor(Qt::red);
        QTest::newRow("3 frames show frame 0") << 3 << QColor(Qt::red);
        QTest::newRow("4 frames show frame 3") << 4 << QColor(Qt::yellow);
    }

    void disabledLook()
    {
        QFETCH(int, frames);
        QFETCH(QColor, expected);
        CImageButton button;
        const QString name =
            drawPicture(m_dir.filePath(QStringLiteral("strip%1.png").arg(frames)), 28 * frames, 28, frames);
        if (frames == 1)
            QVERIFY(button.SetImages(name, name, name, QString()));
        else
            button.SetImageStrip(name, frames);
        QCOMPARE(button.size(), QSize(28, 28));
        button.setEnabled(false);
        QCOMPARE(centreColour(&button), expected);
    }

    // The caption is painted; bad pictures leave the button as it was.
    void captionAndBadPictures()
    {
        const QString first = drawPicture(m_dir.filePath("n1.png"), 108, 30);
        CImageButton button;
        QVERIFY(button.SetImages(first));
        const QImage bare = button.grab().toImage();
        QVERIFY(button.SetImages(first, {}, {}, {}, QStringLiteral("Old"), {}, 3));
        QVERIFY(button.grab().toImage() != bare);
        // A mouse-over picture one pixel wider, then a normal picture that does not load.
        QVERIFY(!button.SetImages(drawPicture(m_dir.filePath("n2.png"), 50, 20),
            drawPicture(m_dir.filePath("wide.png"), 51, 20), {}, {}, "New", {}, 5));
        QVERIFY(!button.SetImages(m_dir.filePath("missing.png"), {}, {}, {}, "New", {}, 5));
        QCOMPARE(button.NormalImage(), first);
        QCOMPARE(button.HoverImage(), QString());
        QCOMPARE(button.Text(), QStringLiteral("Old"));
        QCOMPARE(button.size(), QSize(108, 30));
    }

    void dialogBackgroundAndDrag()
    {
        ImageDialog dialog;
        QVERIFY(dialog.SetBackgroundImage(drawPicture(m_dir.filePath("bg.png"), 200, 100)));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Can not load the image file")));
        QVERIFY(!dialog.SetBackgroundImage(QStringLiteral(":/vud/no-such-picture")));
        QVERIFY(!dialog.SetBackgroundImage(QString()));
        QCOMPARE(dialog.size(), QSize(200, 100));
        QCOMPARE(dialog.BackgroundImage(), m_dir.filePath(QStringLiteral("bg.png")));

        dialog.move(100, 100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint start = dialog.pos();
        drag(&dialog, QPoint(10, 10), QPoint(30, 20));
        QCOMPARE(dialog.pos(), start);
        dialog.SetDragEnabled(true);
        drag(&dialog, QPoint(10, 10), QPoint(30, 20));
        QCOMPARE(dialog.pos(), start + QPoint(30, 20));
    }

    void lineEditIconSquareAndClicks()
    {
        CLineEdit edit;
        edit.setFixedSize(200, 27);
        // Negative offsets count from the right or bottom edge.
        const struct {
            int x, y;
            QRect square;
        } squares[] = {{5, 4, {5, 4, 19, 19}}, {0, -4, {0, 27 - 4, 19, 19}}, {-24, 4, {200 - 24, 4, 19, 19}}};
        const QString icon = drawPicture(m_dir.filePath("icon.png"), 19, 19);
        for (const auto& s : squares) {
            edit.SetIcons(icon, icon, icon, s.x, s.y);
            QCOMPARE(edit.IconRect(), s.square);
        }
        edit.show();
        QSignalSpy clicked(&edit, &CLineEdit::OnClicked);
        QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(10, 13));
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(200 - 15, 13));
        QCOMPARE(clicked.count(), 1);
        edit.setFocus();
        QTest::keyClick(&edit, Qt::Key_A);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(edit.text(), QStringLiteral("a"));
    }

    // The select-all box is drawn as it is set, and toggles only from a click
    // right of its margin in its own column.
    void headerBox()
    {
        QTableWidget table(3, 2);
        auto* header = new SCheckBoxHeaderView(0, &table);
        table.setHorizontalHeader(header);
        table.setHorizontalHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Size")});
        header->resizeSection(0, 149);
        table.show();
        const QRect box = header->CheckBoxRect(QRect(0, 0, 149, header->height()));
        QVERIFY(box.left() >= 27 && box.right() < 149);
        const auto shot = [&] {
            return header->grab().toImage().copy(box);
        };
        const QImage off = shot();
        header->SetAllSelected(true);
        QVERIFY(shot() != off);
        QSignalSpy spy(header, &SCheckBoxHeaderView::checkStausChange);
        for (int x : {26, 160, 27, 27}) // the box's margin, another column, then twice right of the margin
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).first().toBool(), false);
        QCOMPARE(spy.at(1).first().toBool(), true);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, box.center());
        QVERIFY(!header->AllSelected());
        QCOMPARE(shot(), off);

        // The caption and the column's border are not the box: no toggle,
        // and dragging the border still widens the column.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(100, 5));
        const QPoint border(header->sectionSize(0) - 1, 5);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, border);
        QMouseEvent move(QEvent::MouseMove, border + QPoint(40, 0), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &move);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, border + QPoint(40, 0));
        QCOMPARE(spy.count(), 3);
        QCOMPARE(header->sectionSize(0), 189);
    }

    void treeClearsSelectionBelowTheRows()
    {
        CMyTreeWidget tree;
        tree.resize(300, 300);
        tree.setSelectionMode(QAbstractItemView::ExtendedSelection);
        auto* first = new QTreeWidgetItem(&tree, QStringList {QStringLiteral("one")});
        new QTreeWidgetItem(&tree, QStringList {QStringLiteral("two")});
        tree.show();
        const QRect row = tree.visualItemRect(first);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(tree.selectedItems().size(), 1);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(row.center().x(), 250));
        QVERIFY(tree.selectedItems().isEmpty());
    }

    void comboAnnouncesTheClickBeforeItsListOpens()
    {
        CMyComboBox combo;
        combo.addItem(QStringLiteral("sdb1"));
        combo.show();
        int announced = 0;
        bool listOpenWhenAnnounced = true;
        connect(&combo, &CMyComboBox::dropdownclicked, &combo, [&] {
            ++announced;
            listOpenWhenAnnounced = combo.view()->isVisible();
        });
        QTest::mouseClick(&combo, Qt::RightButton);
        QCOMPARE(announced, 0);
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the keyboard");
        }
        QTest::mousePress(&combo, Qt::LeftButton);
        QCOMPARE(announced, 1);
        QVERIFY(!listOpenWhenAnnounced);
        QVERIFY(combo.view()->isVisible());
        combo.hidePopup();
    }

    // On a scaled screen a control keeps the size of its picture in window
    // pixels and draws the picture's 2x twin, not the 1x one blown up.
    void pictureFollowsScreenDensity()
    {
        Q_INIT_RESOURCE(pictures);
        const qreal ratio = qApp->devicePixelRatio();
        QWidget window;
        CImageButton button(&window);
        QVERIFY(button.SetImages(QStringLiteral(":/vud/OK1"), QStringLiteral(":/vud/OK2"), QStringLiteral(":/vud/OK3"),
            QString(), QString(), QString(), 0));
        QCOMPARE(button.size(), QImage(QStringLiteral(":/vud/OK1")).size());
        const QImage shot = button.grab().toImage();
        QImage own(ratio > 1 ? QStringLiteral(":/vud/OK1@2x") : QStringLiteral(":/vud/OK1"));
        own.setDevicePixelRatio(1); // compared pixel for pixel
        QCOMPARE(shot.size(), own.size());
        // The grab has the window's colour under the picture's soft edges.
        QImage expected(own.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(button.palette().color(QPalette::Window));
        QPainter(&expected).drawImage(0, 0, own);
        int worst = 0;
        const QImage got = shot.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x) {
                const QRgb p = got.pixel(x, y), q = expected.pixel(x, y);
                worst = qMax(worst, qMax(qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q))));
                worst = qMax(worst, qAbs(qBlue(p) - qBlue(q)));
            }
        QVERIFY2(worst <= 2, qPrintable(QStringLiteral("differs by %1").arg(worst)));
    }
};

QTEST_MAIN(TestImageControls)
#include "tst_imagecontrols.moc"
