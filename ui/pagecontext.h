#pragma once

#include "burn/drivediscovery.h"
#include "runner/tools.h"
#include "ui/pagedialogs.h"

// What a window works with besides its widgets: where it asks and tells the
// user things, the programs its jobs run and where it finds the drives. The
// main window hands its own to every page it opens; a test makes one with
// scripted dialogs, stand-in programs and a fake system.
struct PageContext
{
    // Not explicit: `{&dialogs}` makes a context with everything else real.
    PageContext(PageDialogs* dialogs = &PageDialogs::Real()) : dialogs(dialogs) {}

    PageDialogs* dialogs;
    ToolSet tools = ToolSet::Installed();
    DriveAccess drives;
};
