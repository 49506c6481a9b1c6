#include "core/job.h"
#include "core/waitjob.h"
#include "image/bootrebuild.h"
#include "image/createimagejob.h"
#include "image/editexport.h"
#include "image/editsave.h"
#include "image/editsession.h"
#include "image/filecopy.h"
#include "image/fileutils.h"
#include "image/isobuild.h"
#include "image/isobuildjob.h"
#include "image/rockridge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// The session's jobs: what a save or an export waits for, builds and checks.

namespace {

constexpr int ExtractPollMs = 200;

CopyWaitJob* copyWait(CFileCopy* copy)
{
    auto* wait = new CopyWaitJob(copy);
    wait->setName(QCoreApplication::translate("EditSession", "Copy files and directories..."));
    return wait;
}

} // namespace

// --- Jobs -------------------------------------------------------------------------------

void EditSession::addWaits(JobSequence* run)
{
    run->add(new WaitJob(tr("Extracting iso..."), ExtractPollMs,
                 [this] {
                     WaitJob::State state;
                     state.done = !isExtracting();
                     state.value = m_extractProgress;
                     state.maximum = 100;
                     if (state.done && !m_extractFailure.isEmpty())
                         state.failure = tr("The image was not extracted completely: %1").arg(m_extractFailure);
                     return state;
                 }),
        3);
    run->add(copyWait(m_copy), 1);
}

EditSession::SavePlan EditSession::savePlan() const
{
    SavePlan plan;
    const bool haveXorriso = QFileInfo(m_tools.xorriso).isExecutable();
    const bool large = !IsoBuild::LargeFiles(m_content.root).isEmpty();
    const QString area = tr("the original's boot setup for disks (its MBR or GPT system area)");
    if (!haveXorriso)
        plan.lost << tr("symbolic links and compressed files, if it has any (xorriso is not installed)");
    if (!m_hybrid) {
        plan.why = tr("genisoimage: the image has no system area, so UDF and Joliet are written as before.");
    } else if (m_udf || large) {
        plan.why = m_udf ? tr("genisoimage: the image has a UDF tree, which only genisoimage writes.")
                         : tr("genisoimage: files of 4 GiB or more need its UDF tree.");
        plan.lost << area;
    } else if (!haveXorriso) {
        plan.why = tr("genisoimage: xorriso, which keeps the system area, is not installed.");
        plan.lost << area;
    } else if (!m_tree.Loaded() || !m_namesMatch) {
        plan.why = tr("genisoimage: the names 7-Zip reads differ from the image's Rock Ridge names.");
        plan.lost << area;
    } else {
        plan.xorriso = true;
        plan.why = tr("xorriso: it replays the image's boot setup and system area, so the copy boots from a "
                      "disk as the original does.");
    }
    return plan;
}

QString EditSession::WithIsoSuffix(const QString& path)
{
    if (path.isEmpty() || path.endsWith(QLatin1String(".iso"), Qt::CaseInsensitive))
        return path;
    return path + QStringLiteral(".iso");
}

QString EditSession::saveTargetProblem(const QString& output) const
{
    if (QFileInfo(output).isDir())
        return tr("%1 is a folder. Please choose a file name for the image.").arg(QDir::toNativeSeparators(output));
    // The same file however it is written: through links, "..", another case of nothing.
    const QFileInfo target(output);
    const QString folder = QFileInfo(target.absolutePath()).canonicalFilePath();
    const QString canonical =
        target.exists() ? target.canonicalFilePath() : folder + QLatin1Char('/') + target.fileName();
    if (IsoBuild::IsInside(output, m_area.root()) || (!folder.isEmpty() && IsoBuild::IsInside(canonical, m_area.root()))
        || canonical == QFileInfo(m_imagePath).canonicalFilePath())
        return tr("Please save the image under another name, outside the program's working folder.");
    return QString();
}

JobSequence* EditSession::makeSaveJob(const QString& output, QObject* parent)
{
    auto* run = new JobSequence(parent);
    addWaits(run);
    run->add(new StepJob([this] { return prepareSave(); }), 0);
    IsoBuildJob::Request build;
    build.output = output;
    build.program = m_tools.builder;
    const SavePlan plan = savePlan();
    if (plan.xorriso) {
        build.program = m_tools.xorriso;
        build.xorriso = true;
        build.arguments = [this](const QString& file) {
            return Tools::xorrisoSaveArgs(m_imagePath, file, m_edits);
        };
    } else {
        build.arguments = [this](const QString& file) {
            return Tools::saveEditedArgs(m_saveOptions, file, m_workingFolder);
        };
    }
    // The new image must boot as the original did, under its label, and hold
    // what the model shows.
    build.check = [this, xorriso = plan.xorriso](const QString& file) {
        return checkSaved(file, xorriso);
    };
    auto* builder = new IsoBuildJob(build);
    builder->setName(tr("Saving ISO file..."));
    run->add(builder, 16);
    const int edits = m_edits.size();
    run->add(new StepJob([this, edits] {
        m_savedEdits = edits;
        return QString();
    }),
        0);
    return run;
}

