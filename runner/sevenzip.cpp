#include "runner/sevenzip.h"

#include <QRegularExpression>

namespace Tools {

QString imagePathForTool(const QString& pathInImage)
{
#ifdef Q_OS_WIN
    QString path = pathInImage;
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
#else
    // 7-Zip on Linux matches nothing for "boot\bcd" and still exits 0.
    QString path = pathInImage;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/')).replace(NameBackslash, QLatin1Char('\\'));
#endif
}

// "-spd" in every command: the image path is a name, not a pattern ("a?b.iso"
// would read axb.iso too), and so are the entry paths.
QStringList listArgs(const QString& image)
{
    return {QStringLiteral("l"), QStringLiteral("-spd"), image};
}

QStringList technicalListArgs(const QString& image)
{
    return {QStringLiteral("l"), QStringLiteral("-slt"), QStringLiteral("-spd"), image};
}

QStringList installProbeArgs(const QString& image)
{
    return {QStringLiteral("l"), QStringLiteral("-spd"), image, QStringLiteral("sources/install.wim")};
}

QStringList extractArgs(const QString& image, const QString& folder, const QStringList& entries)
{
    return extractArgs(image, folder, entries, QString());
}

QStringList extractArgs(
    const QString& image, const QString& folder, const QStringList& entries, const QString& listFile)
{
    QStringList args {QStringLiteral("x"), image, QStringLiteral("-y"), QStringLiteral("-bb3"), QStringLiteral("-bsp2"),
        QStringLiteral("-o") + folder, QStringLiteral("-spd")};
    // Before "--": after it "@..." would be a name.
    if (!listFile.isEmpty())
        args << QStringLiteral("-scsUTF-8") << QLatin1Char('@') + listFile;
    args << QStringLiteral("--");
    for (const QString& entry : entries)
        args << imagePathForTool(entry);
    return args;
}

bool FitsListFile(const QString& entry)
{
    if (entry.isEmpty() || entry.front().isSpace() || entry.back().isSpace())
        return false;
    return !entry.contains(QLatin1Char('"')) && !entry.contains(QLatin1Char('\n'))
        && !entry.contains(QLatin1Char('\r'));
}

QByteArray ListFileText(const QStringList& entries)
{
    QByteArray text;
    for (const QString& entry : entries) {
        text += imagePathForTool(entry).toUtf8();
        text += '\n';
    }
    return text;
}

QStringList extractAllArgs(const QString& folder, const QString& image)
{
    return {QStringLiteral("x"), QStringLiteral("-y"), QStringLiteral("-bb3"), QStringLiteral("-bsp2"),
        QStringLiteral("-o") + folder, QStringLiteral("-spd"), image};
}

QStringList copyToDriveArgs(const QString& drive, const QString& image, const QString& leaveOut)
{
    QStringList args {QStringLiteral("x"), QStringLiteral("-bsp2"), QStringLiteral("-y"), QStringLiteral("-spd"),
        QStringLiteral("-x![BOOT]")};
    if (!leaveOut.isEmpty())
        args << QStringLiteral("-x!") + imagePathForTool(leaveOut);
    args << QStringLiteral("-o") + drive + QLatin1Char('/') << image;
    return args;
}

QStringList extractFlatArgs(const QString& image, const QString& folder, const QString& pathInImage)
{
    return {QStringLiteral("e"), QStringLiteral("-y"), QStringLiteral("-spd"), image, QStringLiteral("-o") + folder,
        imagePathForTool(pathInImage)};
}

} // namespace Tools

// --- Progress ----------------------------------------------------------------

std::optional<ExtractProgress> ParseExtractProgress(const QString& piece)
{
    const int percentAt = piece.indexOf(QLatin1String("% "));
    const int dashAt = piece.indexOf(QLatin1String(" - "));
    if (percentAt < 1 || dashAt < 1)
        return std::nullopt;
    QString number = piece.left(percentAt).trimmed();
    const int blank = number.lastIndexOf(QLatin1Char(' '));
    if (blank > 0)
        number = number.mid(blank + 1);
    ExtractProgress progress;
    progress.percent = qBound(0, number.toInt(), 100); // not a number: 0
    progress.item = piece.mid(dashAt + 3).trimmed();
    return progress;
}

// --- What the tool said ----------------------------------------------------------

namespace {

// Count lines of 7-Zip's closing summary; they say how many, not why.
bool isSummaryLine(const QString& line)
{
    static const QRegularExpression summary(
        QStringLiteral("^(Sub items Errors|Archives with Errors|Open Errors|Can't open as archive|Errors|Warnings|"
                       "Files|Folders|Size|Compressed)\\s*:"));
    return summary.match(line).hasMatch();
}

} // namespace

void ArchiveToolLog::addError(const QString& text)
{
    // Warnings ("There are data after the end of archive") do not fail a run.
    QStringList& list = m_inWarning ? m_warnings : m_errors;
    const QString reason = text.trimmed();
    if (!reason.isEmpty() && !list.contains(reason))
        list.append(reason);
}

QString ArchiveToolLog::withoutSubject(QString text) const
{
    if (m_subject.isEmpty())
        return text;
    for (;;) {
        text = text.trimmed();
        if (!text.startsWith(m_subject))
            return text;
        const QString rest = text.mid(m_subject.size()).trimmed();
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':')))
            return text; // a longer name that merely starts like the subject
        text = rest.mid(1);
    }
}

