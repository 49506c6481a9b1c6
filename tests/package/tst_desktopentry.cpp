// The desktop entry, metainfo and icons the package installs: accepted by the
// freedesktop validators, and consistent with each other.
#include "testutil.h"

#include <QImage>
#include <QtTest>

namespace {
const QString kId = QStringLiteral("io.github.quillon_iso.quillon");
const QString kPackaging = QStringLiteral(QUILLON_TEST_DATA "/../../packaging");
const QString kEntry = kPackaging + "/" + kId + ".desktop";
const QString kMetainfo = kPackaging + "/" + kId + ".metainfo.xml";
} // namespace

class TestDesktopEntry : public QObject {
    Q_OBJECT

private slots:
    void validatorsAccept_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList {kEntry};
        QTest::newRow("metainfo") << "appstreamcli" << QStringList {"validate", "--no-net", kMetainfo};
    }

    void validatorsAccept()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        if (!TestUtil::haveProgram(program))
            QSKIP(qPrintable(program + " is not installed (make deps installs it)"));
        const TestUtil::Result result = TestUtil::run(program, arguments);
        QVERIFY2(result.exitCode == 0, result.output.constData());
    }

    void entryOpensIsoImagesWithTheIcon()
    {
        QHash<QString, QString> entry;
        for (const QString& line : QString::fromUtf8(TestUtil::readFile(kEntry)).split('\n'))
            entry.insert(line.section('=', 0, 0), line.section('=', 1));
        QCOMPARE(entry.value("Exec"), QStringLiteral("quillon %f"));
        QVERIFY(entry.value("MimeType").split(';').contains(QStringLiteral("application/x-cd-image")));
        QCOMPARE(entry.value("Icon"), kId);

        const QByteArray xml = TestUtil::readFile(kMetainfo);
        QVERIFY(xml.contains("<id>" + kId.toUtf8() + "</id>"));
        QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + kId.toUtf8() + ".desktop</launchable>"));
        QVERIFY(xml.contains("<caption>"));
    }

    void iconAtEverySize()
    {
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            const QString path =
                QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png").arg(kPackaging).arg(size).arg(kId);
            const QImage icon(path);
            QVERIFY2(icon.size() == QSize(size, size), qPrintable(path));
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        }
    }
};

QTEST_MAIN(TestDesktopEntry)
#include "tst_desktopentry.moc"
