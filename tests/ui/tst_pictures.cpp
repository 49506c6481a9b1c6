// The picture set decides window and button sizes, so every picture must exist
// with its exact size, and every picture name the sources load must exist.
#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

struct Group {
    int w, h;
    const char* names; // "base*" stands for base1, base2, base3; "base*4" adds base4
};

const Group kGroups[] = {
    {860, 580, "main"},
    {858, 472, "page1 page2 page3 page4 page5"},
    {518, 220, "mburn*"},
    {249, 220, "Extract*"},
    {252, 219, "Create* Edit*"},
    {249, 219, "Copy-Disc*"},
    {420, 188, "commdialogbg about_us burn-fails format_usb insert_usb insufficient_space select_files_extract"},
    {108, 30, "Back* backwhite* burn* btnextract* Create-IOS* save* start*"},
    {148, 24, "addfile* adddir* Remove*"},
    {88, 28, "filedialog* refresh*"},
    {100, 26, "loadiso*"},
    {84, 28, "close menu minimize"},
    {120, 19, "Delete*"},
    {124, 19, "Rename*"},
    {104, 19, "Add* New*"},
    {96, 19, "Export*"},
    {92, 22, "OK_* NO_*"},
    {90, 21, "OK* Open-Folder*"},
    {73, 20, "Stop*4"},
    {88, 24, "Broswe*"},
    {46, 46, "help_*"},
    {28, 25, "close_small_*"},
    {15, 14, "zoom"},
    {12, 12, "rchecked runchecked"},
    {10, 5, "select"},
};

QStringList expand(const QString& word)
{
    const int star = word.indexOf(QLatin1Char('*'));
    if (star < 0)
        return {word};
    const int last = word.endsWith(QLatin1String("*4")) ? 4 : 3;
    QStringList out;
    for (int i = 1; i <= last; ++i)
        out << word.left(star) + QString::number(i);
    return out;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // The resources live in a static library; pull them in explicitly.
        Q_INIT_RESOURCE(pictures);
    }

    void size_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("expected");
        for (const Group& g : kGroups)
            for (const QString& word : QString::fromLatin1(g.names).split(QLatin1Char(' ')))
                for (const QString& name : expand(word))
                    QTest::newRow(qPrintable(name)) << name << QSize(g.w, g.h);
    }

    void size()
    {
        QFETCH(QString, name);
        QFETCH(QSize, expected);
        const QImage img(QStringLiteral(":/vud/") + name);
        QVERIFY2(!img.isNull(), qPrintable(name + QStringLiteral(" does not load")));
        QCOMPARE(img.size(), expected);
        QVERIFY(img.hasAlphaChannel());
        // The twin for scaled screens, or those draw the picture blurred.
        const QImage twin(QStringLiteral(":/vud/") + name + QStringLiteral("@2x"));
        QCOMPARE(twin.size(), expected * 2);
    }

    void stripFramesDiffer()
    {
        for (const char* strip : {"close", "menu", "minimize"}) {
            const QImage img(QStringLiteral(":/vud/") + QLatin1String(strip));
            // Each state must differ from the others, or hover and press show nothing.
            const QImage a = img.copy(0, 0, 28, 28), b = img.copy(28, 0, 28, 28), c = img.copy(56, 0, 28, 28);
            QVERIFY(a != b && b != c && a != c);
        }
    }

    void everyLoadedNameExists()
    {
        const QString root = QStringLiteral(QUILLON_TEST_DATA "/../..");
        const QRegularExpression use(QStringLiteral(":/vud/([A-Za-z0-9_\\-]+)"));
        QSet<QString> missing;
        int uses = 0;
        for (const char* sub : {"app", "ui", "pages", "image", "burn"}) {
            QDirIterator it(root + QLatin1Char('/') + QLatin1String(sub), {"*.cpp", "*.h", "*.ui", "*.qss"},
                QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                auto m = use.globalMatch(QString::fromUtf8(file.readAll()));
                while (m.hasNext()) {
                    const QString name = m.next().captured(1);
                    ++uses;
                    if (!QFile::exists(QStringLiteral(":/vud/") + name))
                        missing.insert(name + QStringLiteral(" (") + file.fileName() + QLatin1Char(')'));
                }
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringList(missing.values()).join(QStringLiteral(", "))));
        qInfo("%d picture names in the sources, all present", uses);
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
