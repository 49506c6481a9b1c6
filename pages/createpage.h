#pragma once

#include "image/createimagejob.h"
#include "image/isocontent.h"
#include "pages/pagecontext.h"

#include <QModelIndex>
#include <QPoint>
#include <QPointer>
#include <QStringList>

class CFileCopy;
class CImageButton;
class CMyTreeWidget;
class CProgressDialog;
class CreateImageJob;
class JobProgress;
class QLabel;
class QMenu;
class QProgressBar;
class QRadioButton;
class QTreeWidgetItem;
class QWidget;
class StagedContent;

// The create page: the user gathers files and folders, which are copied at
// once into the page's own staging folder (StagedContent), and builds an ISO
// image of one of three kinds from that folder (CreateImageJob).
class CPage3 : public PageWindow {
    Q_OBJECT
public:
    explicit CPage3(QWidget* parent = nullptr, const PageContext& context = PageContext());
    ~CPage3() override;

    // Adds files and folders into the selected folder, as Add Files and Add
    // Folder do after their dialogs.
    void AddPaths(const QStringList& files, const QStringList& folders);
    // Files and folders dropped on the page are added, while no image is made.
    bool CanTakeDrop(const QStringList& paths) const override;
    void TakeDrop(const QStringList& paths) override;

    // The usage bar is full at this total.
    static constexpr qint64 MaxImageBytes = Q_INT64_C(5) * 1024 * 1024 * 1024;
    // Column 0 roles: Qt::UserRole holds 1 on folder rows; NameRole the
    // entry's full path inside the image.
    static constexpr int NameRole = Qt::UserRole + 1;

    enum class State { Idle, Staging, Building };

    // For tests.
    CMyTreeWidget* List() const { return m_list; }
    const IsoContentTree& Content() const;
    CProgressDialog* Progress() const { return m_progress; }
    CFileCopy* Copier() const;
    QProgressBar* UsageBar() const { return m_usage; }
    QMenu* ContextMenu() const { return m_menu; }
    QString StagingFolder() const;
    State CurrentState() const;
    int BuildsStarted() const { return m_buildsStarted; }
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
    struct Target {
        QString prefix; // "Docs\\Photos\\", or empty for the root
        QTreeWidgetItem* row = nullptr; // null for the root
    };

    void createWidgets();
    void setupList();
    void retranslate();
    void buildMenu();
    // Asks for items and adds them into the selected folder.
    void addItems(bool folders);
    bool ready();
    Target SelectedTarget() const;
    void UpdateTotalSize();
    QTreeWidgetItem* makeRow(const IsoEntry& entry) const;
    bool confirmLargeFiles(bool& allowLargeFiles);
    QString chooseOutput();

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
    JobProgress* m_binding = nullptr;

    StagedContent* m_staged = nullptr;
    QPointer<CreateImageJob> m_job;
    int m_buildsStarted = 0;
};
