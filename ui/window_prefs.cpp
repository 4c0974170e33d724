#include "ui/window_prefs.h"

namespace trelvist::ui {

namespace {
constexpr const char* kSpeedKey = "speed";
}  // namespace

PlaybackSpeed readPlaybackSpeed(SettingsStore& settings) {
    const int32_t stored = settings.readInt(kWindowSection, kSpeedKey, 0);
    return stored == 1 ? PlaybackSpeed::Fast : stored == 2 ? PlaybackSpeed::Instant : PlaybackSpeed::Normal;
}

void writePlaybackSpeed(SettingsStore& settings, PlaybackSpeed speed) {
    settings.writeInt(kWindowSection, kSpeedKey, static_cast<int32_t>(speed));
}

}  // namespace trelvist::ui
