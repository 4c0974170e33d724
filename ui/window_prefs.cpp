#include "ui/window_prefs.h"

#include <algorithm>

namespace trelvist::ui {

namespace {
constexpr const char* kSpeedKey = "speed";
constexpr const char* kZoomKey = "zoom";
constexpr const char* kFullScreenKey = "fullscreen";
}  // namespace

PlaybackSpeed readPlaybackSpeed(SettingsStore& settings) {
    const int32_t stored = settings.readInt(kWindowSection, kSpeedKey, 0);
    return stored == 1 ? PlaybackSpeed::Fast : stored == 2 ? PlaybackSpeed::Instant : PlaybackSpeed::Normal;
}

int readZoom(SettingsStore& settings) {
    return std::clamp<int32_t>(settings.readInt(kWindowSection, kZoomKey, 100), kMinZoom, kMaxZoom);
}

bool readFullScreen(SettingsStore& settings) { return settings.readBool(kWindowSection, kFullScreenKey, false); }

void writePlaybackSpeed(SettingsStore& settings, PlaybackSpeed speed) {
    settings.writeInt(kWindowSection, kSpeedKey, static_cast<int32_t>(speed));
}

void writeZoom(SettingsStore& settings, int zoom) { settings.writeInt(kWindowSection, kZoomKey, zoom); }

void writeFullScreen(SettingsStore& settings, bool fullScreen) {
    settings.writeBool(kWindowSection, kFullScreenKey, fullScreen);
}

}  // namespace trelvist::ui
