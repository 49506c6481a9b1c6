#include "runner/wimsplitter.h"

#include <QRegularExpression>

namespace Tools {

QStringList splitArgs(const QString& source, const QString& target, int partMiB)
{
    return {QStringLiteral("split"), source, target, QString::number(partMiB)};
}

} // namespace Tools

std::optional<int> ParseSplitProgress(const QString& piece)
{
    static const QRegularExpression percent(QStringLiteral("\\((\\d{1,3})%\\) written"));
    const QRegularExpressionMatch m = percent.match(piece);
    if (!m.hasMatch())
        return std::nullopt;
    return qBound(0, m.captured(1).toInt(), 100);
}
