// The twelve translation files: complete for the code as it stands, true to
// the source texts' placeholders and shortcuts, switched live from the menu,
// and fitting the widgets they are shown in.
#include "app/mainwindow.h"
#include "core/util.h"
#include "ui/baseimagectrl.h"
#include "ui/commdialog.h"
#include "ui/messages.h"
#include "ui/progressdialog.h"

#include "uitestutil.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

namespace {
// In the order of the language menu.
const QStringList kLanguages {"en", "zh", "ja", "fr", "de", "es", "pt", "pl", "it", "ru", "nl", "sv"};

struct TsMessage {
    QString context;
    QString source;
    QStringList forms; // one, or one per plural form
    QString type; // unfinished, vanished, obsolete or empty when finished
};

QList<TsMessage> readTs(const QString& path)
{
    QList<TsMessage> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = TsMessage();
            message.context = context;
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            QString text;
            while (!xml.atEnd()
                && !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("translation"))) {
                if (xml.isStartElement())
                    message.forms << xml.readElementText();
                else if (xml.isCharacters())
                    text += xml.text();
            }
            if (message.forms.isEmpty())
                message.forms << text;
            out.append(message);
        }
    }
    return out;
}

QString tsPath(const QString& lang)
{
    return QStringLiteral(QUILLON_TS_DIR "/qt_%1.ts").arg(lang);
}

QString qmFile(const QString& lang)
{
    return QStringLiteral("/translations/qt_%1.qm").arg(lang);
}

// The key a text marks with "&" (upper case), or 0 when it marks none.
int mnemonic(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("&([^&\\s])"));
    const QRegularExpressionMatch m = marker.match(text);
    return m.hasMatch() ? m.captured(1).toUpper().at(0).unicode() : 0;
}

// Every caption shown by a window and its children, menus included.
QStringList captionsOf(QWidget* root)
{
    QStringList out;
    for (auto* b : root->findChildren<CBaseImageCtrl*>())
        out << b->Text() << b->Text2();
    for (auto* l : root->findChildren<QLabel*>())
        out << l->text();
    for (auto* b : root->findChildren<QAbstractButton*>())
        out << b->text();
    for (auto* c : root->findChildren<QComboBox*>()) {
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
    }
    for (auto* h : root->findChildren<QHeaderView*>()) {
        for (int i = 0; i < h->count(); ++i)
            out << h->model()->headerData(i, h->orientation()).toString();
    }
    for (auto* m : root->findChildren<QMenu*>()) {
        for (QAction* a : m->actions())
            out << a->text();
    }
    out.removeAll(QString());
    return out;
}

// Texts of one language that another language shows differently.
QSet<QString> textsOnlyIn(const QString& lang, const QString& other)
{
    QSet<QString> mine;
    QSet<QString> theirs;
    for (const TsMessage& m : readTs(tsPath(lang)))
        mine += QSet<QString>(m.forms.begin(), m.forms.end());
    for (const TsMessage& m : readTs(tsPath(other)))
        theirs += QSet<QString>(m.forms.begin(), m.forms.end());
    return mine - theirs;
}

// Captions of `root` still in `lang` (a caption may carry a value after a
// text that ends in a blank, such as "Total Size: 12 MB").
QStringList staleCaptions(QWidget* root, const QString& lang, const QString& now)
{
    const QSet<QString> stale = textsOnlyIn(lang, now);
    QStringList out;
    for (const QString& caption : captionsOf(root)) {
        for (const QString& text : stale) {
            if (caption == text || (text.endsWith(QLatin1Char(' ')) && caption.startsWith(text)))
                out << caption;
        }
    }
    return out;
}

void deliverLanguageChange()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
}

void chooseLanguage(MainWindow* window, const QString& lang)
{
    clickMenuButton(window, "menu");
    window->PopupMenu()->actions().first()->menu()->actions().value(kLanguages.indexOf(lang))->trigger();
    deliverLanguageChange();
}

// The five job buttons' slots.
using Opener = void (MainWindow::*)();
const Opener kOpeners[] = {
    &MainWindow::onBurn, &MainWindow::onExtract, &MainWindow::onCreate, &MainWindow::onEdit, &MainWindow::onCopy};

// Opens every job page over the window; returns them in the order opened.
QList<QWidget*> openAllPages(MainWindow* window)
{
    QList<QWidget*> pages;
    for (Opener open : kOpeners) {
        (window->*open)();
        pages << window->CurrentPage();
    }
    return pages;
}

