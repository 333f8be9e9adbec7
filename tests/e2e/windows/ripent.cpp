// A stand-in for ripent.exe: given "-export <map>.bsp", it writes the entity lump of our own
// minimal map files (support/bsp_file.h) as text into <map>.ent beside the map. Marker files
// beside the stand-in change what it does: "ripent-slow" writes the first half, waits three
// seconds and writes the rest; "ripent-writes-nothing" exits without an export.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "support/bsp_file.h"

namespace {

constexpr DWORD kSlowMilliseconds = 3000;

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

  std::ofstream out(bsp.substr(0, bsp.find_last_of('.')) + ".ent", std::ios::binary);
  if (markerExists("ripent-slow")) {
    out << entities.substr(0, entities.size() / 2) << std::flush;
    Sleep(kSlowMilliseconds);
    out << entities.substr(entities.size() / 2);
  } else {
    out << entities;
  }
  std::printf("%s: entities exported\n", bsp.c_str());
  return out.good() ? 0 : 1;
}
