#pragma once

// The listing reader fed two ways, for the tests and the fuzz target: once
// line by line from the whole output, once cut by the runner's splitter at
// arbitrary read sizes and pauses. Both must give the same model.

#include "image/isocontent.h"
#include "runner/outputsplitter.h"

#include <QTextCodec>

#include <memory>
#include <vector>

namespace ListingCuts {

// Feed `bytes` of the output, then, when `pause` is set, the tool falls silent.
struct Cut {
    int bytes = 1;
    bool pause = false;
};

struct Outcome {
    QString model; // every entry, in order, with all its fields
    bool complete = false;
    bool refused = false;

    bool operator==(const Outcome& o) const
    {
        return model == o.model && complete == o.complete && refused == o.refused;
    }
    bool operator!=(const Outcome& o) const { return !(*this == o); }
};

inline void describe(const IsoEntry* folder, QString& out)
{
    for (int i = 0; i < folder->childCount(); ++i) {
        const IsoEntry* e = folder->child(i);
        out += e->name + QLatin1Char('|') + e->dateText + QLatin1Char('|') + e->sizeText
            + (e->isDir ? QLatin1String("|D\n") : QLatin1String("|F\n"));
        describe(e, out);
    }
}

inline Outcome finish(IsoContentTree& tree, ListingReader& reader)
{
    Outcome o;
    o.complete = reader.EndOfRun();
    o.refused = reader.WasRefused();
    describe(&tree.root, o.model);
    return o;
}

inline bool isBlank(const QString& line)
{
    for (QChar c : line)
        if (!c.isSpace())
            return false;
    return true;
}

// The whole output decoded at once and read line by line: what the reader
// must make of it however it is cut.
inline Outcome Uncut(const QByteArray& output)
{
    IsoContentTree tree;
    ListingReader reader(tree);
    reader.Begin(QStringLiteral("x.iso"));
    const std::unique_ptr<QTextDecoder> decoder(QTextCodec::codecForLocale()->makeDecoder());
    const QString text = decoder->toUnicode(output);
    int from = 0;
    while (from < text.size()) {
        int end = text.indexOf(QLatin1Char('\n'), from);
        end = end < 0 ? text.size() : end + 1;
        const QString line = text.mid(from, end - from);
        if (!isBlank(line))
            reader.Feed(line);
        from = end;
    }
    return finish(tree, reader);
}

// The output as the runner delivers it when reads end and pauses fall at the
// given places (the cuts repeat until the output is used up).
inline Outcome Delivered(const QByteArray& output, const std::vector<Cut>& cuts)
{
    IsoContentTree tree;
    ListingReader reader(tree);
    reader.Begin(QStringLiteral("x.iso"));
    OutputSplitter splitter;
    QStringList pieces;
    QVector<bool> ends;
    int at = 0;
    for (size_t k = 0; at < output.size(); ++k) {
        const Cut& cut = cuts.empty() ? Cut {int(output.size()), false} : cuts[k % cuts.size()];
        const int n = qBound(1, cut.bytes, int(output.size()) - at);
        splitter.feed(output.constData() + at, n, pieces, &ends);
        at += n;
        if (cut.pause)
            splitter.flush(pieces, false, &ends);
        for (int i = 0; i < pieces.size(); ++i)
            reader.Feed(pieces[i], ends[i]);
        pieces.clear();
        ends.clear();
    }
    splitter.flush(pieces, true, &ends);
    for (int i = 0; i < pieces.size(); ++i)
        reader.Feed(pieces[i], ends[i]);
    return finish(tree, reader);
}

// Tool output has no lone carriage returns or backspaces in a listing; they
// rewrite a line in place, which a pause may legitimately cut differently.
inline QByteArray WithoutLineRewrites(QByteArray output)
{
    QByteArray clean;
    clean.reserve(output.size());
    for (int i = 0; i < output.size(); ++i) {
        const char c = output.at(i);
        if (c == '\b')
            continue;
        if (c == '\r') {
            int j = i;
            while (j < output.size() && output.at(j) == '\r')
                ++j;
            if (j == output.size() || output.at(j) != '\n') {
                i = j - 1;
                continue;
            }
        }
        clean += c;
    }
    return clean;
}

} // namespace ListingCuts
