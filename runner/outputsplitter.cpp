#include "runner/outputsplitter.h"

#include <QTextCodec>

OutputSplitter::OutputSplitter()
    : m_decoder(QTextCodec::codecForLocale()->makeDecoder())
{
}

OutputSplitter::~OutputSplitter() = default;

static bool isBlank(const QString& text)
{
    for (QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

void OutputSplitter::emitPiece(const char* data, qsizetype size, QStringList& out, Cut cut)
{
    QString piece = size > 0 ? m_decoder->toUnicode(data, int(size)) : QString();
    if (!m_held.isEmpty()) {
        piece.prepend(m_held);
        m_held.clear();
    }
    // CR LF ends its line without a line-end character, as a lone CR does.
    const bool endsLine = cut == Cut::CrLf || cut == Cut::LineEnd;
    if (isBlank(piece)) {
        if (cut == Cut::InsideLine) {
            m_held = piece; // blanks inside a line (columns) must not be lost
            return;
        }
        // A line feed alone still ends a line whose start went out already,
        // and so do the blanks at the very end of the output (a name's
        // trailing blanks after a pause).
        const bool lineFeed = piece.endsWith(QLatin1Char('\n'));
        if (!(m_lineOpen && (lineFeed || (cut == Cut::EndOfRun && !piece.isEmpty())))) {
            if (endsLine && m_lineOpen && m_lineEnds) {
                // A reader re-joining lines must hear of the end, and of the
                // blanks that end the line (a name's trailing blanks): on the
                // piece itself while it is still here, else as a piece of its own.
                if (!out.isEmpty() && m_lineEnds->size() == out.size()) {
                    out.last() += piece;
                    m_lineEnds->last() = true;
                } else {
                    out.append(piece);
                    m_lineEnds->append(true);
                }
            }
            if (endsLine)
                m_lineOpen = false;
            return;
        }
    }
    out.append(piece);
    if (m_lineEnds)
        m_lineEnds->append(endsLine || cut == Cut::EndOfRun);
    m_lineOpen = !endsLine;
}

void OutputSplitter::feed(const char* data, qsizetype size, QStringList& out, QVector<bool>* lineEnds)
{
    m_lineEnds = lineEnds;
    // Work on pending + new bytes without copying when nothing is pending.
    QByteArray joined;
    if (!m_pending.isEmpty()) {
        joined = m_pending;
        joined.append(data, int(size));
        m_pending.clear();
        data = joined.constData();
        size = joined.size();
    }
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const char c = data[i];
        if (c == '\n') {
            emitPiece(data + start, i + 1 - start, out, Cut::LineEnd);
            start = ++i;
        } else if (c == '\r' || c == '\b') {
            qsizetype end = i;
            while (end < size && data[end] == c)
                ++end;
            if (c == '\r' && end == size)
                break; // a line feed may follow in the next read
            const bool crlf = c == '\r' && data[end] == '\n';
            emitPiece(data + start, i - start, out, crlf ? Cut::CrLf : Cut::LineEnd);
            start = i = crlf ? end + 1 : end;
        } else {
            ++i;
            if (i - start >= MaxPiece) {
                emitPiece(data + start, i - start, out, Cut::InsideLine);
                start = i;
            }
        }
    }
    if (start < size)
        m_pending = QByteArray(data + start, int(size - start));
}

void OutputSplitter::flush(QStringList& out, bool endOfRun, QVector<bool>* lineEnds)
{
    m_lineEnds = lineEnds;
    if (m_pending.isEmpty() && !endOfRun)
        return;
    QByteArray rest = m_pending;
    m_pending.clear();
    // Carriage returns held back for a line feed that did not come: at a
    // pause they end the line as CRLF would; at the end they are dropped.
    qsizetype size = rest.size();
    while (size > 0 && rest.at(size - 1) == '\r')
        --size;
    const Cut cut = endOfRun ? Cut::EndOfRun : size < rest.size() ? Cut::CrLf : Cut::InsideLine;
    emitPiece(rest.constData(), size, out, cut);
}
