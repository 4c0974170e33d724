#include "ui/window_prefs.h"

namespace trelvist::ui {

namespace {
constexpr char kOddsMeterKey[] = "oddsMeter";
constexpr char kSpeedKey[] = "speed";  // 0 Normal, 1 Fast, 2 Instant
}  // namespace

bool WindowPrefs::oddsMeter() const { return store_.readBool(kWindowSection, kOddsMeterKey, false); }

void WindowPrefs::setOddsMeter(bool on) {
    store_.writeBool(kWindowSection, kOddsMeterKey, on);
    store_.commit();
}

PlaybackSpeed WindowPrefs::playbackSpeed() const {
    const int32_t stored = store_.readInt(kWindowSection, kSpeedKey, 0);
    return stored == 1 ? PlaybackSpeed::Fast : stored == 2 ? PlaybackSpeed::Instant : PlaybackSpeed::Normal;
}

void WindowPrefs::setPlaybackSpeed(PlaybackSpeed speed) {
    store_.writeInt(kWindowSection, kSpeedKey, static_cast<int32_t>(speed));
    store_.commit();
}

}  // namespace trelvist::ui
