#include "image/isobuild.h"

#include "image/isocontent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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
        "Total translation table size:", "Total rockridge attributes bytes:",
        "Total directory bytes:", "Path table size(bytes):", "Max brk space used",
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
    if (line.isEmpty() || isProgressLine(line) || isStatisticsLine(line)
        || line.startsWith(QLatin1String("I:")))
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

static void collectLargeFiles(const IsoEntry& folder, QStringList& out)
{
    for (int i = 0; i < folder.childCount(); ++i) {
        const IsoEntry* entry = folder.child(i);
        if (entry->isDir) {
            collectLargeFiles(*entry, out);
        } else {
            const qint64 size = entry->localPath.isEmpty() ? qint64(entry->size())
                                                           : QFileInfo(entry->localPath).size();
            if (size >= LargeFileBytes)
                out << entry->name;
        }
    }
}

QStringList LargeFiles(const IsoEntry& folder)
{
    QStringList names;
    collectLargeFiles(folder, names);
    return names;
}

bool IsInside(const QString& path, const QString& folder)
{
    if (path.isEmpty() || folder.isEmpty())
        return false;
    const QString p = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString f = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    if (p.compare(f, cs) == 0)
        return true;
    const QString prefix = f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
    return p.startsWith(prefix, cs);
}

} // namespace IsoBuild
