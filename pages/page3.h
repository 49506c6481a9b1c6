#pragma once

#include "image/isobuild.h"
#include "image/isocontent.h"
#include "image/staging.h"
#include "runner/tools.h"
#include "ui/imagedialog.h"

#include <QElapsedTimer>
#include <QHash>
#include <QModelIndex>
#include <QPoint>
#include <QPointer>
#include <QStringList>

class CFileCopy;
class CImageButton;
class CMyTreeWidget;
class CProgressDialog;
class CRunCommandThread;
class QEventLoop;
class QLabel;
class QMenu;
class QProgressBar;
class QRadioButton;
class QTimer;
class QTreeWidgetItem;
class QWidget;

// The create page: the user gathers files and folders, which are copied at
// once into the page's own staging folder, and builds an ISO image of one of
// three kinds from that folder.
class CPage3 : public ImageDialog
{
    Q_OBJECT
public:
    explicit CPage3(QWidget* parent = nullptr);
    ~CPage3() override;

    // The usage bar is full at this total.
    static constexpr qint64 MaxImageBytes = Q_INT64_C(5) * 1024 * 1024 * 1024;
    // Column 0 roles: Qt::UserRole holds 1 on folder rows; NameRole the
    // entry's full path inside the image.
    static constexpr int NameRole = Qt::UserRole + 1;

    enum class State { Idle, Staging, Building };

    // For tests.
    CMyTreeWidget* List() const { return m_list; }
    const IsoContentTree& Content() const { return m_content; }
    CProgressDialog* Progress() const { return m_progress; }
    CFileCopy* Copier() const { return m_copy; }
    QProgressBar* UsageBar() const { return m_usage; }
    QLabel* TotalLabel() const { return m_total; }
    QMenu* ContextMenu() const { return m_menu; }
    QString StagingFolder() const { return m_staging.path(); }
    State CurrentState() const { return m_state; }
    int BuildsStarted() const { return m_buildsStarted; }
    QStringList LastBuildArguments() const { return m_lastArgs; }
    // Where an entry's copy lives in the staging folder.
    QString StagedPath(const QString& name) const;
    Tools::ImageType SelectedType() const;
    // The row of an entry, or null.
    QTreeWidgetItem* RowOf(const QString& name) const;

signals:
    // A create request that got past its dialogs has ended, after any
    // message: true only for a good image (false when stopped or failed).
    void sigCreateEnded(bool succeeded);

public slots:
    void OnAddFile();
    void OnAddDir();
    void OnRemove();
    void OnCreate();
    void StopCreate();
    void OnCreateOutput(QString line);
    void OnCreateFinished();
    void OnTreeClicked(QModelIndex index);
    void OnListContextMenuRequest(QPoint pos);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Target
    {
        bool valid = false;
        QString prefix;                  // "Docs\\Photos\\", or empty for the root
        QTreeWidgetItem* row = nullptr;  // null for the root
    };

    void createWidgets();
    // Shows the rows added below the target and the new total; restores the cursor.
    void finishAdd(const Target& target, const QList<QTreeWidgetItem*>& rows);
    // A child widget with its object name at its place.
    template <class Widget>
    Widget* placed(const char* objectName, int x, int y);
    void retranslate();
    void buildMenu();
    void setupList();

    Target SelectedTarget() const;
    void UpdateTotalSize();
    QTreeWidgetItem* makeRow(const IsoEntry& entry) const;
    void appendRows(QTreeWidgetItem* parentRow, const QList<QTreeWidgetItem*>& rows);
    void fillFolder(IsoEntry* folder, QTreeWidgetItem* row, QStringList& ancestors, QStringList& skipped);
    void stageFile(const IsoEntry& entry);
    void forgetSources(const IsoEntry& entry, bool cancelQueued);
    bool ensureStagingFolder();
    // True for the staging root and anything below it.
    bool insideStaging(const QString& canonicalPath) const;

    bool waitForStaging();
    QStringList prepareStagedTree() const;
    void startBuild(bool allowLargeFiles);
    void onBuildStartFailed(const QString& error);
    void finishRun(bool succeeded);
    QString failureText(const IsoBuild::Verdict& verdict) const;

    // Widgets
    QLabel* m_title = nullptr;
    CMyTreeWidget* m_list = nullptr;
    QLabel* m_backType = nullptr;
    QRadioButton* m_joliet = nullptr;
    QRadioButton* m_iso9660 = nullptr;
    QRadioButton* m_udf = nullptr;
    QWidget* m_sizeBox = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_maxSize = nullptr;
    QProgressBar* m_usage = nullptr;
    CImageButton* m_addFile = nullptr;
    CImageButton* m_addDir = nullptr;
    CImageButton* m_remove = nullptr;
    CImageButton* m_back = nullptr;
    CImageButton* m_create = nullptr;
    QMenu* m_menu = nullptr;
    CProgressDialog* m_progress = nullptr;

    // Content and staging
    IsoContentTree m_content;
    StagingArea m_staging;
    CFileCopy* m_copy = nullptr;
    // How many entries stand for each local file: a queued copy is only
    // cancelled when no other entry needs a task with the same source.
    QHash<QString, int> m_sourceRefs;

    // Build run
    State m_state = State::Idle;
    bool m_stop = false;
    QPointer<QEventLoop> m_waitLoop;
    QPointer<CRunCommandThread> m_runner;
    QString m_outputPath;
    IsoBuild::OutputLog m_buildLog;
    QTimer* m_progressTimer = nullptr;
    QElapsedTimer m_progressClock;
    int m_pendingProgress = 0;
    QString m_buildPath; // what the builder writes; becomes m_outputPath when complete
    int m_buildsStarted = 0;
    QStringList m_lastArgs;
};
