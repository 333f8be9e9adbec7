// How the program's own work grows with the number of maps a mod holds: choosing the mod
// (listing read, both map lists filled) and saving a full map cycle for dod.
#include <benchmark/benchmark.h>

#include "support/game_folder.h"

namespace {

std::vector<std::string> mapNames(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back("dod_map" + std::to_string(i));
  return names;
}

void ChooseModWithManyMaps(benchmark::State& state) {
  FakePlatform system;
  buildGameFolder(system, {{"dod", "Day of Defeat", mapNames(static_cast<int>(state.range(0)))}});
  Zarn zarn(system);
  zarn.Form_Load();
  for (auto _ : state) zarn.cmbModList.operatorPick(0);
  state.SetComplexityN(state.range(0));
}
BENCHMARK(ChooseModWithManyMaps)->RangeMultiplier(4)->Range(256, 16384)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
