#include "ui/window_prefs.h"

#include <algorithm>

namespace trelvist::ui {

WindowPrefs readWindowPrefs(SettingsStore& store) {
    const WindowPrefs absent;
    WindowPrefs prefs;
    prefs.zoom = std::clamp<int32_t>(store.readInt(kWindowSection, kZoomKey, absent.zoom), kMinZoom, kMaxZoom);
    prefs.fullScreen = store.readBool(kWindowSection, kFullScreenKey, absent.fullScreen);
    return prefs;
}

void writeZoom(SettingsStore& store, int zoom) { store.writeInt(kWindowSection, kZoomKey, zoom); }

void writeFullScreen(SettingsStore& store, bool fullScreen) {
    store.writeBool(kWindowSection, kFullScreenKey, fullScreen);
}

}  // namespace trelvist::ui
