#include "app/commandline.h"

#include <QFileInfo>
#include <QUrl>

QString ImageArgument(const QStringList& arguments)
{
    bool options = true;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (options && argument == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (options && argument == QLatin1String("--page")) {
            ++i; // its value names a page, not an image
            continue;
        }
        if (argument.isEmpty() || (options && argument.startsWith(QLatin1Char('-'))))
            continue;
        const QString path = argument.startsWith(QLatin1String("file:")) ? QUrl(argument).toLocalFile() : argument;
        if (path.isEmpty())
            continue;
        return QFileInfo(path).absoluteFilePath();
    }
    return QString();
}
