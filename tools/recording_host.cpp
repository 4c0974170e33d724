#include "tools/recording_host.h"

namespace trelvist::tools {

using nlohmann::ordered_json;

void RecordingHost::paintBackground() { log_.add("felt", true); }

void RecordingHost::eraseArea(Rect area) {
    log_.add("erase", ordered_json::array({area.left, area.top, area.right, area.bottom}));
}

void RecordingHost::drawCard(int picture, int x, int y) {
    log_.add("draw", ordered_json::array({picture, x, y}));
}

// The trace leaves corner trims out: they only tidy the pixels of a card already drawn.
void RecordingHost::trimCorners(int, int, bool) {}

void RecordingHost::playSound(const std::string& file) { log_.add("sound", file); }

void RecordingHost::showMessage(const std::string& caption, const std::string& text) {
    log_.add("message", ordered_json{{"caption", caption}, {"text", text}});
}

bool RecordingHost::askYesNo(const std::string& caption, const std::string& text) {
    log_.add("ask", ordered_json{{"caption", caption}, {"text", text}, {"answer", answer_ ? "yes" : "no"}});
    return answer_;
}

void RecordingHost::reportError(const std::string& text) { log_.add("error", text); }

void RecordingHost::showWindow(ModalWindow window) {
    const char* name = window == ModalWindow::Odds ? "odds" : window == ModalWindow::Stats ? "stats" : "rules";
    log_.add("window", name);
    if (windowAction_) windowAction_();
}

}  // namespace trelvist::tools
