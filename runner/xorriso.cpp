#include "runner/xorriso.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

namespace Tools {

QStringList xorrisoLiteralArgs()
{
    return {QStringLiteral("-iso_rr_pattern"), QStringLiteral("off"), QStringLiteral("-disk_pattern"),
        QStringLiteral("off")};
}

QStringList rockRidgeTreeArgs(const QString& image)
{
    return xorrisoLiteralArgs()
        + QStringList {QStringLiteral("-indev"), image, QStringLiteral("-find"), QStringLiteral("/"),
            QStringLiteral("-exec"), QStringLiteral("lsdl"), QStringLiteral("--"), QStringLiteral("-print"),
            Xorriso::FilterMarker(), QStringLiteral("-find"), QStringLiteral("/"), QStringLiteral("-has_filter"),
            QStringLiteral("-exec"), QStringLiteral("lsdl"), QStringLiteral("--")};
}

QStringList rockRidgeExtractArgs(const QString& image, const QString& folder, const QStringList& isoPaths)
{
    QStringList args = xorrisoLiteralArgs();
    args << QStringLiteral("-osirrox") << QStringLiteral("on") << QStringLiteral("-overwrite") << QStringLiteral("on")
         << QStringLiteral("-indev") << image << QStringLiteral("-extract_l") << QStringLiteral("/") << folder;
    args += isoPaths;
    args << QStringLiteral("--");
    return args;
}

QStringList xorrisoSaveArgs(const QString& original, const QString& output, const QList<XorrisoEdit>& edits)
{
    QStringList args = xorrisoLiteralArgs();
    // A plain image from sector 0: without no_emul_toc xorriso starts the
    // tree at sector 32 as for a medium that grows by sessions.
    args << QStringLiteral("-indev") << original << QStringLiteral("-outdev") << output << QStringLiteral("-compliance")
         << QStringLiteral("no_emul_toc") << QStringLiteral("-boot_image") << QStringLiteral("any")
         << QStringLiteral("replay");
    for (const XorrisoEdit& edit : edits) {
        switch (edit.kind) {
        case XorrisoEdit::Remove:
            args << QStringLiteral("-rm_r") << edit.path << QStringLiteral("--");
            break;
        case XorrisoEdit::Rename:
            args << QStringLiteral("-mv") << edit.path << edit.target << QStringLiteral("--");
            break;
        case XorrisoEdit::Add:
            args << QStringLiteral("-map") << edit.target << edit.path;
            break;
        case XorrisoEdit::MakeFolder:
            args << QStringLiteral("-mkdir") << edit.path << QStringLiteral("--");
            break;
        }
    }
    // An image saved without changes is written all the same: xorriso skips
    // a commit with nothing pending. Stop at the first failed change: an
    // image without it is not the one the user asked for.
    args << QStringLiteral("-changes_pending") << QStringLiteral("yes") << QStringLiteral("-abort_on")
         << QStringLiteral("FAILURE") << QStringLiteral("-commit");
    return args;
}

QStringList systemAreaReportArgs(const QString& image)
{
    return {QStringLiteral("-indev"), image, QStringLiteral("-report_system_area"), QStringLiteral("plain")};
}

} // namespace Tools

