#include "ui/compositor.h"

#include <QGuiApplication>
#include <QX11Info>

namespace Platform {

bool desktopComposites()
{
    // Wayland always composites; other platforms (offscreen) draw into images.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    return QX11Info::isCompositingManagerRunning();
}

} // namespace Platform
