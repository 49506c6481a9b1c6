#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextDecoder>

#include <memory>

// Cuts a tool's merged output into pieces. A piece ends at a lone line feed
// (kept), a CR LF or a lone carriage return (both dropped) or a run of
// backspaces (dropped): tools that rewrite a progress line in place use one or
// the other. A line longer than MaxPiece, or one the tool pauses in, comes in
// several pieces; only a piece ending in a line feed tells that its line is
// complete, which is enough for the tools whose lines are re-joined (they end
// lines with a lone line feed). Blank pieces are dropped, but
// blanks cut from the inside of a line are joined to its next piece, and a
// line feed that ends a line already partly out comes as a piece of its own. Bytes are
// split before decoding, and one decoder lives for the whole run, so a
// multi-byte character split across reads stays whole.
class OutputSplitter {
public:
    static constexpr int MaxPiece = 2047;

    OutputSplitter();
    ~OutputSplitter();

    // Feeds bytes and appends the complete pieces to `out`.
    void feed(const char* data, qsizetype size, QStringList& out);
    void feed(const QByteArray& data, QStringList& out) { feed(data.constData(), data.size(), out); }
    // Emits what is pending even without a separator: at the end of the run,
    // or when the tool pauses (endOfRun false: blanks wait for the rest of their line).
    void flush(QStringList& out, bool endOfRun = true);
    bool hasPending() const { return !m_pending.isEmpty(); }

private:
    enum class Cut { LineEnd, CrLf, InsideLine, EndOfRun };
    void emitPiece(const char* data, qsizetype size, QStringList& out, Cut cut);

    QByteArray m_pending;
    QString m_held; // blank text cut from a line, joined to its next piece
    bool m_lineOpen = false; // the last piece out did not end its line
    std::unique_ptr<QTextDecoder> m_decoder;
};
