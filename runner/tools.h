#pragma once

#include "image/eltorito.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The external tools: where they live below the application directory and
// the exact argument lists the pages hand them. Pages never assemble these.
namespace Tools {

QString archiveTool();   // 7-Zip
QString recorderTool();  // cdrecord (cdrskin)
QString readerTool();    // readcd (readom)
QString builderTool();   // mkisofs (genisoimage)
QString splitterTool();  // wimlib-imagex

// Test seam: `program` runs wherever the tool at `relative` below the
// application directory ("/cdrtools/cdrecord") is asked for. An empty
// program puts the real tool back.
void SetToolForTest(const QString& relative, const QString& program);

// A path inside an image ("boot\\bcd" or "boot/bcd") in the form the tools
// expect on this platform.
QString imagePathForTool(const QString& pathInImage);

// --- archive tool
QStringList listArgs(const QString& image);
QStringList installProbeArgs(const QString& image);
// Extracts exactly the named entries: no recursive name matching (with "-r" a
// root name such as "setup.exe" also pulls in sources/setup.exe), no wildcard
// matching, and names after "--" so an entry called "-y" or "@list" stays a name.
QStringList extractArgs(const QString& image, const QString& folder, const QStringList& entries);
QStringList extractAllArgs(const QString& folder, const QString& image);
// Every file of the image onto a stick: no question can stop the run, El
// Torito's "[BOOT]" entries stay behind, and so does `leaveOut` (a path in
// the image, the install image that is split instead; empty for none).
QStringList copyToDriveArgs(const QString& drive, const QString& image, const QString& leaveOut);
QStringList extractFlatArgs(const QString& image, const QString& folder, const QString& pathInImage);

// --- disc tools
QStringList scanBusArgs();
QStringList writeImageArgs(const QString& recorderAddress, const QString& image);
QStringList ejectArgs(const QString& recorderAddress);
QStringList readDiscArgs(const QString& recorderAddress, const QString& output);

enum class ImageType { Joliet = 0, Iso9660 = 1, Udf = 2 };
// allowLargeFiles: files of 4 GiB or more are accepted; only the image's UDF
// tree then holds their true size.
QStringList createImageArgs(ImageType type, const QString& output, const QString& sourceFolder,
                            bool allowLargeFiles = false);
// One El Torito entry of an edited image, made again as the original had it.
struct BootImageArgs
{
    BootEntry entry;
    bool infoTable = false; // the builder patches the table into the file (give it a copy)
    QString path;           // the file's path inside the new image, "/" separated
};

struct SaveEditedOptions
{
    QString volumeLabel;        // empty: the builder's default
    QString catalogPath;        // inside the new image; used with boot images only
    QList<BootImageArgs> bootImages;
    // Local files placed into the new image beside the source folder's
    // content: (path inside the image, local file).
    QList<QPair<QString, QString>> graftFiles;
    // Local files of the source folder left out (an old boot catalog, which
    // the new one replaces).
    QStringList excludedFiles;
    bool allowLargeFiles = false;
};
QStringList saveEditedArgs(const SaveEditedOptions& options, const QString& output, const QString& sourceFolder);

// --- image splitter (part size in MiB)
QStringList splitArgs(const QString& source, const QString& target, int partMiB);

} // namespace Tools
