#pragma once
// Whether the window has anywhere to appear, checked before Qt would abort without a display.

namespace trelvist::app {

// True when a Qt platform is chosen explicitly or an X11 or Wayland display is named.
bool displayAvailable();

}  // namespace trelvist::app
