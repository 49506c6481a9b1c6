#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextDecoder>

#include <memory>

// Cuts a tool's merged output into pieces. A piece ends at a line feed (kept),
// a carriage return (dropped) or a run of backspaces (dropped): tools that
// rewrite a progress line in place use one or the other. Blank pieces are
// dropped. Bytes are split before decoding, and one decoder lives for the
// whole run, so a multi-byte character split across reads stays whole.
class OutputSplitter
{
public:
    static constexpr int MaxPiece = 2047;

    OutputSplitter();
    ~OutputSplitter();

    // Feeds bytes and appends the complete pieces to `out`.
    void feed(const char* data, qsizetype size, QStringList& out);
    void feed(const QByteArray& data, QStringList& out) { feed(data.constData(), data.size(), out); }
    // Emits what is pending even without a separator (idle output, end of run).
    void flush(QStringList& out);
    bool hasPending() const { return !m_pending.isEmpty(); }

private:
    void emitPiece(const char* data, qsizetype size, QStringList& out);

    QByteArray m_pending;
    std::unique_ptr<QTextDecoder> m_decoder;
};
