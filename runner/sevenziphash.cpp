#include "runner/sevenziphash.h"

#include "runner/sevenzip.h"

#include <QRegularExpression>

namespace Tools {

static QStringList leaveOutArgs(const QStringList& leaveOut)
{
    QStringList args;
    for (const QString& path : leaveOut)
        args << QStringLiteral("-x!") + imagePathForTool(path);
    return args;
}

QStringList imageSumArgs(const QString& image, const QStringList& leaveOut)
{
    return QStringList {QStringLiteral("t"), QStringLiteral("-scrcSHA256"), QStringLiteral("-x![BOOT]")}
        + leaveOutArgs(leaveOut)
        << image;
}

QStringList folderSumArgs(const QString& folder, const QStringList& leaveOut)
{
    // Relative wildcards name the files otherwise; an absolute one names them as the image does.
    return QStringList {QStringLiteral("h"), QStringLiteral("-scrcSHA256"), QStringLiteral("-r")}
        + leaveOutArgs(leaveOut)
        << folder + QStringLiteral("/*");
}

} // namespace Tools

QString ParseContentSum(const QString& output)
{
    static const QRegularExpression sum(QStringLiteral("SHA256 for data and names:\\s+([0-9a-fA-F]{64}\\S*)"));
    const QRegularExpressionMatch match = sum.match(output);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}
