#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// xorriso: it reads an image's Rock Ridge tree (links, modes, zisofs files),
// takes files out of it decompressed, and writes an edited copy of an image
// with its boot setup and system area replayed. 7-Zip reads only Joliet or
// plain ISO 9660 names and knows neither links nor zisofs.

namespace Tools {

// Paths are literal everywhere: xorriso otherwise expands * ? [ in them.
QStringList xorrisoLiteralArgs();

// Every node (-find / -exec lsdl), then a marker line, then the nodes that
// carry a filter: on a loaded image only zisofs decoding.
QStringList rockRidgeTreeArgs(const QString& image);

// Takes the named nodes ("/a/b") out of the image into `folder` at their own
// paths below it, decompressed; links come out as links.
QStringList rockRidgeExtractArgs(const QString& image, const QString& folder, const QStringList& isoPaths);

// One change of an edited image, in the order the user made them.
struct XorrisoEdit {
    enum Kind { Remove, Rename, Add, MakeFolder };
    Kind kind = Remove;
    QString path; // in the image, "/a/b"
    QString target; // Rename: the new path; Add: the local file or folder
};

// Writes a new image from `original` with the edits applied: every node the
// edits do not touch keeps its Rock Ridge entry (links, modes, dates, zisofs
// data), and El Torito and the system area are replayed for the new layout.
QStringList xorrisoSaveArgs(const QString& original, const QString& output, const QList<XorrisoEdit>& edits);

QStringList systemAreaReportArgs(const QString& image);

} // namespace Tools

namespace Xorriso {

// One line of -exec lsdl: "lrwxrwxrwx 1 0 0 0 Dec  8 00:44 '/a/b' -> 'c'".
struct Node {
    QChar type; // '-' file, 'd' folder, 'l' link, 'e' boot catalog, others
    uint mode = 0; // permission bits
    qint64 size = 0;
    QString path; // "/a/b"
    QString target; // of a link
};
std::optional<Node> ParseLsdl(const QString& line);

// Undoes xorriso's shell quoting of one word ('it'"'"'s' is it's). Nothing
// when the text is not a quoted word.
std::optional<QString> Unquote(QStringView text, int* consumed = nullptr);

// Collects the pieces of a rockRidgeTreeArgs() run.
class RockRidgeTree {
public:
    void Feed(const QString& piece);
    // The image was loaded: xorriso printed its volume id.
    bool Loaded() const { return m_loaded; }
    const QHash<QString, Node>& Nodes() const { return m_nodes; }
    QStringList Links() const; // paths, sorted
    QStringList Zisofs() const { return m_zisofs; }
    const Node* Find(const QString& path) const;
    // The line that best explains a failed run.
    QString Problem() const { return m_problem; }

private:
    QHash<QString, Node> m_nodes;
    QStringList m_zisofs;
    bool m_filtered = false;
    bool m_loaded = false;
    QString m_problem;
};

// The marker between the two lists of rockRidgeTreeArgs().
QString FilterMarker();

// " UPDATE : Writing:  12345s   45.6%   fifo ..." as a hundredth (4560); -1
// for other pieces.
int WriteProgressHundredths(const QString& piece);

// The run's own words on a failure: its FAILURE and SORRY lines, in order
// (libburn's SORRY names the cause, xorriso's FAILURE the step).
// Its closing lines: "Written to medium : N sectors at LBA M" (the file
// then holds N + M sectors) and "Writing to '...' completed successfully.".
class OutputLog {
public:
    void Feed(const QString& piece);
    bool Completed() const { return m_completed; }
    qint64 ExpectedBytes() const { return m_expectedBytes; } // -1 before the line
    QString Problem() const { return m_problem; }

private:
    bool m_completed = false;
    qint64 m_expectedBytes = -1;
    QString m_problem;
};

// What -report_system_area plain says about the first 32 KiB of an image:
// its summary words ("MBR", "isohybrid", "GPT", "protective-msdos-label",
// ...) and the MBR partition types and GPT entries it lists. Equal kinds of
// two images mean the same boot paths from a disk.
struct SystemArea {
    QStringList summary; // "No System Area" gives an empty list
    QStringList mbrTypes; // "0x00", "0xef", in partition order
    int gptEntries = 0; // without the gap fillers ("Gap0", ...)
    QStringList partitionPaths; // files of the tree that partitions point at
    bool operator==(const SystemArea& o) const
    {
        return summary == o.summary && mbrTypes == o.mbrTypes && gptEntries == o.gptEntries
            && partitionPaths == o.partitionPaths;
    }
    bool empty() const { return summary.isEmpty(); }
};
SystemArea ParseSystemArea(const QStringList& lines);

} // namespace Xorriso

namespace Xorriso {

// Runs xorriso to its end and returns its lines (both channels), for the
// short metadata reads a check makes of a finished image. Nothing when it
// could not be run or did not end within `timeoutMs`.
std::optional<QStringList> RunForLines(const QString& program, const QStringList& args, int timeoutMs = 60000);

} // namespace Xorriso
