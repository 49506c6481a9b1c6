// The Rock Ridge steps of an extraction, after 7-Zip's pass into the staging
// folder: the tree read by xorriso (where a scan of the image finds links or
// zisofs files), the ticked links made again, zisofs files unpacked by xorriso
// and checked, and what could not be restored taken out and named.
#include "image/extractjob.h"
#include "image/fileutils.h"
#include "image/rockridge.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <filesystem>

namespace {

// "/a/b": the path of a model entry in xorriso's form.
QString rockRidgePath(const QString& modelPath)
{
    return QLatin1Char('/') + Tools::imagePathForTool(modelPath);
}

// Whether `path` ("/a/b/c") is one of `selected` or lies below one.
bool inSelection(QString path, const QSet<QString>& selected)
{
    while (path.size() > 1) {
        if (selected.contains(path))
            return true;
        path.truncate(path.lastIndexOf(QLatin1Char('/')));
    }
    return false;
}

bool isBelow(const QString& path, const QString& folder)
{
    return !folder.isEmpty() && (path == folder || path.startsWith(folder + QLatin1Char('/')));
}

// The raw text of a symbolic link (not resolved).
QString linkText(const QString& link)
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(QFile::encodeName(link).toStdString(), error);
    return error ? QString() : QFile::decodeName(QByteArray::fromStdString(target.string()));
}

// "Dangerous link path was ignored : sub/up : ../x": 7-Zip's refusal of a
// link with "..", "." or an absolute target in a Rock Ridge tree.
bool isAboutLink(const QString& error, const QSet<QString>& links)
{
    static const QString head = QStringLiteral("Dangerous link path was ignored : ");
    if (!error.startsWith(head))
        return false;
    const QString rest = error.mid(head.size());
    const QString separator = QStringLiteral(" : ");
    for (int at = rest.indexOf(separator); at >= 0; at = rest.indexOf(separator, at + 1)) {
        if (links.contains(QLatin1Char('/') + rest.left(at)))
            return true;
    }
    return false;
}

} // namespace

// --- Rock Ridge: links and zisofs files ---------------------------------------------

void ExtractJob::startRockRidge()
{
    if (m_request.rockRidge) {
        m_tree = *m_request.rockRidge;
        m_haveTree = true;
        onTreeKnown();
        return;
    }
    m_scan = ScanRockRidge(m_request.image);
    m_scanned = true;
    if (!m_scan.NeedsTree()) {
        place(false); // 7-Zip's pass is all there is
        return;
    }
    if (!QFileInfo(m_request.xorriso).isExecutable()) {
        m_treeProblem = tr("This image holds symbolic links or compressed (zisofs) files, which only xorriso "
                           "restores, and xorriso is not installed (package xorriso); links may have arrived as "
                           "empty files.");
        onTreeKnown();
        return;
    }
    setProgress(tr("Restoring links and compressed files..."), 100, 100);
    auto* job = new ToolJob(this);
    job->setName(QStringLiteral("xorriso"));
    job->setCommand(m_request.xorriso, Tools::rockRidgeTreeArgs(m_request.image));
    job->onPiece = [this](const QString& piece) {
        m_tree.Feed(piece);
    };
    connect(job, &Job::finished, this, &ExtractJob::onTreeEnded);
    m_step = job;
    job->start();
}

void ExtractJob::onTreeEnded()
{
    ToolJob* job = takeStep(qobject_cast<ToolJob*>(sender()));
    if (!job)
        return;
    if (job->status() == Job::Status::Succeeded && m_tree.Loaded()) {
        m_haveTree = m_treeRead = true;
    } else {
        const QString why = m_tree.Problem().isEmpty() ? job->reason() : m_tree.Problem();
        m_treeProblem = tr("xorriso could not read the image's Rock Ridge tree, so its links and compressed "
                           "(zisofs) files could not be restored: %1")
                            .arg(why);
        m_tree = Xorriso::RockRidgeTree();
    }
    onTreeKnown();
}

QSet<QString> ExtractJob::selectedPaths() const
{
    QSet<QString> selected;
    for (const ExtractItem& item : qAsConst(m_items))
        selected.insert(rockRidgePath(item.path));
    return selected;
}