// Texts of `root`'s visible widgets that do not fit their widget.
QStringList misfits(QWidget* root)
{
    QStringList out;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    const auto report = [&](QWidget* w, const QString& text) {
        out << QStringLiteral("%1 %2: %3")
                   .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text);
    };
    for (QWidget* w : widgets) {
        if (!w->isVisible())
            continue;
        if (auto* control = qobject_cast<CBaseImageCtrl*>(w)) {
            for (const auto& t : control->TextPlacements(CBaseImageCtrl::Look::Normal)) {
                if (!t.text.isEmpty()
                    && !w->rect().contains(QFontMetrics(t.font).boundingRect(t.rect, t.flags, t.text)))
                    report(w, t.text);
            }
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty())
                continue;
            const QRect inside = label->contentsRect();
            const bool fits = label->wordWrap()
                ? label->heightForWidth(label->width()) <= label->height()
                : label->sizeHint().width() <= label->width() && label->sizeHint().height() <= label->height() + 2;
            if (!fits || inside.isEmpty())
                report(w, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (!button->text().isEmpty() && button->sizeHint().width() > button->width())
                report(w, button->text());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int i = 0; i < combo->count(); ++i) {
                if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) > room)
                    report(w, combo->itemText(i));
            }
        } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
            const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int i = 0; i < header->count(); ++i) {
                const QString text = header->model()->headerData(i, header->orientation()).toString();
                if (!header->isSectionHidden(i)
                    && header->fontMetrics().horizontalAdvance(text) + margin > header->sectionSize(i))
                    report(w, text);
            }
        }
    }
    return out;
}

// A value for each placeholder, as long as a typical one.
QString filled(QString text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
    return text.replace(placeholder, QStringLiteral("D:\\Images\\disc.iso"));
}

