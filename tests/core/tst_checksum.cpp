// The image checksum: sums files as sha256sum, BSD's tools and OpenSSL write
// them, the published sum found beside an image, and the job's sums checked
// against coreutils' own tools.
#include "image/imagechecksum.h"

#include "testutil.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Sha256 = QStringLiteral("9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08");
const QString Md5 = QStringLiteral("098f6bcd4621d373cade4e832627b4f6");

// "kind hex name" per sum, one per line, for comparing with a table's row.
QString shown(const QList<Checksum::SumLine>& sums)
{
    QStringList lines;
    for (const Checksum::SumLine& sum : sums)
        lines << Checksum::KindName(sum.kind) + QLatin1Char(' ') + sum.hex + QLatin1Char(' ') + sum.name;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestChecksum : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void parseSums_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sums");
        const QString s = "SHA-256 " + Sha256 + " ";
        QTest::newRow("text mode") << Sha256 + "  debian.iso" << s + "debian.iso";
        QTest::newRow("binary mark") << Sha256 + " *debian.iso" << s + "debian.iso";
        QTest::newRow("upper case, CR LF") << Sha256.toUpper() + "  debian.iso\r\n" << s + "debian.iso";
        QTest::newRow("./ taken off") << Sha256 + "  ./debian.iso" << s + "debian.iso";
        QTest::newRow("blank in the name") << Sha256 + "  my image.iso" << s + "my image.iso";
        QTest::newRow("escaped name") << "\\" + Sha256 + "  a\\\\b\\nc.iso" << s + "a\\b\nc.iso";
        QTest::newRow("BSD") << "SHA256 (debian.iso) = " + Sha256 << s + "debian.iso";
        QTest::newRow("OpenSSL") << "SHA2-256(debian.iso)= " + Sha256 << s + "debian.iso";
        QTest::newRow("BSD MD5") << "MD5 (x.iso) = " + Md5 << "MD5 " + Md5 + " x.iso";
        QTest::newRow("a lone sum") << Sha256 + "\n" << s;
        QTest::newRow("kind by length") << Md5 + "  x.iso"
                                        << "MD5 " + Md5 + " x.iso";
        QTest::newRow("BSD tag and length disagree") << "SHA256 (x.iso) = " + Md5 << "";
        QTest::newRow("no sum length") << "abcdef  x.iso"
                                       << "";
        QTest::newRow("comments and a signature") << "# sums\n-----BEGIN PGP SIGNATURE-----\n\n" + Sha256 + "  a.iso\n"
                + Md5 + "  b.iso\n" << s + "a.iso\nMD5 " + Md5 + " b.iso";
    }
    void parseSums()
    {
        QFETCH(QString, text);
        QFETCH(QString, sums);
        QCOMPARE(shown(Checksum::ParseSums(text)), sums);
    }

    // Which file beside the image is believed, for which kind.
    void publishedSum_data()
    {
        QTest::addColumn<QStringList>("files"); // name, content, name, content...
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("found"); // "file hex", empty for none
        QTest::addColumn<QString>("compared"); // what KindToCompare picks
        const QString other = QString(64, QLatin1Char('1'));
        QTest::newRow("SHA256SUMS names it among others")
            << QStringList {"SHA256SUMS", other + "  other.iso\n" + Sha256 + " *image.iso\n"} << "SHA-256"
            << "SHA256SUMS " + Sha256 << "SHA-256";
        QTest::newRow("SHA256SUMS without it") << QStringList {"SHA256SUMS", other + "  other.iso\n"} << "SHA-256"
                                               << ""
                                               << "SHA-256";
        QTest::newRow("IMAGE.sha256 under its old name")
            << QStringList {"image.iso.sha256", Sha256 + "  debian-12.iso\n"} << "SHA-256"
            << "image.iso.sha256 " + Sha256 << "SHA-256";
        QTest::newRow("IMAGE.sha256 before SHA256SUMS")
            << QStringList {"image.iso.sha256", Sha256 + "\n", "SHA256SUMS", other + "  image.iso\n"} << "SHA-256"
            << "image.iso.sha256 " + Sha256 << "SHA-256";
        QTest::newRow("IMAGE.sha256 with two others: neither")
            << QStringList {"image.iso.sha256", Sha256 + "  a.iso\n" + other + "  b.iso\n"} << "SHA-256"
            << ""
            << "SHA-256";
        QTest::newRow("only MD5SUMS") << QStringList {"MD5SUMS", "MD5 (image.iso) = " + Md5 + "\n"} << "MD5"
                                      << "MD5SUMS " + Md5 << "MD5";
        QTest::newRow("MD5 asked, SHA256SUMS there") << QStringList {"SHA256SUMS", Sha256 + "  image.iso\n"} << "MD5"
                                                     << ""
                                                     << "SHA-256";
        QTest::newRow("a folder named SHA1SUMS") << QStringList {"SHA1SUMS/x", "x"} << "SHA-1"
                                                 << ""
                                                 << "SHA-256";
    }
    void publishedSum()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, kind);
        QFETCH(QString, found);
        QFETCH(QString, compared);
        QTemporaryDir dir;
        const QString image = dir.filePath("image.iso");
        QVERIFY(TestUtil::writeFile(image, "test"));
        for (int i = 0; i + 1 < files.size(); i += 2)
            QVERIFY(TestUtil::writeFile(dir.filePath(files.at(i)), files.at(i + 1).toUtf8()));
        const HashKind asked = kind == "MD5" ? HashKind::Md5 : kind == "SHA-1" ? HashKind::Sha1 : HashKind::Sha256;
        const std::optional<Checksum::Published> published = Checksum::PublishedSum(image, asked);
        QCOMPARE(published ? QFileInfo(published->file).fileName() + " " + published->hex : QString(), found);
        QCOMPARE(Checksum::KindName(Checksum::KindToCompare(image)), compared);
    }

    // Each kind equals coreutils' tool on data that ends mid-block; the
    // comparison follows the file beside the image; the sum line is the tool's.
    void jobAgainstCoreutils()
    {
        const QString image = m_dir.filePath("odd \\name.iso");
        QVERIFY(TestUtil::writeFile(image, TestUtil::randomBytes(ChecksumJob::BlockBytes + 12345)));
        for (const auto& [kind, tool] : {std::pair {HashKind::Sha256, "sha256sum"},
                 std::pair {HashKind::Sha1, "sha1sum"}, std::pair {HashKind::Md5, "md5sum"}}) {
            const TestUtil::Result theirs = TestUtil::run(tool, {image});
            QCOMPARE(theirs.exitCode, 0);
            ChecksumJob job(image, kind);
            QVERIFY(TestUtil::finish(job));
            QCOMPARE(job.status(), Job::Status::Succeeded);
            QCOMPARE(Checksum::SumLineFor(job.hex(), image).toUtf8() + '\n', theirs.output);
            QCOMPARE(job.comparison(), ChecksumJob::Comparison::NothingPublished);
        }
        const QString own = image + ".sha256";
        ChecksumJob first(image, HashKind::Sha256);
        QVERIFY(TestUtil::finish(first));
        for (const bool same : {true, false}) {
            QString hex = first.hex();
            if (!same)
                hex[0] = hex[0] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
            QVERIFY(TestUtil::writeFile(own, hex.toUtf8() + "\n"));
            ChecksumJob job(image, HashKind::Sha256);
            QVERIFY(TestUtil::finish(job));
            QCOMPARE(job.comparison(), same ? ChecksumJob::Comparison::Matches : ChecksumJob::Comparison::Differs);
            QCOMPARE(job.publishedIn(), own);
        }
        QFile::remove(own);
    }

    // Stop ends the worker within a block; a missing image fails with its name.
    void stopAndMissing()
    {
        const QString image = m_dir.filePath("large.iso");
        QVERIFY(TestUtil::makeSparseFile(image, Q_INT64_C(16) << 30));
        ChecksumJob job(image, HashKind::Sha256);
        QSignalSpy progress(&job, &Job::progress);
        job.start();
        QTRY_VERIFY(progress.size() > 1 && progress.last().at(1).toLongLong() > 0);
        QElapsedTimer clock;
        clock.start();
        job.stop();
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(job.status(), Job::Status::Stopped);
        QVERIFY(job.hex().isEmpty());

        ChecksumJob missing(m_dir.filePath("none.iso"), HashKind::Md5);
        QVERIFY(TestUtil::finish(missing));
        QCOMPARE(missing.status(), Job::Status::Failed);
        QVERIFY2(missing.reason().contains("none.iso"), qPrintable(missing.reason()));
    }
};

QTEST_GUILESS_MAIN(TestChecksum)
#include "tst_checksum.moc"
