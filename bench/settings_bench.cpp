// The settings file's cost on a real disk: a deal's eleven writes, each made and flushed beside
// the file, and the commit that puts the last one in place.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "settings/game_keys.h"
#include "settings/ini_file.h"

namespace trelvist {
namespace {

void BM_DealWritesAndCommit(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "trelvist-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) return state.SkipWithError("no temporary folder");
    IniFile file(folder + "/trelvist.ini");
    int32_t cash = 1200;
    for (auto _ : state) {
        ++cash;
        file.writeInt(kStatsSection, kShowdownsKey, 1);
        file.writeInt(kStatsSection, kHandsPlayedKey, 2);
        file.writeInt(kStatsSection, kHandsWonKey, 1);
        for (const int seat : kCashKeyOrder) file.writeInt(kCashSection, cashKey(seat), cash);
        file.commit();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DealWritesAndCommit)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelvist
