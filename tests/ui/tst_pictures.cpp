// Every picture name the sources load must exist and load, and the title
// bar's strips must show their states apart.
#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // The resources live in a static library; pull them in explicitly.
        Q_INIT_RESOURCE(pictures);
    }

    // Scaled screens take each picture's twin; one missing or of another
    // shape draws blurred or out of place there.
    void everyPictureHasItsTwin()
    {
        QDirIterator it(QStringLiteral(":/vud"));
        int pictures = 0;
        while (it.hasNext()) {
            const QString name = it.next();
            if (name.endsWith(QLatin1String("@2x")))
                continue;
            ++pictures;
            const QImage img(name), twin(name + QStringLiteral("@2x"));
            QVERIFY2(!twin.isNull(), qPrintable(name + QStringLiteral(" has no 2x twin")));
            QCOMPARE(twin.size(), img.size() * 2);
        }
        QVERIFY(pictures > 100);
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
                    if (QImage(QStringLiteral(":/vud/") + name).isNull())
                        missing.insert(name + QStringLiteral(" (") + file.fileName() + QLatin1Char(')'));
                }
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringList(missing.values()).join(QStringLiteral(", "))));
        qInfo("%d picture names in the sources, all loaded", uses);
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
