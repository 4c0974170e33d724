#include "tools/recording_host.h"

#include "tools/paint_steps.h"

namespace trelvist::tools {

using nlohmann::ordered_json;

// The trace lists the felt, wiped areas and cards drawn; corner trims only tidy the pixels of
// a card already drawn, and are left out.
void RecordingHost::tableChanged(const TableView& view, const TableChange& change) {
    for (const PaintStep& step : paintSteps(view, change)) {
        switch (step.kind) {
        case PaintStep::Kind::Felt: log_.add("felt", true); break;
        case PaintStep::Kind::Erase:
            log_.add("erase", ordered_json::array({step.area.left, step.area.top, step.area.right, step.area.bottom}));
            break;
        case PaintStep::Kind::Draw: log_.add("draw", ordered_json::array({step.picture, step.at.x, step.at.y})); break;
        case PaintStep::Kind::Trim: break;
        }
    }
}

void RecordingHost::playSound(const std::string& file) { log_.add("sound", file); }

void RecordingHost::showMessage(const std::string& caption, const std::string& text) {
    log_.add("message", ordered_json{{"caption", caption}, {"text", text}});
}

bool RecordingHost::askYesNo(const std::string& caption, const std::string& text) {
    log_.add("ask", ordered_json{{"caption", caption}, {"text", text}, {"answer", answer_ ? "yes" : "no"}});
    return answer_;
}

void RecordingHost::reportError(const std::string& text) { log_.add("error", text); }

}  // namespace trelvist::tools
