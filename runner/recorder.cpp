#include "runner/recorder.h"

#include "core/util.h"

#include <QRegExp>

namespace Tools {

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

} // namespace Tools

int BurnProgressPercent(const QString& piece)
{
    if (piece.indexOf(QLatin1String("written (")) < 1 || piece.indexOf(QLatin1String("of")) < 1)
        return -1;
    const int colon = piece.indexOf(QLatin1Char(':'));
    if (colon < 1)
        return -1;
    const QString amounts = piece.mid(colon + 1);
    const int of = amounts.indexOf(QLatin1String("of"));
    if (of < 0)
        return -1;
    const qint64 written = amounts.left(of).trimmed().toLongLong();
    const QString rest = amounts.mid(of + 2).trimmed();
    const int blank = rest.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return -1;
    const qint64 total = rest.left(blank).toLongLong();
    if (total <= 0)
        return -1;
    // A garbled line may carry any digits: written * 100 must not overflow.
    if (written <= 0)
        return 0;
    if (written >= total)
        return 100;
    return int(double(written) * 100.0 / double(total));
}

FailureLog<RecorderFailure> RecorderLog()
{
    using F = RecorderFailure;
    // cdrskin (libburn) and cdrecord/wodim lines, strongest cause first.
    return {{"BURN_DISC_EMPTY", F::NoDisc}, {"No media found in drive", F::NoDisc}, {"No disk / Wrong disk", F::NoDisc},
        {"Cannot load media", F::NoDisc}, {"edium not present", F::NoDisc},
        {"BURN_DISC_UNSUITABLE", F::UnsuitableMedium}, {"UNSUITABLE MEDIA", F::UnsuitableMedium},
        {"burn_disc_full", F::UnsuitableMedium}, {"BURN_DISC_APPENDABLE", F::UnsuitableMedium},
        {"does not fit on media", F::UnsuitableMedium}, {"Cannot open new session", F::UnsuitableMedium},
        {"Cannot get next writable address", F::UnsuitableMedium},
        {"Most recent system error", F::WriteError}, // the system's own words first
        {"A write error occured", F::WriteError}, {"(write error)", F::WriteError}, {"Write error", F::WriteError},
        {"error after", F::WriteError}, {"Cannot write desired amount", F::WriteError}};
}

std::optional<ScanbusFields> ParseScanbusFields(const QString& line)
{
    QRegExp recorder(QStringLiteral("(\t.*'.*')"));
    if (recorder.indexIn(line) < 0) {
        Util::WriteLog(line + QStringLiteral("Not match the RegExp"));
        return std::nullopt;
    }
    const QString segment = recorder.cap(1);
    QRegExp address(QStringLiteral("(.*)\\s.*\\)"));
    if (address.indexIn(segment) < 0) {
        Util::WriteLog(line + QStringLiteral("Not match the RegExp (.*)\\s.*\\)"));
        return std::nullopt;
    }
    QRegExp quoted(QStringLiteral("('.*')"));
    if (quoted.indexIn(segment) < 0) {
        Util::WriteLog(line + QStringLiteral("Not match the RegExp ('.*')"));
        return std::nullopt;
    }
    QString name = quoted.cap(1).trimmed().remove(QLatin1Char('\''));
    while (name.contains(QLatin1String("  ")))
        name.replace(QLatin1String("  "), QLatin1String(" "));
    return ScanbusFields {address.cap(1).trimmed(), name};
}
