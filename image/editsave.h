#pragma once

#include "core/job.h"
#include "image/bootrebuild.h"
#include "image/isobuild.h"
#include "runner/tools.h"

#include <QString>
#include <QStringList>

class IsoContentTree;
struct IsoEntry;

// Model files (backslash paths) that the working folder lacks or holds at
// another size than the image listed or the local file has: an image saved
// from it would silently miss them.
QStringList MissingFromWorkingFolder(const IsoEntry& root, const QString& workingFolder);

// Adds a local file or folder to `tree` as `prefix` (a folder path with a
// trailing backslash, or empty) followed by its name; a folder brings
// everything below it. Hidden and system items stay out; folders that cannot
// be read, that lead back to a folder above, or that lie inside `excluded`
// (the program's own working folders) are named in `skipped` and left out.
// Null when the name is taken (the existing entry stays).
IsoEntry* AddLocalItem(IsoContentTree& tree, const QString& prefix, const QString& path,
                       const QString& excluded, QStringList& skipped);

// What an extraction of the whole image wrote that is no content (see
// ListingReader::SetSkipBootImages): the "[BOOT]" folder, or only its boot
// image files when the image really has a folder of that name. Backslash
// paths relative to the working folder.
QStringList PseudoEntriesToRemove(const IsoContentTree& model, const QStringList& bootImageNames);

// Builds an edited image from its working folder into a file of its own
// beside the target, checks it (exit status, every extent written, the boot
// entries and label of the original) and only then puts it in place of the
// target. A stopped or failed run leaves no partial file, and an older file
// at the target stays untouched.
class SaveEditedJob : public ToolJob
{
    Q_OBJECT
public:
    struct Request
    {
        QString output;
        QString sourceFolder;
        Tools::SaveEditedOptions options;
        ImageBootRecord original;
        QString program; // the image builder; empty for Tools::builderTool()
    };

    explicit SaveEditedJob(const Request& request = Request(), QObject* parent = nullptr);
    // For a job whose request is known only once earlier steps have run.
    void setRequest(const Request& request) { m_request = request; }

    // The file the builder writes while it runs.
    QString buildPath() const { return m_buildPath; }
    const Request& request() const { return m_request; }

protected:
    void doStart() override;
    void handlePiece(const QString& piece) override;
    QString judge(int exitCode, QProcess::ExitStatus status) override;
    void cleanUp() override;

private:
    Request m_request;
    QString m_buildPath;
    IsoBuild::OutputLog m_log;
};
