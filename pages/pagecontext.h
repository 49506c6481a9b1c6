#pragma once

#include "burn/drivediscovery.h"
#include "core/tools.h"
#include "platform/drivechange.h"
#include "ui/imagedialog.h"
#include "ui/pagedialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <functional>

// What a window works with besides its widgets: where it asks and tells the
// user things, the programs its jobs run and where it finds the drives. The
// main window hands its own to every page it opens; a test makes one with
// scripted dialogs, stand-in programs and a fake system.
struct PageContext {
    // Not explicit: `{&dialogs}` makes a context with everything else real.
    PageContext(PageDialogs* dialogs = &PageDialogs::Real())
        : dialogs(dialogs)
    {
    }

    PageDialogs* dialogs;
    ToolSet tools = ToolSet::Installed();
    DriveAccess drives;
    // Volume arrivals and removals, when the window that opened the page
    // watches for them; lists of drives refresh on it.
    QPointer<DriveChangeSignal> driveChanges;
    // What closing the main window ends with, once the tool children are
    // gone: the process, at once. A test records the code instead.
    std::function<void(int)> exit = [](int code) {
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(code);
    };
};

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;

// A window of the program that runs jobs: a page or the main window.
class PageWindow : public ImageDialog {
public:
    explicit PageWindow(QWidget* parent = nullptr, const PageContext& context = PageContext())
        : ImageDialog(parent)
        , m_context(context)
    {
    }

    const PageContext& Context() const { return m_context; }
    PageDialogs& Dialogs() const { return *m_context.dialogs; }

    // True when nothing is at `path`, or the user agrees to replace what is
    // (a symbolic link counts: the link is replaced, not what it points to).
    bool ConfirmReplace(const QString& path)
    {
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return true;
        return Dialogs().AskQuestion(QStringLiteral(":/vud/commdialogbg"),
                   QCoreApplication::translate("PageWindow", "%1 already exists. Do you want to replace it?")
                       .arg(QDir::toNativeSeparators(path)),
                   this)
            == 1;
    }
    // Files dropped from a file manager: whether the window takes them now,
    // and taking them. Windows that take drops call setAcceptDrops(true).
    virtual bool CanTakeDrop(const QStringList& paths) const
    {
        Q_UNUSED(paths);
        return false;
    }
    virtual void TakeDrop(const QStringList& paths) { Q_UNUSED(paths); }
    // Asked before the program closes: true when it may close now. False
    // keeps it open: the user stayed, or the window started work (a save)
    // that calls `closeLater` once it has succeeded.
    virtual bool MayClose(const std::function<void()>& closeLater)
    {
        Q_UNUSED(closeLater);
        return true;
    }
    // The local files of a drag, or none when it carries anything else.
    static QStringList DroppedPaths(const QMimeData* data);
    static bool IsImageFile(const QString& path);

protected:
    PageContext& MutableContext() { return m_context; }
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    PageContext m_context;
};
