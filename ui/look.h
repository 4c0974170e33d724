#pragma once
// The look every window of the game shares: one widget style on every desktop, so the buttons
// show the face colours the game gives them, grown with the zoom and with a focus ring that
// shows anywhere, and the stand-in fonts.

namespace trelvist::ui {

// Call once, after the application object exists and before any window is built.
void applyGameLook();

}  // namespace trelvist::ui
