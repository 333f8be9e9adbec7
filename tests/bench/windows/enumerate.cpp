// enumerate.exe <folder\pattern> <runs>: lists the entries of a folder that match the
// pattern in-process, with FindFirstFileW and FindNextFileW as zarn lists a mod's maps, and
// prints for each run the milliseconds it took and the number of entries.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::wstring wide(const char* text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, result.data(), length);
  result.resize(static_cast<std::size_t>(length > 0 ? length - 1 : 0));
  return result;
}

// The number of entries, or -1 when the folder cannot be listed.
long enumerate(const std::wstring& pattern) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return -1;
  long count = 0;
  do ++count;
  while (FindNextFileW(search, &found));
  FindClose(search);
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: enumerate.exe <folder\\pattern> <runs>\n");
    return 2;
  }
  const std::wstring pattern = wide(argv[1]);
  const int runs = std::atoi(argv[2]);
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  for (int run = 0; run < runs; ++run) {
    LARGE_INTEGER start{}, end{};
    QueryPerformanceCounter(&start);
    const long count = enumerate(pattern);
    QueryPerformanceCounter(&end);
    if (count < 0) {
      std::fprintf(stderr, "enumerate.exe: cannot list %s (error %lu)\n", argv[1], GetLastError());
      return 1;
    }
    std::printf("%.2f %ld\n",
                1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart),
                count);
  }
  return 0;
}
