#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// The core library builds without widgets and must stay usable without them:
// nothing in it may reach into the application, the widgets or the pages.
class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void coreIncludesNoWidgetCode()
    {
        const QDir root(QStringLiteral(QUILLON_TEST_DATA "/../.."));
        static const QRegularExpression include(
            QStringLiteral("^\\s*#\\s*include\\s*[<\"](?:\\.\\./)*(app|ui|pages|burn/gui)/[^>\"]*[>\"]"),
            QRegularExpression::MultilineOption);
        QStringList offenders;
        int scanned = 0;
        for (const char* folder : {"core", "runner", "image", "burn", "platform"}) {
            QDirIterator it(root.filePath(QLatin1String(folder)), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                            QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = root.relativeFilePath(it.next());
                if (path.startsWith(QLatin1String("burn/gui/")))
                    continue;
                QFile file(it.filePath());
                QVERIFY(file.open(QIODevice::ReadOnly));
                ++scanned;
                auto match = include.globalMatch(QString::fromUtf8(file.readAll()));
                while (match.hasNext())
                    offenders << path + QStringLiteral(": ") + match.next().captured(0).trimmed();
            }
        }
        QVERIFY(scanned > 10);
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
