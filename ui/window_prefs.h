#pragma once
// The window's own preferences, kept in a section of the settings file that the game never
// reads or writes: the odds meter, the playback speed, the zoom, full screen and the seats'
// statistics on the table.
#include "settings/store.h"
#include "ui/playback.h"

namespace trelvist::ui {

inline constexpr char kWindowSection[] = "Window";

inline constexpr int kMinZoom = 50;   // percent of the table's own size
inline constexpr int kMaxZoom = 300;

class WindowPrefs {
public:
    explicit WindowPrefs(SettingsStore& store) : store_(store) {}

    // Each setter throws SettingsWriteError, leaving the file as it was, when the write is
    // refused.
    bool oddsMeter() const;  // off unless the file says otherwise
    void setOddsMeter(bool on);
    PlaybackSpeed playbackSpeed() const;  // Normal unless the file says otherwise
    void setPlaybackSpeed(PlaybackSpeed speed);
    int zoom() const;  // 100 unless the file says otherwise; out of range, the nearest allowed
    void setZoom(int zoom);
    bool fullScreen() const;  // off unless the file says otherwise
    void setFullScreen(bool on);
    bool seatStatistics() const;  // off unless the file says otherwise
    void setSeatStatistics(bool on);
    bool showStyles() const;  // off unless the file says otherwise
    void setShowStyles(bool on);

private:
    void write(const char* key, int32_t value);

    SettingsStore& store_;
};

}  // namespace trelvist::ui
