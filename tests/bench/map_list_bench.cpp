// How the program's own work on choosing a mod grows with the number of maps it holds:
// the set-up, the filtering of the map listing and the filling of both map lists. The
// listing itself is the platform's and is served from memory here, so that the fake's
// disk work does not drown the program's.
#include <benchmark/benchmark.h>

#include "support/game_folder.h"

namespace {

// The fake, with a map listing of `count` names held in memory.
class ManyMaps : public FakePlatform {
 public:
  explicit ManyMaps(int count) {
    for (int i = 0; i < count; ++i) maps_.names.push_back("dod_map" + std::to_string(i) + ".bsp");
  }
  platform::FolderListing listFolder(const std::string& path, platform::Entries entries) override {
    return entries == platform::Entries::Shown ? maps_ : FakePlatform::listFolder(path, entries);
  }

 private:
  platform::FolderListing maps_;
};

void ChooseModWithManyMaps(benchmark::State& state) {
  ManyMaps system(static_cast<int>(state.range(0)));
  buildGameFolder(system, {{"dod", "Day of Defeat", {}}});
  Zarn zarn(system);
  zarn.Form_Load();
  for (auto _ : state) zarn.cmbModList.operatorPick(0);
  if (zarn.lstMapList.listCount() != state.range(0)) state.SkipWithError("not every map was listed");
  state.SetComplexityN(state.range(0));
}
BENCHMARK(ChooseModWithManyMaps)->RangeMultiplier(4)->Range(256, 16384)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
