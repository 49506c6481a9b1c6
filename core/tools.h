#pragma once

#include <QString>

// Where the external tools live: the application directory plus a fixed
// relative path. Each tool's command lines and output parsers are in a file
// of its own (sevenzip.h, isobuilder.h, recorder.h, discreader.h,
// wimsplitter.h).
namespace Tools {

QString archiveTool(); // 7-Zip
QString recorderTool(); // cdrecord (cdrskin)
QString readerTool(); // readcd (readom)
QString builderTool(); // mkisofs (genisoimage)
QString xorrisoTool(); // xorriso
QString splitterTool(); // wimlib-imagex
// The format tools and GRUB's, linked below the application directory like
// the others ("mkfs.vfat", "grub-bios-setup"); empty for a tool that is not
// linked there (the system's own: sfdisk, mount, fsck).
QString linkedSystemTool(const QString& name);

// The Debian package that ships a tool of ours, by the tool's file name
// ("7z", "cdrecord", "mkisofs"); empty for one we do not know.
QString packageOf(const QString& program);

} // namespace Tools

// The programs a window and its jobs run. Windows get one when they are made
// (the installed tools unless a caller says otherwise) and hand each job the
// program it runs.
struct ToolSet {
    QString archive; // 7-Zip
    QString recorder; // cdrecord (cdrskin)
    QString reader; // readcd (readom)
    QString builder; // mkisofs (genisoimage)
    QString splitter; // wimlib-imagex
    QString xorriso; // Rock Ridge reader and hybrid image writer

    static ToolSet Installed();
};