QString EditSession::checkSaved(const QString& file, bool xorriso) const
{
    QString problem = CompareSavedBoot(m_boot, file);
    if (!problem.isEmpty() || !QFileInfo(m_tools.xorriso).isExecutable())
        return problem;
    Xorriso::RockRidgeTree saved;
    const auto lines = Xorriso::RunForLines(m_tools.xorriso, Tools::rockRidgeTreeArgs(file));
    for (const QString& line : lines.value_or(QStringList()))
        saved.Feed(line);
    if (!saved.Loaded())
        return tr("The saved image cannot be read.");
    problem = CompareSavedTree(m_content.root, saved);
    if (!problem.isEmpty() || !xorriso || m_systemArea.empty())
        return problem;
    const auto report = Xorriso::RunForLines(m_tools.xorriso, Tools::systemAreaReportArgs(file));
    const Xorriso::SystemArea area = Xorriso::ParseSystemArea(report.value_or(QStringList()));
    if (area.summary != m_systemArea.summary || area.mbrTypes != m_systemArea.mbrTypes
        || area.gptEntries != m_systemArea.gptEntries)
        return tr("The saved image's system area (%1) differs from the original's (%2).")
            .arg(area.summary.join(QLatin1Char(' ')), m_systemArea.summary.join(QLatin1Char(' ')));
    return QString();
}

QString EditSession::prepareSave()
{
    const QStringList failed = m_copy->TakeFailures();
    QStringList missing = MissingFromWorkingFolder(m_content.root, m_workingFolder);
    if (!failed.isEmpty() || !missing.isEmpty()) {
        for (QString& name : missing)
            name = QDir::toNativeSeparators(DisplayName(QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'))));
        return tr("These items are missing from the working folder, so the image would lack them:\n%1")
            .arg(ShortNameList(failed + missing));
    }
    if (savePlan().xorriso)
        return QString(); // xorriso takes the boot setup from the original itself
    const BootRebuildPlan plan =
        PlanBootRebuild(m_boot, m_content.root, m_workingFolder, m_area.path() + QStringLiteral("/boot"));
    if (!plan.error.isEmpty())
        return plan.error;
    m_saveOptions = plan.options;
    m_saveOptions.allowLargeFiles = !IsoBuild::LargeFiles(m_content.root).isEmpty();
    // The builder patches a boot info table into the file itself: our copy,
    // which the image may have marked read-only.
    for (const Tools::BootImageArgs& image : qAsConst(m_saveOptions.bootImages)) {
        if (!image.infoTable)
            continue;
        const QString copy = working(image.path);
        if (QFileInfo(copy).isFile() && IsoBuild::IsInside(copy, m_workingFolder))
            QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
    }
    return QString();
}

JobSequence* EditSession::makeExportJob(
    const QStringList& names, const QString& folder, Existing existing, QObject* parent)
{
    auto* run = new JobSequence(parent);
    addWaits(run);
    run->add(new StepJob([this, names, folder, existing] {
        QList<const IsoEntry*> items;
        for (const QString& name : names) {
            if (const IsoEntry* entry = m_content.FindEntry(name))
                items << entry;
        }
        // Under the names the items have now, which a rename may have changed.
        m_export = PlanExport(
            items, folder, existing,
            [this](const IsoEntry& entry) { return entry.localPath.isEmpty() ? working(entry.name) : entry.localPath; },
            m_imagePath);
        m_exportFailures = MakeExportFolders(m_export, folder);
        m_exportCopy->TakeFailures();
        for (const ExportPlan::Place& place : qAsConst(m_export.places))
            m_exportCopy->AddTask(place.source, place.target, CFileCopy::Copy);
        return QString();
    }),
        0);
    run->add(copyWait(m_exportCopy), 6);
    run->add(new StepJob([this, folder] {
        QStringList failed = m_exportFailures;
        for (const QString& source : m_exportCopy->TakeFailures()) {
            for (const ExportPlan::Place& place : qAsConst(m_export.places)) {
                if (place.source == source)
                    failed << place.target.mid(folder.size() + 1);
            }
        }
        QStringList reasons;
        if (!failed.isEmpty())
            reasons << tr("These items could not be copied:\n%1").arg(ShortNameList(failed));
        if (!m_export.conflicts.isEmpty())
            reasons << tr("These items were not exported: the folder holds a folder where a file would go, a file "
                          "where a folder would go, or the image being edited:\n%1")
                           .arg(ShortNameList(m_export.conflicts));
        return reasons.join(QLatin1Char('\n'));
    }),
        0);
    return run;
}

void EditSession::stopExport()
{
    m_exportCopy->Clear();
}
