#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A page's own working folder for the content of an image it builds. Each
// folder lives below one root folder and is named "<kind>-<pid>-<n>" after
// the process that made it, so a start can tell the folders of ended runs
// (which it may delete) from those of live pages (which it must not touch).
class StagingArea {
public:
    // Root of all staging folders: "staging" below the per-user data folder
    // (the system's temporary folder when there is none).
    static QString DefaultRoot();

    // Makes a new, empty folder of this process below `root`. `kind` names the
    // page ("create", "edit"): letters only.
    explicit StagingArea(const QString& kind, const QString& root = DefaultRoot());
    // The folder stays on disk: its owner removes it (StagedContent), or a later start does.
    ~StagingArea() = default;

    StagingArea(const StagingArea&) = delete;
    StagingArea& operator=(const StagingArea&) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    // Absolute folder path with "/" separators and no trailing separator.
    QString path() const { return m_path; }
    QString root() const { return m_root; }

    // Folders below `root` that belong to processes no longer running. Only
    // names of the "<kind>-<pid>-<n>" form count; anything else is left alone.
    static QStringList StaleFolders(const QString& root = DefaultRoot());

    // Folders below `root` made by this process (all of them go when it ends).
    static QStringList OwnFolders(const QString& root = DefaultRoot());

    // The process id in a staging folder's name, or 0 when it is no such name.
    static qint64 OwnerOf(const QString& folderName);
    static bool ProcessAlive(qint64 pid);

private:
    static QStringList foldersOf(const QString& root, const std::function<bool(qint64)>& owned);

    QString m_root;
    QString m_path;
};
