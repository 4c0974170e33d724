#pragma once
// The window's own preferences, kept in a section of the settings file of their own so that
// the game's keys are never touched.
#include "settings/store.h"
#include "ui/playback.h"

namespace trelvist::ui {

constexpr const char* kWindowSection = "Window";

PlaybackSpeed readPlaybackSpeed(SettingsStore& settings);
// Throws SettingsWriteError when the file refuses the write.
void writePlaybackSpeed(SettingsStore& settings, PlaybackSpeed speed);

}  // namespace trelvist::ui
