#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// 7-Zip: the command lines the program hands it, and what its output says.

namespace Tools {

// A path inside an image ("boot\\bcd" or "boot/bcd") in the form the tools
// expect on this platform.
QString imagePathForTool(const QString& pathInImage);

QStringList listArgs(const QString& image);
// "7z l -slt": one block of properties per entry (ParseTechnicalListing).
QStringList technicalListArgs(const QString& image);
QStringList installProbeArgs(const QString& image);
// Extracts exactly the named entries: no recursive name matching (with "-r" a
// root name such as "setup.exe" also pulls in sources/setup.exe), no wildcard
// matching, and names after "--" so an entry called "-y" or "@list" stays a name.
QStringList extractArgs(const QString& image, const QString& folder, const QStringList& entries);
// The same with the entries read from a list file (UTF-8, one a line, see
// ListFileText) besides those on the command line; "-spd" holds for both.
QStringList extractArgs(
    const QString& image, const QString& folder, const QStringList& entries, const QString& listFile);
// Whether 7-Zip reads an entry back unchanged from a list file: it trims
// blanks from a line and takes quotes off it.
bool FitsListFile(const QString& entry);
// The list file's content for entries that fit it (in the tools' form).
QByteArray ListFileText(const QStringList& entries);
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
struct ExtractProgress {
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
class ArchiveToolLog {
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
    bool m_inWarning = false; // the last heading was a warning
    bool m_everythingOk = false;
    bool m_detailExpected = false; // the previous line announced a reason
    bool m_detailOptional = false; // ... that may follow on the next line
};

// --- Listings ----------------------------------------------------------------------

// The tool on Linux separates listed paths with "/", so a backslash it lists
// is part of a name (Rock Ridge allows it). Such a character is given as this
// private-use one, the same stand-in Windows uses for a backslash in a
// foreign name.
constexpr QChar NameBackslash {0xF05C};

// One table line of "7z l", cut into its fixed columns.
struct ListingRow {
    QString dateText; // "yyyy-MM-dd hh:mm:ss", blank for El Torito's boot images
    bool isDir = false;
    QString sizeText; // decimal bytes; empty for folders
    QString name; // as listed, "\" in a name given as NameBackslash
};

// Nothing for a line without a name (shorter than 54 characters).
std::optional<ListingRow> ParseListingLine(const QString& line);
// True when the line is one of the two separator lines framing the listing
// table (it starts with 19 hyphens).
bool IsListingSeparator(const QString& line);
// The archive's kind from a "Type = Iso" line of the properties before the
// table; empty for any other line.
QString ParseArchiveTypeLine(const QString& line);

// One entry of "7z l -slt".
struct ListedItem {
    QString path; // forward slashes, as listed
    qint64 size = 0;
    bool folder = false;
};

// Parses "7z l -slt" output: the blocks after the "----------" line, one
// "Path = " ... "Folder = " ... "Size = " block per entry. El Torito's
// "[BOOT]" entries are not content of the image and are left out. Nothing
// when the text holds no listing at all (not an image, tool failed) or a
// size is no count of bytes.
std::optional<QList<ListedItem>> ParseTechnicalListing(const QString& text);
