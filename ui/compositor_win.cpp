#include "ui/compositor.h"

namespace Platform {

bool desktopComposites()
{
    return true; // the desktop window manager always composites since Windows 8
}

} // namespace Platform
