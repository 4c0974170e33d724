#include "ui/window_prefs.h"

#include <algorithm>

namespace trelvist::ui {

namespace {
constexpr char kOddsMeterKey[] = "oddsMeter";
constexpr char kSpeedKey[] = "speed";  // 0 Normal, 1 Fast, 2 Instant
constexpr char kZoomKey[] = "zoom";    // percent
constexpr char kFullScreenKey[] = "fullscreen";
constexpr char kSeatStatisticsKey[] = "hud";
constexpr char kShowStylesKey[] = "styles";
}  // namespace

bool WindowPrefs::oddsMeter() const { return store_.readBool(kWindowSection, kOddsMeterKey, false); }

// Each preference reaches the file on its own, as a press of the game does; a refused one is
// forgotten. One changed while a press waits in a box (the frame resized) joins the press's
// writes instead, so as not to put half of the press in the file.
void WindowPrefs::write(const char* key, int32_t value) {
    if (store_.groupOpen()) return store_.writeInt(kWindowSection, key, value);
    try {
        store_.writeInt(kWindowSection, key, value);
        store_.commit();
    } catch (const SettingsWriteError&) {
        store_.discard();
        throw;
    }
}

void WindowPrefs::setOddsMeter(bool on) { write(kOddsMeterKey, on ? 1 : 0); }

PlaybackSpeed WindowPrefs::playbackSpeed() const {
    const int32_t stored = store_.readInt(kWindowSection, kSpeedKey, 0);
    return stored == 1 ? PlaybackSpeed::Fast : stored == 2 ? PlaybackSpeed::Instant : PlaybackSpeed::Normal;
}

void WindowPrefs::setPlaybackSpeed(PlaybackSpeed speed) { write(kSpeedKey, static_cast<int32_t>(speed)); }

int WindowPrefs::zoom() const {
    return std::clamp<int32_t>(store_.readInt(kWindowSection, kZoomKey, 100), kMinZoom, kMaxZoom);
}

void WindowPrefs::setZoom(int zoom) { write(kZoomKey, zoom); }

bool WindowPrefs::fullScreen() const { return store_.readBool(kWindowSection, kFullScreenKey, false); }

void WindowPrefs::setFullScreen(bool on) { write(kFullScreenKey, on ? 1 : 0); }

bool WindowPrefs::seatStatistics() const { return store_.readBool(kWindowSection, kSeatStatisticsKey, false); }

void WindowPrefs::setSeatStatistics(bool on) { write(kSeatStatisticsKey, on ? 1 : 0); }

bool WindowPrefs::showStyles() const { return store_.readBool(kWindowSection, kShowStylesKey, false); }

void WindowPrefs::setShowStyles(bool on) { write(kShowStylesKey, on ? 1 : 0); }

}  // namespace trelvist::ui
