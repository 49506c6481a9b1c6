#include "runner/isobuilder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace Tools {

QStringList createImageArgs(ImageType type, const QString& output, const QString& sourceFolder, bool allowLargeFiles,
    const QString& volumeLabel)
{
    static const char* const typeArgs[] = {"-joliet", "-l", "-udf"};
    QStringList args {QLatin1String(typeArgs[int(type)]), QStringLiteral("-R")};
    // "-joliet-long" switches Joliet on by itself: a plain ISO 9660 image goes without.
    if (type != ImageType::Iso9660)
        args << QStringLiteral("-joliet-long");
    if (allowLargeFiles)
        args << QStringLiteral("-allow-limited-size");
    if (!volumeLabel.isEmpty())
        args << QStringLiteral("-V") << volumeLabel;
    args << QStringLiteral("-o") << output << QDir::toNativeSeparators(sourceFolder);
    return args;
}

// With -graft-points the builder splits every path at its first "=";
// backslash escapes both.
static QString graftEscaped(const QString& path)
{
    QString escaped;
    escaped.reserve(path.size());
    for (const QChar c : path) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('='))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

QStringList saveEditedArgs(const SaveEditedOptions& options, const QString& output, const QString& sourceFolder)
{
    // Rock Ridge keeps long names, case and modes for the systems that read
    // it; long Joliet names keep two names that share 64 characters apart.
    QStringList args {
        QStringLiteral("-udf"), QStringLiteral("-J"), QStringLiteral("-joliet-long"), QStringLiteral("-R")};
    if (options.allowLargeFiles)
        args << QStringLiteral("-allow-limited-size");
    if (!options.volumeLabel.isEmpty())
        args << QStringLiteral("-V") << options.volumeLabel;
    for (const QString& excluded : options.excludedFiles)
        args << QStringLiteral("-x") << QDir::toNativeSeparators(excluded);
    if (!options.bootImages.isEmpty())
        args << QStringLiteral("-c") << options.catalogPath;
    bool first = true;
    for (const BootImageArgs& image : options.bootImages) {
        if (!first)
            args << QStringLiteral("-eltorito-alt-boot");
        first = false;
        args << (image.entry.platform == 0xEF ? QStringLiteral("-e") : QStringLiteral("-b")) << image.path;
        // Without -no-emul-boot the builder takes any image for a diskette.
        if (image.entry.mediaType == 0) {
            args << QStringLiteral("-no-emul-boot");
            if (image.entry.sectorCount > 0)
                args << QStringLiteral("-boot-load-size") << QString::number(image.entry.sectorCount);
        } else if (image.entry.mediaType == 4) {
            args << QStringLiteral("-hard-disk-boot");
        }
        if (!image.entry.bootable)
            args << QStringLiteral("-no-boot");
        if (image.entry.loadSegment != 0)
            args << QStringLiteral("-boot-load-seg") << QString::number(image.entry.loadSegment);
        if (image.infoTable)
            args << QStringLiteral("-boot-info-table");
    }
    if (!options.graftFiles.isEmpty())
        args << QStringLiteral("-graft-points");
    args << QStringLiteral("-o") << output;
    for (const auto& graft : options.graftFiles)
        args << graftEscaped(graft.first) + QLatin1Char('=') + graftEscaped(graft.second);
    const QString source = QDir::toNativeSeparators(sourceFolder);
    args << (options.graftFiles.isEmpty() ? source : graftEscaped(source));
    return args;
}

} // namespace Tools

namespace IsoBuild {

namespace {

const QLatin1String ProgressMarker("% done, estimate finish");

QStringView trimmedView(const QString& text)
{
    return QStringView(text).trimmed();
}

bool isProgressLine(QStringView line)
{
    return line.indexOf(ProgressMarker) >= 0;
}

// Lines the builder prints on every run, successful or not.
bool isStatisticsLine(QStringView line)
{
    static const char* const prefixes[] = {
        "Total translation table size:",
        "Total rockridge attributes bytes:",
        "Total directory bytes:",
        "Path table size(bytes):",
        "Max brk space used",
        "Total extents scheduled to be written",
    };
    for (const char* prefix : prefixes) {
        if (line.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

// "genisoimage: ..." or "mkisofs: ..." (also "mkisofs.exe: ...").
bool isToolMessage(QStringView line)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(genisoimage|mkisofs)(\\.exe)?:\\s"), QRegularExpression::CaseInsensitiveOption);
    return pattern.match(line).hasMatch();
}

bool isWarning(QStringView line)
{
    return line.contains(QLatin1String("Warning"), Qt::CaseInsensitive);
}

} // namespace

int ProgressHundredths(const QString& piece)
{
    const int at = piece.indexOf(ProgressMarker);
    if (at <= 0)
        return -1;
    bool ok = false;
    const double percent = QStringView(piece).left(at).trimmed().toDouble(&ok);
    if (!ok)
        return 0;
    const double hundredths = percent * 100.0;
    if (!(hundredths > 0.0)) // also NaN
        return 0;
    if (hundredths >= 10000.0)
        return 10000;
    // The builder prints two decimals; round so that 9.99 is 999, not 998.
    return int(hundredths + 0.5);
}

qint64 ExtentsWritten(const QString& piece)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d+) extents written\\b"));
    const QRegularExpressionMatch match = pattern.match(piece);
    if (!match.hasMatch())
        return -1;
    bool ok = false;
    const qint64 extents = match.captured(1).toLongLong(&ok);
    return ok ? extents : -1;
}

void OutputLog::Feed(const QString& piece)
{
    const int progress = ProgressHundredths(piece);
    if (progress >= 0) {
        m_progress = progress;
        return;
    }
    const qint64 extents = ExtentsWritten(piece);
    if (extents >= 0) {
        m_extents = extents;
        return;
    }
    const QStringView line = trimmedView(piece);
    if (line.isEmpty() || isProgressLine(line) || isStatisticsLine(line) || line.startsWith(QLatin1String("I:")))
        return;
    if (isToolMessage(line) && !isWarning(line))
        m_toolError = line.toString();
    m_lastMessage = line.toString();
}

QString OutputLog::ErrorLine() const
{
    return m_toolError.isEmpty() ? m_lastMessage : m_toolError;
}

Verdict Judge(const RunFacts& facts)
{
    Verdict verdict;
    if (facts.extents >= 0)
        verdict.expectedBytes = facts.extents * ExtentBytes;
    const QFileInfo output(facts.outputPath);
    if (!facts.outputPath.isEmpty() && output.exists())
        verdict.actualBytes = output.size();

    if (facts.stopped)
        verdict.outcome = Outcome::Stopped;
    else if (facts.failedToStart)
        verdict.outcome = Outcome::NotStarted;
    else if (facts.exitStatus != QProcess::NormalExit)
        verdict.outcome = Outcome::Crashed;
    else if (facts.exitCode != 0)
        verdict.outcome = Outcome::ToolFailed;
    else if (verdict.expectedBytes < 0)
        verdict.outcome = Outcome::NoReport;
    else if (verdict.actualBytes < 0)
        verdict.outcome = Outcome::OutputMissing;
    else if (verdict.actualBytes != verdict.expectedBytes)
        verdict.outcome = Outcome::OutputSizeWrong;
    else
        verdict.outcome = Outcome::Succeeded;
    return verdict;
}

} // namespace IsoBuild
