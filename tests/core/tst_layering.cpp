#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// The folders depend in one direction only: engines core <- platform <-
// runner <- image <- burn, the widget kit ui on core and platform alone, the
// pages on the engines (not the runner) and the kit, the application on top.
// No widget code lives in an engine folder.
class TestLayering : public QObject {
    Q_OBJECT

    const QDir m_root {QStringLiteral(QUILLON_TEST_DATA "/../..")};

    struct Include {
        QString file; // relative to the root
        int line;
        QString text;
        QString folder; // the included file's top folder, or empty for a system header
        QString header; // what is included
    };

    // Every #include of the sources below the given top folders.
    QList<Include> includesOf(const QStringList& folders) const
    {
        static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"));
        QList<Include> found;
        for (const QString& folder : folders) {
            QDirIterator it(m_root.filePath(folder), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                const QString relative = m_root.relativeFilePath(it.filePath());
                int number = 0;
                for (const QByteArray& raw : file.readAll().split('\n')) {
                    ++number;
                    const auto match = include.match(QString::fromUtf8(raw));
                    if (!match.hasMatch())
                        continue;
                    const QString header = match.captured(2);
                    const QString top = match.captured(1) == QLatin1String("\"") && header.contains(QLatin1Char('/'))
                        ? header.section(QLatin1Char('/'), 0, 0)
                        : QString();
                    found.append({relative, number, match.captured(0).trimmed(), top, header});
                }
            }
        }
        return found;
    }

private slots:
    void foldersDependInOneDirection()
    {
        const QHash<QString, QSet<QString>> allowed {
            {"core", {"core"}},
            {"platform", {"core", "platform"}},
            {"runner", {"core", "platform", "runner"}},
            {"image", {"core", "platform", "runner", "image"}},
            {"burn", {"core", "platform", "runner", "image", "burn"}},
            {"helper", {"core", "platform", "runner", "image", "burn", "helper"}},
            {"ui", {"core", "platform", "ui"}},
            {"pages", {"core", "platform", "image", "burn", "ui", "pages"}},
            {"app", {"core", "platform", "runner", "image", "burn", "ui", "pages", "app"}},
        };
        const QSet<QString> folders(allowed.keyBegin(), allowed.keyEnd());
        QStringList offenders;
        int scanned = 0;
        for (const Include& include : includesOf(allowed.keys())) {
            ++scanned;
            const QString from = include.file.section(QLatin1Char('/'), 0, 0);
            if (folders.contains(include.folder) && !allowed.value(from).contains(include.folder))
                offenders << QStringLiteral("%1:%2: %3").arg(include.file).arg(include.line).arg(include.text);
            // Paths are always from the root: "../" would hide an arrow.
            if (include.header.startsWith(QLatin1String("../")))
                offenders << QStringLiteral("%1:%2: relative %3").arg(include.file).arg(include.line).arg(include.text);
        }
        QVERIFY(scanned > 100);
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }

    // The engines build against QtCore alone; a widget or GUI header there
    // would tie the command line and the tests to a display.
    void enginesHoldNoWidgetCode()
    {
        static const QRegularExpression gui(QStringLiteral(
            "^(QtWidgets|QtGui|QtX11Extras)(/|$)|^Q(Widget|Dialog|Label|PushButton|Application|GuiApplication|Painter|"
            "Pixmap|Image|Icon|Menu|Action|Cursor|TreeWidget|TableWidget|LineEdit|ComboBox|MessageBox|FileDialog|"
            "Screen|Font|Color|Palette)$"));
        QStringList offenders;
        for (const Include& include : includesOf({"core", "platform", "runner", "image", "burn", "helper"})) {
            if (include.folder.isEmpty() && gui.match(include.header).hasMatch())
                offenders << QStringLiteral("%1:%2: %3").arg(include.file).arg(include.line).arg(include.text);
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
        for (const char* island : {"burn/gui", "platform/gui", "image/gui", "runner/gui", "core/gui"})
            QVERIFY2(!QFileInfo::exists(m_root.filePath(QLatin1String(island))), island);
    }

    // One casing for file names: lower case (pictures keep the names the
    // program loads them by, through their resource aliases).
    void fileNamesAreLowerCase()
    {
        QStringList offenders;
        for (const char* folder : {"core", "platform", "runner", "image", "burn", "helper", "ui", "pages", "app",
                 "tests", "bench", "fuzz", "tools", "resources"}) {
            QDirIterator it(m_root.filePath(QLatin1String(folder)), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString name = QFileInfo(it.next()).fileName();
                const QString relative = m_root.relativeFilePath(it.filePath());
                if (name == QLatin1String("CMakeLists.txt") || name == QLatin1String("README.md")
                    || relative.startsWith(QLatin1String("tests/data/"))
                    || relative.startsWith(QLatin1String("fuzz/corpus/")))
                    continue;
                if (name != name.toLower())
                    offenders << relative;
            }
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
