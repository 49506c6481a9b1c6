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

void OutputSplitter::emitPiece(const char* data, qsizetype size, QStringList& out)
{
    if (size <= 0)
        return;
    QString piece = m_decoder->toUnicode(data, int(size));
    if (!isBlank(piece))
        out.append(piece);
}

void OutputSplitter::feed(const char* data, qsizetype size, QStringList& out)
{
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
            emitPiece(data + start, i + 1 - start, out);
            start = ++i;
        } else if (c == '\r' || c == '\b') {
            emitPiece(data + start, i - start, out);
            while (i < size && data[i] == c)
                ++i;
            start = i;
        } else {
            ++i;
            if (i - start >= MaxPiece) {
                emitPiece(data + start, i - start, out);
                start = i;
            }
        }
    }
    if (start < size)
        m_pending = QByteArray(data + start, int(size - start));
}

void OutputSplitter::flush(QStringList& out)
{
    if (m_pending.isEmpty())
        return;
    const QByteArray rest = m_pending;
    m_pending.clear();
    emitPiece(rest.constData(), rest.size(), out);
}
