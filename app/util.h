#pragma once

#include <QLocale>
#include <QString>

class QDataStream;

// Where the program finds its tools and translations.
QString AppDir();

// One El Torito boot catalog entry (default or section entry).
struct BootEntry
{
    bool bootable = false;
    quint8 platform = 0;     // 0 x86, 0xEF UEFI (section header's platform)
    quint8 mediaType = 0;    // low 4 bits of the media byte
    quint16 loadSegment = 0;
    quint16 sectorCount = 0; // 512-byte units, as stored
    quint32 loadRba = 0;     // 2048-byte sectors
};

class Util
{
public:
    static QString GetDataPath();
    static void WriteLog(const QString& message);
    // Whether the log switch file (config.dat in the data folder) is present right now.
    static bool LogEnabled();

    // Translation file (relative to the application directory) for a locale.
    static QString TranslationFileFor(const QLocale& locale);

    // El Torito boot image extraction.
    static bool BootExtract(const QString& image, const QString& output);
    static void WriteData(const QString& output, QDataStream& stream, const char* entry);
    static int Read(QDataStream& stream, qint64 position, qint64 length, char* buffer);
};
