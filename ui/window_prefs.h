#pragma once
// The window's own preferences, kept in the settings file in a section of their own beside
// the game's sections, whose keys they never touch. Each is read once at start-up and written
// through when it changes, like the game's settings.
#include <cstdint>

#include "settings/store.h"

namespace trelvist::ui {

inline constexpr char kWindowSection[] = "Window";
inline constexpr char kZoomKey[] = "zoom";             // percent of the table's own size
inline constexpr char kFullScreenKey[] = "fullscreen";

inline constexpr int kMinZoom = 50;
inline constexpr int kMaxZoom = 300;

struct WindowPrefs {
    int zoom = 100;  // kMinZoom..kMaxZoom
    bool fullScreen = false;
};

// What the file holds; a missing key, or a zoom that is not a number, reads as the default,
// and a zoom out of range as the nearest one allowed.
WindowPrefs readWindowPrefs(SettingsStore& store);

// Both throw SettingsWriteError when the file refuses the write.
void writeZoom(SettingsStore& store, int zoom);
void writeFullScreen(SettingsStore& store, bool fullScreen);

}  // namespace trelvist::ui
