// The files the package installs besides the program: desktop entry,
// metainfo, icons, polkit action and man page. Accepted by their validators,
// translated into every language the program speaks, and consistent with each
// other and with the program.
#include "testutil.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
const QString kId = QStringLiteral("io.github.quillon_iso.quillon");
const QString kPackaging = QStringLiteral(QUILLON_TEST_DATA "/../../packaging");
const QString kEntry = kPackaging + "/" + kId + ".desktop";
const QString kMetainfo = kPackaging + "/" + kId + ".metainfo.xml";
const QString kPolicy = kPackaging + "/" + kId + ".policy";
const QString kManPage = kPackaging + "/quillon.1";
const QString kIcons = kPackaging + "/icons/hicolor";
const QStringList kJobs {"burn", "extract", "create", "edit", "copy-disc"};

// The program's languages, from its translation sources; English is the
// untranslated text.
QStringList translatedLanguages()
{
    QStringList languages;
    const QDir ts(QStringLiteral(QUILLON_TEST_DATA "/../../resources/translations"));
    for (const QString& name : ts.entryList({"qt_*.ts"}, QDir::Files, QDir::Name)) {
        const QString language = name.mid(3, name.size() - 6);
        if (language != QLatin1String("en"))
            languages << language;
    }
    return languages;
}

// Desktop entry groups: group name -> key -> value.
QHash<QString, QHash<QString, QString>> readEntry()
{
    QHash<QString, QHash<QString, QString>> groups;
    QString group;
    for (const QString& line : QString::fromUtf8(TestUtil::readFile(kEntry)).split('\n')) {
        if (line.startsWith('['))
            group = line.mid(1, line.size() - 2);
        else if (line.contains('='))
            groups[group].insert(line.section('=', 0, 0), line.section('=', 1));
    }
    return groups;
}

// For each element name: the languages it comes in ("" for the untranslated
// one), counted over every occurrence.
QHash<QString, QStringList> languagesByElement(const QString& path)
{
    QHash<QString, QStringList> found;
    QXmlStreamReader xml(TestUtil::readFile(path));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            found[xml.name().toString()] << xml.attributes().value("xml:lang").toString();
    }
    return found;
}

QString elementText(
    const QString& path, const QString& element, const QString& attribute = {}, const QString& value = {})
{
    QXmlStreamReader xml(TestUtil::readFile(path));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element
            && (attribute.isEmpty() || xml.attributes().value(attribute) == value))
            return xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return {};
}

QSet<QString> optionsIn(const QString& text)
{
    QSet<QString> options;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("--[a-z][a-z-]*")).globalMatch(text);
    while (it.hasNext())
        options.insert(it.next().captured(0));
    return options;
}

// The man page's source as plain text: "\-" is a minus sign.
QString manPageText()
{
    return QString::fromUtf8(TestUtil::readFile(kManPage)).replace(QLatin1String("\\-"), QLatin1String("-"));
}
} // namespace

