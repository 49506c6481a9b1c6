#include "image/editsave.h"

#include "image/isocontent.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

QStringList MissingFromWorkingFolder(const IsoEntry& root, const QString& workingFolder)
{
    QStringList missing;
    std::function<void(const IsoEntry&)> visit = [&](const IsoEntry& folder) {
        for (int i = 0; i < folder.childCount(); ++i) {
            const IsoEntry& entry = *folder.child(i);
            QString relative = entry.name;
            relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
            const QFileInfo copy(workingFolder + QLatin1Char('/') + relative);
            if (!entry.linkTarget.isEmpty()) {
                const QString expected = QDir::isAbsolutePath(entry.linkTarget)
                    ? QDir::cleanPath(entry.linkTarget)
                    : QDir::cleanPath(copy.absolutePath() + QLatin1Char('/') + entry.linkTarget);
                if (!copy.isSymLink() || QDir::cleanPath(copy.symLinkTarget()) != expected)
                    missing << entry.name;
                continue;
            }
            if (entry.isDir) {
                if (!copy.isDir())
                    missing << entry.name;
                visit(entry);
                continue;
            }
            const qint64 expected =
                entry.localPath.isEmpty() ? qint64(entry.size()) : QFileInfo(entry.localPath).size();
            if (!copy.isFile() || copy.size() != expected)
                missing << entry.name;
        }
    };
    visit(root);
    return missing;
}

QStringList PseudoEntriesToRemove(const IsoContentTree& model, const QStringList& bootImageNames)
{
    if (bootImageNames.isEmpty())
        return {};
    if (!model.FindEntry(QStringLiteral("[BOOT]")))
        return {QStringLiteral("[BOOT]")};
    return bootImageNames;
}
