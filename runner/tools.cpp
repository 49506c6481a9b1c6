#include "runner/tools.h"

#include "core/util.h"
#include "image/isocontent.h"
#include "platform/process.h"

#include <QDir>
#include <QHash>

namespace Tools {

static QHash<QString, QString>& testTools()
{
    static QHash<QString, QString> tools;
    return tools;
}

static QString tool(const char* relative)
{
    const QString replaced = testTools().value(QLatin1String(relative));
    if (!replaced.isEmpty())
        return replaced;
    return AppDir() + QLatin1String(relative) + Platform::exeSuffix();
}

void SetToolForTest(const QString& relative, const QString& program)
{
    if (program.isEmpty())
        testTools().remove(relative);
    else
        testTools().insert(relative, program);
}

QString archiveTool() { return tool("/7z/7z"); }
QString recorderTool() { return tool("/cdrtools/cdrecord"); }
QString readerTool() { return tool("/cdrtools/readcd"); }
QString builderTool() { return tool("/cdrtools/mkisofs"); }
QString splitterTool() { return tool("/wimlib/wimlib-imagex"); }

QString imagePathForTool(const QString& pathInImage)
{
#ifdef Q_OS_WIN
    QString path = pathInImage;
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
#else
    // 7-Zip on Linux matches nothing for "boot\bcd" and still exits 0.
    QString path = pathInImage;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/')).replace(NameBackslash, QLatin1Char('\\'));
#endif
}

// "-spd": the image path is a name, not a pattern ("a?b.iso" would list axb.iso too).
QStringList listArgs(const QString& image)
{
    return {QStringLiteral("l"), QStringLiteral("-spd"), image};
}

QStringList installProbeArgs(const QString& image)
{
    return {QStringLiteral("l"), QStringLiteral("-spd"), image, QStringLiteral("sources/install.wim")};
}

QStringList extractArgs(const QString& image, const QString& folder, const QStringList& entries)
{
    QStringList args{QStringLiteral("x"),    image,                             QStringLiteral("-y"),
                     QStringLiteral("-bb3"), QStringLiteral("-bsp2"),           QStringLiteral("-o") + folder,
                     QStringLiteral("-spd"), QStringLiteral("--")};
    for (const QString& entry : entries)
        args << imagePathForTool(entry);
    return args;
}

QStringList extractAllArgs(const QString& folder, const QString& image)
{
    return {QStringLiteral("x"), QStringLiteral("-y"), QStringLiteral("-bb3"), QStringLiteral("-bsp2"),
            QStringLiteral("-o") + folder, image};
}

QStringList copyToDriveArgs(const QString& drive, const QString& image, const QString& leaveOut)
{
    QStringList args{QStringLiteral("x"), QStringLiteral("-bsp2"), QStringLiteral("-y"), QStringLiteral("-x![BOOT]")};
    if (!leaveOut.isEmpty())
        args << QStringLiteral("-x!") + imagePathForTool(leaveOut);
    args << QStringLiteral("-o") + drive + QLatin1Char('/') << image;
    return args;
}

QStringList extractFlatArgs(const QString& image, const QString& folder, const QString& pathInImage)
{
    return {QStringLiteral("e"), QStringLiteral("-y"), image, QStringLiteral("-o") + folder,
            imagePathForTool(pathInImage)};
}

QStringList scanBusArgs()
{
    return {QStringLiteral("-scanbus")};
}

QStringList writeImageArgs(const QString& recorderAddress, const QString& image)
{
#ifdef Q_OS_WIN
    const QString imageArg = QLatin1Char('"') + image + QLatin1Char('"');
#else
    // No shell strips quotes here: they would become part of the file name.
    const QString imageArg = image;
#endif
    return {QStringLiteral("-v"), QStringLiteral("-eject"), QStringLiteral("dev=") + recorderAddress,
            QStringLiteral("-sao"), QStringLiteral("driveropts=burnfree"), imageArg};
}

QStringList ejectArgs(const QString& recorderAddress)
{
    return {QStringLiteral("-dev=") + recorderAddress, QStringLiteral("-eject")};
}

QStringList readDiscArgs(const QString& recorderAddress, const QString& output)
{
    return {QStringLiteral("-dev=") + recorderAddress, QStringLiteral("-f=") + output};
}

QStringList createImageArgs(ImageType type, const QString& output, const QString& sourceFolder,
                            bool allowLargeFiles)
{
    static const char* const typeArgs[] = {"-joliet", "-l", "-udf"};
    QStringList args{QLatin1String(typeArgs[int(type)]), QStringLiteral("-R")};
    // "-joliet-long" switches Joliet on by itself: a plain ISO 9660 image goes without.
    if (type != ImageType::Iso9660)
        args << QStringLiteral("-joliet-long");
    if (allowLargeFiles)
        args << QStringLiteral("-allow-limited-size");
    args << QStringLiteral("-o") << output << QDir::toNativeSeparators(sourceFolder);
    return args;
}

// With -graft-points the builder splits every path at its first "=";
// backslash escapes both.
static QString graftEscaped(const QString& path)
{
    QString escaped;
    escaped.reserve(path.size());
    for (const QChar c : path) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('='))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

QStringList saveEditedArgs(const SaveEditedOptions& options, const QString& output, const QString& sourceFolder)
{
    // Rock Ridge keeps long names, case and modes for the systems that read
    // it; long Joliet names keep two names that share 64 characters apart.
    QStringList args{QStringLiteral("-udf"), QStringLiteral("-J"), QStringLiteral("-joliet-long"),
                     QStringLiteral("-R")};
    if (options.allowLargeFiles)
        args << QStringLiteral("-allow-limited-size");
    if (!options.volumeLabel.isEmpty())
        args << QStringLiteral("-V") << options.volumeLabel;
    for (const QString& excluded : options.excludedFiles)
        args << QStringLiteral("-x") << QDir::toNativeSeparators(excluded);
    if (!options.bootImages.isEmpty())
        args << QStringLiteral("-c") << options.catalogPath;
    bool first = true;
    for (const BootImageArgs& image : options.bootImages) {
        if (!first)
            args << QStringLiteral("-eltorito-alt-boot");
        first = false;
        args << (image.entry.platform == 0xEF ? QStringLiteral("-e") : QStringLiteral("-b")) << image.path;
        // Without -no-emul-boot the builder takes any image for a diskette.
        if (image.entry.mediaType == 0) {
            args << QStringLiteral("-no-emul-boot");
            if (image.entry.sectorCount > 0)
                args << QStringLiteral("-boot-load-size") << QString::number(image.entry.sectorCount);
        } else if (image.entry.mediaType == 4) {
            args << QStringLiteral("-hard-disk-boot");
        }
        if (!image.entry.bootable)
            args << QStringLiteral("-no-boot");
        if (image.entry.loadSegment != 0)
            args << QStringLiteral("-boot-load-seg") << QString::number(image.entry.loadSegment);
        if (image.infoTable)
            args << QStringLiteral("-boot-info-table");
    }
    if (!options.graftFiles.isEmpty())
        args << QStringLiteral("-graft-points");
    args << QStringLiteral("-o") << output;
    for (const auto& graft : options.graftFiles)
        args << graftEscaped(graft.first) + QLatin1Char('=') + graftEscaped(graft.second);
    const QString source = QDir::toNativeSeparators(sourceFolder);
    args << (options.graftFiles.isEmpty() ? source : graftEscaped(source));
    return args;
}

QStringList splitArgs(const QString& source, const QString& target, int partMiB)
{
    return {QStringLiteral("split"), source, target, QString::number(partMiB)};
}

} // namespace Tools
