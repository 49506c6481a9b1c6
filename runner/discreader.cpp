#include "runner/discreader.h"

#include <QRegularExpression>

namespace Tools {

QStringList readDiscArgs(const QString& recorderAddress, const QString& output)
{
    return {QStringLiteral("-dev=") + recorderAddress, QStringLiteral("-f=") + output};
}

} // namespace Tools

static qint64 numberAfter(const QString& piece, const QLatin1String& marker)
{
    const int at = piece.indexOf(marker);
    if (at < 0)
        return -1;
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+)"));
    const QRegularExpressionMatch match = number.match(piece.mid(at + marker.size()));
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

qint64 ReadEndSectors(const QString& piece)
{
    return numberAfter(piece, QLatin1String("end:"));
}

qint64 ReadAddress(const QString& piece)
{
    return numberAfter(piece, QLatin1String("addr:"));
}

FailureLog<ReaderFailure> ReaderLog()
{
    using F = ReaderFailure;
    return {{"Device not ready", F::NoDisc}, {"edium not present", F::NoDisc}, {"Permission denied", F::NoPermission},
        {"Cannot read source disk", F::Unreadable}, {"Medium Error", F::Unreadable},
        {"hard read error", F::Unreadable}};
}
