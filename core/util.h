#pragma once

#include <QLocale>
#include <QString>

class QDataStream;

// Where the program finds its tools and translations.
QString AppDir();

class Util {
public:
    static QString GetDataPath();
    static void WriteLog(const QString& message);
    // Whether the log switch file (config.dat in the data folder) is present right now.
    static bool LogEnabled();

    // Translation file (relative to the application directory) for a locale.
    static QString TranslationFileFor(const QLocale& locale);

    // El Torito boot image extraction (implemented in image/eltorito.cpp).
    static bool BootExtract(const QString& image, const QString& output);
    static void WriteData(const QString& output, QDataStream& stream, const char* entry);
    static int Read(QDataStream& stream, qint64 position, qint64 length, char* buffer);
};
