#pragma once

#include <QString>
#include <QStringList>

// The external tools: where they live below the application directory and
// the exact argument lists the pages hand them. Pages never assemble these.
namespace Tools {

QString archiveTool();   // 7-Zip
QString recorderTool();  // cdrecord (wodim)
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
QStringList copyToDriveArgs(const QString& drive, const QString& image, bool excludeInstallWim);
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
// Boot image given by its path inside the new image; empty for none.
QStringList saveEditedArgs(const QString& bootImage, const QString& output, const QString& sourceFolder);

// --- image splitter (part size in MiB)
QStringList splitArgs(const QString& source, const QString& target, int partMiB);

} // namespace Tools
