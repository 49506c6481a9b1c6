#pragma once

namespace Platform {

// Whether the desktop blends translucent windows with what lies behind them.
// Without a compositor the transparent pixels of a window show black.
bool desktopComposites();

} // namespace Platform
