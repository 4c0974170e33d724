#pragma once
// The window's own preferences, kept in a section of the settings file of their own so that
// the game's keys are never touched: the playback speed, the zoom and full screen. Each is
// read at start-up and written through when it changes, like the game's settings.
#include "settings/store.h"
#include "ui/playback.h"

namespace trelvist::ui {

constexpr const char* kWindowSection = "Window";

constexpr int kMinZoom = 50;   // percent of the table's own size
constexpr int kMaxZoom = 300;

PlaybackSpeed readPlaybackSpeed(SettingsStore& settings);
// A missing zoom reads as 100, one out of range as the nearest allowed.
int readZoom(SettingsStore& settings);
bool readFullScreen(SettingsStore& settings);

// Each throws SettingsWriteError when the file refuses the write.
void writePlaybackSpeed(SettingsStore& settings, PlaybackSpeed speed);
void writeZoom(SettingsStore& settings, int zoom);
void writeFullScreen(SettingsStore& settings, bool fullScreen);

}  // namespace trelvist::ui
