#include "core/util.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStandardPaths>
#include <QTextStream>

QString AppDir()
{
    return QCoreApplication::applicationDirPath();
}

QString Util::GetDataPath()
{
    QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (path.isEmpty() || path.startsWith(QLatin1String("/var/root")))
        path.clear();
    QDir dir(path);
    if (!path.isEmpty() && !dir.exists())
        dir.mkpath(QStringLiteral("."));
    return path;
}

bool Util::LogEnabled()
{
    // The switch lies beside the log, in the user's data folder: an installed
    // program's directory belongs to the system.
    static const QString dataPath = GetDataPath();
    static const QString switchFile = dataPath + QStringLiteral("/config.dat");
    return !dataPath.isEmpty() && QFile::exists(switchFile);
}

void Util::WriteLog(const QString& message)
{
    if (!LogEnabled())
        return;
    // Runner threads log every output piece: one writer at a time keeps lines whole.
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const QString dataPath = GetDataPath();
    if (dataPath.isEmpty())
        return; // never write a log into the root of the file system
    QFile file(dataPath + QStringLiteral("/log.txt"));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return;
    QTextStream out(&file);
    out << stamp << ' ' << message << '\n';
    out.flush();
}

QString Util::TranslationFileFor(const QLocale& locale)
{
    struct Row {
        QLocale::Language language;
        const char* code;
    };
    static const Row rows[] = {
        {QLocale::English, "en"},
        {QLocale::Chinese, "zh"},
        {QLocale::Japanese, "ja"},
        {QLocale::French, "fr"},
        {QLocale::German, "de"},
        {QLocale::Spanish, "es"},
        {QLocale::Portuguese, "pt"},
        {QLocale::Polish, "pl"},
        {QLocale::Italian, "it"},
        {QLocale::Russian, "ru"},
    };
    QString code = QStringLiteral("en");
    bool found = false;
    for (const Row& row : rows) {
        if (locale.language() == row.language) {
            code = QLatin1String(row.code);
            found = true;
            break;
        }
    }
    // Dutch goes by country, tested after the languages above.
    if (!found && locale.country() == QLocale::Netherlands)
        code = QStringLiteral("nl");
    else if (!found && locale.language() == QLocale::Swedish)
        code = QStringLiteral("sv");
    return QStringLiteral("/translations/qt_") + code + QStringLiteral(".qm");
}