void ExtractJob::learnLinks()
{
    m_links.clear();
    m_repaired.clear();
    if (!m_haveTree)
        return;
    const QSet<QString> selected = selectedPaths();
    QSet<QString> links;
    for (const QString& link : m_tree.Links()) {
        if (inSelection(link, selected)) {
            m_links << qMakePair(link, m_tree.Find(link)->target);
            links.insert(link);
        }
    }
    for (const QString& error : m_log.Errors()) {
        if (isAboutLink(error, links))
            m_repaired << error;
    }
}

void ExtractJob::learnZisofs()
{
    m_zisofs.clear();
    if (!m_haveTree)
        return;
    const QSet<QString> selected = selectedPaths();
    for (const QString& path : m_tree.Zisofs()) {
        const Xorriso::Node* node = m_tree.Find(path);
        // Only what 7-Zip wrote: a file it did not is missing, not compressed.
        if (node && inSelection(path, selected) && QFileInfo(m_staging + path).isFile())
            m_zisofs << qMakePair(path, node->size);
    }
}

void ExtractJob::onTreeKnown()
{
    learnLinks();
    if (!sevenZipComplete())
        dropCutOffFiles();
    learnZisofs();
    if (m_zisofs.isEmpty() || !QFileInfo(m_request.xorriso).isExecutable()) {
        repairInPlace();
        place(false);
        return;
    }
    startZisofs();
}

void ExtractJob::startZisofs()
{
    // xorriso writes each file anew, where 7-Zip's compressed copy was.
    m_writable = std::make_unique<WritableFolders>();
    QStringList paths;
    for (const auto& file : qAsConst(m_zisofs)) {
        const QString path = m_staging + file.first;
        m_writable->add(QFileInfo(path).path());
        QFile::remove(path);
        paths << file.first;
    }
    setProgress(tr("Restoring links and compressed files..."), 100, 100);
    auto* job = new ToolJob(this);
    job->setName(QStringLiteral("xorriso"));
    job->setCommand(m_request.xorriso, Tools::rockRidgeExtractArgs(m_request.image, m_staging, paths));
    auto log = std::make_shared<Xorriso::OutputLog>();
    job->onPiece = [log](const QString& piece) {
        log->Feed(piece);
    };
    connect(job, &Job::finished, this, [this, job, log] {
        if (!takeStep(job))
            return;
        if (job->status() != Job::Status::Succeeded)
            m_zisofsProblem = log->Problem().isEmpty() ? job->reason() : log->Problem();
        repairInPlace();
        place(false);
    });
    m_step = job;
    job->start();
}

void ExtractJob::refuse(const QString& imagePath, QStringList& list)
{
    m_refusedPaths.insert(imagePath);
    list << imagePath.mid(1);
}

void ExtractJob::repairInPlace()
{
    if (!m_writable)
        m_writable = std::make_unique<WritableFolders>();
    // zisofs files: the size the Rock Ridge tree gives, and no zisofs header.
    for (const auto& file : qAsConst(m_zisofs)) {
        const QString path = m_staging + file.first;
        const QFileInfo info(path);
        if (info.isFile() && !info.isSymLink() && info.size() == file.second && !IsZisofsFile(path))
            continue;
        m_writable->add(info.path());
        QFile::remove(path);
        refuse(file.first, m_refusedZisofs);
    }
    // Links, in place of what 7-Zip made of them (an empty file, nothing, or a
    // link it relocated), where their folder was extracted.
    QList<QPair<QString, QString>> links;
    for (const auto& link : qAsConst(m_links)) {
        const QString folder = QFileInfo(m_staging + link.first).path();
        if (!QFileInfo(folder).isDir())
            continue;
        m_writable->add(folder);
        links << qMakePair(link.first.mid(1), link.second);
    }
    for (const QString& failed : RestoreLinks(links, m_staging))
        refuse(QLatin1Char('/') + failed, m_refusedLinks);

    const bool zisofsPossible = m_haveTree ? !m_tree.Zisofs().isEmpty() : (m_scan.zisofs || !m_scan.complete);
    const bool linksPossible = m_haveTree ? !m_tree.Links().isEmpty() : (m_scan.links || !m_scan.complete);
    const bool scanNeeded = m_haveTree || (m_scanned && m_scan.NeedsTree());
    if (scanNeeded && (zisofsPossible || linksPossible))
        checkStaging(zisofsPossible, linksPossible);
    m_writable.reset();
}

