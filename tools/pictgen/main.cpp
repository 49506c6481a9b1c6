// pictgen: paints the program's picture set and writes one PNG per picture.
//
// Regenerate the committed pictures and their resource list without make:
//   cmake --build <build-dir> --target pictures
// or run the tool directly from the source root:
//   QT_QPA_PLATFORM=offscreen <build-dir>/tools/pictgen/pictgen resources/pictures --qrc resources/pictures.qrc
// With --preview <dir> it also writes composites (home page, pages, dialogs,
// a contact sheet) with the captions the program draws over the pictures.
// With --icons <dir> --icon-name <name> it writes the application icon into
// <dir>/hicolor/<N>x<N>/apps/<name>.png at the theme's usual sizes.
#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

// One alias per picture, so the program loads ":/vud/NAME" without extension;
// the files themselves are named in lower case.
static bool writeQrc(const QVector<Picture>& set, const QString& qrcPath, const QString& folder)
{
    QFile file(qrcPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    const QString rel = QFileInfo(qrcPath).absoluteDir().relativeFilePath(QDir(folder).absolutePath());
    QStringList names;
    for (const Picture& pic : set)
        names << pic.name;
    names.sort();
    QTextStream out(&file);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/vud\">\n";
    // The 2x twin beside each, as "NAME@2x" (the program picks it on HiDPI screens).
    for (const QString& n : names) {
        out << "    <file alias=\"" << n << "\">" << rel << "/" << n.toLower() << ".png</file>\n";
        out << "    <file alias=\"" << n << "@2x\">" << rel << "/" << n.toLower() << "@2x.png</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
}

static bool writeAppIcons(const QString& folder, const QString& name, QTextStream& err)
{
    if (name.isEmpty()) {
        err << "--icons needs --icon-name\n";
        return false;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !paintAppIcon(size).convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            return false;
        }
    }
    return true;
}

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    auto option = [&args](const QString& name) {
        QString value;
        const int at = args.indexOf(name);
        if (at >= 0 && at + 1 < args.size()) {
            value = args.at(at + 1);
            args.erase(args.begin() + at, args.begin() + at + 2);
        }
        return value;
    };
    const QString preview = option(QStringLiteral("--preview"));
    const QString qrc = option(QStringLiteral("--qrc"));
    const QString icons = option(QStringLiteral("--icons"));
    const QString iconName = option(QStringLiteral("--icon-name"));
    QTextStream err(stderr);
    if (args.size() != 1) {
        err << "usage: pictgen <output folder> [--qrc <file>] [--preview <folder>]"
               " [--icons <folder> --icon-name <name>]\n";
        return 2;
    }
    const QString folder = args.first();
    if (!QDir().mkpath(folder)) {
        err << "cannot create " << folder << "\n";
        return 1;
    }

    const QVector<Picture> set = paintAll(1);
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        for (const Picture& pic : scale == 1 ? set : paintAll(scale)) {
            const QString path = QDir(folder).filePath(pic.name.toLower() + suffix);
            // Straight (not premultiplied) alpha keeps the files portable.
            if (!pic.image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
                err << "cannot write " << path << "\n";
                return 1;
            }
        }
    }
    if (!qrc.isEmpty() && !writeQrc(set, qrc, folder)) {
        err << "cannot write " << qrc << "\n";
        return 1;
    }
    if (!icons.isEmpty() && !writeAppIcons(icons, iconName, err))
        return 1;
    if (!preview.isEmpty())
        writePreviews(set, preview);
    QTextStream(stdout) << set.size() << " pictures written to " << folder << "\n";
    return 0;
}
