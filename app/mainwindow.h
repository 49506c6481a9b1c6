#pragma once

#include "pages/pagecontext.h"

#include <QPointer>

class CDriveMonitor;
class CImageButton;
class ImageDialog;
class QAction;
class QMenu;
class QTranslator;

// The program's only top-level window: home page with the five jobs, the
// title-bar buttons and the popup menu. Each job button opens a fresh page
// laid over the home area; the page's Back button uncovers the home page.
class MainWindow : public PageWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr, const PageContext& context = PageContext());
    ~MainWindow() override;

    // Opens the Extract page with that image loaded (the program's argument).
    void OpenImage(const QString& image);
    // What the command line asks for at start: a page ("burn", "extract",
    // "create", "edit", "copy-disc"; empty for the home page) and an image
    // to open on it (Extract when no page is named).
    void OpenStartPage(const QString& page, const QString& image);

    // The page most recently opened (for tests and the drive listeners).
    ImageDialog* CurrentPage() const { return m_currentPage; }
    // The popup menu of the last onMenu(), or null.
    QMenu* PopupMenu() const;
    // The language translator of the menu.
    QTranslator* LanguageTranslator() const { return m_translator; }
    // What each language slot does with its file (relative to the
    // application directory); a file that cannot be loaded leaves the
    // start-up language everywhere.
    void LoadLanguage(const QString& file);
    // The language last chosen in the menu, if any (kept in the settings).
    void RestoreLanguage();
    static constexpr const char* LanguageKey = "ui/language";

    // An image dropped on the home page opens on the Extract page.
    bool CanTakeDrop(const QStringList& paths) const override;
    void TakeDrop(const QStringList& paths) override;

signals:
    void sigdrivechange();

public slots:
    void onClose();
    void onMin();
    void onMenu();
    void onBurn();
    void onExtract();
    void onCreate();
    void onEdit();
    void onCopy();
    void onHelp();
    void aboutus();
    void onEnglish();
    void onChinese();
    void onJapanese();
    void onFrench();
    void onGerman();
    void onSpanish();
    void onPortuguese();
    void onPolish();
    void onItalian();
    void onRussian();
    void onNetherlands();
    void onSwitzerland();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;
#endif

private:
    void setupHomePage();
    // Asks while a job runs; false when the user keeps the program open.
    bool closeProgram();
    void translateActions();
    void openPage(ImageDialog* page, bool initialize, int x);

    CImageButton* m_menu = nullptr;
    CImageButton* m_min = nullptr;
    CImageButton* m_close = nullptr;
    CImageButton* m_burn = nullptr;
    CImageButton* m_extract = nullptr;
    CImageButton* m_create = nullptr;
    CImageButton* m_edit = nullptr;
    CImageButton* m_copy = nullptr;
    CImageButton* m_help = nullptr;
    QTranslator* m_translator = nullptr;
    QAction* m_helpAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_exitAction = nullptr;
    ImageDialog* m_currentPage = nullptr;
    CDriveMonitor* m_driveMonitor = nullptr;
    // One popup menu at a time.
    QPointer<QMenu> m_popupMenu;
};
