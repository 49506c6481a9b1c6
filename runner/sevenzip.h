#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// 7-Zip: the command lines the program hands it, and what its output says.

namespace Tools {

// A path inside an image ("boot\\bcd" or "boot/bcd") in the form the tools
// expect on this platform.
QString imagePathForTool(const QString& pathInImage);

QStringList listArgs(const QString& image);
QStringList installProbeArgs(const QString& image);
// Extracts exactly the named entries: no recursive name matching (with "-r" a
// root name such as "setup.exe" also pulls in sources/setup.exe), no wildcard
// matching, and names after "--" so an entry called "-y" or "@list" stays a name.
QStringList extractArgs(const QString& image, const QString& folder, const QStringList& entries);
QStringList extractAllArgs(const QString& folder, const QString& image);
// Every file of the image onto a stick: no question can stop the run, El
// Torito's "[BOOT]" entries stay behind, and so does `leaveOut` (a path in
// the image, the install image that is split instead; empty for none).
QStringList copyToDriveArgs(const QString& drive, const QString& image, const QString& leaveOut);
QStringList extractFlatArgs(const QString& image, const QString& folder, const QString& pathInImage);

} // namespace Tools

// --- Progress ----------------------------------------------------------------

// One progress piece of an extraction, as 7-Zip writes it with -bsp2:
// " 17% 2 - sources/f1.bin" (percentage, file count, item being extracted).
struct ExtractProgress
{
    int percent = 0;
    QString item; // text after the first " - ", trimmed
};

// Nothing for a piece that is not a progress piece (no "% " or no " - ").
std::optional<ExtractProgress> ParseExtractProgress(const QString& piece);

// --- What the tool said ----------------------------------------------------------

// Collects, from the output pieces of one 7-Zip run, the lines that explain a
// failure ("ERROR: ...", "System ERROR:" with its "errno=28 : No space left on
// device", "ERRORS:" with "Unexpected end of archive") and whether the closing
// "Everything is Ok" was printed.
class ArchiveToolLog
{
public:
    // The archive the run works on: 7-Zip names it in front of its reasons
    // ("ERROR: /a/b.iso : /a/b.iso"), which says nothing the user does not know.
    void SetSubject(const QString& archivePath) { m_subject = archivePath; }
    void Feed(const QString& piece);
    bool SawEverythingOk() const { return m_everythingOk; }
    // Distinct reasons in the order they came, each one line.
    QStringList Errors() const { return m_errors; }
    // What 7-Zip only warned about; such a run can still be complete.
    QStringList Warnings() const { return m_warnings; }
    // The reasons joined for a message (at most a few lines).
    QString Reason() const;

private:
    void feedLine(QStringView line);
    void addError(const QString& text);
    QString withoutSubject(QString text) const;

    QString m_subject;
    QStringList m_errors;
    QStringList m_warnings;
    bool m_inWarning = false;      // the last heading was a warning
    bool m_everythingOk = false;
    bool m_detailExpected = false; // the previous line announced a reason
    bool m_detailOptional = false; // ... that may follow on the next line
};

