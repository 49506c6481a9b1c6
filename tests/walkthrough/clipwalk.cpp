// Opens every page in one language at the scale Qt was started with, saves a
// picture of each and lists every text that does not fit its widget. Run by
// tools/ui-walkthrough.sh; exit status 1 when something is clipped.
#include "app/mainwindow.h"
#include "ui/baseimagectrl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>

#include <cstdio>

namespace {

// Texts wider or taller than the room their widget gives them.
QStringList clippedTexts(QWidget* page)
{
    QStringList found;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page))
            continue;
        QString text;
        bool clipped = false;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            if (!text.isEmpty() && !label->wordWrap() && !Qt::mightBeRichText(text)) {
                // Width with the advance, height with the ink: the line's leading may be cut.
                const QFontMetrics metrics = label->fontMetrics();
                clipped = metrics.size(0, text).width() > label->contentsRect().width()
                    || metrics.tightBoundingRect(text).height() > label->contentsRect().height();
            } else if (!text.isEmpty() && label->wordWrap()) {
                clipped = label->heightForWidth(label->contentsRect().width()) > label->contentsRect().height();
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
            clipped = !text.isEmpty() && button->sizeHint().width() > button->width();
        } else if (auto* control = qobject_cast<CBaseImageCtrl*>(w)) {
            for (const CBaseImageCtrl::TextPlacement& t : control->TextPlacements(CBaseImageCtrl::Look::Normal)) {
                if (t.text.trimmed().isEmpty())
                    continue;
                const QRect need = QFontMetrics(t.font).boundingRect(t.rect, t.flags, t.text);
                // Captions may be drawn below a picture (the home page), never outside the control's width.
                if (need.left() < 0 || need.right() >= control->width()) {
                    clipped = true;
                    text = t.text;
                }
            }
        }
        if (clipped)
            found << QStringLiteral("%1 \"%2\"").arg(w->objectName(), text.simplified());
    }
    return found;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the user's settings stay untouched
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: clipwalk LANGUAGE-FILE OUTPUT-FOLDER\n");
        return 2;
    }
    const QString outDir = args.at(2);
    QDir().mkpath(outDir);
    MainWindow window;
    window.LoadLanguage(args.at(1));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "clipwalk: the window never showed\n");
        return 2;
    }
    struct Page {
        const char* name;
        void (MainWindow::*open)();
    };
    const Page pages[] = {{"home", nullptr}, {"burn", &MainWindow::onBurn}, {"extract", &MainWindow::onExtract},
        {"create", &MainWindow::onCreate}, {"edit", &MainWindow::onEdit}, {"copy", &MainWindow::onCopy}};
    int clipped = 0;
    for (const Page& page : pages) {
        if (page.open)
            (window.*page.open)();
        QTest::qWait(300);
        QWidget* shown = page.open ? static_cast<QWidget*>(window.CurrentPage()) : &window;
        window.grab().save(QStringLiteral("%1/%2.png").arg(outDir, QLatin1String(page.name)));
        for (const QString& line : clippedTexts(shown)) {
            std::printf("%s: %s\n", page.name, qPrintable(line));
            ++clipped;
        }
        if (page.open)
            window.CurrentPage()->close();
    }
    return clipped > 0 ? 1 : 0;
}