void ArchiveToolLog::Feed(const QString& piece)
{
    // Views, not a split list: a listing has one piece per entry.
    const QStringView all(piece);
    for (int start = 0; start <= all.size();) {
        int end = all.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = int(all.size());
        feedLine(all.mid(start, end - start).trimmed());
        start = end + 1;
    }
}

void ArchiveToolLog::feedLine(QStringView view)
{
    if (view.isEmpty())
        return;
    // Most lines of a long run are listing or item lines: settle them cheaply.
    const bool mentionsError = view.contains(QLatin1String("ERROR")) || view.contains(QLatin1String("WARNING"));
    if (!mentionsError && !m_detailExpected && !m_detailOptional) {
        if (!m_everythingOk && view.startsWith(QLatin1String("Everything is Ok")))
            m_everythingOk = true;
        return;
    }
    const QString line = view.toString();
    if (ParseExtractProgress(line))
        return; // progress between a reason header and its reason
    if (line.contains(QLatin1String("Everything is Ok"))) {
        m_everythingOk = true;
        m_detailExpected = m_detailOptional = false;
        return;
    }
    if (isSummaryLine(line)) {
        m_detailExpected = m_detailOptional = false;
        return;
    }
    // A heading starts the line ("ERROR:", "System ERROR:", "WARNINGS:"); an
    // item or listing line that merely holds the word (ERRORS.TXT) is none.
    static const QRegularExpression heading(QStringLiteral("^(?:[A-Za-z]+ )?(ERRORS?|WARNINGS?)\\s*:"));
    const QRegularExpressionMatch match = mentionsError ? heading.match(line) : QRegularExpressionMatch();
    if (match.hasMatch()) {
        m_inWarning = match.captured(1).startsWith(QLatin1String("WARNING"));
        const int colon = match.capturedEnd() - 1;
        const QString rest = colon < 0 ? QString() : withoutSubject(line.mid(colon + 1));
        if (rest.isEmpty()) {
            // "System ERROR:", "ERRORS:": the reason is on the next line.
            m_detailExpected = true;
            m_detailOptional = false;
        } else {
            addError(rest);
            // "ERROR: image.iso" is followed by "Cannot open the file as archive".
            m_detailExpected = false;
            m_detailOptional = true;
        }
        return;
    }
    if (m_detailExpected) {
        addError(line);
    } else if (m_detailOptional && !line.startsWith(QLatin1String("- "))) {
        QStringList& list = m_inWarning ? m_warnings : m_errors;
        if (!list.isEmpty())
            addError(list.takeLast() + QLatin1String(": ") + line);
    }
    m_detailExpected = m_detailOptional = false;
}

QString ArchiveToolLog::Reason() const
{
    constexpr int MaxLines = 4;
    QStringList shown = m_errors.mid(0, MaxLines);
    if (m_errors.size() > MaxLines)
        shown << QStringLiteral("…");
    return shown.join(QLatin1Char('\n'));
}

// --- Listings -------------------------------------------------------------------------

std::optional<ListingRow> ParseListingLine(const QString& input)
{
    QString line = input;
    line.remove(QLatin1Char('\r'));
    line.remove(QLatin1Char('\n'));
    if (line.size() < 54)
        return std::nullopt;
    ListingRow entry;
    entry.dateText = line.left(19);
    entry.isDir = QStringView(line).mid(20, 5).contains(QLatin1Char('D'));
    entry.sizeText = QStringView(line).mid(26, 12).trimmed().toString();
    entry.name = line.mid(53);
#ifndef Q_OS_WIN
    entry.name.replace(QLatin1Char('\\'), NameBackslash);
#endif
    return entry;
}

bool IsListingSeparator(const QString& line)
{
    return line.startsWith(QLatin1String("-------------------"));
}

QString ParseArchiveTypeLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1String("Type = ")) ? trimmed.mid(7).trimmed() : QString();
}

// --- Technical listing --------------------------------------------------------------

namespace {

bool isBootCatalogEntry(const QString& path)
{
    return path == QLatin1String("[BOOT]") || path.startsWith(QLatin1String("[BOOT]/"));
}

QString field(const QString& line, const char* name)
{
    const QString prefix = QLatin1String(name) + QLatin1String(" = ");
    return line.startsWith(prefix) ? line.mid(prefix.size()) : QString();
}

} // namespace

std::optional<QList<ListedItem>> ParseTechnicalListing(const QString& text)
{
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("[\r\n]")));
    int at = lines.indexOf(QStringLiteral("----------"));
    if (at < 0)
        return std::nullopt;
    QList<ListedItem> entries;
    ListedItem entry;
    bool inEntry = false;
    auto close = [&] {
        if (inEntry && !entry.path.isEmpty() && !isBootCatalogEntry(entry.path))
            entries << entry;
        inEntry = false;
    };
    for (++at; at < lines.size(); ++at) {
        const QString& line = lines.at(at);
        if (line.startsWith(QLatin1String("Path = "))) {
            close();
            entry = ListedItem {field(line, "Path"), 0, false};
            inEntry = true;
        } else if (!inEntry) {
            continue;
        } else if (line.startsWith(QLatin1String("Folder = "))) {
            entry.folder = field(line, "Folder") == QLatin1String("+");
        } else if (line.startsWith(QLatin1String("Size = "))) {
            const QString size = field(line, "Size"); // folders: empty, 0
            bool ok = size.isEmpty();
            entry.size = ok ? 0 : size.toLongLong(&ok);
            if (!ok || entry.size < 0)
                return std::nullopt; // a garbled listing would mislead the space check
        }
    }
    close();
    return entries;
}
