#include "app/commandline.h"
#include "core/util.h"
#include "platform/leftovers.h"

#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <sys/file.h>

class TestStartup : public QObject {
    Q_OBJECT

    QString m_configDat;
    QString m_log;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_configDat = Util::GetDataPath() + QStringLiteral("/config.dat");
        m_log = Util::GetDataPath() + QStringLiteral("/log.txt");
        QVERIFY(!Util::GetDataPath().isEmpty());
    }

    void init()
    {
        QFile::remove(m_configDat);
        QFile::remove(m_log);
    }

    void cleanup() { QFile::remove(m_configDat); }

    // A start removes what crashed runs noted, only where the name is ours,
    // never through a mount, and nothing of a run still going on.
    void crashedRunsLeftoversGo()
    {
        QTemporaryDir dir;
        Leftovers::SetNotesFolder(dir.filePath("runs"));
        QVERIFY(QDir().mkpath(dir.filePath("runs")));
        const QString staging = dir.filePath("out/.quillon-extract-AbC123");
        const QString part = dir.filePath(".disc.iso.x1Y2z3.part");
        const QString userFile = dir.filePath("disc.iso");
        const QString live = dir.filePath("out/.quillon-extract-Live00");
        for (const QString& path : {staging + "/boot/bcd", part, userFile, live + "/a"})
            QVERIFY(TestUtil::writeFile(path, "x"));
        QVERIFY(TestUtil::writeFile(dir.filePath("runs/run-2147480001.txt"),
            (QStringList {staging, part, userFile, dir.filePath("gone.XXXXXX")}.join('\n') + '\n').toUtf8()));
        QVERIFY(TestUtil::writeFile(dir.filePath("runs/run-2147480002.txt"), (live + '\n').toUtf8()));
        QFile liveNotes(dir.filePath("runs/run-2147480002.txt"));
        QVERIFY(liveNotes.open(QIODevice::ReadWrite));
        QCOMPARE(::flock(liveNotes.handle(), LOCK_EX | LOCK_NB), 0); // that run still holds its notes

        QCOMPARE(Leftovers::RemoveFromEndedRuns(), (QStringList {staging, part}));
        QVERIFY(!QFileInfo::exists(staging) && !QFileInfo::exists(part));
        QVERIFY(QFileInfo::exists(userFile)); // noted, but not a name we give
        QVERIFY(QFileInfo::exists(live + "/a"));
        QVERIFY(!QFileInfo::exists(dir.filePath("runs/run-2147480001.txt")));

        // This run's own notes: a later start sees them only once it has ended.
        const QString own = dir.filePath("out/.quillon-extract-Own000");
        QVERIFY(QDir().mkpath(own));
        Leftovers::Note(own);
        QCOMPARE(Leftovers::RemoveFromEndedRuns(), QStringList());
        Leftovers::Forget(own);
        QVERIFY(Leftovers::IsOurName("/x/.big.iso.Ab12Cd"));
        QVERIFY(!Leftovers::IsOurName("/x/big.iso"));
        Leftovers::SetNotesFolder(QString());
    }

    void localeTable_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("file");
        QTest::newRow("Dutch in Belgium") << QLocale(QLocale::Dutch, QLocale::Belgium) << "qt_en";
        QTest::newRow("Dutch in the Netherlands") << QLocale(QLocale::Dutch, QLocale::Netherlands) << "qt_nl";
        // A language of the list wins over the country (Qt has no German in the Netherlands).
        QTest::newRow("English in the Netherlands") << QLocale(QLocale::English, QLocale::Netherlands) << "qt_en";
        QTest::newRow("Frisian in the Netherlands")
            << QLocale(QLocale::WesternFrisian, QLocale::Netherlands) << "qt_nl";
        QTest::newRow("Swedish in Finland") << QLocale(QLocale::Swedish, QLocale::Finland) << "qt_sv";
        QTest::newRow("Greek") << QLocale(QLocale::Greek, QLocale::Greece) << "qt_en";
    }

    void localeTable()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, file);
        QCOMPARE(Util::TranslationFileFor(locale), QStringLiteral("/translations/%1.qm").arg(file));
    }

    void imageArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("image");
        const QString here = QDir::currentPath();
        QTest::newRow("none") << QStringList {"quillon"} << QString();
        QTest::newRow("absolute path") << QStringList {"quillon", "/isos/a b.iso"} << "/isos/a b.iso";
        QTest::newRow("relative path") << QStringList {"quillon", "a.iso"} << here + "/a.iso";
        QTest::newRow("file address") << QStringList {"quillon", "file:///isos/a%20b.iso"} << "/isos/a b.iso";
        QTest::newRow("options skipped") << QStringList {"quillon", "--verbose", "/isos/a.iso"} << "/isos/a.iso";
        QTest::newRow("a name after --") << QStringList {"quillon", "--", "-a.iso"} << here + "/-a.iso";
        QTest::newRow("the first of two") << QStringList {"quillon", "/isos/a.iso", "/isos/b.iso"} << "/isos/a.iso";
        QTest::newRow("only options") << QStringList {"quillon", "-x", "--"} << QString();
    }

    void imageArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, image);
        QCOMPARE(ImageArgument(arguments), image);
    }

    void logSwitchFollowsConfigFile()
    {
        Util::WriteLog(QStringLiteral("off"));
        QVERIFY(!QFile::exists(m_log));

        QVERIFY(TestUtil::writeFile(m_configDat, QByteArray()));
        Util::WriteLog(QStringLiteral("abc"));
        Util::WriteLog(QStringLiteral("ends in a line feed\n"));
        QFile::remove(m_configDat);
        Util::WriteLog(QStringLiteral("off again"));

        const QByteArray bytes = TestUtil::readFile(m_log);
        QVERIFY(!bytes.contains('\r'));
        const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4); // abc, the message, its empty line, and the final split
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d abc$"))
                     .match(lines[0])
                     .hasMatch(),
            qPrintable(lines[0]));
        QVERIFY(lines[1].endsWith(QLatin1String(" ends in a line feed")));
        QCOMPARE(lines[2], QString());
    }

    void concurrentWritersKeepLinesWhole()
    {
        QVERIFY(TestUtil::writeFile(m_configDat, QByteArray()));
        const int perThread = 300;
        const QString a(200, QLatin1Char('a')), b(200, QLatin1Char('b'));
        QThread* t1 = QThread::create([&] {
            for (int i = 0; i < perThread; ++i)
                Util::WriteLog(a);
        });
        QThread* t2 = QThread::create([&] {
            for (int i = 0; i < perThread; ++i)
                Util::WriteLog(b);
        });
        t1->start();
        t2->start();
        QVERIFY(t1->wait(60000) && t2->wait(60000));
        delete t1;
        delete t2;
        const QStringList lines = QString::fromUtf8(TestUtil::readFile(m_log)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2 * perThread);
        for (const QString& line : lines)
            QVERIFY2(line.endsWith(QLatin1Char(' ') + a) || line.endsWith(QLatin1Char(' ') + b), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