// Whether anything listens to an action (the member is protected; its
// address taken through a subclass may be used on any object).
struct Listeners : QObject {
    static bool any(const QAction* action)
    {
        return (action->*(&Listeners::isSignalConnected))(QMetaMethod::fromSignal(&QAction::triggered));
    }
};
} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    UrlRecorder m_recorder;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_recorder, "open");
    }

    // Every text of the code has a translation in every language, with the
    // source's placeholders and shortcut markers in every plural form.
    void everyTextIsTranslatedFaithfully()
    {
        // lupdate over the sources, on copies of the files: a text without a
        // translation comes out unfinished, a text gone from the code vanished.
        QTemporaryDir dir;
        QStringList args = QStringLiteral(QUILLON_LUPDATE_OPTIONS).split(QLatin1Char(' '));
        args << QStringLiteral("@" QUILLON_LUPDATE_ARGS) << QStringLiteral("-ts");
        for (const QString& lang : kLanguages) {
            const QString copy = dir.filePath(QFileInfo(tsPath(lang)).fileName());
            QVERIFY(QFile::copy(tsPath(lang), copy));
            args << copy;
        }
        QProcess lupdate;
        lupdate.start(QStringLiteral(QUILLON_LUPDATE), args);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
        const auto placeholders = [](const QString& text) {
            QStringList out;
            for (auto it = placeholder.globalMatch(text); it.hasNext();)
                out << it.next().captured();
            out.sort();
            return out;
        };
        QStringList broken;
        int texts = -1;
        for (const QString& lang : kLanguages) {
            const QList<TsMessage> messages = readTs(dir.filePath(QStringLiteral("qt_%1.ts").arg(lang)));
            QVERIFY(!messages.isEmpty());
            if (texts < 0)
                texts = messages.size();
            QCOMPARE(messages.size(), texts);
            for (const TsMessage& m : messages) {
                if (!m.type.isEmpty() || m.forms.contains(QString()))
                    broken << QStringLiteral("%1 %2 %3: %4").arg(lang, m.type, m.context, m.source);
                for (const QString& form : m.forms) {
                    if (placeholders(form) != placeholders(m.source)
                        || m.source.count(QLatin1Char('&')) != form.count(QLatin1Char('&'))
                        || (mnemonic(m.source) != 0) != (mnemonic(form) != 0))
                        broken << QStringLiteral("%1: %2 -> %3").arg(lang, m.source, form);
                }
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
    }

    // A switch reaches every page, menu and dialog, from a German start.
    void liveSwitchReachesPagesMenusAndDialogs()
    {
        QTranslator startup; // German; leaves the application with its destructor, as the window's does
        QVERIFY(startup.load(AppDir() + qmFile(QStringLiteral("de"))));
        QCoreApplication::installTranslator(&startup);
        MainWindow window;
        window.show();
        const QList<QWidget*> pages = openAllPages(&window);
        CommDialog message(&window);
        message.SetOpenFolder(QStringLiteral("/tmp"));
        message.show();
        CProgressDialog progress(&window);
        progress.show();

        QVERIFY(captionsOf(pages.first()).contains(QStringLiteral("Zurück")));
        QString before = QStringLiteral("de");
        for (const QString& lang : {QStringLiteral("ru"), QStringLiteral("ja"), QStringLiteral("en")}) {
            QMap<QMenu*, int> actions;
            for (QWidget* page : pages) {
                for (QMenu* menu : page->findChildren<QMenu*>())
                    actions[menu] = menu->actions().size();
            }
            chooseLanguage(&window, lang);
            // The window's captions include those of its pages.
            for (QWidget* w :
                {static_cast<QWidget*>(&window), static_cast<QWidget*>(&message), static_cast<QWidget*>(&progress)}) {
                const QStringList stale = staleCaptions(w, before, lang);
                QVERIFY2(stale.isEmpty(), qPrintable(lang + QLatin1Char(' ') + stale.join(QLatin1String(" | "))));
            }
            // Menus are rebuilt: as many entries as before, each still doing something.
            for (auto it = actions.cbegin(); it != actions.cend(); ++it) {
                QCOMPARE(it.key()->actions().size(), it.value());
                for (QAction* a : it.key()->actions())
                    QVERIFY(a->isSeparator() || Listeners::any(a));
            }
            before = lang;
        }
        // English is complete, so nothing of the German start-up shows through.
        QCOMPARE(window.findChild<CBaseImageCtrl*>(QStringLiteral("burn"))->Text(), QStringLiteral("Burn"));

        // The same language twice keeps one translator: a missing file then
        // goes back to the start-up language everywhere, not only on the home page.
        chooseLanguage(&window, QStringLiteral("sv"));
        const QStringList once = captionsOf(&window);
        chooseLanguage(&window, QStringLiteral("sv"));
        QCOMPARE(captionsOf(&window), once);
        window.LoadLanguage(qmFile(QStringLiteral("xx")));
        deliverLanguageChange();
        QVERIFY(window.LanguageTranslator()->isEmpty());
        QVERIFY(staleCaptions(&window, QStringLiteral("sv"), QStringLiteral("de")).isEmpty());
        QVERIFY(captionsOf(pages.first()).contains(QStringLiteral("Zurück")));
    }

    // Every language loads, each text fits its widget, and no menu has two
    // entries with one shortcut. With QUILLON_SCREENSHOTS set to a folder,
    // every page and dialog is also saved there as <language>-<name>.png.
    void textsFitAndShortcutsAreUnique()
    {
        const QString shots = qEnvironmentVariable("QUILLON_SCREENSHOTS");
        MainWindow window;
        window.show();
        QStringList bad;
        for (const QString& lang : kLanguages) {
            chooseLanguage(&window, lang);
            if (window.LanguageTranslator()->isEmpty())
                bad << lang + QStringLiteral(": no translation file");
            const auto check = [&](QWidget* w, const QString& name, bool save = true) {
                for (const QString& misfit : misfits(w))
                    bad << QStringLiteral("%1 %2: %3").arg(lang, name, misfit);
                if (save && !shots.isEmpty())
                    w->grab().save(QStringLiteral("%1/%2-%3.png").arg(shots, lang, name));
            };
            check(&window, QStringLiteral("home"));
            clickMenuButton(&window, "menu");
            QList<QMenu*> menus {window.PopupMenu()};
            menus += window.PopupMenu()->findChildren<QMenu*>();
            for (Opener open : kOpeners) {
                (window.*open)();
                check(window.CurrentPage(), window.CurrentPage()->objectName());
                menus += window.CurrentPage()->findChildren<QMenu*>();
                window.CurrentPage()->hide();
            }
            for (QMenu* menu : menus) {
                QMap<int, QString> seen;
                for (QAction* a : menu->actions()) {
                    const QString text = a->menu() ? a->menu()->title() : a->text();
                    const int key = mnemonic(text);
                    if (key && seen.contains(key))
                        bad << QStringLiteral("%1: one shortcut for %2 and %3").arg(lang, seen.value(key), text);
                    seen.insert(key, text);
                }
            }

            // Every text of the program as a message, and the progress
            // captions in the progress dialog.
            int shown = 0;
            {
                ModalAnswers<> answer([&](QDialog* dialog) {
                    ++shown;
                    const bool about = dialog->inherits("CAboutusDialog");
                    check(dialog, about ? QStringLiteral("about") : QStringLiteral("message%1").arg(shown),
                        about || shown == 1);
                    return 0;
                });
                for (const TsMessage& m : readTs(tsPath(lang))) {
                    if (m.context == QLatin1String("CommandLine"))
                        continue; // printed on a terminal, never shown in a window
                    for (const QString& form : m.forms)
                        ShowMessage(filled(form), &window);
                }
                window.aboutus();
            }
            CProgressDialog progress(&window);
            progress.show();
            for (const TsMessage& m : readTs(tsPath(lang))) {
                const QString& text = m.forms.first();
                if (m.context != QLatin1String("CommandLine")
                    && (text.endsWith(QLatin1String("...")) || text.endsWith(QLatin1String(": ")))) {
                    progress.SetText(text);
                    check(&progress, QStringLiteral("progress"), false);
                }
            }
        }
        qInfo("texts that do not fit or shortcuts that clash: %d", int(bad.size()));
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
