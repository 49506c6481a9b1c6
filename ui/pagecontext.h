#pragma once

#include "burn/drivediscovery.h"
#include "runner/tools.h"
#include "ui/pagedialogs.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

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
    // What closing the main window ends with, once the tool children are
    // gone: the process, at once. A test records the code instead.
    std::function<void(int)> exit = [](int code) {
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(code);
    };
};
