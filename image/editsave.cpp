#include "image/editsave.h"

#include "image/fileutils.h"
#include "image/isocontent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

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
            if (entry.isDir) {
                if (!copy.isDir())
                    missing << entry.name;
                visit(entry);
                continue;
            }
            const qint64 expected = entry.localPath.isEmpty() ? qint64(entry.size())
                                                              : QFileInfo(entry.localPath).size();
            if (!copy.isFile() || copy.size() != expected)
                missing << entry.name;
        }
    };
    visit(root);
    return missing;
}

namespace {

IsoEntry localEntry(const QString& name, const QFileInfo& info)
{
    IsoEntry entry;
    entry.name = name;
    entry.localPath = info.absoluteFilePath();
    entry.isDir = info.isDir();
    if (!entry.isDir)
        entry.sizeText = QString::number(info.size());
    entry.dateText = FormatDateTime(info.lastModified());
    return entry;
}

bool insideFolder(const QString& canonical, const QString& folder)
{
    return !folder.isEmpty() && IsoBuild::IsInside(canonical, folder);
}

void addFolderContent(IsoContentTree& tree, IsoEntry* folder, QStringList& ancestors, const QString& excluded,
                      QStringList& skipped)
{
    const QFileInfoList items = QDir(folder->localPath)
                                    .entryInfoList(QDir::Dirs | QDir::Files | QDir::Drives | QDir::NoDotAndDotDot,
                                                   QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : items) {
        QString canonical;
        if (info.isDir()) {
            canonical = info.canonicalFilePath();
            if (ancestors.contains(canonical) || insideFolder(canonical, excluded) || !info.isReadable()) {
                skipped << QDir::toNativeSeparators(info.filePath());
                continue;
            }
        }
        IsoEntry* added = tree.Insert(localEntry(folder->name + QLatin1Char('\\') + info.fileName(), info));
        if (!added || !added->isDir)
            continue;
        ancestors << canonical;
        addFolderContent(tree, added, ancestors, excluded, skipped);
        ancestors.removeLast();
    }
}

} // namespace

IsoEntry* AddLocalItem(IsoContentTree& tree, const QString& prefix, const QString& path,
                       const QString& excluded, QStringList& skipped)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    const QString excludedCanonical = QFileInfo(excluded).canonicalFilePath();
    if (!info.exists() || info.fileName().contains(QLatin1Char('\\'))
        || (info.isDir() && (!info.isReadable() || insideFolder(canonical, excludedCanonical)))) {
        skipped << QDir::toNativeSeparators(path);
        return nullptr;
    }
    IsoEntry* added = tree.Insert(localEntry(prefix + info.fileName(), info));
    if (added && added->isDir) {
        QStringList ancestors{canonical};
        addFolderContent(tree, added, ancestors, excludedCanonical, skipped);
    }
    return added;
}

QStringList PseudoEntriesToRemove(const IsoContentTree& model, const QStringList& bootImageNames)
{
    if (bootImageNames.isEmpty())
        return {};
    if (!model.FindEntry(QStringLiteral("[BOOT]")))
        return {QStringLiteral("[BOOT]")};
    return bootImageNames;
}

SaveEditedJob::SaveEditedJob(const Request& request, QObject* parent)
    : ToolJob(parent), m_request(request)
{
    setName(tr("Saving ISO file..."));
}

void SaveEditedJob::doStart()
{
    // A name of our own that does not exist yet: the builder creates the
    // file itself (writing over an empty one is slower on ext4).
    const QFileInfo target(m_request.output);
    m_buildPath = target.absolutePath() + QStringLiteral("/.") + target.fileName() + QLatin1Char('.')
                  + QUuid::createUuid().toString(QUuid::Id128).left(12) + QStringLiteral(".part");
    m_log.Clear();
    setCommand(m_request.program.isEmpty() ? Tools::builderTool() : m_request.program,
               Tools::saveEditedArgs(m_request.options, m_buildPath, m_request.sourceFolder));
    setProgress(name(), 0, 10000);
    ToolJob::doStart();
}

void SaveEditedJob::handlePiece(const QString& piece)
{
    m_log.Feed(piece);
    const int hundredths = IsoBuild::ProgressHundredths(piece);
    if (hundredths >= 0)
        setProgress(name(), hundredths, 10000);
}

QString SaveEditedJob::judge(int exitCode, QProcess::ExitStatus status)
{
    IsoBuild::RunFacts facts;
    facts.exitCode = exitCode;
    facts.exitStatus = status;
    facts.extents = m_log.Extents();
    facts.outputPath = m_buildPath;
    const IsoBuild::Verdict verdict = IsoBuild::Judge(facts);
    QString reason;
    switch (verdict.outcome) {
    case IsoBuild::Outcome::Succeeded:
        reason = CompareSavedBoot(m_request.original, m_buildPath);
        if (reason.isEmpty() && !ReplaceFile(m_buildPath, m_request.output))
            reason = tr("The new image could not be put in place of %1.")
                         .arg(QDir::toNativeSeparators(m_request.output));
        break;
    case IsoBuild::Outcome::Crashed:
        reason = m_log.ErrorLine().isEmpty() ? tr("The image builder stopped unexpectedly.") : m_log.ErrorLine();
        break;
    case IsoBuild::Outcome::NoReport:
    case IsoBuild::Outcome::OutputMissing:
    case IsoBuild::Outcome::OutputSizeWrong:
        reason = tr("The image file is incomplete: %1 bytes written, %2 bytes expected.")
                     .arg(qMax<qint64>(verdict.actualBytes, 0))
                     .arg(qMax<qint64>(verdict.expectedBytes, 0));
        break;
    default:
        reason = m_log.ErrorLine().isEmpty()
                     ? tr("The image builder ended with exit status %1.").arg(exitCode)
                     : m_log.ErrorLine();
        break;
    }
    return reason;
}

void SaveEditedJob::cleanUp()
{
    if (!m_buildPath.isEmpty())
        QFile::remove(m_buildPath);
}
