#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextDecoder>
#include <QVector>

#include <memory>

// Cuts a tool's merged output into pieces. A piece ends at a lone line feed
// (kept), a CR LF or a lone carriage return (both dropped) or a run of
// backspaces (dropped): tools that rewrite a progress line in place use one or
// the other. A line longer than MaxPiece, or one the tool pauses in, comes in
// several pieces; whether a piece ends its line is told beside it (lineEnds),
// for the readers that re-join lines; a CR LF or CR that ends a line already
// out comes to them as a piece of its own (empty, or the line's last blanks). Blank pieces are dropped, but
// blanks cut from the inside of a line are joined to its next piece, and a
// line feed that ends a line already partly out comes as a piece of its own. Bytes are
// split before decoding, and one decoder lives for the whole run, so a
// multi-byte character split across reads stays whole.
class OutputSplitter {
public:
    static constexpr int MaxPiece = 2047;

    OutputSplitter();
    ~OutputSplitter();

    // Feeds bytes and appends the complete pieces to `out`, and to `lineEnds`
    // (when given) whether each one ends its line.
    void feed(const char* data, qsizetype size, QStringList& out, QVector<bool>* lineEnds = nullptr);
    void feed(const QByteArray& data, QStringList& out, QVector<bool>* lineEnds = nullptr)
    {
        feed(data.constData(), data.size(), out, lineEnds);
    }
    // Emits what is pending even without a separator: at the end of the run,
    // or when the tool pauses (endOfRun false: blanks wait for the rest of their line).
    void flush(QStringList& out, bool endOfRun = true, QVector<bool>* lineEnds = nullptr);
    bool hasPending() const { return !m_pending.isEmpty(); }

private:
    enum class Cut { LineEnd, CrLf, InsideLine, EndOfRun };
    void emitPiece(const char* data, qsizetype size, QStringList& out, Cut cut);
    QVector<bool>* m_lineEnds = nullptr; // of the call under way

    QByteArray m_pending;
    QString m_held; // blank text cut from a line, joined to its next piece
    bool m_lineOpen = false; // the last piece out did not end its line
    std::unique_ptr<QTextDecoder> m_decoder;
};
