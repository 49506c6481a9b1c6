#pragma once

#include "image/extractjob.h"
#include "image/imagelisting.h"
#include "image/isocontent.h"
#include "pages/pagecontext.h"

#include <QList>
#include <QPointer>
#include <QSet>
#include <QStringList>

class CImageButton;
class CProgressDialog;
class JobProgress;
class QAction;
class QLabel;
class QMenu;
class QTableWidget;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;
class SCheckBoxHeaderView;

// The extract page: load an ISO image through 7-Zip's listing, browse its
// folders, tick items in any of them and extract them into a folder of the
// user's choice, with progress, Stop and an open-folder result. Ticks stay
// with their items while the image stays loaded.
class CPage2 : public PageWindow {
    Q_OBJECT
public:
    explicit CPage2(QWidget* parent = nullptr, const PageContext& context = PageContext());
    ~CPage2() override;

    // Called by the main window once the page is embedded in it.
    virtual void InitializeUI();
    // Rebuilds the table from the current folder.
    virtual void FillFileTable();
    virtual void BuildFolderTree(IsoEntry* folder, QTreeWidgetItem* parentItem);

    // Starts the listing of an image (what OnLoadISO does after its dialog).
    void LoadImage(const QString& image);
    // One image dropped on the page is loaded, while nothing runs.
    bool CanTakeDrop(const QStringList& paths) const override;
    void TakeDrop(const QStringList& paths) override;

    // For tests and the main window.
    QTreeWidget* Tree() const { return m_tree; }
    QTableWidget* Table() const { return m_list; }
    QMenu* ContextMenu() const { return m_menu; }
    CProgressDialog* Progress() const { return m_progress; }
    IsoEntry* CurrentFolder() const { return m_currentFolder; }
    const IsoContentTree& Content() const { return m_content; }
    bool IsListing() const { return m_listJob && m_listJob->isRunning(); }
    ExtractJob* Job() const { return m_job; }
    QString ImagePath() const { return m_imagePath; }
    QString OutputFolder() const { return m_outputFolder; }
    // What Extract would take now: the ticked items wherever they are (an item
    // inside a ticked folder comes with it), or else the selected rows.
    QList<const IsoEntry*> ChosenItems() const;

signals:
    // The listing run has ended, complete or not (after any message).
    void sigListingEnded(bool complete);
    // An extraction has ended by itself (after its message); not after Stop.
    void sigExtractionEnded(bool succeeded);

public slots:
    void OnLoadISO();
    void OnBack();
    void OnExtract();
    void OnStopExtract();
    void OnUnzipFinished();
    void OnLineOutput(QString line);
    void OnTreeCurrentChanged();
    void OnListViewDoubleClicked();
    void OnListContextMenuRequest(QPoint pos);
    // One output piece of the extraction run (the job parses the live run).
    void OnExtractOutput(QString line);
    void OnExtractFinished();
    void RefreshTreeWidget();
    void OnListViewClicked(QTableWidgetItem* pItem);
    void slotSelectAll(bool bChecked);
    void updateUI();

protected:
    void changeEvent(QEvent* qe) override;

private:
    void createWidgets();
    void applyLook();
    void setButtonsEnabled(bool enabled);
    void restoreCursor();
    void onListingEnded();
    void onItemChanged(QTableWidgetItem* item);
    void openParentFolder();
    void updateHeaderState();
    // Asks about files the extraction would replace; false when cancelled.
    bool askAboutExisting(const QList<const IsoEntry*>& items, const QString& folder, Existing& existing);

    // Widgets
    CImageButton* m_loadIso = nullptr;
    CImageButton* m_back = nullptr;
    CImageButton* m_extract = nullptr;
    QTreeWidget* m_tree = nullptr;
    QTableWidget* m_list = nullptr;
    SCheckBoxHeaderView* m_header = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_descript = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_extractAction = nullptr;
    CProgressDialog* m_progress = nullptr;
    JobProgress* m_binding = nullptr;
    bool m_initialized = false;

    // Content
    IsoContentTree m_content;
    ListingReader m_reader {m_content};
    IsoEntry* m_currentFolder = nullptr;
    QList<IsoEntry*> m_rows; // entry of each table row
    QSet<const IsoEntry*> m_ticked;
    bool m_filling = false; // check boxes set by the page, not the user
    QPointer<ImageListingJob> m_listJob;
    SharedRockRidgeTree m_rockRidge; // of the loaded image, when it has links or zisofs files
    bool m_busyCursor = false;

    // Extraction
    QString m_imagePath;
    QString m_outputFolder;
    QPointer<ExtractJob> m_job;
};