namespace Xorriso {

QString FilterMarker()
{
    return QStringLiteral(":quillon-filtered:");
}

std::optional<QString> Unquote(QStringView text, int* consumed)
{
    QString word;
    int i = 0;
    bool any = false;
    while (i < text.size() && (text[i] == QLatin1Char('\'') || text[i] == QLatin1Char('"'))) {
        const QChar quote = text[i];
        const int end = text.indexOf(quote, i + 1);
        if (end < 0)
            return std::nullopt;
        word += text.mid(i + 1, end - i - 1);
        i = end + 1;
        any = true;
    }
    if (!any)
        return std::nullopt;
    if (consumed)
        *consumed = i;
    return word;
}

std::optional<Node> ParseLsdl(const QString& line)
{
    // Type and mode, link count, owner, group, size, three date words, then the quoted path.
    static const QRegularExpression head(QStringLiteral(
        "^([-dlbcpse])([-rwxsStT]{9})\\s+\\d+\\s+\\S+\\s+\\S+\\s+(\\d+)\\s+\\S+\\s+\\d+\\s+[\\d:]+\\s+(?=')"));
    const QRegularExpressionMatch m = head.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    Node node;
    node.type = m.captured(1).at(0);
    const QString bits = m.captured(2);
    for (int i = 0; i < 9; ++i) {
        const QChar c = bits[i];
        const bool set = c != QLatin1Char('-') && c != QLatin1Char('S') && c != QLatin1Char('T');
        if (set)
            node.mode |= 1u << (8 - i);
    }
    node.size = m.captured(3).toLongLong();
    const QStringView rest = QStringView(line).mid(m.capturedEnd());
    int used = 0;
    const auto path = Unquote(rest, &used);
    if (!path)
        return std::nullopt;
    node.path = *path;
    if (node.type == QLatin1Char('l')) {
        const QStringView after = rest.mid(used);
        if (!after.startsWith(QLatin1String(" -> ")))
            return std::nullopt;
        const auto target = Unquote(after.mid(4));
        if (!target)
            return std::nullopt;
        node.target = *target;
    }
    return node;
}

void RockRidgeTree::Feed(const QString& piece)
{
    const QString line = piece.trimmed();
    if (line.isEmpty())
        return;
    if (line == FilterMarker()) {
        m_filtered = true;
        return;
    }
    if (line.startsWith(QLatin1String("Volume id"))) {
        m_loaded = true;
        return;
    }
    if (const auto node = ParseLsdl(line)) {
        if (m_filtered) {
            if (node->type == QLatin1Char('-'))
                m_zisofs << node->path;
        } else {
            m_nodes.insert(node->path, *node);
        }
        return;
    }
    if (line.contains(QLatin1String(" : FAILURE : ")) || line.contains(QLatin1String(" : SORRY : ")))
        m_problem = line;
}

QStringList RockRidgeTree::Links() const
{
    QStringList links;
    for (const Node& node : m_nodes) {
        if (node.type == QLatin1Char('l'))
            links << node.path;
    }
    std::sort(links.begin(), links.end());
    return links;
}

const Node* RockRidgeTree::Find(const QString& path) const
{
    const auto it = m_nodes.constFind(path);
    return it == m_nodes.constEnd() ? nullptr : &*it;
}

int WriteProgressHundredths(const QString& piece)
{
    static const QRegularExpression pattern(QStringLiteral("UPDATE : Writing:\\s+\\d+s\\s+([\\d.]+)%"));
    const QRegularExpressionMatch m = pattern.match(piece);
    if (!m.hasMatch())
        return -1;
    return qBound(0, int(m.captured(1).toDouble() * 100.0 + 0.5), 10000);
}

void OutputLog::Feed(const QString& piece)
{
    static const QRegularExpression written(QStringLiteral("^Written to medium : (\\d+) sectors at LBA (\\d+)"));
    const QString line = piece.trimmed();
    const QRegularExpressionMatch m = written.match(line);
    if (m.hasMatch()) {
        m_expectedBytes = (m.captured(1).toLongLong() + m.captured(2).toLongLong()) * 2048;
        return;
    }
    if (line.startsWith(QLatin1String("Writing to ")) && line.endsWith(QLatin1String("completed successfully.")))
        m_completed = true;
    else if ((line.contains(QLatin1String(" : FAILURE : ")) || line.contains(QLatin1String(" : SORRY : ")))
        && !m_problem.contains(line))
        m_problem += (m_problem.isEmpty() ? QString() : QStringLiteral("\n")) + line;
}

SystemArea ParseSystemArea(const QStringList& lines)
{
    SystemArea area;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("System area summary:"))) {
            area.summary = line.mid(20).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            // A cylinder alignment is the layout's, not a boot path.
            area.summary.erase(std::remove_if(area.summary.begin(), area.summary.end(),
                                   [](const QString& w) { return w.startsWith(QLatin1String("cyl-align")); }),
                area.summary.end());
        } else if (line.startsWith(QLatin1String("MBR partition      :"))) {
            const QStringList f = line.mid(20).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (f.size() >= 3 && f[0] != QLatin1String("N"))
                area.mbrTypes << f[2];
        } else if (line.startsWith(QLatin1String("GPT start and size :"))) {
            ++area.gptEntries;
        } else if (line.startsWith(QLatin1String("GPT partname local :"))) {
            // Gap fillers cover the data between partitions: a new layout
            // may need fewer of them, and nothing boots from them.
            static const QRegularExpression gap(QStringLiteral("^\\d+\\s+Gap\\d+$"));
            if (gap.match(line.mid(20).trimmed()).hasMatch())
                --area.gptEntries;
        } else if (line.startsWith(QLatin1String("MBR partition path :"))
            || line.startsWith(QLatin1String("GPT partition path :"))) {
            const QStringList f = line.mid(20).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (f.size() >= 2)
                area.partitionPaths << f.mid(1).join(QLatin1Char(' '));
        }
    }
    return area;
}

} // namespace Xorriso

namespace Xorriso {

std::optional<QStringList> RunForLines(const QString& program, const QStringList& args, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForStarted() || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return QString::fromUtf8(process.readAll()).split(QLatin1Char('\n'));
}

} // namespace Xorriso