void ExtractJob::checkStaging(bool zisofs, bool links)
{
    // Where each ticked item lands, so a link is judged from its final place.
    QHash<QString, QString> landing; // image path -> name in the output folder
    for (const ExtractItem& item : qAsConst(m_items))
        landing.insert(rockRidgePath(item.path), item.name);
    QSet<QString> unpacked;
    for (const auto& file : qAsConst(m_zisofs))
        unpacked.insert(file.first);
    QSet<QString> compressed;
    for (const QString& path : m_tree.Zisofs())
        compressed.insert(path);
    const QString output = QDir::cleanPath(QFileInfo(m_request.outputFolder).absoluteFilePath());
    const QString canonicalOutput = QFileInfo(m_request.outputFolder).canonicalFilePath();
    const QString ours = QStringLiteral("/.quillon-extract-");

    QDirIterator it(
        m_staging, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList toRemove;
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString image = path.mid(m_staging.size()); // "/a/b"
        if (info.isSymLink()) {
            if (!links)
                continue;
            QString final;
            for (QString up = image; up.size() > 1; up.truncate(up.lastIndexOf(QLatin1Char('/')))) {
                const auto at = landing.constFind(up);
                if (at != landing.constEnd()) {
                    final = output + QLatin1Char('/') + *at + image.mid(up.size());
                    break;
                }
            }
            if (final.isEmpty())
                continue; // not ticked: it goes with the staging folder
            const QString text = linkText(path);
            const QString resolved =
                QDir::cleanPath(QDir::isAbsolutePath(text) ? text : QFileInfo(final).path() + QLatin1Char('/') + text);
            if (isBelow(resolved, m_staging) || resolved.startsWith(output + ours)
                || (!canonicalOutput.isEmpty() && resolved.startsWith(canonicalOutput + ours))) {
                toRemove << path;
                refuse(image, m_refusedIntoWorking);
            }
        } else if (zisofs && info.isFile() && !unpacked.contains(image)) {
            // A file of the tree that is not zisofs is as 7-Zip wrote it; one the
            // tree does not know (a Joliet name cut short) may still be compressed.
            const Xorriso::Node* node = m_haveTree ? m_tree.Find(image) : nullptr;
            if (node && node->type == QLatin1Char('-') && !compressed.contains(image))
                continue;
            if (IsZisofsFile(path)) {
                toRemove << path;
                refuse(image, m_refusedZisofs);
            }
        }
    }
    for (const QString& path : qAsConst(toRemove)) {
        m_writable->add(QFileInfo(path).path());
        QFile::remove(path);
    }
}

bool ExtractJob::sevenZipComplete() const
{
    if (!m_sevenZipNormal)
        return false;
    const QStringList errors = m_log.Errors();
    if (errors.isEmpty())
        return m_sevenZipExit == 0;
    for (const QString& error : errors) {
        if (!m_repaired.contains(error))
            return false;
    }
    return true; // 7-Zip refused only links that are made again
}

void ExtractJob::countRefusals()
{
    // A refused item is named with its reason, not as missing; a folder that
    // arrived without some of its items does not count as extracted.
    if (!m_refusedPaths.isEmpty()) {
        QHash<QString, QString> nameOf; // image path -> item name
        for (const ExtractItem& item : qAsConst(m_items))
            nameOf.insert(rockRidgePath(item.path), item.name);
        QSet<QString> touched;
        for (QString path : qAsConst(m_refusedPaths)) {
            for (; path.size() > 1; path.truncate(path.lastIndexOf(QLatin1Char('/')))) {
                const auto at = nameOf.constFind(path);
                if (at != nameOf.constEnd())
                    touched.insert(*at);
            }
        }
        for (const QString& name : qAsConst(touched)) {
            m_placed.missing.removeAll(name);
            if (m_placed.delivered.removeAll(name) > 0)
                m_placed.incomplete << name;
        }
    }
    if (!m_refusedLinks.isEmpty())
        m_placed.refused << tr("These symbolic links could not be made: %1").arg(ShortNameList(m_refusedLinks));
    if (!m_refusedIntoWorking.isEmpty())
        m_placed.refused << tr("These links would point into Quillon's working folder and were left out: %1")
                                .arg(ShortNameList(m_refusedIntoWorking));
    if (!m_refusedZisofs.isEmpty()) {
        QString line =
            tr("These compressed (zisofs) files could not be unpacked: %1").arg(ShortNameList(m_refusedZisofs));
        if (!m_zisofsProblem.isEmpty())
            line += QLatin1Char('\n') + m_zisofsProblem;
        m_placed.refused << line;
    }
    if (!m_treeProblem.isEmpty())
        m_placed.refused << m_treeProblem;
}
