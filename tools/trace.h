#pragma once
// The state and view parts of a trace line, with the field names the trace format fixes.
#include <nlohmann/json.hpp>

#include "game/table.h"

namespace trelvist::tools {

// The strength is the odds routine's, the last estimate on which the next builds.
nlohmann::ordered_json stateJson(const TableState& state, const OddsRoutine& odds);
nlohmann::ordered_json viewJson(const TableView& view);

}  // namespace trelvist::tools
