#pragma once

#include "image/editsession.h"
#include "pages/pagecontext.h"

#include <QList>
#include <QPointer>
#include <QStringList>

#include <functional>

class CFileCopy;
class CImageButton;
class CLineEdit;
class CProgressDialog;
class Job;
class JobProgress;
class JobSequence;
class QMenu;
class QTableWidget;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;
class SCheckBoxHeaderView;
class SearchHits;
class ToolJob;

// The edit page: open an ISO image (listing, full extraction into a working
// folder of the page's own, its boot record), change its content, export
// items, and save a new image that boots like the original.
class CPage4 : public PageWindow {
    Q_OBJECT
public:
    using Task = EditSession::Task;

    explicit CPage4(QWidget* parent = nullptr, const PageContext& context = PageContext());
    ~CPage4() override;

    // Called by the main window once the page is embedded in it.
    virtual void InitializeUI();
    // Rebuilds the table from the current folder under the search filter.
    virtual void FillFileTable();
    virtual void BuildFolderTree(IsoEntry* folder, QTreeWidgetItem* parentItem);

    // What OnLoadISO does once an image is chosen.
    void LoadImage(const QString& image);
    // With no image open, a dropped image is opened; with one, dropped files
    // and folders are added to the folder shown.
    bool CanTakeDrop(const QStringList& paths) const override;
    void TakeDrop(const QStringList& paths) override;
    // Changes not saved yet: the user saves (the program closes once the
    // save has succeeded), discards them or stays.
    bool MayClose(const std::function<void()>& closeLater) override;
    // While the extraction runs, the task waits; afterwards it goes, after
    // every task that waited, to the copy worker.
    void QueueOrDefer(const Task& task);

    // For tests.
    QTreeWidget* Tree() const { return m_tree; }
    QTableWidget* Table() const { return m_list; }
    CLineEdit* SearchBox() const { return m_search; }
    SearchHits* Hits() const { return m_hits; }
    QMenu* ContextMenu() const { return m_menu; }
    CProgressDialog* Progress() const { return m_progress; }
    IsoEntry* CurrentFolder() const { return m_currentFolder; }
    const IsoContentTree& Content() const { return m_session->content(); }
    EditSession* Session() const { return m_session; }
    QList<IsoEntry*> Rows() const { return m_rows; }
    QString WorkingFolder() const { return m_session->workingFolder(); }
    QString ImagePath() const { return m_session->imagePath(); }
    bool IsListing() const;
    bool IsExtracting() const;
    int DeferredCount() const { return m_session->deferredCount(); }
    CFileCopy* Copier() const { return m_session->copier(); }
    Job* Running() const;

signals:
    void sigListingEnded(bool complete);
    void sigExtractionEnded(bool succeeded);
    // A save or an export past its dialogs has ended (after its message).
    void sigSaveEnded(bool succeeded);
    void sigExportEnded(bool succeeded);

public slots:
    void OnLoadISO();
    void OnAdd();
    void OnExport();
    void OnRename();
    void OnDelete();
    void OnNew();
    void OnSave();
    void StopCreate();
    void slotSelectAll(bool bChecked);
    void OnSearch();
    void OnUnzipFinished();
    void OnLineOutput(QString line);
    void OnExtractFinished(bool succeeded);
    void OnCreateFinished();
    void OnTreeCurrentChanged();
    void OnListViewDoubleClicked();
    void OnListViewClicked(QTableWidgetItem* pItem);
    void RefreshTreeWidget();
    void OnListContextMenuRequest(QPoint pos);
    void updateUI();

protected:
    void changeEvent(QEvent* qe) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Loaded { Empty, Listing, Ready };

    void createWidgets();
    void applyLook();
    void setButtonsEnabled(bool enabled);
    void restoreCursor();
    void openParentFolder();
    void addPaths(const QStringList& paths);
    void onListingEnded(bool complete, const QString& reason);
    void clearViews();
    void abandonImage(const QString& message);
    QList<IsoEntry*> checkedEntries() const;
    // A name the user typed for an item of the current folder; empty after a
    // message when it cannot be used (`self` is the entry being renamed).
    QString acceptableName(const QString& name, const IsoEntry* self);
    void showHits();
    void onHitChosen(IsoEntry* entry);
    // False after the user cancelled; `existing` says what happens to the
    // user's files of the same names.
    bool askAboutExisting(const QList<IsoEntry*>& entries, const QString& folder, Existing& existing);
    // True when the save has started (after its questions).
    bool startSave();
    // Before the image's changes would go: true when they may; Save starts
    // a save that runs `then` once it has succeeded.
    bool mayLeave(const std::function<void()>& then);
    void startRun(JobSequence* run, bool save);
    void onRunFinished(int status, const QString& reason);

    // Widgets
    CImageButton* m_loadIso = nullptr;
    CImageButton* m_add = nullptr;
    CImageButton* m_export = nullptr;
    CImageButton* m_rename = nullptr;
    CImageButton* m_delete = nullptr;
    CImageButton* m_new = nullptr;
    CImageButton* m_back = nullptr;
    CImageButton* m_save = nullptr;
    CLineEdit* m_search = nullptr;
    SearchHits* m_hits = nullptr;
    QTreeWidget* m_tree = nullptr;
    QTableWidget* m_list = nullptr;
    SCheckBoxHeaderView* m_header = nullptr;
    QMenu* m_menu = nullptr;
    CProgressDialog* m_progress = nullptr;
    JobProgress* m_binding = nullptr;
    bool m_initialized = false;
    bool m_busyCursor = false;

    // The opened image
    EditSession* m_session = nullptr;
    Loaded m_loaded = Loaded::Empty;
    IsoEntry* m_currentFolder = nullptr;
    QList<IsoEntry*> m_rows; // entry of each table row

    // Save or export under way
    QPointer<JobSequence> m_run;
    bool m_runIsSave = false;
    QString m_outputPath;
    QString m_exportFolder;
    std::function<void()> m_afterSave; // what the save was started for
};
