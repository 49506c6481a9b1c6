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

QStringList copyToDriveArgs(const QString& drive, const QString& image, bool excludeInstallWim)
{
    QStringList args{QStringLiteral("x"), QStringLiteral("-bsp2")};
    if (excludeInstallWim)
        args << QStringLiteral("-xr!install.wim");
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

QStringList saveEditedArgs(const QString& bootImage, const QString& output, const QString& sourceFolder)
{
    QStringList args{QStringLiteral("-udf"), QStringLiteral("-J")};
    if (!bootImage.isEmpty())
        args << QStringLiteral("-b") << bootImage;
    args << QStringLiteral("-o") << output << QDir::toNativeSeparators(sourceFolder);
    return args;
}

QStringList splitArgs(const QString& source, const QString& target, int partMiB)
{
    return {QStringLiteral("split"), source, target, QString::number(partMiB)};
}

} // namespace Tools
