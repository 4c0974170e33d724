#pragma once
// The state and display parts of a trace line, with the field names the trace format fixes.
#include <nlohmann/json.hpp>

#include "game/display.h"
#include "game/table.h"

namespace trelvist::tools {

nlohmann::ordered_json stateJson(const TableState& state);
nlohmann::ordered_json displayJson(const Display& display);

}  // namespace trelvist::tools