class TestPackageFiles : public QObject {
    Q_OBJECT

private slots:
    void validatorsAccept_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList {kEntry};
        QTest::newRow("metainfo") << "appstreamcli" << QStringList {"validate", "--no-net", "--pedantic", kMetainfo};
        QTest::newRow("polkit action") << "xmllint"
                                       << QStringList {"--noout", "--nonet", "--dtdvalid",
                                              "/usr/share/polkit-1/policyconfig-1.dtd", kPolicy};
        QTest::newRow("man page") << "man" << QStringList {"--warnings", "-E", "UTF-8", "-l", "-Z", kManPage};
    }

    void validatorsAccept()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        if (!TestUtil::haveProgram(program))
            QSKIP(qPrintable(program + " is not installed (make deps installs it)"));
        if (arguments.contains("--dtdvalid") && !QFileInfo::exists(arguments.at(arguments.indexOf("--dtdvalid") + 1)))
            QSKIP("polkit's DTD is not installed (package polkitd)");
        const TestUtil::Result result = TestUtil::run(program, arguments);
        QVERIFY2(result.exitCode == 0, result.output.constData());
        // man reports troff warnings on its error output and still exits 0.
        if (program == QLatin1String("man"))
            QVERIFY2(!result.output.contains("warning"), result.output.constData());
    }

    void entryOpensImagesAndOffersEveryJob()
    {
        const auto groups = readEntry();
        const auto& entry = groups.value("Desktop Entry");
        QCOMPARE(entry.value("Exec"), QStringLiteral("quillon %F"));
        QVERIFY(entry.value("MimeType").split(';').contains(QStringLiteral("application/x-cd-image")));
        QCOMPARE(entry.value("Icon"), kId);
        QCOMPARE(entry.value("Actions"), kJobs.join(';') + ';');
        for (const QString& job : kJobs) {
            const auto& action = groups.value("Desktop Action " + job);
            QCOMPARE(action.value("Exec"), "quillon --page " + job);
            QVERIFY2(!action.value("Name").isEmpty(), qPrintable(job));
        }
    }

    // A language added to the program and forgotten here shows up as English
    // in menus, software centres and the password dialog.
    void everyLanguageTranslated()
    {
        const QStringList languages = translatedLanguages();
        QVERIFY(languages.size() >= 11);
        const auto groups = readEntry();
        for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
            for (const QString key : {"GenericName", "Comment", "Keywords", "Name"}) {
                // The program's own name is the same in every language.
                if (!group->contains(key) || (group.key() == "Desktop Entry" && key == QLatin1String("Name")))
                    continue;
                for (const QString& language : languages) {
                    const QString localised = QStringLiteral("%1[%2]").arg(key, language);
                    QVERIFY2(!group->value(localised).isEmpty(), qPrintable(group.key() + ": " + localised));
                }
            }
        }
        const QList<QPair<QString, QStringList>> xmlFiles {
            {kMetainfo, {"summary", "p", "li", "caption"}}, {kPolicy, {"description", "message"}}};
        for (const auto& file : xmlFiles) {
            const auto found = languagesByElement(file.first);
            for (const QString& element : file.second) {
                const QStringList& seen = found.value(element);
                const int originals = seen.count(QString());
                QVERIFY2(originals > 0, qPrintable(file.first + ": no " + element));
                for (const QString& language : languages)
                    QVERIFY2(seen.count(language) == originals,
                        qPrintable(QStringLiteral("%1: %2 of %3 <%4> in %5")
                                       .arg(file.first)
                                       .arg(seen.count(language))
                                       .arg(originals)
                                       .arg(element, language)));
            }
        }
    }

    void metainfoAgreesWithThePackage()
    {
        const QByteArray xml = TestUtil::readFile(kMetainfo);
        QVERIFY(xml.contains("<id>" + kId.toUtf8() + "</id>"));
        QCOMPARE(elementText(kMetainfo, "launchable"), kId + ".desktop");
        QCOMPARE(elementText(kMetainfo, "project_license"), QStringLiteral("GPL-3.0-or-later"));
        QVERIFY(xml.contains("<release version=\"" QUILLON_VERSION "\""));
        QVERIFY(xml.contains("<content_rating type=\"oars-1.1\""));

        // The screenshot is served from the repository: the file must exist
        // there, at the size the metainfo announces.
        QXmlStreamReader reader(xml);
        int screenshots = 0;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != QLatin1String("image"))
                continue;
            const int width = reader.attributes().value("width").toInt();
            const int height = reader.attributes().value("height").toInt();
            const QString url = reader.readElementText();
            const QString marker = QStringLiteral("/main/");
            QVERIFY2(url.contains(marker), qPrintable(url));
            const QString file = kPackaging + "/../" + url.mid(url.indexOf(marker) + marker.size());
            const QImage shot(file);
            QVERIFY2(!shot.isNull(), qPrintable(file));
            QCOMPARE(shot.size(), QSize(width, height));
            ++screenshots;
        }
        QVERIFY(screenshots > 0);
    }

    void iconAtEverySize()
    {
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(kIcons).arg(size).arg(kId);
            const QImage icon(path);
            QVERIFY2(icon.size() == QSize(size, size), qPrintable(path));
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        }
    }

    // The hand-written SVG must look like the drawn PNGs, or the icon changes
    // with the size a desktop asks for.
    void scalableIconLooksLikeThePng()
    {
        if (!QImageReader::supportedImageFormats().contains("svg"))
            QSKIP("Qt's SVG image plugin is not installed (libqt5svg5)");
        const QImage png =
            QImage(QStringLiteral("%1/256x256/apps/%2.png").arg(kIcons, kId)).convertToFormat(QImage::Format_ARGB32);
        QImageReader reader(QStringLiteral("%1/scalable/apps/%2.svg").arg(kIcons, kId));
        reader.setScaledSize(png.size());
        const QImage svg = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!svg.isNull(), qPrintable(reader.errorString()));
        qint64 difference = 0;
        for (int y = 0; y < png.height(); ++y) {
            for (int x = 0; x < png.width(); ++x) {
                const QRgb a = png.pixel(x, y), b = svg.pixel(x, y);
                difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b))
                    + qAbs(qAlpha(a) - qAlpha(b));
            }
        }
        const double mean = double(difference) / (png.width() * png.height() * 4);
        QVERIFY2(mean < 1.5, qPrintable(QStringLiteral("mean difference %1 of 255 per channel").arg(mean)));
    }

    // Desktops recolour a symbolic icon by its fills: one colour, no strokes.
    void symbolicIconIsOneColour()
    {
        const QString path = QStringLiteral("%1/symbolic/apps/%2-symbolic.svg").arg(kIcons, kId);
        const QString svg = QString::fromUtf8(TestUtil::readFile(path));
        QVERIFY2(svg.contains("viewBox=\"0 0 16 16\""), qPrintable(path));
        QVERIFY(!svg.contains("stroke"));
        QSet<QString> colours;
        QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("#[0-9a-fA-F]{3,6}")).globalMatch(svg);
        while (it.hasNext())
            colours.insert(it.next().captured(0).toLower());
        QCOMPARE(colours.size(), 1);
        if (QImageReader::supportedImageFormats().contains("svg")) {
            QImageReader reader(path);
            reader.setScaledSize(QSize(32, 32));
            const QImage icon = reader.read();
            QVERIFY(!icon.isNull());
            QVERIFY(qAlpha(icon.pixel(16, 1)) > 200); // the rim
            QCOMPARE(qAlpha(icon.pixel(16, 16)), 0); // the hole
        }
    }

    void polkitActionAsksOnceForTheHelper()
    {
        QVERIFY(TestUtil::readFile(kPolicy).contains("<action id=\"" + kId.toUtf8() + ".usb-write\">"));
        QCOMPARE(elementText(kPolicy, "allow_active"), QStringLiteral("auth_admin_keep"));
        QCOMPARE(elementText(kPolicy, "annotate", "key", "org.freedesktop.policykit.exec.path"),
            QStringLiteral("/usr/libexec/quillon/quillon-usb-helper"));
    }

    // The man page and `quillon --help` describe the same command line.
    void manPageMatchesHelp()
    {
        const QString quillon = QCoreApplication::applicationDirPath() + "/quillon";
        qputenv("QUILLON_EXIT_AFTER_SHOWN", "1"); // a quillon without --help shows its window and ends
        const TestUtil::Result help = TestUtil::run(quillon, {"--help"}, 60000);
        const QSet<QString> inHelp = optionsIn(QString::fromUtf8(help.output));
        if (!inHelp.contains("--page"))
            QSKIP("this quillon's --help does not describe the command line yet");
        QCOMPARE(help.exitCode, 0);
        const QString man = manPageText();
        QCOMPARE(optionsIn(man), inHelp);
        for (const QString command : {"extract", "create", "edit", "burn", "copy-disc", "list-drives", "checksum"}) {
            QVERIFY2(man.contains("quillon " + command), qPrintable(command));
            // The help lists the subcommands under "quillon SUBCOMMAND", one a line.
            QVERIFY2(help.output.contains(("\n  " + command + " ").toUtf8()), qPrintable(command));
        }
        const TestUtil::Result version = TestUtil::run(quillon, {"--version"}, 60000);
        QCOMPARE(version.output.trimmed(), QByteArray("quillon " QUILLON_VERSION));
    }
};

QTEST_MAIN(TestPackageFiles)
#include "tst_packagefiles.moc"
