// A stand-in for ripent.exe: given "-export <map>.bsp", it writes the entity lump of our own
// minimal map files (support/bsp_file.h) as text into <map>.ent beside the map. Marker files
// beside the stand-in change what it does: "ripent-slow" pauses for three seconds and
// "ripent-stalls" as long as that marker is there (two minutes at most), each time just
// before the value of the Allies' country (or halfway), so that a reader who takes the
// export early reads the key without its value; "ripent-writes-nothing" exits without an
// export.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "support/bsp_file.h"

namespace {

constexpr DWORD kSlowMilliseconds = 3000;
constexpr DWORD kStallStepMilliseconds = 100;
constexpr int kMostStallSteps = 1200;
constexpr char kCountryKey[] = "\"detect_allies_country\" \"";

bool markerExists(const std::string& name) {
  char program[MAX_PATH] = {};
  const std::string path(program, GetModuleFileNameA(nullptr, program, MAX_PATH));
  return GetFileAttributesA((path.substr(0, path.find_last_of('\\') + 1) + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::string(argv[1]) != "-export") {
    std::fprintf(stderr, "usage: ripent.exe -export <map>.bsp\n");
    return 2;
  }
  const std::string bsp = argv[2];
  std::ifstream in(bsp, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::optional<std::string> lump = entityLumpOf(bytes);
  if (!lump || markerExists("ripent-writes-nothing")) {
    std::printf("%s: no entities exported\n", bsp.c_str());
    return 1;
  }
  const std::string& entities = *lump;

  const std::size_t key = entities.find(kCountryKey);
  const std::size_t pause = key == std::string::npos ? entities.size() / 2 : key + sizeof kCountryKey - 1;
  std::ofstream out(bsp.substr(0, bsp.find_last_of('.')) + ".ent", std::ios::binary);
  out << entities.substr(0, pause) << std::flush;
  if (markerExists("ripent-slow")) Sleep(kSlowMilliseconds);
  for (int step = 0; step < kMostStallSteps && markerExists("ripent-stalls"); ++step) Sleep(kStallStepMilliseconds);
  out << entities.substr(pause);
  std::printf("%s: entities exported\n", bsp.c_str());
  return out.good() ? 0 : 1;
}
