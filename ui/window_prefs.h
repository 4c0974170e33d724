#pragma once
// The window's own preferences, kept in a section of the settings file that the game never
// reads or writes.
#include "settings/store.h"
#include "ui/playback.h"

namespace trelvist::ui {

inline constexpr char kWindowSection[] = "Window";

class WindowPrefs {
public:
    explicit WindowPrefs(SettingsStore& store) : store_(store) {}

    // Each setter throws SettingsWriteError, leaving the file as it was, when the write is
    // refused.
    bool oddsMeter() const;  // off unless the file says otherwise
    void setOddsMeter(bool on);
    PlaybackSpeed playbackSpeed() const;  // Normal unless the file says otherwise
    void setPlaybackSpeed(PlaybackSpeed speed);

private:
    SettingsStore& store_;
};

}  // namespace trelvist::ui
